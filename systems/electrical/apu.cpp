#include "systems/electrical/apu.h"

#include "common/sound_slots.h"
#include "systems/switches/panel_switch_record.h"

namespace xaq::systems {

namespace {

constexpr double kStartRpmPerSecond = 4.0;
constexpr double kRunDownRpmPerSecond = 5.0;
constexpr double kStarterCutOutPct = 70.0;
constexpr double kAvailablePct = 90.0;
constexpr double kFullPct = 100.0;

}  // namespace

void Apu::update(const CycleContext& now, const ApuInputs& in, Effects& effects) {
  ApuState& s = state_;
  if (s.powerOn && !in.dcPowerAvailable) stop(now.nowS);
  if (!in.onGround) stop(now.nowS);

  const double elapsedS = now.nowS - s.phaseStartS;
  if (s.phase == ApuPhase::kStarting) {
    s.rpmPct = elapsedS * kStartRpmPerSecond;
    if (s.rpmPct >= kStarterCutOutPct) s.starterEngaged = false;
    if (s.rpmPct >= kAvailablePct) s.available = true;
    if (s.rpmPct >= kFullPct) {
      s.rpmPct = kFullPct;
      s.phase = ApuPhase::kRunning;
    }
  } else if (s.phase == ApuPhase::kRunningDown) {
    // A stop during the start runs down from full speed too: the run-down always lasts 20 s.
    s.rpmPct = kFullPct - elapsedS * kRunDownRpmPerSecond;
    if (s.rpmPct <= 0.0) {
      s.rpmPct = 0.0;
      s.phase = ApuPhase::kOff;
    }
  }
  if (s.loadMeterCounter > 0) --s.loadMeterCounter;

  s.outputs.generatorOnLine = s.available && s.generatorSwitch;
  s.outputs.loadDisplayRequest = s.loadMeterCounter > 0;
  s.outputs.starterEngaged = s.starterEngaged;

  sounds_.setVolume(in.soundVolume);
  switch (s.phase) {
    case ApuPhase::kStarting: sounds_.enterStarting(effects.sounds); break;
    case ApuPhase::kRunning: sounds_.enterRunning(effects.sounds); break;
    case ApuPhase::kRunningDown: sounds_.enterStopping(effects.sounds); break;
    case ApuPhase::kOff: break;
  }
}

ApuIndications Apu::indications(bool dcPowerAvailable) const {
  ApuIndications shown;
  if (!dcPowerAvailable) return shown;
  shown.bleedLight = state_.bleedSwitch ? 1 : 0;
  shown.availableLight = state_.available ? 1 : 0;
  if (state_.available) shown.generatorLight = state_.generatorSwitch ? 1 : 2;
  return shown;
}

void Apu::powerSwitch(double nowS, Effects& effects) {
  effects.sounds.play(sound::kPushButtonClick);
  if (!state_.powerOn) {
    state_.powerOn = true;
  } else if (state_.phase != ApuPhase::kOff) {
    stop(nowS);
  } else {
    state_.powerOn = false;
  }
}

void Apu::startSwitch(double nowS, Effects& effects) {
  effects.sounds.play(sound::kPushButtonClick);
  if (!state_.powerOn || state_.phase != ApuPhase::kOff) return;
  state_.phase = ApuPhase::kStarting;
  state_.phaseStartS = nowS;
  state_.starterEngaged = true;
}

void Apu::generatorSwitch(Effects& effects) {
  effects.sounds.play(sound::kPushButtonClick);
  if (state_.available) state_.generatorSwitch = !state_.generatorSwitch;
}

void Apu::bleedSwitch(Effects& effects) {
  effects.sounds.play(sound::kPushButtonClick);
  if (state_.available) state_.bleedSwitch = !state_.bleedSwitch;
}

void Apu::loadMeterSwitch(Effects& effects) {
  effects.sounds.play(sound::kPushButtonClick);
  state_.loadMeterCounter = kMomentaryCycles;
}

void Apu::stop(double nowS) {
  if (state_.phase == ApuPhase::kOff) return;
  state_.phase = ApuPhase::kRunningDown;
  state_.phaseStartS = nowS;
  // A start stopped before the starter cut out disengages it too, or its load would stay on the
  // buses with the APU at rest.
  state_.starterEngaged = false;
  state_.powerOn = false;
  state_.available = false;
  state_.generatorSwitch = false;
  state_.bleedSwitch = false;
}

}  // namespace xaq::systems
