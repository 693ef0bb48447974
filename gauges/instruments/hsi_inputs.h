#pragma once
// The HSI's and the ADI's shared view of the aircraft: the navigation inputs from the sampled
// receivers and the flight management.

#include "displays/analog/attitude_director.h"
#include "displays/analog/hsi_values.h"
#include "frame/aircraft_state.h"
#include "gauges/instruments/instrument_kit.h"

namespace xaq::gauges::instruments {

bool fmsIsNavigationSource(const frame::AircraftState& a);
displays::HsiInputs hsiInputs(const frame::AircraftState& a, double headingDeg);
displays::LateralDeviationInputs lateralDeviationInputs(const frame::AircraftState& a);
// The flight guidance's commands against the sampled attitude, for the director's bars.
displays::FlightDirectorInputs flightDirectorInputs(const frame::AircraftState& a);

}  // namespace xaq::gauges::instruments
