#pragma once
// The airspeed bug setting and the speed target the fast/slow pointers show.

#include "common/cycle_context.h"
#include "services/saved_state.h"

namespace xaq::displays {

struct AirspeedBugInputs {
  double aircraftWeightLb = 0.0;
  double flapHandle = 0.0;  // the host's flap handle, 0 .. 16383
};

struct AirspeedBugState {
  int bugKt = 0;
  double speedTargetKt = 0.0;  // what the fast/slow pointers compare the airspeed with
};

class AirspeedBug {
 public:
  static constexpr int kDefaultKt = 180;
  static constexpr int kStepKt = 5;
  static constexpr int kMaximumKt = 400;

  explicit AirspeedBug(const services::SavedState& store);

  // Once per cycle: the speed target from the aircraft weight and the flap handle.
  void update(const CycleContext& now, const AirspeedBugInputs& in);

  void stepDown();
  void stepUp();
  void save(services::SavedState& store) const;

  const AirspeedBugState& state() const { return state_; }
  int bugKt() const { return state_.bugKt; }
  double speedTargetKt() const { return state_.speedTargetKt; }

 private:
  AirspeedBugState state_;
};

// Which receiver each RMI needle follows (1 or 2).
struct RmiSources {
  explicit RmiSources(const services::SavedState& store);
  void save(services::SavedState& store) const;

  int left;
  int right;
};

}  // namespace xaq::displays
