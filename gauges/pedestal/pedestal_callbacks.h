#pragma once
// What the pedestal's callbacks compute, apart from the tables: the radio windows' texts, the
// knobs' effects, where the lever handles stand and which knob position the images show.

#include <cstdint>

#include "common/effects.h"
#include "displays/glareshield/efis_controls.h"
#include "frame/abi/host_abi.h"
#include "gauges/pedestal/pedestal_layout.h"
#include "systems/switches/radios.h"
#include "systems/switches/weather_radar.h"

namespace xaq::gauges::pedestal {

// The left button turns the inner knob, the right button the outer one.
void turnRadioKnob(systems::Radios& radios, systems::Radio r, int direction, bool outer, Effects& fx);

enum class Window { kActive, kStandby };
// A digit window's text: blank without DC power (and where the head has no such window).
void radioWindowText(const systems::RadiosState& s, systems::Radio r, Window w, bool powered, char (&out)[8]);
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
