#include "systems/engines/engines.h"

#include <gtest/gtest.h>

#include "common/light_ids.h"
#include "common/sound_slots.h"
#include "systems/engines/testing/engines_bed.h"

namespace xaq::systems {
namespace {

using testing::EnginesBed;

constexpr double kTimeSteps[] = {0.0, 0.028, 0.056, 0.3, 6.0};

TEST(EngineStart, PushingStartWithTheSelectKnobOffDoesNothing) {
  EnginesBed bed;
  bed.pushStart();
  bed.runCycles(5);
  EXPECT_FALSE(bed.engines.state().startRunning);
  EXPECT_FALSE(bed.engines.state().startFinished);
  EXPECT_EQ(bed.eventCount(kStarterEvent[0]) + bed.eventCount(kStarterEvent[1]), 0);
  EXPECT_EQ(bed.engines.state().startIndicator, StartIndicator::kNoEngineSelected);
}

TEST(EngineStart, TheSelectKnobGoesOffEngineOneOrEngineTwoFromEitherSide) {
  EnginesBed bed;
  bed.selectLeft();
  EXPECT_EQ(bed.select(), 1);
  bed.selectLeft();  // 1 stays
  EXPECT_EQ(bed.select(), 1);
  bed.selectRight();
  EXPECT_EQ(bed.select(), 0);
  bed.selectRight();
  EXPECT_EQ(bed.select(), 2);
  bed.selectRight();
  EXPECT_EQ(bed.select(), 2);
  bed.selectLeft();
  EXPECT_EQ(bed.select(), 0);
  bed.runCycles(1);
  EXPECT_EQ(bed.engines.state().startIndicator, StartIndicator::kNoEngineSelected);
}

TEST(EngineStart, WithTheLeftMainBusAt20VoltsTheKnobJumpsBackToOff) {
  EnginesBed bed;
  bed.givenMainBus(1, 20.0);
  bed.selectLeft();
  bed.pushStart();
  EXPECT_EQ(bed.select(), 0);
  EXPECT_FALSE(bed.engines.state().startRunning);
  EXPECT_TRUE(bed.engines.state().startFinished);
  bed.runCycles(3);
  EXPECT_EQ(bed.eventCount(kStarterEvent[0]), 0);
}

TEST(EngineStart, TheBusLimitIs22VoltsOnTheSelectedEnginesSide) {
  for (const double volts : {21.99, 22.0}) {
    EnginesBed bed;
    bed.givenMainBus(2, volts).givenMainBus(1, 0.0);  // the left bus plays no part for engine 2
    bed.selectRight();
    bed.pushStart();
    EXPECT_EQ(bed.engines.state().startRunning, volts >= 22.0) << volts;
    EXPECT_EQ(bed.select(), volts >= 22.0 ? 2 : 0) << volts;
  }
}

TEST(EngineStart, TheStarterRunsEveryCycleUntilTheEngineRunsThenTheKnobReturns) {
  EnginesBed bed;
  bed.selectLeft();
  bed.pushStart();
  bed.runCycles(10);
  EXPECT_EQ(bed.eventCount(kStarterEvent[0], 1), 10);
  EXPECT_EQ(bed.engines.state().startIndicator, StartIndicator::kStartRunning);

  bed.givenRunning(1, true);
  bed.runCycles(5);
  EXPECT_EQ(bed.eventCount(kStarterEvent[0], 1), 11);  // the cycle that sees it run, then no more
  EXPECT_EQ(bed.select(), 0);
  EXPECT_FALSE(bed.engines.state().startRunning);
  EXPECT_EQ(bed.engines.state().startIndicator, StartIndicator::kNoEngineSelected);
  EXPECT_EQ(bed.eventCount(kStarterEvent[1]), 0);
  // The knob's image takes the finished start back once.
  EXPECT_TRUE(bed.engines.takeStartFinished());
  EXPECT_FALSE(bed.engines.takeStartFinished());
}

TEST(EngineStart, ASaggingBusOrTheKnobTurnedOffStopsTheStarterButOnlyTheKnobEndsIt) {
  EnginesBed bed;
  bed.selectLeft();
  bed.pushStart();
  bed.runCycles(2);
  bed.givenMainBus(1, 18.0);
  bed.runCycles(3);
  EXPECT_EQ(bed.eventCount(kStarterEvent[0]), 2);
  EXPECT_EQ(bed.select(), 1);
  EXPECT_EQ(bed.engines.state().startIndicator, StartIndicator::kEngineSelected);

  bed.givenMainBus(1, 28.0);
  bed.pushStart();
  bed.runCycles(1);
  bed.selectRight();  // 1 -> OFF
  bed.runCycles(3);
  EXPECT_EQ(bed.eventCount(kStarterEvent[0]), 3);
  EXPECT_FALSE(bed.engines.state().startRunning);
}

TEST(Ignition, TheHostHoldsAStoppedEngineFailedUnlessTheStartWantsIgnition) {
  EnginesBed bed;
  bed.hostAnswers = true;
  bed.runCycles(1);
  EXPECT_TRUE(bed.in.hostEngineFailed[0]);
  EXPECT_TRUE(bed.in.hostEngineFailed[1]);
  bed.runCycles(5);
  EXPECT_EQ(bed.eventCount(kEngineFailureToggleEvent[0]), 1);  // once, not every cycle
}

TEST(Ignition, EachIgnitionPositionOnAStartWithTheHostAnswering) {
  // Position 0 lets the start light the engine off; 1 and 2 keep the ignition away, so the
  // starter turns a failed engine until the knob is turned back.
  for (int position = 0; position <= 2; ++position) {
    EnginesBed bed;
    bed.hostAnswers = true;
    for (int k = 0; k < position; ++k) bed.switches.stepUp(&PanelSwitchRecord::ignitionControl1, bed.doors);
    bed.runCycles(2);
    bed.selectLeft();
    bed.pushStart();
    bed.runCycles(20);
    EXPECT_EQ(bed.in.running[0], position == 0) << position;
    EXPECT_EQ(bed.select(), position == 0 ? 0 : 1) << position;
    // A running engine is left alone once its start has ended.
    if (position == 0) {
      EXPECT_FALSE(bed.in.hostEngineFailed[0]);
    }
    EXPECT_FALSE(bed.in.running[1]);
  }
}

TEST(Ignition, AClosedFuelLeverWantsNoIgnition) {
  for (const double lever : {200.0, 201.0}) {
    EnginesBed bed;
    bed.hostAnswers = true;
    bed.in.conditionLever[0] = lever;
    bed.selectLeft();
    bed.pushStart();
    bed.runCycles(3);
    EXPECT_EQ(bed.engines.state().turning[0], lever > 200.0);
    EXPECT_EQ(bed.in.hostEngineFailed[0], lever <= 200.0) << lever;
  }
}

TEST(Ignition, AnEngineStoppedByItsFuelLeverIsHeldFailedAgain) {
  EnginesBed bed;
  bed.hostAnswers = true;
  bed.givenRunning(1, true).givenRunning(2, true);
  bed.runCycles(5);
  EXPECT_EQ(bed.eventCount(kEngineFailureToggleEvent[0]), 0);
  bed.givenRunning(1, false);
  bed.runCycles(2);
  EXPECT_TRUE(bed.in.hostEngineFailed[0]);
  EXPECT_FALSE(bed.in.hostEngineFailed[1]);
}

TEST(BypassDoors, ASwitchlightIsDarkForTwelveCyclesAfterEachPush) {
  EnginesBed bed;
  bed.runCycles(1);
  EXPECT_EQ(bed.engines.lights().bypassDoor[0], 1);  // CLOSED
  bed.engines.toggleBypassDoor(0, bed.doors);
  EXPECT_EQ(bed.fx.sounds.back().slot, sound::kPushButtonClick);
  for (int k = 0; k < 11; ++k) {
    bed.runCycles(1);
    EXPECT_EQ(bed.engines.lights().bypassDoor[0], 0) << k;
  }
  bed.runCycles(1);
  EXPECT_EQ(bed.engines.lights().bypassDoor[0], 2);  // OPN
  EXPECT_EQ(bed.engines.lights().bypassDoor[1], 1);
}

TEST(BypassDoors, TheHeaterShowsOnAnOpenDoorOfARunningEngineAtTenDegreesOrBelow) {
  for (const double oat : {10.0, 10.5}) {
    EnginesBed bed;
    bed.givenAir(0, oat, 15).givenRunning(1, true);
    bed.engines.toggleBypassDoor(0, bed.doors);
    bed.engines.toggleBypassDoor(1, bed.doors);
    bed.runCycles(12);
    EXPECT_EQ(bed.engines.lights().bypassDoor[0], oat <= 10.0 ? 3 : 2) << oat;
    EXPECT_EQ(bed.engines.lights().bypassDoor[1], 2);  // engine 2 is not running
  }
}

TEST(EngineLights, AllDarkWithoutDcPower) {
  EnginesBed bed;
  bed.in.autofeatherSwitch = true;
  bed.selectLeft();
  bed.runCycles(2);
  bed.electrical.dcPowerAvailable = false;
  const EngineLights l = bed.engines.lights();
  EXPECT_EQ(l.bypassDoor[0] + l.bypassDoor[1] + l.ecuMode[0] + l.ecuMode[1] + l.autofeather + l.start, 0);
  bed.electrical.dcPowerAvailable = true;
  EXPECT_EQ(bed.engines.lights().start, 1);
  EXPECT_EQ(bed.engines.lights().autofeather, 1);
  EXPECT_EQ(bed.engines.lights().ecuMode[0], 1);
}

TEST(EcuMode, ManualModeShowsItsLegendAndTheEngineManualCaution) {
  EnginesBed bed;
  bed.engines.toggleEcuMode(1, bed.doors);
  bed.runCycles(1);
  EXPECT_EQ(bed.engines.lights().ecuMode[1], 2);
  EXPECT_TRUE(bed.lit(lights::caution::kEng2Manual));
  EXPECT_FALSE(bed.lit(lights::caution::kEng1Manual));
  bed.engines.toggleEcuMode(1, bed.doors);
  bed.runCycles(1);
  EXPECT_FALSE(bed.lit(lights::caution::kEng2Manual));
}

TEST(OilPressure, TheWarningLightsBelow42Psi) {
  EnginesBed bed;
  bed.in.oilPressurePsi = {41.99, 42.0};
  bed.runCycles(1);
  EXPECT_TRUE(bed.lit(lights::warning::kEng1OilPress));
  EXPECT_FALSE(bed.lit(lights::warning::kEng2OilPress));
}

TEST(OilTemperature, IsTheHostsValueTimes27) {
  EnginesBed bed;
  EXPECT_DOUBLE_EQ(bed.engines.state().oilTempC[0], 15.0);
  bed.in.oilTemperature = {30, -10};
  bed.runCycles(1);
  EXPECT_DOUBLE_EQ(bed.engines.state().oilTempC[0], 81.0);
  EXPECT_DOUBLE_EQ(bed.engines.state().oilTempC[1], -27.0);
}

TEST(Autofeather, TheDisplayShowsSelectThenArm) {
  EnginesBed bed;
  bed.runCycles(1);
  EXPECT_EQ(bed.engines.state().autofeatherDisplay, 0);
  bed.in.propAutofeatherArmed = {true, false};
  bed.runCycles(1);
  EXPECT_EQ(bed.engines.state().autofeatherDisplay, 0);  // the panel switch decides first
  bed.in.autofeatherSwitch = true;
  bed.in.propAutofeatherArmed = {false, false};
  bed.runCycles(1);
  EXPECT_EQ(bed.engines.state().autofeatherDisplay, 1);
  bed.in.propAutofeatherArmed = {false, true};
  bed.runCycles(1);
  EXPECT_EQ(bed.engines.state().autofeatherDisplay, 3);
}

TEST(Autofeather, FeathersAnArmedStoppedEngineOnlyInTheAir) {
  struct Case {
    bool airborne, running, armed;
    double lever;
    bool feathers;
  };
  const Case cases[] = {
      {true, false, true, 0.0, true},      {true, false, true, -1.0, false},  // already at the stop
      {false, false, true, 0.0, false},    {true, true, true, 8000.0, false},
      {true, false, false, 8000.0, false},
  };
  for (const Case& c : cases) {
    EnginesBed bed;
    bed.in.onGround = !c.airborne;
    bed.givenRunning(2, c.running).givenRunning(1, true);
    bed.in.propAutofeatherArmed = {false, c.armed};
    bed.in.propLever[1] = c.lever;
    bed.runCycles(1);
    EXPECT_EQ(bed.eventCount(65924, static_cast<std::uint32_t>(-4096)), c.feathers ? 1 : 0) << c.lever;
    EXPECT_EQ(bed.eventCount(65923), 0);
  }
}

TEST(Autofeather, TheArmSwitchGoesToTheHostAndTheTestAndAlternateSwitchesSpringBack) {
  EnginesBed bed;
  bed.engines.autofeatherArm(bed.doors);
  EXPECT_EQ(bed.eventCount(kAutofeatherArmEvent, 1), 1);
  EXPECT_EQ(bed.fx.sounds.back().slot, sound::kPushButtonClick);

  bed.engines.autofeatherTest(0, bed.doors);
  bed.runCycles(5);
  const std::size_t sounds = bed.fx.sounds.size();
  bed.engines.autofeatherTest(0, bed.doors);  // still held: no new press
  EXPECT_EQ(bed.fx.sounds.size(), sounds);
  EXPECT_EQ(bed.engines.state().autofeatherTestCycles[0], 7);

  bed.engines.alternateFeather(1, -1, bed.doors);
  EXPECT_EQ(bed.engines.state().alternateFeather[1], -12);
  bed.runCycles(12);
  EXPECT_EQ(bed.engines.state().alternateFeather[1], 0);
  EXPECT_EQ(bed.engines.state().autofeatherTestCycles[0], 0);
}

TEST(EcuRating, TheReferenceTorqueIsNotRecomputedWithinASecondButAtOnceAfterAClick) {
  for (const double dt : kTimeSteps) {
    if (dt == 0.0) continue;  // a stopped clock: below
    EnginesBed bed;
    bed.givenAir(0, 15, 15);
    while (bed.now.nowS <= 1.0) bed.runCycles(1, dt);
    EXPECT_DOUBLE_EQ(bed.engines.state().referenceTorquePct, 90.0) << dt;
    bed.givenAir(0, 33, 15);
    bed.runCycles(1, 0.056);
    EXPECT_DOUBLE_EQ(bed.engines.state().referenceTorquePct, 90.0) << dt;
    bed.engines.ecuRatingUp(bed.doors);  // MCP at 0 ft 18 degrees above standard: its upper limit
    EXPECT_DOUBLE_EQ(bed.engines.state().referenceTorquePct, 90.0) << dt;
    bed.engines.ecuRatingDown(bed.doors);
    EXPECT_DOUBLE_EQ(bed.engines.state().referenceTorquePct, 79.0) << dt;
    bed.givenAir(0, 15, 15);
    bed.runCycles(static_cast<int>(1.0 / dt) + 1, dt);
    EXPECT_DOUBLE_EQ(bed.engines.state().referenceTorquePct, 90.0) << dt;
  }
}

TEST(EcuRating, AStoppedClockNeverPassesTheSecondAndAClockThatWentBackRecomputes) {
  EnginesBed bed;
  bed.runCycles(40, 0.0);
  EXPECT_EQ(bed.engines.state().referenceTorquePct, 0.0);
  bed.runCycles(30, 0.056);
  bed.givenAir(0, 40, 15);
  bed.now.nowS = 0.5;  // a reloaded flight
  bed.runCycles(1, 0.0);
  EXPECT_DOUBLE_EQ(bed.engines.state().referenceTorquePct, 79.0);
}

TEST(EcuRating, TheSelectorStopsAtItsEndsWithoutAClick) {
  EnginesBed bed;
  bed.engines.ecuRatingDown(bed.doors);
  EXPECT_TRUE(bed.fx.sounds.empty());
  for (int k = 0; k < 5; ++k) bed.engines.ecuRatingUp(bed.doors);
  EXPECT_EQ(bed.engines.state().ecuRating, EcuRating::kMcr);
  EXPECT_EQ(bed.fx.sounds.size(), 3u);
}

}  // namespace
}  // namespace xaq::systems
