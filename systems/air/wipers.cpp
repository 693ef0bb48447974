#include "systems/air/wipers.h"

#include <algorithm>
#include <cmath>

namespace xaq::systems {

void Wipers::selectMode(std::int32_t mode) {
  const bool known = mode == kWiperStopped || mode == kWiperSlow || mode == kWiperFast || mode == kWiperParking;
  state_.mode = known ? mode : kWiperStopped;
}

void Wipers::sweep(double elapsedS) {
  WiperState& s = state_;
  const double travel = elapsedS * (s.slow ? kSlowStrokesPerS : kFastStrokesPerS);
  if (!s.reversing) {
    s.position = std::min(1.0, s.position + travel);
    if (s.position >= 1.0) s.reversing = true;
    return;
  }
  s.position = std::max(0.0, s.position - travel);
  if (s.position > 0.0) return;
  if (s.parking) {
    // Parked: the blades rest at 0 and the selector's park is done.
    s.running = false;
    s.parking = false;
    s.reversing = false;
    s.mode = kWiperStopped;
  } else {
    s.reversing = false;
  }
}

void Wipers::update(const CycleContext& now, const WiperInputs& in) {
  WiperState& s = state_;
  switch (s.mode) {
    case kWiperSlow:
      s.slow = true;
      s.parking = false;
      s.running = true;
      break;
    case kWiperFast:
      s.slow = false;
      s.running = true;
      break;
    case kWiperParking:
      s.reversing = true;
      s.parking = true;
      s.slow = true;
      s.running = true;
      break;
    default:
      s.running = false;
      break;
  }
  if (!in.dcPowerAvailable) s.running = false;

  const double elapsed = lastStepS_ < 0.0 ? 0.0 : std::max(0.0, now.nowS - lastStepS_);
  lastStepS_ = now.nowS;
  // The stroke that ends in the park position is still written: the add-on sees the blades at 0.
  const bool ran = s.running;
  if (ran && std::isfinite(elapsed)) sweep(elapsed);

  s.linkPosition = std::clamp(std::round(s.position * 16383.0), 0.0, 16383.0) / 16383.0;
  s.writeToLink = ran || startupWrites_ > 0;
  if (startupWrites_ > 0) --startupWrites_;
}

}  // namespace xaq::systems
