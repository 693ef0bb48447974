#pragma once
// The electronic horizontal situation indicator: a bezel round the screen the heading display
// draws on (1.36 times wider than tall), and the virtual-cockpit twin built of bitmaps: a turning
// card, the course, TO/FROM, heading-bug and two bearing needles about one pivot, the deviation
// bar as a sprite, and the readouts.

#include "gauges/kit/layout.h"

namespace xaq::gauges::ehsi {

using layout::NeedleLayout;
using layout::Point;
using layout::Size;

inline constexpr std::uint32_t kBackgroundId = 10290;
inline constexpr std::uint32_t kLightingOverlayId = 10291;  // the lit bezel, shown at night
inline constexpr std::uint32_t kScreenId = 10292;

inline constexpr Point kScreenAt{53, 53};
inline constexpr Size kScreenSize{258, 190};
inline constexpr Size kBackgroundSize{kScreenAt.x * 2 + kScreenSize.width, kScreenAt.y * 2 + kScreenSize.height};
inline constexpr Point kFaceAt{44, 45};
inline constexpr Size kFaceSize{275, 209};
inline constexpr std::uint32_t kFaceClickEvent = 65907;

// ---- EHSI_V ----
inline constexpr std::uint32_t kTwinBackgroundId = 19450;
inline constexpr std::uint32_t kTwinCardId = 19451;
inline constexpr std::uint32_t kTwinCourseId = 19452;
inline constexpr std::uint32_t kTwinToFromId = 19453;
inline constexpr std::uint32_t kTwinDeviationId = 19454;  // then 19455: the sprite's window
inline constexpr std::uint32_t kTwinDeviationWindowId = 19455;
inline constexpr std::uint32_t kTwinBugId = 19456;
inline constexpr std::uint32_t kTwinBearing1Id = 19457;
inline constexpr std::uint32_t kTwinBearing2Id = 19458;

inline constexpr Size kTwinBackgroundSize{260, 270};
inline constexpr Point kTwinPivot{130, 140};
inline constexpr std::int32_t kTwinCardRadius = 96;

inline constexpr NeedleLayout kTwinCard{kTwinCardId, kTwinPivot, {2 * kTwinCardRadius, 2 * kTwinCardRadius},
                                        {kTwinCardRadius, kTwinCardRadius}};
inline constexpr NeedleLayout kTwinCourse{kTwinCourseId, kTwinPivot, {16, 150}, {8, 75}};
inline constexpr NeedleLayout kTwinToFrom{kTwinToFromId, kTwinPivot, {14, 80}, {7, 40}};
inline constexpr NeedleLayout kTwinBug{kTwinBugId, kTwinPivot, {20, 2 * kTwinCardRadius}, {10, kTwinCardRadius}};
inline constexpr NeedleLayout kTwinBearing1{kTwinBearing1Id, kTwinPivot, {14, 180}, {7, 90}};
inline constexpr NeedleLayout kTwinBearing2{kTwinBearing2Id, kTwinPivot, {14, 180}, {7, 90}};

// The deviation bar: a texture turned with the course about the pivot and shifted across it,
// seen through a square window centred on the pivot.
inline constexpr Size kTwinDeviationSize{120, 120};
inline constexpr Size kTwinDeviationWindowSize{120, 120};
inline constexpr Point kTwinDeviationAt{kTwinPivot.x - 60, kTwinPivot.y - 60};
inline constexpr double kTwinDotSpacing = 12.0;  // pixels; full scale is the second dot

// Readouts, on the dark band above and below the card.
inline constexpr Point kTwinCourseTextAt{8, 8};
inline constexpr Point kTwinDistanceTextAt{172, 8};
inline constexpr Point kTwinSource1TextAt{8, 244};
inline constexpr Point kTwinSource2TextAt{62, 244};
inline constexpr Point kTwinSpeedTextAt{172, 244};
inline constexpr Point kTwinBugTextAt{110, 8};
inline constexpr Size kTwinTextSize{80, 18};
inline constexpr Size kTwinShortTextSize{44, 18};

}  // namespace xaq::gauges::ehsi
