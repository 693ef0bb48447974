#include "simhost/addon.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "simhost/atmosphere.h"
#include "simhost/geo.h"

namespace xaq::sim {

namespace {

constexpr AddonOffset kOffsets[] = {
    {0x02B4, 4, "ground speed", "m/s x 65536, unsigned", false},
    {0x02B8, 4, "true airspeed", "knots x 128, unsigned", false},
    {0x085C, 4, "NAV 1 station latitude", "signed, 8.998425275576774e-06 deg per unit", false},
    {0x0864, 4, "NAV 1 station longitude", "signed, 360/2^32 deg per unit", false},
    {0x0870, 2, "localizer course (true)", "signed, 360/65536 deg per unit", false},
    {0x0872, 2, "glideslope angle", "360/65536 deg per unit (positive, 3 deg)", false},
    {0x0874, 4, "glideslope antenna latitude", "as 0x085C", false},
    {0x0878, 4, "glideslope antenna longitude", "as 0x0864", false},
    {0x0B7C, 4, "left tank level (tank 1)", "8388608 = 100 % of 840 gal, unsigned", true},
    {0x0B94, 4, "right tank level (tank 2)", "as 0x0B7C", true},
    {0x0BB2, 2, "elevator", "signed -16383 ... 16383, positive nose up", true},
    {0x0BB6, 2, "aileron", "signed -16383 ... 16383, positive rolls left (as host variable 313)", true},
    {0x0BC0, 2, "elevator trim", "signed -16383 ... 16383, positive nose up", true},
    {0x0E9A, 24, "cloud layers 1-3", "per layer 8 bytes: base m, top m, density 0-65535 (16-bit each), 2 spare", false},
    {0x115E, 1, "time of day", "1 day, 2 dusk or dawn, 4 night", false},
    {0x290C, 4, "hot-button slot count", "56", false},
    {0x2910, 4 * kHotButtonSlots, "hot-button slots", "((button-1)|0x200)x256 + joystick-1+128; bit 24 changed, bit 25 pressed", true},
    {0x3070, 8, "acceleration along the flight path", "double, ft/s2", false},
    {0x3080, 8, "angle of attack", "double, radians", false},
    {0x30B0, 8, "flight-path angle", "double, radians, climb positive", false},
    {0x310A, 1, "control disconnect", "bit 0 elevator, 1 aileron, 2 rudder, 3 throttle: the add-on's writes hold", true},
    {0x31C8, 8, "vertical speed", "double, ft/s", false},
    {0x32FC, 2, "aircraft change counter", "incremented when the aircraft file changes", false},
    {0x3304, 4, "add-on version", "0x27500000 = 2.750", false},
    {0x3308, 4, "simulator version", "0xFADE in the upper half, 6 below", false},
    {0x330A, 2, "client version (write)", "kept apart; reads still give 0xFADE", true},
    {0x37F0, 8, "wiper position", "double 0 ... 1 (stored)", true},
    {0x3BFC, 4, "zero-fuel weight", "pounds x 256, unsigned", false},
    {0x3C00, 256, "aircraft file path", "zero-terminated text", false},
    {0x3E00, 256, "simulator folder", "zero-terminated text, trailing separator", false},
    {0xF000, 4 + kTrafficSlots * kTrafficRecordBytes, "traffic table",
     "u16 count, u16 0, then 40-byte records: u32 id, float lat, lon, alt ft, u16 hdg deg, u16 gs kt, s16 vs fpm, char[15] callsign, u8 com1", false},
};

template <typename T>
void put(std::uint8_t* memory, std::uint32_t offset, T value) {
  std::memcpy(memory + offset, &value, sizeof value);
}

template <typename T>
T get(const std::uint8_t* memory, std::uint32_t offset) {
  T value;
  std::memcpy(&value, memory + offset, sizeof value);
  return value;
}

template <typename T>
T saturate(double value) {
  const double lo = static_cast<double>(std::numeric_limits<T>::min());
  const double hi = static_cast<double>(std::numeric_limits<T>::max());
  return static_cast<T>(std::clamp(std::round(value), lo, hi));
}

bool overlaps(std::uint32_t a, std::uint32_t aSize, std::uint32_t b, std::uint32_t bSize) {
  return a < b + bSize && b < a + aSize;
}

void putText(std::uint8_t* memory, std::uint32_t offset, const std::string& text) {
  std::memset(memory + offset, 0, 256);
  std::memcpy(memory + offset, text.data(), std::min<std::size_t>(text.size(), 255));
}

constexpr double kLatUnit = 8.998425275576774e-06;
constexpr double kLonUnit = 360.0 / 4294967296.0;
constexpr double kAngleUnit = 360.0 / 65536.0;
constexpr double kTankFull = 8388608.0;

}  // namespace

std::span<const AddonOffset> addonOffsets() { return kOffsets; }

AddonStandIn::AddonStandIn(World& world) : world_(world) {}

void AddonStandIn::setAircraftPath(const std::string& path) {
  if (path != aircraftPath_) ++changeCounter_;
  aircraftPath_ = path;
}

void AddonStandIn::setSimulatorFolder(const std::string& folder) { simulatorFolder_ = folder; }

void AddonStandIn::publish(std::uint32_t offset, std::uint32_t size) {
  const Aircraft& a = world_.aircraft;
  const NavSignals::Receiver& nav1 = world_.nav.nav1;
  std::uint8_t* m = memory_.data();
  for (const AddonOffset& field : kOffsets) {
    if (!overlaps(offset, size, field.offset, field.size)) continue;
    switch (field.offset) {
      case 0x02B4: put(m, 0x02B4, saturate<std::uint32_t>(a.groundSpeedKt * 0.514444 * 65536.0)); break;
      case 0x02B8: put(m, 0x02B8, saturate<std::uint32_t>(a.trueAirspeedKt * 128.0)); break;
      case 0x085C: put(m, 0x085C, saturate<std::int32_t>(nav1.stationLatDeg / kLatUnit)); break;
      case 0x0864: put(m, 0x0864, saturate<std::int32_t>(nav1.stationLonDeg / kLonUnit)); break;
      case 0x0870: put(m, 0x0870, saturate<std::int16_t>(wrap180(nav1.courseDeg) / kAngleUnit)); break;
      case 0x0872: put(m, 0x0872, saturate<std::uint16_t>(nav1.glideslopeAngleDeg / kAngleUnit)); break;
      case 0x0874: put(m, 0x0874, saturate<std::int32_t>(nav1.glideslopeLatDeg / kLatUnit)); break;
      case 0x0878: put(m, 0x0878, saturate<std::int32_t>(nav1.glideslopeLonDeg / kLonUnit)); break;
      case 0x0B7C: put(m, 0x0B7C, saturate<std::uint32_t>(a.leftTankGal / a.tankCapacityGal * kTankFull)); break;
      case 0x0B94: put(m, 0x0B94, saturate<std::uint32_t>(a.rightTankGal / a.tankCapacityGal * kTankFull)); break;
      case 0x0BB2: put(m, 0x0BB2, saturate<std::int16_t>(world_.controls.elevator)); break;
      case 0x0BB6: put(m, 0x0BB6, saturate<std::int16_t>(world_.controls.aileron)); break;
      case 0x0BC0: put(m, 0x0BC0, saturate<std::int16_t>(world_.controls.elevatorTrim)); break;
      case 0x0E9A:
        for (std::uint32_t k = 0; k < 3; ++k) {
          const Environment::CloudLayer& layer = world_.environment.clouds[k];
          put(m, 0x0E9A + 8 * k, saturate<std::uint16_t>(layer.baseFt / kFeetPerMetre));
          put(m, 0x0E9C + 8 * k, saturate<std::uint16_t>(layer.topFt / kFeetPerMetre));
          put(m, 0x0E9E + 8 * k, layer.density);
        }
        break;
      case 0x115E: m[0x115E] = world_.environment.timeOfDay; break;
      case 0x290C: put(m, 0x290C, static_cast<std::uint32_t>(kHotButtonSlots)); break;
      case 0x3070: put(m, 0x3070, a.accelerationFtps2); break;
      case 0x3080: put(m, 0x3080, (a.pitchDeg - a.flightPathDeg) * kDegToRad); break;
      case 0x30B0: put(m, 0x30B0, a.flightPathDeg * kDegToRad); break;
      case 0x310A: m[0x310A] = world_.controls.disconnect; break;
      case 0x31C8: put(m, 0x31C8, a.verticalSpeedFpm / 60.0); break;
      case 0x32FC: put(m, 0x32FC, changeCounter_); break;
      case 0x3304: put(m, 0x3304, versionWord); break;
      case 0x3308: put(m, 0x3308, kSimulatorWord); break;
      case 0x3BFC: put(m, 0x3BFC, saturate<std::uint32_t>(a.zeroFuelWeightLb * 256.0)); break;
      case 0x3C00: putText(m, 0x3C00, aircraftPath_); break;
      case 0x3E00: putText(m, 0x3E00, simulatorFolder_); break;
      case 0xF000: {
        const std::size_t count = std::min<std::size_t>(world_.traffic.size(), kTrafficSlots);
        put(m, 0xF000, static_cast<std::uint16_t>(count));
        put(m, 0xF002, static_cast<std::uint16_t>(0));
        std::memset(m + 0xF004, 0, kTrafficSlots * kTrafficRecordBytes);
        for (std::size_t i = 0; i < count; ++i) {
          const TrafficTarget& t = world_.traffic[i];
          const std::uint32_t r = 0xF004 + static_cast<std::uint32_t>(i) * kTrafficRecordBytes;
          put(m, r, t.id);
          put(m, r + 4, static_cast<float>(t.latDeg));
          put(m, r + 8, static_cast<float>(t.lonDeg));
          put(m, r + 12, static_cast<float>(t.altitudeFt));
          put(m, r + 16, saturate<std::uint16_t>(wrap360(t.headingDeg)));
          put(m, r + 18, saturate<std::uint16_t>(t.groundSpeedKt));
          put(m, r + 20, saturate<std::int16_t>(t.verticalSpeedFpm));
          std::memcpy(m + r + 22, t.callsign.data(), std::min<std::size_t>(t.callsign.size(), 14));
        }
        break;
      }
      default: break;  // stored as written
    }
  }
}

void AddonStandIn::consume(std::uint32_t offset, std::uint32_t size) {
  std::uint8_t* m = memory_.data();
  Aircraft& a = world_.aircraft;
  if (overlaps(offset, size, 0x0B7C, 4)) a.leftTankGal = get<std::uint32_t>(m, 0x0B7C) / kTankFull * a.tankCapacityGal;
  if (overlaps(offset, size, 0x0B94, 4)) a.rightTankGal = get<std::uint32_t>(m, 0x0B94) / kTankFull * a.tankCapacityGal;
  if (overlaps(offset, size, 0x0BB2, 2)) world_.controls.elevator = std::clamp<double>(get<std::int16_t>(m, 0x0BB2), -16383, 16383);
  if (overlaps(offset, size, 0x0BB6, 2)) world_.controls.aileron = std::clamp<double>(get<std::int16_t>(m, 0x0BB6), -16383, 16383);
  if (overlaps(offset, size, 0x0BC0, 2)) world_.controls.elevatorTrim = std::clamp<double>(get<std::int16_t>(m, 0x0BC0), -16383, 16383);
  if (overlaps(offset, size, 0x310A, 1)) world_.controls.disconnect = m[0x310A] & 0x0F;
  if (overlaps(offset, size, 0x330A, 2)) clientVersion_ = get<std::uint16_t>(m, 0x330A);
}

std::intptr_t AddonStandIn::handle(std::uint8_t* buffer, std::size_t usedBytes) {
  if (buffer == nullptr || !present) return 0;
  // Check the whole buffer before acting on any of it.
  std::size_t pos = 0;
  bool ended = false;
  while (!ended) {
    if (pos + 4 > usedBytes) return 0;
    const auto kind = get<std::uint32_t>(buffer, static_cast<std::uint32_t>(pos));
    if (kind == 0) {
      ended = true;
      break;
    }
    if (kind != 1 && kind != 2) return 0;
    const std::size_t header = kind == 1 ? 16 : 12;
    if (pos + header > usedBytes) return 0;
    const auto offset = get<std::uint32_t>(buffer, static_cast<std::uint32_t>(pos + 4));
    const auto size = get<std::uint32_t>(buffer, static_cast<std::uint32_t>(pos + 8));
    if (size > memory_.size() || offset > memory_.size() - size) return 0;
    if (size > usedBytes - pos - header) return 0;
    pos += header + size;
  }

  ++requests_;
  if (recording) served.emplace_back();
  pos = 0;
  for (;;) {
    const auto kind = get<std::uint32_t>(buffer, static_cast<std::uint32_t>(pos));
    if (kind == 0) break;
    const auto offset = get<std::uint32_t>(buffer, static_cast<std::uint32_t>(pos + 4));
    const auto size = get<std::uint32_t>(buffer, static_cast<std::uint32_t>(pos + 8));
    const std::size_t data = pos + (kind == 1 ? 16 : 12);
    if (kind == 1) {
      publish(offset, size);
      std::memcpy(buffer + data, memory_.data() + offset, size);
    } else {
      std::memcpy(memory_.data() + offset, buffer + data, size);
      consume(offset, size);
    }
    if (recording) served.back().push_back({kind, offset, size, {buffer + data, buffer + data + size}});
    pos = data + size;
  }
  return 1;
}

void AddonStandIn::joystickButton(int joystick, int button, bool pressed) {
  const std::uint32_t key = static_cast<std::uint32_t>((button - 1) & 0xFF) << 8 |
                            static_cast<std::uint32_t>((joystick - 1 + 128) & 0xFF);
  for (std::uint32_t k = 0; k < kHotButtonSlots; ++k) {
    const std::uint32_t at = 0x2910 + 4 * k;
    auto word = get<std::uint32_t>(memory_.data(), at);
    if (word == 0 || (word & 0xFFFF) != key) continue;
    word |= 1u << 24;
    word = pressed ? word | 1u << 25 : word & ~(1u << 25);
    put(memory_.data(), at, word);
  }
}

std::uint64_t AddonStandIn::peek(std::uint32_t offset, std::uint32_t size) {
  if (size > 8 || offset > memory_.size() - size) return 0;
  publish(offset, size);
  std::uint64_t value = 0;
  std::memcpy(&value, memory_.data() + offset, size);
  return value;
}

double AddonStandIn::peekDouble(std::uint32_t offset) {
  const std::uint64_t bits = peek(offset, 8);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace xaq::sim
