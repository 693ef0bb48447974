#pragma once
// The gear panel's three position lights: which of the five images each leg's light shows,
// from that leg's indication (how far it has travelled, its transit light, its unlocked flag).

#include <cstdint>

namespace xaq::displays {

// 0 dark, 1 down and locked, 2 in transit, 3 down with the transit light still on, 4 in
// transit and unlocked. Any other combination, and a value standing exactly on a threshold,
// leaves the light dark.
std::int32_t gearLightImage(double positionFraction, double transit, bool unlocked, bool powered);

}  // namespace xaq::displays
