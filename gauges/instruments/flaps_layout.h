#pragma once
// The flaps position indicator: one needle over the flap positions 0, 5, 10, 15 and 35 of 35,
// driven by the host's flap position (0..16384). The main-panel gauge and its virtual-cockpit
// twin share the scale; the twin's is moved to its own pivot.

#include "gauges/kit/layout.h"

namespace xaq::gauges::flaps {

using layout::NeedleLayout;
using layout::Point;
using layout::ScaleMark;
using layout::Size;

inline constexpr std::uint32_t kFlapsPositionVariable = 329;
inline constexpr double kFlapsFullTravel = 16384.0;

// Main panel.
inline constexpr std::uint32_t kBackgroundId = 8220;
inline constexpr std::uint32_t kNeedleId = 8221;
inline constexpr std::uint32_t kLightingOverlayId = 8222;  // the lit face, shown at night
inline constexpr Size kBackgroundSize{192, 150};
inline constexpr NeedleLayout kNeedle{kNeedleId, {96, 74}, {12, 48}, {6, 42}};

inline constexpr ScaleMark kScale[] = {
    {{96, 25}, 0.0, "0"},
    {{121, 30}, 2340.0, "5"},
    {{140, 49}, 4681.0, "10"},
    {{147, 75}, 7021.0, "15"},
    {{70, 120}, 16384.0, "35"},
};

// Virtual-cockpit twin: no lighting overlay, its own pivot.
inline constexpr std::uint32_t kTwinBackgroundId = 8225;
inline constexpr std::uint32_t kTwinNeedleId = 8226;
inline constexpr Size kTwinBackgroundSize{150, 130};
inline constexpr NeedleLayout kTwinNeedle{kTwinNeedleId, {75, 60}, {12, 48}, {6, 42}};
inline constexpr auto kTwinScale = layout::translated(kScale, kTwinNeedle.pivot.x - kNeedle.pivot.x,
                                                      kTwinNeedle.pivot.y - kNeedle.pivot.y);

}  // namespace xaq::gauges::flaps
