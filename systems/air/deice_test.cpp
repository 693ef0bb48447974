#include "systems/air/deice.h"

#include <gtest/gtest.h>

#include <vector>

#include "systems/air/testing/air_bed.h"

namespace xaq::systems {
namespace {

using testing::AirBed;

TEST(PropellerDeice, TheTimerPositionsRunTheirHeaterGroupsOnSeventyAndEightySecondCycles) {
  struct Case {
    std::int32_t position;
    std::int64_t second;
    std::int32_t phase;
  };
  const Case cases[] = {
      {0, 5, 0},   {1, 0, 1},  {1, 9, 1},  {1, 10, 2}, {1, 19, 2}, {1, 20, 0}, {1, 69, 0}, {1, 70, 1},
      {3, 155, 2}, {2, 19, 1}, {2, 20, 2}, {2, 39, 2}, {2, 40, 0}, {2, 79, 0}, {4, 80, 1}, {4, 105, 2},
  };
  for (const Case& c : cases) EXPECT_EQ(propTimerPhase(c.position, c.second), c.phase) << c.position << " " << c.second;
}

TEST(PropellerDeice, OnTheGroundOnlyTheTestRunsThePhasesThreeSecondsRound) {
  AirBed bed;
  bed.sw.propDeiceTimer = 2;
  bed.now.nowS = 1000.0;  // 1000 mod 80 = 40: no group in the air either
  bed.runCycles(1);
  EXPECT_EQ(bed.deice.state().propPhase, 0);
  bed.sw.propDeiceTest = 1;
  std::vector<std::int32_t> phases;
  for (int s = 0; s < 6; ++s) {
    bed.runFor(1.0, 0.5);
    phases.push_back(bed.deice.state().propPhase);
  }
  // The test's start is the first cycle that sees the switch on, half a second in.
  EXPECT_EQ(phases, (std::vector<std::int32_t>{0, 1, 2, 0, 1, 2}));
  bed.sw.propDeiceTimer = 0;
  bed.runCycles(1);
  EXPECT_EQ(bed.deice.state().propPhase, 0);
}

TEST(PropellerDeice, TheHostsPropellerDeiceFollowsWhetherAGroupIsHeated) {
  AirBed bed;
  bed.givenAirborne(8000.0);
  bed.sw.propDeiceTimer = 1;
  bed.now.nowS = 700.0;  // 700 mod 70 = 0: group 1
  bed.runCycles(1);
  EXPECT_EQ(bed.eventCount(kEventPropDeiceToggle), 1);
  EXPECT_TRUE(bed.deiceIn.hostPropDeice);
  bed.runFor(15.0, 0.3);  // group 2: still heating, nothing to send
  EXPECT_EQ(bed.eventCount(kEventPropDeiceToggle), 1);
  bed.runFor(10.0, 0.3);  // 25 s into the cycle: off
  EXPECT_EQ(bed.eventCount(kEventPropDeiceToggle), 2);
  EXPECT_FALSE(bed.deiceIn.hostPropDeice);
}

class AirframeDeiceTest : public ::testing::TestWithParam<double> {};

TEST_P(AirframeDeiceTest, AutoTwoRunsSixStepsOfSixSecondsEachGroupShownAfterOneAndAHalfThenWaits24) {
  const double dt = GetParam();
  AirBed bed;
  bed.givenEnginesRunning(true, true);
  bed.now.nowS = 0.0;
  bed.sw.airframeAutoDeice = 2;
  // When each step began, and when its group was first shown.
  std::vector<double> stepBegan(8, -1.0), groupShown(7, -1.0);
  std::int32_t step = 0;
  while (bed.now.nowS < 200.0) {
    bed.runCycles(1, dt);
    const DeiceState& s = bed.deice.state();
    if (s.airframeStep != step) {
      step = s.airframeStep;
      if (step == 0) stepBegan[7] = bed.now.nowS;
      else if (stepBegan[static_cast<std::size_t>(step)] < 0) stepBegan[static_cast<std::size_t>(step)] = bed.now.nowS;
      else if (step == 1) break;  // the second cycle
    }
    if (s.bootGroupShown > 0 && groupShown[static_cast<std::size_t>(s.bootGroupShown)] < 0) {
      groupShown[static_cast<std::size_t>(s.bootGroupShown)] = bed.now.nowS;
    }
  }
  const double secondCycle = bed.now.nowS;
  const double slack = dt + 1e-9;
  // At 2 a cycle starts once 24 s have passed since the last step's start (0 at start-up).
  EXPECT_GE(stepBegan[1], 24.0);
  EXPECT_LE(stepBegan[1], 24.0 + slack);
  for (std::size_t k = 1; k <= 6; ++k) {
    const double next = stepBegan[k + 1];
    EXPECT_GE(next - stepBegan[k], 6.0) << k;
    EXPECT_LE(next - stepBegan[k], 6.0 + slack) << k;
    EXPECT_GT(groupShown[k] - stepBegan[k], 1.5) << k;
    EXPECT_LE(groupShown[k] - stepBegan[k], 1.5 + slack) << k;
  }
  EXPECT_GE(secondCycle - stepBegan[7], 24.0);
  EXPECT_LE(secondCycle - stepBegan[7], 24.0 + slack);
}

INSTANTIATE_TEST_SUITE_P(TimeSteps, AirframeDeiceTest, ::testing::ValuesIn(AirBed::kTimeSteps));

TEST(AirframeDeice, AutoOneStartsACycleAtOnceAndThenWaits204Seconds) {
  AirBed bed;
  bed.givenEnginesRunning(true, false);
  bed.now.nowS = 50.0;
  bed.sw.airframeAutoDeice = 1;
  bed.runCycles(1, 0.1);
  EXPECT_EQ(bed.deice.state().airframeStep, 1);
  bed.runFor(36.5, 0.1);  // the six steps
  EXPECT_EQ(bed.deice.state().airframeStep, 0);
  bed.runFor(203.5, 0.1);
  EXPECT_EQ(bed.deice.state().airframeStep, 0);
  bed.runFor(1.0, 0.1);
  EXPECT_EQ(bed.deice.state().airframeStep, 1);
}

TEST(AirframeDeice, TheManualSelectorShowsItsGroupAndTheHostsDeiceNeedsBleedAir) {
  AirBed bed;
  bed.sw.airframeManualDeice = 1;
  bed.runCycles(1);
  EXPECT_EQ(bed.deice.state().bootGroupShown, 0);
  bed.sw.airframeManualDeice = 4;
  bed.runCycles(1);
  EXPECT_EQ(bed.deice.state().bootGroupShown, 3);
  EXPECT_EQ(bed.eventCount(kEventStructuralDeiceToggle), 0) << "no engine, no bleed air";
  bed.givenEnginesRunning(false, true);
  bed.runCycles(2);
  EXPECT_EQ(bed.eventCount(kEventStructuralDeiceToggle), 1);
  EXPECT_TRUE(bed.deiceIn.hostAirframeDeice);
  bed.sw.airframeManualDeice = 0;
  bed.runCycles(2);
  EXPECT_EQ(bed.eventCount(kEventStructuralDeiceToggle), 2);
  EXPECT_FALSE(bed.deiceIn.hostAirframeDeice);
}

TEST(AirframeDeice, TheIsolateValveKeepsEachEnginesBleedOnItsOwnSide) {
  struct Case {
    bool engine1, engine2, isolated, side1, side2;
  };
  const Case cases[] = {
      {true, false, false, true, true}, {true, false, true, true, false},
      {false, true, false, true, true}, {false, true, true, false, true},
      {false, false, false, false, false}, {true, true, true, true, true},
  };
  for (const Case& c : cases) {
    AirBed bed;
    bed.givenEnginesRunning(c.engine1, c.engine2);
    bed.sw.bootAirIsolateValve = c.isolated ? 1 : 0;
    bed.runCycles(1);
    EXPECT_EQ(bed.deice.state().bleedSide1, c.side1);
    EXPECT_EQ(bed.deice.state().bleedSide2, c.side2);
  }
}

TEST(AirframeDeice, TheSixLightsShowTheirGroupAndSideTheLastOneGroupFourOnManual) {
  DeiceState s;
  PanelSwitchRecord sw;
  s.bleedSide1 = true;
  s.bleedSide2 = false;
  auto litLights = [&] {
    std::vector<int> lit;
    for (int i = 0; i < kAirframeDeiceLights; ++i) {
      if (airframeDeiceLight(s, sw, i)) lit.push_back(i);
    }
    return lit;
  };
  s.bootGroupShown = 1;
  EXPECT_EQ(litLights(), (std::vector<int>{0}));
  s.bleedSide2 = true;
  EXPECT_EQ(litLights(), (std::vector<int>{0, 1}));
  s.bootGroupShown = 3;
  EXPECT_EQ(litLights(), (std::vector<int>{4, 5}));
  sw.airframeManualDeice = 4;
  EXPECT_EQ(litLights(), (std::vector<int>{4}));
  s.bootGroupShown = 4;
  EXPECT_EQ(litLights(), (std::vector<int>{5}));
  EXPECT_FALSE(airframeDeiceLight(s, sw, 6));
  EXPECT_FALSE(airframeDeiceLight(s, sw, -1));
}

TEST(PitotHeat, TheHostsPitotHeatIsSwitchedOnWithEitherHeaterAndOffWithNeither) {
  AirBed bed;
  bed.sw.pitotHeater1 = 0;
  bed.sw.pitotHeater2 = 1;
  bed.runCycles(3);
  EXPECT_EQ(bed.eventCount(kEventPitotHeatOn), 1);
  bed.sw.pitotHeater2 = 0;
  bed.runCycles(3);
  EXPECT_EQ(bed.eventCount(kEventPitotHeatOff), 1);
  EXPECT_FALSE(bed.deiceIn.hostPitotHeat);
}

}  // namespace
}  // namespace xaq::systems
