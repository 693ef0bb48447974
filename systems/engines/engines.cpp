#include "systems/engines/engines.h"

#include <cmath>

#include "common/light_ids.h"
#include "common/sound_slots.h"
#include "systems/switches/pedestal_levers.h"

namespace xaq::systems {

namespace {

constexpr int kOff = 0;

int selected(const PanelSwitchRecord& s) { return s.engineStartSelect; }

}  // namespace

EngineLights engineLights(const EnginesState& s, bool dcPowerAvailable) {
  EngineLights l;
  if (!dcPowerAvailable) return l;
  for (int e = 0; e < 2; ++e) {
    if (s.bypassTransitCycles[e] <= 0) l.bypassDoor[e] = !s.bypassDoorOpen[e] ? 1 : (s.bypassHeater[e] ? 3 : 2);
    l.ecuMode[e] = s.ecuManual[e] ? 2 : 1;
  }
  l.autofeather = s.autofeatherDisplay;
  l.start = static_cast<int>(s.startIndicator);
  return l;
}

bool Engines::startBusTooLow() const {
  const int sel = selected(switches_.state());
  return (sel == 1 && electrical_.volts(DcBus::kLeftMain) < kStartMinimumBusVolts) ||
         (sel == 2 && electrical_.volts(DcBus::kRightMain) < kStartMinimumBusVolts);
}

void Engines::endStart() {
  switches_.engineStartSelectOff();
  state_.startRunning = false;
  state_.startFinished = true;
}

void Engines::startSwitch() {
  if (selected(switches_.state()) == kOff) return;
  state_.startRunning = true;
  if (startBusTooLow()) endStart();
}

bool Engines::takeStartFinished() {
  const bool finished = state_.startFinished;
  state_.startFinished = false;
  return finished;
}

void Engines::update(const CycleContext& now, const EnginesInputs& in, Effects& effects) {
  for (int e = 0; e < 2; ++e) {
    state_.turning[e] = in.conditionLever[e] > kFuelLeverTurningAbove;
    state_.oilTempC[e] = in.oilTemperature[e] * kOilTempPerHostUnit;
  }
  runStart(in, effects);
  keepIgnition(in, effects);

  for (int e = 0; e < 2; ++e) {
    if (state_.bypassTransitCycles[e] > 0) --state_.bypassTransitCycles[e];
    state_.bypassHeater[e] =
        state_.bypassDoorOpen[e] && in.running[e] && in.air.outsideAirTempC <= kBypassHeaterBelowC;
  }
  lastAir_ = in.air;
  runEcu(now);
  runFeathering(in, effects);
  showLights(in, effects);
}

void Engines::runStart(const EnginesInputs& in, Effects& effects) {
  // The starter drops out when its bus sags or the knob is turned back to OFF.
  if (startBusTooLow()) state_.startRunning = false;
  const int sel = selected(switches_.state());
  if (state_.startRunning && sel == kOff) state_.startRunning = false;
  state_.startIndicator = sel == kOff ? StartIndicator::kNoEngineSelected
                          : state_.startRunning ? StartIndicator::kStartRunning
                                                : StartIndicator::kEngineSelected;
  if (state_.startRunning) effects.events.trigger(kStarterEvent[sel - 1], 1);
  if (sel != kOff && in.running[sel - 1]) endStart();
}

void Engines::keepIgnition(const EnginesInputs& in, Effects& effects) {
  const std::int32_t ignition[2] = {switches_.state().ignitionControl1, switches_.state().ignitionControl2};
  for (int e = 0; e < 2; ++e) {
    // The host's only handle on light-off is its engine-failure flag: an engine that is not
    // running is kept failed unless the ignition is wanted, and a running engine is left alone so
    // that the end of its start does not put it out.
    if (in.running[e]) continue;
    const bool wanted = ignition[e] == 0 && state_.startRunning && state_.turning[e];
    if (in.hostEngineFailed[e] == wanted) effects.events.trigger(kEngineFailureToggleEvent[e], 1);
  }
}

void Engines::runEcu(const CycleContext& now) {
  // A clock that went back (a reloaded flight) counts as time passed.
  if (now.nowS - lastRatingS_ > 1.0 || now.nowS < lastRatingS_) {
    state_.referenceTorquePct = referenceTorquePct(state_.ecuRating, lastAir_);
    lastRatingS_ = now.nowS;
  }
}

void Engines::runFeathering(const EnginesInputs& in, Effects& effects) {
  for (int e = 0; e < 2; ++e) {
    if (state_.autofeatherTestCycles[e] > 0) --state_.autofeatherTestCycles[e];
    if (state_.alternateFeather[e] > 0) --state_.alternateFeather[e];
    if (state_.alternateFeather[e] < 0) ++state_.alternateFeather[e];
  }
  state_.autofeatherDisplay = !in.autofeatherSwitch                                       ? 0
                              : (!in.propAutofeatherArmed[0] && !in.propAutofeatherArmed[1]) ? 1
                                                                                           : 3;
  for (int e = 0; e < 2; ++e) {
    if (in.propAutofeatherArmed[e] && !in.onGround && !in.running[e] && !(in.propLever[e] < 0.0)) {
      effects.events.trigger(kPropLeverSetEvent[e], static_cast<std::uint32_t>(kConditionLeverFeather));
    }
  }
}

void Engines::showLights(const EnginesInputs& in, Effects& effects) {
  effects.lights.show(lights::caution::kEng1Manual, state_.ecuManual[0]);
  effects.lights.show(lights::caution::kEng2Manual, state_.ecuManual[1]);
  effects.lights.show(lights::warning::kEng1OilPress, in.oilPressurePsi[0] < kOilPressureWarningPsi);
  effects.lights.show(lights::warning::kEng2OilPress, in.oilPressurePsi[1] < kOilPressureWarningPsi);
}

void Engines::stepEcuRating(int direction, Effects& effects) {
  const std::int32_t next = static_cast<std::int32_t>(state_.ecuRating) + direction;
  if (next < 0 || next > kLastEcuRating) return;
  state_.ecuRating = static_cast<EcuRating>(next);
  state_.referenceTorquePct = referenceTorquePct(state_.ecuRating, lastAir_);
  effects.sounds.play(sound::kSwitchClick);
}

void Engines::ecuRatingDown(Effects& effects) { stepEcuRating(-1, effects); }
void Engines::ecuRatingUp(Effects& effects) { stepEcuRating(+1, effects); }

void Engines::toggleEcuMode(int engine, Effects& effects) {
  if (engine < 0 || engine > 1) return;
  state_.ecuManual[engine] = !state_.ecuManual[engine];
  effects.sounds.play(sound::kPushButtonClick);
}

void Engines::toggleBypassDoor(int engine, Effects& effects) {
  if (engine < 0 || engine > 1) return;
  state_.bypassDoorOpen[engine] = !state_.bypassDoorOpen[engine];
  state_.bypassTransitCycles[engine] = kBypassTransitCycles;
  effects.sounds.play(sound::kPushButtonClick);
}

void Engines::autofeatherArm(Effects& effects) {
  effects.events.trigger(kAutofeatherArmEvent, 1);
  effects.sounds.play(sound::kPushButtonClick);
}

void Engines::autofeatherTest(int engine, Effects& effects) {
  if (engine < 0 || engine > 1 || state_.autofeatherTestCycles[engine] != 0) return;
  state_.autofeatherTestCycles[engine] = kFeatherSwitchCycles;
  effects.sounds.play(sound::kSwitchClick);
}

void Engines::alternateFeather(int engine, int direction, Effects& effects) {
  if (engine < 0 || engine > 1) return;
  state_.alternateFeather[engine] = direction > 0 ? kFeatherSwitchCycles : -kFeatherSwitchCycles;
  effects.sounds.play(sound::kSwitchClick);
}

}  // namespace xaq::systems
