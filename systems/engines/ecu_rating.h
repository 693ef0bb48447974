#pragma once
// The engine control units' reference torque for the rating the selector shows, from the
// pressure altitude and the outside temperature.

#include "systems/engines/engines_state.h"

namespace xaq::systems {

struct EcuAir {
  double pressureAltitudeFt = 0;  // host variable 74
  double outsideAirTempC = 15;    // 341
  double standardTempC = 15;      // 800
};

// Percent, held within the rating's limits.
double referenceTorquePct(EcuRating rating, const EcuAir& air);

// The selector's legend: "TOP", "MCP", "MCL", "MCR".
const char* ecuRatingLegend(EcuRating rating);

}  // namespace xaq::systems
