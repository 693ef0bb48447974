#include "displays/glareshield/course_heading_knobs.h"

#include <cmath>

namespace xaq::displays {

void turnCourseKnob(int direction, bool fast, HostEventDoor& events) {
  if (fast) {
    events.trigger(direction < 0 ? kCourseFastDecEvent : kCourseFastIncEvent, 1);
  } else {
    events.trigger(direction < 0 ? kCourseDecEvent : kCourseIncEvent, 1);
  }
}

void turnHeadingKnob(int direction, bool tenDegrees, double headingBugDeg, HostEventDoor& events) {
  if (!tenDegrees) {
    events.trigger(direction < 0 ? kHeadingBugDecEvent : kHeadingBugIncEvent, 1);
    return;
  }
  events.trigger(kHeadingBugSetEvent, headingBugAfter(headingBugDeg, direction < 0 ? -kHeadingBugStepDeg : kHeadingBugStepDeg));
}

std::uint32_t headingBugAfter(double headingBugDeg, double deltaDeg) {
  // A bug the host cannot mean is taken as north, so the event always carries a heading.
  const double from = std::isfinite(headingBugDeg) ? headingBugDeg : 0.0;
  double to = std::fmod(from + deltaDeg, 360.0);
  if (to < 0.0) to += 360.0;
  const long whole = std::lround(to);
  return static_cast<std::uint32_t>(whole % 360);
}

}  // namespace xaq::displays
