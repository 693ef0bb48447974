// The weather radar picture's drift and level, and the pedestal levers' arithmetic.

#include "systems/switches/weather_radar.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/testing/recording_effects.h"
#include "systems/switches/pedestal_levers.h"

namespace xaq::systems {
namespace {

using Events = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

struct RadarBed {
  void runFor(double seconds, double dtS) {
    const int cycles = static_cast<int>(std::lround(seconds / dtS));
    for (int k = 0; k < cycles; ++k) {
      now.nowS += dtS;
      now.dtS = dtS;
      radar.update(now, in);
    }
  }
  WeatherRadar radar;
  WeatherRadarInputs in{200.0, 90.0, 5000.0, {}};
  CycleContext now;
};

TEST(WeatherRadarPicture, StartsOnAtLevelOneAndMovesEveryThreeSecondsAtAnyFrameTime) {
  for (double dt : {0.028, 0.056, 0.3}) {
    RadarBed bed;
    EXPECT_TRUE(bed.radar.state().radarOn);
    EXPECT_EQ(bed.radar.state().level, 1);
    // Heading east at 200 kt: the first action, the first cycle past 3 s, moves x by the time
    // since the start x 200 x 0.0025; y stays.
    while (bed.radar.state().xOffset == 0.0 && bed.now.nowS < 10.0) bed.runFor(dt, dt);
    EXPECT_GT(bed.now.nowS, 3.0) << dt;
    EXPECT_LE(bed.now.nowS - dt, 3.0 + 1e-9) << dt;
    EXPECT_NEAR(bed.radar.state().xOffset, bed.now.nowS * 200.0 * 0.0025, 1e-9) << dt;
    EXPECT_NEAR(bed.radar.state().yOffset, 0.0, 1e-9) << dt;
    EXPECT_EQ(bed.radar.state().level, 0) << "clear air";
    const double x = bed.radar.state().xOffset;
    bed.runFor(2.7, dt);
    EXPECT_EQ(bed.radar.state().xOffset, x) << "still within the period: " << dt;
  }
}

TEST(WeatherRadarPicture, NorthMovesThePictureDownAndTheOffsetsWrapIntoPlusMinus128) {
  RadarBed bed;
  bed.in.headingDeg = 0.0;
  bed.in.indicatedAirspeedKt = 4000.0;  // about 31 units a step
  bed.runFor(3.25, 0.25);
  EXPECT_NEAR(bed.radar.state().yOffset, -3.25 * 4000.0 * 0.0025, 1e-9);
  for (int k = 0; k < 20; ++k) {
    bed.runFor(3.1, 0.1);
    EXPECT_GE(bed.radar.state().yOffset, -128.0);
    EXPECT_LE(bed.radar.state().yOffset, 128.0);
  }
  bed.in.headingDeg = 90.0;
  bed.in.indicatedAirspeedKt = 1e9;  // one step many turns of the picture
  bed.runFor(3.1, 0.1);
  EXPECT_GE(bed.radar.state().xOffset, -128.0);
  EXPECT_LE(bed.radar.state().xOffset, 128.0);
}

TEST(WeatherRadarPicture, OffHoldsThePictureAndBadAirDataNeverPoisonsIt) {
  RadarBed bed;
  bed.radar.togglePower();
  EXPECT_FALSE(bed.radar.state().radarOn);
  bed.runFor(10.0, 0.1);
  EXPECT_EQ(bed.radar.state().xOffset, 0.0);
  EXPECT_EQ(bed.radar.state().level, 1);
  bed.radar.togglePower();
  bed.in.indicatedAirspeedKt = std::nan("");
  bed.runFor(3.2, 0.1);
  EXPECT_EQ(bed.radar.state().xOffset, 0.0);
  EXPECT_EQ(bed.radar.state().level, 0) << "the level still follows the clouds";
}

TEST(WeatherRadarPicture, ARestartedClockStartsThePeriodAgain) {
  RadarBed bed;
  bed.now.nowS = 1000.0;
  bed.runFor(0.1, 0.1);
  const double x = bed.radar.state().xOffset;
  bed.now.nowS = 0.0;
  bed.runFor(3.2, 0.1);
  EXPECT_NE(bed.radar.state().xOffset, x) << "the picture keeps moving after a reload";
}

TEST(WeatherRadarLevel, ComesFromTheCloudLayerTheAircraftIsIn) {
  std::array<WeatherCloudLayer, 3> clouds{{{4000, 6000, 101}, {8000, 9000, 65535}, {12000, 14000, 32768}}};
  EXPECT_EQ(weatherLevel(5000, clouds), 6);
  EXPECT_EQ(weatherLevel(3500, clouds), 6) << "500 ft below the base still counts";
  EXPECT_EQ(weatherLevel(3499, clouds), 0);
  EXPECT_EQ(weatherLevel(6500, clouds), 6);
  EXPECT_EQ(weatherLevel(6501, clouds), 0);
  EXPECT_EQ(weatherLevel(8500, clouds), 5);
  EXPECT_EQ(weatherLevel(13000, clouds), 3) << "32768 x 7.63e-5 = 2.5, rounded away from zero";
  clouds[0].density = 100;
  EXPECT_EQ(weatherLevel(5000, clouds), 0) << "a thin first layer is clear air";
  clouds[1] = {4000, 6000, 20000};
  EXPECT_EQ(weatherLevel(5000, clouds), 2) << "then the second layer counts";
  clouds[1].density = 100;
  clouds[2] = {4500, 5500, 65535};
  EXPECT_EQ(weatherLevel(5000, clouds), 5) << "and then the third";
}

TEST(PowerLevers, TheAreaRunsFromFullPowerAtTheTopToFullReverseAtTheBottom) {
  const double height = 800.0;
  const double travel = 0.44697 * height;
  EXPECT_EQ(powerLeverValue(0.0, height), 16383);
  EXPECT_EQ(powerLeverValue(travel, height), -8191);
  EXPECT_EQ(powerLeverValue(travel / 2.0, height), static_cast<std::int32_t>(24574.0 / 2.0 - 8191.0));
  EXPECT_EQ(powerLeverValue(-20.0, height), 16383) << "limited at full power";
  EXPECT_EQ(powerLeverValue(travel + 20.0, height), -8191) << "and at full reverse";
  EXPECT_EQ(powerLeverValue(10.0, 0.0), -8191) << "no travel: idle, never a division by zero";
  EXPECT_EQ(powerLeverValue(std::nan(""), height), -8191);
  testing::RecordingEffects fx;
  setPowerLevers(powerLeverValue(0.0, height), fx);
  setPowerLevers(-8191, fx);
  EXPECT_EQ(fx.events, (Events{{65820, 16383}, {65820, static_cast<std::uint32_t>(-8191)}}));
}

TEST(ConditionLevers, MoveToTheMouseThenTurnTheFuelOnAndBothMoveTogether) {
  EXPECT_EQ(conditionLeverValue(0.0, 200.0), 16384);
  EXPECT_EQ(conditionLeverValue(200.0, 200.0), -4096);
  EXPECT_EQ(conditionLeverValue(100.0, 200.0), 6144);
  testing::RecordingEffects fx;
  moveConditionLevers(ConditionLevers::kLeft, 6144, fx);
  EXPECT_EQ(fx.events, (Events{{65923, 6144}, {65983, 1}}));
  fx.events.clear();
  moveConditionLevers(ConditionLevers::kRight, 100, fx);
  EXPECT_EQ(fx.events, (Events{{65924, 100}, {65988, 1}}));
  fx.events.clear();
  moveConditionLevers(ConditionLevers::kBoth, 16384, fx);
  EXPECT_EQ(fx.events, (Events{{65923, 16384}, {65924, 16384}, {65983, 1}, {65988, 1}}));
  fx.events.clear();
  fuelOff(ConditionLevers::kLeft, fx);
  fuelOff(ConditionLevers::kRight, fx);
  const auto feather = static_cast<std::uint32_t>(-4096);
  EXPECT_EQ(fx.events, (Events{{65923, feather}, {65987, 1}, {65924, feather}, {65992, 1}}));
}

}  // namespace
}  // namespace xaq::systems
