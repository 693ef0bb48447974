#pragma once
// The electronic attitude director: a bezel round a screen the display draws on. The screen's
// bitmap gives the drawing surface its size (1.295 times wider than tall).

#include "gauges/kit/layout.h"
#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::eadi {

using layout::Point;
using layout::Size;

inline constexpr std::uint32_t kBackgroundId = 10280;
inline constexpr std::uint32_t kLightingOverlayId = 10281;  // the lit bezel, shown at night
inline constexpr std::uint32_t kScreenId = 10282;

inline constexpr std::uint32_t kBallId = 10283;

inline constexpr Point kScreenAt{44, 52};
inline constexpr Size kScreenSize{259, 200};
inline constexpr Size kBackgroundSize{kScreenAt.x * 2 + kScreenSize.width, kScreenAt.y * 2 + kScreenSize.height};

// The face: a click sends the host's panel-view event.
inline constexpr layout::Rect kFace{28, 43, 282, 221};
inline constexpr std::uint32_t kFaceClickEvent = 65907;

// The inclinometer ball in its tube under the screen, moved by the host's ball (-127 ... 127).
inline constexpr Point kBallAt{164, 277};
inline constexpr Size kBallSize{19, 19};
inline constexpr std::uint32_t kBallVariable = 69;
inline constexpr int kBallTravel = 46;  // pixels each way at full deflection
inline constexpr double kBallPixelsPerUnit = kBallTravel / 127.0;

}  // namespace xaq::gauges::eadi
