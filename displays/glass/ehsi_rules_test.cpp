// The heading display's values on their own: time to go, the usable distance and the sources.

#include "displays/glass/ehsi_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace xaq::displays {
namespace {

TEST(EhsiTimeToGo, Is999BelowOneKnotAndBeyond999Minutes) {
  EXPECT_EQ(timeToGoMinutes(30.0, 0.999), 999);
  EXPECT_EQ(timeToGoMinutes(30.0, 1.0), 999) << "1800 minutes is beyond the cap";
  EXPECT_EQ(timeToGoMinutes(16.65, 1.0), 999);
  EXPECT_EQ(timeToGoMinutes(16.64, 1.0), 998);
  EXPECT_EQ(timeToGoMinutes(10.0, 240.0), 3) << "2.5 minutes round half away from zero";
  EXPECT_EQ(timeToGoMinutes(0.0, 200.0), 0);
}

TEST(EhsiDistance, ComesFromTheFmsOrTheDmeWhileUsable) {
  EhsiInputs in;
  in.dmeNm = 0.0;
  EXPECT_EQ(usableDistanceNm(in), 0.0) << "a DME of 0 is a distance";
  in.dmeNm = -0.01;
  EXPECT_FALSE(usableDistanceNm(in));
  in.fmsSource = true;
  in.dmeNm = 12.0;
  in.fmsDistanceNm = 0.00011;
  EXPECT_FALSE(usableDistanceNm(in)) << "not while the FMS is invalid";
  in.fmsValid = true;
  EXPECT_EQ(usableDistanceNm(in), 0.00011);
  in.fmsDistanceNm = 0.0001;
  EXPECT_FALSE(usableDistanceNm(in));
}

TEST(EhsiCourse, FollowsTheSourceAndHoldsTheDeviationAtFullScale) {
  EhsiInputs in;
  in.headingDeg = 350;
  in.selectedCourseDeg = 10;
  in.navDeviation = -127;
  in.toFrom = 7;  // not a flag the receiver knows
  CourseIndication c = courseIndication(in);
  EXPECT_DOUBLE_EQ(c.angleDeg, 20.0);
  EXPECT_NEAR(c.deviation, -127.0 / 128.0, 1e-12);
  EXPECT_EQ(c.toFrom, kToFromNone);
  in.fmsSource = true;
  in.fmsDesiredTrackDeg = 340;
  in.fmsCrossTrack = 3.0;
  c = courseIndication(in);
  EXPECT_DOUBLE_EQ(c.angleDeg, 350.0);
  EXPECT_DOUBLE_EQ(c.deviation, 1.0);
  EXPECT_EQ(c.toFrom, kToFromNone) << "no flag while the FMS is invalid";
  in.fmsValid = true;
  EXPECT_EQ(courseIndication(in).toFrom, kToFromTo);
}

TEST(EhsiBearingSources, HaveTheirNamesAndNoneWhenOff) {
  EXPECT_EQ(std::string(bearingSourceName(1, kBearingRnav)), "RNV1");
  EXPECT_EQ(std::string(bearingSourceName(2, kBearingAdf)), "ADF2");
  EXPECT_EQ(std::string(bearingSourceName(2, kBearingOff)), "");
  EXPECT_EQ(std::string(bearingSourceName(1, 9)), "");
  EhsiInputs in;
  in.headingDeg = 300;
  in.bearingSource2 = kBearingVor;
  in.nav2Valid = true;
  in.nav2BearingDeg = 30;
  EXPECT_DOUBLE_EQ(*bearingPointerAngle(in, 2), 90.0) << "a VOR bearing is magnetic, the card turns with the heading";
  in.bearingSource1 = kBearingAdf;
  in.adfSignal = 5;
  in.adf1RelativeDeg = 45;
  EXPECT_DOUBLE_EQ(*bearingPointerAngle(in, 1), 45.0) << "an ADF bearing is already relative";
}

TEST(EhsiTwinReadouts, ChangeFormatAt100NmAndEmptyWithoutADistance) {
  EhsiInputs in;
  EhsiReadout text;
  in.dmeNm = 99.94;
  twinDistanceText(in, text);
  EXPECT_STREQ(text, "99.9 NM");
  in.dmeNm = 99.95;
  twinDistanceText(in, text);
  EXPECT_STREQ(text, " 100 NM") << "not \"100.0 NM\"";
  in.dmeNm = -1.0;
  twinDistanceText(in, text);
  EXPECT_STREQ(text, "");
  in.timeToGo = true;
  in.groundSpeedKt = 200;
  twinSpeedText(in, text);
  EXPECT_STREQ(text, "") << "no time to go without a distance";
  in.dmeNm = 50;
  twinSpeedText(in, text);
  EXPECT_STREQ(text, " 15 MIN");
  in.timeToGo = false;
  twinSpeedText(in, text);
  EXPECT_STREQ(text, "200 KTS");
}

}  // namespace
}  // namespace xaq::displays
