#include "fms/guidance/steering.h"

#include <cmath>

#include "fms/base/spherical.h"

namespace xaq::fms {
namespace {

constexpr double kGravityMps2 = 9.81;
constexpr double kMpsPerKt = 0.5144444;
constexpr double kNmPerMetre = 0.00064794816;
// Beyond this distance a waypoint far off the leg's line is flown to directly.
constexpr double kDirectDistanceNm = 1.0;
constexpr double kDirectOffsetDeg = 27.0;
constexpr double kCaptureMarginNm = 0.2;
constexpr double kCaptureGainDegPerNm = 45.0;
constexpr double kCaptureLimitDeg = 5.0;
constexpr double kInterceptDeg = 45.0;
constexpr double kMaxTurnDeg = 120.0;
constexpr double kAnticipationMarginNm = 0.1;

}  // namespace

double plannedBankDeg(double trueAirspeedKt) {
  const double v = trueAirspeedKt > 0.0 ? trueAirspeedKt : 0.0;
  if (v < 150.0) return 15.0 + v / 15.0;
  if (v < 300.0) return 25.0;
  if (v < 450.0) return 25.0 - (v - 300.0) * 0.07333333333333333;
  return 19.0;
}

double turnRadiusNm(double trueAirspeedKt) {
  const double v = trueAirspeedKt > 0.0 ? trueAirspeedKt : 0.0;
  const double speedMps = v * kMpsPerKt;
  return speedMps * speedMps / (std::tan(plannedBankDeg(v) * kRadPerDeg) * kGravityMps2) * kNmPerMetre;
}

double captureZoneNm(double interceptDeg, double radiusNm) {
  const double a = interceptDeg * kRadPerDeg;
  return std::sin(a) * std::tan(a / 2.0) * radiusNm + kCaptureMarginNm;
}

double steeringCourseDeg(const SteeringInput& in) {
  const double offset = signedDifferenceDeg(in.bearingDeg - in.desiredTrackDeg);
  if (in.distanceNm > kDirectDistanceNm && std::fabs(offset) > kDirectOffsetDeg) return normaliseDeg(in.bearingDeg);
  const double intercept = std::fabs(signedDifferenceDeg(in.desiredTrackDeg - in.trackDeg));
  if (std::fabs(in.crossTrackNm) <= captureZoneNm(intercept, in.turnRadiusNm)) {
    double correction = kCaptureGainDegPerNm * in.crossTrackNm;
    correction = correction > kCaptureLimitDeg ? kCaptureLimitDeg : (correction < -kCaptureLimitDeg ? -kCaptureLimitDeg : correction);
    return normaliseDeg(in.desiredTrackDeg + correction);
  }
  return normaliseDeg(in.desiredTrackDeg + (in.crossTrackNm > 0.0 ? kInterceptDeg : -kInterceptDeg));
}

bool waypointPassed(const SequencingInput& in) {
  double along = in.distanceNm * std::cos((in.bearingDeg - in.desiredTrackDeg) * kRadPerDeg);
  double turn = signedDifferenceDeg(in.nextCourseDeg - in.desiredTrackDeg);
  turn = turn > kMaxTurnDeg ? kMaxTurnDeg : (turn < -kMaxTurnDeg ? -kMaxTurnDeg : turn);
  along += std::tan(turn * kHalfRadPerDeg) * in.crossTrackNm;
  const double threshold =
      in.overfly ? 0.0 : std::tan(std::fabs(turn) * kHalfRadPerDeg) * in.turnRadiusNm + kAnticipationMarginNm;
  return along <= threshold;
}

}  // namespace xaq::fms
