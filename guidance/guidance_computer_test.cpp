// The channels as the guidance flies them: aileron, elevator and trim words, the host's steering
// holds, and what the flight director shows.

#include "guidance/guidance_computer.h"

#include <gtest/gtest.h>

#include "guidance/flight_guidance.h"
#include "guidance/testing/guidance_bed.h"

namespace xaq::guidance {
namespace {

using testing::GuidanceBed;

constexpr std::uint32_t kAileronSet = 65695;

// Engaged in HDG SEL with the bug 10 degrees right at 200 kt: a 12.5-degree bank target, which
// from wings level and still asks for 250 aileron units per degree of the held-down error (10).
GuidanceBed turningRight(bool linkConnected) {
  GuidanceBed bed;
  bed.in.linkConnected = linkConnected;
  bed.airborne().engaged();
  bed.in.headingBugDeg = 100;
  bed.guidance.pressHdg();
  bed.fx.events.clear();
  bed.runCycles(1);
  return bed;
}

TEST(RollChannel, WithoutTheAddonTheAileronGoesThroughTheHostEventAndWithItThroughTheLink) {
  GuidanceBed host = turningRight(false);
  EXPECT_DOUBLE_EQ(host.state().computer.bankTargetDeg, 12.5);
  EXPECT_DOUBLE_EQ(host.state().fdBankCommandDeg, 12.5);
  ASSERT_EQ(host.eventsWith(kAileronSet), 1);
  EXPECT_EQ(host.fx.events.back(), std::make_pair(kAileronSet, 1500u));
  EXPECT_FALSE(host.guidance.linkCommands().writeAileron);

  GuidanceBed link = turningRight(true);
  EXPECT_EQ(link.eventsWith(kAileronSet), 0);
  EXPECT_TRUE(link.guidance.linkCommands().writeAileron);
  EXPECT_EQ(link.guidance.linkCommands().aileronWord, -1500);  // the host's aileron rolls left positive
  EXPECT_EQ(link.guidance.linkCommands().controlDisconnect, 3);

  // A turn to the left: the event's value is negative.
  GuidanceBed left = turningRight(false);
  left.in.headingBugDeg = 80;
  left.in.aileronPosition = 0;
  left.runCycles(1);
  EXPECT_EQ(static_cast<std::int32_t>(left.fx.events.back().second), -1500);
}

TEST(RollChannel, TheGainFallsAtFasterSimulationRates) {
  EXPECT_EQ(rollGain(1.0), 8.0);
  EXPECT_EQ(rollGain(1.01), 4.0);
  EXPECT_EQ(rollGain(3.99), 4.0);
  EXPECT_EQ(rollGain(4.0), 2.0);
  EXPECT_EQ(rollGain(16.0), 2.0);
}

class PitchChannel : public ::testing::Test {
 protected:
  void SetUp() override {
    bed.in.linkConnected = true;
    bed.in.pitchUpDeg = 3;
    bed.in.elevatorTrimPosition = 100;
    bed.airborne().engaged();  // pitch hold at 3 degrees
  }
  const LinkCommands& at(double pitchUpDeg) {
    bed.in.pitchUpDeg = pitchUpDeg;
    bed.runCycles(1);
    return bed.guidance.linkCommands();
  }
  GuidanceBed bed;
};

TEST_F(PitchChannel, ALargeElevatorCommandNudgesTheTrimTheSameWay) {
  // 3 degrees below the target and falling by 3 since the last call.
  const LinkCommands& low = at(0);
  EXPECT_TRUE(low.writeElevator);
  EXPECT_EQ(low.elevatorWord, 4449);
  EXPECT_TRUE(low.writeTrim);
  EXPECT_EQ(low.trimWord, 102);
  at(3);
  const LinkCommands& high = at(6);
  EXPECT_EQ(high.elevatorWord, -4451);
  EXPECT_EQ(high.trimWord, 98);
}

TEST_F(PitchChannel, ASmallElevatorCommandLeavesTheTrim) {
  const LinkCommands& c = at(3.2);
  EXPECT_EQ(c.elevatorWord, -298);
  EXPECT_FALSE(c.writeTrim);
}

TEST_F(PitchChannel, TheFlightDirectorAloneMovesNoControl) {
  bed.guidance.pressAp();
  const LinkCommands& c = at(0);
  EXPECT_FALSE(c.writeElevator);
  EXPECT_FALSE(c.writeAileron);
  EXPECT_EQ(c.controlDisconnect, 0);
  EXPECT_DOUBLE_EQ(bed.state().fdPitchCommandDeg, 3.0);
}

TEST_F(PitchChannel, NothingMovesInACycleTheHostClockStoodStill) {
  bed.in.paused = true;
  const LinkCommands& c = at(0);
  EXPECT_FALSE(c.writeElevator);
  EXPECT_FALSE(c.writeAileron);
  EXPECT_EQ(bed.eventsWith(kAileronSet), 0);
}

TEST(VsChannel, AVerticalSpeedShortfallRaisesThePitchTarget) {
  GuidanceBed bed;
  bed.airborne();
  bed.in.pitchUpDeg = 2;
  bed.runCycles(1);
  bed.guidance.pressVs();  // target 0 from level flight
  bed.guidance.pitchWheelUp();
  for (int k = 0; k < 9; ++k) bed.guidance.pitchWheelUp();
  ASSERT_EQ(bed.state().vsTargetFpm, 1000);
  bed.runCycles(1);
  // Asked 1000 fpm, steady at 0: three quarters of 1000 x 1300 / 1500, times 2 / 1300.
  EXPECT_NEAR(bed.state().fdPitchCommandDeg, 2 + 650.0 * 2 / 1300, 1e-9);
  bed.guidance.pressVs();
  bed.runCycles(1);
  EXPECT_DOUBLE_EQ(bed.state().fdPitchCommandDeg, 2);  // no vertical mode: the pitch as it is
}

TEST(HostCoupling, TheHostsAutopilotStaysOffAndItsYawDamperFollowsOurs) {
  GuidanceBed bed;
  bed.airborne();
  bed.in.hostAutopilot = true;
  bed.in.hostYawDamper = true;
  bed.runCycles(1);
  EXPECT_EQ(bed.eventsWith(65580), 1);
  EXPECT_EQ(bed.fx.events.back(), std::make_pair(66070u, 1u));
  bed.in.hostAutopilot = false;
  bed.in.hostYawDamper = false;
  bed.guidance.pressYd();
  bed.runCycles(1);
  EXPECT_EQ(bed.fx.events.back(), std::make_pair(66069u, 1u));
  bed.in.hostYawDamper = true;
  bed.fx.events.clear();
  bed.runCycles(3);
  EXPECT_TRUE(bed.fx.events.empty());
}

TEST(Steering, TheRadioModesFlyTheHostsSteeringWithItsHoldsSwitchedOn) {
  GuidanceBed bed;
  bed.airborne().engaged();
  bed.in.hostNavSteeringBankDeg = 10;
  bed.guidance.pressNav();
  bed.in.courseDeviation = 0;
  bed.runCycles(1);
  ASSERT_EQ(bed.state().lateralMode, lateral::kVor);
  EXPECT_DOUBLE_EQ(bed.state().computer.bankTargetDeg, 10);
  EXPECT_EQ(bed.eventsWith(65811), 1);
  bed.in.hostNavHold = true;
  bed.runCycles(1);
  EXPECT_EQ(bed.eventsWith(65811), 1);

  bed.guidance.pressNav();
  bed.in.localizerTuned = true;
  bed.in.hostNavHold = false;
  bed.in.hostApproachHold = true;  // either hold gives the localizer steering
  bed.runCycles(1);
  bed.guidance.pressApp();
  bed.runCycles(1);
  ASSERT_EQ(bed.state().lateralMode, lateral::kLocalizer);
  ASSERT_EQ(bed.state().verticalMode, vertical::kGlideslope);
  EXPECT_DOUBLE_EQ(bed.state().computer.bankTargetDeg, 12);
  EXPECT_EQ(bed.eventsWith(65811), 1);
  EXPECT_EQ(bed.eventsWith(65806), 0);
  bed.in.hostApproachHold = false;
  bed.runCycles(1);
  EXPECT_EQ(bed.eventsWith(65806), 1);
  EXPECT_EQ(bed.eventsWith(65811), 2);

  bed.guidance.pressHsiSel();
  bed.guidance.pressBc();
  bed.runCycles(1);
  ASSERT_EQ(bed.state().lateralMode, lateral::kBackCourse);
  EXPECT_EQ(bed.eventsWith(65810), 1);
  EXPECT_DOUBLE_EQ(bed.state().computer.bankTargetDeg, 12);
}

TEST(Glidepath, TheBeamAngleFromTheAddonIsFlownAsADescent) {
  GuidanceBed bed;
  bed.in.linkConnected = true;
  bed.in.linkGlideslopeAngleDeg = 3.0;
  bed.in.localizerTuned = true;
  bed.in.groundSpeedKt = 140;
  bed.in.verticalSpeedFpm = -700;
  bed.airborne().engaged();
  bed.guidance.pressApp();
  bed.runCycles(2);
  ASSERT_EQ(bed.state().verticalMode, vertical::kGlideslope);
  // Descending 700 where the beam asks about 743: the nose goes down.
  EXPECT_LT(bed.state().computer.pitchTargetDeg, 0.0);
}

}  // namespace
}  // namespace xaq::guidance
