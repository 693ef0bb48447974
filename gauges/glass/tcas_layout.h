#pragma once
// The TCAS vertical speed indicator: a needle on a ±6000 ft/min scale round the rim and the
// traffic picture's screen in the middle; its virtual-cockpit twin has the needle and the power
// flag without the picture.

#include "gauges/kit/layout.h"

namespace xaq::gauges::tcas {

using layout::NeedleLayout;
using layout::Point;
using layout::ScaleMark;
using layout::Size;

inline constexpr std::uint32_t kVerticalSpeedVariable = 65;
inline constexpr double kScaleLimitFpm = 6000.0;

inline constexpr std::uint32_t kBackgroundId = 19500;
inline constexpr std::uint32_t kTwinBackgroundId = 19501;
inline constexpr std::uint32_t kNeedleId = 10411;
inline constexpr std::uint32_t kPowerFlagId = 10413;
inline constexpr std::uint32_t kScreenId = 10414;
inline constexpr std::uint32_t kTwinPowerFlagId = 10415;

inline constexpr Size kBackgroundSize{210, 204};
inline constexpr Point kScreenAt{47, 43};
inline constexpr Size kScreenSize{116, 116};
// The needle is a pointer on the rim only: it must not cover the traffic picture.
inline constexpr NeedleLayout kNeedle{kNeedleId, {105, 101}, {10, 86}, {5, 82}};
inline constexpr double kNeedleInnerRadius = 60.0;
inline constexpr Point kPowerFlagAt{150, 172};
inline constexpr Size kPowerFlagSize{34, 16};

// Points at 80 px from the pivot on the rays of the scale's angles (clockwise from twelve:
// -6000 96.7°, -5000 109.5°, -4000 125.5°, -3000 143.3°, -2000 170.8°, -1000 210.3°, -500 241.2°,
// 0 270.9°, 500 300.3°, 1000 330.5°, 2000 12.4°, 3000 38.0°, 4000 53.8°, 5000 68.7°, 6000 81.6°).
inline constexpr ScaleMark kScale[] = {
    {{184, 110}, -6000.0, "6"}, {{180, 128}, -5000.0, "5"}, {{170, 147}, -4000.0, "4"},
    {{153, 165}, -3000.0, "3"}, {{118, 180}, -2000.0, "2"}, {{65, 170}, -1000.0, "1"},
    {{35, 140}, -500.0, nullptr}, {{25, 100}, 0.0, "0"},     {{36, 61}, 500.0, nullptr},
    {{66, 31}, 1000.0, "1"},    {{122, 23}, 2000.0, "2"},    {{154, 38}, 3000.0, "3"},
    {{170, 54}, 4000.0, "4"},   {{180, 72}, 5000.0, "5"},    {{184, 89}, 6000.0, "6"},
};

}  // namespace xaq::gauges::tcas
