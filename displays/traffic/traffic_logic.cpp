#include "displays/traffic/traffic_logic.h"

#include <cmath>
#include <numbers>

#include "displays/glass/flat_earth.h"

namespace xaq::displays {

namespace {

// Nearer than this the two are in the same place: the bearing means nothing, the tau is 0.
constexpr double kCoincidentNm = 1e-6;

struct Velocity {
  double eastKt = 0.0;
  double northKt = 0.0;
};

Velocity velocityAlong(double headingDeg, double speedKt) {
  const double a = headingDeg * std::numbers::pi / 180.0;
  return {std::sin(a) * speedKt, std::cos(a) * speedKt};
}

bool usable(const TrafficRecord& t) {
  return t.id != 0 && std::isfinite(t.latDeg) && std::isfinite(t.lonDeg) && std::isfinite(t.altitudeFt) &&
         std::fabs(t.latDeg) <= 90.0f;
}

}  // namespace

double timeToClosestApproachS(double rangeNm, double closureKt) {
  if (rangeNm < kCoincidentNm) return 0.0;
  if (closureKt <= 0.0) return -1.0;
  return rangeNm / closureKt * 3600.0;
}

TrafficAssessment assessTarget(const TrafficRecord& target, const OwnAircraft& own) {
  TrafficAssessment a;
  if (!usable(target)) return a;
  // North-up, one unit per mile: east and north of the own aircraft.
  const PlanOffset at = flatEarthProjection({target.latDeg, target.lonDeg}, {own.latDeg, own.lonDeg}, 0.0, 1.0);
  a.rangeNm = std::hypot(at.x, at.y);
  a.relativeAltitudeFt = static_cast<double>(target.altitudeFt) - own.altitudeFt;
  const double apartFt = std::fabs(a.relativeAltitudeFt);
  if (a.rangeNm > kConsideredRangeNm || apartFt > kConsideredAltitudeFt) return a;
  a.inUse = true;

  const Velocity mine = velocityAlong(own.trueHeadingDeg, own.groundSpeedKt);
  const Velocity theirs = velocityAlong(target.headingDeg, target.groundSpeedKt);
  if (a.rangeNm >= kCoincidentNm)
    a.closureKt = -(at.x * (theirs.eastKt - mine.eastKt) + at.y * (theirs.northKt - mine.northKt)) / a.rangeNm;
  const double tauS = timeToClosestApproachS(a.rangeNm, a.closureKt);
  const bool closing = tauS >= 0.0;

  if (closing && tauS < kResolutionTauS && apartFt < kResolutionAltitudeFt)
    a.threatLevel = kResolutionAdvisory;
  else if (closing && tauS < kAdvisoryTauS && apartFt < kAdvisoryAltitudeFt)
    a.threatLevel = kTrafficAdvisory;
  else if (a.rangeNm < kProximateRangeNm && apartFt < kProximateAltitudeFt)
    a.threatLevel = kProximate;
  return a;
}

}  // namespace xaq::displays
