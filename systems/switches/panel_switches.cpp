#include "systems/switches/panel_switches.h"

#include <algorithm>
#include <cmath>

namespace xaq::systems {

namespace {

struct Selector {
  SwitchField field;
  int last;
};

// Every switch with more than two positions; all others are 0/1.
constexpr Selector kSelectors[] = {
    {&PanelSwitchRecord::busVoltageMonitor, 5},  {&PanelSwitchRecord::loadMonitor, 3},
    {&PanelSwitchRecord::inverterSelector, 2},   {&PanelSwitchRecord::phaseSelector, 5},
    {&PanelSwitchRecord::auxInverter, 2},        {&PanelSwitchRecord::airframeAutoDeice, 2},
    {&PanelSwitchRecord::airframeManualDeice, 7}, {&PanelSwitchRecord::propDeiceTimer, 4},
    {&PanelSwitchRecord::windshieldHeater, 2},   {&PanelSwitchRecord::windshieldWiper, 3},
    {&PanelSwitchRecord::stormLighting, 2},      {&PanelSwitchRecord::ignitionControl1, 2},
    {&PanelSwitchRecord::ignitionControl2, 2},   {&PanelSwitchRecord::engineStartSelect, 2},
    {&PanelSwitchRecord::cabinAltitudeMode, 2},  {&PanelSwitchRecord::antiCollisionLight, 2},
    {&PanelSwitchRecord::packControl1, 2},       {&PanelSwitchRecord::packControl2, 2},
    {&PanelSwitchRecord::emergencyLights, 2},
};

constexpr SwitchField kMomentaries[] = {
    &PanelSwitchRecord::busFaultReset, &PanelSwitchRecord::dcMeterTest,
    &PanelSwitchRecord::acMeterTest,   &PanelSwitchRecord::batteryTempTest,
    &PanelSwitchRecord::flightDataRecorderTest,
};

constexpr SwitchField kSprings[] = {&PanelSwitchRecord::cabinTempManual,
                                    &PanelSwitchRecord::flightCompartmentTempManual};

// The cold-and-dark start's switches, in the order they are put off.
constexpr SwitchField kDarkCockpitOff[] = {
    &PanelSwitchRecord::auxBattery,        &PanelSwitchRecord::mainBattery,
    &PanelSwitchRecord::batteryMaster,     &PanelSwitchRecord::generatorControl1,
    &PanelSwitchRecord::generatorControl2, &PanelSwitchRecord::acGenerator1,
    &PanelSwitchRecord::acGenerator2,      &PanelSwitchRecord::primaryInverter,
    &PanelSwitchRecord::secondaryInverter, &PanelSwitchRecord::pitotHeater1,
    &PanelSwitchRecord::pitotHeater2,      &PanelSwitchRecord::recirculationFan,
    &PanelSwitchRecord::bleedAirControl1,  &PanelSwitchRecord::bleedAirControl2,
    &PanelSwitchRecord::packControl1,      &PanelSwitchRecord::packControl2,
    &PanelSwitchRecord::emergencyLights,
};
static_assert(std::size(kDarkCockpitOff) == 17);

// The propeller de-ice timer's positions from left to right.
constexpr std::int32_t kPropTimerOrder[] = {4, 3, 0, 1, 2};

int propTimerSlot(std::int32_t position) {
  for (int i = 0; i < 5; ++i) {
    if (kPropTimerOrder[i] == position) return i;
  }
  return 2;  // an unknown position counts as the centre
}

}  // namespace

double stepWithin(double value, int direction, double step, double low, double high) {
  const int sign = direction > 0 ? 1 : (direction < 0 ? -1 : 0);
  return std::clamp(std::round((value + sign * step) * 1e6) / 1e6, low, high);
}

int lastPosition(SwitchField field) {
  for (const Selector& s : kSelectors) {
    if (s.field == field) return s.last;
  }
  return 1;
}

void HeldPanelControls::cabinAltitudeStep(int direction) {
  selectedCabinAltitudeFt = stepWithin(selectedCabinAltitudeFt, direction, 100.0, -1000.0, 10000.0);
}

void HeldPanelControls::barometricCorrectionStep(int direction) {
  barometricCorrectionInHg = stepWithin(barometricCorrectionInHg, direction, 0.1, 28.0, 32.0);
}

void HeldPanelControls::cabinAltitudeManualStep(int direction) {
  manualRateControl = stepWithin(manualRateControl, direction, 0.02, 0.0, 1.0);
}

void PanelSwitches::moveTo(SwitchField field, std::int32_t position, Effects& effects) {
  record_.*field = position;
  effects.sounds.play(sound::kSwitchClick);
}

void PanelSwitches::toggle(SwitchField field, Effects& effects) {
  moveTo(field, record_.*field != 0 ? 0 : 1, effects);
}

void PanelSwitches::toggleSign(SwitchField field, bool dcPowerAvailable, Effects& effects) {
  toggle(field, effects);
  if (dcPowerAvailable) effects.sounds.play(sound::kSeat);
}

void PanelSwitches::stepDown(SwitchField field, Effects& effects) {
  const std::int32_t position = record_.*field;
  const bool wraps = field == &PanelSwitchRecord::airframeManualDeice;
  if (position > 0) {
    moveTo(field, std::min(position - 1, lastPosition(field)), effects);
  } else if (wraps) {
    moveTo(field, lastPosition(field), effects);
  }
}

void PanelSwitches::stepUp(SwitchField field, Effects& effects) {
  const std::int32_t position = record_.*field;
  const int last = lastPosition(field);
  const bool wraps = field == &PanelSwitchRecord::airframeManualDeice;
  if (position < last) {
    moveTo(field, std::max(position + 1, 0), effects);
  } else if (wraps) {
    moveTo(field, 0, effects);
  }
}

void PanelSwitches::press(SwitchField field, int soundSlot, Effects& effects) {
  record_.*field = kMomentaryCycles;
  effects.sounds.play(soundSlot);
}

void PanelSwitches::pushSpring(SwitchField field, int direction, Effects& effects) {
  record_.*field = direction < 0 ? -kSpringTravel : kSpringTravel;
  effects.sounds.play(sound::kSwitchClick);
}

void PanelSwitches::threeWayLeft(SwitchField field, Effects& effects) {
  const std::int32_t p = record_.*field;
  if (p == 0) moveTo(field, 1, effects);
  if (p == 2) moveTo(field, 0, effects);
}

void PanelSwitches::threeWayRight(SwitchField field, Effects& effects) {
  const std::int32_t p = record_.*field;
  if (p == 0) moveTo(field, 2, effects);
  if (p == 1) moveTo(field, 0, effects);
}

void PanelSwitches::auxInverterLeft(Effects& effects) { threeWayLeft(&PanelSwitchRecord::auxInverter, effects); }
void PanelSwitches::auxInverterRight(Effects& effects) { threeWayRight(&PanelSwitchRecord::auxInverter, effects); }
void PanelSwitches::engineStartSelectLeft(Effects& effects) {
  threeWayLeft(&PanelSwitchRecord::engineStartSelect, effects);
}
void PanelSwitches::engineStartSelectRight(Effects& effects) {
  threeWayRight(&PanelSwitchRecord::engineStartSelect, effects);
}

void PanelSwitches::propDeiceTimerLeft(Effects& effects) {
  const int slot = propTimerSlot(record_.propDeiceTimer);
  if (slot > 0) moveTo(&PanelSwitchRecord::propDeiceTimer, kPropTimerOrder[slot - 1], effects);
}

void PanelSwitches::propDeiceTimerRight(Effects& effects) {
  const int slot = propTimerSlot(record_.propDeiceTimer);
  if (slot < 4) moveTo(&PanelSwitchRecord::propDeiceTimer, kPropTimerOrder[slot + 1], effects);
}

void PanelSwitches::wiperDown(Effects& effects) {
  if (record_.windshieldWiper <= 0) return;
  stepDown(&PanelSwitchRecord::windshieldWiper, effects);
  const std::int32_t p = record_.windshieldWiper;
  controls_->wiperMode(p == 0 ? kWiperPark : p - 1);
}

void PanelSwitches::wiperUp(Effects& effects) {
  if (record_.windshieldWiper >= lastPosition(&PanelSwitchRecord::windshieldWiper)) return;
  stepUp(&PanelSwitchRecord::windshieldWiper, effects);
  controls_->wiperMode(record_.windshieldWiper - 1);
}

void PanelSwitches::antiCollisionUpper(const HostLights& host, Effects& effects) {
  const std::int32_t p = record_.antiCollisionLight;
  if (p == 0) {
    moveTo(&PanelSwitchRecord::antiCollisionLight, 2, effects);
    if (host.strobe) effects.events.trigger(kEventToggleStrobe, 1);
    if (!host.beacon) effects.events.trigger(kEventToggleBeacon, 1);
  } else if (p == 1) {
    moveTo(&PanelSwitchRecord::antiCollisionLight, 0, effects);
    if (host.strobe) effects.events.trigger(kEventToggleStrobe, 1);
    if (host.beacon) effects.events.trigger(kEventToggleBeacon, 1);
  }
}

void PanelSwitches::antiCollisionLower(const HostLights& host, Effects& effects) {
  const std::int32_t p = record_.antiCollisionLight;
  if (p == 0) {
    moveTo(&PanelSwitchRecord::antiCollisionLight, 1, effects);
    if (!host.strobe) effects.events.trigger(kEventToggleStrobe, 1);
    if (host.beacon) effects.events.trigger(kEventToggleBeacon, 1);
  } else if (p == 2) {
    moveTo(&PanelSwitchRecord::antiCollisionLight, 0, effects);
    if (host.strobe) effects.events.trigger(kEventToggleStrobe, 1);
    if (host.beacon) effects.events.trigger(kEventToggleBeacon, 1);
  }
}

void PanelSwitches::engineStart(Effects& effects) {
  effects.sounds.play(sound::kPushButtonClick);
  controls_->engineStart();
}

void PanelSwitches::cabinAltitudeStep(int direction, Effects& effects) {
  effects.sounds.play(sound::kSwitchClick);
  controls_->cabinAltitudeStep(direction);
}

void PanelSwitches::barometricCorrectionStep(int direction, Effects& effects) {
  effects.sounds.play(sound::kSwitchClick);
  controls_->barometricCorrectionStep(direction);
}

void PanelSwitches::cabinAltitudeManualStep(int direction, Effects& effects) {
  effects.sounds.play(sound::kSwitchClick);
  controls_->cabinAltitudeManualStep(direction);
}

void PanelSwitches::update(const CycleContext& now, Effects& effects) {
  for (SwitchField f : kMomentaries) {
    if (record_.*f > 0) --(record_.*f);
  }
  for (SwitchField f : kSprings) {
    if (record_.*f > 0) --(record_.*f);
    if (record_.*f < 0) ++(record_.*f);
  }
  if (lighting_ != nullptr) lighting_->synchronise(now, record_, effects);
}

void PanelSwitches::switchOff() {
  for (SwitchField f : kDarkCockpitOff) record_.*f = 0;
}

}  // namespace xaq::systems
