#include "displays/analog/airspeed_bug.h"

#include <algorithm>

namespace xaq::displays {

AirspeedBug::AirspeedBug(const services::SavedState& store) {
  state_.bugKt = std::clamp(store.fetch("AirspeedBug", kDefaultKt), 0, kMaximumKt);
}

void AirspeedBug::update(const CycleContext&, const AirspeedBugInputs& in) {
  // Reference speed falls with weight and with flap: 136 kt at 30,000 lb, flaps up.
  double target = 136.0 - (in.aircraftWeightLb - 30000.0) * 0.0017692307692307693;
  if (in.flapHandle > 16352.0) {
    target -= 30.0;
  } else if (in.flapHandle > 12253.0) {
    target -= 22.0;
  }
  state_.speedTargetKt = target;
}

void AirspeedBug::stepDown() { state_.bugKt = std::max(0, state_.bugKt - kStepKt); }

void AirspeedBug::stepUp() { state_.bugKt = std::min(kMaximumKt, state_.bugKt + kStepKt); }

void AirspeedBug::save(services::SavedState& store) const { store.store("AirspeedBug", state_.bugKt); }

RmiSources::RmiSources(const services::SavedState& store)
    : left(store.fetch("RMILeftSource", 2) == 1 ? 1 : 2),
      right(store.fetch("RMIRightSource", 1) == 1 ? 1 : 2) {}

void RmiSources::save(services::SavedState& store) const {
  store.store("RMILeftSource", left);
  store.store("RMIRightSource", right);
}

}  // namespace xaq::displays
