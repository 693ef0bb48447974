#include <gtest/gtest.h>

#include "displays/analog/airspeed_bug.h"
#include "displays/analog/flaps_needle.h"

namespace xaq::displays {
namespace {

TEST(AirspeedBug, KnobStepsByFiveWithinZeroAnd400) {
  services::SavedState store;
  AirspeedBug bug(store);
  for (int i = 0; i < 50; ++i) bug.stepUp();
  EXPECT_EQ(bug.bugKt(), 400);
  for (int i = 0; i < 100; ++i) bug.stepDown();
  EXPECT_EQ(bug.bugKt(), 0);
  bug.stepUp();
  EXPECT_EQ(bug.state().bugKt, 5);
}

TEST(AirspeedBug, SpeedTargetFallsWithWeightAndFlapAtTheHandleBoundaries) {
  services::SavedState store;
  AirspeedBug bug(store);
  const CycleContext now;
  bug.update(now, {30000.0, 0.0});
  EXPECT_DOUBLE_EQ(bug.speedTargetKt(), 136.0);
  bug.update(now, {43000.0, 12253.0});
  EXPECT_NEAR(bug.speedTargetKt(), 136.0 - 13000 * 0.0017692307692307693, 1e-9);
  bug.update(now, {43000.0, 12254.0});
  EXPECT_NEAR(bug.speedTargetKt(), 136.0 - 23.0 - 22.0, 1e-9);
  bug.update(now, {43000.0, 16353.0});
  EXPECT_NEAR(bug.speedTargetKt(), 136.0 - 23.0 - 30.0, 1e-9);
}

TEST(FlapsNeedle, FirstStepIsTheClocksOriginAndNothingMoves) {
  FlapsNeedle needle;
  EXPECT_EQ(needle.show(8000.0), 0.0);
  needle.step(500.0);
  EXPECT_EQ(needle.position(), 0.0);
  needle.step(500.25);
  EXPECT_DOUBLE_EQ(needle.position(), 4096.0);
  needle.step(499.0);  // the clock went back (a reloaded situation): no movement
  EXPECT_DOUBLE_EQ(needle.position(), 4096.0);
  needle.step(501.0);
  EXPECT_DOUBLE_EQ(needle.position(), 8000.0);
}

}  // namespace
}  // namespace xaq::displays
