// The EFIS display-control panel: its settings as the pedestal's controls step them, and the
// displays' brightness as power comes and goes.

#include "displays/glareshield/efis_controls.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace xaq::displays {
namespace {

TEST(EfisMapRange, StepsThroughTheRangesTheDisplayKnows) {
  double r = 5;
  std::string up;
  for (int k = 0; k < 8; ++k) up += std::to_string(static_cast<int>(r = nextMapRange(r, +1))) + " ";
  EXPECT_EQ(up, "10 25 100 300 300 300 300 300 ") << "from 10 up is 25, from 25 is 100, from 100 is 300";
  std::string down;
  for (int k = 0; k < 8; ++k) down += std::to_string(static_cast<int>(r = nextMapRange(r, -1))) + " ";
  EXPECT_EQ(down, "200 100 50 25 20 10 5 5 ");
  EXPECT_EQ(nextMapRange(50, +1), 200);
  EXPECT_EQ(nextMapRange(20, +1), 50);
}

TEST(EfisButtons, MapTakesTheArcWithItAndArcTurnsTheMapOff) {
  EfisDisplayControls c;
  c.pressMap();
  EXPECT_TRUE(c.settings().mapOn);
  EXPECT_TRUE(c.settings().arcMode);
  c.pressArc();
  EXPECT_FALSE(c.settings().arcMode);
  EXPECT_FALSE(c.settings().mapOn);
  c.pressArc();
  EXPECT_TRUE(c.settings().arcMode);
  EXPECT_FALSE(c.settings().mapOn);
  c.pressMap();
  c.pressMap();
  EXPECT_FALSE(c.settings().mapOn);
  EXPECT_FALSE(c.settings().arcMode);
  c.toggleTimeToGo();
  EXPECT_TRUE(c.settings().timeToGo);
}

TEST(EfisKnobs, StopAtTheirEnds) {
  EfisDisplayControls c;
  for (int k = 0; k < 6; ++k) c.stepBearingSource(1, +1);
  EXPECT_EQ(c.settings().bearingSource1, 4);
  for (int k = 0; k < 6; ++k) c.stepBearingSource(2, -1);
  EXPECT_EQ(c.settings().bearingSource2, 0);
  EXPECT_EQ(c.settings().bearingSource1, 4) << "each pointer has its own knob";
  c.stepDecisionHeight(-1);
  EXPECT_EQ(c.settings().decisionHeightFt, 0);
  for (int k = 0; k < 120; ++k) c.stepDecisionHeight(+1);
  EXPECT_EQ(c.settings().decisionHeightFt, 990);
  c.stepAdiDim(+1);
  EXPECT_EQ(c.settings().adiDim, 1.0);
  for (int k = 0; k < 20; ++k) c.stepHsiDim(-1);
  EXPECT_EQ(c.settings().hsiDim, 0.0) << "twenty steps reach dark exactly";
  c.stepHsiDim(+1);
  EXPECT_NEAR(c.settings().hsiDim, 0.05, 1e-12);
  EXPECT_EQ(c.settings().adiDim, 1.0);
}

constexpr double kTimeSteps[] = {0.0, 0.028, 0.056, 0.3, 6.0};

CycleContext at(double t) { return {t, 0.0, false, 1.0}; }

// Steps the panel from power-up at `t0` to `t0 + span` at `dt` a cycle; returns the ADI brightness
// seen at each cycle time.
std::vector<std::pair<double, double>> ramp(EfisDisplayControls& c, double t0, double span, double dt) {
  std::vector<std::pair<double, double>> seen;
  c.powerUp(at(t0));
  const int cycles = dt > 0.0 ? static_cast<int>(span / dt + 0.5) : 5;
  for (int k = 0; k <= cycles; ++k) {
    const double t = t0 + k * dt;
    c.update(at(t));
    seen.emplace_back(t - t0, c.brightness().adi);
  }
  return seen;
}

TEST(EfisBrightness, RampsOverThreeSecondsToTheDimValueAtEveryTimeStep) {
  for (double dt : kTimeSteps) {
    EfisDisplayControls c;
    for (const auto& [since, b] : ramp(c, 100.0, 7.0, dt)) {
      const double expected = since >= 3.0 ? 1.0 : since / 3.0;
      EXPECT_NEAR(b, expected, 1e-9) << "dt " << dt << " at " << since << " s";
    }
    EXPECT_EQ(c.brightness().hsi, dt > 0.0 ? 1.0 : 0.0) << "dt " << dt;
  }
}

TEST(EfisBrightness, IsTheSmallerOfTheRampAndEachDisplaysDimValue) {
  EfisDisplayControls c;
  for (int k = 0; k < 10; ++k) c.stepAdiDim(-1);  // ADI at 0.5
  for (int k = 0; k < 16; ++k) c.stepHsiDim(-1);  // HSI at 0.2
  c.powerUp(at(10.0));
  c.update(at(10.3));
  EXPECT_NEAR(c.brightness().adi, 0.1, 1e-9);
  EXPECT_NEAR(c.brightness().hsi, 0.1, 1e-9);
  c.update(at(11.2));
  EXPECT_NEAR(c.brightness().adi, 0.4, 1e-9);
  EXPECT_NEAR(c.brightness().hsi, 0.2, 1e-9) << "held at the HSI's dim value inside the ramp";
  c.update(at(11.6));
  EXPECT_NEAR(c.brightness().adi, 0.5, 1e-9);
  c.update(at(12.99));
  EXPECT_NEAR(c.brightness().adi, 0.5, 1e-9);
  c.stepAdiDim(+1);
  c.update(at(13.0));
  EXPECT_NEAR(c.brightness().adi, 0.55, 1e-9) << "from 3 s on the dim knob acts at once";
}

TEST(EfisBrightness, IsDarkWhilePoweredDownAndRampsAgainAfterTheNextPowerUp) {
  EfisDisplayControls c;
  c.update(at(5.0));
  EXPECT_EQ(c.brightness().adi, 0.0) << "dark before the first power-up";
  c.powerUp(at(5.0));
  c.update(at(20.0));
  EXPECT_EQ(c.brightness().adi, 1.0);
  c.powerDown();
  EXPECT_EQ(c.brightness().adi, 0.0);
  EXPECT_EQ(c.brightness().hsi, 0.0);
  c.update(at(21.0));
  EXPECT_EQ(c.brightness().adi, 0.0);
  c.powerUp(at(30.0));
  c.update(at(31.5));
  EXPECT_NEAR(c.brightness().adi, 0.5, 1e-9) << "the ramp counts from the latest power-up";
}

TEST(EfisBrightness, AClockThatGoesBackStartsTheRampFromDarkNotBelowIt) {
  EfisDisplayControls c;
  c.powerUp(at(500.0));
  c.update(at(12.0));  // a reloaded flight
  EXPECT_EQ(c.brightness().adi, 0.0);
  c.update(at(13.5));
  EXPECT_NEAR(c.brightness().adi, 0.5, 1e-9);
  EXPECT_EQ(efisRampedBrightness(-4.0, 1.0), 0.0);
  EXPECT_EQ(efisRampedBrightness(3.0, 0.7), 0.7);
  EXPECT_NEAR(efisRampedBrightness(2.999, 1.0), 0.99967, 1e-5);
}

}  // namespace
}  // namespace xaq::displays
