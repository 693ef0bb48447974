// The flight model answers control outputs written through the add-on the way the module's
// control laws assume: a negative aileron word raises the bank (rolls right), a positive
// elevator or trim word raises the nose, and only disconnected axes keep the add-on's words.

#include <gtest/gtest.h>

#include <cmath>

#include "platform/portable/portable_os.h"
#include "simhost/flight_model.h"
#include "tests/sil/host_fixture.h"
#include "tests/sil/request_buffer.h"

extern "C" XaqPortableOs xaqPortableOs;

namespace xaq::sim {
namespace {

class ClosedLoop : public testing::ModuleHost {
 protected:
  void SetUp() override {
    ModuleHost::SetUp();
    testing::putInCruise(*host);
    host->runFor(20);  // settle
  }

  // Through the module's door: find the add-on window and send it the buffer.
  void send(testing::RequestBuffer& request) {
    request.end();
    const std::uintptr_t window = xaqPortableOs.findWindow(xaqPortableOs.host, "UIPCMAIN");
    ASSERT_NE(window, 0u);
    ASSERT_EQ(xaqPortableOs.sendMessage(xaqPortableOs.host, window, kAddonMessage, request.bytes.size(),
                                        reinterpret_cast<std::intptr_t>(request.bytes.data())),
              1);
  }
  void write(std::uint32_t offset, std::int16_t value, std::uint8_t disconnect) {
    testing::RequestBuffer request;
    request.write<std::uint8_t>(0x310A, disconnect);
    request.write<std::int16_t>(static_cast<std::uint16_t>(offset), value);
    send(request);
  }
};

TEST_F(ClosedLoop, AileronWordRollsTheWayTheRollChannelExpects) {
  ASSERT_NEAR(host->world.aircraft.bankDeg, 0, 1);
  write(0x0BB6, -6000, 2);
  host->runFor(2);
  EXPECT_GT(host->world.aircraft.bankDeg, 10);
  write(0x0BB6, 6000, 2);
  host->runFor(4);
  EXPECT_LT(host->world.aircraft.bankDeg, -10);
}

TEST_F(ClosedLoop, BankHeldThroughTheAddonTurnsTowardTheBankedSide) {
  const double headingBefore = host->world.aircraft.headingTrueDeg;
  for (int cycle = 0; cycle < 360; ++cycle) {  // 20 s of module cycles
    const double bank = host->hostValue(79);
    const double rate = host->world.aircraft.rollRateDps;
    const double command = std::clamp(-(20.0 - bank) * 500.0 + rate * 300.0, -16383.0, 16383.0);
    write(0x0BB6, static_cast<std::int16_t>(command), 2);
    host->runFor(0.056);
  }
  EXPECT_NEAR(host->world.aircraft.bankDeg, 20, 2);
  EXPECT_GT(host->world.aircraft.headingTrueDeg - headingBefore, 20);  // a right turn
}

TEST_F(ClosedLoop, ElevatorAndTrimWordsRaiseTheNose) {
  const double pitchBefore = host->world.aircraft.pitchDeg;
  write(0x0BB2, 5000, 1);
  host->runFor(2);
  EXPECT_GT(host->world.aircraft.pitchDeg, pitchBefore + 2);
  EXPECT_GT(host->world.aircraft.verticalSpeedFpm, 300);

  write(0x0BB2, 0, 1);
  write(0x0BC0, -3000, 1);
  host->runFor(10);
  const double nosedDown = host->world.aircraft.pitchDeg;
  write(0x0BC0, 4000, 1);
  host->runFor(1.5);
  EXPECT_GT(host->world.aircraft.pitchDeg, nosedDown + 1);
  EXPECT_EQ(host->hostValue(318), 4000);
}

TEST_F(ClosedLoop, WithoutTheDisconnectBitThePilotKeepsTheControls) {
  write(0x0BB6, -12000, 0);
  host->runFor(3);
  EXPECT_NEAR(host->world.aircraft.bankDeg, 0, 3);
  EXPECT_EQ(host->world.controls.disconnect, 0);
}

}  // namespace
}  // namespace xaq::sim
