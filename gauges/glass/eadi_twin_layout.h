#pragma once
// The virtual-cockpit attitude director (`EADI_V`): the screen's information as bitmaps. A sphere
// texture seen through a window about the pivot, the bank pointer, the director's bars, the
// deviation, fast/slow and rising-runway pointers, and the mode texts and readouts in the dark
// bands above and below the sphere.

#include <cstdint>

#include "gauges/kit/layout.h"

namespace xaq::gauges::eadi_twin {

using layout::Point;
using layout::Size;

inline constexpr Size kSize{250, 192};
inline constexpr Point kPivot{125, 97};
inline constexpr std::uint32_t kBackgroundId = 19420;

inline constexpr std::uint32_t kSphereId = 10421;  // its window is 10422
inline constexpr Size kSphereWindow{150, 140};
inline constexpr Point kSphereAt{kPivot.x - kSphereWindow.width / 2, kPivot.y - kSphereWindow.height / 2};
inline constexpr Size kSphereTexture{210, 480};
inline constexpr double kSpherePixelsPerDegree = 3.0;

inline constexpr std::uint32_t kBankNeedleId = 10423;
inline constexpr Size kBankNeedleSize{16, 136};
inline constexpr double kBankPointerRadius = 62.0;

inline constexpr std::uint32_t kSymbolsId = 10428;  // aircraft symbol, bank and localizer scales
inline constexpr std::uint32_t kFastSlowScaleId = 10424;
inline constexpr Point kFastSlowScaleAt{14, 40};
inline constexpr Size kFastSlowScaleSize{24, 114};
inline constexpr std::uint32_t kFastSlowId = 10425;
inline constexpr Point kFastSlowAt{24, kPivot.y - 5};
inline constexpr Size kFastSlowSize{12, 10};
inline constexpr double kFastSlowPxPerKt = 5.0;
inline constexpr std::uint32_t kGlideslopeScaleId = 10426;
inline constexpr Point kGlideslopeScaleAt{206, 40};
inline constexpr Size kGlideslopeScaleSize{24, 114};
inline constexpr std::uint32_t kGlideslopeId = 10427;
inline constexpr Point kGlideslopeAt{212, kPivot.y - 4};
inline constexpr Size kGlideslopeSize{12, 8};
inline constexpr double kGlideslopeTravelPx = 44.0;
inline constexpr std::uint32_t kLocalizerId = 10429;
inline constexpr Point kLocalizerAt{kPivot.x - 6, 150};
inline constexpr Size kLocalizerSize{12, 10};
inline constexpr double kLocalizerTravelPx = 44.0;

inline constexpr std::uint32_t kPitchBarId = 10430;
inline constexpr Size kPitchBarSize{110, 4};
inline constexpr Point kPitchBarAt{kPivot.x - 55, kPivot.y - 2};
inline constexpr std::uint32_t kRollBarId = 10431;
inline constexpr Size kRollBarSize{4, 100};
inline constexpr Point kRollBarAt{kPivot.x - 2, kPivot.y - 50};
inline constexpr double kBarTravelPx = 40.0;

inline constexpr std::uint32_t kRunwayId = 10432;
inline constexpr Point kRunwayAt{kPivot.x - 20, kPivot.y + 5};
inline constexpr Size kRunwaySize{40, 10};
inline constexpr double kRunwayTravelPx = 36.0;  // at 200 ft

inline constexpr Size kModeTextSize{48, 17};
inline constexpr Point kModeTextAt[4] = {{1, 0}, {58, 0}, {143, 0}, {200, 0}};
inline constexpr Point kDhLabelAt{40, 171};
inline constexpr Point kRaLabelAt{226, 171};
inline constexpr Size kLabelSize{22, 17};
inline constexpr Point kDhAlertAt{166, 171};
inline constexpr Point kRadioAltitudeAt{176, 167};
inline constexpr Size kRadioAltitudeSize{48, 23};
inline constexpr Point kDecisionHeightAt{4, 167};
inline constexpr Size kDecisionHeightSize{36, 23};

}  // namespace xaq::gauges::eadi_twin
