#pragma once
// The guidance controller on the glareshield: three rows of push buttons, the AP and YD
// switchlights, the HSI SEL and NAV SEL side lights, the pitch wheel on the right, and above the
// buttons the MLS button and the powered flight control shutoff lights, which this aircraft does
// not use. The 2D panel (`autopilot`) and its virtual-cockpit twin (`autopilot_V`) share this
// layout; the twin has no mouse areas. The artwork paints the buttons with their legends at
// these rectangles.

#include <cstdint>
#include <iterator>

#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::glareshield {

using layout::Point;
using layout::Rect;
using layout::Size;
using layout::SwitchImages;
using layout::SwitchLook;

inline constexpr Size kAutopilotSize{540, 152};
inline constexpr Size kButtonSize{46, 24};

// Every control of the controller, left to right and top to bottom.
enum class ApControl : std::int32_t {
  kHsiSel,
  kNavSel,
  kVl,
  kAux,
  kHdg,
  kNav,
  kApp,
  kBc,
  kIas,
  kVs,
  kAlt,
  kAltSel,
  kAp,
  kYd,
  kStby,
  kPitchWheel,
  kControls,
};

struct ApControlLayout {
  ApControl control;
  Rect rect;
  const char* tooltip;
  const char* caption;  // the legend painted on the button
};

constexpr Rect buttonAt(std::int32_t x, std::int32_t y) { return {x, y, kButtonSize.width, kButtonSize.height}; }

inline constexpr std::int32_t kRow1 = 30;
inline constexpr std::int32_t kRow2 = 74;
inline constexpr std::int32_t kRow3 = 114;

inline constexpr ApControlLayout kApControls[] = {
    {ApControl::kHsiSel, buttonAt(14, kRow1), "HSI select", "HSI SEL"},
    {ApControl::kNavSel, buttonAt(70, kRow1), "NAV source selection side", "NAV SEL"},
    {ApControl::kVl, buttonAt(126, kRow1), "NAV source: VOR/LOC", "V/L"},
    {ApControl::kAux, buttonAt(182, kRow1), "NAV source: FMS", "AUX"},
    {ApControl::kHdg, buttonAt(14, kRow2), "Heading select", "HDG"},
    {ApControl::kNav, buttonAt(70, kRow2), "NAV", "NAV"},
    {ApControl::kApp, buttonAt(126, kRow2), "ILS approach", "APP"},
    {ApControl::kBc, buttonAt(182, kRow2), "Back course hold", "BC"},
    {ApControl::kIas, buttonAt(256, kRow2), "Indicated airspeed hold", "IAS"},
    {ApControl::kVs, buttonAt(312, kRow2), "Vertical speed hold", "VS"},
    {ApControl::kAlt, buttonAt(368, kRow2), "Altitude hold", "ALT"},
    {ApControl::kAltSel, buttonAt(424, kRow2), "Altitude preselect", "ALT SEL"},
    {ApControl::kAp, buttonAt(14, kRow3), "Autopilot", "AP"},
    {ApControl::kYd, buttonAt(70, kRow3), "Yaw damper", "YD"},
    {ApControl::kStby, buttonAt(126, kRow3), "Standby", "STBY"},
    // Upper half NOSE DN, lower half NOSE UP.
    {ApControl::kPitchWheel, {488, 62, 36, 76}, "Pitch wheel", "NOSE UP"},
};

inline constexpr std::int32_t kApControlCount = static_cast<std::int32_t>(ApControl::kControls);

static_assert(layout::indexedByControl(kApControls) && std::size(kApControls) == static_cast<std::size_t>(kApControlCount));

constexpr const ApControlLayout& apControl(ApControl c) { return kApControls[static_cast<std::int32_t>(c)]; }

// The panel's dead parts: painted only.
inline constexpr Rect kMlsButton = buttonAt(238, kRow1);
inline constexpr Point kPfcsCaption{404, 26};
inline constexpr const char* kPfcsLegends[] = {"AIL", "ELEV", "RUD"};
inline constexpr Size kPfcsLightSize{44, 16};
constexpr Rect pfcsLightAt(int i) { return {334 + i * 48, 34, kPfcsLightSize.width, kPfcsLightSize.height}; }

// ---- bitmaps ----

inline constexpr std::uint32_t kAutopilotBackgroundId = 18500;
inline constexpr std::uint32_t kAutopilotOverlayId = 18501;  // the lit panel, shown at night
inline constexpr std::uint32_t kAutopilotVBackgroundId = 18502;
inline constexpr std::uint32_t kAutopilotVOverlayId = 18503;

// The pitch wheel's three frames, turned a third of a ridge each, by day and by night.
inline constexpr SwitchImages kPitchWheelArt{18510, 18515, SwitchLook::kRotary, 3, {36, 76}};
// The switchlights cover their buttons: dark, then lit.
inline constexpr SwitchImages kApLightArt{18520, 0, SwitchLook::kLight, 2, kButtonSize, nullptr, "AP", 0x40E060};
inline constexpr SwitchImages kYdLightArt{18522, 0, SwitchLook::kLight, 2, kButtonSize, nullptr, "YD", 0x40E060};
// The side lights: dark, then the left side (first lit image) or the right side (second).
inline constexpr SwitchImages kHsiSelLightArt{18524, 0, SwitchLook::kLight, 3, kButtonSize, nullptr, "<|>", 0xF0F0E8};
inline constexpr SwitchImages kNavSelLightArt{18527, 0, SwitchLook::kLight, 3, kButtonSize, nullptr, "<|>", 0xF0F0E8};

struct ApLightLayout {
  ApControl control;  // the button the light covers
  const SwitchImages* images;
};

inline constexpr ApLightLayout kApLights[] = {
    {ApControl::kHsiSel, &kHsiSelLightArt},
    {ApControl::kNavSel, &kNavSelLightArt},
    {ApControl::kAp, &kApLightArt},
    {ApControl::kYd, &kYdLightArt},
};

}  // namespace xaq::gauges::glareshield
