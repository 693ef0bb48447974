#include "guidance/control_law.h"

#include <gtest/gtest.h>

namespace xaq::guidance {
namespace {

// Roll-channel numbers: K 8, E 10, S 2000, so one unit of missing rate moves the output 250.
ControlLawStep rollStep(double error, double rate, double output = 16000.0) {
  ControlLawStep s;
  s.target = 180.0;
  s.current = 180.0 + error;
  s.previous = s.current - rate;
  s.gain = 8.0;
  s.errorLimit = 10.0;
  s.output = output;
  s.lowest = 1000.0;
  s.highest = 31000.0;
  s.step = 2000.0;
  return s;
}

struct Case {
  const char* what;
  double error;  // current - target
  double rate;   // current - previous
  double expected;
};

TEST(ControlLaw, MovesOnlyOutsideTheBandAroundThreeQuartersOfTheWantedRate) {
  // Error -10 wants a rate of +8: r75 = 6, r50 = 4, the far edge 8 + 1e-5. Error +10 mirrors it.
  const Case cases[] = {
      {"below, too slow: pushes by the shortfall", -10, 0.0, 16000 + 250 * 6},
      {"below, under half the rate", -10, 3.9, 16000 + 250 * 2.1},
      {"below, between half and three quarters: holds", -10, 5.0, 16000},
      {"below, exactly three quarters: holds", -10, 6.0, 16000},
      {"below, between three quarters and the full rate: holds", -10, 7.9, 16000},
      {"below, within the dead band of the full rate: holds", -10, 8.0, 16000},
      {"below, faster than asked: eases by the excess", -10, 9.0, 16000 - 250 * 3},
      {"above, too slow: pushes down", 10, 0.0, 16000 - 250 * 6},
      {"above, between half and three quarters: holds", 10, -5.0, 16000},
      {"above, between three quarters and the full rate: holds", 10, -7.9, 16000},
      {"above, faster than asked: eases back", 10, -9.0, 16000 + 250 * 3},
      {"the error is held to its limit", -50, 0.0, 16000 + 250 * 6},
      {"a smaller error asks for a smaller rate", -5, 0.0, 16000 + 250 * 3},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(controlLaw(rollStep(c.error, c.rate)), c.expected, 1e-6) << c.what;
  }
}

TEST(ControlLaw, AnErrorUnderOnePercentOfItsLimitLeavesTheOutputAsItIs) {
  EXPECT_EQ(controlLaw(rollStep(0.099, 5.0)), 16000);
  EXPECT_EQ(controlLaw(rollStep(-0.099, -5.0)), 16000);
  EXPECT_NE(controlLaw(rollStep(0.101, 5.0)), 16000);
  // Even an output outside its range comes back untouched inside the dead band ...
  EXPECT_EQ(controlLaw(rollStep(0.05, 0.0, 40000)), 40000);
  // ... but the strict form acts on any error.
  ControlLawStep strict = rollStep(0.05, 0.0);
  strict.strict = true;
  EXPECT_NEAR(controlLaw(strict), 16000 - 250 * 0.03, 1e-9);
}

TEST(ControlLaw, TheOutputStaysWithinItsRange) {
  EXPECT_EQ(controlLaw(rollStep(-10, -20, 30500)), 31000);
  EXPECT_EQ(controlLaw(rollStep(10, 20, 1500)), 1000);
  EXPECT_EQ(controlLaw(rollStep(-10, 5.0, 35000)), 31000);  // holding, but brought into range
}

}  // namespace
}  // namespace xaq::guidance
