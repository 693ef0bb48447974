#include "guidance/guidance_laws.h"

#include <algorithm>
#include <cmath>

#include "common/rounding.h"

namespace xaq::guidance {

namespace {
constexpr double kMetresPerSecondPerKnot = 0.5144444;
constexpr double kOneOverG = 0.1019367992;          // s^2/m
constexpr double kFeetPerMinutePerMps = 196.8504;
constexpr double kFpmPerKnotOfGroundSpeed = 101.2686;  // ft/min per knot along a 1-radian path
constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
}  // namespace

double maximumBankDeg(double v) {
  if (v < 150.0) return 15.0 + v / 15.0;
  if (v < 300.0) return 25.0;
  if (v < 450.0) return 25.0 - (v - 300.0) * 0.0733333;
  return 19.0;
}

double headingLawBankDeg(double targetHeadingDeg, double headingDeg, double trueAirspeedKt) {
  const double error = wrap180(targetHeadingDeg - headingDeg);
  const double limit = maximumBankDeg(trueAirspeedKt);
  const double size = std::fabs(error) <= 20.0 ? limit * std::fabs(error) * 0.05 : limit;
  return error < 0.0 ? -size : size;
}

double iasLawVerticalSpeedFpm(const IasLawInput& in) {
  const double wanted =
      std::clamp((in.targetKt - in.indicatedAirspeedKt) / kIasSpeedErrorScaleKt * 2.0,
                 -kIasAccelerationLimitKtPerSec, kIasAccelerationLimitKtPerSec);
  return in.verticalSpeedFpm - (wanted - in.accelerationKtPerSec) * kMetresPerSecondPerKnot *
                                   (in.indicatedAirspeedKt * kMetresPerSecondPerKnot) * kOneOverG *
                                   kFeetPerMinutePerMps;
}

double glidepathVerticalSpeedFpm(double glideslopeAngleDeg, double glideslopeDeviation, double groundSpeedKt) {
  const double gamma = -glideslopeAngleDeg - glideslopeDeviation / 120.0 * 3.0;
  return std::tan(gamma * kDegToRad) * groundSpeedKt * kFpmPerKnotOfGroundSpeed;
}

double altitudeCaptureBandFt(double verticalSpeedFpm) { return std::fabs(verticalSpeedFpm * 0.2); }

}  // namespace xaq::guidance
