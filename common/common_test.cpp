#include <gtest/gtest.h>

#include <cmath>

#include "common/rounding.h"
#include "common/slew_limiter.h"

namespace xaq {
namespace {

TEST(Rounding, HalvesGoAwayFromZero) {
  EXPECT_EQ(roundHalfAway(2.5), 3);
  EXPECT_EQ(roundHalfAway(-2.5), -3);
  EXPECT_EQ(roundHalfAway(2.4999), 2);
  EXPECT_EQ(roundHalfAway(-0.4), 0);
  EXPECT_EQ(roundHalfAway(0.5), 1);
  EXPECT_EQ(roundHalfAway(1e30), 2147483647);
  EXPECT_EQ(roundHalfAway(std::nan("")), 0);
  EXPECT_EQ(roundHalfAway(0.49999999999999994), 0) << "the largest double below one half";
  EXPECT_EQ(roundHalfAway(-0.49999999999999994), 0);
  EXPECT_EQ(roundHalfAway(4503599627370497.0), 2147483647);
}

TEST(Rounding, HeadingOf360OrMoreReadsZero) {
  EXPECT_EQ(roundHeading(359.4), 359);
  EXPECT_EQ(roundHeading(359.5), 0);
  EXPECT_EQ(roundHeading(360.0), 0);
  EXPECT_EQ(roundHeading(0.49), 0);
  EXPECT_EQ(roundHeading(180.5), 181);
}

TEST(Rounding, WrapKeepsAnglesInRange) {
  EXPECT_DOUBLE_EQ(wrap360(-10.0), 350.0);
  EXPECT_DOUBLE_EQ(wrap360(720.0), 0.0);
  EXPECT_LT(wrap360(-1e-17), 360.0);
  EXPECT_DOUBLE_EQ(wrap180(190.0), -170.0);
  EXPECT_DOUBLE_EQ(wrap180(-180.0), -180.0);
  EXPECT_DOUBLE_EQ(wrap180(180.0), -180.0);
}

TEST(SlewLimiter, FirstStepOnlySetsTheTimeOrigin) {
  SlewLimiter s(10.0, 0.0);
  s.target = 100.0;
  EXPECT_DOUBLE_EQ(s.step(5.0), 0.0);
  EXPECT_DOUBLE_EQ(s.lastTime, 5.0);
  EXPECT_DOUBLE_EQ(s.step(6.0), 10.0);
  EXPECT_DOUBLE_EQ(s.step(6.5), 15.0);
}

TEST(SlewLimiter, SnapsWhenCloserThanTheAllowedChangeAndMovesDown) {
  SlewLimiter s(10.0, 0.0);
  s.lastTime = 0.0;
  s.target = 3.0;
  EXPECT_DOUBLE_EQ(s.step(1.0), 3.0);
  s.target = -20.0;
  EXPECT_DOUBLE_EQ(s.step(2.0), -7.0);
}

TEST(SlewLimiter, ZeroOrTinyTimeStepDoesNotMove) {
  SlewLimiter s(10.0, 0.0);
  s.lastTime = 1.0;
  s.target = 50.0;
  EXPECT_DOUBLE_EQ(s.step(1.0), 0.0);
  // 1e-12 s at 10/s is 1e-11: below the threshold, so nothing moves, not even a snap.
  s.target = 1e-12;
  EXPECT_DOUBLE_EQ(s.step(1.0 + 1e-12), 0.0);
  // Time going backwards never moves the value either.
  s.target = 50.0;
  EXPECT_DOUBLE_EQ(s.step(0.5), 0.0);
}

TEST(AngleSlewLimiter, GoesTheShortWayRoundAcrossNorth) {
  AngleSlewLimiter a(10.0, 350.0);
  a.lastTime = 0.0;
  a.target = 20.0;
  EXPECT_DOUBLE_EQ(a.step(1.0), 0.0);
  EXPECT_DOUBLE_EQ(a.step(2.0), 10.0);
  EXPECT_DOUBLE_EQ(a.step(3.0), 20.0);
  a.target = 340.0;
  EXPECT_DOUBLE_EQ(a.step(4.0), 10.0);
  EXPECT_DOUBLE_EQ(a.step(7.0), 340.0);
}

TEST(AngleSlewLimiter, TargetOutsideRangeIsFolded) {
  AngleSlewLimiter a(100.0, 10.0);
  a.lastTime = 0.0;
  a.target = -10.0;
  EXPECT_DOUBLE_EQ(a.step(1.0), 350.0);
}

}  // namespace
}  // namespace xaq
