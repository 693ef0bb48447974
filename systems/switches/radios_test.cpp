// The radio panel through its operations and its cycle update, with the host played by a few
// BCD variables that follow the set events the way the host's receivers do.

#include "systems/switches/radios.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/testing/recording_effects.h"

namespace xaq::systems {
namespace {

using Sound = testing::RecordingEffects::SoundAction;

// The radios with a host whose receivers take the set events before the next cycle.
class RadioBed {
 public:
  void runCycle(double dtS = 0.056) {
    for (const auto& [id, value] : effects.events) apply(id, value);
    effects.events.clear();
    now.nowS += dtS;
    now.dtS = dtS;
    radios.update(now, host);
  }
  const RadiosState& state() const { return radios.state(); }
  ComNavFrequency standby(Radio r) const { return state().comNav[static_cast<std::size_t>(r)].standby; }
  ComNavFrequency active(Radio r) const { return state().comNav[static_cast<std::size_t>(r)].active; }
  Effects fx() { return effects.doors(); }

  Radios radios;
  RadiosInputs host{0x1390, 0x1390, 0x2485, 0x2485, 0x0320, 0, 0x1200};
  CycleContext now;
  testing::RecordingEffects effects;

 private:
  void apply(std::uint32_t id, std::uint32_t value) {
    switch (id) {
      case kNav1SetEvent: host.nav1Bcd = value; break;
      case kNav2SetEvent: host.nav2Bcd = value; break;
      case kCom1SetEvent: host.com1Bcd = value; break;
      case kCom2SetEvent: host.com2Bcd = value; break;
      case kTransponderSetEvent: host.transponderBcd = value; break;
      case kAdfSetEvent:
      case kAdfSetHighEvent:
        host.adfBcd = value >> 4;
        host.adfExtendedBcd = (id == kAdfSetHighEvent ? 0x100 : 0) + (value & 0xF);
        break;
      default: break;
    }
  }
};

std::string text(ComNavFrequency f) {
  char out[8];
  comNavText(f, out);
  return out;
}

TEST(RadioTuning, InnerStepsWalkTheTwentyFiveKilohertzChannelsOnTwoDigits) {
  ComNavFrequency f{118, 0};
  std::string walked;
  for (int k = 0; k < 6; ++k) walked += text(f = stepHundredths(f, Band::kCom, +1)) + " ";
  EXPECT_EQ(walked, "118.02 118.05 118.07 118.10 118.12 118.15 ");
  for (int k = 0; k < 6; ++k) f = stepHundredths(f, Band::kCom, -1);
  EXPECT_EQ(f, (ComNavFrequency{118, 0})) << "down retraces up";
}

TEST(RadioTuning, InnerStepsCarryIntoTheMegahertzAndWrapTheBand) {
  EXPECT_EQ(stepHundredths({118, 97}, Band::kCom, +1), (ComNavFrequency{119, 0}));
  EXPECT_EQ(stepHundredths({118, 95}, Band::kCom, +1), (ComNavFrequency{118, 97}));
  EXPECT_EQ(stepHundredths({118, 0}, Band::kCom, -1), (ComNavFrequency{135, 97}));
  EXPECT_EQ(stepHundredths({118, 2}, Band::kCom, -1), (ComNavFrequency{118, 0}));
  EXPECT_EQ(stepHundredths({135, 97}, Band::kCom, +1), (ComNavFrequency{118, 0}));
  EXPECT_EQ(stepHundredths({117, 97}, Band::kNav, +1), (ComNavFrequency{108, 0}));
  EXPECT_EQ(stepHundredths({108, 0}, Band::kNav, -1), (ComNavFrequency{117, 97}));
}

TEST(RadioTuning, OuterStepsWrapComWithin118To135AndNavWithin108To117) {
  EXPECT_EQ(stepMhz({135, 50}, Band::kCom, +1), (ComNavFrequency{118, 50}));
  EXPECT_EQ(stepMhz({118, 50}, Band::kCom, -1), (ComNavFrequency{135, 50}));
  EXPECT_EQ(stepMhz({134, 50}, Band::kCom, +1), (ComNavFrequency{135, 50}));
  EXPECT_EQ(stepMhz({117, 0}, Band::kNav, +1), (ComNavFrequency{108, 0}));
  EXPECT_EQ(stepMhz({108, 0}, Band::kNav, -1), (ComNavFrequency{117, 0}));
  EXPECT_EQ(stepMhz({116, 0}, Band::kNav, +1), (ComNavFrequency{117, 0}));
}

TEST(RadioTuning, AdfStepsByHalfAndTenKilohertzWrappingBothWays) {
  EXPECT_EQ(stepAdfHalfKhz({320, 0}, +1), (AdfFrequency{320, 5}));
  EXPECT_EQ(stepAdfHalfKhz({320, 5}, +1), (AdfFrequency{321, 0}));
  EXPECT_EQ(stepAdfHalfKhz({320, 5}, -1), (AdfFrequency{320, 0}));
  EXPECT_EQ(stepAdfHalfKhz({320, 0}, -1), (AdfFrequency{319, 5}));
  EXPECT_EQ(stepAdfHalfKhz({200, 0}, -1), (AdfFrequency{1700, 5})) << "below 200 wraps to 1700";
  EXPECT_EQ(stepAdfHalfKhz({1700, 5}, +1), (AdfFrequency{200, 0})) << "past 1700 wraps to 200";
  EXPECT_EQ(stepAdfTenKhz({1695, 0}, +1), (AdfFrequency{200, 0}));
  EXPECT_EQ(stepAdfTenKhz({1690, 5}, +1), (AdfFrequency{1700, 5}));
  EXPECT_EQ(stepAdfTenKhz({205, 5}, -1), (AdfFrequency{1700, 5}));
  EXPECT_EQ(stepAdfTenKhz({210, 0}, -1), (AdfFrequency{200, 0}));
}

TEST(RadioTuning, TransponderPairsStepInOctalAndWrap) {
  EXPECT_EQ(stepTransponder(777, false, +1), 700);
  EXPECT_EQ(stepTransponder(7777, true, +1), 77);
  EXPECT_EQ(stepTransponder(1207, false, +1), 1210) << "7 carries past 8 and 9";
  EXPECT_EQ(stepTransponder(1210, false, -1), 1207);
  EXPECT_EQ(stepTransponder(1200, false, -1), 1277) << "below 00 wraps to 77";
  EXPECT_EQ(stepTransponder(1200, true, -1), 1100);
  EXPECT_EQ(stepTransponder(1000, true, -1), 700) << "10 down skips 09 and 08";
  EXPECT_EQ(stepTransponder(77, true, -1), 7777);
  EXPECT_EQ(stepTransponder(700, true, +1), 1000);
  // A full turn of either knob comes back to where it started and never shows an 8 or a 9.
  std::int32_t code = 1234;
  for (int k = 0; k < 128; ++k) {
    code = stepTransponder(code, k % 2 == 0, +1);
    for (std::int32_t c = code; c > 0; c /= 10) ASSERT_LE(c % 10, 7) << code;
  }
  EXPECT_EQ(code, 1234);
}

TEST(RadioEncoding, TheSetEventsCarryFourBcdDigits) {
  EXPECT_EQ(comNavBcd({118, 97}), 0x1897u);
  EXPECT_EQ(comNavBcd({113, 90}), 0x1390u);
  EXPECT_EQ(comNavBcd({108, 5}), 0x0805u);
  EXPECT_EQ(comNavBcd({135, 0}), 0x3500u);
  EXPECT_EQ(adfBcd({320, 5}), 0x3205u);
  EXPECT_EQ(adfBcd({1250, 5}), 0x2505u) << "the thousands go in the event, not the digits";
  EXPECT_EQ(transponderBcd(7700), 0x7700u);
  EXPECT_EQ(transponderBcd(1200), 0x1200u);
  EXPECT_EQ(transponderBcd(17), 0x0017u);
}

TEST(RadioEncoding, TheHostsVariablesDecodeAndNonsenseReadsAsNothing) {
  EXPECT_EQ(decodeComNav(0x1897), (ComNavFrequency{118, 97}));
  EXPECT_EQ(decodeComNav(0x0805), (ComNavFrequency{108, 5}));
  EXPECT_EQ(decodeAdf(0x0320, 0x0005), (AdfFrequency{320, 5}));
  EXPECT_EQ(decodeAdf(0x0250, 0x0105), (AdfFrequency{1250, 5}));
  EXPECT_EQ(decodeTransponder(0x7700), 7700);
  for (double bad : {std::nan(""), -1.0, 1e12, double{INFINITY}}) {
    EXPECT_EQ(decodeComNav(bad), (ComNavFrequency{100, 0})) << bad;
    EXPECT_EQ(decodeTransponder(bad), 0) << bad;
  }
  char out[8];
  comNavText({123456, -7}, out);
  EXPECT_STREQ(out, "999.00") << "a readout never grows past its window";
  adfText({1250, 5}, out);
  EXPECT_STREQ(out, "1250.5");
  transponderText(77, out);
  EXPECT_STREQ(out, "0077");
}

TEST(RadioPanel, StartsWithTheStandbyDefaultsAndShowsTheHostsActiveFrequencies) {
  RadioBed bed;
  EXPECT_EQ(bed.standby(Radio::kNav1), (ComNavFrequency{113, 90}));
  EXPECT_EQ(bed.standby(Radio::kNav2), (ComNavFrequency{113, 90}));
  EXPECT_EQ(bed.standby(Radio::kCom1), (ComNavFrequency{124, 85}));
  EXPECT_EQ(bed.standby(Radio::kCom2), (ComNavFrequency{124, 85}));
  EXPECT_EQ(bed.state().adf[0].standby, (AdfFrequency{320, 0}));
  bed.host.com2Bcd = 0x1897;
  bed.host.nav1Bcd = 0x1660;
  bed.runCycle();
  EXPECT_EQ(bed.active(Radio::kCom2), (ComNavFrequency{118, 97}));
  EXPECT_EQ(bed.active(Radio::kNav1), (ComNavFrequency{116, 60}));
  EXPECT_EQ(bed.state().transponderCode, 1200);
  EXPECT_EQ(bed.state().adf[1].active, (AdfFrequency{320, 0})) << "both ADF heads read the one receiver";
}

TEST(RadioPanel, KnobsStepOnlyTheStandbyAndClickTheSwitchSound) {
  RadioBed bed;
  bed.runCycle();
  Effects fx = bed.fx();
  bed.radios.innerUp(Radio::kCom1, fx);
  bed.radios.outerDown(Radio::kCom1, fx);
  bed.radios.outerUp(Radio::kNav2, fx);
  EXPECT_EQ(bed.standby(Radio::kCom1), (ComNavFrequency{123, 87}));
  EXPECT_EQ(bed.standby(Radio::kNav2), (ComNavFrequency{114, 90}));
  EXPECT_EQ(bed.active(Radio::kCom1), (ComNavFrequency{124, 85}));
  EXPECT_TRUE(bed.effects.events.empty()) << "the standby is the head's own";
  ASSERT_EQ(bed.effects.sounds.size(), 3u);
  for (const auto& s : bed.effects.sounds) EXPECT_EQ(s, (testing::RecordingEffects::SoundRequest{Sound::kPlay, 25}));
}

TEST(RadioPanel, TransferSendsTheStandbyAsTheNewActiveAndKeepsTheOldActiveAsStandby) {
  RadioBed bed;
  bed.host.nav1Bcd = 0x1660;
  bed.runCycle();
  Effects fx = bed.fx();
  bed.radios.transfer(Radio::kNav1, bed.now.nowS, fx);
  ASSERT_EQ(bed.effects.events.size(), 1u);
  EXPECT_EQ(bed.effects.events[0], (std::pair<std::uint32_t, std::uint32_t>{65708, 0x1390}));
  EXPECT_EQ(bed.effects.sounds.back(), (testing::RecordingEffects::SoundRequest{Sound::kPlay, 26}));
  EXPECT_EQ(bed.standby(Radio::kNav1), (ComNavFrequency{116, 60}));
  bed.runCycle();
  EXPECT_EQ(bed.active(Radio::kNav1), (ComNavFrequency{113, 90}));

  const std::pair<Radio, std::uint32_t> events[] = {
      {Radio::kNav2, 65709}, {Radio::kCom1, 65707}, {Radio::kCom2, 66442}};
  for (const auto& [radio, event] : events) {
    bed.effects.events.clear();
    bed.radios.transfer(radio, bed.now.nowS, fx);
    ASSERT_EQ(bed.effects.events.size(), 1u);
    EXPECT_EQ(bed.effects.events[0].first, event);
  }
}

TEST(RadioPanel, AdfTransferUsesTheHighRangeEventFrom1000Kilohertz) {
  RadioBed bed;
  bed.runCycle();
  Effects fx = bed.fx();
  bed.radios.outerUp(Radio::kAdf1, fx);
  bed.radios.innerUp(Radio::kAdf1, fx);
  bed.radios.transfer(Radio::kAdf1, bed.now.nowS, fx);
  ASSERT_EQ(bed.effects.events.size(), 1u);
  EXPECT_EQ(bed.effects.events[0], (std::pair<std::uint32_t, std::uint32_t>{66122, 0x3305}));
  EXPECT_EQ(bed.state().adf[1].active, (AdfFrequency{330, 5})) << "the second head reads the same receiver";
  bed.runCycle();
  EXPECT_EQ(bed.state().adf[0].active, (AdfFrequency{330, 5}));
  EXPECT_EQ(bed.state().adf[0].standby, (AdfFrequency{320, 0}));

  ASSERT_TRUE(bed.radios.setStandby(Radio::kAdf2, AdfFrequency{1000, 0}));
  bed.effects.events.clear();
  bed.radios.transfer(Radio::kAdf2, bed.now.nowS, fx);
  EXPECT_EQ(bed.effects.events[0], (std::pair<std::uint32_t, std::uint32_t>{66123, 0x0000}));
  ASSERT_TRUE(bed.radios.setStandby(Radio::kAdf2, AdfFrequency{999, 5}));
  bed.effects.events.clear();
  bed.radios.transfer(Radio::kAdf2, bed.now.nowS, fx);
  EXPECT_EQ(bed.effects.events[0], (std::pair<std::uint32_t, std::uint32_t>{66122, 0x9995}));
  bed.runCycle();
  EXPECT_EQ(bed.state().adf[0].active, (AdfFrequency{999, 5}));
}

TEST(RadioPanel, TheTransferButtonLooksPressedForThreeTenthsOfASecondAtAnyFrameTime) {
  for (double dt : {0.028, 0.056, 0.3, 6.0}) {
    RadioBed bed;
    bed.runCycle(dt);
    Effects fx = bed.fx();
    const double pressedAt = bed.now.nowS;
    bed.radios.transfer(Radio::kCom2, pressedAt, fx);
    EXPECT_TRUE(bed.state().comNav[3].transferPressed) << dt;
    int cyclesPressed = 0;
    for (int k = 0; k < 40 && bed.state().comNav[3].transferPressed; ++k) {
      bed.runCycle(dt);
      if (bed.state().comNav[3].transferPressed) {
        ++cyclesPressed;
        EXPECT_LT(bed.now.nowS - pressedAt, 0.3 + 1e-9) << dt;
      }
    }
    EXPECT_FALSE(bed.state().comNav[3].transferPressed) << dt;
    EXPECT_EQ(cyclesPressed, static_cast<int>(std::ceil(0.3 / dt - 1e-9)) - 1) << dt;
  }
}

TEST(RadioPanel, ARestartedClockReleasesThePressedButton) {
  RadioBed bed;
  bed.now.nowS = 100.0;
  bed.runCycle();
  Effects fx = bed.fx();
  bed.radios.transfer(Radio::kAdf1, bed.now.nowS, fx);
  bed.now.nowS = 0.0;
  bed.runCycle();
  EXPECT_FALSE(bed.state().adf[0].transferPressed);
}

TEST(RadioPanel, TransponderKnobsSendTheCodeAtOnce) {
  RadioBed bed;
  bed.host.transponderBcd = 0x0777;
  bed.runCycle();
  Effects fx = bed.fx();
  bed.radios.innerUp(Radio::kTransponder, fx);
  EXPECT_EQ(bed.state().transponderCode, 700);
  bed.radios.outerDown(Radio::kTransponder, fx);
  EXPECT_EQ(bed.state().transponderCode, 600);
  bed.radios.innerDown(Radio::kTransponder, fx);
  EXPECT_EQ(bed.state().transponderCode, 677);
  bed.radios.outerUp(Radio::kTransponder, fx);
  ASSERT_EQ(bed.effects.events.size(), 4u);
  EXPECT_EQ(bed.effects.events[0], (std::pair<std::uint32_t, std::uint32_t>{65715, 0x0700}));
  EXPECT_EQ(bed.effects.events[3], (std::pair<std::uint32_t, std::uint32_t>{65715, 0x0777}));
  bed.runCycle();
  EXPECT_EQ(bed.state().transponderCode, 777);
  EXPECT_FALSE(bed.radios.setTransponderCode(1280, bed.effects));
  EXPECT_FALSE(bed.radios.setTransponderCode(-1, bed.effects));
  EXPECT_TRUE(bed.radios.setTransponderCode(7700, bed.effects));
  EXPECT_EQ(bed.effects.events.back(), (std::pair<std::uint32_t, std::uint32_t>{65715, 0x7700}));
}

TEST(RadioPanel, KeyboardCommandsRunTheSameOperationsInTableOrder) {
  RadioBed bed;
  bed.runCycle();
  Effects fx = bed.fx();
  EXPECT_EQ(radioCommandName(42), "NAV1_OUTERUP");
  EXPECT_EQ(radioCommandName(56), "COM1_XFR");
  EXPECT_EQ(radioCommandName(66), "ADF_XFR");
  EXPECT_EQ(radioCommandName(70), "XPDR_INNERDN");
  EXPECT_EQ(radioCommandName(41), "");
  EXPECT_EQ(radioCommandName(71), "");

  EXPECT_TRUE(bed.radios.command(42, 0, fx));  // NAV1 outer up
  EXPECT_EQ(bed.standby(Radio::kNav1), (ComNavFrequency{114, 90}));
  EXPECT_TRUE(bed.radios.command(50, 0, fx));  // NAV2 inner down
  EXPECT_EQ(bed.standby(Radio::kNav2), (ComNavFrequency{113, 87}));
  EXPECT_TRUE(bed.radios.command(55, 0, fx));  // COM1 inner down
  EXPECT_EQ(bed.standby(Radio::kCom1), (ComNavFrequency{124, 82}));
  EXPECT_TRUE(bed.radios.command(58, 0, fx));  // COM2 outer down
  EXPECT_EQ(bed.standby(Radio::kCom2), (ComNavFrequency{123, 85}));
  EXPECT_TRUE(bed.radios.command(64, 0, fx));  // ADF inner up
  EXPECT_EQ(bed.state().adf[0].standby, (AdfFrequency{320, 5}));
  EXPECT_EQ(bed.state().adf[1].standby, (AdfFrequency{320, 0})) << "the keys tune the first ADF head";
  EXPECT_TRUE(bed.radios.command(67, 0, fx));  // XPDR outer up
  EXPECT_EQ(bed.state().transponderCode, 1300);
  EXPECT_TRUE(bed.radios.command(70, 0, fx));  // XPDR inner down
  EXPECT_EQ(bed.state().transponderCode, 1377);
  bed.effects.events.clear();
  EXPECT_TRUE(bed.radios.command(61, 0, fx));  // COM2 transfer
  EXPECT_EQ(bed.effects.events.at(0), (std::pair<std::uint32_t, std::uint32_t>{66442, 0x2385}));
  EXPECT_FALSE(bed.radios.command(41, 0, fx));
  EXPECT_FALSE(bed.radios.command(71, 0, fx));
  EXPECT_EQ(bed.effects.events.size(), 1u) << "numbers outside the radio commands do nothing";
}

TEST(RadioPanel, TuningFromTheFlightManagementRefusesFrequenciesOutsideTheBand) {
  RadioBed bed;
  EXPECT_TRUE(bed.radios.setStandby(Radio::kCom1, ComNavFrequency{135, 95}));
  EXPECT_FALSE(bed.radios.setStandby(Radio::kCom1, ComNavFrequency{136, 0}));
  EXPECT_FALSE(bed.radios.setStandby(Radio::kNav1, ComNavFrequency{118, 0}));
  EXPECT_FALSE(bed.radios.setStandby(Radio::kNav1, ComNavFrequency{110, 100}));
  EXPECT_FALSE(bed.radios.setStandby(Radio::kTransponder, ComNavFrequency{110, 0}));
  EXPECT_FALSE(bed.radios.setStandby(Radio::kAdf1, AdfFrequency{199, 5}));
  EXPECT_FALSE(bed.radios.setStandby(Radio::kAdf1, AdfFrequency{300, 3}));
  EXPECT_FALSE(bed.radios.setStandby(Radio::kCom1, AdfFrequency{300, 0}));
  EXPECT_EQ(bed.standby(Radio::kCom1), (ComNavFrequency{135, 95}));
  bed.radios.exchange(Radio::kCom1, bed.effects);
  EXPECT_EQ(bed.effects.events.at(0), (std::pair<std::uint32_t, std::uint32_t>{65707, 0x3595}));
  EXPECT_TRUE(bed.effects.sounds.empty()) << "the CDU key makes its own sound";
  EXPECT_FALSE(bed.state().comNav[2].transferPressed);
}

TEST(RadioBearings, FollowTheHostsBearingsAtEightyDegreesASecondTheShortWayRound) {
  for (double dt : {0.028, 0.056, 0.3}) {
    RadioBed bed;
    bed.host.nav1BearingDeg = 90.0;
    bed.host.nav2BearingDeg = 90.0;
    bed.host.adfBearingDeg = 90.0;
    bed.runCycle(dt);
    EXPECT_DOUBLE_EQ(bed.state().nav1BearingDeg, 90.0) << "starts at 90";
    bed.host.nav1BearingDeg = 130.0;
    bed.host.nav2BearingDeg = 350.0;  // the short way is back through north
    bed.host.adfBearingDeg = 10.0;
    const int cycles = static_cast<int>(std::lround(0.3 / dt));
    for (int k = 0; k < cycles; ++k) bed.runCycle(dt);
    const double turned = 80.0 * cycles * dt;
    EXPECT_NEAR(bed.state().nav1BearingDeg, 90.0 + turned, 1e-6) << dt;
    EXPECT_NEAR(bed.state().nav2BearingDeg, 90.0 - turned, 1e-6) << dt;
    EXPECT_NEAR(bed.state().adfBearingDeg[0], 90.0 - turned, 1e-6) << dt;
    EXPECT_DOUBLE_EQ(bed.state().adfBearingDeg[1], bed.state().adfBearingDeg[0]);
    for (int k = 0; k < static_cast<int>(3.0 / dt); ++k) bed.runCycle(dt);
    EXPECT_DOUBLE_EQ(bed.state().nav1BearingDeg, 130.0) << dt;
    EXPECT_DOUBLE_EQ(bed.state().nav2BearingDeg, 350.0) << dt;
    EXPECT_DOUBLE_EQ(bed.state().adfBearingDeg[0], 10.0) << dt;
    bed.host.nav1BearingDeg = std::nan("");
    bed.runCycle(dt);
    EXPECT_DOUBLE_EQ(bed.state().nav1BearingDeg, 130.0) << "a bearing the host cannot mean is ignored";
  }
}

}  // namespace
}  // namespace xaq::systems
