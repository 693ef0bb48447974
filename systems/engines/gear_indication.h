#pragma once
// The landing-gear indication the gear panel shows: for each leg how far it has travelled, how
// much of its transit light to show and whether it is unlocked, and for the handle whether it
// asks for the gear down, disagrees with a leg, or has just been moved.

#include <array>

#include "common/cycle_context.h"

namespace xaq::systems {

inline constexpr double kGearFullTravel = 16384.0;  // host units
inline constexpr double kGearLockedBand = 1000.0;    // the travel's first and last host units
inline constexpr double kGearAgreementBand = 20.0;
inline constexpr double kGearSelectionChangedS = 0.3;

enum class GearLeg { kLeft = 0, kRight = 1, kNose = 2 };

struct GearInputs {
  std::array<double, 3> legPosition{};  // host variables 333, 334, 332: 0 up ... 16384 down
  double handle = 0;                    // 331
};

struct GearLegIndication {
  double positionFraction = 0;  // (d - 1000) / 15384
  double transit = 0;           // 0 ... 1: rises over the first 1000 units, falls over the last
  bool unlocked = false;
};

struct GearIndicationState {
  std::array<GearLegIndication, 3> legs{};
  bool selectedDown = false;
  bool disagree = false;
  bool selectionChanged = false;  // for 0.3 s after the handle moves across
};

class GearIndication {
 public:
  void update(const CycleContext& now, const GearInputs& in);
  const GearIndicationState& state() const { return state_; }
  const GearLegIndication& leg(GearLeg l) const { return state_.legs[static_cast<int>(l)]; }

 private:
  GearIndicationState state_;
  bool previousSelectedDown_ = false;
  bool started_ = false;
  double changedAtS_ = 0;
};

}  // namespace xaq::systems
