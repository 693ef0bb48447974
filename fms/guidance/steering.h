#pragma once
// The guidance laws: turn radius, steering toward the active leg, and the test that passes a
// waypoint. Pure functions of their inputs, in degrees and nautical miles.

namespace xaq::fms {

// Bank angle planned for turns at a true airspeed, degrees.
double plannedBankDeg(double trueAirspeedKt);
// Turn radius at that speed and bank, NM.
double turnRadiusNm(double trueAirspeedKt);

struct SteeringInput {
  double trackDeg = 0.0;          // present direction of motion, magnetic
  double bearingDeg = 0.0;        // to the waypoint, magnetic
  double desiredTrackDeg = 0.0;   // of the leg at the aircraft, magnetic
  double crossTrackNm = 0.0;      // positive: turn right to regain the leg
  double distanceNm = 0.0;        // to the waypoint
  double turnRadiusNm = 0.0;
};
// Course to fly, magnetic, 0..360: straight to the waypoint when far off the leg's line,
// otherwise the desired track with a capture correction.
double steeringCourseDeg(const SteeringInput& in);

struct SequencingInput {
  double desiredTrackDeg = 0.0;
  double nextCourseDeg = 0.0;     // course of the leg after the waypoint
  double distanceNm = 0.0;
  double bearingDeg = 0.0;
  double crossTrackNm = 0.0;
  bool overfly = false;
  double turnRadiusNm = 0.0;
};
// True once the waypoint is passed: the along-track distance still to fly, measured to the
// bisector of the turn, is within the turn anticipation (zero for an overfly waypoint).
bool waypointPassed(const SequencingInput& in);

// Half-width of the capture zone for an intercept at interceptDeg, NM.
double captureZoneNm(double interceptDeg, double turnRadiusNm);

}  // namespace xaq::fms
