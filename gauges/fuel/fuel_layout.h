#pragma once
// The fuel panel: the quantity indicators of the two wing tanks with their test button, the
// auxiliary pumps and their running lights, the transfer switch with its indications, and the
// tank temperature dial. `FUEL` is the 2D panel; the virtual cockpit has the two quantity dials
// (`Fuel1_V`, `Fuel2_V`), the switches (`FuelInd_V`), the tank temperature (`FuelTankTemp`,
// `FuelTankTempV`) and the engines' fuel temperature dial (`FuelTemp_V`) as pieces of their own.
// The artwork draws the dials at exactly these scale points and the switches at these rectangles.

#include <cstdint>

#include "gauges/kit/switch_layout.h"
#include "gauges/overhead/overhead_layout.h"

namespace xaq::gauges::fuel {

using layout::NeedleLayout;
using layout::Point;
using layout::Rect;
using layout::ScaleMark;
using layout::Size;
using layout::SwitchImages;
using layout::SwitchLook;

inline constexpr std::uint32_t kTank1GallonsVariable = 304;  // the host's left tank
inline constexpr std::uint32_t kTank2GallonsVariable = 303;  // right tank
inline constexpr std::uint32_t kPedestalViewEvent = 65909;

// ---- scales, about the dial's own pivot ----

// Pounds, 0 ... 3300 over three quarters of a turn; numerals in thousands.
inline constexpr ScaleMark kQuantityMarks[] = {
    {{-31, 31}, 0.0, "0"},      {{-44, 3}, 500.0},  {{-35, -26}, 1000.0, "1"}, {{-9, -43}, 1500.0},
    {{21, -39}, 2000.0, "2"},   {{41, -15}, 2500.0}, {{41, 15}, 3000.0, "3"},  {{31, 31}, 3300.0},
};
// Degrees C, -40 ... +60 (the tank never reads above 60).
inline constexpr ScaleMark kTankTempMarks[] = {
    {{-38, 22}, -40.0, "-40"}, {{-42, -14}, -20.0, "-20"}, {{-18, -40}, 0.0, "0"},
    {{18, -40}, 20.0, "20"},   {{42, -14}, 40.0, "40"},    {{38, 22}, 60.0, "60"},
};
// The engines' fuel temperature dial, -40 ... +80 degC: the right needle sweeps the right half
// upward from -40, the left needle the left half.
inline constexpr ScaleMark kRightFuelTempMarks[] = {
    {{19, 34}, -40.0, "-40"}, {{36, 14}, 0.0, "0"}, {{36, -13}, 40.0, "40"}, {{18, -32}, 80.0, "80"},
};
inline constexpr ScaleMark kLeftFuelTempMarks[] = {
    {{-20, 34}, -40.0, "-40"}, {{-36, 14}, 0.0, "0"}, {{-36, -13}, 40.0, "40"}, {{-20, -33}, 80.0, "80"},
};

inline constexpr double kTankTempLowestC = -40.0;
inline constexpr double kFuelTempLowestC = -40.0;
inline constexpr double kFuelTempHighestC = 80.0;

// ---- bitmaps ----

inline constexpr std::uint32_t kPanelBackgroundId = 18000;  // FUEL; its lit overlay is +1
inline constexpr std::uint32_t kTank1DialId = 18010;        // Fuel1_V; +1 lit
inline constexpr std::uint32_t kTank2DialId = 18012;        // Fuel2_V; +1 lit
inline constexpr std::uint32_t kControlsBackgroundId = 18020;  // FuelInd_V; +1 lit
inline constexpr std::uint32_t kTankTempBackgroundId = 18030;  // FuelTankTemp; +1 lit
inline constexpr std::uint32_t kTankTempTwinId = 18032;        // FuelTankTempV; +1 lit
inline constexpr std::uint32_t kFuelTempBackgroundId = 18040;  // FuelTemp_V; +1 lit
inline constexpr std::uint32_t kQuantityNeedleId = 18050;
inline constexpr std::uint32_t kTempNeedleId = 18051;
inline constexpr std::uint32_t kFuelTempNeedleId = 18052;

inline constexpr Size kQuantityNeedleSize{8, 46};
inline constexpr Point kQuantityNeedlePivot{4, 40};
inline constexpr Size kFuelTempNeedleSize{6, 40};
inline constexpr Point kFuelTempNeedlePivot{3, 34};

// The switches are the family's own images (drawn for the overhead); the lights are ours.
inline constexpr const SwitchImages& kPumpSwitchArt = overhead::kToggleArt;
inline constexpr const SwitchImages& kTransferSwitchArt = overhead::kSidewaysArt;
inline constexpr const SwitchImages& kTestButtonArt = overhead::kPushArt;
inline constexpr SwitchImages kPumpLightArt{18060, 0, SwitchLook::kLight, 2, {40, 16}, nullptr, "PUMP", 0x40E060};
// The transfer indications: 0 dark (no power), 1 the unlit legend, 2 lit.
inline constexpr SwitchImages kTransferLightArt{18062, 0, SwitchLook::kLight, 3, {40, 16}, nullptr, "XFER", 0x40E060};

// ---- the 2D panel ----

inline constexpr Size kPanelSize{360, 250};
inline constexpr Point kTank1Pivot{85, 82};
inline constexpr Point kTank2Pivot{275, 82};
inline constexpr Rect kTank1DialRect{20, 17, 130, 130};
inline constexpr Rect kTank2DialRect{210, 17, 130, 130};
inline constexpr Rect kTestButton{162, 96, 36, 24};
inline constexpr Rect kHostEventStrip{0, 236, 360, 14};

// The controls' row, in FuelInd_V's own pixels; on FUEL it sits kControlsOnPanel lower.
inline constexpr Point kControlsOnPanel{0, 150};
inline constexpr Size kControlsSize{360, 116};
// FuelInd_V's own test button, under the transfer switch (on FUEL it sits between the dials).
inline constexpr Rect kPieceTestButton{162, 88, 36, 24};
inline constexpr Rect kPump1Switch{30, 30, 24, 36};
inline constexpr Rect kPump2Switch{306, 30, 24, 36};
inline constexpr Rect kTransferSwitch{158, 36, 44, 24};
inline constexpr Point kPump1Light{62, 40};
inline constexpr Point kPump2Light{258, 40};
inline constexpr Point kTransfer1Light{110, 40};
inline constexpr Point kTransfer2Light{210, 40};

constexpr Rect onPanel(Rect r) { return {r.x + kControlsOnPanel.x, r.y + kControlsOnPanel.y, r.width, r.height}; }
constexpr Point onPanel(Point p) { return {p.x + kControlsOnPanel.x, p.y + kControlsOnPanel.y}; }

// ---- the single dials (virtual cockpit, and the tank temperature on both) ----

inline constexpr Size kDialSize{130, 130};
inline constexpr Point kDialPivot{65, 65};
inline constexpr Rect kDialRect{0, 0, 130, 130};

inline constexpr auto kTank1Scale = layout::translated(kQuantityMarks, kTank1Pivot.x, kTank1Pivot.y);
inline constexpr auto kTank2Scale = layout::translated(kQuantityMarks, kTank2Pivot.x, kTank2Pivot.y);
inline constexpr auto kDialQuantityScale = layout::translated(kQuantityMarks, kDialPivot.x, kDialPivot.y);
inline constexpr auto kDialTankTempScale = layout::translated(kTankTempMarks, kDialPivot.x, kDialPivot.y);
inline constexpr auto kDialRightFuelTempScale = layout::translated(kRightFuelTempMarks, kDialPivot.x, kDialPivot.y);
inline constexpr auto kDialLeftFuelTempScale = layout::translated(kLeftFuelTempMarks, kDialPivot.x, kDialPivot.y);

inline constexpr NeedleLayout kTank1Needle{kQuantityNeedleId, kTank1Pivot, kQuantityNeedleSize, kQuantityNeedlePivot};
inline constexpr NeedleLayout kTank2Needle{kQuantityNeedleId, kTank2Pivot, kQuantityNeedleSize, kQuantityNeedlePivot};
inline constexpr NeedleLayout kDialNeedle{kQuantityNeedleId, kDialPivot, kQuantityNeedleSize, kQuantityNeedlePivot};
inline constexpr NeedleLayout kTankTempNeedle{kTempNeedleId, kDialPivot, kQuantityNeedleSize, kQuantityNeedlePivot};
inline constexpr NeedleLayout kFuelTempNeedle{kFuelTempNeedleId, kDialPivot, kFuelTempNeedleSize,
                                              kFuelTempNeedlePivot};

}  // namespace xaq::gauges::fuel
