#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "common/sound_slots.h"
#include "systems/fuel/testing/fuel_bed.h"

namespace xaq::systems {
namespace {

using testing::FuelBed;

constexpr double kTimeSteps[] = {0.0, 0.028, 0.056, 0.3, 6.0};
constexpr double kOneStep = 2.0 * kTransferFractionPerS;  // 0.2 % of a tank

// The seconds from the cycle that first sees the switch to the cycle of the first step.
double firstIntervalS(double dt) {
  if (dt >= kTransferIntervalS) return dt;
  return std::ceil(kTransferIntervalS / dt - 1e-9) * dt;
}

TEST(FuelTransfer, TwoSecondsAfterTheSwitchGoesToTank2ATwoTenthsPercentMoves) {
  FuelBed bed;
  bed.givenTanks(0.5, 0.25).givenTransfer(FuelTransfer::kToTank2);
  bed.runCycles(1, 0.0);  // the switch is seen: the interval starts now
  bed.now.nowS = 1.99;
  bed.fuel.update(bed.now);
  EXPECT_NEAR(bed.level(1), 0.5, 1e-6) << "1.99 s: not yet";
  bed.now.nowS = 2.0;
  bed.fuel.update(bed.now);
  EXPECT_NEAR(bed.level(1), 0.5 - kOneStep, 1e-6);
  EXPECT_NEAR(bed.level(2), 0.25 + kOneStep, 1e-6);
}

TEST(FuelTransfer, ToTank1MovesTheOtherWay) {
  FuelBed bed;
  bed.givenTanks(0.25, 0.5).givenTransfer(FuelTransfer::kToTank1);
  bed.runFor(10.0, 0.5);  // seen at 0.5 s; steps at 2.5, 4.5, 6.5 and 8.5 s
  EXPECT_NEAR(bed.level(1), 0.25 + 0.008, 1e-6);
  EXPECT_NEAR(bed.level(2), 0.5 - 0.008, 1e-6);
}

TEST(FuelTransfer, RunsAtATenthOfAPercentASecondAtEveryFrameRate) {
  for (double dt : kTimeSteps) {
    if (dt == 0.0) continue;  // a clock that stands still moves nothing (below)
    FuelBed bed;
    bed.givenTanks(0.6, 0.3).givenTransfer(FuelTransfer::kToTank2);
    bed.runFor(60.0, dt);
    const double moved = 0.6 - bed.level(1);
    // The steps lag the clock by less than one interval and one cycle, never run ahead of it.
    EXPECT_LE(moved, 60.0 * kTransferFractionPerS + 1e-6) << "dt " << dt;
    EXPECT_GE(moved, (60.0 - kTransferIntervalS - dt) * kTransferFractionPerS - 1e-6) << "dt " << dt;
    // Only the words' truncation loses anything: a unit or two a step.
    EXPECT_NEAR(bed.level(1) + bed.level(2), 0.9, 1e-5) << "nothing lost, dt " << dt;
  }
}

TEST(FuelTransfer, AClockThatStandsStillMovesNothing) {
  FuelBed bed;
  bed.givenTanks(0.6, 0.3).givenTransfer(FuelTransfer::kToTank2);
  for (int i = 0; i < 100; ++i) bed.runFor(0.0, 0.0);
  EXPECT_EQ(bed.tanks.words[0], tankWord(0.6));
  EXPECT_EQ(bed.tanks.reads, 0);
}

// The time the switch stood off is not owed: the first step after a long wait moves one
// interval's worth, even out of a full tank.
TEST(FuelTransfer, TheFirstStepAfterSwitchingOnAfterLongOffMovesOneIntervalNotATank) {
  for (double dt : kTimeSteps) {
    if (dt == 0.0) continue;
    for (double source : {1.0, 0.5}) {
      FuelBed bed;
      bed.givenTanks(source, 0.0);
      bed.runFor(1000.0, dt);
      bed.givenTransfer(FuelTransfer::kToTank2);
      while (bed.tanks.writes == 0) bed.runCycles(1, dt);
      const double expected = firstIntervalS(dt) * kTransferFractionPerS;
      EXPECT_NEAR(source - bed.level(1), expected, 1e-6) << "dt " << dt << " source " << source;
      EXPECT_NEAR(bed.level(2), expected, 1e-6) << "dt " << dt;
    }
  }
}

TEST(FuelTransfer, SwitchedOffAndOnAgainStartsAFreshInterval) {
  FuelBed bed;
  bed.givenTanks(0.5, 0.5).givenTransfer(FuelTransfer::kToTank2);
  bed.runFor(4.0, 0.5);
  bed.fuel.setTransfer(FuelTransfer::kOff, bed.doors);
  bed.runFor(500.0, 1.0);
  const double before = bed.level(1);
  bed.fuel.setTransfer(FuelTransfer::kToTank2, bed.doors);
  bed.runFor(2.0, 0.5);  // the switch is seen at the first of these cycles
  EXPECT_DOUBLE_EQ(bed.level(1), before) << "within the first interval nothing moves";
  bed.runFor(0.5, 0.5);
  EXPECT_NEAR(before - bed.level(1), kOneStep, 1e-6);
}

TEST(FuelTransfer, AClockThatWentBackStartsTheIntervalAgain) {
  FuelBed bed;
  bed.givenTanks(0.5, 0.5).givenTransfer(FuelTransfer::kToTank2);
  bed.now.nowS = 5000.0;
  bed.runFor(4.0, 0.5);
  bed.now.nowS = 10.0;  // a flight reloaded at an earlier time
  const double before = bed.level(1);
  bed.runFor(2.5, 0.5);
  EXPECT_NEAR(before - bed.level(1), kOneStep, 1e-6) << "after one interval, not after 4990 s";
}

TEST(FuelTransfer, AFullDestinationOrANearlyEmptySourceMovesNothing) {
  struct Case {
    double level1, level2;
    FuelTransfer to;
  };
  const Case cases[] = {
      {0.5, 1.0, FuelTransfer::kToTank2},     // tank 2 full
      {1.0, 0.5, FuelTransfer::kToTank1},     // tank 1 full
      {0.5, -1.0, FuelTransfer::kToTank2},    // tank 2 full as the add-on counts it
      {0.0015, 0.5, FuelTransfer::kToTank2},  // less than one step in tank 1
      {0.5, 0.0015, FuelTransfer::kToTank1},
      {0.5, 0.9985, FuelTransfer::kToTank2},  // one step would pass full
  };
  for (const Case& c : cases) {
    FuelBed bed;
    bed.givenTanks(c.level1, c.level2).givenTransfer(c.to);
    if (c.level2 < 0.0) bed.givenFullTank(2);
    const std::uint32_t w1 = bed.tanks.words[0];
    const std::uint32_t w2 = bed.tanks.words[1];
    bed.runFor(10.0, 0.056);
    EXPECT_EQ(bed.tanks.words[0], w1) << c.level1 << " / " << c.level2;
    EXPECT_EQ(bed.tanks.words[1], w2) << c.level1 << " / " << c.level2;
    EXPECT_GT(bed.tanks.writes, 0) << "the levels are written back all the same";
  }
}

TEST(FuelTransfer, JustEnoughInTheSourceStillMoves) {
  FuelBed bed;
  bed.givenTanks(0.0025, 0.5).givenTransfer(FuelTransfer::kToTank2);
  bed.runCycles(1, 0.0);
  bed.now.nowS = 2.0;
  bed.fuel.update(bed.now);
  EXPECT_NEAR(bed.level(1), 0.0005, 1e-6);
}

TEST(FuelTransfer, WithoutTheAddonNothingMovesAndNothingIsWritten) {
  FuelBed bed;
  bed.givenTanks(0.5, 0.5).givenNoAddon().givenTransfer(FuelTransfer::kToTank2);
  bed.runFor(30.0, 0.056);
  EXPECT_GT(bed.tanks.reads, 0);
  EXPECT_EQ(bed.tanks.writes, 0);
  // The add-on comes back: transfer goes on at its rate, with no fuel owed for the time away.
  bed.tanks.present = true;
  bed.runFor(2.1, 0.056);
  EXPECT_GE(0.5 - bed.level(1), kOneStep - 1e-6);
  EXPECT_LE(0.5 - bed.level(1), (kTransferIntervalS + 0.1) * kTransferFractionPerS);
}

TEST(FuelTransfer, ALevelWrittenBackUnmovedKeepsItsWord) {
  for (std::uint32_t raw : {0u, 1u, 12345u, 4194303u, 4194304u, 8388479u, 8388480u, 8388607u, 8388608u}) {
    EXPECT_EQ(tankWord(tankFraction(raw)), raw) << raw;
  }
  EXPECT_EQ(tankWord(-0.5), 0u);
  EXPECT_EQ(tankWord(1e12), 4294967295u);
}

TEST(FuelPanel, PumpsRunOnTheirSwitchOrForTheTransferFromTheirTank) {
  struct Case {
    int aux1, aux2;
    FuelTransfer transfer;
    bool pump1, pump2;
  };
  const Case cases[] = {
      {0, 0, FuelTransfer::kOff, false, false},    {1, 0, FuelTransfer::kOff, true, false},
      {0, 1, FuelTransfer::kOff, false, true},     {0, 0, FuelTransfer::kToTank2, true, false},
      {0, 0, FuelTransfer::kToTank1, false, true}, {1, 1, FuelTransfer::kToTank1, true, true},
  };
  for (const Case& c : cases) {
    FuelBed bed;
    if (c.aux1 != 0) bed.fuel.toggleAuxPump(1, bed.doors);
    if (c.aux2 != 0) bed.fuel.toggleAuxPump(2, bed.doors);
    bed.fuel.setTransfer(c.transfer, bed.doors);
    bed.runCycles(1);
    const FuelState& s = bed.fuel.state();
    EXPECT_EQ(s.pump1Running, c.pump1) << c.aux1 << c.aux2 << static_cast<int>(c.transfer);
    EXPECT_EQ(s.pump2Running, c.pump2) << c.aux1 << c.aux2 << static_cast<int>(c.transfer);
    EXPECT_EQ(s.transferIndication1, c.transfer != FuelTransfer::kOff);
    EXPECT_EQ(s.transferIndication2, c.transfer != FuelTransfer::kOff);
  }
}

TEST(FuelPanel, TransferSwitchHalvesStepTowardTheirSideAndClickEveryTime) {
  struct Case {
    FuelTransfer from;
    bool left;
    FuelTransfer to;
  };
  const Case cases[] = {
      {FuelTransfer::kOff, true, FuelTransfer::kToTank1},  {FuelTransfer::kToTank2, true, FuelTransfer::kOff},
      {FuelTransfer::kToTank1, true, FuelTransfer::kToTank1}, {FuelTransfer::kOff, false, FuelTransfer::kToTank2},
      {FuelTransfer::kToTank1, false, FuelTransfer::kOff}, {FuelTransfer::kToTank2, false, FuelTransfer::kToTank2},
  };
  for (const Case& c : cases) {
    FuelBed bed;
    bed.fuel.setTransfer(c.from, bed.doors);
    c.left ? bed.fuel.transferLeft(bed.doors) : bed.fuel.transferRight(bed.doors);
    EXPECT_EQ(bed.fuel.state().transfer, c.to);
    EXPECT_EQ(bed.plays(sound::kSwitchClick), 2);
  }
}

TEST(FuelPanel, TestButtonTwiceWithinTwelveCyclesClicksOnceAndStartsTheTwelveAgain) {
  FuelBed bed;
  bed.fuel.pressQuantityTest(bed.doors);
  bed.runCycles(5);
  bed.fuel.pressQuantityTest(bed.doors);
  EXPECT_EQ(bed.plays(sound::kPushButtonClick), 1);
  EXPECT_EQ(bed.fuel.state().testCycles, kFuelTestCycles);
  bed.runCycles(11);
  EXPECT_EQ(bed.fuel.state().testCycles, 1);
  EXPECT_DOUBLE_EQ(quantityNeedleLb(bed.fuel.state(), 10.0), kQuantityFullScaleLb);
  bed.runCycles(1);
  EXPECT_EQ(bed.fuel.state().testCycles, 0);
  EXPECT_NEAR(quantityNeedleLb(bed.fuel.state(), 10.0), 66.99, 1e-9);
  bed.fuel.pressQuantityTest(bed.doors);
  EXPECT_EQ(bed.plays(sound::kPushButtonClick), 2);
}

TEST(FuelIndications, QuantityNeedleHoldsWithinItsDialAndTheTooltipShowsTheTank) {
  FuelState idle;
  EXPECT_DOUBLE_EQ(quantityNeedleLb(idle, -3.0), 0.0);
  EXPECT_NEAR(quantityNeedleLb(idle, 492.6), 3299.9274, 1e-6);
  EXPECT_DOUBLE_EQ(quantityNeedleLb(idle, 492.7), kQuantityFullScaleLb);
  char text[64];
  quantityTooltip(600.0, text, sizeof text);
  EXPECT_STREQ(text, "Fuel quantity: 4019 LBs");  // 4019.4: the tank, not the dial
  quantityTooltip(0.5, text, sizeof text);        // 3.3495
  EXPECT_STREQ(text, "Fuel quantity: 3 LBs");
  char tiny[8];
  quantityTooltip(600.0, tiny, sizeof tiny);
  EXPECT_STREQ(tiny, "Fuel qu");
}

TEST(FuelIndications, TankTemperatureIsHalfwayToTwentyAndAtMostSixty) {
  EXPECT_DOUBLE_EQ(tankTemperatureC(15.0), 17.5);
  EXPECT_DOUBLE_EQ(tankTemperatureC(-40.0), -10.0);
  EXPECT_DOUBLE_EQ(tankTemperatureC(100.0), 60.0);
  EXPECT_DOUBLE_EQ(tankTemperatureC(101.0), 60.0);
  char text[64];
  temperatureTooltip(15.0, text, sizeof text);
  EXPECT_STREQ(text, "Fuel tank temperature: 18");  // 17.5 rounds away from zero
  temperatureTooltip(-25.0, text, sizeof text);
  EXPECT_STREQ(text, "Fuel tank temperature: -3");  // -2.5
  engineFuelTemperatureTooltip(1, 15.0, text, sizeof text);
  EXPECT_STREQ(text, "Left engine fuel temperature: 18\xB0" "C");
  engineFuelTemperatureTooltip(2, 200.0, text, sizeof text);
  EXPECT_STREQ(text, "Right engine fuel temperature: 60\xB0" "C");
}

}  // namespace
}  // namespace xaq::systems
