#pragma once
// Lateral guidance, run once per frame after the CDU: where the aircraft is relative to the
// active leg, the course the autopilot flies in FMS navigation mode, waypoint sequencing, the
// three EHSI map waypoints and the distance and times to the destination.

#include <array>

#include "fms/base/spherical.h"
#include "fms/flightplan/flight_plan.h"

namespace xaq::fms {

// What the guidance reads of the aircraft each frame.
struct GuidanceInput {
  LatLon present;
  double magVarDeg = 0.0;       // the simulator's variation at the aircraft, east positive
  double headingDeg = 0.0;      // magnetic
  double trackDeg = 0.0;        // present direction of motion, magnetic
  double trueAirspeedKt = 0.0;
  double headwindKt = 0.0;      // wind component along the track, positive on the nose
  double altitudeFt = 0.0;
  double timeOfDaySec = 0.0;
};

struct MapSlot {
  int legIndex = -1;  // -1: no waypoint in this slot
  double bearingDeg = 0.0;  // magnetic, from the aircraft
  double distanceNm = 0.0;
};

struct GuidanceOutput {
  LatLon present;
  bool guidanceValid = false;    // a leg is active: count >= 2 and activeIndex < count
  double steeringCourse = 0.0;   // degrees magnetic
  double desiredTrack = 0.0;     // degrees magnetic, the active leg's course at the aircraft
  double crossTrack = 0.0;       // NM, positive: turn right to regain the leg
  double distanceToWaypoint = -1.0;  // NM; -1 while guidance is invalid
  double bearingToWaypoint = 0.0;    // degrees magnetic
  double turnRadius = 0.0;           // NM
  double distanceToDestination = 0.0;  // NM
  double stillAirDistance = 0.0;       // NM (ESAD)
  double timeToDestinationSec = 0.0;   // ETE
  double arrivalTimeSec = 0.0;         // ETA, seconds of the day
  std::array<MapSlot, 3> mapSlots{};
};

class LateralGuidance {
 public:
  // Recomputes every output; advances the plan's active index when the waypoint is passed.
  void update(const GuidanceInput& in, FlightPlan& plan);
  const GuidanceOutput& output() const { return out_; }

 private:
  void setInvalid(const GuidanceInput& in);
  void updateDestination(const GuidanceInput& in, const FlightPlan& plan);
  bool flyNormalLeg(const GuidanceInput& in, const FlightPlan& plan, int active);
  bool flyDirectLeg(const GuidanceInput& in, const FlightPlan& plan, int active);
  bool flyProcedureLeg(const GuidanceInput& in, const FlightPlan& plan, int active);
  void updateMapSlots(const GuidanceInput& in, const FlightPlan& plan);

  GuidanceOutput out_;
};

// Seconds of a time split into hours, minutes and whole seconds, for the pages.
struct ClockTime {
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
};
ClockTime splitClockTime(double seconds);

}  // namespace xaq::fms
