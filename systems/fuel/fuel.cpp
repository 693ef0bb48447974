#include "systems/fuel/fuel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/format_text.h"
#include "common/rounding.h"
#include "common/sound_slots.h"

namespace xaq::systems {

double tankFraction(std::uint32_t raw) { return raw * kTankFractionPerUnit; }

std::uint32_t tankWord(double fraction) {
  const double units = fraction * kTankUnitsPerFraction;
  if (!(units > 0.0)) return 0;
  if (units >= 4294967295.0) return 4294967295u;
  return static_cast<std::uint32_t>(units);
}

void Fuel::toggleAuxPump(int pump, Effects& effects) {
  if (pump != 1 && pump != 2) return;
  std::int32_t& sw = pump == 1 ? state_.auxPump1 : state_.auxPump2;
  sw = sw != 0 ? 0 : 1;
  effects.sounds.play(sound::kSwitchClick);
}

void Fuel::transferLeft(Effects& effects) {
  if (state_.transfer == FuelTransfer::kOff) state_.transfer = FuelTransfer::kToTank1;
  else if (state_.transfer == FuelTransfer::kToTank2) state_.transfer = FuelTransfer::kOff;
  effects.sounds.play(sound::kSwitchClick);
}

void Fuel::transferRight(Effects& effects) {
  if (state_.transfer == FuelTransfer::kOff) state_.transfer = FuelTransfer::kToTank2;
  else if (state_.transfer == FuelTransfer::kToTank1) state_.transfer = FuelTransfer::kOff;
  effects.sounds.play(sound::kSwitchClick);
}

void Fuel::setTransfer(FuelTransfer position, Effects& effects) {
  state_.transfer = position;
  effects.sounds.play(sound::kSwitchClick);
}

void Fuel::pressQuantityTest(Effects& effects) {
  if (state_.testCycles == 0) effects.sounds.play(sound::kPushButtonClick);
  state_.testCycles = kFuelTestCycles;
}

void Fuel::update(const CycleContext& now) {
  const FuelTransfer transfer = state_.transfer;
  state_.pump1Running = state_.auxPump1 != 0 || transfer == FuelTransfer::kToTank2;
  state_.pump2Running = state_.auxPump2 != 0 || transfer == FuelTransfer::kToTank1;
  state_.transferIndication1 = state_.transferIndication2 = transfer != FuelTransfer::kOff;
  if (state_.testCycles > 0) --state_.testCycles;

  if (transfer != FuelTransfer::kOff) {
    // Transfer runs at its rate from the moment the switch leaves off: the time it stood off is
    // not fuel owed. A clock that went back (a reloaded flight) starts the interval again too.
    if (transferLastCycle_ == FuelTransfer::kOff || now.nowS < state_.lastTransferStepS) {
      state_.lastTransferStepS = now.nowS;
    }
    if (now.nowS - state_.lastTransferStepS >= kTransferIntervalS) transferStep(now.nowS);
  }
  transferLastCycle_ = transfer;
}

void Fuel::transferStep(double nowS) {
  const double elapsedS = nowS - state_.lastTransferStepS;
  state_.lastTransferStepS = nowS;
  std::uint32_t raw1 = 0;
  std::uint32_t raw2 = 0;
  // Without the add-on nothing is known about the tanks, and nothing is written back.
  if (!tanks_.read(1, raw1) || !tanks_.read(2, raw2)) return;
  double level1 = tankFraction(raw1);
  double level2 = tankFraction(raw2);
  const double amount = elapsedS * kTransferFractionPerS;
  double& from = state_.transfer == FuelTransfer::kToTank2 ? level1 : level2;
  double& to = state_.transfer == FuelTransfer::kToTank2 ? level2 : level1;
  if (from >= amount && to <= 1.0 - amount) {
    from -= amount;
    to += amount;
  }
  tanks_.write(1, tankWord(level1));
  tanks_.write(2, tankWord(level2));
}

double tankPounds(double tankGallons) { return tankGallons * kPoundsPerGallon; }

double quantityNeedleLb(const FuelState& state, double tankGallons) {
  if (state.testCycles > 0) return kQuantityFullScaleLb;
  const double lb = tankPounds(tankGallons);
  if (!(lb > 0.0)) return 0.0;
  return std::min(lb, kQuantityFullScaleLb);
}

double tankTemperatureC(double outsideAirTempC) {
  const double c = (outsideAirTempC + 20.0) / 2.0;
  if (std::isnan(c)) return 0.0;
  return std::min(c, kTankTemperatureMaxC);
}

namespace {
int shown(double value) {
  if (!std::isfinite(value)) return 0;
  return roundHalfAway(std::clamp(value, -2.0e9, 2.0e9));
}
}  // namespace

void quantityTooltip(double tankGallons, char* out, std::size_t size) {
  if (out == nullptr || size == 0) return;
  formatText(out, size, "Fuel quantity: %d LBs", shown(tankPounds(tankGallons)));
}

void temperatureTooltip(double outsideAirTempC, char* out, std::size_t size) {
  if (out == nullptr || size == 0) return;
  formatText(out, size, "Fuel tank temperature: %d", shown(tankTemperatureC(outsideAirTempC)));
}

void engineFuelTemperatureTooltip(int engine, double outsideAirTempC, char* out, std::size_t size) {
  if (out == nullptr || size == 0) return;
  formatText(out, size, "%s engine fuel temperature: %d\xB0" "C", engine == 1 ? "Left" : "Right",
                shown(tankTemperatureC(outsideAirTempC)));
}

}  // namespace xaq::systems
