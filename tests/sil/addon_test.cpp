// The add-on stand-in's request protocol, driven with buffers built as the module's link builds
// them.

#include <gtest/gtest.h>

#include "simhost/addon.h"
#include "tests/sil/request_buffer.h"

namespace xaq::sim {
namespace {

using testing::RequestBuffer;

class AddonProtocol : public ::testing::Test {
 protected:
  World world;
  AddonStandIn addon{world};
};

TEST_F(AddonProtocol, ConnectSequenceReportsVersionsAndKeepsTheSimulatorWord) {
  for (int attempt = 0; attempt < 2; ++attempt) {  // a reconnect must see the same words
    RequestBuffer request;
    const std::size_t version = request.read(0x3304, 4);
    const std::size_t simulator = request.read(0x3308, 4);
    request.write<std::uint16_t>(0x330A, 1100);
    request.end();
    ASSERT_EQ(addon.handle(request.bytes.data(), request.bytes.size()), 1);
    const auto versionWord = request.answer<std::uint32_t>(version);
    EXPECT_GE(versionWord, 0x19980005u);
    EXPECT_EQ(versionWord >> 20, 0x275u);  // hundreds, tens, units: 2.75
    EXPECT_EQ(request.answer<std::uint32_t>(simulator) & 0xFFFF0000u, 0xFADE0000u);
    EXPECT_EQ(addon.clientVersion(), 1100);
  }
}

TEST_F(AddonProtocol, OlderAddonReportsItsVersion) {
  addon.versionWord = kAddonVersion274;
  RequestBuffer request;
  const std::size_t version = request.read(0x3304, 4);
  request.end();
  ASSERT_EQ(addon.handle(request.bytes.data(), request.bytes.size()), 1);
  EXPECT_EQ(request.answer<std::uint32_t>(version) >> 20, 0x274u);
}

TEST_F(AddonProtocol, MalformedBuffersAreRefusedWithoutSideEffects) {
  const double aileronBefore = world.controls.aileron;
  {
    RequestBuffer noEnd;  // a write followed by nothing
    noEnd.write<std::int16_t>(0x0BB6, 5000);
    EXPECT_EQ(addon.handle(noEnd.bytes.data(), noEnd.bytes.size()), 0);
  }
  {
    RequestBuffer pastSpace;  // a read running off the 64 KiB space
    pastSpace.read(0xFFFE, 4);
    pastSpace.end();
    EXPECT_EQ(addon.handle(pastSpace.bytes.data(), pastSpace.bytes.size()), 0);
  }
  {
    RequestBuffer shortUsed;  // usedBytes cuts the record's data
    shortUsed.write<std::int16_t>(0x0BB6, 5000);
    shortUsed.end();
    EXPECT_EQ(addon.handle(shortUsed.bytes.data(), 13), 0);
  }
  {
    RequestBuffer unknownKind;
    unknownKind.word(7);
    unknownKind.end();
    EXPECT_EQ(addon.handle(unknownKind.bytes.data(), unknownKind.bytes.size()), 0);
  }
  EXPECT_EQ(world.controls.aileron, aileronBefore);
  EXPECT_EQ(addon.requestsHandled(), 0u);
  EXPECT_EQ(addon.handle(nullptr, 4), 0);
}

TEST_F(AddonProtocol, RecordsActInOrderSoAReadSeesAnEarlierWrite) {
  RequestBuffer request;
  const std::size_t before = request.read(0x0BB6, 2);
  request.write<std::int16_t>(0x0BB6, -1234);
  const std::size_t after = request.read(0x0BB6, 2);
  request.end();
  ASSERT_EQ(addon.handle(request.bytes.data(), request.bytes.size()), 1);
  EXPECT_EQ(request.answer<std::int16_t>(before), 0);
  EXPECT_EQ(request.answer<std::int16_t>(after), -1234);
  EXPECT_EQ(world.controls.aileron, -1234);
}

TEST_F(AddonProtocol, ValuesArriveInTheirDocumentedEncodings) {
  world.aircraft.trueAirspeedKt = 200;
  world.aircraft.groundSpeedKt = 180;
  world.aircraft.verticalSpeedFpm = -600;
  world.aircraft.zeroFuelWeightLb = 34000;
  world.aircraft.leftTankGal = 210;  // a quarter of 840
  world.environment.clouds[1] = {3280.84, 6561.68, 300};
  world.traffic.push_back(TrafficTarget{77, 45.5, -122.5, 5000, 90, 200, -500, "N77"});
  RequestBuffer request;
  const std::size_t tas = request.read(0x02B8, 4), gs = request.read(0x02B4, 4);
  const std::size_t vs = request.read(0x31C8, 8), zfw = request.read(0x3BFC, 4);
  const std::size_t tank = request.read(0x0B7C, 4), cloud = request.read(0x0EA2, 6);
  const std::size_t traffic = request.read(0xF000, 4 + 40);
  request.end();
  ASSERT_EQ(addon.handle(request.bytes.data(), request.bytes.size()), 1);
  EXPECT_NEAR(request.answer<std::uint32_t>(tas) / 128.0, 200, 0.01);
  EXPECT_NEAR(request.answer<std::uint32_t>(gs) * 2.966070556640625e-05, 180, 0.01);
  EXPECT_NEAR(request.answer<double>(vs) * 60, -600, 1e-9);
  EXPECT_NEAR(request.answer<std::uint32_t>(zfw) / 256.0, 34000, 0.01);
  EXPECT_EQ(request.answer<std::uint32_t>(tank), 8388608u / 4);
  EXPECT_NEAR(static_cast<int>(request.answer<std::uint16_t>(cloud) * 3.28083), 3280, 1);
  EXPECT_EQ(request.answer<std::uint16_t>(cloud + 4), 300);
  EXPECT_EQ(request.answer<std::uint16_t>(traffic), 1);
  EXPECT_EQ(request.answer<std::uint32_t>(traffic + 4), 77u);
  EXPECT_NEAR(request.answer<float>(traffic + 8), 45.5f, 1e-4);
}

TEST_F(AddonProtocol, TankWritesSetTheFuelQuantity) {
  RequestBuffer request;
  request.write<std::uint32_t>(0x0B94, 8388608u / 2);
  request.end();
  ASSERT_EQ(addon.handle(request.bytes.data(), request.bytes.size()), 1);
  EXPECT_NEAR(world.aircraft.rightTankGal, 420, 1e-6);
}

TEST_F(AddonProtocol, HotButtonSlotReportsPressAndReleaseEdges) {
  // The module registers joystick 2, button 5 in slot 3 ...
  const std::uint32_t registration = ((5u - 1) | 0x200u) * 256 + (2 - 1 + 128);
  RequestBuffer registerIt;
  const std::size_t count = registerIt.read(0x290C, 4);
  registerIt.write<std::uint32_t>(0x2910 + 4 * 3, registration);
  registerIt.end();
  ASSERT_EQ(addon.handle(registerIt.bytes.data(), registerIt.bytes.size()), 1);
  EXPECT_EQ(registerIt.answer<std::uint32_t>(count), static_cast<std::uint32_t>(kHotButtonSlots));

  addon.joystickButton(2, 4, true);  // another button: no change
  EXPECT_EQ(addon.peek(0x2910 + 12, 4), registration);
  addon.joystickButton(2, 5, true);
  EXPECT_EQ(addon.peek(0x2910 + 12, 4), registration | 3u << 24);
  // ... reads the edge and clears bit 24; the release sets it again with bit 25 clear.
  RequestBuffer acknowledge;
  acknowledge.write<std::uint32_t>(0x2910 + 12, registration | 1u << 25);
  acknowledge.end();
  ASSERT_EQ(addon.handle(acknowledge.bytes.data(), acknowledge.bytes.size()), 1);
  addon.joystickButton(2, 5, false);
  EXPECT_EQ(addon.peek(0x2910 + 12, 4), registration | 1u << 24);
}

TEST_F(AddonProtocol, AircraftPathChangeBumpsTheCounter) {
  const auto counter = addon.peek(0x32FC, 2);
  addon.setAircraftPath("/sim/Aircraft/Other/other.air");
  EXPECT_EQ(addon.peek(0x32FC, 2), counter + 1);
  addon.setAircraftPath("/sim/Aircraft/Other/other.air");
  EXPECT_EQ(addon.peek(0x32FC, 2), counter + 1);
  RequestBuffer request;
  const std::size_t path = request.read(0x3C00, 256);
  request.end();
  ASSERT_EQ(addon.handle(request.bytes.data(), request.bytes.size()), 1);
  EXPECT_STREQ(reinterpret_cast<const char*>(request.bytes.data() + path), "/sim/Aircraft/Other/other.air");
}

}  // namespace
}  // namespace xaq::sim
