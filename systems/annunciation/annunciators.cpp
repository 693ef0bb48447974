#include "systems/annunciation/annunciators.h"

#include <cmath>

namespace xaq::systems {

namespace {

constexpr double kTailStrikePitchDeg = 10.0;
constexpr double kTankLowLb = 130.0;
constexpr double kParkingBrakeSet = 0.1;

}  // namespace

bool AnnunciatorState::lit(int light) const {
  if (lights::isCaution(light)) return cautions[static_cast<std::size_t>(light)];
  if (lights::isWarning(light)) return warnings[static_cast<std::size_t>(lights::warningIndex(light))];
  return false;
}

void Annunciators::set(int light) {
  bool* cell = nullptr;
  bool* master = nullptr;
  if (lights::isCaution(light)) {
    cell = &state_.cautions[static_cast<std::size_t>(light)];
    master = &state_.masterCaution;
  } else if (lights::isWarning(light)) {
    cell = &state_.warnings[static_cast<std::size_t>(lights::warningIndex(light))];
    master = &state_.masterWarning;
  }
  if (cell == nullptr || *cell || state_.suppressionCycles > 0) return;
  *cell = true;
  *master = true;
}

void Annunciators::clear(int light) {
  if (lights::isCaution(light)) state_.cautions[static_cast<std::size_t>(light)] = false;
  if (lights::isWarning(light)) state_.warnings[static_cast<std::size_t>(lights::warningIndex(light))] = false;
}

void Annunciators::update(const CycleContext&, const AnnunciatorInputs& in) {
  if (state_.suppressionCycles > 0) --state_.suppressionCycles;

  if (in.onGround && in.pitchUpDeg >= kTailStrikePitchDeg) state_.touchedRunwayLatch = true;
  show(lights::warning::kTouchedRunway, state_.touchedRunwayLatch);
  show(lights::warning::kPassDoor, in.passengerDoorOpen);
  show(lights::caution::kTank1FuelLow, in.tank1FuelLb < kTankLowLb);
  show(lights::caution::kTank2FuelLow, in.tank2FuelLb < kTankLowLb);
  show(lights::caution::kParkingBrake, in.parkingBrake > kParkingBrakeSet);
}

int masterFlashFrame(double simTimeS) {
  if (!std::isfinite(simTimeS)) return 0;
  // Half away from zero, as every shown number; fmod keeps huge clocks out of integer overflow.
  const double ticks = std::round(simTimeS * 6.0);
  return std::fmod(std::fabs(ticks), 2.0) >= 1.0 ? 1 : 0;
}

}  // namespace xaq::systems
