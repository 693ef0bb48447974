// The panel switches through a small bed: clicks as the gauges make them, cycles as the frame
// runs them, and what they played and sent.

#include "systems/switches/panel_switches.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/testing/recording_effects.h"

namespace xaq::systems {
namespace {

using R = PanelSwitchRecord;

class SwitchBed {
 public:
  const PanelSwitchRecord& s() const { return switches.state(); }
  Effects& fx() { return effects_; }

  // Clicks a selector down or up n times.
  void down(SwitchField f, int n = 1) {
    for (int i = 0; i < n; ++i) switches.stepDown(f, effects_);
  }
  void up(SwitchField f, int n = 1) {
    for (int i = 0; i < n; ++i) switches.stepUp(f, effects_);
  }

  // Runs cycles of dtS seconds each.
  void runCycles(int n, double dtS) {
    for (int i = 0; i < n; ++i) {
      now_.nowS += dtS;
      now_.dtS = dtS;
      switches.update(now_, effects_);
    }
  }

  int plays(int slot) const {
    int count = 0;
    for (const auto& r : recorder.sounds) {
      if (r.action == testing::RecordingEffects::SoundAction::kPlay && r.slot == slot) ++count;
    }
    return count;
  }
  void forget() {
    recorder.sounds.clear();
    recorder.events.clear();
  }

  PanelSwitches switches;
  testing::RecordingEffects recorder;

 private:
  Effects effects_{recorder, recorder, recorder};
  CycleContext now_;
};

TEST(PanelSwitchSelectors, StopAtTheirEndsSilentlyAndClickOnEveryStepBetween) {
  SwitchBed bed;
  bed.up(&R::busVoltageMonitor, 5);
  EXPECT_EQ(bed.s().busVoltageMonitor, 5);
  EXPECT_EQ(bed.plays(sound::kSwitchClick), 5);
  bed.forget();
  bed.up(&R::busVoltageMonitor);
  EXPECT_EQ(bed.s().busVoltageMonitor, 5);
  EXPECT_EQ(bed.plays(sound::kSwitchClick), 0) << "a selector at its end makes no sound";

  bed.down(&R::busVoltageMonitor, 5);
  EXPECT_EQ(bed.s().busVoltageMonitor, 0);
  bed.forget();
  bed.down(&R::busVoltageMonitor);
  EXPECT_EQ(bed.s().busVoltageMonitor, 0);
  EXPECT_TRUE(bed.recorder.sounds.empty());
}

TEST(PanelSwitchSelectors, EachStopsAtItsOwnLastPosition) {
  struct Case {
    SwitchField field;
    int last;
  };
  const Case cases[] = {{&R::loadMonitor, 3},        {&R::inverterSelector, 2}, {&R::phaseSelector, 5},
                        {&R::airframeAutoDeice, 2},  {&R::windshieldHeater, 2}, {&R::stormLighting, 2},
                        {&R::ignitionControl1, 2},   {&R::ignitionControl2, 2}, {&R::engineStartSelect, 2},
                        {&R::cabinAltitudeMode, 2},  {&R::packControl1, 2},     {&R::packControl2, 2},
                        {&R::emergencyLights, 2},    {&R::mainBattery, 1}};
  for (const Case& c : cases) {
    SwitchBed bed;
    bed.down(c.field, 3);
    EXPECT_EQ(bed.s().*c.field, 0);
    bed.up(c.field, 8);
    EXPECT_EQ(bed.s().*c.field, c.last);
  }
}

TEST(PanelSwitchSelectors, TheAirframeManualDeiceSelectorGoesRoundBothWays) {
  SwitchBed bed;
  bed.down(&R::airframeManualDeice);
  EXPECT_EQ(bed.s().airframeManualDeice, 7);
  bed.up(&R::airframeManualDeice);
  EXPECT_EQ(bed.s().airframeManualDeice, 0);
  bed.up(&R::airframeManualDeice, 7);
  EXPECT_EQ(bed.s().airframeManualDeice, 7);
  bed.up(&R::airframeManualDeice);
  EXPECT_EQ(bed.s().airframeManualDeice, 0);
  EXPECT_EQ(bed.plays(sound::kSwitchClick), 10) << "the wrap is a step like any other";
}

TEST(PanelSwitchToggles, FlipAndClick) {
  SwitchBed bed;
  bed.switches.toggle(&R::mainBusTie, bed.fx());
  EXPECT_EQ(bed.s().mainBusTie, 1);
  bed.switches.toggle(&R::mainBusTie, bed.fx());
  EXPECT_EQ(bed.s().mainBusTie, 0);
  EXPECT_EQ(bed.plays(sound::kSwitchClick), 2);
}

TEST(PanelSwitchToggles, TheCabinSignsChimeOnlyWhileThePanelHasPower) {
  SwitchBed bed;
  bed.switches.toggleSign(&R::seatBeltsSign, true, bed.fx());
  EXPECT_EQ(bed.s().seatBeltsSign, 1);
  EXPECT_EQ(bed.plays(sound::kSwitchClick), 1);
  EXPECT_EQ(bed.plays(sound::kSeat), 1);
  bed.forget();
  bed.switches.toggleSign(&R::noSmokingSign, false, bed.fx());
  EXPECT_EQ(bed.s().noSmokingSign, 1);
  EXPECT_EQ(bed.plays(sound::kSwitchClick), 1);
  EXPECT_EQ(bed.plays(sound::kSeat), 0);
}

TEST(PanelSwitchThreePositionRules, TheAuxiliaryInverterLeavesAnEndOnlyThroughTheCentre) {
  SwitchBed bed;
  bed.switches.auxInverterLeft(bed.fx());
  EXPECT_EQ(bed.s().auxInverter, 1);
  bed.switches.auxInverterLeft(bed.fx());
  EXPECT_EQ(bed.s().auxInverter, 1) << "left from 1 does nothing";
  bed.switches.auxInverterRight(bed.fx());
  EXPECT_EQ(bed.s().auxInverter, 0);
  bed.switches.auxInverterRight(bed.fx());
  EXPECT_EQ(bed.s().auxInverter, 2);
  bed.switches.auxInverterRight(bed.fx());
  EXPECT_EQ(bed.s().auxInverter, 2) << "right from 2 does nothing";
  bed.switches.auxInverterLeft(bed.fx());
  EXPECT_EQ(bed.s().auxInverter, 0);
  EXPECT_EQ(bed.plays(sound::kSwitchClick), 4) << "only the four moves click";
}

TEST(PanelSwitchThreePositionRules, ThePropellerTimerReadsFourThreeZeroOneTwoFromLeftToRight) {
  SwitchBed bed;
  std::vector<int> seen;
  for (int i = 0; i < 3; ++i) {
    bed.switches.propDeiceTimerLeft(bed.fx());
    seen.push_back(bed.s().propDeiceTimer);
  }
  EXPECT_EQ(seen, (std::vector<int>{3, 4, 4}));
  seen.clear();
  for (int i = 0; i < 5; ++i) {
    bed.switches.propDeiceTimerRight(bed.fx());
    seen.push_back(bed.s().propDeiceTimer);
  }
  EXPECT_EQ(seen, (std::vector<int>{3, 0, 1, 2, 2}));
  EXPECT_EQ(bed.plays(sound::kSwitchClick), 6);
}

TEST(PanelSwitchThreePositionRules, TheAntiCollisionSwitchSetsTheHostLightsToMatch) {
  using Events = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
  SwitchBed bed;
  // Up from off: beacon; the strobe was on at the host, so it goes off too.
  bed.switches.antiCollisionUpper({true, false}, bed.fx());
  EXPECT_EQ(bed.s().antiCollisionLight, 2);
  EXPECT_EQ(bed.recorder.events, (Events{{kEventToggleStrobe, 1}, {kEventToggleBeacon, 1}}));
  bed.forget();
  bed.switches.antiCollisionUpper({false, true}, bed.fx());
  EXPECT_EQ(bed.s().antiCollisionLight, 2) << "the upper half does nothing from the beacon position";
  EXPECT_TRUE(bed.recorder.events.empty());
  bed.switches.antiCollisionLower({false, true}, bed.fx());
  EXPECT_EQ(bed.s().antiCollisionLight, 0);
  EXPECT_EQ(bed.recorder.events, (Events{{kEventToggleBeacon, 1}}));
  bed.forget();
  bed.switches.antiCollisionLower({false, false}, bed.fx());
  EXPECT_EQ(bed.s().antiCollisionLight, 1);
  EXPECT_EQ(bed.recorder.events, (Events{{kEventToggleStrobe, 1}}));
  bed.forget();
  bed.switches.antiCollisionUpper({true, false}, bed.fx());
  EXPECT_EQ(bed.s().antiCollisionLight, 0);
  EXPECT_EQ(bed.recorder.events, (Events{{kEventToggleStrobe, 1}}));
}

class PanelSwitchMomentaries : public ::testing::TestWithParam<double> {};

TEST_P(PanelSwitchMomentaries, StayPressedFourteenCyclesWhateverTheTimeStep) {
  SwitchBed bed;
  bed.switches.press(&R::dcMeterTest, sound::kPushButtonClick, bed.fx());
  bed.switches.press(&R::busFaultReset, sound::kSwitchClick, bed.fx());
  EXPECT_EQ(bed.plays(sound::kPushButtonClick), 1);
  EXPECT_EQ(bed.plays(sound::kSwitchClick), 1);
  bed.runCycles(13, GetParam());
  EXPECT_EQ(bed.s().dcMeterTest, 1) << "still pressed after 13 cycles";
  EXPECT_EQ(bed.s().busFaultReset, 1);
  bed.runCycles(1, GetParam());
  EXPECT_EQ(bed.s().dcMeterTest, 0);
  bed.runCycles(3, GetParam());
  EXPECT_EQ(bed.s().dcMeterTest, 0) << "a released switch stays at 0";
}

TEST_P(PanelSwitchMomentaries, SpringsReturnOneStepACycleFromEitherSide) {
  SwitchBed bed;
  bed.switches.pushSpring(&R::cabinTempManual, +1, bed.fx());
  bed.switches.pushSpring(&R::flightCompartmentTempManual, -1, bed.fx());
  EXPECT_EQ(bed.s().cabinTempManual, 14);
  EXPECT_EQ(bed.s().flightCompartmentTempManual, -14);
  bed.runCycles(1, GetParam());
  EXPECT_EQ(bed.s().cabinTempManual, 13);
  EXPECT_EQ(bed.s().flightCompartmentTempManual, -13);
  bed.runCycles(13, GetParam());
  EXPECT_EQ(bed.s().cabinTempManual, 0);
  EXPECT_EQ(bed.s().flightCompartmentTempManual, 0);
  bed.runCycles(2, GetParam());
  EXPECT_EQ(bed.s().cabinTempManual, 0) << "no overshoot past the centre";
  EXPECT_EQ(bed.s().flightCompartmentTempManual, 0);
}

INSTANTIATE_TEST_SUITE_P(TimeSteps, PanelSwitchMomentaries, ::testing::Values(0.028, 0.056, 0.3, 6.0));

struct CountingSync final : LightingSynchronisation {
  void synchronise(const CycleContext& now, PanelSwitchRecord& s, Effects&) override {
    ++calls;
    lastTimeS = now.nowS;
    testCounterSeen = s.acMeterTest;
    s.antiCollisionLight = 1;  // the host's strobe is on
  }
  int calls = 0;
  double lastTimeS = 0;
  int testCounterSeen = -1;
};

TEST(PanelSwitchUpdate, HandsTheRecordToTheLightingAfterTheMomentariesHaveMoved) {
  SwitchBed bed;
  CountingSync sync;
  bed.switches.connectLighting(&sync);
  bed.switches.press(&R::acMeterTest, sound::kPushButtonClick, bed.fx());
  bed.runCycles(2, 0.056);
  EXPECT_EQ(sync.calls, 2);
  EXPECT_NEAR(sync.lastTimeS, 0.112, 1e-12);
  EXPECT_EQ(sync.testCounterSeen, 12);
  EXPECT_EQ(bed.s().antiCollisionLight, 1) << "the lighting may move the switch to follow the host";
  bed.switches.connectLighting(nullptr);
  bed.runCycles(1, 0.056);
  EXPECT_EQ(sync.calls, 2);
}

TEST(PanelSwitchHandOns, EngineStartAndTheCabinKnobsReachTheirSystemWithTheirClick) {
  SwitchBed bed;
  bed.switches.engineStart(bed.fx());
  EXPECT_EQ(bed.switches.heldControls().engineStartPresses, 1);
  EXPECT_EQ(bed.plays(sound::kPushButtonClick), 1);

  for (int i = 0; i < 200; ++i) bed.switches.cabinAltitudeStep(+1, bed.fx());
  EXPECT_DOUBLE_EQ(bed.switches.heldControls().selectedCabinAltitudeFt, 10000.0);
  for (int i = 0; i < 200; ++i) bed.switches.cabinAltitudeStep(-1, bed.fx());
  EXPECT_DOUBLE_EQ(bed.switches.heldControls().selectedCabinAltitudeFt, -1000.0);

  for (int i = 0; i < 8; ++i) bed.switches.barometricCorrectionStep(+1, bed.fx());
  EXPECT_DOUBLE_EQ(bed.switches.heldControls().barometricCorrectionInHg, 30.72);
  for (int i = 0; i < 60; ++i) bed.switches.barometricCorrectionStep(-1, bed.fx());
  EXPECT_DOUBLE_EQ(bed.switches.heldControls().barometricCorrectionInHg, 28.0);

  for (int i = 0; i < 51; ++i) bed.switches.cabinAltitudeManualStep(+1, bed.fx());
  EXPECT_DOUBLE_EQ(bed.switches.heldControls().manualRateControl, 1.0);
  bed.switches.cabinAltitudeManualStep(-1, bed.fx());
  EXPECT_DOUBLE_EQ(bed.switches.heldControls().manualRateControl, 0.98);

  struct Owner final : PanelControlHandler {
    void engineStart() override { ++starts; }
    void cabinAltitudeStep(int d) override { steps += d; }
    void barometricCorrectionStep(int) override {}
    void cabinAltitudeManualStep(int) override {}
    void wiperMode(int) override {}
    int starts = 0;
    int steps = 0;
  } owner;
  bed.switches.connectControls(&owner);
  bed.switches.engineStart(bed.fx());
  bed.switches.cabinAltitudeStep(-1, bed.fx());
  EXPECT_EQ(owner.starts, 1);
  EXPECT_EQ(owner.steps, -1);
  EXPECT_EQ(bed.switches.heldControls().engineStartPresses, 1) << "the owner took the press";
}

TEST(PanelSwitchHandOns, TheWiperSelectorTellsTheWiperItsModeAndParksAtZero) {
  SwitchBed bed;
  std::vector<int> modes;
  auto mode = [&] { modes.push_back(bed.switches.heldControls().wiperModeSelected); };
  for (int i = 0; i < 4; ++i) {
    bed.switches.wiperUp(bed.fx());
    mode();
  }
  EXPECT_EQ(bed.s().windshieldWiper, 3);
  EXPECT_EQ(modes, (std::vector<int>{0, 1, 2, 2}));
  modes.clear();
  for (int i = 0; i < 4; ++i) {
    bed.switches.wiperDown(bed.fx());
    mode();
  }
  EXPECT_EQ(bed.s().windshieldWiper, 0);
  EXPECT_EQ(modes, (std::vector<int>{1, 0, kWiperPark, kWiperPark}));
  EXPECT_EQ(bed.plays(sound::kSwitchClick), 6) << "no click at either end";
}

TEST(PanelSwitchDarkCockpit, PutsItsSeventeenSwitchesOffAndLeavesTheRest) {
  SwitchBed bed;
  bed.up(&R::emergencyLights);
  bed.switches.toggle(&R::wingInspectionLight, bed.fx());
  bed.switches.switchOff();
  const PanelSwitchRecord& s = bed.s();
  for (int v : {s.auxBattery, s.mainBattery, s.batteryMaster, s.generatorControl1, s.generatorControl2,
                s.acGenerator1, s.acGenerator2, s.primaryInverter, s.secondaryInverter, s.pitotHeater1,
                s.pitotHeater2, s.recirculationFan, s.bleedAirControl1, s.bleedAirControl2, s.packControl1,
                s.packControl2, s.emergencyLights}) {
    EXPECT_EQ(v, 0);
  }
  EXPECT_EQ(s.wingInspectionLight, 1);
  EXPECT_TRUE(bed.recorder.sounds.size() == 2u) << "the start-up makes no sound of its own";
}

}  // namespace
}  // namespace xaq::systems
