#pragma once
// The attitude directors' pointers as value callbacks: the flight director's pitch and roll bars,
// the localizer (or the flight management's cross-track), the glideslope and the fast/slow
// pointer. The electromechanical director and the drawn director's virtual-cockpit twin take
// their values from the same sources; each gauge names its own limiters, and the twin hides its
// pointers without instrument power as its screen goes dark.

#include <algorithm>

#include "displays/analog/attitude_director.h"
#include "frame/aircraft_state.h"
#include "gauges/instruments/hsi_inputs.h"
#include "gauges/instruments/instrument_kit.h"
#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges::instruments {

// What a pointer shows: whether it is in view and the value it aims at.
using PointerSource = displays::DeviationPointer (*)(const frame::AircraftState& a);

inline displays::DeviationPointer pitchBarPointer(const frame::AircraftState& a) {
  const displays::FlightDirectorBars b = displays::flightDirectorBars(flightDirectorInputs(a));
  return {b.shown, b.pitchBar};
}

inline displays::DeviationPointer rollBarPointer(const frame::AircraftState& a) {
  const displays::FlightDirectorBars b = displays::flightDirectorBars(flightDirectorInputs(a));
  return {b.shown, b.rollBar};
}

inline displays::DeviationPointer localizerPointer(const frame::AircraftState& a) {
  return displays::lateralDeviation(lateralDeviationInputs(a));
}

// The glideslope receiver's deviation; in view while the receiver has the beam.
inline displays::DeviationPointer glideslopePointer(const frame::AircraftState& a) {
  return {a.link.samples.glideslopeReceived, std::clamp(a.link.samples.glideslopeDeviation, -127.0, 127.0)};
}

inline displays::DeviationPointer fastSlowPointer(const frame::AircraftState& a) {
  return {true, displays::fastSlowKt(a.link.samples.indicatedAirspeedKt, a.airspeedBug.speedTargetKt())};
}

// `Source`, out of view while the instrument bus is unpowered.
template <PointerSource Source>
displays::DeviationPointer poweredPointer(const frame::AircraftState& a) {
  displays::DeviationPointer p = Source(a);
  p.shown = p.shown && instrumentPower(a);
  return p;
}

// A pointer's value callback: `Source`'s value through `Limiter`, the element hidden while the
// source has it out of view. The limiter keeps following while the pointer is hidden, so it
// comes back into view where its value is.
template <PointerSource Source, auto& Limiter>
double XAQ_HOSTCALL slewedPointer(abi::ElementHeader* element) {
  const frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  const displays::DeviationPointer p = Source(*a);
  setHidden(element, !p.shown);
  return followTarget(Limiter, *a, p.value);
}

}  // namespace xaq::gauges::instruments
