#pragma once
// The value, tooltip and knob callbacks of the air-data and standby instruments. A gauge and its
// twins name the same callbacks, so they share each needle's limiter and show the same values.

#include <cmath>
#include <cstdint>

#include "displays/analog/air_data.h"
#include "displays/analog/air_data_texts.h"
#include "gauges/instruments/air_data_layout.h"
#include "gauges/instruments/instrument_kit.h"

namespace xaq::gauges::air_data {

using frame::AircraftState;
using instruments::hostVariable;
using instruments::slewedHeading;
using instruments::slewedNeedle;

// ---- what each needle aims at ----

inline double airspeedTarget(const AircraftState&, abi::ElementHeader* e) {
  return displays::airspeedNeedleKt(hostValue(e));
}
inline double vmoTarget(const AircraftState&, abi::ElementHeader* e) { return displays::vmoKt(hostValue(e)); }
inline double bugTarget(const AircraftState& a, abi::ElementHeader*) { return a.airspeedBug.bugKt(); }
inline double bugKnobTarget(const AircraftState& a, abi::ElementHeader*) {
  return displays::bugKnobAngleDeg(a.airspeedBug.bugKt());
}
// The altimeters' needles follow the altitude itself and show it within one turn, so a needle
// passing a thousand feet turns on rather than unwinding the whole dial.
inline double wholeFeetTarget(const AircraftState&, abi::ElementHeader* e) { return std::trunc(hostValue(e)); }
inline double vsiTarget(const AircraftState&, abi::ElementHeader* e) { return displays::vsiNeedleFpm(hostValue(e)); }
inline double turnTarget(const AircraftState&, abi::ElementHeader* e) { return displays::turnNeedle(hostValue(e)); }
inline double rudderTarget(const AircraftState&, abi::ElementHeader* e) {
  return displays::rudderNeedle(hostValue(e));
}
template <displays::SpoilerPanel Panel>
double spoilerTarget(const AircraftState& a, abi::ElementHeader* e) {
  return displays::spoilerNeedle(Panel, hostValue(e), a.link.samples.indicatedAirspeedKt);
}

// ---- value callbacks ----

inline constexpr auto airspeedNeedle = &slewedNeedle<&airspeedTarget>;
inline constexpr auto vmoNeedle = &slewedNeedle<&vmoTarget>;
inline constexpr auto bugNeedle = &slewedNeedle<&bugTarget>;
inline constexpr auto bugKnobNeedle = &slewedHeading<&bugKnobTarget>;
inline constexpr auto vsiNeedle = &slewedNeedle<&vsiTarget>;
inline constexpr auto turnNeedle = &slewedNeedle<&turnTarget>;
inline constexpr auto rudderNeedle = &slewedNeedle<&rudderTarget>;
template <displays::SpoilerPanel Panel>
inline constexpr auto spoilerNeedle = &slewedNeedle<&spoilerTarget<Panel>>;

// The altitude through its limiter, shown within one turn (both altimeters look up the same
// altitude, so they share it).
inline double XAQ_HOSTCALL altitudeNeedle(abi::ElementHeader* e) {
  return displays::withinOneTurnFt(slewedNeedle<&wholeFeetTarget>(e));
}

double XAQ_HOSTCALL speedStrip(abi::ElementHeader* e);
template <int Index>
double XAQ_HOSTCALL altitudeDrum(abi::ElementHeader* e);
double XAQ_HOSTCALL ballPosition(abi::ElementHeader* e);
double XAQ_HOSTCALL altitudeAlertLight(abi::ElementHeader* e);
double XAQ_HOSTCALL compassCard(abi::ElementHeader* e);

// The baro windows (the elements look up 75 and 76).
double XAQ_HOSTCALL millibarsWindow(abi::ElementHeader* e);
double XAQ_HOSTCALL inchesWindow(abi::ElementHeader* e);

// ---- tooltips ----

inline constexpr abi::TooltipTextCallback airspeedTooltip =
    &instruments::hostValueTooltip<64, &displays::airspeedTooltip>;
inline constexpr abi::TooltipTextCallback altimeterTooltip =
    &instruments::hostValueTooltip<64, &displays::altimeterTooltip>;
inline constexpr abi::TooltipTextCallback standbyAltimeterTooltip =
    &instruments::hostValueTooltip<64, &displays::standbyAltimeterTooltip>;
inline constexpr abi::TooltipTextCallback baroTooltip = &instruments::hostValueTooltip<64, &displays::baroTooltip>;
inline constexpr abi::TooltipTextCallback verticalSpeedTooltip =
    &instruments::hostValueTooltip<64, &displays::verticalSpeedTooltip>;

// ---- knobs ----

template <int Direction>
std::int32_t XAQ_HOSTCALL turnBugKnob(abi::PixPoint*, std::uint32_t) {
  if (AircraftState* a = aircraft()) Direction < 0 ? a->airspeedBug.stepDown() : a->airspeedBug.stepUp();
  return 0;
}

template <int Direction>
std::int32_t XAQ_HOSTCALL turnBaroKnob(abi::PixPoint*, std::uint32_t) {
  if (AircraftState* a = aircraft()) {
    Effects e = a->effects();
    displays::turnBaroKnob(Direction, e.events);
  }
  return 0;
}

inline constexpr std::uint32_t kKnobFlags = abi::kMouseLeftSingle | abi::kMouseRepeat;

// ---- elements the kit has no shorthand for ----

// A drum or strip moved along y by `callback`, whose record looks up `variableId`.
constexpr abi::MovingImageElement verticalStrip(abi::GaugeHeader* gauge, std::uint32_t stripId, Point at,
                                                std::uint32_t variableId, double maximum, abi::ValueCallback callback) {
  abi::MovingImageElement e = movingImage(gauge, stripId, pix(at), {}, nullptr, {0.0, maximum}, callback);
  e.yVariable = variable(variableId);
  return e;
}

constexpr abi::NeedleElement needleAbout(abi::GaugeHeader* gauge, std::uint32_t bitmapId, Point pivot, Size size,
                                         Point bitmapPivot, std::uint32_t variableId, abi::ValueCallback callback,
                                         abi::ScalePoint* scale, std::size_t scaleCount) {
  return needle(gauge, NeedleLayout{bitmapId, pivot, size, bitmapPivot}, variableId, callback, scale, scaleCount);
}

}  // namespace xaq::gauges::air_data
