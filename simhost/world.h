#pragma once
// The host's side of the world: everything the simulator knows about the aircraft, its engines,
// switches, radios and surroundings. The flight model, the key events, the host-variable table
// and the add-on stand-in all read and write this one record; nothing else holds host state.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace xaq::sim {

inline constexpr int kEngineCount = 2;

// Control positions in the host's axis units (−16383 … +16383).
struct Controls {
  double aileron = 0;        // positive rolls left (the bank falls)
  double elevator = 0;       // positive pitches up
  double elevatorTrim = 0;   // positive trims nose up
  double rudder = 0;         // positive yaws right
  double throttle = 0;       // power levers: −8191 (full reverse) … 16383
  bool parkingBrake = true;
  double spoilerHandle = 0;  // 0 … 16383
  double flapHandle = 0;     // 0 … 16383, four detents
  double flapPosition = 0;   // 0 … 16384
  double gearHandle = 16384; // 0 up … 16384 down
  std::array<double, 3> gearPosition{16384, 16384, 16384};  // nose, left, right
  // Bits of the add-on's control-disconnect byte: 0 elevator, 1 aileron, 2 rudder, 3 throttle.
  std::uint8_t disconnect = 0;
};

struct Engine {
  // Levers.
  double propLever = 16384;      // −4096 feather … 16384 (the aircraft's condition lever)
  double mixture = 0;            // 0 fuel off … 16384 fuel on
  // The host's engine-failure flag (host variables 564 / 574): a failed engine neither lights off
  // nor keeps burning.
  bool failed = false;
  double starterUntilSeconds = -1;  // the starter turns while sim time is below this
  bool autofeatherArmed = false;
  // State.
  bool combustion = false;
  double nhPct = 0;
  double nlPct = 0;
  double ittC = 15;
  double torquePct = 0;
  double fuelFlowPph = 0;
  double propRpm = 0;
  double oilPressurePsi = 0;
  double oilTempC = 15;
  double thrustLbf = 0;
};

struct Lights {
  bool panel = false, strobe = false, pitotHeat = false, landing = false, taxi = false,
       beacon = false, wing = false, flare = false, logo = false, position = false,
       propDeice = false, airframeDeice = false;
};

struct Radios {
  std::uint32_t com1Bcd = 0x1800, com2Bcd = 0x1900, nav1Bcd = 0x1090, nav2Bcd = 0x1090;
  std::uint32_t adfBcd = 0x0320, adfExtendedBcd = 0;  // extended: thousands digit × 0x100 + tenths
  std::uint32_t transponderBcd = 0x1200;
  double obs1Deg = 0, obs2Deg = 0;
  std::array<bool, 8> audio{};  // COM1 tx, COM2 tx, both rx, NAV1, NAV2, DME, ADF, marker
};

// Receiver outputs, recomputed every frame from the navigation data.
struct NavSignals {
  struct Receiver {
    bool received = false;
    bool localizer = false;
    bool glideslope = false;
    bool backCourse = false;
    int toFrom = 0;              // 0 none, 1 TO, 2 FROM
    double bearingMagDeg = 0;    // to the station
    double deviation = 0;        // −127 … +127, positive: the course lies to the right
    double glideslopeDeviation = 0;  // −127 … +127, positive: the aircraft is above the path
    double dmeNm = -1;           // negative: no DME
    double courseDeg = 0;        // localizer course (true) when a localizer is tuned
    double glideslopeAngleDeg = 0;
    double stationLatDeg = 0, stationLonDeg = 0;
    double glideslopeLatDeg = 0, glideslopeLonDeg = 0;
  };
  Receiver nav1, nav2;
  double adfRelativeDeg = 0;
  double adfSignal = 0;
  int marker = 0;
};

struct Autopilot {  // the host's own autopilot flags; the module drives them by events
  bool master = false, navHold = false, approachHold = false, backCourseHold = false,
       yawDamper = false;
  double headingBugDeg = 0;
  double fdPitchDeg = 0, fdBankDeg = 0;
};

struct Environment {
  double seaLevelPressureMb = 1013.25;
  double temperatureDeviationC = 0;   // from the standard atmosphere
  double windSpeedKt = 0;
  double windFromDeg = 0;              // true
  double magneticVariationDeg = 0;     // east positive
  bool variationFromGrid = false;      // follows the grid at the aircraft until a scenario sets it
  double groundElevationFt = 0;
  double altimeterSettingMb = 1013.25;
  struct CloudLayer { double baseFt = 0, topFt = 0; std::uint16_t density = 0; };
  std::array<CloudLayer, 3> clouds{};
  std::uint8_t timeOfDay = 1;          // 1 day, 2 dusk or dawn, 4 night
};

struct Clock {
  int year = 2002, month = 6, day = 15;
  double localStartSeconds = 10 * 3600;  // local time of day at sim time 0
  int zuluOffsetHours = 8;
  bool daylightSaving = true;
};

struct TrafficTarget {
  std::uint32_t id = 0;
  double latDeg = 0, lonDeg = 0, altitudeFt = 0;
  double headingDeg = 0, groundSpeedKt = 0, verticalSpeedFpm = 0;
  std::string callsign;
};

// The aircraft's kinematic state in the flight model's own terms.
struct Aircraft {
  double latDeg = 0, lonDeg = 0;
  double altitudeFt = 0;        // above mean sea level, of the gear's contact point
  double headingTrueDeg = 0;
  double pitchDeg = 0;          // nose up positive
  double bankDeg = 0;           // right wing down positive
  double rollRateDps = 0, pitchRateDps = 0, turnRateDps = 0;
  double trueAirspeedKt = 0;
  double flightPathDeg = 0;     // climb angle of the air-relative velocity
  double verticalSpeedFpm = 0;
  double groundSpeedKt = 0, groundTrackDeg = 0;
  double accelerationFtps2 = 0; // along the flight path
  bool onGround = true;
  double zeroFuelWeightLb = 34000;
  double leftTankGal = 420, rightTankGal = 420;
  double tankCapacityGal = 840;  // each
};

struct World {
  double simSeconds = 0;         // the host's elapsed simulation time (host variable 604)
  bool paused = false;
  int simulationRate = 256;      // 256 = normal
  Aircraft aircraft;
  Controls controls;
  std::array<Engine, kEngineCount> engines{};
  Lights lights;
  Radios radios;
  NavSignals nav;
  Autopilot autopilot;
  Environment environment;
  Clock clock;
  bool batteryMaster = false, avionicsMaster = false, autofeatherSwitch = false;
  double hydraulicAvailable = 0;  // 0 … 1
  bool passengerDoorOpen = false;
  std::vector<TrafficTarget> traffic;
};

}  // namespace xaq::sim
