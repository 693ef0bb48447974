#pragma once
// What the pedestal's callbacks compute, apart from the tables: the radio windows' texts, the
// knobs' effects, where the lever handles stand and which knob position the images show.

#include <array>
#include <cstdint>

#include "common/effects.h"
#include "displays/glareshield/efis_controls.h"
#include "frame/abi/host_abi.h"
#include "frame/module_lifecycle.h"
#include "gauges/kit/gauge_kit.h"
#include "gauges/kit/text_memo.h"
#include "gauges/pedestal/pedestal_layout.h"
#include "systems/switches/radios.h"
#include "systems/switches/weather_radar.h"

namespace xaq::gauges::pedestal {

// The left button turns the inner knob, the right button the outer one.
void turnRadioKnob(systems::Radios& radios, systems::Radio r, int direction, bool outer, Effects& fx);

enum class Window { kActive, kStandby };
// What a digit window shows, as numbers: the frequency's two fields (the transponder: its code).
struct RadioWindowValue {
  std::int32_t whole = 0;
  std::int32_t part = 0;
};
RadioWindowValue radioWindowValue(const systems::RadiosState& s, systems::Radio r, Window w);
// A digit window's text: blank without DC power (and where the head has no such window).
std::array<char, 8> radioWindowText(systems::Radio r, Window w, RadioWindowValue v, bool powered);

// A digit window's value callback, the same on the pedestal's radios and the NAV heads: the text
// is made again only when the window's numbers or the power have changed.
template <systems::Radio R, Window W>
double XAQ_HOSTCALL radioWindow(abi::ElementHeader* element) {
  const frame::AircraftState* a = frame::aircraft();
  auto* s = abi::elementAs<abi::StringElement>(element);
  if (a == nullptr) {
    writeText(s, "");
    return 0.0;
  }
  static TextMemo<bool, std::int32_t, std::int32_t> memo;
  const bool powered = a->electrical.state().dcPowerAvailable;
  const RadioWindowValue v = radioWindowValue(a->radios.state(), R, W);
  writeText(s, memo.text([&] { return radioWindowText(R, W, v, powered); }, powered, v.whole, v.part));
  return 0.0;
}
bool transferPressed(const systems::RadiosState& s, systems::Radio r);

enum class EfisControl { kMapRange, kArc, kMap, kTimeToGo, kBearing1, kBearing2, kDhOrAdiDim, kHsiDim };
// One click on an EFIS control (the right button on the DH knob dims the attitude display), with
// its click.
void operateEfis(displays::EfisControls& efis, EfisControl c, int direction, bool rightButton, SoundDoor& sounds);

// The knob images' positions (0 ... 7): map range, FULL / ARC, GSPD / TTG, bearing 1, bearing 2,
// ADI dim, HSI dim.
int efisKnobPosition(const displays::EfisSettings& s, int knob);

// The weather picture of `level` shows while powered, the radar is on and the level is current.
bool weatherShown(const systems::WeatherRadarState& s, bool powered, int level);

// How far below the top of its slot each handle stands, in pixels.
double powerHandleOffset(double leverValue);           // -8191 ... 16383
double conditionHandleOffset(double propLever);        // -4096 ... 16384
double flapHandleOffset(double flapHandle);            // 0 ... 16383
double trimPointerOffset(double trim);                 // -16383 ... 16383, nose up moves it up

// A handle at the top of its slot, centred across it.
constexpr abi::PixPoint handleTop(Rect slot, layout::Size handle) { return {slot.x + (slot.w - handle.width) / 2, slot.y}; }

}  // namespace xaq::gauges::pedestal
