#pragma once
// The glareshield's course and heading knobs: each turn is a host event. The course knob sets
// NAV 1's selected course one degree a click (the right button the host's fast step); the
// heading knob moves the heading bug a degree a click, or ten with the right button, which the
// bug takes as a new value.

#include <cstdint>

#include "common/effects.h"

namespace xaq::displays {

inline constexpr std::uint32_t kCourseDecEvent = 65662, kCourseIncEvent = 65663;
inline constexpr std::uint32_t kCourseFastDecEvent = 66367, kCourseFastIncEvent = 66368;
inline constexpr std::uint32_t kHeadingBugDecEvent = 65880, kHeadingBugIncEvent = 65879;
inline constexpr std::uint32_t kHeadingBugSetEvent = 66042;
inline constexpr double kHeadingBugStepDeg = 10.0;

// direction -1 the down half, +1 the up half.
void turnCourseKnob(int direction, bool fast, HostEventDoor& events);
void turnHeadingKnob(int direction, bool tenDegrees, double headingBugDeg, HostEventDoor& events);

// The bug `deltaDeg` on from `headingBugDeg`, in whole degrees 0 ... 359.
std::uint32_t headingBugAfter(double headingBugDeg, double deltaDeg);

}  // namespace xaq::displays
