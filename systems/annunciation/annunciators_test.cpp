// The annunciator record: the quiet start, the master latches and the conditions decided here.

#include "systems/annunciation/annunciators.h"

#include <gtest/gtest.h>

#include <cmath>

namespace xaq::systems {
namespace {

namespace w = lights::warning;
namespace c = lights::caution;

// A record past its quiet period, with fuel in both tanks and the brake off.
struct Panel : ::testing::Test {
  Panel() {
    in.tank1FuelLb = in.tank2FuelLb = 2000;
    for (int i = 0; i < kSuppressionCycles; ++i) cycle();
  }
  void cycle() { panel.update(now, in); }
  CycleContext now;
  AnnunciatorInputs in;
  Annunciators panel;
};

TEST(AnnunciatorStart, AConditionTrueAtStartLightsInTheFirstCycleAfterTheQuietPeriod) {
  Annunciators panel;
  AnnunciatorInputs in;
  in.tank1FuelLb = in.tank2FuelLb = 2000;
  for (int cycle = 1; cycle <= kSuppressionCycles; ++cycle) {
    panel.set(c::kDcBus);  // a system earlier in the cycle
    panel.set(w::kCabinPress);
    panel.update({}, in);
    ASSERT_FALSE(panel.state().lit(c::kDcBus)) << cycle;
    ASSERT_FALSE(panel.state().masterCaution || panel.state().masterWarning) << cycle;
  }
  panel.set(c::kDcBus);
  panel.set(w::kCabinPress);
  EXPECT_TRUE(panel.state().lit(c::kDcBus));
  EXPECT_TRUE(panel.state().cautions[8]);
  EXPECT_TRUE(panel.state().warnings[1]);
  EXPECT_TRUE(panel.state().masterCaution);
  EXPECT_TRUE(panel.state().masterWarning);
}

TEST_F(Panel, ResettingMasterCautionKeepsTheLightAndANewCautionSetsItAgain) {
  panel.set(c::kPriInv);
  panel.resetMasterCaution();
  panel.set(c::kPriInv);  // the next cycle's call for the same light
  EXPECT_TRUE(panel.state().lit(c::kPriInv));
  EXPECT_FALSE(panel.state().masterCaution) << "a light already lit does not call again";
  panel.set(c::kSecInv);
  EXPECT_TRUE(panel.state().masterCaution);
  EXPECT_FALSE(panel.state().masterWarning) << "cautions never touch the warning latch";
}

TEST_F(Panel, ALightThatGoesOutAndComesBackCallsTheMasterAgain) {
  panel.set(w::kEng1OilPress);
  panel.resetMasterWarning();
  panel.clear(w::kEng1OilPress);
  EXPECT_FALSE(panel.state().lit(w::kEng1OilPress));
  EXPECT_FALSE(panel.state().masterWarning);
  panel.set(w::kEng1OilPress);
  EXPECT_TRUE(panel.state().masterWarning);
  panel.clear(w::kEng1OilPress);
  EXPECT_TRUE(panel.state().masterWarning) << "only the reset clears the master";
}

TEST_F(Panel, NumbersOfNeitherPanelAreIgnored) {
  for (int light : {-1, 84, 99, 115, 1 << 30}) {
    panel.set(light);
    panel.clear(light);
    EXPECT_FALSE(panel.state().lit(light));
  }
  EXPECT_FALSE(panel.state().masterCaution || panel.state().masterWarning);
}

TEST_F(Panel, ATailStrikeOnTheGroundLatchesTouchedRunway) {
  in.onGround = false;
  in.pitchUpDeg = 15;
  cycle();
  EXPECT_FALSE(panel.state().lit(w::kTouchedRunway)) << "pitching up in the air is no strike";
  in.onGround = true;
  in.pitchUpDeg = 9.99;
  cycle();
  EXPECT_FALSE(panel.state().lit(w::kTouchedRunway));
  in.pitchUpDeg = 10.0;
  cycle();
  EXPECT_TRUE(panel.state().lit(w::kTouchedRunway));
  in.pitchUpDeg = 0;
  in.onGround = false;
  for (int i = 0; i < 100; ++i) cycle();
  EXPECT_TRUE(panel.state().lit(w::kTouchedRunway));
}

TEST_F(Panel, DoorTanksAndParkingBrakeFollowTheirConditions) {
  cycle();
  EXPECT_FALSE(panel.state().lit(w::kPassDoor));
  EXPECT_FALSE(panel.state().lit(c::kParkingBrake));
  in.passengerDoorOpen = true;
  in.tank1FuelLb = 129.9;
  in.tank2FuelLb = 130.0;
  in.parkingBrake = 32767;
  cycle();
  EXPECT_TRUE(panel.state().lit(w::kPassDoor));
  EXPECT_TRUE(panel.state().lit(c::kTank1FuelLow));
  EXPECT_FALSE(panel.state().lit(c::kTank2FuelLow));
  EXPECT_TRUE(panel.state().lit(c::kParkingBrake));
  in.passengerDoorOpen = false;
  in.parkingBrake = 0.1;
  cycle();
  EXPECT_FALSE(panel.state().lit(w::kPassDoor));
  EXPECT_FALSE(panel.state().lit(c::kParkingBrake));
}

TEST(MasterFlash, ThreeFlashesASecond) {
  EXPECT_EQ(masterFlashFrame(0.0), 0);
  EXPECT_EQ(masterFlashFrame(0.08), 0);   // 0.48 rounds to 0
  EXPECT_EQ(masterFlashFrame(0.0834), 1); // 0.5004 rounds to 1
  EXPECT_EQ(masterFlashFrame(1.0 / 3.0), 0);
  EXPECT_EQ(masterFlashFrame(0.5), 1);
  EXPECT_EQ(masterFlashFrame(-0.5), 1);
  EXPECT_EQ(masterFlashFrame(1e300), 0);
  EXPECT_EQ(masterFlashFrame(std::nan("")), 0);
}

}  // namespace
}  // namespace xaq::systems
