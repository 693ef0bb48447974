#pragma once
// Two free-turbine turboprops as the host simulates them: the starter spins the gas generator,
// fuel lights it unless the engine has failed (the host's failure flag, which also puts it out), it settles at ground idle near 65 % NH, the power lever sets the
// gas-generator speed and the propeller governor holds the speed set by the propeller lever.

#include "simhost/world.h"

namespace xaq::sim {

struct EngineLimits {
  static constexpr double kIdleNhPct = 65.0;
  static constexpr double kStarterNhPct = 25.0;
  static constexpr double kLightOffNhPct = 12.0;
  static constexpr double kMaxShaftHp = 2150.0;
  static constexpr double kMaxGovernedRpm = 1200.0;
  static constexpr double kMinGovernedRpm = 900.0;
  static constexpr double kStarterHoldSeconds = 1.0;  // after each starter command
};

// Advances both engines by dtSeconds and sets their thrust for the flight model.
void stepEngines(World& world, double dtSeconds);

// The starter command: keeps the starter turning for a moment after each command.
void commandStarter(World& world, int engine);

}  // namespace xaq::sim
