#pragma once
// The engine panels: the intake bypass doors (Bypass, BypassV), the ECU rating selector and mode
// switchlights (ECU, ECU_V), the autofeather and feather switches (Feather) and the oil pressure
// and temperature indicators (EngOil1 for both engines, EngOil1_V and EngOil2_V one engine
// each). Every control, light and dial is placed once here; the tables and the artwork both read
// these places, so the images sit on the plates' frames and the dials' marks on the needles'
// scale points.

#include <cstddef>
#include <cstdint>

#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::engine {

using layout::NeedleLayout;
using layout::Point;
using layout::Rect;
using layout::ScaleMark;
using layout::Size;
using layout::SwitchImages;
using layout::SwitchLook;

// ---- the switch panels ----

enum Panel : std::int32_t { kBypassPanel, kEcuPanel, kFeatherPanel, kPanels };

struct PanelLayout {
  const char* title;
  Size size;
  std::uint32_t backgroundId;      // the 2D gauge's plate; its lit overlay is +1
  std::uint32_t twinBackgroundId;  // the virtual-cockpit twin's (0: none); overlay +1
  Rect hostStrip;                  // the strip along the bottom that the host answers (none: empty)
  std::uint32_t hostEvent;
};

inline constexpr PanelLayout kPanelLayouts[kPanels] = {
    {"INTAKE BYPASS", {164, 84}, 17500, 17502, {}, 0},
    {"ECU", {250, 112}, 17510, 17512, {0, 102, 250, 10}, 65911},
    {"FEATHER", {296, 122}, 17520, 0, {0, 112, 296, 10}, 65909},
};

inline constexpr SwitchImages kBypassLightArt{17600, 0, SwitchLook::kLight, 4, {58, 28}, nullptr,
                                              "CLOSED|OPN|OPN HTR", 0x40E060};
inline constexpr SwitchImages kEcuModeLightArt{17610, 0, SwitchLook::kLight, 3, {58, 28}, nullptr, "ON|MANUAL",
                                               0xFFC040};
// Images 0 dark, 1 SELECT, 3 SELECT and ARM (2 is never shown).
inline constexpr SwitchImages kAutofeatherLightArt{17620, 0, SwitchLook::kLight, 4, {72, 28}, nullptr,
                                                   "SELECT|SELECT|SELECT ARM", 0x40E060};
inline constexpr SwitchImages kFeatherLightArt{17630, 0, SwitchLook::kLight, 2, {36, 16}, nullptr, "FEATHER",
                                               0xFFC040};
inline constexpr SwitchImages kRatingSelectorArt{17640, 17644, SwitchLook::kRotary, 4, {40, 40}};
inline constexpr SwitchImages kTestButtonArt{17650, 17652, SwitchLook::kPushButton, 2, {36, 24}};
inline constexpr SwitchImages kFeatherLeverArt{17660, 17663, SwitchLook::kLeverThreeWay, 3, {24, 44}};

enum class Ctl : std::int32_t {
  kBypassDoor1, kBypassDoor2,
  kEcuRating, kEcuMode1, kEcuMode2,
  kAutofeatherArm, kAutofeatherTest1, kAutofeatherTest2, kAlternateFeather1, kAlternateFeather2,
  kCount,
};

struct ControlLayout {
  Ctl control;
  Panel panel;
  Rect rect;
  const char* tooltip;
  const char* caption;  // under the control; '|' breaks the line
  const SwitchImages* images;
};

inline constexpr ControlLayout kControls[] = {
    {Ctl::kBypassDoor1, kBypassPanel, {18, 26, 58, 28}, "Engine intake bypass door switchlight", "ENG 1", &kBypassLightArt},
    {Ctl::kBypassDoor2, kBypassPanel, {88, 26, 58, 28}, "Engine intake bypass door switchlight", "ENG 2", &kBypassLightArt},
    {Ctl::kEcuRating, kEcuPanel, {30, 40, 40, 40}, "Engine ECU rating selector", "RATING", &kRatingSelectorArt},
    {Ctl::kEcuMode1, kEcuPanel, {108, 40, 58, 28}, "ECU mode selector", "ECU 1", &kEcuModeLightArt},
    {Ctl::kEcuMode2, kEcuPanel, {178, 40, 58, 28}, "ECU mode selector", "ECU 2", &kEcuModeLightArt},
    {Ctl::kAutofeatherArm, kFeatherPanel, {14, 40, 72, 28}, "Autofeather arm switch", "AUTOFEATHER", &kAutofeatherLightArt},
    {Ctl::kAutofeatherTest1, kFeatherPanel, {100, 42, 36, 24}, "Autofeather test switch", "TEST 1", &kTestButtonArt},
    {Ctl::kAutofeatherTest2, kFeatherPanel, {146, 42, 36, 24}, "Autofeather test switch", "TEST 2", &kTestButtonArt},
    {Ctl::kAlternateFeather1, kFeatherPanel, {206, 44, 24, 44}, "Alternate feather switch", "ALT 1", &kFeatherLeverArt},
    {Ctl::kAlternateFeather2, kFeatherPanel, {252, 44, 24, 44}, "Alternate feather switch", "ALT 2", &kFeatherLeverArt},
};
static_assert(std::size(kControls) == static_cast<std::size_t>(Ctl::kCount));

static_assert(layout::indexedByControl(kControls), "kControls is indexed by Ctl");

constexpr bool isLight(const ControlLayout& c) { return c.images->look == SwitchLook::kLight; }

// The two lights above the alternate feather switches: nothing lights them.
struct LampLayout {
  Panel panel;
  Rect rect;
  const SwitchImages* images;
};
inline constexpr LampLayout kLamps[] = {
    {kFeatherPanel, {200, 22, 36, 16}, &kFeatherLightArt},
    {kFeatherPanel, {246, 22, 36, 16}, &kFeatherLightArt},
};

// The ECU rating selector's legends, one per position, drawn round the knob.
inline constexpr const char* kRatingLegends[] = {"TOP", "MCP", "MCL", "MCR"};
static_assert(std::size(kRatingLegends) == static_cast<std::size_t>(4));

// ---- the oil indicators ----

enum class OilDial : std::int32_t { kPressure1, kTemperature1, kPressure2, kTemperature2, kCount };
enum OilGauge : std::int32_t { kEngOil1, kEngOil1Twin, kEngOil2Twin, kOilGaugeCount };

inline constexpr Size kDialCell{86, 96};
inline constexpr Point kDialPivotInCell{43, 46};
inline constexpr std::uint32_t kOilNeedleId = 17670;
inline constexpr NeedleLayout kOilNeedle{kOilNeedleId, {0, 0}, {6, 34}, {3, 28}};

// Marks about a pivot at the origin, a three-quarter turn clockwise from the lower left.
inline constexpr ScaleMark kPressureScale[] = {
    {{-21, 21}, 0.0, "0"},     {{-29, 9}, 10.0, nullptr},   {{-30, -5}, 20.0, "20"},
    {{-24, -18}, 30.0, nullptr}, {{-14, -27}, 40.0, "40"},  {{0, -30}, 50.0, nullptr},
    {{14, -27}, 60.0, "60"},   {{24, -18}, 70.0, nullptr},  {{30, -5}, 80.0, "80"},
    {{29, 9}, 90.0, nullptr},  {{21, 21}, 100.0, "100"},
};
inline constexpr ScaleMark kTemperatureScale[] = {
    {{-21, 21}, -50.0, "-50"},  {{-29, 6}, -25.0, nullptr}, {{-28, -11}, 0.0, "0"},
    {{-17, -25}, 25.0, nullptr}, {{0, -30}, 50.0, "50"},    {{17, -25}, 75.0, nullptr},
    {{28, -11}, 100.0, "100"},  {{29, 6}, 125.0, nullptr},  {{21, 21}, 150.0, "150"},
};
inline constexpr double kPressureLowPsi = 0.0, kPressureHighPsi = 100.0;
inline constexpr double kTemperatureLowC = -50.0, kTemperatureHighC = 150.0;

struct OilGaugeLayout {
  const char* name;
  Size size;
  std::uint32_t backgroundId;  // lit overlay +1
  int firstDial;               // the gauge shows dials firstDial ... firstDial + dialCount - 1
  int dialCount;
};
inline constexpr OilGaugeLayout kOilGauges[kOilGaugeCount] = {
    {"EngOil1", {4 * kDialCell.width, kDialCell.height}, 17530, 0, 4},
    {"EngOil1_V", {2 * kDialCell.width, kDialCell.height}, 17532, 0, 2},
    {"EngOil2_V", {2 * kDialCell.width, kDialCell.height}, 17534, 2, 2},
};

constexpr bool isPressure(OilDial d) { return d == OilDial::kPressure1 || d == OilDial::kPressure2; }
constexpr int engineOf(OilDial d) { return d == OilDial::kPressure1 || d == OilDial::kTemperature1 ? 0 : 1; }
inline constexpr const char* kDialCaptions[] = {"OIL PSI", "OIL °C", "OIL PSI", "OIL °C"};
inline constexpr const char* kEngineCaptions[] = {"ENG 1", "ENG 2"};

// The dial's cell and pivot on a gauge that starts with dial `first`.
constexpr Point dialPivot(int dial, int first) {
  return {(dial - first) * kDialCell.width + kDialPivotInCell.x, kDialPivotInCell.y};
}

}  // namespace xaq::gauges::engine
