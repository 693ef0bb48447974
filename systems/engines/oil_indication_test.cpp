#include "systems/engines/oil_indication.h"

#include <limits>

#include <gtest/gtest.h>

namespace xaq::systems {
namespace {

TEST(OilIndication, NeedlesStayOnTheirDialsAndRestWithoutPower) {
  EXPECT_DOUBLE_EQ(oilPressureShownPsi(104.0, true), 100.0);
  EXPECT_DOUBLE_EQ(oilPressureShownPsi(-3.0, true), 0.0);
  EXPECT_DOUBLE_EQ(oilPressureShownPsi(61.5, true), 61.5);
  EXPECT_DOUBLE_EQ(oilPressureShownPsi(61.5, false), 0.0);
  EXPECT_DOUBLE_EQ(oilTemperatureShownC(151.0, true), 150.0);
  EXPECT_DOUBLE_EQ(oilTemperatureShownC(-60.0, true), -50.0);
  EXPECT_DOUBLE_EQ(oilTemperatureShownC(40.0, false), -50.0);
  EXPECT_DOUBLE_EQ(oilTemperatureShownC(std::numeric_limits<double>::quiet_NaN(), true), -50.0);
}

TEST(OilIndication, TooltipsRoundHalfAwayFromZero) {
  EXPECT_EQ(oilPressureTooltip(0, 59.5), "Left engine oil pressure: 60 PSI");
  EXPECT_EQ(oilPressureTooltip(1, 59.49), "Right engine oil pressure: 59 PSI");
  EXPECT_EQ(oilTemperatureTooltip(0, -2.5), "Left engine oil temperature: -3");
  EXPECT_EQ(oilTemperatureTooltip(1, 45.0), "Right engine oil temperature: 45");
}

}  // namespace
}  // namespace xaq::systems
