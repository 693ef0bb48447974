#pragma once
// The two NAV control heads (`NAV1`, `NAV2`) with the master warning and caution switchlights,
// and the landing-gear panel (`gear`) with the three leg lights, the lever and the fuel
// temperature and right-engine oil dials. The twins carry only the readouts (`NAV1_V`,
// `NAV2_V`) or the leg lights (`gear_V`).

#include <cstdint>

#include "gauges/fuel/fuel_layout.h"
#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::instruments {

using layout::NeedleLayout;
using layout::Point;
using layout::Rect;
using layout::ScaleMark;
using layout::Size;

// ---- NAV heads ----
inline constexpr Size kNavHeadSize{230, 290};
inline constexpr Size kFrequencyBox{106, 32};
inline constexpr Point kActiveFrequency{50, 25}, kStandbyFrequency{50, 105};
inline constexpr Rect kFrequencyKnobDown{131, 150, 39, 62}, kFrequencyKnobUp{175, 150, 38, 62};
inline constexpr Rect kTransferArea{172, 67, 38, 33};
inline constexpr std::uint32_t kTransferSwitchId = 19330;  // 0 unlit, 1 lit while pressed
inline constexpr Size kTransferSwitchSize{38, 33};

struct MasterLight {
  std::uint32_t imageId;  // 0 dark, 1 lit
  Point at;
  Rect area;
  const char* legend;
  std::uint32_t lensRgb;
};
inline constexpr MasterLight kMasterWarning{8290, {90, 249}, {87, 248, 92, 32}, "MASTER WARNING", 0xE03020};
inline constexpr MasterLight kMasterCaution{8320, {37, 245}, {37, 245, 97, 36}, "MASTER CAUTION", 0xF0B020};
inline constexpr Size kMasterLightSize{86, 30};
inline constexpr std::uint32_t kPanelEvent5 = 65910;

inline constexpr std::uint32_t kNav1BackgroundId = 19332, kNav2BackgroundId = 19333;
inline constexpr Size kNavTwinSize{160, 100};
inline constexpr Point kTwinActiveFrequency{25, 12}, kTwinStandbyFrequency{25, 54};
inline constexpr std::uint32_t kNav1TwinBackgroundId = 19334, kNav2TwinBackgroundId = 19335;

// ---- gear panel ----
inline constexpr Size kGearPanelSize{240, 440};
inline constexpr Size kGearLightSize{40, 40};
inline constexpr std::uint32_t kGearLightIds[3] = {8378, 8383, 8388};  // five frames each
inline constexpr Point kGearLights[3] = {{48, 51}, {104, 51}, {157, 51}};
inline constexpr const char* kGearLegends[3] = {"L", "N", "R"};
inline constexpr Rect kGearLeverArea{91, 110, 112, 231};
inline constexpr std::uint32_t kGearLeverLitId = 8370, kGearLeverUnlitId = 8362;  // frame 0 up, 1 down
inline constexpr Point kGearLever{122, 120};
inline constexpr Size kGearLeverSize{50, 210};
inline constexpr std::uint32_t kGearToggleEvent = 65570;
inline constexpr std::uint32_t kGearBackgroundId = 19340;  // +1 lit
inline constexpr Size kGearTwinSize{240, 110};
inline constexpr std::uint32_t kGearTwinBackgroundId = 19342;

// The dials share the fuel dial's needle.
inline constexpr Point kFuelTempPivot{177, 382};
inline constexpr Point kOilPivot{56, 382};
inline constexpr auto kRightFuelTempScale = layout::translated(fuel::kRightFuelTempMarks, kFuelTempPivot.x, kFuelTempPivot.y);
inline constexpr auto kLeftFuelTempScale = layout::translated(fuel::kLeftFuelTempMarks, kFuelTempPivot.x, kFuelTempPivot.y);
// About the oil dial's pivot: pressure up the right half, temperature up the left.
inline constexpr ScaleMark kOilPressureMarks[] = {
    {{19, 32}, 0.0, "0"},   {{30, 22}, 20.0, nullptr}, {{36, 8}, 40.0, "40"},
    {{36, -8}, 60.0, nullptr}, {{30, -22}, 80.0, "80"}, {{18, -32}, 100.0, "100"},
};
inline constexpr ScaleMark kOilTemperatureMarks[] = {
    {{-17, 30}, -50.0, "-50"}, {{-32, 18}, 0.0, nullptr}, {{-37, 0}, 50.0, "50"},
    {{-32, -18}, 100.0, nullptr}, {{-18, -30}, 150.0, "150"},
};
inline constexpr auto kOilPressureScale = layout::translated(kOilPressureMarks, kOilPivot.x, kOilPivot.y);
inline constexpr auto kOilTemperatureScale = layout::translated(kOilTemperatureMarks, kOilPivot.x, kOilPivot.y);
inline constexpr NeedleLayout kFuelTempNeedle{fuel::kFuelTempNeedleId, kFuelTempPivot, fuel::kFuelTempNeedleSize,
                                              fuel::kFuelTempNeedlePivot};
inline constexpr NeedleLayout kOilNeedle{fuel::kFuelTempNeedleId, kOilPivot, fuel::kFuelTempNeedleSize,
                                         fuel::kFuelTempNeedlePivot};

}  // namespace xaq::gauges::instruments
