#include "gauges/pedestal/pedestal_callbacks.h"

#include <cmath>
#include <cstring>

#include "common/rounding.h"
#include "systems/switches/pedestal_levers.h"

namespace xaq::gauges::pedestal {

namespace {


// value from `top` to `bottom` (either way round) onto 0 ... travel pixels, held within them.
double slotOffset(double value, double top, double bottom, double travel) {
  if (!std::isfinite(value)) return travel;
  double f = (value - top) / (bottom - top);
  if (f < 0.0) f = 0.0;
  if (f > 1.0) f = 1.0;
  return f * travel;
}

int held(int v, int highest) { return v < 0 ? 0 : v > highest ? highest : v; }

}  // namespace

void turnRadioKnob(systems::Radios& radios, systems::Radio r, int direction, bool outer, Effects& fx) {
  if (outer) {
    direction > 0 ? radios.outerUp(r, fx) : radios.outerDown(r, fx);
  } else {
    direction > 0 ? radios.innerUp(r, fx) : radios.innerDown(r, fx);
  }
}

RadioWindowValue radioWindowValue(const systems::RadiosState& s, systems::Radio r, Window w) {
  using systems::Radio;
  if (r == Radio::kTransponder) return {s.transponderCode, 0};
  if (r == Radio::kAdf1 || r == Radio::kAdf2) {
    const systems::AdfHead& h = s.adf[r == Radio::kAdf2 ? 1 : 0];
    const systems::AdfFrequency& f = w == Window::kActive ? h.active : h.standby;
    return {f.khz, f.tenths};
  }
  const systems::ComNavHead& h = s.comNav[static_cast<std::size_t>(r)];
  const systems::ComNavFrequency& f = w == Window::kActive ? h.active : h.standby;
  return {f.mhz, f.hundredths};
}

std::array<char, 8> radioWindowText(systems::Radio r, Window w, RadioWindowValue v, bool powered) {
  char out[8] = "";
  using systems::Radio;
  if (!powered) {
    // blank
  } else if (r == Radio::kTransponder) {
    if (w == Window::kActive) systems::transponderText(v.whole, out);
  } else if (r == Radio::kAdf1 || r == Radio::kAdf2) {
    systems::adfText({v.whole, v.part}, out);
  } else {
    systems::comNavText({v.whole, v.part}, out);
  }
  std::array<char, 8> text{};
  std::memcpy(text.data(), out, sizeof out);
  return text;
}

bool transferPressed(const systems::RadiosState& s, systems::Radio r) {
  using systems::Radio;
  if (r == Radio::kTransponder) return false;
  if (r == Radio::kAdf1 || r == Radio::kAdf2) return s.adf[r == Radio::kAdf2 ? 1 : 0].transferPressed;
  return s.comNav[static_cast<std::size_t>(r)].transferPressed;
}

void operateEfis(displays::EfisControls& efis, EfisControl c, int direction, bool rightButton, SoundDoor& sounds) {
  switch (c) {
    case EfisControl::kMapRange: efis.stepMapRange(direction); break;
    case EfisControl::kArc: efis.pressArc(); break;
    case EfisControl::kMap: efis.pressMap(); break;
    case EfisControl::kTimeToGo: efis.toggleTimeToGo(); break;
    case EfisControl::kBearing1: efis.stepBearingSource(1, direction); break;
    case EfisControl::kBearing2: efis.stepBearingSource(2, direction); break;
    case EfisControl::kDhOrAdiDim: rightButton ? efis.stepAdiDim(direction) : efis.stepDecisionHeight(direction); break;
    case EfisControl::kHsiDim: efis.stepHsiDim(direction); break;
  }
  const bool button = c == EfisControl::kMapRange || c == EfisControl::kArc || c == EfisControl::kMap ||
                      c == EfisControl::kTimeToGo;
  sounds.play(button ? sound::kPushButtonClick : sound::kSwitchClick);
}

int efisKnobPosition(const displays::EfisSettings& s, int knob) {
  constexpr double kRanges[kKnobPositions] = {5, 10, 20, 25, 50, 100, 200, 300};
  switch (knob) {
    case 0: {
      int k = 0;
      while (k + 1 < kKnobPositions && s.mapRangeNm > kRanges[k] + 0.5) ++k;
      return k;
    }
    case 1: return s.mapOn ? 2 : s.arcMode ? 1 : 0;
    case 2: return s.timeToGo ? 1 : 0;
    case 3: return held(s.bearingSource1, 4);
    case 4: return held(s.bearingSource2, 4);
    case 5: return held(roundHalfAway(s.adiDim * (kKnobPositions - 1)), kKnobPositions - 1);
    case 6: return held(roundHalfAway(s.hsiDim * (kKnobPositions - 1)), kKnobPositions - 1);
    default: return 0;
  }
}

bool weatherShown(const systems::WeatherRadarState& s, bool powered, int level) {
  return powered && s.radarOn && s.level == level;
}

double powerHandleOffset(double v) {
  return slotOffset(v, systems::kPowerLeverFull, systems::kPowerLeverIdle, kPowerTravel - kPowerHandleSize.height);
}

double conditionHandleOffset(double v) {
  return slotOffset(v, systems::kConditionLeverMax, systems::kConditionLeverFeather,
                    kConditionTravel - kConditionHandleSize.height);
}

double flapHandleOffset(double v) { return slotOffset(v, 0.0, 16383.0, kFlapSelector.h - kFlapHandleSize.height); }

double trimPointerOffset(double v) {
  const double half = (kTrimWheel.h - kTrimPointerSize.height) / 2.0;
  return slotOffset(v, 16383.0, -16383.0, 2.0 * half) - half;
}

}  // namespace xaq::gauges::pedestal
