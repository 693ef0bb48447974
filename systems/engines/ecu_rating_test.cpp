#include "systems/engines/ecu_rating.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace xaq::systems {
namespace {

TEST(EcuReferenceTorque, TakeOffAtSeaLevelIsHeldBetween79And90) {
  EXPECT_DOUBLE_EQ(referenceTorquePct(EcuRating::kTop, {0, 15, 15}), 90.0);
  // 8 % a degree above 30: 89 at 31, the lower limit from a little above 32.
  EXPECT_NEAR(referenceTorquePct(EcuRating::kTop, {0, 31, 15}), 89.0, 1e-9);
  EXPECT_NEAR(referenceTorquePct(EcuRating::kTop, {0, 32.25, 15}), 79.0, 1e-9);
  EXPECT_DOUBLE_EQ(referenceTorquePct(EcuRating::kTop, {0, 33, 15}), 79.0);
  // 93 at sea level is cut to 90; at 2500 ft the same air gives 83, inside the band.
  EXPECT_NEAR(referenceTorquePct(EcuRating::kTop, {0, 30.5, 15}), 90.0, 1e-9);
  EXPECT_NEAR(referenceTorquePct(EcuRating::kTop, {2500, 30.5, 15}), 83.0, 1e-9);
}

TEST(EcuReferenceTorque, MaximumClimbFollowsAltitudeAndDeviation) {
  EXPECT_DOUBLE_EQ(referenceTorquePct(EcuRating::kMcl, {11000, 0, 0}), 89.0);
  EXPECT_DOUBLE_EQ(referenceTorquePct(EcuRating::kMcl, {25000, -34.5, -34.5}), 47.0);
  EXPECT_NEAR(referenceTorquePct(EcuRating::kMcl, {15000, 6, 0}), 89.0 - 12.0 - 5.0, 1e-9);
  EXPECT_DOUBLE_EQ(referenceTorquePct(EcuRating::kMcl, {0, -20, 15}), 96.0);
}

TEST(EcuReferenceTorque, ContinuousAndCruiseRatingsHaveTheirOwnLimits) {
  EXPECT_NEAR(referenceTorquePct(EcuRating::kMcp, {12000, 17, 0}), 72.0, 1e-9);
  EXPECT_DOUBLE_EQ(referenceTorquePct(EcuRating::kMcp, {30000, 0, 0}), 67.0);
  EXPECT_NEAR(referenceTorquePct(EcuRating::kMcr, {16000, -6, 0}), 87.0, 1e-9);
  EXPECT_DOUBLE_EQ(referenceTorquePct(EcuRating::kMcr, {40000, 0, 0}), 47.0);
}

TEST(EcuReferenceTorque, ANumberTheHostDoesNotGiveLeavesTheLowerLimit) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_DOUBLE_EQ(referenceTorquePct(EcuRating::kMcp, {nan, 0, 0}), 67.0);
}

TEST(EcuReferenceTorque, TheSelectorsLegends) {
  EXPECT_STREQ(ecuRatingLegend(EcuRating::kTop), "TOP");
  EXPECT_STREQ(ecuRatingLegend(EcuRating::kMcr), "MCR");
}

}  // namespace
}  // namespace xaq::systems
