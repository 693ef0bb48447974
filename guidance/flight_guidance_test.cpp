// The guidance controller's buttons, the system test, power and TCS.

#include "guidance/flight_guidance.h"

#include <gtest/gtest.h>

#include "guidance/testing/guidance_bed.h"

namespace xaq::guidance {
namespace {

using testing::GuidanceBed;
using testing::kTimeSteps;

TEST(FlightGuidanceButtons, ApOnTheGroundEngagesOnlyTheYawDamperAndSaysSo) {
  GuidanceBed bed;
  bed.airborne();
  bed.in.onGround = true;
  bed.runCycles(1);
  bed.guidance.pressAp();
  EXPECT_FALSE(bed.state().autopilotEngaged);
  EXPECT_TRUE(bed.state().yawDamperEngaged);
  EXPECT_EQ(bed.message(), "ACFT ON GND");
  bed.runCycles(1);
  EXPECT_EQ(bed.state().lateralMode, lateral::kNone);
}

TEST(FlightGuidanceButtons, ApInTheAirRollsLevelIntoHeadingHoldAndHoldsThePitch) {
  GuidanceBed bed;
  bed.airborne();
  bed.in.bankDeg = 10;
  bed.in.pitchUpDeg = 3;
  bed.guidance.pressAp();
  bed.runCycles(1);
  EXPECT_TRUE(bed.state().autopilotEngaged);
  EXPECT_TRUE(bed.state().yawDamperEngaged);
  EXPECT_EQ(bed.state().lateralMode, lateral::kHeadingHoldPending);
  EXPECT_EQ(bed.state().verticalMode, vertical::kPitchHold);
  EXPECT_DOUBLE_EQ(bed.state().pitchHoldPitchDeg, 3);
  EXPECT_DOUBLE_EQ(bed.state().computer.bankTargetDeg, 0);  // rolling the wings level
  EXPECT_EQ(bed.line(4), "HDG HOLD        PITCH HOLD");

  bed.in.bankDeg = 2.0;
  bed.runCycles(1);
  EXPECT_EQ(bed.state().lateralMode, lateral::kHeadingHoldPending);
  bed.in.bankDeg = -1.9;
  bed.in.headingDeg = 123;
  bed.runCycles(1);
  EXPECT_EQ(bed.state().lateralMode, lateral::kHeadingHold);
  EXPECT_DOUBLE_EQ(bed.state().headingHoldHeadingDeg, 123);
  EXPECT_STREQ(bed.display().lateralActiveShort.data(), "HDG");
  EXPECT_STREQ(bed.display().verticalActiveShort.data(), "PTCH");
}

TEST(FlightGuidanceButtons, ApOffLeavesTheYawDamperAndYdOffTakesTheAutopilotWithIt) {
  GuidanceBed bed;
  bed.airborne().engaged();
  bed.guidance.pressAp();
  EXPECT_FALSE(bed.state().autopilotEngaged);
  EXPECT_TRUE(bed.state().yawDamperEngaged);
  EXPECT_EQ(bed.line(2), "AP DISENGAGED");

  bed.guidance.pressAp();
  bed.guidance.pressYd();
  EXPECT_FALSE(bed.state().autopilotEngaged);
  EXPECT_FALSE(bed.state().yawDamperEngaged);
  EXPECT_EQ(bed.line(2), "AP/YD DISENGAGED");

  bed.guidance.pressYd();
  EXPECT_TRUE(bed.state().yawDamperEngaged);
  bed.guidance.pressYd();
  EXPECT_EQ(bed.line(2), "YD DISENGAGED");
  bed.runFor(5.1);
  EXPECT_EQ(bed.line(2), "");
}

TEST(FlightGuidanceButtons, TheModeButtonsToggleTheirModes) {
  GuidanceBed bed;
  bed.airborne();
  bed.in.verticalSpeedFpm = -1249;
  bed.in.indicatedAirspeedKt = 180.5;
  bed.in.altitudeFt = 7012;
  bed.runCycles(1);

  bed.guidance.pressVs();
  EXPECT_EQ(bed.state().verticalMode, vertical::kVerticalSpeed);
  EXPECT_EQ(bed.state().vsTargetFpm, -1200);
  EXPECT_STREQ(bed.display().verticalActiveLong.data(), "VS -1200 FPM");
  bed.guidance.pressVs();
  EXPECT_EQ(bed.state().verticalMode, vertical::kNone);

  bed.guidance.pressIas();
  EXPECT_EQ(bed.state().iasTargetKt, 181);
  EXPECT_STREQ(bed.display().verticalActiveLong.data(), "IAS 181 KTS");
  bed.guidance.pressAlt();
  EXPECT_EQ(bed.state().verticalMode, vertical::kAltHold);
  EXPECT_DOUBLE_EQ(bed.state().altitudeTargetFt, 7012);
  bed.guidance.pressAlt();
  EXPECT_EQ(bed.state().verticalMode, vertical::kNone);

  bed.guidance.pressHdg();
  EXPECT_EQ(bed.state().lateralMode, lateral::kHeadingSelect);
  EXPECT_EQ(bed.state().verticalMode, vertical::kPitchHold);  // a lateral mode brings pitch hold
  bed.guidance.pressHdg();
  EXPECT_EQ(bed.state().lateralMode, lateral::kNone);

  bed.guidance.pressAltSel();
  EXPECT_EQ(bed.state().verticalArmed, vertical::kAltSelArmed);
  EXPECT_EQ(bed.line(3), "                   ALT SEL");
  bed.guidance.pressAltSel();
  EXPECT_EQ(bed.state().verticalArmed, vertical::kNone);

  bed.guidance.pressHdg();
  bed.guidance.pressAltSel();
  bed.guidance.pressStby();
  EXPECT_EQ(bed.state().lateralMode, lateral::kNone);
  EXPECT_EQ(bed.state().verticalMode, vertical::kNone);
  EXPECT_EQ(bed.state().verticalArmed, vertical::kAltSelArmed);  // STBY leaves the armed modes
}

TEST(FlightGuidanceButtons, NavArmsLocOrVorByTheReceiverAndDisarmsOnTheSecondPress) {
  GuidanceBed bed;
  bed.airborne();
  bed.guidance.pressNav();
  EXPECT_EQ(bed.state().lateralArmed, lateral::kVorArmed);
  EXPECT_EQ(bed.state().lateralMode, lateral::kHeadingSelect);
  bed.guidance.pressNav();
  EXPECT_EQ(bed.state().lateralArmed, lateral::kNone);

  bed.in.localizerTuned = true;
  bed.runCycles(1);
  bed.guidance.pressApp();
  EXPECT_EQ(bed.state().verticalArmed, vertical::kGlideslopeArmed);
  EXPECT_EQ(bed.state().lateralArmed, lateral::kLocalizerArmed);
  EXPECT_EQ(bed.line(3), " LOC                GS    ");
  bed.guidance.pressNav();  // disarms the localizer and the glideslope with it
  EXPECT_EQ(bed.state().lateralArmed, lateral::kNone);
  EXPECT_EQ(bed.state().verticalArmed, vertical::kNone);

  bed.guidance.pressAux();
  bed.guidance.pressNav();
  EXPECT_EQ(bed.state().lateralMode, lateral::kLnav);
  EXPECT_EQ(bed.state().navSource, kNavSourceFms);
  bed.guidance.pressNav();
  EXPECT_EQ(bed.state().lateralMode, lateral::kNone);
  bed.guidance.pressVorLoc();
  EXPECT_EQ(bed.state().navSource, kNavSourceVorLoc);
}

TEST(FlightGuidanceButtons, BackCourseArmsWithHeadingSelectAndHsiSelClearsEveryMode) {
  GuidanceBed bed;
  bed.airborne();
  bed.guidance.pressBc();
  EXPECT_EQ(bed.state().lateralArmed, lateral::kBackCourseArmed);
  EXPECT_EQ(bed.state().lateralMode, lateral::kHeadingSelect);
  bed.guidance.pressBc();
  EXPECT_EQ(bed.state().lateralArmed, lateral::kNone);
  bed.guidance.pressBc();
  bed.guidance.pressAltSel();
  bed.guidance.pressHsiSel();
  EXPECT_EQ(bed.state().hsiSel, 1);
  EXPECT_EQ(bed.state().lateralArmed, lateral::kNone);
  EXPECT_EQ(bed.state().verticalArmed, vertical::kNone);
  EXPECT_EQ(bed.state().lateralMode, lateral::kNone);
  EXPECT_EQ(bed.state().verticalMode, vertical::kNone);
  EXPECT_EQ(bed.line(3), std::string(26, ' '));
  bed.guidance.pressHsiSel();
  bed.guidance.pressNavSel();
  EXPECT_EQ(bed.state().hsiSel, 0);
  EXPECT_EQ(bed.state().navSel, 1);
}

TEST(FlightGuidanceButtons, ThePitchWheelInAltitudeHoldTurnsItOffIntoVerticalSpeed) {
  GuidanceBed bed;
  bed.airborne();
  bed.guidance.pressAlt();
  bed.in.verticalSpeedFpm = -260;
  bed.runCycles(1);
  bed.guidance.pitchWheelDown();
  EXPECT_EQ(bed.message(), "ALT OFF");
  EXPECT_EQ(bed.state().verticalMode, vertical::kVerticalSpeed);
  EXPECT_EQ(bed.state().vsTargetFpm, -300);
  EXPECT_EQ(bed.state().pitchWheelFrame, 2);
  bed.guidance.pitchWheelUp();
  bed.guidance.pitchWheelUp();
  EXPECT_EQ(bed.state().vsTargetFpm, -100);
  EXPECT_STREQ(bed.display().verticalActiveLong.data(), "VS  -100 FPM");
  EXPECT_EQ(bed.state().pitchWheelFrame, 1);
}

TEST(FlightGuidanceButtons, ThePitchWheelStopsAtItsLimits) {
  GuidanceBed bed;
  bed.airborne();
  bed.in.verticalSpeedFpm = 5900;
  bed.runCycles(1);
  bed.guidance.pressVs();
  for (int k = 0; k < 5; ++k) bed.guidance.pitchWheelUp();
  EXPECT_EQ(bed.state().vsTargetFpm, 6000);
  bed.in.indicatedAirspeedKt = 81;
  bed.runCycles(1);
  bed.guidance.pressIas();
  for (int k = 0; k < 5; ++k) bed.guidance.pitchWheelUp();
  EXPECT_EQ(bed.state().iasTargetKt, 80);
  bed.guidance.pitchWheelDown();
  EXPECT_STREQ(bed.display().verticalActiveLong.data(), "IAS  81 KTS");
}

TEST(FlightGuidanceButtons, GoAroundFliesNineDegreesWingsLevelWithTheAutopilotOff) {
  GuidanceBed bed;
  bed.airborne().engaged();
  bed.guidance.pressGa();
  EXPECT_FALSE(bed.state().autopilotEngaged);
  EXPECT_EQ(bed.line(2), "AP DISENGAGED");
  bed.runCycles(1);
  EXPECT_EQ(bed.state().verticalMode, vertical::kGoAround);
  EXPECT_EQ(bed.state().lateralMode, lateral::kWingsLevel);
  EXPECT_DOUBLE_EQ(bed.state().fdPitchCommandDeg, 9.0);
  EXPECT_DOUBLE_EQ(bed.state().fdBankCommandDeg, 0.0);
  EXPECT_EQ(bed.line(4), "WINGS LEVEL         GA    ");
}

TEST(FlightGuidanceButtons, AltSelOnTheGlideslopeIsRefused) {
  GuidanceBed bed;
  bed.airborne();
  bed.in.localizerTuned = true;
  bed.in.courseDeviation = 0;
  bed.in.glideslopeDeviation = 0;
  bed.runCycles(1);
  bed.guidance.pressApp();
  bed.runCycles(4);
  ASSERT_EQ(bed.state().verticalMode, vertical::kGlideslope);
  bed.guidance.pressAltSel();
  EXPECT_EQ(bed.message(), "INVALID OP");
  EXPECT_EQ(bed.state().verticalArmed, vertical::kNone);
  bed.guidance.pressApp();
  EXPECT_EQ(bed.state().verticalMode, vertical::kNone);
}

TEST(SystemTest, OnTheGroundThePowerUpTestsForThirtySecondsWithTheControlsIgnored) {
  for (double dt : kTimeSteps) {
    GuidanceBed bed;
    bed.onGroundPowered();
    bed.runCycles(1, dt);
    EXPECT_EQ(bed.message(), "SYSTEM TEST") << dt;
    EXPECT_TRUE(bed.state().systemTestRunning);
    bed.guidance.pressAp();
    bed.guidance.pressHdg();
    bed.guidance.setTcsHeld(true);
    EXPECT_FALSE(bed.state().yawDamperEngaged) << dt;
    EXPECT_EQ(bed.state().lateralMode, lateral::kNone) << dt;
    EXPECT_FALSE(bed.state().tcsHeld);
    bed.runFor(29.9 - dt, dt);
    EXPECT_TRUE(bed.state().systemTestRunning) << dt;
    bed.runFor(0.1 + dt, dt);
    EXPECT_FALSE(bed.state().systemTestRunning) << dt;
    EXPECT_EQ(bed.message(), "L AFCS MASTER") << dt;
    bed.guidance.pressAp();
    EXPECT_TRUE(bed.state().yawDamperEngaged) << dt;
  }
}

TEST(SystemTest, APowerUpInTheAirStartsNoTestAndAPowerDownClearsEverything) {
  GuidanceBed bed;
  bed.airborne().engaged();
  EXPECT_FALSE(bed.state().systemTestRunning);
  EXPECT_EQ(bed.message(), "");
  bed.guidance.pressAltSel();
  bed.guidance.pressHsiSel();
  bed.guidance.pressNavSel();
  bed.guidance.pressAux();
  bed.guidance.pressAp();
  bed.guidance.pressHdg();
  bed.runCycles(1);
  bed.guidance.powerDown();
  EXPECT_FALSE(bed.state().autopilotEngaged);
  EXPECT_FALSE(bed.state().yawDamperEngaged);
  EXPECT_EQ(bed.state().lateralMode + bed.state().verticalMode + bed.state().lateralArmed + bed.state().verticalArmed, 0);
  EXPECT_EQ(bed.state().hsiSel + bed.state().navSel + bed.state().navSource, 0);
  EXPECT_EQ(bed.line(4), std::string(26, ' '));
  // Without power the controller does nothing.
  bed.guidance.pressAp();
  bed.guidance.pressHdg();
  EXPECT_FALSE(bed.state().yawDamperEngaged);
  EXPECT_EQ(bed.state().lateralMode, lateral::kNone);
}

TEST(Tcs, HoldingItHandsThePilotTheControlsAndReleasingItTakesTheNewAttitude) {
  GuidanceBed bed;
  bed.airborne().engaged();
  bed.in.verticalSpeedFpm = 500;
  bed.runCycles(1);
  bed.guidance.pressVs();
  bed.runCycles(1);
  EXPECT_EQ(bed.state().computer.active, true);
  EXPECT_EQ(bed.guidance.linkCommands().controlDisconnect, 3);

  bed.guidance.setTcsHeld(true);
  bed.runCycles(1);
  EXPECT_FALSE(bed.state().computer.active);
  EXPECT_EQ(bed.guidance.linkCommands().controlDisconnect, 0);
  EXPECT_STREQ(bed.display().verticalActiveLong.data(), "VS  ---- FPM");
  EXPECT_EQ(bed.message(), "TCS ENGAGE");

  bed.in.verticalSpeedFpm = 1480;
  bed.in.bankDeg = 6.0;
  bed.runCycles(10);
  bed.guidance.setTcsHeld(false);
  bed.runCycles(1);
  EXPECT_TRUE(bed.state().computer.active);
  EXPECT_EQ(bed.state().lateralMode, lateral::kRollHold);
  EXPECT_DOUBLE_EQ(bed.state().rollHoldBankDeg, 6.0);
  EXPECT_EQ(bed.state().vsTargetFpm, 1500);
  EXPECT_STREQ(bed.display().verticalActiveLong.data(), "VS +1500 FPM");
  bed.runFor(0.3);
  EXPECT_EQ(bed.message(), "");

  bed.guidance.setTcsHeld(true);
  bed.runCycles(1);
  bed.in.bankDeg = -5.9;
  bed.guidance.setTcsHeld(false);
  bed.runCycles(1);
  EXPECT_EQ(bed.state().lateralMode, lateral::kHeadingHoldPending);
}

TEST(Tcs, RollHoldTakesTheBankHeldToFortyFiveDegrees) {
  GuidanceBed bed;
  bed.airborne().engaged();
  bed.guidance.setTcsHeld(true);
  bed.runCycles(1);
  bed.in.bankDeg = -60;
  bed.guidance.setTcsHeld(false);
  bed.runCycles(1);
  EXPECT_EQ(bed.state().lateralMode, lateral::kRollHold);
  EXPECT_DOUBLE_EQ(bed.state().rollHoldBankDeg, -45);
  EXPECT_DOUBLE_EQ(bed.state().computer.bankTargetDeg, -45);
  EXPECT_EQ(bed.line(4).substr(0, 9), "ROLL HOLD");
}

TEST(Checks, ANoseHighDescentLowDownWarnsWhileItLasts) {
  GuidanceBed bed;
  bed.airborne();
  bed.in.radioAltitudeFt = 499;
  bed.in.verticalSpeedFpm = -201;
  bed.in.pitchUpDeg = 6.0;
  bed.runCycles(3);
  EXPECT_EQ(bed.message(), "LDG ATT 6 DEG");
  bed.in.pitchUpDeg = 5.9;
  bed.runFor(0.4);
  EXPECT_EQ(bed.message(), "");
  bed.in.pitchUpDeg = 7;
  bed.in.radioAltitudeFt = 500;
  bed.runCycles(3);
  EXPECT_EQ(bed.message(), "");
}

}  // namespace
}  // namespace xaq::guidance
