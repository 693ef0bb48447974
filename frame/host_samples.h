#pragma once
// The host variables the module samples each cycle, converted into the units the rest of the
// cockpit works in. Engine arrays are indexed engine 1..4 -> 0..3. Flags are true when the host's
// value is non-zero.

#include <array>
#include <cstdint>

namespace xaq::frame {

// Rate of change over the last five samples: (newest - oldest) / (sum of the last four steps).
// The history starts filled with the first sample, so the first cycles show no jump from zero;
// while the steps add up to no time (a paused or reloaded clock) the rate is 0.
class TrendRate {
 public:
  static constexpr int kHistory = 5;
  static constexpr double kMinimumSpanSeconds = 1e-9;

  double push(double value, double timeStepSeconds);
  double rate() const { return rate_; }

 private:
  std::array<double, kHistory> values_{};
  std::array<double, kHistory> steps_{};
  double rate_ = 0.0;
  bool started_ = false;
};

struct HostSamples {
  // Air data and attitude.
  double indicatedAirspeedKt = 0;   // 61
  double mach = 0;                  // 64
  double headingMagDeg = 0;         // 81
  double altitudeFt = 0;            // 74
  double radioAltitudeFt = 0;       // 614 (host: metres)
  double verticalSpeedFpm = 0;      // 65
  double turnRate = 0;              // 70 (+-540 = standard rate)
  double latitudeDeg = 0;           // 71
  double longitudeDeg = 0;          // 72, -180..180
  double magneticVariationDeg = 0;  // 82, 0..360
  bool onGround = false;            // 60
  double attitudePitchDeg = 0;      // 78, positive nose-down as the host gives it
  double attitudeBankDeg = 0;       // 80
  double pitchDeg = 0;              // 77, positive nose-down as the host gives it
  double bankDeg = 0;               // 79, 0..360

  // The host's own autopilot state.
  bool hostAutopilot = false;       // 103
  bool hostYawDamper = false;       // 114
  double headingBugDeg = 0;         // 107
  bool hostNavHold = false;         // 105
  bool hostApproachHold = false;    // 112
  bool hostBackCourseHold = false;  // 113
  double hostFdPitchDeg = 0;        // 793
  double hostFdBankDeg = 0;         // 794

  // Engines and propellers.
  std::array<double, 4> nhPct{};               // 624, 643, 662, 681
  std::array<double, 4> nlPct{};               // 625, 644, 663, 682
  std::array<double, 4> fuelFlowPph{};         // 638, 657, 676, 695
  std::array<double, 4> ittC{};                // 631, 650, 669, 688 (rounded)
  std::array<double, 4> torquePct{};           // 156, 191, 226, 261
  std::array<double, 4> propRpm{};             // 700, 708, 716, 724
  std::array<double, 4> conditionLever{};      // 130, 165, 200, 235 (0..16384)
  std::array<double, 4> oilTemperature{};      // 561, 571, 581 (rounded), 591: host units
  std::array<double, 4> oilPressurePsi{};      // 562, 572, 582, 592
  std::array<double, 4> propLever{};           // 129, 164, 199, 234 (-4096..16384)
  std::array<bool, 4> engineRunning{};         // 131, 166, 201, 236
  std::array<bool, 4> engineFailed{};          // 564, 574, 584, 594: the host's failure flags
  std::array<bool, 4> autofeatherArmed{};      // 707, 715, 723, 731
  bool autofeatherSwitch = false;              // 741

  // Fuel, controls, gear, doors, power.
  double totalFuelLb = 0;           // 791 (the host gives pounds)
  double leftTankLb = 0;            // 304 (host: gallons)
  double rightTankLb = 0;           // 303 (host: gallons)
  double aileronPosition = 0;       // 313
  double elevatorPosition = 0;      // 317
  double elevatorTrimPosition = 0;  // 318
  double spoilerHandle = 0;         // 325
  double flapHandle = 0;            // 328
  double gearLeft = 0;              // 333
  double gearRight = 0;             // 334
  double gearNose = 0;              // 332
  double gearHandle = 0;            // 331
  double parkingBrake = 0;          // 323 (rounded)
  bool passengerDoorOpen = false;   // 868
  double hydraulicAvailable = 0;    // 824
  bool batteryMaster = false;       // 364
  bool avionicsMaster = false;      // 740

  // Time and date.
  double elapsedSeconds = 0;        // 604
  double dayOfMonth = 0;            // 745
  double month = 0;                 // 746
  double year = 0;                  // 747
  bool daylightSaving = false;      // 749
  double localHour = 0;             // 3
  double zuluOffsetHours = 0;       // 6
  double localMinute = 0;           // 4
  double localSecond = 0;           // 5
  double simulationRate = 0;        // 336 (256 = normal)

  // Radios and navigation receivers.
  double nav1Bcd = 0;               // 24
  double nav2Bcd = 0;               // 27
  double com1Bcd = 0;               // 23
  double com2Bcd = 0;               // 870
  double adfBcd = 0;                // 16
  double adfExtendedBcd = 0;        // 18
  double nav1BearingDeg = 0;        // 550
  double nav2BearingDeg = 0;        // 59
  double adfBearingDeg = 0;         // 39
  double nav1ToFrom = 0;            // 43
  double nav2ToFrom = 0;            // 52
  bool glideslopeReceived = false;  // 44
  double nav1Flags = 0;             // 46 (looked up twice)
  double nav2Flags = 0;             // 55
  double adfSignal = 0;             // 20
  double nav1CourseDeg = 0;         // 45
  double dme1Nm = 0;                // 31
  double dme2Nm = 0;                // 35
  double nav1Deviation = 0;         // 40 (-127..127)
  double glideslopeDeviation = 0;   // 41 (-127..127)
  double markerBeacon = 0;          // 354
  double transponderBcd = 0;        // 38
  std::array<bool, 8> audioPanel{};  // 874..881

  // Ice protection and lights.
  bool propDeice = false;           // 904
  bool airframeDeice = false;       // 905
  bool pitotHeat = false;           // 13
  bool panelLights = false;         // 10
  bool strobeLights = false;        // 11
  bool beaconLights = false;        // 368
  bool instrumentLights = false;    // 621
  bool landingLights = false;       // 14
  bool flareLights = false;         // 622

  // Atmosphere.
  double outsideAirTempC = 0;       // 341
  double totalAirTempC = 0;         // 350
  double outsidePressureMb = 0;     // 342
  double standardTempC = 0;         // 800
  double windSpeedKt = 0;           // 343
  double windDirectionDeg = 0;      // 344, 0..360

  // Derived after the lookups.
  double timeStepSeconds = 0;       // elapsed time since the previous cycle
  bool nav1SignalValid = false;     // from 46: the receiver has a usable signal
  bool nav1LocalizerTuned = false;  // from 46: bit 7
  std::array<bool, 2> pauseFlags{};  // [0] time stood still this cycle, [1] time jumped
  // The cockpit's one true airspeed and one acceleration (the flight guidance, the FMS and the
  // advisory display read these): true airspeed from the indicated airspeed and the outside air
  // density (pressure 342, temperature 341); acceleration as the trend of the indicated
  // airspeed (61). The add-on's own readings of both stay in the link's values as read.
  double trueAirspeedKt = 0;
  double accelerationKtPerSec = 0;
  double headwindKt = 0;            // wind component along the heading, positive on the nose
  double verticalSpeedTrend = 0;    // fpm per second (65)
  double bankTrend = 0;             // degrees per second (80)
  double aircraftWeightLb = 0;      // add-on payload + total fuel
};

}  // namespace xaq::frame
