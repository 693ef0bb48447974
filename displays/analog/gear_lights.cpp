#include "displays/analog/gear_lights.h"

namespace xaq::displays {

std::int32_t gearLightImage(double p, double q, bool unlocked, bool powered) {
  constexpr double kTravelled = 0.99, kTransit = 0.01;
  if (!powered) return 0;
  // Comparisons are strict both ways, so a value exactly at a threshold (or not a number)
  // satisfies neither side.
  const bool down = p > kTravelled, short_ = p < kTravelled;
  const bool transitLit = q > kTransit, transitDark = q < kTransit;
  if (!unlocked) {
    if (down && transitDark) return 1;
    if (short_ && transitLit) return 2;
    if (down && transitLit) return 3;
    return 0;
  }
  return short_ && transitLit ? 4 : 0;
}

}  // namespace xaq::displays
