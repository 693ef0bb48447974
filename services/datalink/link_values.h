#pragma once
// What the add-on data link reads each cycle, in the cockpit's units, and the joystick-button
// entries it watches. Both live in the link object (the first part of the aircraft state); the
// link keeps every value at its last good reading while the add-on is away (zero at start).

#include <array>
#include <cstdint>
#include <string>

namespace xaq::services::datalink {

struct CloudLayer {
  std::int32_t baseFt = 0;      // truncated to whole feet
  std::int32_t topFt = 0;
  std::uint16_t density = 0;    // 0 ... 65535
};

struct AddonValues {
  double accelerationKtPerSec = 0.0;   // along the flight path
  double verticalSpeedFpm = 0.0;
  double flightPathAngleDeg = 0.0;
  double angleOfAttackDeg = 0.0;
  double trueAirspeedKt = 0.0;
  double groundSpeedKt = 0.0;
  std::uint8_t timeOfDay = 0;          // the add-on's code: 1 day, 2 dusk or dawn, 4 night
  double payloadWeightLb = 0.0;        // everything but the fuel; the sampling adds the fuel
  double nav1StationLatDeg = 0.0;
  double nav1StationLonDeg = 0.0;      // -180 ... +180
  double localizerCourseDeg = 0.0;     // -180 ... +180
  double glideslopeAngleDeg = 0.0;
  double glideslopeLatDeg = 0.0;
  double glideslopeLonDeg = 0.0;       // -180 ... +180
  std::array<CloudLayer, 3> clouds{};
  std::string aircraftFilePath;        // a file in the loaded aircraft's folder
  std::string simulatorFolder;         // as the add-on reports it
};

// One command's joystick button (the keyboard and joystick commands fill the table).
struct JoystickButton {
  std::int32_t joystick = 0;  // joystick number - 1
  std::int32_t button = 0;    // button number - 1
  bool pressed = false;
  bool pressedBefore = false;
  std::int32_t slot = 0;      // the add-on's hot-button slot
  bool registered = false;
};

using JoystickButtons = std::array<JoystickButton, 32>;

}  // namespace xaq::services::datalink
