// The instruments' shared pieces: readouts blank without instrument power, needles that follow
// their value at their rate on the simulation clock, whatever the frame time.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "frame/gauge_registry.h"
#include "frame/test_host.h"
#include "gauges/instruments/instrument_kit.h"

namespace xaq::gauges::instruments {
namespace {

ReadoutText fixedText(const frame::AircraftState&, abi::ElementHeader*) { return {"1234"}; }

double gTarget = 0.0;
double givenTarget(const frame::AircraftState&, abi::ElementHeader*) { return gTarget; }

class InstrumentKit : public ::testing::Test {
 protected:
  void SetUp() override { Linkage.moduleInit(); }
  void TearDown() override { Linkage.moduleDeinit(); }
  void cycleAt(double t) {
    host.values[604] = t;
    host.timer.fire();
  }
  std::string shown(abi::StringElement& s) {
    std::array<char, 32> buffer{};
    buffer.fill('#');
    s.text = buffer.data();
    poweredReadout<&fixedText>(&s.header);
    s.text = nullptr;
    return buffer.data();
  }
  frame::testing::TestHost host;
};

TEST_F(InstrumentKit, AReadoutShowsItsTextOnlyWhileTheInstrumentBusIsPowered) {
  abi::StringElement s = text(nullptr, {0, 0}, {38, 19}, 8, 0, &poweredReadout<&fixedText>, kAmberReadout);
  cycleAt(1.0);
  ASSERT_TRUE(frame::aircraft()->electrical.state().dcPowerAvailable);
  EXPECT_EQ(shown(s), "1234");
  EXPECT_EQ(s.foreground, 0x002265F1u);
  EXPECT_EQ(s.background, 0x00101010u);
  EXPECT_STREQ(s.fontName, "Quartz");
  EXPECT_EQ(s.fontWeight, 400);

  Effects e = frame::aircraft()->effects();
  frame::aircraft()->switches.toggle(&systems::PanelSwitchRecord::batteryMaster, e);
  cycleAt(1.056);
  cycleAt(1.112);
  ASSERT_FALSE(frame::aircraft()->electrical.state().dcPowerAvailable);
  EXPECT_EQ(shown(s), "");
}

TEST(InstrumentKitWithoutAircraft, ReadoutsAreBlankAndNeedlesRestAtZero) {
  frame::testing::TestHost host;
  abi::StringElement s = text(nullptr, {0, 0}, {38, 19}, 8, 0, nullptr, kWhiteReadout);
  std::array<char, 8> buffer{'x', 'x', 0};
  s.text = buffer.data();
  poweredReadout<&fixedText>(&s.header);
  EXPECT_STREQ(buffer.data(), "");
  gTarget = 300.0;
  EXPECT_EQ((slewedNeedle<&givenTarget, 50.0>(&s.header)), 0.0);
}

TEST_F(InstrumentKit, ANeedleFollowsItsTargetAtItsRateWhateverTheFrameTime) {
  double t = 100.0;
  for (double dt : {0.028, 0.056, 0.3, 6.0}) {
    gTarget = 0.0;
    cycleAt(t += 20.0);
    slewedNeedle<&givenTarget, 50.0>(nullptr);
    cycleAt(t += 20.0);
    ASSERT_DOUBLE_EQ((slewedNeedle<&givenTarget, 50.0>(nullptr)), 0.0);
    gTarget = 100.0;
    cycleAt(t += dt);
    const double expected = std::min(100.0, 50.0 * dt);
    EXPECT_NEAR((slewedNeedle<&givenTarget, 50.0>(nullptr)), expected, 1e-9) << dt;
    cycleAt(t += 2.0);
    EXPECT_DOUBLE_EQ((slewedNeedle<&givenTarget, 50.0>(nullptr)), 100.0) << "reaches its target and stays";
  }
  // A value that is no number leaves the needle aiming where it was.
  gTarget = std::nan("");
  cycleAt(t += 1.0);
  EXPECT_DOUBLE_EQ((slewedNeedle<&givenTarget, 50.0>(nullptr)), 100.0);
}

TEST_F(InstrumentKit, AHeadingNeedleTurnsTheShortWayRound) {
  gTarget = 350.0;
  cycleAt(10.0);
  slewedHeading<&givenTarget, 400.0>(nullptr);
  cycleAt(11.0);
  ASSERT_DOUBLE_EQ((slewedHeading<&givenTarget, 400.0>(nullptr)), 350.0);
  gTarget = 10.0;
  cycleAt(11.025);
  EXPECT_NEAR((slewedHeading<&givenTarget, 400.0>(nullptr)), 0.0, 1e-9) << "10 deg clockwise in 25 ms";
  cycleAt(11.05);
  EXPECT_NEAR((slewedHeading<&givenTarget, 400.0>(nullptr)), 10.0, 1e-9);
}

}  // namespace
}  // namespace xaq::gauges::instruments
