#pragma once
// The glareshield panel in front of the captain (`LeftGlareshield`): the cockpit clock with its
// three digit windows and four two-way selectors, and the course and heading knobs at the right
// end. The virtual-cockpit clock (`Clock_V`) carries only the digits over its plate.

#include <cstdint>

#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::glareshield {

using layout::NeedleLayout;
using layout::Point;
using layout::Rect;
using layout::Size;

inline constexpr Size kLeftGlareshieldSize{1200, 260};
inline constexpr Size kClockDigitBox{46, 38};
inline constexpr Point kClockDigits[3] = {{812, 150}, {870, 150}, {841, 218}};  // hours, minutes, seconds
inline constexpr Size kClockVSize{160, 160};
inline constexpr Point kClockVDigits[3] = {{27, 35}, {85, 35}, {56, 103}};

// Each selector: its image (three positions, unlit then lit) and its down and up areas.
struct ClockSelector {
  std::uint32_t imageId;  // frames 0 ... 2 unlit, 3 ... 5 lit
  Rect image;
  Rect down;
  Rect up;
  bool horizontal;        // a lever moving left and right (else up and down)
  const char* legends[3];
};
inline constexpr ClockSelector kModeSelector{19300, {644, 162, 33, 70}, {644, 162, 33, 34}, {644, 195, 32, 37}, false,
                                             {"TIME", "F.T.", "E.T."}};
inline constexpr ClockSelector kChronometerSelector{19306, {741, 165, 34, 64}, {741, 165, 31, 28}, {741, 193, 34, 36},
                                                    false, {"ZERO", "STOP", "RUN"}};
inline constexpr ClockSelector kSimRateSelector{19312, {649, 81, 56, 32}, {649, 82, 36, 31}, {686, 81, 19, 32}, true,
                                                {"2x", "NORM", "4x"}};
inline constexpr ClockSelector kBrightnessSelector{19318, {706, 80, 55, 35}, {706, 81, 20, 32}, {727, 80, 34, 35},
                                                   true, {"B", "DIM", "1hr"}};

// The knobs: a pointer showing the selected course and heading bug, the left half turns down.
inline constexpr Rect kCourseKnobDown{1106, 70, 36, 74}, kCourseKnobUp{1143, 69, 36, 78};
inline constexpr Rect kHeadingKnobDown{1106, 180, 36, 74}, kHeadingKnobUp{1143, 180, 36, 78};
inline constexpr NeedleLayout kCourseKnobNeedle{8232, {1142, 107}, {8, 60}, {4, 30}};
inline constexpr NeedleLayout kHeadingKnobNeedle{8233, {1142, 217}, {8, 60}, {4, 30}};
inline constexpr std::uint32_t kCourseVariable = 45, kHeadingBugVariable = 107;

inline constexpr std::uint32_t kLeftGlareshieldBackgroundId = 19324;  // +1 lit
inline constexpr std::uint32_t kClockVBackgroundId = 19326;

}  // namespace xaq::gauges::glareshield
