#include "displays/engine/engine_reading.h"

#include <algorithm>
#include <cmath>

namespace xaq::displays {

double engineTestValue(EngineQuantity quantity) {
  switch (quantity) {
    case EngineQuantity::kTorque:
    case EngineQuantity::kNh:
    case EngineQuantity::kNl:
      return 105.0;
    case EngineQuantity::kPropSpeed:
    case EngineQuantity::kItt:
    case EngineQuantity::kFuelFlow:
    case EngineQuantity::kCount:
      break;
  }
  return 1050.0;
}

double engineValueOf(EngineQuantity quantity, const EngineValues& v) {
  switch (quantity) {
    case EngineQuantity::kTorque: return v.torquePct;
    case EngineQuantity::kPropSpeed: return v.propRpm;
    case EngineQuantity::kItt: return v.ittC;
    case EngineQuantity::kNh: return v.nhPct;
    case EngineQuantity::kNl: return v.nlPct;
    case EngineQuantity::kFuelFlow: return v.fuelFlowPph;
    case EngineQuantity::kCount: break;
  }
  return 0.0;
}

void EngineReading::pressTest(double nowS) {
  testActive_ = true;
  testStartS_ = nowS;
}

bool EngineReading::testShowing(double nowS) const {
  const double elapsed = nowS - testStartS_;
  // A clock that went back (a reloaded flight) ends the test rather than holding it until the
  // clock comes round to the press again.
  return testActive_ && elapsed >= 0.0 && elapsed <= kEngineTestDurationS;
}

double EngineReading::read(double liveValue, double nowS) {
  if (testShowing(nowS)) return engineTestValue(quantity_);
  testActive_ = false;
  value_ = liveValue;
  return value_;
}

double governedPropSpeedRpm(double governorInput) {
  constexpr double kKnee = 10192.0;
  if (governorInput <= kKnee) return governorInput * 0.012853218210361068 + 785.0;
  return (governorInput - kKnee) * 0.046511627906976744 + 906.0;
}

double governedSpeedWeight(double indicatedAirspeedKt, double propRpm) {
  if (propRpm < 400.0) return propRpm * 0.0025;
  // A negative airspeed (the host's sensor at rest) counts as none.
  return std::clamp(indicatedAirspeedKt / 120.0, 0.0, 0.95);
}

double PropSpeedReading::read(double propRpm, double governorInput, double indicatedAirspeedKt, double nowS) {
  if (!std::isnan(governorInput)) governed_.target = governedPropSpeedRpm(governorInput);
  const double smoothed = governed_.step(nowS);
  double shown = propRpm;
  if (governorInput >= 0.0) {
    const double w = governedSpeedWeight(indicatedAirspeedKt, propRpm);
    shown = (1.0 - w) * propRpm * kOwnSpeedFactor + w * smoothed;
  }
  return reading_.read(shown, nowS);
}

}  // namespace xaq::displays
