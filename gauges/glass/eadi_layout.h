#pragma once
// The electronic attitude director: a bezel round a screen the display draws on. The screen's
// bitmap gives the drawing surface its size (1.295 times wider than tall).

#include "gauges/kit/layout.h"

namespace xaq::gauges::eadi {

using layout::Point;
using layout::Size;

inline constexpr std::uint32_t kBackgroundId = 10280;
inline constexpr std::uint32_t kLightingOverlayId = 10281;  // the lit bezel, shown at night
inline constexpr std::uint32_t kScreenId = 10282;

inline constexpr Point kScreenAt{44, 52};
inline constexpr Size kScreenSize{259, 200};
inline constexpr Size kBackgroundSize{kScreenAt.x * 2 + kScreenSize.width, kScreenAt.y * 2 + kScreenSize.height};

}  // namespace xaq::gauges::eadi
