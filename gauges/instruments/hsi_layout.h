#pragma once
// The horizontal situation indicator: a compass card turned by the heading, the course pointer
// with its deviation dots and bar, the TO/FROM arrow, the heading bug, the glideslope pointer and
// the NAV flag; the course and DME readouts in the upper corners and the DH knob above them. The
// virtual-cockpit twin `HSI_V` repeats it without the lit overlay and without the knob.

#include <cstdint>

#include "gauges/kit/layout.h"
#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::hsi {

using layout::Point;
using layout::Rect;
using layout::Size;

inline constexpr std::uint32_t kHeadingVariable = 84;

inline constexpr std::uint32_t kCardId = 8091;
inline constexpr std::uint32_t kCoursePointerId = 8092;
inline constexpr std::uint32_t kToFromArrowId = 8093;
inline constexpr std::uint32_t kDeviationBarId = 8094;  // sprite; its window is 8095
inline constexpr std::uint32_t kGlideslopePointerId = 8096;
inline constexpr std::uint32_t kNavFlagId = 8097;       // 0 out of view, 1 in view
inline constexpr std::uint32_t kHeadingBugId = 8099;

inline constexpr double kCardRadius = 86.0;
inline constexpr Size kCardSize{180, 180};
inline constexpr Size kPointerSize{84, 172};  // the course pointer, with the dots across it
inline constexpr Size kArrowSize{16, 100};
inline constexpr Size kBugSize{20, 184};
inline constexpr Size kDeviationWindow{96, 96};
inline constexpr Size kDeviationTexture{8, 64};
inline constexpr Size kGlideslopePointerSize{14, 12};
inline constexpr Size kNavFlagSize{30, 16};
// Full deflection (127) puts the bar and the glideslope pointer on the second dot.
inline constexpr double kDotSpacing = 18.0;
inline constexpr double kPixelsPerDeviation = 2.0 * kDotSpacing / 127.0;

struct Geometry {
  std::uint32_t backgroundId;
  std::uint32_t nightId;  // 0: no lit overlay
  Size size;
  Point pivot;
  Point deviationBar;   // the sprite's window, centred on the pivot
  Point glideslope;
  Point navFlag;
  Rect course, distance;  // the readouts
  Rect dhDown, dhUp, face;  // empty: no knob
};

inline constexpr Geometry kMain{19110, 19111, {268, 262}, {133, 149}, {85, 101}, {215, 145}, {41, 114},
                                {52, 51, 32, 23}, {161, 51, 53, 23},
                                {201, 0, 13, 19}, {216, 0, 24, 21}, {26, 38, 209, 197}};
inline constexpr Geometry kTwin{19112, 0, {232, 226}, {115, 115}, {67, 67}, {197, 111}, {23, 80},
                                {34, 17, 32, 23}, {143, 17, 53, 23},
                                {0, 0, 0, 0}, {0, 0, 0, 0}, {8, 4, 209, 197}};

}  // namespace xaq::gauges::hsi
