#pragma once
// The airspeed bug setting and the speed target the fast/slow pointers show.

#include "frame/host_samples.h"
#include "services/saved_state.h"

namespace xaq::displays {

class AirspeedBug {
 public:
  static constexpr int kDefaultKt = 180;
  static constexpr int kStepKt = 5;
  static constexpr int kMaximumKt = 400;

  explicit AirspeedBug(const services::SavedState& store);

  // Once per cycle: the speed target from the aircraft weight and the flap handle.
  void update(const frame::HostSamples& samples);

  void stepDown();
  void stepUp();
  void save(services::SavedState& store) const;

  int bugKt() const { return bugKt_; }
  double speedTargetKt() const { return speedTargetKt_; }

 private:
  int bugKt_;
  double speedTargetKt_ = 0.0;
};

// Which receiver each RMI needle follows (1 or 2).
struct RmiSources {
  explicit RmiSources(const services::SavedState& store);
  void save(services::SavedState& store) const;

  int left;
  int right;
};

}  // namespace xaq::displays
