#pragma once
// The radio magnetic indicator: a compass card turned by the heading, a single-bar needle on the
// left source (NAV1 or ADF1) and a double-bar needle on the right source (NAV2 or ADF2), the two
// source knobs below the card and an annunciator pair showing each source. The virtual-cockpit
// twins repeat it about their own pivot: `RMI_V` without the knobs, `RMI_G` with them.

#include <cstdint>

#include "gauges/kit/layout.h"
#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::rmi {

using layout::NeedleLayout;
using layout::Point;
using layout::Rect;
using layout::Size;

inline constexpr std::uint32_t kHeadingVariable = 84;

inline constexpr std::uint32_t kCardId = 8071;
inline constexpr std::uint32_t kLeftNeedleId = 8072;   // single bar
inline constexpr std::uint32_t kRightNeedleId = 8073;  // double bar
inline constexpr std::uint32_t kLeftKnobId = 8075;     // two images: source 1, source 2
inline constexpr std::uint32_t kRightKnobId = 8077;
// Annunciator pairs, two images each (source 1, source 2): lit with the panel lights on.
inline constexpr std::uint32_t kRightSourceLitId = 8087;
inline constexpr std::uint32_t kRightSourceUnlitId = 8083;
inline constexpr std::uint32_t kLeftSourceLitId = 8085;
inline constexpr std::uint32_t kLeftSourceUnlitId = 8081;

inline constexpr double kCardRadius = 84.0;
inline constexpr Size kNeedleSize{24, 176};
inline constexpr Point kNeedlePivot{12, 88};
inline constexpr Size kCardSize{176, 176};
inline constexpr Size kKnobSize{28, 28};
inline constexpr Size kAnnunciatorSize{40, 18};

// One RMI's geometry: the main panel's, or a twin's moved by `shift`.
struct Geometry {
  std::uint32_t backgroundId;
  std::uint32_t nightId;  // 0: no lit overlay
  Size size;
  Point pivot;
  Point leftKnob, rightKnob;            // the knob images
  Rect leftKnobArea, rightKnobArea;     // empty: no knob
  Point rightAnnunciator, leftAnnunciator;
};

inline constexpr Geometry kMain{19100, 19101, {330, 222},  {231, 107}, {151, 145}, {270, 145},
                                {129, 158, 51, 56}, {271, 158, 46, 56}, {210, 150}, {47, 157}};
inline constexpr Geometry kTwinV{19102, 0, {200, 200}, {100, 100}, {0, 0}, {0, 0},
                                 {0, 0, 0, 0}, {0, 0, 0, 0}, {110, 150}, {50, 150}};
inline constexpr Geometry kTwinG{19103, 0, {236, 222}, {133, 104}, {53, 142}, {172, 142},
                                 {31, 155, 51, 56}, {174, 154, 46, 56}, {112, 147}, {72, 147}};

constexpr NeedleLayout needleAt(std::uint32_t id, Point pivot, Size size, Point bitmapPivot) {
  return {id, pivot, size, bitmapPivot};
}

}  // namespace xaq::gauges::rmi
