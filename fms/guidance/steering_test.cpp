#include <gtest/gtest.h>

#include "fms/guidance/steering.h"

namespace xaq::fms {
namespace {

TEST(TurnRadius, BankFollowsTheSpeedSchedule) {
  EXPECT_NEAR(plannedBankDeg(120.0), 23.0, 1e-12);
  EXPECT_NEAR(turnRadiusNm(120.0), 0.593, 0.0005);
  EXPECT_NEAR(plannedBankDeg(250.0), 25.0, 1e-12);
  EXPECT_NEAR(turnRadiusNm(250.0), 2.34, 0.005);
  EXPECT_NEAR(plannedBankDeg(149.99), 24.999, 0.001);
  EXPECT_DOUBLE_EQ(plannedBankDeg(150.0), 25.0);
  EXPECT_DOUBLE_EQ(plannedBankDeg(300.0), 25.0);
  EXPECT_NEAR(plannedBankDeg(375.0), 19.5, 1e-9);
  EXPECT_DOUBLE_EQ(plannedBankDeg(450.0), 19.0);
  EXPECT_DOUBLE_EQ(turnRadiusNm(0.0), 0.0);
  EXPECT_DOUBLE_EQ(turnRadiusNm(-40.0), 0.0);  // a sensor glitch gives no negative bank
}

SteeringInput onLeg(double desired, double bearing, double crossTrack, double distance) {
  SteeringInput in;
  in.trackDeg = desired;
  in.desiredTrackDeg = desired;
  in.bearingDeg = bearing;
  in.crossTrackNm = crossTrack;
  in.distanceNm = distance;
  in.turnRadiusNm = 2.0;
  return in;
}

TEST(SteeringLaw, FarOffTheLineMoreThanOneMileOutFliesToTheWaypoint) {
  EXPECT_DOUBLE_EQ(steeringCourseDeg(onLeg(90.0, 130.0, 3.0, 5.0)), 130.0);
  EXPECT_DOUBLE_EQ(steeringCourseDeg(onLeg(90.0, 62.0, -3.0, 1.01)), 62.0);
  // Within a mile, or within 27 degrees, the desired track is captured instead.
  EXPECT_DOUBLE_EQ(steeringCourseDeg(onLeg(90.0, 130.0, 3.0, 1.0)), 135.0);
  EXPECT_DOUBLE_EQ(steeringCourseDeg(onLeg(90.0, 117.0, 3.0, 5.0)), 135.0);
  EXPECT_DOUBLE_EQ(steeringCourseDeg(onLeg(350.0, 18.0, 3.0, 5.0)), 18.0);  // across north
}

TEST(SteeringLaw, InsideTheCaptureZoneTheCorrectionIs45DegreesPerMileUpToFive) {
  EXPECT_NEAR(steeringCourseDeg(onLeg(90.0, 90.0, 0.05, 10.0)), 92.25, 1e-9);
  EXPECT_NEAR(steeringCourseDeg(onLeg(90.0, 90.0, -0.05, 10.0)), 87.75, 1e-9);
  EXPECT_NEAR(steeringCourseDeg(onLeg(90.0, 90.0, 0.15, 10.0)), 95.0, 1e-9);
  EXPECT_NEAR(steeringCourseDeg(onLeg(359.0, 359.0, 0.05, 10.0)), 1.25, 1e-9);
  // Outside the zone (0.2 NM when flying the desired track): a 45 degree intercept.
  EXPECT_DOUBLE_EQ(steeringCourseDeg(onLeg(90.0, 90.0, 0.21, 10.0)), 135.0);
  EXPECT_DOUBLE_EQ(steeringCourseDeg(onLeg(90.0, 90.0, -0.21, 10.0)), 45.0);
  // Converging at 45 degrees widens the zone by sin 45 tan 22.5 times the radius.
  SteeringInput converging = onLeg(90.0, 90.0, 0.7, 10.0);
  converging.trackDeg = 135.0;
  EXPECT_NEAR(captureZoneNm(45.0, 2.0), 0.7858, 0.0001);
  EXPECT_NEAR(steeringCourseDeg(converging), 95.0, 1e-9);
}

SequencingInput approaching(double along, double turnDeg, bool overfly) {
  SequencingInput in;
  in.desiredTrackDeg = 90.0;
  in.nextCourseDeg = 90.0 + turnDeg;
  in.distanceNm = along;
  in.bearingDeg = 90.0;
  in.overfly = overfly;
  in.turnRadiusNm = 1.0;
  return in;
}

TEST(Sequencing, StraightOnPassesWithinATenthOfAMile) {
  EXPECT_TRUE(waypointPassed(approaching(0.1, 0.0, false)));
  EXPECT_FALSE(waypointPassed(approaching(0.11, 0.0, false)));
  EXPECT_TRUE(waypointPassed(approaching(0.0, 0.0, true)));
  EXPECT_FALSE(waypointPassed(approaching(0.01, 0.0, true)));
}

TEST(Sequencing, TurnsAreAnticipatedUnlessTheWaypointIsOverflown) {
  EXPECT_TRUE(waypointPassed(approaching(1.1, 90.0, false)));  // tan 45 x 1 NM + 0.1
  EXPECT_FALSE(waypointPassed(approaching(1.12, 90.0, false)));
  EXPECT_FALSE(waypointPassed(approaching(0.01, 90.0, true)));
  EXPECT_TRUE(waypointPassed(approaching(0.0, 90.0, true)));
  EXPECT_TRUE(waypointPassed(approaching(-0.5, 90.0, true)));  // already abeam and beyond
  // A reversal counts as 120 degrees.
  EXPECT_TRUE(waypointPassed(approaching(1.83, 179.0, false)));
  EXPECT_FALSE(waypointPassed(approaching(1.85, 179.0, false)));
}

TEST(Sequencing, CrossTrackMovesTheLineToTheTurnsBisector) {
  // Left of the leg (positive) before a right turn: the bisector is met later.
  SequencingInput outside = approaching(1.1, 90.0, false);
  outside.crossTrackNm = 0.3;
  EXPECT_FALSE(waypointPassed(outside));
  outside.distanceNm = 0.79;
  EXPECT_TRUE(waypointPassed(outside));
  SequencingInput inside = approaching(1.3, 90.0, false);
  inside.crossTrackNm = -0.3;
  EXPECT_TRUE(waypointPassed(inside));
}

}  // namespace
}  // namespace xaq::fms
