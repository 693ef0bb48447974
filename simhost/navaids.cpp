#include "simhost/navaids.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "simhost/geo.h"

namespace xaq::sim {

namespace {

constexpr double kVorRangeNm = 130.0;
constexpr double kIlsRangeNm = 27.0;
constexpr double kNdbRangeNm = 75.0;
constexpr double kVorFullScaleDeg = 10.0;
constexpr double kLocalizerFullScaleDeg = 2.5;
constexpr double kGlideslopeDeg = 3.0;
constexpr double kGlideslopeFullScaleDeg = 0.7;  // ±120 needle units
constexpr double kFeetPerNm = 6076.12;

bool isDataLine(const std::string& line) {
  return !line.empty() && line[0] >= '0' && line[0] <= 'Z' && line[0] != ';';
}

// Splits off the identifier (up to the first blank) and the blanks after it.
std::string splitIdent(const std::string& line, std::string& rest) {
  const auto end = line.find_first_of(" \t");
  std::string ident = line.substr(0, end);
  if (end == std::string::npos) {
    rest.clear();
  } else {
    const auto start = line.find_first_not_of(" \t", end);
    rest = start == std::string::npos ? std::string() : line.substr(start);
  }
  return ident;
}

template <typename Parse, typename Item>
void loadFile(const std::string& path, std::vector<Item>& out, Parse parse) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Item item;
    if (parse(line, item)) out.push_back(item);
  }
}

double needle(double deviationDeg, double fullScaleDeg) {
  return std::clamp(deviationDeg / fullScaleDeg * 127.0, -127.0, 127.0);
}

void tuneNav(const World& world, const NavData& data, std::uint32_t bcd, double obsDeg,
             NavSignals::Receiver& rx) {
  rx = NavSignals::Receiver{};
  const Aircraft& a = world.aircraft;
  const double magvar = world.environment.magneticVariationDeg;
  const std::uint32_t frequency = navFrequencyFromBcd(bcd);

  // Localizers first: an ILS frequency tunes the runway whose antenna is in range.
  for (const Runway& r : data.runways) {
    if (r.ilsFrequency != frequency || frequency == 0) continue;
    double locLat, locLon;
    destination(r.latDeg, r.lonDeg, r.headingDeg, r.lengthFt / kFeetPerNm, locLat, locLon);
    const double distance = distanceNm(a.latDeg, a.lonDeg, locLat, locLon);
    if (distance > kIlsRangeNm) continue;
    const double toAntenna = bearingDeg(a.latDeg, a.lonDeg, locLat, locLon);
    double offset = wrap180(toAntenna - r.headingDeg);
    rx.backCourse = std::fabs(offset) > 90.0;
    if (rx.backCourse) offset = -wrap180(offset - 180.0);
    rx.received = rx.localizer = true;
    rx.toFrom = 1;
    rx.deviation = needle(offset, kLocalizerFullScaleDeg);
    rx.courseDeg = r.headingDeg;
    rx.bearingMagDeg = wrap360(toAntenna - magvar);
    rx.stationLatDeg = locLat;
    rx.stationLonDeg = locLon;
    rx.dmeNm = std::hypot(distance, (a.altitudeFt - r.elevationFt) / kFeetPerNm);
    // Glideslope antenna 1000 ft past the threshold.
    double gsLat, gsLon;
    destination(r.latDeg, r.lonDeg, r.headingDeg, 1000.0 / kFeetPerNm, gsLat, gsLon);
    rx.glideslopeLatDeg = gsLat;
    rx.glideslopeLonDeg = gsLon;
    rx.glideslopeAngleDeg = kGlideslopeDeg;
    const double toGs = distanceNm(a.latDeg, a.lonDeg, gsLat, gsLon) * kFeetPerNm;
    if (!rx.backCourse && toGs > 1.0) {
      rx.glideslope = true;
      const double angle = std::atan2(a.altitudeFt - r.elevationFt, toGs) * kRadToDeg;
      rx.glideslopeDeviation = std::clamp((angle - kGlideslopeDeg) / kGlideslopeFullScaleDeg * 120.0, -127.0, 127.0);
    }
    return;
  }
  for (const Station& s : data.vors) {
    if (s.frequency != frequency || frequency == 0) continue;
    const double distance = distanceNm(a.latDeg, a.lonDeg, s.latDeg, s.lonDeg);
    if (distance > kVorRangeNm) continue;
    const double toMag = wrap360(bearingDeg(a.latDeg, a.lonDeg, s.latDeg, s.lonDeg) - magvar);
    const double diff = wrap180(toMag - obsDeg);
    rx.received = true;
    rx.bearingMagDeg = toMag;
    if (std::fabs(diff) <= 90.0) {
      rx.toFrom = 1;
      rx.deviation = needle(diff, kVorFullScaleDeg);
    } else {
      rx.toFrom = 2;
      rx.deviation = needle(-wrap180(diff - 180.0), kVorFullScaleDeg);
    }
    rx.stationLatDeg = s.latDeg;
    rx.stationLonDeg = s.lonDeg;
    rx.dmeNm = std::hypot(distance, a.altitudeFt / kFeetPerNm);
    return;
  }
}

}  // namespace

std::uint32_t bcdFromNavFrequency(std::uint32_t mhzTimes100) {
  const std::uint32_t v = mhzTimes100 % 10000;  // the leading 1 of 1xx.xx is implied
  return ((v / 1000) % 10) << 12 | ((v / 100) % 10) << 8 | ((v / 10) % 10) << 4 | (v % 10);
}

std::uint32_t navFrequencyFromBcd(std::uint32_t bcd) {
  return 10000 + ((bcd >> 12) & 15) * 1000 + ((bcd >> 8) & 15) * 100 + ((bcd >> 4) & 15) * 10 +
         (bcd & 15);
}

std::uint32_t adfFrequencyFromBcd(std::uint32_t bcd, std::uint32_t extended) {
  const std::uint32_t khz = ((extended >> 8) & 15) * 1000 + ((bcd >> 8) & 15) * 100 +
                            ((bcd >> 4) & 15) * 10 + (bcd & 15);
  return khz * 10 + (extended & 15);
}

bool parseStationLine(const std::string& line, Station& out, std::uint32_t unitsPerWhole) {
  if (!isDataLine(line)) return false;
  std::string rest;
  out.ident = splitIdent(line, rest);
  float lat = 0, lon = 0;
  int whole = 0, fraction = 0;
  const int n = std::sscanf(rest.c_str(), "%f %f %d.%d", &lat, &lon, &whole, &fraction);
  if (n < 2) return false;
  out.latDeg = lat;
  out.lonDeg = lon;
  out.frequency = n >= 3 && whole > 0 ? static_cast<std::uint32_t>(whole) * unitsPerWhole +
                                            static_cast<std::uint32_t>(n == 4 ? fraction : 0)
                                      : 0;
  return true;
}

bool parseRunwayLine(const std::string& line, Runway& out) {
  if (!isDataLine(line)) return false;
  std::string rest, tail;
  out.airport = splitIdent(line, rest);
  out.designator = splitIdent(rest, tail);
  float lat = 0, lon = 0;
  int heading = 0, length = 0, mhz = 0, fraction = 0, elevation = 0;
  const int n = std::sscanf(tail.c_str(), "%f %f %d %d %d.%d %d", &lat, &lon, &heading, &length,
                            &mhz, &fraction, &elevation);
  if (n < 4) return false;
  out.latDeg = lat;
  out.lonDeg = lon;
  out.headingDeg = heading;
  out.lengthFt = length;
  out.ilsFrequency = n >= 6 ? static_cast<std::uint32_t>(mhz * 100 + fraction) : 0;
  out.elevationFt = n >= 7 ? elevation : 0;
  return true;
}

NavData NavData::load(const std::string& folder) {
  NavData data;
  const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  loadFile(base + "xaqvor.dat", data.vors,
           [](const std::string& l, Station& s) { return parseStationLine(l, s, 100); });
  loadFile(base + "xaqndb.dat", data.ndbs,
           [](const std::string& l, Station& s) { return parseStationLine(l, s, 10); });
  loadFile(base + "xaqrwy.dat", data.runways, parseRunwayLine);
  return data;
}

const Runway* NavData::findRunway(const std::string& airport, const std::string& designator) const {
  for (const Runway& r : runways) {
    if (r.airport == airport && r.designator == designator) return &r;
  }
  return nullptr;
}

void updateReceivers(World& world, const NavData& data) {
  NavSignals& nav = world.nav;
  tuneNav(world, data, world.radios.nav1Bcd, world.radios.obs1Deg, nav.nav1);
  tuneNav(world, data, world.radios.nav2Bcd, world.radios.obs2Deg, nav.nav2);

  const Aircraft& a = world.aircraft;
  nav.adfSignal = 0;
  nav.adfRelativeDeg = 0;
  const std::uint32_t adf = adfFrequencyFromBcd(world.radios.adfBcd, world.radios.adfExtendedBcd);
  for (const Station& s : data.ndbs) {
    if (s.frequency != adf) continue;
    if (distanceNm(a.latDeg, a.lonDeg, s.latDeg, s.lonDeg) > kNdbRangeNm) continue;
    nav.adfSignal = 10.0;
    nav.adfRelativeDeg = wrap360(bearingDeg(a.latDeg, a.lonDeg, s.latDeg, s.lonDeg) - a.headingTrueDeg);
    break;
  }

  // Markers of the localizer tuned on NAV 1: outer 4 NM, middle 0.5 NM before the threshold.
  nav.marker = 0;
  if (nav.nav1.localizer && !nav.nav1.backCourse) {
    for (const Runway& r : data.runways) {
      if (r.ilsFrequency != navFrequencyFromBcd(world.radios.nav1Bcd)) continue;
      const double along = distanceNm(a.latDeg, a.lonDeg, r.latDeg, r.lonDeg);
      const double height = (a.altitudeFt - r.elevationFt) / kFeetPerNm;
      const double cone = 0.15 + 0.5 * std::max(0.0, height);
      if (std::fabs(along - 4.0) < cone) nav.marker = 1;
      else if (std::fabs(along - 0.5) < cone * 0.5) nav.marker = 2;
      break;
    }
  }
}

}  // namespace xaq::sim
