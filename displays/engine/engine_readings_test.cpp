// The engine instruments' readings, tests and texts, without any gauge.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "displays/engine/engine_reading.h"
#include "displays/engine/engine_texts.h"

namespace xaq::displays {
namespace {

constexpr double kTimeSteps[] = {0.0, 0.028, 0.056, 0.3, 6.0};

TEST(EngineTest, EachDialShowsItsTestValueForExactlyOneSecondThenTheLiveValueWhateverTheFrameTime) {
  struct Case {
    EngineQuantity quantity;
    double test;
  };
  const Case cases[] = {{EngineQuantity::kTorque, 105}, {EngineQuantity::kNh, 105},
                        {EngineQuantity::kNl, 105},     {EngineQuantity::kPropSpeed, 1050},
                        {EngineQuantity::kItt, 1050},   {EngineQuantity::kFuelFlow, 1050}};
  for (const Case& c : cases) {
    for (double dt : kTimeSteps) {
      EngineReading r(c.quantity, 1);
      const double pressed = 100.0;
      EXPECT_DOUBLE_EQ(r.read(62.5, pressed - 1.0), 62.5);
      r.pressTest(pressed);
      double t = pressed;
      // Frames up to and including one second after the press show the test value.
      const int frames = dt > 0.0 ? static_cast<int>(std::floor(1.0 / dt + 1e-9)) : 3;
      for (int k = 0; k <= frames; ++k, t += dt) {
        ASSERT_DOUBLE_EQ(r.read(62.5, t), c.test) << static_cast<int>(c.quantity) << " dt " << dt << " k " << k;
      }
      EXPECT_DOUBLE_EQ(r.read(62.5, pressed + 1.0), c.test) << "exactly one second still tests";
      EXPECT_DOUBLE_EQ(r.read(63.0, pressed + 1.0 + 1e-9), 63.0) << "just after, live";
      EXPECT_FALSE(r.testActive());
      EXPECT_DOUBLE_EQ(r.read(63.0, pressed + 0.5), 63.0) << "a finished test stays finished";
    }
  }
}

TEST(EngineTest, HoldingTheButtonRestartsTheSecondOnEveryRepeat) {
  EngineReading r(EngineQuantity::kNh, 2);
  for (double t = 10.0; t < 13.0; t += 0.3) {
    r.pressTest(t);
    EXPECT_DOUBLE_EQ(r.read(80.0, t + 0.29), 105.0) << t;
  }
  EXPECT_DOUBLE_EQ(r.read(80.0, 12.7 + 1.01), 80.0) << "a second after the last repeat";
}

TEST(EngineTest, AClockThatGoesBackEndsTheTest) {
  EngineReading r(EngineQuantity::kItt, 1);
  r.pressTest(500.0);
  EXPECT_TRUE(r.testShowing(500.5));
  EXPECT_FALSE(r.testShowing(20.0)) << "a reloaded flight would otherwise test for 480 s";
  EXPECT_DOUBLE_EQ(r.read(640.0, 20.0), 640.0);
}

TEST(PropSpeed, TheGovernedSpeedBendsAtTheKneeOfTheLeversTravel) {
  EXPECT_DOUBLE_EQ(governedPropSpeedRpm(0.0), 785.0);
  EXPECT_NEAR(governedPropSpeedRpm(10192.0), 916.0, 1e-9);
  EXPECT_NEAR(governedPropSpeedRpm(10193.0), 906.0465, 1e-3) << "just above the knee the target drops";
  EXPECT_NEAR(governedPropSpeedRpm(16384.0), 906.0 + 6192.0 * 2.0 / 43.0, 1e-9);
}

TEST(PropSpeed, TheGovernedWeightGrowsWithAirspeedUpToNinetyFivePercentButFollowsASlowPropeller) {
  EXPECT_DOUBLE_EQ(governedSpeedWeight(60.0, 1000.0), 0.5);
  EXPECT_DOUBLE_EQ(governedSpeedWeight(114.0, 1000.0), 0.95);
  EXPECT_DOUBLE_EQ(governedSpeedWeight(200.0, 1000.0), 0.95) << "capped";
  EXPECT_DOUBLE_EQ(governedSpeedWeight(200.0, 399.0), 399.0 * 0.0025) << "below 400 RPM";
  EXPECT_DOUBLE_EQ(governedSpeedWeight(0.0, 400.0), 0.0) << "400 RPM itself takes the airspeed";
  EXPECT_DOUBLE_EQ(governedSpeedWeight(-3.0, 1000.0), 0.0);
}

TEST(PropSpeed, TheShownSpeedBlendsThePropellerWithItsSmoothedGovernedSpeed) {
  PropSpeedReading r(1);
  // The governed speed starts at 500 and settles on its target at 150 RPM/s.
  EXPECT_DOUBLE_EQ(r.read(1000.0, 0.0, 60.0, 5.0), 0.5 * 1000.0 * 0.86 + 0.5 * 500.0);
  EXPECT_DOUBLE_EQ(r.read(1000.0, 0.0, 60.0, 6.0), 0.5 * 1000.0 * 0.86 + 0.5 * 650.0);
  EXPECT_DOUBLE_EQ(r.read(1000.0, 0.0, 60.0, 7.0), 0.5 * 1000.0 * 0.86 + 0.5 * 785.0);
  // Feathered (negative input): the propeller's own speed.
  EXPECT_DOUBLE_EQ(r.read(640.0, -4096.0, 160.0, 8.0), 640.0);
  EXPECT_DOUBLE_EQ(r.read(640.0, -1e-9, 160.0, 8.0), 640.0);
  EXPECT_DOUBLE_EQ(r.read(0.0, 0.0, 160.0, 8.0), 0.0) << "a stopped propeller reads 0 at any airspeed";
  // The test shows 1050 for one second.
  r.reading().pressTest(9.0);
  EXPECT_DOUBLE_EQ(r.read(0.0, 0.0, 0.0, 9.5), 1050.0);
  EXPECT_DOUBLE_EQ(r.read(0.0, 0.0, 0.0, 10.5), 0.0);
}

TEST(PropSpeed, TheGovernedSpeedSettlesAtTheSameRateWhateverTheFrameTime) {
  for (double dt : kTimeSteps) {
    PropSpeedReading r(2);
    double t = 0.0;
    r.read(1200.0, 16384.0, 200.0, t);
    const int frames = dt > 0.0 ? static_cast<int>(std::lround(2.0 / dt)) : 5;
    for (int k = 0; k < frames; ++k) r.read(1200.0, 16384.0, 200.0, t += dt);
    const double expected = std::min(500.0 + 150.0 * t, governedPropSpeedRpm(16384.0));
    EXPECT_NEAR(r.smoothedGovernedRpm(), expected, 1e-6) << dt;
  }
}

TEST(EngineTexts, ReadoutsAndTheirBlankingWithoutPower) {
  struct Case {
    EngineQuantity quantity;
    double value;
    const char* text;
  };
  const Case cases[] = {
      {EngineQuantity::kTorque, 130.0, "130.0"}, {EngineQuantity::kTorque, 0.04, "  0.0"},
      {EngineQuantity::kNh, 105.0, "105.0"},     {EngineQuantity::kNl, 99.96, "100.0"},
      {EngineQuantity::kPropSpeed, 6.0, "   06"}, {EngineQuantity::kPropSpeed, 10.0, "   10"},
      {EngineQuantity::kPropSpeed, 9.5, "   10"}, {EngineQuantity::kPropSpeed, 9.49, "   09"},
      {EngineQuantity::kPropSpeed, 1050.0, " 1050"}, {EngineQuantity::kItt, 0.0, "   00"},
      {EngineQuantity::kItt, 801.5, "  802"},    {EngineQuantity::kItt, -3.0, "   -3"},
      {EngineQuantity::kFuelFlow, 6.0, "    6"}, {EngineQuantity::kFuelFlow, 412.5, "  413"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(engineReadoutText(c.quantity, c.value, true), c.text) << c.value;
    EXPECT_EQ(engineReadoutText(c.quantity, c.value, false), "") << c.value;
  }
}

TEST(EngineTexts, TooltipsNameTheEngineAndRoundWholeNumbersHalfAwayFromZero) {
  EXPECT_EQ(engineTooltipText(EngineQuantity::kTorque, 1, 87.25), "Left engine torque: 87.2%");
  EXPECT_EQ(engineTooltipText(EngineQuantity::kTorque, 2, 105.0), "Right engine torque: 105.0%");
  EXPECT_EQ(engineTooltipText(EngineQuantity::kPropSpeed, 1, 1019.5), "Left engine prop RPM: 1020");
  EXPECT_EQ(engineTooltipText(EngineQuantity::kItt, 2, 715.5),
            "Right engine inter-turbine temperature (ITT): 716 \xB0" "C");
  EXPECT_EQ(engineTooltipText(EngineQuantity::kNh, 1, 85.0), "Left engine HP gas generator speed (NH): 85.0%");
  EXPECT_EQ(engineTooltipText(EngineQuantity::kNl, 2, 99.0), "Right engine LP gas generator speed (NL): 99.0%");
  EXPECT_EQ(engineTooltipText(EngineQuantity::kFuelFlow, 1, 680.4), "Left engine fuel flow (FF):   680 PPH");
}

TEST(EngineScales, PointersAreHeldOnTheirScalesAndTheReferenceSwingsToEightyFiveDuringTheTest) {
  EXPECT_DOUBLE_EQ(heldOnScale(EngineQuantity::kTorque, 130.0), 120.0);
  EXPECT_DOUBLE_EQ(heldOnScale(EngineQuantity::kTorque, -5.0), 0.0);
  EXPECT_DOUBLE_EQ(heldOnScale(EngineQuantity::kPropSpeed, 1600.0), 1500.0);
  EXPECT_DOUBLE_EQ(heldOnScale(EngineQuantity::kItt, 1250.0), 1200.0);
  EXPECT_DOUBLE_EQ(heldOnScale(EngineQuantity::kNh, 111.0), 110.0);
  EXPECT_DOUBLE_EQ(heldOnScale(EngineQuantity::kFuelFlow, 1300.0), 1200.0);
  EXPECT_DOUBLE_EQ(heldOnScale(EngineQuantity::kNl, std::nan("")), 0.0);
  EXPECT_DOUBLE_EQ(torqueReferenceShownPct(90.0, true), 85.0);
  EXPECT_DOUBLE_EQ(torqueReferenceShownPct(90.0, false), 90.0);
  EXPECT_DOUBLE_EQ(torqueReferenceShownPct(140.0, false), 120.0);
}

TEST(EngineScales, TheIttLightComesOnAboveEightHundredDegreesWithPower) {
  EXPECT_FALSE(ittOverTemperature(800.0, true));
  EXPECT_TRUE(ittOverTemperature(800.5, true));
  EXPECT_FALSE(ittOverTemperature(1050.0, false));
}

}  // namespace
}  // namespace xaq::displays
