#include "displays/analog/airspeed_bug.h"

#include <algorithm>

namespace xaq::displays {

AirspeedBug::AirspeedBug(const services::SavedState& store)
    : bugKt_(std::clamp(store.fetch("AirspeedBug", kDefaultKt), 0, kMaximumKt)) {}

void AirspeedBug::update(const frame::HostSamples& samples) {
  // Reference speed falls with weight and with flap: 136 kt at 30,000 lb, flaps up.
  double target = 136.0 - (samples.aircraftWeightLb - 30000.0) * 0.0017692307692307693;
  if (samples.flapHandle > 16352.0) {
    target -= 30.0;
  } else if (samples.flapHandle > 12253.0) {
    target -= 22.0;
  }
  speedTargetKt_ = target;
}

void AirspeedBug::stepDown() { bugKt_ = std::max(0, bugKt_ - kStepKt); }

void AirspeedBug::stepUp() { bugKt_ = std::min(kMaximumKt, bugKt_ + kStepKt); }

void AirspeedBug::save(services::SavedState& store) const { store.store("AirspeedBug", bugKt_); }

RmiSources::RmiSources(const services::SavedState& store)
    : left(store.fetch("RMILeftSource", 2) == 1 ? 1 : 2),
      right(store.fetch("RMIRightSource", 1) == 1 ? 1 : 2) {}

void RmiSources::save(services::SavedState& store) const {
  store.store("RMILeftSource", left);
  store.store("RMIRightSource", right);
}

}  // namespace xaq::displays
