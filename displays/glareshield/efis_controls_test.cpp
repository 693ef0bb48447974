// The EFIS display-control panel's settings as the pedestal's controls step them.

#include "displays/glareshield/efis_controls.h"

#include <gtest/gtest.h>

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
  HeldEfisControls c;
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
  HeldEfisControls c;
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

}  // namespace
}  // namespace xaq::displays
