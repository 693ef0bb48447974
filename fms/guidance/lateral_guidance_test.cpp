#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fms/guidance/lateral_guidance.h"
#include "fms/guidance/steering.h"

namespace xaq::fms {
namespace {

NavPoint fix(std::string_view ident, double lat, double lon) {
  NavPoint p;
  p.ident.assign(ident);
  p.latitude = lat;
  p.longitude = lon;
  p.facilityType = static_cast<std::int32_t>(FacilityType::Intersection);
  return p;
}

NavPoint procedurePoint(std::string_view ident, LegType type, double courseDeg) {
  NavPoint p;
  p.ident.assign(ident);
  p.procedure.legType = type;
  p.procedure.courseDeg = courseDeg;
  return p;
}

GuidanceInput aircraftAt(double lat, double lon, double trackDeg, double tasKt = 200.0) {
  GuidanceInput in;
  in.present = {lat, lon};
  in.headingDeg = trackDeg;
  in.trackDeg = trackDeg;
  in.trueAirspeedKt = tasKt;
  return in;
}

// A plan along the equator: A at 0 E, B at 1 E, C at 1 E 1 N (a left turn of 90 degrees at B).
FlightPlan equatorPlan() {
  FlightPlan plan;
  plan.insert(0, fix("A", 0.0, 0.0));
  plan.insert(1, fix("B", 0.0, 1.0));
  plan.insert(2, fix("C", 1.0, 1.0));
  return plan;
}

TEST(LateralGuidance, WithoutAnActiveLegTheOutputsFollowTheHeading) {
  FlightPlan plan;
  plan.insert(0, fix("A", 0, 0));
  LateralGuidance g;
  g.update(aircraftAt(0, 0, 123.0), plan);
  EXPECT_FALSE(g.output().guidanceValid);
  EXPECT_DOUBLE_EQ(g.output().distanceToWaypoint, -1.0);
  EXPECT_DOUBLE_EQ(g.output().steeringCourse, 123.0);
  EXPECT_DOUBLE_EQ(g.output().desiredTrack, 123.0);
  EXPECT_DOUBLE_EQ(g.output().bearingToWaypoint, 123.0);
  EXPECT_DOUBLE_EQ(g.output().crossTrack, 0.0);
  EXPECT_DOUBLE_EQ(g.output().distanceToDestination, 0.0);
  EXPECT_EQ(g.output().mapSlots[0].legIndex, 0);
  EXPECT_EQ(g.output().mapSlots[1].legIndex, -1);

  FlightPlan flown = equatorPlan();
  flown.setActiveIndex(3);  // beyond the last leg
  g.update(aircraftAt(1, 1, 10.0), flown);
  EXPECT_FALSE(g.output().guidanceValid);
  EXPECT_DOUBLE_EQ(g.output().distanceToDestination, 0.0);
}

TEST(LateralGuidance, CrossTrackIsPositiveWhenTheLegLiesToTheRight) {
  FlightPlan plan = equatorPlan();
  LateralGuidance g;
  GuidanceInput in = aircraftAt(0.01, 0.5, 90.0);  // 0.6 NM north of an eastbound leg
  in.magVarDeg = 15.0;
  g.update(in, plan);
  const GuidanceOutput& out = g.output();
  EXPECT_TRUE(out.guidanceValid);
  EXPECT_NEAR(out.crossTrack, 0.6, 0.01);
  EXPECT_NEAR(out.desiredTrack, 75.0, 0.01);  // 090 true less 15 east
  EXPECT_GT(signedDifferenceDeg(out.steeringCourse - out.desiredTrack), 0.0);
  EXPECT_NEAR(out.distanceToWaypoint, 30.0, 0.1);
  EXPECT_NEAR(out.bearingToWaypoint, 90.0 - 15.0 + 1.15, 0.1);

  g.update(aircraftAt(-0.01, 0.5, 90.0), plan);
  EXPECT_NEAR(g.output().crossTrack, -0.6, 0.01);
  EXPECT_LT(signedDifferenceDeg(g.output().steeringCourse - g.output().desiredTrack), 0.0);
}

TEST(LateralGuidance, DestinationDistanceAndTimesUseLastFramesDistance) {
  FlightPlan plan = equatorPlan();
  LateralGuidance g;
  GuidanceInput in = aircraftAt(0.0, 0.5, 90.0, 60.0);  // slower than 80 kt: times at 220 kt
  in.headwindKt = 22.0;
  in.timeOfDaySec = 86000.0;
  g.update(in, plan);
  // First frame: no distance to the waypoint known yet.
  EXPECT_NEAR(g.output().distanceToDestination, plan.leg(1).remaining, 1e-9);
  g.update(in, plan);
  const double d = plan.leg(1).remaining + g.output().distanceToWaypoint;
  EXPECT_NEAR(g.output().distanceToDestination, d, 1e-9);
  EXPECT_NEAR(g.output().stillAirDistance, d * 1.1, 1e-9);
  EXPECT_NEAR(g.output().timeToDestinationSec, d * 1.1 / 220.0 * 3600.0, 1e-6);
  EXPECT_NEAR(g.output().arrivalTimeSec, std::fmod(86000.0 + d * 1.1 / 220.0 * 3600.0, 86400.0), 1e-6);
  EXPECT_LT(g.output().arrivalTimeSec, 86400.0);
  const ClockTime ete = splitClockTime(3725.9);
  EXPECT_EQ(ete.hours, 1);
  EXPECT_EQ(ete.minutes, 2);
  EXPECT_EQ(ete.seconds, 5);
}

TEST(LateralGuidance, AWaypointIsPassedAtTheTurnAnticipationAndThenTheNextLegFlies) {
  FlightPlan plan = equatorPlan();
  LateralGuidance g;
  const double anticipationNm = std::tan(45.0 * kRadPerDeg) * turnRadiusNm(200.0) + 0.1;
  const double degPerNm = 1.0 / 60.0;
  g.update(aircraftAt(0.0, 1.0 - (anticipationNm + 0.05) * degPerNm, 90.0), plan);
  EXPECT_EQ(plan.activeIndex(), 1);
  g.update(aircraftAt(0.0, 1.0 - (anticipationNm - 0.05) * degPerNm, 90.0), plan);
  EXPECT_EQ(plan.activeIndex(), 2);

  // The same waypoint marked overfly is passed only abeam.
  FlightPlan overfly = equatorPlan();
  ASSERT_TRUE(overfly.toggleOverfly(1));
  g.update(aircraftAt(0.0, 1.0 - 0.02 * degPerNm, 90.0), overfly);
  EXPECT_EQ(overfly.activeIndex(), 1);
  g.update(aircraftAt(0.0, 1.0 + 0.01 * degPerNm, 90.0), overfly);
  EXPECT_EQ(overfly.activeIndex(), 2);
}

TEST(LateralGuidance, DirectToPassesThePresentPositionAtOnceThenFliesStraightToTheTarget) {
  FlightPlan plan = equatorPlan();
  plan.insert(3, fix("D", 2.0, 1.0));
  LateralGuidance g;
  const GuidanceInput in = aircraftAt(0.5, 0.2, 0.0);
  ASSERT_TRUE(plan.directTo(2, in.present));  // to C
  g.update(in, plan);
  EXPECT_EQ(plan.activeIndex(), 3);
  g.update(in, plan);
  const GuidanceOutput& out = g.output();
  EXPECT_EQ(plan.leg(3).legKind, LegKind::DirectTo);
  EXPECT_DOUBLE_EQ(out.crossTrack, 0.0);
  EXPECT_DOUBLE_EQ(out.desiredTrack, out.bearingToWaypoint);
  EXPECT_DOUBLE_EQ(out.steeringCourse, out.bearingToWaypoint);
  EXPECT_NEAR(out.bearingToWaypoint, normaliseDeg(initialCourseDeg(in.present, {1.0, 1.0})), 1e-9);
}

TEST(LateralGuidance, MapSlotsHoldTheNextThreeWaypointsFromTheActiveOne) {
  FlightPlan plan = equatorPlan();
  plan.insert(3, fix("D", 2.0, 1.0));
  plan.insert(4, fix("E", 3.0, 1.0));
  LateralGuidance g;
  g.update(aircraftAt(0.0, 0.5, 90.0), plan);
  const auto& slots = g.output().mapSlots;
  EXPECT_EQ(slots[0].legIndex, 1);
  EXPECT_EQ(slots[1].legIndex, 2);
  EXPECT_EQ(slots[2].legIndex, 3);
  EXPECT_NEAR(slots[0].distanceNm, 30.0, 0.05);
  EXPECT_NEAR(slots[0].bearingDeg, 90.0, 0.01);
  plan.setActiveIndex(4);
  g.update(aircraftAt(0.0, 0.5, 90.0), plan);
  EXPECT_EQ(slots[0].legIndex, 4);
  EXPECT_EQ(slots[1].legIndex, -1);
  EXPECT_EQ(slots[2].legIndex, -1);
}

// A departure: an ordinary first waypoint followed by procedure legs.
class ProcedureLegs : public ::testing::Test {
 protected:
  FlightPlan plan;
  LateralGuidance g;
  void build(std::initializer_list<NavPoint> points) {
    int i = 0;
    for (const NavPoint& p : points) plan.insert(i++, p);
    for (int k = 1; k < plan.count(); ++k) plan.setLegKind(k, LegKind::Departure);
  }
};

TEST_F(ProcedureLegs, AltitudeTerminatedLegFliesItsCourseUntilTheAltitude) {
  NavPoint ca = procedurePoint("(3000FT)", LegType::CA, 163.0);
  ca.procedure.altitude1Ft = 3000;
  NavPoint next = procedurePoint("FERNY", LegType::DF, 0.0);
  next.latitude = 47.2;
  next.longitude = -122.6;
  build({fix("RW16L", 47.46, -122.31), ca, next});
  GuidanceInput in = aircraftAt(47.45, -122.31, 160.0);
  in.altitudeFt = 2900.0;
  g.update(in, plan);
  EXPECT_DOUBLE_EQ(g.output().steeringCourse, 163.0);
  EXPECT_DOUBLE_EQ(g.output().distanceToWaypoint, 0.0);
  EXPECT_EQ(plan.activeIndex(), 1);
  EXPECT_EQ(g.output().mapSlots[0].legIndex, 2);  // the CA leg ends nowhere: not on the map
  EXPECT_EQ(g.output().mapSlots[1].legIndex, -1);
  in.altitudeFt = 3000.0;
  g.update(in, plan);
  EXPECT_EQ(plan.activeIndex(), 2);
  g.update(in, plan);  // DF: straight to the fix
  EXPECT_DOUBLE_EQ(g.output().steeringCourse, g.output().bearingToWaypoint);
  const auto& slots = g.output().mapSlots;
  EXPECT_EQ(slots[0].legIndex, 2);
  EXPECT_EQ(slots[1].legIndex, -1);
}

TEST_F(ProcedureLegs, DistanceAndRadialTerminatedLegsEndAtTheirReference) {
  NavPoint fd = procedurePoint("(D-10.0)", LegType::VD, 90.0);
  fd.procedure.distanceNm = 10.0;
  fd.procedure.referenceLat = 0.0;
  fd.procedure.referenceLon = 0.0;
  NavPoint cr = procedurePoint("(R-045)", LegType::CR, 0.0);
  cr.procedure.radialDeg = 45.0;
  cr.procedure.referenceLat = 0.0;
  cr.procedure.referenceLon = 0.0;
  NavPoint hold = procedurePoint("HOLD", LegType::HM, 0.0);
  build({fix("START", 0.0, 0.0), fd, cr, hold});
  const double degPerNm = 1.0 / 60.0;
  g.update(aircraftAt(0.0, 8.9 * degPerNm, 90.0), plan);
  EXPECT_EQ(plan.activeIndex(), 1);
  g.update(aircraftAt(0.0, 9.1 * degPerNm, 90.0), plan);
  EXPECT_EQ(plan.activeIndex(), 2);
  // Flying north 10 NM east of the reference: radial 045 is crossed at 10 NM north.
  g.update(aircraftAt(9.0 * degPerNm, 10.0 * degPerNm, 0.0), plan);
  EXPECT_DOUBLE_EQ(g.output().steeringCourse, 0.0);
  EXPECT_EQ(plan.activeIndex(), 2);
  g.update(aircraftAt(10.2 * degPerNm, 10.0 * degPerNm, 0.0), plan);
  EXPECT_EQ(plan.activeIndex(), 3);
  // A hold is left by the pilot: the steering course stays as it was.
  const double before = g.output().steeringCourse;
  g.update(aircraftAt(1.0, 1.0, 270.0), plan);
  EXPECT_DOUBLE_EQ(g.output().steeringCourse, before);
  EXPECT_EQ(plan.activeIndex(), 3);
}

// Flies a simple point-mass aircraft on the steering course and checks that it goes round the
// whole plan and stays close to each leg once captured, with the variation applied both ways.
TEST(LateralGuidanceClosedLoop, TheAircraftFliesThePlanToTheEnd) {
  for (const double magVar : {0.0, 15.0, -20.0}) {
    FlightPlan plan;
    plan.insert(0, fix("A", 47.0, -122.0));
    plan.insert(1, fix("B", 47.0, -121.0));
    plan.insert(2, fix("C", 47.5, -121.0));
    plan.insert(3, fix("D", 47.6, -121.8));
    plan.insert(4, fix("E", 47.0, -121.9));
    LateralGuidance g;
    LatLon pos{46.95, -122.05};
    double trackTrue = 45.0;
    const double tasKt = 200.0, dtSec = 0.5, turnRateDegPerSec = 3.0;
    double worstCaptured = 0.0;
    int framesOnLeg = 0, lastActive = plan.activeIndex();
    for (int frame = 0; frame < 20000 && plan.activeIndex() < plan.count(); ++frame) {
      GuidanceInput in = aircraftAt(pos.latDeg, pos.lonDeg, normaliseDeg(trackTrue - magVar), tasKt);
      in.magVarDeg = magVar;
      g.update(in, plan);
      framesOnLeg = plan.activeIndex() == lastActive ? framesOnLeg + 1 : 0;
      lastActive = plan.activeIndex();
      if (framesOnLeg > 300 && g.output().guidanceValid && plan.leg(plan.activeIndex()).length > 20.0) {
        worstCaptured = std::max(worstCaptured, std::fabs(g.output().crossTrack));
      }
      const double wanted = normaliseDeg(g.output().steeringCourse + magVar);
      double turn = signedDifferenceDeg(wanted - trackTrue);
      const double maxTurn = turnRateDegPerSec * dtSec;
      turn = turn > maxTurn ? maxTurn : (turn < -maxTurn ? -maxTurn : turn);
      trackTrue = normaliseDeg(trackTrue + turn);
      pos = destinationPoint(pos, trackTrue, tasKt * dtSec / 3600.0);
    }
    EXPECT_EQ(plan.activeIndex(), plan.count()) << "variation " << magVar;
    EXPECT_LT(worstCaptured, 0.3) << "variation " << magVar;
  }
}

}  // namespace
}  // namespace xaq::fms
