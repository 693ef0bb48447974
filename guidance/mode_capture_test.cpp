// The capture rules: ALT SEL, the localizer and glideslope, VOR, the back course and the loss of
// the navigation signal.

#include <gtest/gtest.h>

#include "guidance/flight_guidance.h"
#include "guidance/testing/guidance_bed.h"

namespace xaq::guidance {
namespace {

using testing::GuidanceBed;

class Approach : public ::testing::Test {
 protected:
  void SetUp() override {
    bed.airborne().engaged();
    bed.in.localizerTuned = true;
    bed.in.courseDeviation = 127;
    bed.in.glideslopeDeviation = 127;
    bed.runCycles(1);
    bed.guidance.pressApp();
    bed.runCycles(1);
  }
  void deviations(double course, double glideslope) {
    bed.in.courseDeviation = course;
    bed.in.glideslopeDeviation = glideslope;
    bed.runCycles(1);
  }
  GuidanceBed bed;
};

TEST_F(Approach, AppArmsTheLocalizerAndGlideslopeAndFliesHeadingSelect) {
  EXPECT_EQ(bed.state().lateralMode, lateral::kHeadingSelect);
  EXPECT_EQ(bed.state().lateralArmed, lateral::kLocalizerArmed);
  EXPECT_EQ(bed.state().verticalArmed, vertical::kGlideslopeArmed);
}

TEST_F(Approach, TheLocalizerCapturesBelow126AndTracksBelow32ThenTheGlideslopeFollows) {
  deviations(126, 0);  // the glideslope may not capture before the localizer tracks
  EXPECT_EQ(bed.state().lateralArmed, lateral::kLocalizerArmed);
  EXPECT_EQ(bed.state().verticalArmed, vertical::kGlideslopeArmed);
  deviations(-125.9, 0);
  EXPECT_EQ(bed.state().lateralMode, lateral::kLocalizerCapturing);
  EXPECT_EQ(bed.state().lateralArmed, lateral::kNone);
  EXPECT_TRUE(bed.display().flashLateral);
  EXPECT_EQ(bed.line(4).substr(0, 5), " LOC*");
  EXPECT_EQ(bed.state().verticalArmed, vertical::kGlideslopeArmed);
  deviations(32, 0);
  EXPECT_EQ(bed.state().lateralMode, lateral::kLocalizerCapturing);
  deviations(31.9, 116);
  EXPECT_EQ(bed.state().lateralMode, lateral::kLocalizer);
  EXPECT_EQ(bed.state().verticalArmed, vertical::kGlideslopeArmed);
  deviations(10, -115.9);
  EXPECT_EQ(bed.state().verticalMode, vertical::kGlideslopeCapturing);
  EXPECT_EQ(bed.state().verticalArmed, vertical::kNone);
  EXPECT_TRUE(bed.display().flashVertical);
  deviations(10, 32);
  EXPECT_EQ(bed.state().verticalMode, vertical::kGlideslopeCapturing);
  deviations(10, 31.9);
  EXPECT_EQ(bed.state().verticalMode, vertical::kGlideslope);
  EXPECT_EQ(bed.line(4), " LOC                GS    ");
  EXPECT_EQ(bed.line(3), std::string(26, ' '));
  EXPECT_STREQ(bed.display().lateralActiveShort.data(), "LOC");
  EXPECT_STREQ(bed.display().verticalActiveShort.data(), "GS");
}

TEST_F(Approach, LosingTheSignalOnTheBeamFallsBackToHeadingHoldAndVerticalSpeed) {
  deviations(0, 0);
  ASSERT_EQ(bed.state().verticalMode, vertical::kGlideslope);
  bed.in.verticalSpeedFpm = -740;
  bed.in.navSignalValid = false;
  bed.in.bankDeg = 5;
  bed.runCycles(1);
  EXPECT_EQ(bed.state().lateralMode, lateral::kHeadingHoldPending);
  EXPECT_EQ(bed.state().verticalMode, vertical::kVerticalSpeed);
  EXPECT_EQ(bed.state().vsTargetFpm, -700);
}

TEST(BackCourse, CapturesOnlyWhereTheReceiverOffersABackCourse) {
  GuidanceBed bed;
  bed.airborne();
  bed.in.noBackCourse = true;
  bed.in.courseDeviation = 0;
  bed.runCycles(1);
  bed.guidance.pressBc();
  bed.runCycles(3);
  EXPECT_EQ(bed.state().lateralArmed, lateral::kBackCourseArmed);
  bed.in.noBackCourse = false;
  bed.in.courseDeviation = 100;
  bed.runCycles(1);
  EXPECT_EQ(bed.state().lateralMode, lateral::kBackCourseCapturing);
  EXPECT_EQ(bed.line(4).substr(0, 5), "  BC*");
  bed.in.courseDeviation = -31;
  bed.runCycles(1);
  EXPECT_EQ(bed.state().lateralMode, lateral::kBackCourse);
  bed.guidance.pressBc();
  EXPECT_EQ(bed.state().lateralMode, lateral::kNone);
}

class AltitudeSelect : public ::testing::Test {
 protected:
  void SetUp() override {
    bed.airborne().engaged();
    bed.in.verticalSpeedFpm = 1500;
    bed.in.altitudeFt = 9000;
    bed.in.preselectedAltitudeFt = 10000;
    bed.runCycles(1);
    bed.guidance.pressVs();
    bed.guidance.pressAltSel();
    bed.runCycles(1);
  }
  void at(double altitudeFt) {
    bed.in.altitudeFt = altitudeFt;
    bed.runCycles(1);
  }
  GuidanceBed bed;
};

TEST_F(AltitudeSelect, ClimbingAt1500FpmCapturesThreeHundredFeetBelow) {
  at(9700);
  EXPECT_EQ(bed.state().verticalMode, vertical::kVerticalSpeed);
  at(9700.1);
  EXPECT_EQ(bed.state().verticalMode, vertical::kAltCapturing);
  EXPECT_EQ(bed.state().verticalArmed, vertical::kNone);
  EXPECT_DOUBLE_EQ(bed.state().altitudeTargetFt, 10000);
  EXPECT_DOUBLE_EQ(bed.state().computer.altCaptureVsLimitFt, 1500 * 0.2);
  EXPECT_TRUE(bed.display().flashVertical);
  EXPECT_EQ(bed.line(4).substr(13), "      ALT*   ");
  at(9975);
  EXPECT_EQ(bed.state().verticalMode, vertical::kAltCapturing);
  at(9975.1);
  EXPECT_EQ(bed.state().verticalMode, vertical::kAltCaptured);
  EXPECT_STREQ(bed.display().verticalActiveShort.data(), "ALT");
}

TEST_F(AltitudeSelect, MovingThePreselectorFiveFeetDuringTheCaptureGoesToVerticalSpeed) {
  at(9800);
  ASSERT_EQ(bed.state().verticalMode, vertical::kAltCapturing);
  bed.in.preselectedAltitudeFt = 10004;
  at(9850);
  EXPECT_EQ(bed.state().verticalMode, vertical::kAltCapturing);
  bed.in.preselectedAltitudeFt = 10005;
  bed.in.verticalSpeedFpm = 1149;
  at(9900);
  EXPECT_EQ(bed.state().verticalMode, vertical::kVerticalSpeed);
  EXPECT_EQ(bed.state().vsTargetFpm, 1100);
}

TEST_F(AltitudeSelect, ADescentCapturesTheSameBandAbove) {
  bed.guidance.pressAltSel();  // disarm, then arm again for a descent
  bed.in.verticalSpeedFpm = -1000;
  bed.in.preselectedAltitudeFt = 8000;
  at(8300);
  bed.guidance.pressAltSel();
  at(8200);
  EXPECT_EQ(bed.state().verticalArmed, vertical::kAltSelArmed);
  at(8199.9);
  EXPECT_EQ(bed.state().verticalMode, vertical::kAltCapturing);
}

}  // namespace
}  // namespace xaq::guidance
