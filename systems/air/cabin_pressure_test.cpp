#include "systems/air/cabin_pressure.h"

#include <gtest/gtest.h>

#include "common/light_ids.h"
#include "systems/air/testing/air_bed.h"

namespace xaq::systems {
namespace {

using testing::AirBed;

class CabinPressureTest : public ::testing::TestWithParam<double> {};

// Flies a climb from the runway to `cruiseFt` at `climbFpm`, then `cruiseS` of level flight.
void flyClimb(AirBed& bed, double dt, double cruiseFt, double climbFpm, double cruiseS) {
  bed.givenOnGround(0.0);
  bed.start(dt);
  bed.cabinIn.indicatedAirspeedKt = 120.0;
  bed.runFor(12.0, dt);
  ASSERT_EQ(bed.cabin.state().phase, CabinPhase::kTakeoffRun);
  double altitude = 0.0;
  while (altitude < cruiseFt) {
    altitude = std::fmin(cruiseFt, altitude + climbFpm * dt / 60.0);
    bed.givenAirborne(altitude, climbFpm);
    bed.runCycles(1, dt);
  }
  bed.givenAirborne(cruiseFt, 0.0);
  bed.runFor(cruiseS, dt);
}

TEST_P(CabinPressureTest, OnA20000FtCruiseTheScheduleHoldsTheCabinNearTenThirtyFirsts) {
  AirBed bed;
  flyClimb(bed, GetParam(), 20000.0, 1500.0, 300.0);
  EXPECT_EQ(bed.cabin.state().phase, CabinPhase::kAirborne);
  EXPECT_NEAR(bed.cabin.state().cabinAltitudeFt, 6452.0, 25.0);
  EXPECT_NEAR(bed.cabin.state().cabinRateFpm, 0.0, 20.0);
  EXPECT_FALSE(bed.lit(lights::warning::kCabinPress));
}

TEST_P(CabinPressureTest, DumpAtFivePsiClimbsTheCabinAtTheEightThousandFeetAMinuteLimit) {
  AirBed bed;
  const double dt = GetParam();
  bed.givenOnGround(0.0);
  bed.start(dt);
  bed.cabinIn.modeSelector = 0;
  bed.cabinIn.outsidePressurePsi = 14.7 - 5.0;
  bed.runFor(std::fmax(0.3, 2 * dt), dt);  // the limiter reaches it in 0.16 s, a cycle after it is asked
  EXPECT_NEAR(bed.cabin.state().differentialPsi, 5.0, 1e-9);
  EXPECT_DOUBLE_EQ(bed.cabin.state().cabinRateFpm, 8000.0);
}

TEST(CabinPressure, DumpRateIsTheDifferentialTimesEightThousandUpToItsLimit) {
  for (auto [differential, rate] : {std::pair{0.5, 4000.0}, {1.0, 8000.0}, {1.01, 8000.0}, {-2.0, -8000.0}}) {
    AirBed bed;
    bed.start();
    bed.cabinIn.modeSelector = 0;
    bed.cabinIn.outsidePressurePsi = 14.7 - differential;
    bed.runCycles(2, 1.0);
    EXPECT_DOUBLE_EQ(bed.cabin.state().cabinRateFpm, rate) << differential;
  }
}

TEST(CabinPressure, ManualRateIsSetByTheKnobAroundItsCentreAndLimitedTo2500) {
  struct Case {
    int stepsUp;
    double differential;
    double rate;
  };
  // Knob 1.0 at 5 psi asks for 3125; 0.5 holds the cabin; 0 at 2 psi descends at 1250.
  for (const Case& c : {Case{50, 5.0, 2500.0}, Case{25, 5.0, 0.0}, Case{0, 2.0, -1250.0}, Case{40, 2.0, 750.0}}) {
    AirBed bed;
    bed.start();
    for (int i = 0; i < c.stepsUp; ++i) bed.cabin.manualRateStep(+1);
    bed.cabinIn.modeSelector = 1;
    bed.cabinIn.outsidePressurePsi = 14.7 - c.differential;
    bed.runCycles(2, 1.0);
    EXPECT_NEAR(bed.cabin.state().cabinRateFpm, c.rate, 1e-6) << c.stepsUp;
  }
}

TEST(CabinPressure, TheCabinRateSlewsAtFiftyThousandFeetAMinutePerSecond) {
  AirBed bed;
  bed.start();
  bed.cabinIn.modeSelector = 0;
  bed.cabinIn.outsidePressurePsi = 14.7 - 5.0;
  bed.runCycles(1, 0.028);  // the wanted rate becomes the limiter's target
  bed.runCycles(1, 0.028);
  EXPECT_NEAR(bed.cabin.state().cabinRateFpm, 1400.0, 1e-6);
  bed.runCycles(1, 0.1);
  EXPECT_NEAR(bed.cabin.state().cabinRateFpm, 6400.0, 1e-6);
  bed.runCycles(1, 0.1);
  EXPECT_DOUBLE_EQ(bed.cabin.state().cabinRateFpm, 8000.0);
}

TEST(CabinPressure, NothingRunsUntilTheStartUpCountIsOverAndTheCabinIsSetAtCycle54) {
  AirBed bed;
  bed.givenAirborne(31000.0);
  bed.runCycles(53);
  EXPECT_DOUBLE_EQ(bed.cabin.state().cabinAltitudeFt, 0.0);
  bed.runCycles(1);
  EXPECT_NEAR(bed.cabin.state().cabinAltitudeFt, 10000.0, 1e-6);
  EXPECT_EQ(bed.cabin.state().phase, CabinPhase::kAirborne);
  bed.runCycles(5);
  EXPECT_FALSE(bed.cabin.state().running);
  bed.runCycles(1);
  EXPECT_TRUE(bed.cabin.state().running);

  AirBed ground;
  ground.givenOnGround(1200.0);
  ground.runCycles(54);
  EXPECT_DOUBLE_EQ(ground.cabin.state().cabinAltitudeFt, 1200.0);
  EXPECT_EQ(ground.cabin.state().phase, CabinPhase::kGround);
}

TEST(CabinPressure, ACabinAbove10000FtLightsCabinPress) {
  // Started in level flight, the cabin stays on the schedule: 10/31 of the altitude.
  AirBed high;
  high.givenAirborne(10001.0 * 3.1);
  high.start();
  high.runCycles(20);
  EXPECT_NEAR(high.cabin.state().cabinAltitudeFt, 10001.0, 0.5);
  EXPECT_TRUE(high.lit(lights::warning::kCabinPress));

  AirBed level;
  level.givenAirborne(9999.0 * 3.1);
  level.start();
  level.runCycles(20);
  EXPECT_FALSE(level.lit(lights::warning::kCabinPress));

  // Brought down on the manual knob, the cabin goes below 10000 ft and the light goes out.
  high.cabinIn.modeSelector = 1;
  for (int i = 0; i < 50; ++i) high.cabin.manualRateStep(-1);
  high.runFor(60.0, 0.3);
  EXPECT_LT(high.cabin.state().cabinAltitudeFt, 10000.0);
  EXPECT_FALSE(high.lit(lights::warning::kCabinPress));
}

TEST(CabinPressure, TheAutomaticPhasesFollowTheTakeOffRunFlightAndLanding) {
  AirBed bed;
  bed.givenOnGround(500.0);
  bed.start();
  bed.cabinIn.indicatedAirspeedKt = 30.0;
  bed.runCycles(1);
  EXPECT_EQ(bed.cabin.state().phase, CabinPhase::kGround);
  bed.cabinIn.indicatedAirspeedKt = 30.5;
  bed.runCycles(1);
  EXPECT_EQ(bed.cabin.state().phase, CabinPhase::kTakeoffRun);
  // The cabin goes 140 ft below the field on the run, at 300 fpm.
  bed.runFor(40.0, 0.056);
  EXPECT_NEAR(bed.cabin.state().cabinAltitudeFt, 360.0, 10.0);
  EXPECT_DOUBLE_EQ(bed.cabin.state().cabinRateFpm, 0.0);

  // A rejected take-off: below 28 kt the phase is the after-landing one, which returns the cabin
  // to the field at 600 fpm and then, 60 s on, to the ground phase.
  bed.cabinIn.indicatedAirspeedKt = 27.9;
  bed.runCycles(1);
  EXPECT_EQ(bed.cabin.state().phase, CabinPhase::kAfterLanding);
  bed.runCycles(3);
  EXPECT_DOUBLE_EQ(bed.cabin.state().cabinRateFpm, 600.0);
  bed.runFor(59.0, 0.3);
  EXPECT_EQ(bed.cabin.state().phase, CabinPhase::kAfterLanding);
  EXPECT_NEAR(bed.cabin.state().cabinAltitudeFt, 500.0, 25.0);
  bed.runFor(1.5, 0.3);
  EXPECT_EQ(bed.cabin.state().phase, CabinPhase::kGround);
  EXPECT_DOUBLE_EQ(bed.cabin.state().cabinAltitudeFt, 500.0);

  // Airborne, then on the ground again.
  bed.cabinIn.indicatedAirspeedKt = 100.0;
  bed.runCycles(1);
  bed.givenAirborne(600.0);
  bed.runCycles(1);
  EXPECT_EQ(bed.cabin.state().phase, CabinPhase::kAirborne);
  bed.givenOnGround(500.0);
  bed.runCycles(1);
  EXPECT_EQ(bed.cabin.state().phase, CabinPhase::kAfterLanding);
}

TEST(CabinPressure, TheSelectedCabinAltitudeIsAFloorTheCabinClimbsToFirst) {
  AirBed bed;
  for (int i = 0; i < 80; ++i) bed.cabin.cabinAltitudeStep(+1);
  EXPECT_DOUBLE_EQ(bed.cabin.state().selectedCabinAltitudeFt, 8000.0);
  bed.givenAirborne(3100.0);  // scheduled 1000 ft
  bed.start();
  bed.runFor(60.0, 0.3);
  EXPECT_NEAR(bed.cabin.state().cabinRateFpm, 500.0, 1e-6);
  EXPECT_NEAR(bed.cabin.state().cabinAltitudeFt, 1500.0, 10.0);
}

TEST(CabinPressure, WithoutPowerTheAutomaticControllerHoldsItsLastRate) {
  AirBed bed;
  bed.givenOnGround(0.0);
  bed.start();
  bed.cabinIn.indicatedAirspeedKt = 60.0;
  bed.runCycles(3);
  ASSERT_DOUBLE_EQ(bed.cabin.state().cabinRateFpm, -300.0);
  bed.cabinIn.dcPowerAvailable = false;
  bed.runFor(60.0, 0.3);
  EXPECT_DOUBLE_EQ(bed.cabin.state().cabinRateFpm, -300.0);
  EXPECT_EQ(bed.cabin.state().phase, CabinPhase::kTakeoffRun);
  EXPECT_NEAR(bed.cabin.state().cabinAltitudeFt, -300.0, 5.0);
}

TEST(CabinPressure, AClockThatGoesBackDoesNotRunTheCabinBackwards) {
  AirBed bed;
  bed.start();
  bed.cabinIn.modeSelector = 0;
  bed.cabinIn.outsidePressurePsi = 14.7 - 5.0;
  bed.runCycles(3);
  const double cabin = bed.cabin.state().cabinAltitudeFt;
  bed.now.nowS = 10.0;
  bed.runCycles(1, 0.0);
  EXPECT_GE(bed.cabin.state().cabinAltitudeFt, cabin);
}

TEST(CabinPressure, TheIndicatorsKeepToTheirScalesAndRestWithoutPower) {
  CabinPressureState s;
  s.cabinRateFpm = 2600.0;
  s.cabinAltitudeFt = 31000.0;
  s.differentialPsi = 7.0;
  s.barometricCorrectionInHg = 31.5;
  s.selectedCabinAltitudeFt = 10000.0;
  EXPECT_DOUBLE_EQ(cabinRateNeedle(s, true), 2.0);
  EXPECT_DOUBLE_EQ(cabinAltitudeNeedle(s, true), 30.0);
  EXPECT_DOUBLE_EQ(differentialPressureNeedle(s, true), 6.6);
  EXPECT_DOUBLE_EQ(barometricCorrectionDisplay(s, true), 31.0);
  EXPECT_DOUBLE_EQ(selectedCabinAltitudeDisplay(s, true), 10.0);
  s.cabinRateFpm = -1500.0;
  s.cabinAltitudeFt = -400.0;
  s.differentialPsi = -0.2;
  s.barometricCorrectionInHg = 29.92;
  s.selectedCabinAltitudeFt = -1000.0;
  EXPECT_DOUBLE_EQ(cabinRateNeedle(s, true), -1.5);
  EXPECT_DOUBLE_EQ(cabinAltitudeNeedle(s, true), 0.0);
  EXPECT_DOUBLE_EQ(differentialPressureNeedle(s, true), 0.0);
  EXPECT_DOUBLE_EQ(barometricCorrectionDisplay(s, true), 29.92);
  EXPECT_DOUBLE_EQ(selectedCabinAltitudeDisplay(s, true), -1.0);
  EXPECT_DOUBLE_EQ(cabinRateNeedle(s, false), 0.0);
  EXPECT_DOUBLE_EQ(barometricCorrectionDisplay(s, false), 28.0);
}

INSTANTIATE_TEST_SUITE_P(TimeSteps, CabinPressureTest, ::testing::ValuesIn(AirBed::kTimeSteps));

}  // namespace
}  // namespace xaq::systems
