#include "fms/guidance/lateral_guidance.h"

#include <cmath>

#include "fms/guidance/steering.h"

namespace xaq::fms {
namespace {

constexpr double kMinSpeedForTimesKt = 80.0;
constexpr double kAssumedSpeedKt = 220.0;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kDistanceToleranceNm = 1.0;    // FD, CD, VD legs end this close to their distance
constexpr double kInterceptMinOffsetNm = 0.05;  // CI, VI legs end off the next leg by more than this
// Points closer than this do not define a leg's line; its course is used instead.
constexpr double kMinLegLengthNm = 0.05;
constexpr double kCourseLineLengthNm = 100.0;

bool endsAtFix(LegType t) {
  switch (t) {
    case LegType::FA: case LegType::FC: case LegType::FD: case LegType::CA: case LegType::VA:
    case LegType::CD: case LegType::VD: case LegType::CR: case LegType::Other: case LegType::CI:
    case LegType::VI: case LegType::VM: case LegType::FM:
      return false;
    default:
      return true;
  }
}

bool showsOnMap(const PlanLeg& leg) {
  if (isEnRoute(leg.legKind)) return true;
  if (leg.legKind != LegKind::Departure && leg.legKind != LegKind::Arrival) return false;
  const LegType t = leg.toPoint.procedure.legType;
  return t == LegType::IF || t == LegType::TF || t == LegType::CF || t == LegType::DF;
}

bool isProcedureLeg(LegKind k) { return k == LegKind::Departure || k == LegKind::Arrival; }

// Desired track and cross-track of a leg at the aircraft.
struct LegLine {
  double desiredTrackDeg = 0.0;
  double crossTrackNm = 0.0;
};

// The leg's great circle from its from-point to its to-point. A procedure leg without two
// distinct positions is the line through its fix along the leg's course; with no fix at all the
// leg's course is flown with no cross-track.
LegLine legLine(const PlanLeg& leg, const LatLon& present, double magVarDeg, bool useCourse) {
  const NavPoint& from = leg.fromPoint;
  const NavPoint& to = leg.toPoint;
  if (from.hasPosition() && to.hasPosition() && distanceNm(from.position(), to.position()) >= kMinLegLengthNm) {
    return {normaliseDeg(courseAbeamDeg(from.position(), to.position(), present) - magVarDeg),
            crossTrackNm(from.position(), to.position(), present)};
  }
  if (!useCourse) return {normaliseDeg(initialCourseDeg(present, to.position()) - magVarDeg), 0.0};
  const NavPoint* fix = to.hasPosition() ? &to : (from.hasPosition() ? &from : nullptr);
  const double courseDeg = normaliseDeg(to.procedure.courseDeg);
  if (fix == nullptr) return {courseDeg, 0.0};
  const LatLon a = fix->position();
  const LatLon b = destinationPoint(a, courseDeg + magVarDeg, kCourseLineLengthNm);
  const LatLon behind = destinationPoint(a, courseDeg + magVarDeg + 180.0, kCourseLineLengthNm);
  return {normaliseDeg(courseAbeamDeg(behind, b, present) - magVarDeg), crossTrackNm(behind, b, present)};
}

double nextCourseDeg(const FlightPlan& plan, int active, double desiredTrackDeg) {
  return active + 1 < plan.count() ? plan.leg(active + 1).course : desiredTrackDeg;
}

// A radial of the reference navaid is crossed once the aircraft, moving along courseDeg, is on
// the far side of it.
bool radialCrossed(const LatLon& present, const ProcedureFields& p, double magVarDeg) {
  if (!isValidPosition(p.referenceLat, p.referenceLon)) return false;
  const LatLon ref{p.referenceLat, p.referenceLon};
  const double radial = normaliseDeg(initialCourseDeg(ref, present) - magVarDeg);
  const double beyond = signedDifferenceDeg(radial - p.radialDeg);
  if (std::fabs(beyond) >= 90.0) return false;
  const bool clockwise = std::sin((p.courseDeg - radial) * kRadPerDeg) > 0.0;
  return clockwise ? beyond >= 0.0 : beyond <= 0.0;
}

}  // namespace

ClockTime splitClockTime(double seconds) {
  if (!(seconds > 0.0)) return {};
  const long long whole = static_cast<long long>(seconds < 1e12 ? seconds : 1e12);
  return {static_cast<int>(whole / 3600), static_cast<int>(whole / 60 % 60), static_cast<int>(whole % 60)};
}

void LateralGuidance::setInvalid(const GuidanceInput& in) {
  out_.guidanceValid = false;
  out_.distanceToWaypoint = -1.0;
  out_.steeringCourse = out_.desiredTrack = out_.bearingToWaypoint = in.headingDeg;
  out_.crossTrack = 0.0;
}

void LateralGuidance::updateDestination(const GuidanceInput& in, const FlightPlan& plan) {
  const int active = plan.activeIndex();
  if (plan.count() < 2 || active < 0 || active >= plan.count()) {
    out_.distanceToDestination = out_.stillAirDistance = 0.0;
    out_.timeToDestinationSec = out_.arrivalTimeSec = 0.0;
    return;
  }
  // The distance to the waypoint is last frame's; -1 (no guidance then) counts as none.
  const double toWaypoint = out_.distanceToWaypoint > 0.0 ? out_.distanceToWaypoint : 0.0;
  const double d = plan.leg(active).remaining + toWaypoint;
  const double v = in.trueAirspeedKt < kMinSpeedForTimesKt ? kAssumedSpeedKt : in.trueAirspeedKt;
  out_.distanceToDestination = d;
  out_.stillAirDistance = d + d * in.headwindKt / v;
  out_.timeToDestinationSec = out_.stillAirDistance / v * 3600.0;
  const double eta = std::fmod(in.timeOfDaySec + out_.timeToDestinationSec, kSecondsPerDay);
  out_.arrivalTimeSec = eta < 0.0 ? eta + kSecondsPerDay : eta;
}

bool LateralGuidance::flyNormalLeg(const GuidanceInput& in, const FlightPlan& plan, int active) {
  const PlanLeg& leg = plan.leg(active);
  out_.distanceToWaypoint = distanceNm(in.present, leg.toPoint.position());
  out_.bearingToWaypoint = normaliseDeg(initialCourseDeg(in.present, leg.toPoint.position()) - in.magVarDeg);
  const LegLine line = legLine(leg, in.present, in.magVarDeg, false);
  out_.desiredTrack = line.desiredTrackDeg;
  out_.crossTrack = line.crossTrackNm;
  out_.steeringCourse = steeringCourseDeg({in.trackDeg, out_.bearingToWaypoint, out_.desiredTrack,
                                           out_.crossTrack, out_.distanceToWaypoint, out_.turnRadius});
  return waypointPassed({out_.desiredTrack, nextCourseDeg(plan, active, out_.desiredTrack), out_.distanceToWaypoint,
                         out_.bearingToWaypoint, out_.crossTrack, leg.toPoint.overfly, out_.turnRadius});
}

bool LateralGuidance::flyDirectLeg(const GuidanceInput& in, const FlightPlan& plan, int active) {
  const PlanLeg& leg = plan.leg(active);
  out_.distanceToWaypoint = distanceNm(in.present, leg.toPoint.position());
  out_.bearingToWaypoint = normaliseDeg(initialCourseDeg(in.present, leg.toPoint.position()) - in.magVarDeg);
  out_.desiredTrack = out_.steeringCourse = out_.bearingToWaypoint;
  out_.crossTrack = 0.0;
  return waypointPassed({out_.desiredTrack, nextCourseDeg(plan, active, out_.desiredTrack), out_.distanceToWaypoint,
                         out_.bearingToWaypoint, 0.0, leg.toPoint.overfly, out_.turnRadius});
}

bool LateralGuidance::flyProcedureLeg(const GuidanceInput& in, const FlightPlan& plan, int active) {
  const PlanLeg& leg = plan.leg(active);
  const ProcedureFields& proc = leg.toPoint.procedure;
  const LegType t = proc.legType;
  if (endsAtFix(t) && leg.toPoint.hasPosition()) {
    out_.distanceToWaypoint = distanceNm(in.present, leg.toPoint.position());
    out_.bearingToWaypoint = normaliseDeg(initialCourseDeg(in.present, leg.toPoint.position()) - in.magVarDeg);
  } else {
    out_.distanceToWaypoint = 0.0;
    out_.bearingToWaypoint = normaliseDeg(proc.courseDeg);
  }
  // Legs that fly to their fix have no course of their own to follow.
  const LegLine line = legLine(leg, in.present, in.magVarDeg, t != LegType::IF && t != LegType::DF);
  out_.desiredTrack = line.desiredTrackDeg;
  out_.crossTrack = line.crossTrackNm;

  switch (t) {
    case LegType::TF: case LegType::CF: case LegType::FA: case LegType::FC: case LegType::FD: case LegType::FM:
      out_.steeringCourse = steeringCourseDeg({in.trackDeg, out_.bearingToWaypoint, out_.desiredTrack,
                                               out_.crossTrack, out_.distanceToWaypoint, out_.turnRadius});
      break;
    case LegType::IF: case LegType::DF:
      out_.steeringCourse = out_.bearingToWaypoint;
      break;
    case LegType::CA: case LegType::VA: case LegType::CD: case LegType::VD: case LegType::CR: case LegType::Other:
    case LegType::CI: case LegType::VI: case LegType::VM:
      out_.steeringCourse = normaliseDeg(proc.courseDeg);
      break;
    default:  // holds, arcs, procedure turns: the steering course stays as it was
      break;
  }

  switch (t) {
    case LegType::TF: case LegType::CF: case LegType::IF: case LegType::DF:
      return waypointPassed({out_.desiredTrack, nextCourseDeg(plan, active, out_.desiredTrack),
                             out_.distanceToWaypoint, out_.bearingToWaypoint, out_.crossTrack,
                             leg.toPoint.overfly, out_.turnRadius});
    case LegType::CA: case LegType::FA: case LegType::VA:
      return in.altitudeFt >= proc.altitude1Ft;
    case LegType::FC: {
      const NavPoint& fix = leg.toPoint.hasPosition() ? leg.toPoint : leg.fromPoint;
      return fix.hasPosition() && distanceNm(in.present, fix.position()) >= proc.distanceNm;
    }
    case LegType::FD: case LegType::CD: case LegType::VD:
      return isValidPosition(proc.referenceLat, proc.referenceLon) &&
             std::fabs(distanceNm(in.present, {proc.referenceLat, proc.referenceLon}) - proc.distanceNm) <=
                 kDistanceToleranceNm;
    case LegType::CR: case LegType::Other:
      return radialCrossed(in.present, proc, in.magVarDeg);
    case LegType::CI: case LegType::VI: {
      if (active + 1 >= plan.count()) return false;
      const PlanLeg& next = plan.leg(active + 1);
      const LegType nextType = next.toPoint.procedure.legType;
      const bool nextHasCourse = isProcedureLeg(next.legKind) && nextType != LegType::IF && nextType != LegType::DF;
      const double x = legLine(next, in.present, in.magVarDeg, nextHasCourse).crossTrackNm;
      const double intercept = std::fabs(signedDifferenceDeg(next.course - in.trackDeg));
      return std::fabs(x) > kInterceptMinOffsetNm && std::fabs(x) < captureZoneNm(intercept, out_.turnRadius);
    }
    default:  // FM, VM, holds, arcs and procedure turns are left by the pilot
      return false;
  }
}

void LateralGuidance::updateMapSlots(const GuidanceInput& in, const FlightPlan& plan) {
  std::size_t slot = 0;
  for (int i = plan.activeIndex() < 0 ? 0 : plan.activeIndex(); i < plan.count() && slot < out_.mapSlots.size(); ++i) {
    const PlanLeg& leg = plan.leg(i);
    if (!showsOnMap(leg)) continue;
    out_.mapSlots[slot++] = {i, normaliseDeg(initialCourseDeg(in.present, leg.toPoint.position()) - in.magVarDeg),
                             distanceNm(in.present, leg.toPoint.position())};
  }
  for (; slot < out_.mapSlots.size(); ++slot) out_.mapSlots[slot] = MapSlot{};
}

void LateralGuidance::update(const GuidanceInput& in, FlightPlan& plan) {
  out_.present = in.present;
  out_.turnRadius = turnRadiusNm(in.trueAirspeedKt);
  updateDestination(in, plan);

  const int active = plan.activeIndex();
  if (plan.count() < 2 || active < 0 || active >= plan.count()) {
    setInvalid(in);
  } else {
    out_.guidanceValid = true;
    const LegKind kind = plan.leg(active).legKind;
    bool passed;
    if (kind == LegKind::DirectTo) {
      passed = flyDirectLeg(in, plan, active);
    } else if (isProcedureLeg(kind)) {
      passed = flyProcedureLeg(in, plan, active);
    } else {
      passed = flyNormalLeg(in, plan, active);
    }
    if (passed) plan.advance();
  }
  updateMapSlots(in, plan);
}

}  // namespace xaq::fms
