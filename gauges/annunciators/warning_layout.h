#pragma once
// The warning and caution panels: the red warning row, the amber caution grid of 14 columns by
// 6 rows, their legends and which cells have a light behind them. The 2D panel (`WarningLights`)
// carries both, with the host's view strip at its right end; the virtual cockpit has the row
// (`Warning_V`) and the grid (`Caution_V`) as two gauges. Every cell is one size, so a lit cell's
// bitmap serves all three gauges.

#include <cstddef>
#include <cstdint>

#include "common/light_ids.h"
#include "gauges/kit/layout.h"

namespace xaq::gauges::annunciator_panels {

using layout::Point;
using layout::Size;

struct Cell {
  const char* legend;  // "" for a blank cell
  int light;           // light number (common/light_ids.h), 0 for a legend without a light
};

inline constexpr Size kCellSize{64, 32};
inline constexpr std::int32_t kMargin = 8;
inline constexpr int kWarningCells = 13;
inline constexpr int kCautionColumns = 14;
inline constexpr int kCautionRows = 6;
inline constexpr int kCautionCells = kCautionColumns * kCautionRows;

// Left to right as on the panel.
inline constexpr Cell kWarningRow[kWarningCells] = {
    {"", 0},
    {"TOUCHED RUNWAY", lights::warning::kTouchedRunway},
    {"#1 ENG OIL PRESS", lights::warning::kEng1OilPress},
    {"#2 ENG OIL PRESS", lights::warning::kEng2OilPress},
    {"SMOKE", 0},
    {"CHECK FIRE DET", 0},
    {"CABIN PRESS", lights::warning::kCabinPress},
    {"PASS DOOR", lights::warning::kPassDoor},
    {"BAG DOOR", 0},
    {"MAIN BAT HOT", 0},
    {"AUX BAT HOT", 0},
    {"FWD EXIT DOOR", 0},
    {"SERV DOOR", 0},
};

// Row by row from the top left; cautions by their panel index.
inline constexpr Cell kCautionGrid[kCautionCells] = {
    // row 0
    {"PRI INV", 1}, {"L AC BUS", 6}, {"EMER LTS DISARMD", 31}, {"#1 HYD FLUID HOT", 0}, {"#2 HYD FLUID HOT", 0}, {"#1 STB HYD PUMP HOT", 0}, {"#2 STB HYD PUMP HOT", 0}, {"FLT CMPT PACK HOT", 0}, {"#1 ENG FUEL PRS", 0}, {"#2 ENG FUEL PRS", 0}, {"RUD PRESS", 0}, {"#1 STALL SYST FAIL", 0}, {"#2 STALL SYST FAIL", 0}, {"FLT DATA RCRDR", 0},
    // row 1
    {"SEC INV", 2}, {"R AC BUS", 7}, {"PITOT HEAT 1", 26}, {"#1 BLEED HOT", 0}, {"#2 BLEED HOT", 0}, {"PUSHER SYS FAIL", 0}, {"GPWS", 0}, {"#1 ENG HYD PUMP", 24}, {"#2 ENG HYD PUMP", 25}, {"FLT CMPT DUCT HOT", 0}, {"#1 DC GEN HOT", 0}, {"#2 DC GEN HOT", 0}, {"NOSE STEERING", 0}, {"L WSHLD HOT", 0},
    // row 2
    {"AUX INV", 3}, {"DC BUS", 8}, {"R WSHLD HOT", 0}, {"CABIN DUCT HOT", 0}, {"#1 AC GEN HOT", 0}, {"PITOT HEAT 2", 27}, {"#2 AC GEN HOT", 0}, {"#1 DC GEN", 13}, {"#2 DC GEN", 14}, {"INBD ANTISKID", 0}, {"ROLL SPLR INBD HYD", 17}, {"ROLL SPLR OUTB HYD", 18}, {"OUTBD ANTISKID", 0}, {"PARKING BRAKE", 28},
    // row 3
    {"L 26 AC", 4}, {"L TRU", 9}, {"GND SERV POWER", 0}, {"CABIN PACK HOT", 0}, {"RUD FULL PRESS", 0}, {"MAIN BATTERY", 11}, {"FLAP DRIVE", 0}, {"#1 AC GEN", 15}, {"#2 AC GEN", 16}, {"LDG GEAR INOP", 0}, {"#1 RUD HYD", 19}, {"#2 RUD HYD", 20}, {"WT ON WHEELS", 0}, {"L ELEV HORN HT", 0},
    // row 4
    {"R 26 AC", 5}, {"R TRU", 10}, {"R ELEV HORN HT", 0}, {"SIDE WDO HOT", 0}, {"L TRU HOT", 0}, {"AUX BATTERY", 12}, {"#1 ENG MANUAL", 29}, {"R TRU HOT", 0}, {"DEICE PRESS", 0}, {"#2 ENG MANUAL", 30}, {"#1 FUEL FLTR BPS", 0}, {"#2 FUEL FLTR BPS", 0}, {"APU", 0}, {"FUELLING ON", 0},
    // row 5
    {"", 0}, {"", 0}, {"", 0}, {"", 0}, {"", 0}, {"", 0}, {"", 0}, {"#1 TANK FUEL LOW", 22}, {"#2 TANK FUEL LOW", 23}, {"", 0}, {"", 0}, {"FLAP POWER", 21}, {"", 0}, {"", 0},
};

inline constexpr int kWarningLights = 5;
inline constexpr int kCautionLights = 31;

// Bitmaps: the backgrounds with every legend unlit, then one lit cell per light.
inline constexpr std::uint32_t kWarningLightsBackgroundId = 17000;
inline constexpr std::uint32_t kWarningVBackgroundId = 17001;
inline constexpr std::uint32_t kCautionVBackgroundId = 17002;
inline constexpr std::uint32_t kLitWarningBaseId = 17100;  // + warning panel index (1-5)
inline constexpr std::uint32_t kLitCautionBaseId = 17200;  // + caution panel index (1-31)

constexpr std::uint32_t litBitmapId(int light) {
  return lights::isWarning(light) ? kLitWarningBaseId + static_cast<std::uint32_t>(lights::warningIndex(light))
                                  : kLitCautionBaseId + static_cast<std::uint32_t>(light);
}

constexpr Point warningCellAt(Point rowOrigin, int i) { return {rowOrigin.x + i * kCellSize.width, rowOrigin.y}; }
constexpr Point cautionCellAt(Point gridOrigin, int i) {
  return {gridOrigin.x + (i % kCautionColumns) * kCellSize.width, gridOrigin.y + (i / kCautionColumns) * kCellSize.height};
}

inline constexpr std::int32_t kGridWidth = kCautionColumns * kCellSize.width;
inline constexpr std::int32_t kGridHeight = kCautionRows * kCellSize.height;

// 2D panel: the warning row above the caution grid, the view strip on the right.
inline constexpr Point kPanelWarningRow{kMargin, kMargin};
inline constexpr Point kPanelCautionGrid{kMargin, 2 * kMargin + 32};
inline constexpr std::int32_t kViewStripWidth = 40;
inline constexpr std::int32_t kPanelContentWidth = 2 * kMargin + kGridWidth;
inline constexpr Size kPanelSize{kPanelContentWidth + kViewStripWidth, 3 * kMargin + 32 + kGridHeight};
inline constexpr std::uint32_t kViewEvent = 65682;

// Virtual cockpit.
inline constexpr Point kVcWarningRow{kMargin, kMargin};
inline constexpr Size kWarningVSize{2 * kMargin + kWarningCells * 64, 2 * kMargin + 32};
inline constexpr Point kVcCautionGrid{kMargin, kMargin};
inline constexpr Size kCautionVSize{2 * kMargin + kGridWidth, 2 * kMargin + kGridHeight};

}  // namespace xaq::gauges::annunciator_panels
