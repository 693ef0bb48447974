#include "systems/air/wipers.h"

#include <gtest/gtest.h>

#include "systems/air/testing/air_bed.h"

namespace xaq::systems {
namespace {

using testing::AirBed;

class WiperTest : public ::testing::TestWithParam<double> {};

TEST_P(WiperTest, SlowSweepsOutInHalfASecondFastInAQuarterAndBack) {
  const double dt = GetParam();
  AirBed bed;
  bed.wipers.selectMode(kWiperSlow);
  bed.runCycles(1, dt);  // the first step is the clock's origin
  bed.runFor(0.25, std::fmin(dt, 0.25));
  EXPECT_NEAR(bed.wipers.state().position, 0.5, 1e-9);
  bed.wipers.selectMode(kWiperFast);
  bed.runFor(0.125, std::fmin(dt, 0.125));
  EXPECT_DOUBLE_EQ(bed.wipers.state().position, 1.0);
  EXPECT_TRUE(bed.wipers.state().reversing);
  bed.runFor(0.125, std::fmin(dt, 0.125));
  EXPECT_NEAR(bed.wipers.state().position, 0.5, 1e-9);
  // A long frame ends the stroke at its end rather than beyond it.
  bed.runCycles(1, dt);
  EXPECT_GE(bed.wipers.state().position, 0.0);
  EXPECT_LE(bed.wipers.state().position, 1.0);
}

TEST_P(WiperTest, TurnedFromOneToZeroTheWiperFinishesItsStrokeBackToZeroAndStops) {
  const double dt = GetParam();
  AirBed bed;
  bed.wipers.selectMode(kWiperSlow);
  bed.runCycles(1, dt);
  bed.runFor(0.2, std::fmin(dt, 0.2));  // on its way out
  ASSERT_GT(bed.wipers.state().position, 0.0);
  bed.wipers.selectMode(kWiperStopped);  // selector at 1
  bed.runCycles(1, dt);
  const double stoppedAt = bed.wipers.state().position;
  EXPECT_FALSE(bed.wipers.state().running);
  EXPECT_GT(stoppedAt, 0.0);
  bed.wipers.selectMode(kWiperParking);  // and on to 0
  bed.runFor(1.0, dt);
  EXPECT_DOUBLE_EQ(bed.wipers.state().position, 0.0);
  EXPECT_FALSE(bed.wipers.state().running);
  EXPECT_EQ(bed.wipers.state().mode, kWiperStopped);
  bed.runFor(2.0, dt);
  EXPECT_DOUBLE_EQ(bed.wipers.state().position, 0.0) << "a parked wiper stays parked";
}

INSTANTIATE_TEST_SUITE_P(TimeSteps, WiperTest, ::testing::ValuesIn(AirBed::kTimeSteps));

TEST(Wiper, WithoutPowerTheWiperStopsWhereItIsAndGoesOnWhenPowerReturns) {
  AirBed bed;
  bed.wipers.selectMode(kWiperSlow);
  bed.runCycles(3, 0.05);
  bed.wiperIn.dcPowerAvailable = false;
  bed.runCycles(1, 0.05);
  const double at = bed.wipers.state().position;
  bed.runCycles(10, 0.05);
  EXPECT_DOUBLE_EQ(bed.wipers.state().position, at);
  bed.wiperIn.dcPowerAvailable = true;
  bed.runCycles(1, 0.05);
  EXPECT_GT(bed.wipers.state().position, at);
}

TEST(Wiper, ThePositionGoesToTheLinkInTheFirst36CyclesAndThenOnlyWhileRunning) {
  AirBed bed;
  for (int i = 0; i < Wipers::kStartupWrites; ++i) {
    bed.runCycles(1);
    EXPECT_TRUE(bed.wipers.state().writeToLink) << i;
  }
  bed.runCycles(1);
  EXPECT_FALSE(bed.wipers.state().writeToLink);
  bed.wipers.selectMode(kWiperSlow);
  bed.runCycles(3, 0.1);
  EXPECT_TRUE(bed.wipers.state().writeToLink);
  EXPECT_DOUBLE_EQ(bed.wipers.state().linkPosition, std::round(0.6 * 16383.0) / 16383.0);
  // Parking: the last stroke's 0 is written, then nothing.
  bed.wipers.selectMode(kWiperParking);
  bed.runCycles(3, 0.1);
  EXPECT_DOUBLE_EQ(bed.wipers.state().position, 0.0);
  EXPECT_TRUE(bed.wipers.state().writeToLink);
  EXPECT_DOUBLE_EQ(bed.wipers.state().linkPosition, 0.0);
  bed.runCycles(1, 0.1);
  EXPECT_FALSE(bed.wipers.state().writeToLink);
}

TEST(Wiper, AnUnknownModeStopsTheWiper) {
  AirBed bed;
  bed.wipers.selectMode(kWiperFast);
  bed.runCycles(2);
  bed.wipers.selectMode(7);
  bed.runCycles(1);
  EXPECT_FALSE(bed.wipers.state().running);
  EXPECT_EQ(bed.wipers.state().mode, kWiperStopped);
}

}  // namespace
}  // namespace xaq::systems
