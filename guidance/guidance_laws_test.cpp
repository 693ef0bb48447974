#include "guidance/guidance_laws.h"

#include <gtest/gtest.h>

#include <cmath>

namespace xaq::guidance {
namespace {

TEST(HeadingLaw, BanksInProportionWithinTwentyDegreesAndAtTheLimitBeyond) {
  EXPECT_NEAR(headingLawBankDeg(100, 90, 200), 12.5, 1e-9);
  EXPECT_NEAR(headingLawBankDeg(115, 90, 200), 25.0, 1e-9);
  EXPECT_NEAR(headingLawBankDeg(80, 90, 200), -12.5, 1e-9);
  EXPECT_NEAR(headingLawBankDeg(110, 90, 200), 25.0, 1e-9);  // 20 degrees: the edge of the band
  // The short way round the north.
  EXPECT_NEAR(headingLawBankDeg(350, 10, 200), -25.0, 1e-9);
  EXPECT_NEAR(headingLawBankDeg(5, 355, 200), 12.5, 1e-9);
}

TEST(HeadingLaw, TheLargestBankFollowsTheTrueAirspeed) {
  EXPECT_NEAR(maximumBankDeg(0), 15.0, 1e-9);
  EXPECT_NEAR(maximumBankDeg(149.9), 24.993, 1e-3);
  EXPECT_NEAR(maximumBankDeg(150), 25.0, 1e-9);
  EXPECT_NEAR(maximumBankDeg(299.9), 25.0, 1e-9);
  EXPECT_NEAR(maximumBankDeg(449), 14.07, 0.005);
  EXPECT_NEAR(maximumBankDeg(450), 19.0, 1e-9);
  EXPECT_NEAR(headingLawBankDeg(180, 90, 449), 14.07, 0.005);
  EXPECT_NEAR(headingLawBankDeg(0, 90, 450), -19.0, 1e-9);
}

TEST(IasLaw, TradesTheMissingAccelerationForVerticalSpeed) {
  // On speed and steady: the vertical speed stays.
  EXPECT_NEAR(iasLawVerticalSpeedFpm({180, 180, 500, 0}), 500, 1e-9);
  // 10 kt slow wants 1.33 kt/s; each kt/s at 180 kt is worth about 956 fpm of climb.
  const double slow = iasLawVerticalSpeedFpm({190, 180, 0, 0});
  EXPECT_NEAR(slow, -1.0 / 15 * 2 * 10 * 0.5144444 * 180 * 0.5144444 * 0.1019367992 * 196.8504, 1e-6);
  EXPECT_NEAR(slow, -1274.5, 0.1);
  EXPECT_DOUBLE_EQ(iasLawVerticalSpeedFpm({260, 180, 0, 0}), iasLawVerticalSpeedFpm({400, 180, 0, 0}));
  // Fast and already slowing as wanted: no change.
  EXPECT_NEAR(iasLawVerticalSpeedFpm({170, 180, -200, -2.0 * 10 / 15}), -200, 1e-9);
}

TEST(Glidepath, FollowsTheBeamAngleSteepenedAboveTheBeam) {
  const double onBeam = glidepathVerticalSpeedFpm(3.0, 0, 140);
  EXPECT_NEAR(onBeam, std::tan(-3.0 * M_PI / 180) * 140 * 101.2686, 1e-9);
  EXPECT_NEAR(onBeam, -743, 1);
  EXPECT_LT(glidepathVerticalSpeedFpm(3.0, 40, 140), onBeam);  // above: down faster
  EXPECT_GT(glidepathVerticalSpeedFpm(3.0, -40, 140), onBeam);
  EXPECT_NEAR(glidepathVerticalSpeedFpm(3.0, -120, 140), 0.0, 1e-9);
}

TEST(AltitudeCapture, TheBandIsAFifthOfAMinutesClimbOrDescent) {
  EXPECT_DOUBLE_EQ(altitudeCaptureBandFt(1500), 300);
  EXPECT_DOUBLE_EQ(altitudeCaptureBandFt(-1000), 200);
}

}  // namespace
}  // namespace xaq::guidance
