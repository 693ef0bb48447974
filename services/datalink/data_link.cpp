#include "services/datalink/data_link.h"

#include <algorithm>
#include <cstring>

#include "common/rounding.h"

namespace xaq::services::datalink {

namespace {

constexpr std::uint32_t kOffsetChangeCounter = 0x32FC;
constexpr std::uint32_t kOffsetAircraftPath = 0x3C00;
constexpr std::uint32_t kOffsetSimulatorFolder = 0x3E00;
constexpr std::uint32_t kPathBytes = 256;

constexpr double kKnotsPerFootPerSecond = 0.5924838;
constexpr double kDegPerRad = 57.295743037293285;
constexpr double kKnotsPerTrueAirspeedUnit = 1.0 / 128.0;
constexpr double kKnotsPerGroundSpeedUnit = 2.966070556640625e-05;
constexpr double kPoundsPerWeightUnit = 1.0 / 256.0;
constexpr double kDegPerLatitudeUnit = 8.998425275576774e-06;
constexpr double kDegPerLongitudeUnit = 8.381903171539307e-08;  // 360 / 2^32
constexpr double kDegPerAngleUnit = 0.0054931640625;             // 360 / 65536
constexpr double kFeetPerMetre = 3.28083;

constexpr std::uint32_t kCloudLayerOffsets[3] = {0x0E9A, 0x0EA2, 0x0EAA};

constexpr std::uint32_t kButtonChanged = 1u << 24;
constexpr std::uint32_t kButtonPressed = 1u << 25;
// Far more slots than any add-on offers; it bounds the search when the count word is nonsense.
constexpr std::uint32_t kMaxHotButtonSlots = 256;

constexpr std::uint32_t slotOffset(std::uint32_t slot) { return offsets::kHotButtonSlots + 4 * slot; }

std::string textOf(const std::array<char, 256>& field) {
  const auto* end = std::find(field.begin(), field.end(), '\0');
  return std::string(field.begin(), end);
}

}  // namespace

int addonVersionNumber(std::uint32_t versionWord) {
  const auto digit = [versionWord](int shift) { return static_cast<int>((versionWord >> shift) & 0xF); };
  return digit(28) * 100 + digit(24) * 10 + digit(20);
}

std::string notesFilePathFor(const std::string& aircraftFilePath) {
  const std::size_t separator = aircraftFilePath.find_last_of("\\/");
  if (separator == std::string::npos) return {};
  return aircraftFilePath.substr(0, separator + 1) + kNotesFileName;
}

bool watchable(const JoystickButton& entry) {
  return entry.button >= 1 && entry.button <= 0xFF && entry.joystick >= 0 && entry.joystick <= 0x7F;
}

std::uint32_t hotButtonWord(const JoystickButton& entry) {
  const auto button = static_cast<std::uint32_t>(entry.button);
  const auto joystick = static_cast<std::uint32_t>(entry.joystick);
  return ((button | 0x200u) << 8) + (joystick + 128u);
}

DataLink::DataLink() = default;

bool DataLink::connect() {
  // A link that lost its add-on is still open on the old window: start again from nothing, so
  // the window is looked for afresh and "already open" never stands in the way.
  client_.close();
  connected_ = false;
  versionOk_ = false;
  if (client_.open(0, buffer_) != LinkError::kOk) return false;
  connected_ = true;
  versionOk_ = addonVersionNumber(client_.addonVersion()) >= kOldestFullAddon;
  return true;
}

bool DataLink::queue(LinkError error) {
  if (error == LinkError::kOk) return true;
  client_.discard();  // never send half a batch
  return false;
}

bool DataLink::exchange() {
  if (client_.process() == LinkError::kOk) return true;
  versionOk_ = false;
  return false;
}

bool DataLink::singleRead(std::uint32_t offset, std::uint32_t size, void* destination) {
  if (!versionOk_) connected_ = false;
  if (!connected_) {
    connect();
    return false;
  }
  return queue(client_.read(offset, size, destination)) && exchange();
}

bool DataLink::singleWrite(std::uint32_t offset, std::uint32_t size, const void* source) {
  if (!versionOk_) connected_ = false;
  if (!connected_) {
    connect();
    return false;
  }
  return queue(client_.write(offset, size, source)) && exchange();
}

void DataLink::update(AddonValues& values, std::string& notesFilePath, JoystickButtons& buttons) {
  if (!versionOk_) connected_ = false;
  if (!connected_) {
    connect();
    return;
  }

  RawValues& r = raw_;
  bool queued = true;
  const auto want = [&](std::uint32_t offset, std::uint32_t size, void* destination) {
    queued = queued && queue(client_.read(offset, size, destination));
  };
  const bool readPaths = pathCountdown_ > 0;
  want(kOffsetChangeCounter, 2, &r.changeCounter);
  if (readPaths) {
    want(kOffsetAircraftPath, kPathBytes, r.aircraftPath.data());
    want(kOffsetSimulatorFolder, kPathBytes, r.simulatorFolder.data());
  }
  want(0x3070, 8, &r.acceleration);
  want(0x31C8, 8, &r.verticalSpeed);
  want(0x30B0, 8, &r.flightPathAngle);
  want(0x3080, 8, &r.angleOfAttack);
  want(0x02B8, 4, &r.trueAirspeed);
  want(0x02B4, 4, &r.groundSpeed);
  want(0x115E, 1, &r.timeOfDay);
  want(0x3BFC, 4, &r.payloadWeight);
  want(0x085C, 4, &r.nav1StationLat);
  want(0x0874, 4, &r.glideslopeLat);
  want(0x0864, 4, &r.nav1StationLon);
  want(0x0878, 4, &r.glideslopeLon);
  want(0x0870, 2, &r.localizerCourse);
  want(0x0872, 2, &r.glideslopeAngle);
  for (std::size_t layer = 0; layer < 3; ++layer) {
    for (std::size_t word = 0; word < 3; ++word) {
      want(kCloudLayerOffsets[layer] + 2 * static_cast<std::uint32_t>(word), 2, &r.clouds[layer][word]);
    }
  }
  want(offsets::kHotButtonCount, 4, &r.hotButtonCount);
  if (!queued) {
    versionOk_ = false;
    return;
  }
  if (!exchange()) return;

  if (readPaths) {
    takePaths(values, notesFilePath);
    --pathCountdown_;
  }
  if (!changeCounterSeen_ || r.changeCounter != lastChangeCounter_) {
    changeCounterSeen_ = true;
    lastChangeCounter_ = r.changeCounter;
    pathCountdown_ = kPathReadCycles;
  }

  values.accelerationKtPerSec = r.acceleration * kKnotsPerFootPerSecond;
  values.verticalSpeedFpm = r.verticalSpeed * 60.0;
  values.flightPathAngleDeg = r.flightPathAngle * kDegPerRad;
  values.angleOfAttackDeg = r.angleOfAttack * kDegPerRad;
  values.trueAirspeedKt = r.trueAirspeed * kKnotsPerTrueAirspeedUnit;
  values.groundSpeedKt = r.groundSpeed * kKnotsPerGroundSpeedUnit;
  values.timeOfDay = r.timeOfDay;
  values.payloadWeightLb = r.payloadWeight * kPoundsPerWeightUnit;
  values.nav1StationLatDeg = r.nav1StationLat * kDegPerLatitudeUnit;
  values.glideslopeLatDeg = r.glideslopeLat * kDegPerLatitudeUnit;
  values.nav1StationLonDeg = wrap180(r.nav1StationLon * kDegPerLongitudeUnit);
  values.glideslopeLonDeg = wrap180(r.glideslopeLon * kDegPerLongitudeUnit);
  values.localizerCourseDeg = wrap180(r.localizerCourse * kDegPerAngleUnit);
  values.glideslopeAngleDeg = r.glideslopeAngle * kDegPerAngleUnit;
  for (std::size_t layer = 0; layer < 3; ++layer) {
    values.clouds[layer].baseFt = static_cast<std::int32_t>(r.clouds[layer][0] * kFeetPerMetre);
    values.clouds[layer].topFt = static_cast<std::int32_t>(r.clouds[layer][1] * kFeetPerMetre);
    values.clouds[layer].density = r.clouds[layer][2];
  }

  if (r.hotButtonCount != 0 && !registerButtons(r.hotButtonCount, buttons)) return;
  pollButtons(buttons);
}

void DataLink::takePaths(AddonValues& values, std::string& notesFilePath) const {
  values.aircraftFilePath = textOf(raw_.aircraftPath);
  values.simulatorFolder = textOf(raw_.simulatorFolder);
  // Without a folder there is nowhere sensible to look: keep the notes file where it was.
  std::string notes = notesFilePathFor(values.aircraftFilePath);
  if (!notes.empty()) notesFilePath = std::move(notes);
}

bool DataLink::registerButtons(std::uint32_t slotCount, JoystickButtons& buttons) {
  const auto waiting = [&buttons](std::size_t from) {
    while (from < buttons.size() && (buttons[from].registered || !watchable(buttons[from]))) ++from;
    return from;
  };
  std::size_t entry = waiting(0);
  const std::uint32_t limit = std::min(slotCount, kMaxHotButtonSlots);
  std::uint32_t first = 0;  // the lowest slot not tried yet
  while (entry < buttons.size() && first < limit) {
    const auto batch = std::min<std::uint32_t>(limit - first, static_cast<std::uint32_t>(slotWords_.size()));
    for (std::uint32_t i = 0; i < batch; ++i) {
      if (!queue(client_.read(slotOffset(first + i), 4, &slotWords_[i]))) return false;
    }
    if (!exchange()) return false;

    // Claim the free slots of this batch, then mark the entries once the add-on has the words.
    std::array<std::pair<std::size_t, std::uint32_t>, 32> claimed{};
    std::size_t claims = 0;
    for (std::uint32_t i = 0; i < batch && entry < buttons.size(); ++i) {
      if (slotWords_[i] != 0) continue;
      const std::uint32_t word = hotButtonWord(buttons[entry]);
      if (!queue(client_.write(slotOffset(first + i), 4, &word))) return false;
      claimed[claims++] = {entry, first + i};
      entry = waiting(entry + 1);
    }
    if (claims != 0 && !exchange()) return false;
    for (std::size_t c = 0; c < claims; ++c) {
      buttons[claimed[c].first].registered = true;
      buttons[claimed[c].first].slot = static_cast<std::int32_t>(claimed[c].second);
    }
    first += batch;
  }
  return true;
}

bool DataLink::pollButtons(JoystickButtons& buttons) {
  std::array<std::uint32_t, 32> words{};
  bool any = false;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (!buttons[i].registered) continue;
    if (!queue(client_.read(slotOffset(static_cast<std::uint32_t>(buttons[i].slot)), 4, &words[i]))) return false;
    any = true;
  }
  if (!any) return true;
  if (!exchange()) return false;

  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (!buttons[i].registered) continue;
    if ((words[i] & kButtonChanged) != 0) buttons[i].pressed = (words[i] & kButtonPressed) != 0;
    const std::uint32_t acknowledged = words[i] & ~kButtonChanged;
    if (!queue(client_.write(slotOffset(static_cast<std::uint32_t>(buttons[i].slot)), 4, &acknowledged))) return false;
  }
  return exchange();
}

void DataLink::shutDown(JoystickButtons& buttons) {
  if (versionOk_) {
    bool queued = true;
    for (JoystickButton& entry : buttons) {
      if (!entry.registered) continue;
      const std::uint32_t free = 0;
      queued = queued && queue(client_.write(slotOffset(static_cast<std::uint32_t>(entry.slot)), 4, &free));
      entry.registered = false;
    }
    if (queued && client_.bytesQueued() != 0) exchange();
  }
  client_.close();
  connected_ = false;
  versionOk_ = false;
}

}  // namespace xaq::services::datalink
