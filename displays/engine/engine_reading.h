#pragma once
// What the engine instruments show: each dial's reading follows its engine's value, except for
// the second after its test button was pressed, when it shows the test value. The propeller
// speed dial shows a blend of the propeller's speed and the speed its governor is set to, the
// governed part smoothed as the real constant-speed unit would settle.

#include "common/slew_limiter.h"

namespace xaq::displays {

enum class EngineQuantity : int { kTorque, kPropSpeed, kItt, kNh, kNl, kFuelFlow, kCount };

// One engine's values as the host gives them (already in the units below).
struct EngineValues {
  double torquePct = 0.0;
  double propRpm = 0.0;
  double governorInput = 0.0;  // the propeller lever: 0 ... 16384, negative toward feather
  double ittC = 0.0;
  double nhPct = 0.0;
  double nlPct = 0.0;
  double fuelFlowPph = 0.0;
};

// The value a dial's test drives it to.
double engineTestValue(EngineQuantity quantity);
// The quantity's live value among an engine's (the propeller's own speed for kPropSpeed).
double engineValueOf(EngineQuantity quantity, const EngineValues& values);

inline constexpr double kEngineTestDurationS = 1.0;
// The torque reference pointer's position while the torque test runs.
inline constexpr double kTorqueReferenceTestPct = 85.0;

// One reading per gauge pair member, shared by the gauge and its virtual-cockpit twin.
class EngineReading {
 public:
  constexpr EngineReading(EngineQuantity quantity, int engineIndex)
      : quantity_(quantity), engineIndex_(engineIndex) {}

  // The test button: starts the test, or restarts it while the button is held.
  void pressTest(double nowS);
  // Whether the test value is shown at `nowS`: from the press up to exactly one second later.
  bool testShowing(double nowS) const;
  // The test value while the test shows, else `liveValue` (kept as the last value read); a test
  // that is over is cleared.
  double read(double liveValue, double nowS);

  EngineQuantity quantity() const { return quantity_; }
  int engineIndex() const { return engineIndex_; }  // 1 ... 4
  double value() const { return value_; }
  bool testActive() const { return testActive_; }

 private:
  EngineQuantity quantity_;
  int engineIndex_;
  double value_ = 0.0;
  bool testActive_ = false;
  double testStartS_ = 0.0;
};

// The governed speed for a governor input: 785 ... 916 RPM over 0 ... 10192, then from 906 RPM
// up along the steeper part of the lever's travel.
double governedPropSpeedRpm(double governorInput);

// How much of the shown speed is the governed speed: grows with airspeed (the propeller windmills
// onto its governor), but follows the propeller's own speed while it turns slowly.
double governedSpeedWeight(double indicatedAirspeedKt, double propRpm);

class PropSpeedReading {
 public:
  static constexpr double kGovernedRateRpmPerS = 150.0;
  static constexpr double kGovernedInitialRpm = 500.0;
  // The share of the propeller's own speed that the dial shows (the rest is the governed speed).
  static constexpr double kOwnSpeedFactor = 0.86;

  explicit PropSpeedReading(int engineIndex) : reading_(EngineQuantity::kPropSpeed, engineIndex) {}

  // The shown speed: the propeller's own speed while feathered (negative governor input), else
  // the weighted blend with the smoothed governed speed; the test value during the test.
  double read(double propRpm, double governorInput, double indicatedAirspeedKt, double nowS);

  EngineReading& reading() { return reading_; }
  const EngineReading& reading() const { return reading_; }
  double smoothedGovernedRpm() const { return governed_.current; }

 private:
  EngineReading reading_;
  SlewLimiter governed_{kGovernedRateRpmPerS, kGovernedInitialRpm};
};

}  // namespace xaq::displays
