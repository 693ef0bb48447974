#include "systems/engines/gear_indication.h"

#include <cmath>

namespace xaq::systems {

namespace {

constexpr double kPerTravelUnit = 6.500260010400417e-5;  // 1 / (16384 - 2 * 1000 + 1000)
constexpr double kTransitPerUnit = 0.001;

GearLegIndication legIndication(double d, double handle) {
  GearLegIndication leg;
  leg.positionFraction = (d - kGearLockedBand) * kPerTravelUnit;
  if (d < kGearLockedBand) {
    leg.transit = d * kTransitPerUnit;
  } else if (d <= kGearFullTravel - kGearLockedBand) {
    leg.transit = 1.0;
  } else {
    leg.transit = (kGearFullTravel - d) * kTransitPerUnit;
  }
  leg.unlocked = d > kGearLockedBand && std::fabs(d - handle) > kGearAgreementBand;
  return leg;
}

}  // namespace

void GearIndication::update(const CycleContext& now, const GearInputs& in) {
  state_.disagree = false;
  for (int k = 0; k < 3; ++k) {
    const double d = in.legPosition[k];
    state_.legs[k] = legIndication(d, in.handle);
    // A NaN position disagrees with any handle.
    if (!(std::fabs(d - in.handle) <= kGearAgreementBand)) state_.disagree = true;
  }
  state_.selectedDown = in.handle > kGearAgreementBand;
  // The first cycle only learns where the handle stands: an aircraft that starts with its gear
  // down has not just selected it.
  if (!started_) {
    started_ = true;
    previousSelectedDown_ = state_.selectedDown;
    changedAtS_ = now.nowS - kGearSelectionChangedS;
  }
  if (state_.selectedDown != previousSelectedDown_) changedAtS_ = now.nowS;
  previousSelectedDown_ = state_.selectedDown;
  state_.selectionChanged = now.nowS - changedAtS_ < kGearSelectionChangedS && now.nowS >= changedAtS_;
}

}  // namespace xaq::systems
