#include "systems/engines/ecu_rating.h"

#include <algorithm>
#include <cmath>

namespace xaq::systems {

double referenceTorquePct(EcuRating rating, const EcuAir& air) {
  const double a = air.pressureAltitudeFt;
  const double t = air.outsideAirTempC;
  const double d = t - air.standardTempC;  // deviation from the standard atmosphere
  double torque = 0, lower = 0, upper = 0;
  switch (rating) {
    case EcuRating::kTop:
      torque = (2500.0 - a) * 0.004 + 87.0 - (t - 30.0) * 8.0, lower = 79, upper = 90;
      break;
    case EcuRating::kMcp:
      torque = 82.0 - (a - 12000.0) * 0.004 - d * (10.0 / 17.0), lower = 67, upper = 90;
      break;
    case EcuRating::kMcl:
      torque = 89.0 - (a - 11000.0) * 0.003 - d * (5.0 / 6.0), lower = 47, upper = 96;
      break;
    case EcuRating::kMcr:
      torque = 82.0 - (a - 16000.0) * 0.0035 - d * (5.0 / 6.0), lower = 47, upper = 96;
      break;
  }
  // A host that hands in no number leaves the rating at its lower limit rather than at NaN.
  if (!std::isfinite(torque)) return lower;
  return std::clamp(torque, lower, upper);
}

const char* ecuRatingLegend(EcuRating rating) {
  switch (rating) {
    case EcuRating::kTop: return "TOP";
    case EcuRating::kMcp: return "MCP";
    case EcuRating::kMcl: return "MCL";
    case EcuRating::kMcr: return "MCR";
  }
  return "";
}

}  // namespace xaq::systems
