#pragma once
// The pedestal seen from above: the throttle quadrant at the top (trim wheel, power levers,
// condition levers with their fuel-off gates, flap selector and parking brake), then the weather
// radar screen and the EFIS control panel, then the audio panel and the radio heads (COM 1,
// COM 2, ADF 1, transponder). The virtual-cockpit pieces are the radios (Pedestal_V_RADIO) and
// the weather radar with the EFIS control panel (Pedestal_V_WXR). Rectangles are in background
// pixels; the artwork draws each control inside its own rectangle.

#include "gauges/kit/layout.h"
#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::pedestal {

using layout::Point;
using layout::Size;

struct Rect {
  std::int32_t x = 0, y = 0, w = 0, h = 0;
  constexpr Point at() const { return {x, y}; }
  constexpr Size size() const { return {w, h}; }
  constexpr Rect leftHalf() const { return {x, y, w / 2, h}; }
  constexpr Rect rightHalf() const { return {x + w / 2, y, w - w / 2, h}; }
  constexpr Rect upperHalf() const { return {x, y, w, h / 2}; }
  constexpr Rect lowerHalf() const { return {x, y + h / 2, w, h - h / 2}; }
};

// ---- bitmaps (16000 ... 16999) ----
inline constexpr std::uint32_t kBackgroundId = 16000;
inline constexpr std::uint32_t kNightBackgroundId = 16001;
inline constexpr std::uint32_t kRadarSwitchId = 16010;      // + 1: on; night 16012, 16013
inline constexpr std::uint32_t kPowerHandleId = 16020;
inline constexpr std::uint32_t kConditionHandleId = 16021;
inline constexpr std::uint32_t kFlapHandleId = 16022;
inline constexpr std::uint32_t kParkingBrakeId = 16023;     // + 1: set
inline constexpr std::uint32_t kTrimPointerId = 16025;
inline constexpr std::uint32_t kToggleId = 16030;           // + 1: on (audio panel push-switches)
inline constexpr std::uint32_t kTransmitSelectId = 16032;   // + 1: COM 1, + 2: COM 2
inline constexpr std::uint32_t kKnobId = 16040;             // + 0 ... 7: pointer positions
inline constexpr int kKnobPositions = 8;
inline constexpr std::uint32_t kToggleNightId = 16080;      // the night images of the above
inline constexpr std::uint32_t kTransmitSelectNightId = 16082;
inline constexpr std::uint32_t kKnobNightId = 16090;
inline constexpr std::uint32_t kTransferButtonId = 16060;   // + 1: pressed
inline constexpr std::uint32_t kWeatherTextureId = 16100;   // level k: + 2k, its window + 2k + 1
inline constexpr int kWeatherLevels = 7;
inline constexpr std::uint32_t kRadioBackgroundId = 16200;
inline constexpr std::uint32_t kRadioNightBackgroundId = 16201;
inline constexpr std::uint32_t kWxrBackgroundId = 16300;
inline constexpr std::uint32_t kWxrNightBackgroundId = 16301;

// ---- Pedestal ----
inline constexpr Size kBackgroundSize{480, 800};

// Throttle quadrant. The power levers travel 0.44697 of the pedestal's height from the top.
inline constexpr std::int32_t kPowerTravel = 358;
inline constexpr Rect kPowerLeft{70, 0, 40, kPowerTravel};
inline constexpr Rect kPowerBoth{110, 0, 20, kPowerTravel};
inline constexpr Rect kPowerRight{130, 0, 40, kPowerTravel};
inline constexpr Size kPowerHandleSize{36, 18};
inline constexpr std::int32_t kConditionTravel = 300;
inline constexpr Rect kConditionLeft{230, 0, 36, kConditionTravel};
inline constexpr Rect kConditionBoth{266, 0, 16, kConditionTravel};
inline constexpr Rect kConditionRight{282, 0, 36, kConditionTravel};
inline constexpr Size kConditionHandleSize{32, 16};
inline constexpr Rect kFuelOffLeft{230, 306, 36, 40};
inline constexpr Rect kFuelOffRight{282, 306, 36, 40};
inline constexpr Rect kFlapSelector{366, 20, 60, 290};
inline constexpr Size kFlapHandleSize{50, 16};
inline constexpr Rect kParkingBrake{362, 322, 110, 30};
inline constexpr Rect kTrimWheel{22, 60, 36, 240};
inline constexpr Size kTrimPointerSize{10, 6};

// The host's own areas: three strips that open the pedestal window, one that opens the FMS.
inline constexpr Rect kPanelStrips[3] = {{0, 358, 480, 6}, {0, 792, 480, 8}, {474, 364, 6, 428}};
inline constexpr Rect kFmsWindowArea{0, 0, 18, 50};

// Weather radar screen and its switch.
inline constexpr Rect kRadarScreen{20, 374, 200, 150};
inline constexpr Size kWeatherTextureSize{512, 512};  // repeats every 256 pixels
inline constexpr Rect kRadarSwitch{230, 384, 40, 40};
inline constexpr Size kToggleSize{40, 40};

// EFIS control panel.
inline constexpr Rect kEfisPanel{280, 370, 190, 184};
inline constexpr Rect kMapRangeKnob{290, 380, 60, 40};
inline constexpr Rect kFullArcButtons{360, 380, 100, 24};  // ARC left, MAP right
inline constexpr Rect kGspdTtgButton{360, 412, 100, 24};
inline constexpr Rect kBearing1Knob{290, 450, 60, 40};
inline constexpr Rect kBearing2Knob{360, 450, 60, 40};
inline constexpr Rect kDhAdiDimKnob{290, 508, 60, 40};
inline constexpr Rect kHsiDimKnob{360, 508, 60, 40};
inline constexpr Size kKnobSize{36, 36};
constexpr Point knobAt(Rect r) { return {r.x + (r.w - kKnobSize.width) / 2, r.y + (r.h - kKnobSize.height) / 2}; }

// Audio panel: the transmit selector and seven push-switches.
inline constexpr Rect kTransmitSelect{20, 570, 80, 40};
inline constexpr std::int32_t kAudioRowY = 570;
constexpr Rect audioSwitch(int k) { return {110 + 48 * k, kAudioRowY, 40, 40}; }
inline constexpr int kAudioSwitches = 7;  // COM 1 rcv, COM 2 rcv, VOR 1, VOR 2, DME 1, ADF 1, MKR

// The switch family's images of the pedestal's switches, knobs and buttons.
inline constexpr layout::SwitchImages kRadarSwitchArt{kRadarSwitchId, kRadarSwitchId + 2, layout::SwitchLook::kToggle, 2,
                                                      kToggleSize};
inline constexpr layout::SwitchImages kAudioSwitchArt{kToggleId, kToggleNightId, layout::SwitchLook::kPushButton, 2,
                                                      kToggleSize};
inline constexpr layout::SwitchImages kTransmitSelectArt{kTransmitSelectId, kTransmitSelectNightId,
                                                         layout::SwitchLook::kLeverSideways, 3,
                                                         kTransmitSelect.size()};
inline constexpr layout::SwitchImages kKnobArt{kKnobId, kKnobNightId, layout::SwitchLook::kRotary, kKnobPositions,
                                               kKnobSize};
constexpr layout::Rect familyRect(Rect r) { return {r.x, r.y, r.w, r.h}; }

// A radio head: the active and standby windows, the transfer button between them, the knob.
struct RadioHeadLayout {
  Rect head;
  Rect active;    // digit window
  Rect standby;   // digit window (none on the transponder)
  Rect transfer;  // none on the transponder
  Rect knob;
};
constexpr RadioHeadLayout radioHead(Point at, bool transponder) {
  RadioHeadLayout r{};
  r.head = {at.x, at.y, 215, 78};
  r.active = {at.x + 8, at.y + 22, 72, 26};
  r.standby = transponder ? Rect{} : Rect{at.x + 104, at.y + 22, 72, 26};
  r.transfer = transponder ? Rect{} : Rect{at.x + 83, at.y + 26, 18, 18};
  r.knob = {at.x + 160, at.y + 50, 50, 26};
  if (transponder) r.knob = {at.x + 104, at.y + 22, 60, 40};
  return r;
}
inline constexpr RadioHeadLayout kCom1Head = radioHead({20, 626}, false);
inline constexpr RadioHeadLayout kCom2Head = radioHead({245, 626}, false);
inline constexpr RadioHeadLayout kAdf1Head = radioHead({20, 710}, false);
inline constexpr RadioHeadLayout kTransponderHead = radioHead({245, 710}, true);
inline constexpr Size kTransferSize{18, 18};
inline constexpr std::uint32_t kDigitColour = 0x0000B0FF;  // COLORREF amber
inline constexpr std::uint32_t kDigitBackground = 0x00101010;

// ---- Pedestal_V_RADIO: the same four heads on their own plate ----
inline constexpr Size kRadioBackgroundSize{480, 180};
inline constexpr RadioHeadLayout kVcCom1Head = radioHead({20, 8}, false);
inline constexpr RadioHeadLayout kVcCom2Head = radioHead({245, 8}, false);
inline constexpr RadioHeadLayout kVcAdf1Head = radioHead({20, 94}, false);
inline constexpr RadioHeadLayout kVcTransponderHead = radioHead({245, 94}, true);

// ---- Pedestal_V_WXR: the radar screen and the control panel's seven knobs ----
inline constexpr Size kWxrBackgroundSize{300, 200};
inline constexpr Rect kWxrScreen{10, 10, 140, 110};
// Map range, FULL / ARC, GSPD / TTG, bearing 1, bearing 2, ADI dim, HSI dim.
inline constexpr int kWxrKnobs = 7;
constexpr Rect wxrKnob(int k) {
  return k < 3 ? Rect{160 + 46 * (k % 3), 14, 44, 44} : Rect{12 + 72 * (k - 3), 134, 44, 44};
}
inline constexpr const char* kWxrKnobLegends[kWxrKnobs] = {"RANGE", "ARC", "TTG", "BRG 1", "BRG 2", "ADI", "HSI"};

}  // namespace xaq::gauges::pedestal
