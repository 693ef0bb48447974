// The attitude director's, the HSI's and the RMI's values, without any gauge.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/slew_limiter.h"
#include "displays/analog/attitude_director.h"
#include "displays/analog/attitude_test.h"
#include "displays/analog/hsi_values.h"

namespace xaq::displays {
namespace {

constexpr double kTimeSteps[] = {0.0, 0.028, 0.056, 0.3, 6.0};

TEST(RmiNeedle, ABearingJumpFrom350To10TurnsTwentyDegreesClockwise) {
  for (double dt : kTimeSteps) {
    AngleSlewLimiter needle{400.0};
    needle.target = 350.0;
    needle.step(0.0);
    needle.current = 350.0;
    needle.target = rmiNeedleDeg(2, 0.0, 10.0, 0.0);
    double t = 0.0;
    double previous = needle.current;
    for (int i = 0; i < 200 && std::fabs(needle.current - 10.0) > 1e-9; ++i) {
      t += dt > 0 ? dt : 0.001;
      const double now = needle.step(t);
      // Never through 180: it moves up to 360 and on from 0.
      EXPECT_TRUE(now >= 350.0 || now <= 10.0) << now << " dt " << dt;
      if (previous >= 350.0 && now >= 350.0) {
        EXPECT_GE(now, previous);
      }
      previous = now;
    }
    EXPECT_NEAR(needle.current, 10.0, 1e-9) << dt;
  }
}

TEST(RmiNeedle, AVorNeedleShowsTheBearingLessTheHeadingAndAnAdfNeedleTheRelativeBearing) {
  EXPECT_DOUBLE_EQ(rmiNeedleDeg(1, 30.0, 200.0, 90.0), 300.0);
  EXPECT_DOUBLE_EQ(rmiNeedleDeg(2, 30.0, 200.0, 90.0), 200.0);
  EXPECT_DOUBLE_EQ(rmiNeedleDeg(7, 30.0, 200.0, 90.0), 200.0) << "any source but 1 is the ADF";
  EXPECT_DOUBLE_EQ(rmiNeedleDeg(1, NAN, 200.0, 90.0), 0.0);
}

TEST(RmiSources, TheKnobTogglesOneAndTwoAndAnyOtherValueBecomesTwo) {
  const struct {
    int from, to;
  } cases[] = {{1, 2}, {2, 1}, {0, 2}, {3, 2}, {-1, 2}};
  for (const auto& c : cases) EXPECT_EQ(toggledRmiSource(c.from), c.to) << c.from;
}

TEST(RadioAltitude, ReadsInFiveFootStepsToTwoHundredThenTensAndBlanksAboveTwentyFiveHundred) {
  const struct {
    double feet;
    const char* text;
  } cases[] = {{143.0, "0140"}, {2509.0, "2500"}, {2510.0, ""},   {200.4, "0200"},
               {201.0, "0200"}, {211.0, "0210"},  {0.0, "0000"},  {-4.0, "0000"},
               {142.5, "0140"}, {2504.6, "2500"}, {NAN, ""},      {1e12, ""}};
  for (const auto& c : cases) EXPECT_EQ(std::string(radioAltitudeText(true, c.feet).data()), c.text) << c.feet;
  EXPECT_EQ(std::string(radioAltitudeText(false, 143.0).data()), "");
}

TEST(DecisionHeight, TheReadoutIsThreeDigitsAndBlankWithoutPower) {
  EXPECT_EQ(std::string(decisionHeightText(true, 200).data()), "200");
  EXPECT_EQ(std::string(decisionHeightText(true, 0).data()), "000");
  EXPECT_EQ(std::string(decisionHeightText(true, 990).data()), "990");
  EXPECT_EQ(std::string(decisionHeightText(false, 200).data()), "");
}

TEST(DecisionHeight, TheLightNeedsPowerADescentAndTheRadioAltitudeBelowTheSetting) {
  EXPECT_TRUE(decisionHeightLight(true, 200, 199.9, -51.0));
  EXPECT_FALSE(decisionHeightLight(true, 200, 200.0, -51.0)) << "at the setting";
  EXPECT_FALSE(decisionHeightLight(true, 200, 150.0, -50.0)) << "descending at exactly 50 ft/min";
  EXPECT_FALSE(decisionHeightLight(true, 200, 150.0, 300.0)) << "climbing away";
  EXPECT_FALSE(decisionHeightLight(false, 200, 150.0, -500.0));
}

TEST(FlightDirectorBars, EachBarMovesTowardItsCommandAndStopsAtTwentyDegrees) {
  FlightDirectorInputs in;
  in.powered = true;
  in.engaged = true;
  in.hostPitchDeg = 0.0;
  in.hostBankDeg = 0.0;
  const struct {
    double pitchCommandUp, bankCommand, pitchBar, rollBar;
  } cases[] = {{5.0, 0.0, -0.25, 0.0},   {-5.0, 0.0, 0.25, 0.0},  {0.0, 10.0, 0.0, 0.5},
               {0.0, -10.0, 0.0, -0.5},  {19.9, 19.9, -0.995, 0.995}, {30.0, 40.0, -1.0, 1.0},
               {-30.0, -40.0, 1.0, -1.0}};
  for (const auto& c : cases) {
    in.pitchCommandUpDeg = c.pitchCommandUp;
    in.bankCommandDeg = c.bankCommand;
    const FlightDirectorBars b = flightDirectorBars(in);
    EXPECT_TRUE(b.shown);
    EXPECT_NEAR(b.pitchBar, c.pitchBar, 1e-12) << c.pitchCommandUp;
    EXPECT_NEAR(b.rollBar, c.rollBar, 1e-12) << c.bankCommand;
  }
  // The host's nose-down pitch and a bank given in 0 ... 360: nose up 5 and 10 left, commands
  // level, put the pitch bar below and the roll bar right.
  in.pitchCommandUpDeg = 0.0;
  in.bankCommandDeg = 0.0;
  in.hostPitchDeg = 355.0;
  in.hostBankDeg = 350.0;
  const FlightDirectorBars b = flightDirectorBars(in);
  EXPECT_NEAR(b.pitchBar, 0.25, 1e-12);
  EXPECT_NEAR(b.rollBar, 0.5, 1e-12);
}

TEST(FlightDirectorBars, NoBarsWithoutPowerWithoutAModeOrWithACommandThatIsNotANumber) {
  FlightDirectorInputs in;
  in.powered = true;
  in.engaged = true;
  in.pitchCommandUpDeg = 5.0;
  EXPECT_TRUE(flightDirectorBars(in).shown);
  in.engaged = false;
  EXPECT_FALSE(flightDirectorBars(in).shown);
  in.engaged = true;
  in.powered = false;
  EXPECT_FALSE(flightDirectorBars(in).shown);
  in.powered = true;
  in.bankCommandDeg = NAN;
  EXPECT_FALSE(flightDirectorBars(in).shown);
}

TEST(Sphere, PitchIsNormalisedAndHeldAndTheTestDrivesItToTheTestAttitude) {
  const struct {
    double host, pitch;
  } cases[] = {{10.0, 10.0}, {350.0, -10.0}, {180.0, 45.0}, {181.0, -45.0}, {44.9, 44.9}, {60.0, 45.0}, {300.0, -45.0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(spherePitchTargetDeg(c.host, false), c.pitch) << c.host;
  EXPECT_DOUBLE_EQ(spherePitchTargetDeg(60.0, false, kStandbyPitchHoldDeg), 60.0);
  EXPECT_DOUBLE_EQ(sphereBankTargetDeg(340.0, false), -20.0);
  EXPECT_DOUBLE_EQ(sphereBankTargetDeg(30.0, false), 30.0);
  EXPECT_DOUBLE_EQ(spherePitchTargetDeg(5.0, true), -10.0);
  EXPECT_DOUBLE_EQ(sphereBankTargetDeg(30.0, true), -20.0);
  EXPECT_DOUBLE_EQ(spherePitchTargetDeg(NAN, false), 0.0);
}

TEST(AttitudeTest, HoldsForOnePointTwoSecondsAfterTheLastPressAndKeepsTheAttitude) {
  AttitudeTest test;
  test.press(100.0, 3.0, 12.0);
  EXPECT_DOUBLE_EQ(test.storedPitchDeg(), 3.0);
  EXPECT_DOUBLE_EQ(test.storedBankDeg(), 12.0);
  test.update({101.15, 0.056});
  EXPECT_TRUE(test.pressed());
  test.update({101.3, 0.056});
  EXPECT_FALSE(test.pressed());
  test.press(102.0, 0.0, 0.0);
  test.update({90.0, -12.0});  // a reloaded situation: the clock went back
  EXPECT_FALSE(test.pressed());
}

TEST(FastSlow, TheAirspeedAgainstTheTargetIsHeldWithinTenKnots) {
  EXPECT_DOUBLE_EQ(fastSlowKt(150.0, 145.0), 5.0);
  EXPECT_DOUBLE_EQ(fastSlowKt(150.0, 170.0), -10.0);
  EXPECT_DOUBLE_EQ(fastSlowKt(190.0, 170.0), 10.0);
  EXPECT_DOUBLE_EQ(fastSlowKt(NAN, 170.0), 0.0);
}

TEST(LocalizerPointer, HiddenWithoutASignalAndTheFmsCrossTrackIsScaledAndHeld) {
  LateralDeviationInputs in;
  in.navDeviation = 60.0;
  EXPECT_FALSE(lateralDeviation(in).shown);
  in.navSignalValid = true;
  EXPECT_TRUE(lateralDeviation(in).shown);
  EXPECT_DOUBLE_EQ(lateralDeviation(in).value, 60.0);
  in.fmsSource = true;
  EXPECT_FALSE(lateralDeviation(in).shown) << "the FMS source needs valid FMS guidance";
  in.fmsValid = true;
  const struct {
    double nm, value;
  } cases[] = {{0.5, 64.0}, {1.0, 128.0}, {1.5, 128.0}, {-2.0, -128.0}, {-0.25, -32.0}};
  for (const auto& c : cases) {
    in.fmsCrossTrackNm = c.nm;
    EXPECT_TRUE(lateralDeviation(in).shown);
    EXPECT_DOUBLE_EQ(lateralDeviation(in).value, c.value) << c.nm;
  }
}

HsiInputs poweredHsi() {
  HsiInputs in;
  in.powered = true;
  in.headingDeg = 90.0;
  in.selectedCourseDeg = 100.0;
  in.navToFrom = 1;
  in.navSignal = true;
  in.dmeNm = 12.34;
  return in;
}

TEST(HsiReadouts, CourseAndDistanceFromTheReceiverOrTheFlightManagement) {
  HsiInputs in = poweredHsi();
  EXPECT_EQ(std::string(hsiCourseText(in).data()), "100");
  EXPECT_EQ(std::string(hsiDistanceText(in).data()), "012.3");
  in.selectedCourseDeg = 5.0;
  EXPECT_EQ(std::string(hsiCourseText(in).data()), "005");
  in.dmeNm = -1.0;
  EXPECT_EQ(std::string(hsiDistanceText(in).data()), "---.-");
  in.dmeNm = 0.0;
  EXPECT_EQ(std::string(hsiDistanceText(in).data()), "000.0");

  in.fmsSource = true;
  in.fmsDesiredTrackDeg = 273.4;
  in.fmsDistanceNm = 45.67;
  EXPECT_EQ(std::string(hsiCourseText(in).data()), "---") << "not valid";
  EXPECT_EQ(std::string(hsiDistanceText(in).data()), "---.-");
  in.fmsValid = true;
  EXPECT_EQ(std::string(hsiCourseText(in).data()), "273");
  EXPECT_EQ(std::string(hsiDistanceText(in).data()), "045.7");
  in.fmsDistanceNm = 0.0001;
  EXPECT_EQ(std::string(hsiDistanceText(in).data()), "---.-") << "at the waypoint";
  in.fmsDistanceNm = 0.0002;
  EXPECT_EQ(std::string(hsiDistanceText(in).data()), "000.0");
  in.fmsDistanceNm = 1e9;
  EXPECT_EQ(std::string(hsiDistanceText(in).data()), "9999.9") << "held to what the box holds";

  in.powered = false;
  EXPECT_EQ(std::string(hsiCourseText(in).data()), "");
  EXPECT_EQ(std::string(hsiDistanceText(in).data()), "");
}

TEST(HsiPicture, TheArrowFlagAndDeviationFollowTheSelectedSource) {
  HsiInputs in = poweredHsi();
  in.navDeviation = 200.0;
  HsiPicture p = hsiPicture(in);
  EXPECT_DOUBLE_EQ(p.courseDeg, 10.0);
  EXPECT_TRUE(p.arrowShown);
  EXPECT_DOUBLE_EQ(p.arrowDeg, 10.0);
  EXPECT_FALSE(p.navFlagInView);
  EXPECT_DOUBLE_EQ(p.deviation, 127.0);
  in.navToFrom = 2;
  EXPECT_DOUBLE_EQ(hsiPicture(in).arrowDeg, 190.0);
  in.navToFrom = 0;
  in.navSignal = false;
  p = hsiPicture(in);
  EXPECT_FALSE(p.arrowShown);
  EXPECT_TRUE(p.navFlagInView);

  in.fmsSource = true;
  in.fmsDesiredTrackDeg = 60.0;
  in.fmsCrossTrackNm = 3.0;
  p = hsiPicture(in);
  EXPECT_DOUBLE_EQ(p.courseDeg, 330.0);
  EXPECT_DOUBLE_EQ(p.deviation, 128.0);
  EXPECT_FALSE(p.arrowShown);
  EXPECT_TRUE(p.navFlagInView);
  in.fmsValid = true;
  in.fmsCrossTrackNm = -0.5;
  p = hsiPicture(in);
  EXPECT_TRUE(p.arrowShown);
  EXPECT_FALSE(p.navFlagInView);
  EXPECT_DOUBLE_EQ(p.deviation, -64.0);
}

}  // namespace
}  // namespace xaq::displays
