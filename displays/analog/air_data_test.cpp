// The air-data instruments' values and texts, table by table, with their boundary pairs.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "displays/analog/air_data.h"
#include "displays/analog/air_data_texts.h"
#include "displays/analog/airspeed_bug.h"

namespace xaq::displays {
namespace {

TEST(AirspeedDial, TheNeedleAndTheStripStayOnTheirScales) {
  struct Case {
    double kt, needle, strip;
  } cases[] = {
      {-20, 0, 18},      {0, 0, 18},       {10, 10, 18},     {18, 18, 18},      {99.5, 99.5, 99.5},
      {100, 100, 0},     {163.25, 163.25, 63.25}, {400, 400, 0}, {450, 400, 50},  {500, 400, 0},
      {650, 400, 0},     {NAN, 0, 18},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(airspeedNeedleKt(c.kt), c.needle) << c.kt;
    EXPECT_NEAR(airspeedStripValue(c.kt), c.strip, 1e-9) << c.kt;
  }
}

TEST(AirspeedDial, VmoFallsFrom243At14000FtTo214At25000Ft) {
  struct Case {
    double ft, kt;
  } cases[] = {{-500, 243}, {13999, 243}, {14000, 243}, {19500, 228.5}, {24999, 214.0026363636},
               {25000, 214}, {41000, 214}, {NAN, 243}};
  for (const Case& c : cases) EXPECT_NEAR(vmoKt(c.ft), c.kt, 1e-6) << c.ft;
}

TEST(AirspeedDial, TheBugKnobPointerTurnsOnceEvery60Knots) {
  struct Case {
    int bug;
    double deg;
  } cases[] = {{0, 0}, {5, 30}, {55, 330}, {60, 0}, {180, 0}, {185, 30}, {400, 240}, {-5, 330}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(bugKnobAngleDeg(c.bug), c.deg) << c.bug;
}

TEST(AirspeedBugSetting, StepsStopAtTheEndsAndADestroyedCockpitComesBackAt180) {
  services::SavedState store;
  {
    AirspeedBug bug(store);
    EXPECT_EQ(bug.bugKt(), 180);
    bug.stepDown();
    EXPECT_EQ(bug.bugKt(), 175);
    while (bug.bugKt() < 400) bug.stepUp();
    bug.stepUp();
    EXPECT_EQ(bug.bugKt(), 400) << "not above 400";
    bug.save(store);
  }
  services::SavedState again;
  AirspeedBug bug(again);
  EXPECT_EQ(bug.bugKt(), 180) << "the store keeps nothing between creations";
  for (int i = 0; i < 40; ++i) bug.stepDown();
  EXPECT_EQ(bug.bugKt(), 0) << "not below 0";
  RmiSources sources(again);
  EXPECT_EQ(sources.left, 2);
  EXPECT_EQ(sources.right, 1);
}

TEST(Altimeter, TheNeedleTurnsOncePerThousandFeetTheSameWayRoundBelowSeaLevel) {
  struct Case {
    double ft, needle;
  } cases[] = {{0, 0}, {999.5, 999.5}, {1000, 0}, {12345, 345}, {-300, 700}, {-1000, 0}, {NAN, 0}, {INFINITY, 0}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(withinOneTurnFt(c.ft), c.needle) << c.ft;
}

TEST(Altimeter, DrumsRollOverDuringTheLastUnitOfTheLowerDigits) {
  struct Case {
    double value;
    int index;
    double shown;
  } cases[] = {
      {1234.5, 0, 4.5}, {1234.5, 1, 3}, {1234.5, 2, 2}, {1234.5, 3, 1},
      {1238.0, 1, 3},   {1239.0, 1, 3},  // the tens drum waits until the units pass 9
      {1239.5, 1, 3.5}, {1239.5, 2, 2},  // halfway through the last unit
      {1299.5, 1, 9.5}, {1299.5, 2, 2.5}, {1299.5, 3, 1},
      {1999.75, 3, 1.75}, {2000.0, 3, 2}, {2000.0, 1, 0}, {9.5, 1, 0.5}, {0, 3, 0},
  };
  for (const Case& c : cases) EXPECT_NEAR(drumDigit(c.value, c.index), c.shown, 1e-9) << c.value << " #" << c.index;
  EXPECT_EQ(drumDigit(NAN, 1), 0.0);
  EXPECT_EQ(drumDigit(100.0, -1), 0.0);
}

TEST(Altimeter, TheAlertLightIsLitOnlyStrictlyBetween250And1000FtFromThePreselect) {
  struct Case {
    double ft;
    int preselect;
    bool lit;
  } cases[] = {
      {9750, 10000, false}, {9749.9, 10000, true},  {9000.1, 10000, true}, {9000, 10000, false},
      {10250, 10000, false}, {10250.1, 10000, true}, {10999.9, 10000, true}, {11000, 10000, false},
      {10000, 10000, false}, {NAN, 10000, false},
  };
  for (const Case& c : cases) EXPECT_EQ(altitudeAlertLit(c.ft, c.preselect), c.lit) << c.ft;
}

TEST(FlightInstruments, VerticalSpeedTurnAndRudderAreHeldAtTheirScaleEnds) {
  EXPECT_EQ(vsiNeedleFpm(-6000), -4000);
  EXPECT_EQ(vsiNeedleFpm(1300), 1300);
  EXPECT_EQ(vsiNeedleFpm(4001), 4000);
  EXPECT_EQ(vsiNeedleFpm(NAN), 0);
  EXPECT_EQ(turnNeedle(-1500), -1200);
  EXPECT_EQ(turnNeedle(540), 540);
  EXPECT_EQ(turnNeedle(1200.5), 1200);
  EXPECT_DOUBLE_EQ(rudderNeedle(0.262), -0.5) << "right rudder swings the needle left";
  EXPECT_EQ(rudderNeedle(-1.0), 1.0);
  EXPECT_EQ(rudderNeedle(1.0), -1.0);
}

TEST(FlightInstruments, SpoilersRiseOnTheDownGoingWingAndTheOutboardsLockOutAbove140Kt) {
  using enum SpoilerPanel;
  const double half = 0.3141592 / 2;
  EXPECT_DOUBLE_EQ(spoilerNeedle(kLeftInboard, -half, 120), 0.5);
  EXPECT_DOUBLE_EQ(spoilerNeedle(kLeftOutboard, -half, 140), 0.5);
  EXPECT_EQ(spoilerNeedle(kLeftOutboard, -half, 140.1), 0.0);
  EXPECT_EQ(spoilerNeedle(kRightOutboard, half, 140.1), 0.0);
  EXPECT_DOUBLE_EQ(spoilerNeedle(kRightOutboard, half, 140), 0.5);
  EXPECT_DOUBLE_EQ(spoilerNeedle(kLeftInboard, -half, 250), 0.5) << "the inboards work at any speed";
  EXPECT_EQ(spoilerNeedle(kRightInboard, -half, 120), 0.0) << "the up-going wing's spoilers stay down";
  EXPECT_EQ(spoilerNeedle(kRightInboard, 2.0, 120), 1.0);
  EXPECT_EQ(spoilerNeedle(kLeftInboard, NAN, 120), 0.0);
}

TEST(FlightInstruments, TheCompassCardTurnsAgainstTheHeading) {
  EXPECT_EQ(compassCardDeg(0), 360);
  EXPECT_EQ(compassCardDeg(90), 270);
  EXPECT_EQ(compassCardDeg(360), 0);
  EXPECT_EQ(compassCardDeg(-1), 0);
  EXPECT_EQ(compassCardDeg(360.5), 0);
  EXPECT_EQ(compassCardDeg(NAN), 0);
}

TEST(AirDataTexts, TooltipsRoundHalfAwayFromZero) {
  EXPECT_EQ(std::string(airspeedTooltip(162.5).data()), "Airspeed indicator: 163 knots");
  EXPECT_EQ(std::string(airspeedTooltip(-0.5).data()), "Airspeed indicator: -1 knots");
  EXPECT_EQ(std::string(altimeterTooltip(12345).data()), "Altimeter: 12350 FT");
  EXPECT_EQ(std::string(altimeterTooltip(12344.9).data()), "Altimeter: 12340 FT");
  EXPECT_EQ(std::string(standbyAltimeterTooltip(-25).data()), "Standby Altimeter: -30 FT");
  EXPECT_EQ(std::string(baroTooltip(1013.25).data()), "Baro setting: 1013 MB / 29.92 In HG");
  EXPECT_EQ(std::string(verticalSpeedTooltip(-1299.5).data()), "Vertical speed indicator: -1300 feet/min");
}

TEST(AirDataTexts, TheBaroWindowsCutMillibarsAndRoundHundredthsOfAnInch) {
  EXPECT_EQ(std::string(millibarReadout(1013.9).data()), "1013");
  EXPECT_EQ(std::string(millibarReadout(999.9).data()), " 999");
  EXPECT_EQ(std::string(inchesReadout(29.915).data()), "2992");
  EXPECT_EQ(std::string(inchesReadout(29.9149).data()), "2991");
  // What the host should never send still fits the window's buffer.
  EXPECT_EQ(std::string(millibarReadout(NAN).data()), "   0");
  EXPECT_EQ(std::string(millibarReadout(1e300).data()), "2147483647");
  EXPECT_EQ(std::string(inchesReadout(-1e300).data()), "-2147483648");
  EXPECT_EQ(std::string(baroTooltip(1e300).data()), "Baro setting: 2147483647 MB / 0.00 In HG");
}

}  // namespace
}  // namespace xaq::displays
