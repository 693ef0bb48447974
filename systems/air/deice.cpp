#include "systems/air/deice.h"

#include <cmath>

namespace xaq::systems {

namespace {

// Sends `event` once while the host's flag differs from what the panel wants; the next cycle's
// sample shows the host's answer.
void follow(bool wanted, bool host, std::uint32_t event, Effects& effects) {
  if (wanted != host) effects.events.trigger(event, 1);
}

std::int64_t wholeSeconds(double s) { return std::isfinite(s) ? static_cast<std::int64_t>(std::floor(s)) : 0; }

}  // namespace

std::int32_t propTimerPhase(std::int32_t timerPosition, std::int64_t t) {
  switch (timerPosition) {
    case 1:
    case 3: {
      const std::int64_t m = ((t % 70) + 70) % 70;
      return m < 10 ? 1 : (m < 20 ? 2 : 0);
    }
    case 2:
    case 4: {
      const std::int64_t m = ((t % 80) + 80) % 80;
      return m < 20 ? 1 : (m < 40 ? 2 : 0);
    }
    default: return 0;
  }
}

void Deice::propellers(const CycleContext& now, const DeiceInputs& in) {
  const PanelSwitchRecord& sw = *in.switches;
  const bool testOn = sw.propDeiceTest != 0;
  // The test switch's start time is taken when it is seen switched on.
  if (testOn && !lastPropTest_) state_.propTestStartS = now.nowS;
  lastPropTest_ = testOn;

  if (!in.onGround) {
    state_.propPhase = propTimerPhase(sw.propDeiceTimer, wholeSeconds(now.nowS));
  } else if (testOn && sw.propDeiceTimer != 0) {
    const std::int64_t since = wholeSeconds(now.nowS - state_.propTestStartS);
    state_.propPhase = static_cast<std::int32_t>(((since % 3) + 3) % 3);
  } else {
    state_.propPhase = 0;
  }
}

void Deice::airframe(const CycleContext& now, const PanelSwitchRecord& sw) {
  DeiceState& s = state_;
  // Turning the auto selector to 1 starts a cycle at once.
  if (sw.airframeAutoDeice == 1 && lastAutoSelector_ != 1) {
    s.airframeStep = 1;
    s.airframeStepStartS = now.nowS;
  }
  lastAutoSelector_ = sw.airframeAutoDeice;

  s.bootGroupShown = 0;
  if (s.airframeStep >= 1 && s.airframeStep <= kSteps) {
    const double inStep = now.nowS - s.airframeStepStartS;
    if (inStep > kGroupShownAfterS) s.bootGroupShown = s.airframeStep;
    if (inStep > kStepS) {
      s.airframeStep = s.airframeStep >= kSteps ? 0 : s.airframeStep + 1;
      s.airframeStepStartS = now.nowS;
    }
  } else {
    s.airframeStep = 0;
    const double waited = now.nowS - s.airframeStepStartS;
    if ((sw.airframeAutoDeice == 1 && waited > kSlowWaitS) || (sw.airframeAutoDeice == 2 && waited > kFastWaitS)) {
      s.airframeStep = 1;
      s.airframeStepStartS = now.nowS;
    }
  }
  if (sw.airframeManualDeice > 1) s.bootGroupShown = sw.airframeManualDeice - 1;
}

void Deice::update(const CycleContext& now, const DeiceInputs& in, Effects& effects) {
  const PanelSwitchRecord& sw = *in.switches;
  propellers(now, in);
  follow(state_.propPhase != 0, in.hostPropDeice, kEventPropDeiceToggle, effects);

  const bool isolated = sw.bootAirIsolateValve != 0;
  state_.bleedSide1 = in.engine1Running || (in.engine2Running && !isolated);
  state_.bleedSide2 = in.engine2Running || (in.engine1Running && !isolated);

  airframe(now, sw);
  const bool bootsInflating = state_.bootGroupShown != 0 && (state_.bleedSide1 || state_.bleedSide2);
  follow(bootsInflating, in.hostAirframeDeice, kEventStructuralDeiceToggle, effects);

  const bool pitotWanted = sw.pitotHeater1 != 0 || sw.pitotHeater2 != 0;
  if (pitotWanted && !in.hostPitotHeat) effects.events.trigger(kEventPitotHeatOn, 1);
  if (!pitotWanted && in.hostPitotHeat) effects.events.trigger(kEventPitotHeatOff, 1);
}

bool airframeDeiceLight(const DeiceState& s, const PanelSwitchRecord& sw, int light) {
  struct Light {
    std::int32_t group;
    int side;
  };
  static constexpr Light kLights[kAirframeDeiceLights] = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 2}, {3, 1}};
  if (light < 0 || light >= kAirframeDeiceLights) return false;
  std::int32_t group = kLights[light].group;
  if (light == 5 && sw.airframeManualDeice != 0) group = 4;
  const bool bleed = kLights[light].side == 1 ? s.bleedSide1 : s.bleedSide2;
  return s.bootGroupShown == group && bleed;
}

}  // namespace xaq::systems
