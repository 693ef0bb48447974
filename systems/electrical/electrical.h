#pragma once
// The electrical system: overhead switch positions, the engines' gas-generator speeds, the APU
// and ground power in; six DC buses, the AC generators and inverters, source loads, battery
// temperatures and the DC power flag out, once per cycle. It also keeps the host's master and
// avionics switches and its hydraulic state in step, and decides the electrical and hydraulic
// cautions.

#include <array>

#include "common/cycle_context.h"
#include "common/effects.h"
#include "common/slew_limiter.h"
#include "systems/electrical/electrical_state.h"
#include "systems/switches/panel_switch_record.h"

namespace xaq::systems {

struct ElectricalInputs {
  const PanelSwitchRecord* switches = nullptr;  // never null when updating
  std::array<double, 2> gasGeneratorPct{};      // NH, host variables 624 / 643
  std::array<bool, 2> engineRunning{};          // 131 / 166
  double indicatedAirspeedKt = 0;               // 61
  double parkingBrake = 0;                      // 323
  bool onGround = false;                        // 60
  double outsideAirTempC = 0;                   // the battery temperature's ambient (350)
  bool hostBatteryMaster = false;               // 364
  bool hostAvionicsMaster = false;              // 740
  double hostHydraulicAvailable = 0;            // 824
  ApuOutputs apuLastCycle;                      // the APU updates later in the cycle
};

class Electrical {
 public:
  void update(const CycleContext& now, const ElectricalInputs& in, Effects& effects);
  const ElectricalState& state() const { return state_; }

 private:
  ElectricalState state_;
  SlewLimiter mainBatteryTemp_{0.1, 25.0};
  SlewLimiter auxBatteryTemp_{0.1, 25.0};
};

}  // namespace xaq::systems
