// The APU through the cycle: start, run, stop and the run-down, its switches, lights and sounds.

#include "systems/electrical/apu.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "systems/electrical/testing/electrical_bed.h"

namespace xaq::systems {
namespace {

using testing::ElectricalBed;
using Action = xaq::testing::RecordingEffects::SoundAction;
using Request = xaq::testing::RecordingEffects::SoundRequest;

class ApuCycle : public ::testing::TestWithParam<double> {
 protected:
  void SetUp() override {
    bed.givenMainBattery().runCycles(1, dt());
    bed.apu.powerSwitch(bed.now.nowS, bed.doors);
    bed.apu.startSwitch(bed.now.nowS, bed.doors);
  }
  double dt() const { return GetParam(); }
  // Runs to `t` seconds after the start; the checks allow one time step of lateness.
  void runToSecondsAfterStart(double t) { bed.runFor(startS() + t - bed.now.nowS, dt()); }
  double startS() const { return bed.apu.state().phaseStartS; }

  ElectricalBed bed;
};

TEST_P(ApuCycle, TheStarterCutsOutAt17Point5AvailableAt22Point5AndRunningAt25Seconds) {
  runToSecondsAfterStart(17.5 - dt() - 1e-6);
  EXPECT_TRUE(bed.apu.state().starterEngaged);
  EXPECT_TRUE(bed.state().apu.starterEngaged) << "the electrical system sees it a cycle later";
  runToSecondsAfterStart(17.5);
  EXPECT_FALSE(bed.apu.state().starterEngaged);
  runToSecondsAfterStart(22.5 - dt() - 1e-6);
  EXPECT_FALSE(bed.apu.state().available);
  runToSecondsAfterStart(22.5);
  EXPECT_TRUE(bed.apu.state().available);
  EXPECT_EQ(bed.apu.state().phase, ApuPhase::kStarting);
  runToSecondsAfterStart(25.0);
  EXPECT_EQ(bed.apu.state().phase, ApuPhase::kRunning);
  EXPECT_EQ(bed.apu.state().rpmPct, 100.0);
}

TEST_P(ApuCycle, StoppingFromRunningTakesTwentySeconds) {
  runToSecondsAfterStart(30.0);
  bed.apu.generatorSwitch(bed.doors);
  bed.runCycles(2, dt());
  EXPECT_TRUE(bed.state().apu.generatorOnLine);
  for (double v : bed.state().busVolts) EXPECT_EQ(v, 28.0);
  EXPECT_DOUBLE_EQ(bed.state().loads.apuGenerator, 0.7) << "the whole load, batteries relieved";
  EXPECT_EQ(bed.state().loads.mainBattery, 0.0);

  bed.apu.powerSwitch(bed.now.nowS, bed.doors);  // power off while running stops it
  EXPECT_EQ(bed.apu.state().phase, ApuPhase::kRunningDown);
  EXPECT_FALSE(bed.apu.state().available || bed.apu.state().generatorSwitch || bed.apu.state().powerOn);
  runToSecondsAfterStart(20.0 - dt() - 1e-6);
  EXPECT_EQ(bed.apu.state().phase, ApuPhase::kRunningDown);
  runToSecondsAfterStart(20.0);
  EXPECT_EQ(bed.apu.state().phase, ApuPhase::kOff);
  EXPECT_EQ(bed.apu.state().rpmPct, 0.0);
}

TEST_P(ApuCycle, AStopDuringTheStartRunsDownAndReleasesTheStarter) {
  runToSecondsAfterStart(10.0);
  bed.apu.stop(bed.now.nowS);
  EXPECT_EQ(bed.apu.state().phase, ApuPhase::kRunningDown);
  EXPECT_FALSE(bed.apu.state().starterEngaged);
  bed.runCycles(2, dt());
  EXPECT_NEAR(bed.state().loads.mainBattery, 0.7, 1e-12) << "the starter's load is gone";
  bed.apu.startSwitch(bed.now.nowS, bed.doors);
  EXPECT_EQ(bed.apu.state().phase, ApuPhase::kRunningDown) << "no restart while running down";
  runToSecondsAfterStart(20.0);
  EXPECT_EQ(bed.apu.state().phase, ApuPhase::kOff);
}

TEST_P(ApuCycle, LosingDcPowerOrLeavingTheGroundStopsIt) {
  runToSecondsAfterStart(5.0);
  bed.sw.batteryMaster = 0;
  bed.runCycles(1, dt());
  EXPECT_EQ(bed.apu.state().phase, ApuPhase::kRunningDown);

  ElectricalBed air;
  air.givenMainBattery().runCycles(1, dt());
  air.apu.powerSwitch(air.now.nowS, air.doors);
  air.apu.startSwitch(air.now.nowS, air.doors);
  air.in.onGround = false;
  air.runCycles(1, dt());
  EXPECT_EQ(air.apu.state().phase, ApuPhase::kRunningDown);
}

INSTANTIATE_TEST_SUITE_P(TimeSteps, ApuCycle, ::testing::Values(0.028, 0.056, 0.3));

TEST(ApuSwitches, PowerStartGeneratorAndBleedActOnlyWhenTheyMay) {
  ElectricalBed bed;
  bed.givenMainBattery().runCycles(1);
  Apu& apu = bed.apu;
  apu.startSwitch(bed.now.nowS, bed.doors);
  EXPECT_EQ(apu.state().phase, ApuPhase::kOff) << "no start without APU power";
  apu.powerSwitch(bed.now.nowS, bed.doors);
  apu.powerSwitch(bed.now.nowS, bed.doors);
  EXPECT_FALSE(apu.state().powerOn) << "power toggles while the APU is off";
  apu.generatorSwitch(bed.doors);
  apu.bleedSwitch(bed.doors);
  EXPECT_FALSE(apu.state().generatorSwitch || apu.state().bleedSwitch) << "not available yet";
  EXPECT_EQ(std::count(bed.fx.sounds.begin(), bed.fx.sounds.end(), Request{Action::kPlay, 26}), 5);

  apu.loadMeterSwitch(bed.doors);
  bed.runCycles(13);
  EXPECT_TRUE(apu.state().outputs.loadDisplayRequest);
  bed.runCycles(1);
  EXPECT_FALSE(apu.state().outputs.loadDisplayRequest);
}

TEST(ApuIndicationsShown, LightsFollowTheSwitchesOnlyWithPower) {
  ElectricalBed bed;
  bed.givenMainBattery().runCycles(1);
  bed.apu.powerSwitch(bed.now.nowS, bed.doors);
  bed.apu.startSwitch(bed.now.nowS, bed.doors);
  EXPECT_EQ(bed.apu.indications(true).generatorLight, 0);
  bed.runFor(26.0, 0.056);
  EXPECT_EQ(bed.apu.indications(true).availableLight, 1);
  EXPECT_EQ(bed.apu.indications(true).generatorLight, 2);
  bed.apu.generatorSwitch(bed.doors);
  bed.apu.bleedSwitch(bed.doors);
  const ApuIndications on = bed.apu.indications(true);
  EXPECT_EQ(on.generatorLight, 1);
  EXPECT_EQ(on.bleedLight, 1);
  const ApuIndications dark = bed.apu.indications(false);
  EXPECT_EQ(dark.generatorLight + dark.bleedLight + dark.availableLight, 0);
}

TEST(ApuSoundsInTheCycle, StartRunAndShutDownSoundsEachPlayOnce) {
  ElectricalBed bed;
  bed.givenMainBattery().runCycles(1);
  bed.apu.powerSwitch(bed.now.nowS, bed.doors);
  bed.apu.startSwitch(bed.now.nowS, bed.doors);
  bed.runFor(30.0, 0.056);
  bed.apu.stop(bed.now.nowS);
  bed.runFor(25.0, 0.056);
  const auto& s = bed.fx.sounds;
  EXPECT_EQ(std::count(s.begin(), s.end(), Request{Action::kPlay, 30}), 1);
  EXPECT_EQ(std::count(s.begin(), s.end(), Request{Action::kLoop, 31}), 1);
  EXPECT_EQ(std::count(s.begin(), s.end(), Request{Action::kPlay, 32}), 1);
  EXPECT_EQ(std::count(s.begin(), s.end(), Request{Action::kVolume, 30, -300}), 1) << "at the module's volume";
}

TEST(ApuSounds, StartRunStopPlayEachSoundOnceAndSilenceTheEarlierOnes) {
  xaq::testing::RecordingEffects fx;
  ApuSounds apu;
  apu.setVolume(-300);
  apu.enterStarting(fx);
  apu.enterStarting(fx);  // already starting: nothing new
  EXPECT_EQ(fx.sounds, (std::vector<Request>{{Action::kVolume, 30, -300}, {Action::kPlay, 30}}));
  fx.sounds.clear();
  apu.enterRunning(fx);
  apu.enterRunning(fx);
  EXPECT_EQ(fx.sounds, (std::vector<Request>{{Action::kStop, 30}, {Action::kVolume, 30, -10000},
                                             {Action::kVolume, 31, -300}, {Action::kLoop, 31},
                                             {Action::kStop, 30}, {Action::kVolume, 30, -10000}}));
  fx.sounds.clear();
  apu.enterStopping(fx);
  EXPECT_EQ(fx.sounds, (std::vector<Request>{{Action::kStop, 30}, {Action::kVolume, 30, -10000},
                                             {Action::kStop, 31}, {Action::kVolume, 31, -10000},
                                             {Action::kVolume, 32, -300}, {Action::kPlay, 32}}));
  EXPECT_FALSE(apu.starting());
  EXPECT_FALSE(apu.running());
  fx.sounds.clear();
  apu.enterStopping(fx);
  EXPECT_EQ(std::count(fx.sounds.begin(), fx.sounds.end(), Request{Action::kPlay, 32}), 0);
}

TEST(ApuSounds, ASecondStartAndShutDownAreHeardAgain) {
  xaq::testing::RecordingEffects fx;
  ApuSounds apu;
  for (int run = 0; run < 2; ++run) {
    apu.enterStarting(fx);
    apu.enterRunning(fx);
    apu.enterStopping(fx);
  }
  for (const Request r : {Request{Action::kPlay, 30}, Request{Action::kLoop, 31}, Request{Action::kPlay, 32}}) {
    EXPECT_EQ(std::count(fx.sounds.begin(), fx.sounds.end(), r), 2) << r.slot;
  }
}

}  // namespace
}  // namespace xaq::systems
