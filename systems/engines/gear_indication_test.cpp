#include "systems/engines/gear_indication.h"

#include <gtest/gtest.h>

namespace xaq::systems {
namespace {

constexpr double kTimeSteps[] = {0.028, 0.056, 0.3, 6.0};

GearIndicationState run(GearIndication& g, double nowS, std::array<double, 3> legs, double handle) {
  g.update(CycleContext{nowS, 0.056}, GearInputs{legs, handle});
  return g.state();
}

TEST(GearIndication, TransitRisesOverTheFirstThousandUnitsAndFallsOverTheLast) {
  GearIndication g;
  const double d[] = {0, 500, 999, 1000, 15384, 15385, 16384};
  const double transit[] = {0, 0.5, 0.999, 1.0, 1.0, 0.999, 0.0};
  for (int k = 0; k < 7; ++k) {
    run(g, 0, {d[k], d[k], d[k]}, d[k]);
    EXPECT_NEAR(g.leg(GearLeg::kLeft).transit, transit[k], 1e-9) << d[k];
  }
  run(g, 0, {1000, 8692, 16384}, 16384);
  EXPECT_NEAR(g.leg(GearLeg::kLeft).positionFraction, 0.0, 1e-12);
  EXPECT_NEAR(g.leg(GearLeg::kRight).positionFraction, 0.5, 1e-12);
  EXPECT_NEAR(g.leg(GearLeg::kNose).positionFraction, 1.0, 1e-12);
}

TEST(GearIndication, ALegIsUnlockedOutsideTheUpStopWhenItDisagreesWithTheHandle) {
  GearIndication g;
  // Left leg, right leg, nose leg, in the host's order 333, 334, 332.
  run(g, 0, {1000, 1001, 16364}, 16384);
  EXPECT_FALSE(g.leg(GearLeg::kLeft).unlocked);  // still in the up band
  EXPECT_TRUE(g.leg(GearLeg::kRight).unlocked);
  EXPECT_FALSE(g.leg(GearLeg::kNose).unlocked);  // exactly 20 away
  EXPECT_TRUE(g.state().disagree);               // the left leg is far from the handle
  EXPECT_TRUE(g.state().selectedDown);
  run(g, 0, {16384, 16384, 16363}, 16384);
  EXPECT_TRUE(g.leg(GearLeg::kNose).unlocked);
  run(g, 0, {16384, 16384, 16364}, 16384);
  EXPECT_FALSE(g.state().disagree);
}

TEST(GearIndication, TheHandleSelectsDownAbove20) {
  GearIndication g;
  EXPECT_FALSE(run(g, 0, {0, 0, 0}, 20).selectedDown);
  EXPECT_TRUE(run(g, 0, {0, 0, 0}, 21).selectedDown);
}

TEST(GearIndication, ASelectionChangeShowsForThreeTenthsOfASecond) {
  for (const double dt : kTimeSteps) {
    GearIndication g;
    double t = 10;
    EXPECT_FALSE(run(g, t, {16384, 16384, 16384}, 16384).selectionChanged) << "starting with the gear down";
    t += dt;
    EXPECT_TRUE(run(g, t, {16384, 16384, 16384}, 0).selectionChanged) << dt;
    const double changedAt = t;
    while (t + dt < changedAt + 0.3 - 1e-9) {
      t += dt;
      EXPECT_TRUE(run(g, t, {16000, 16000, 16000}, 0).selectionChanged) << dt << " at " << t - changedAt;
    }
    EXPECT_FALSE(run(g, changedAt + 0.3, {15000, 15000, 15000}, 0).selectionChanged) << dt;
  }
}

}  // namespace
}  // namespace xaq::systems
