// The add-on data link inside the aircraft's cycle: what it reads reaches the parts that use it,
// and releasing the aircraft hands the add-on its hot-button slots back.

#include <gtest/gtest.h>

#include "frame/module_lifecycle.h"
#include "frame/test_host.h"
#include "services/datalink/fake_addon.h"

namespace xaq::frame {
namespace {

class LinkCycle : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::installPorts(platform::Ports{&host.timer, &addon, &addon, nullptr, nullptr});
    addon.put<std::uint32_t>(0x290C, 56);
    Linkage.moduleInit();
  }
  void TearDown() override { Linkage.moduleDeinit(); }

  testing::TestHost host;
  services::datalink::testing::FakeAddon addon;
};

TEST_F(LinkCycle, WeightTakesTheAddonsPayloadFromTheCycleBefore) {
  host.values[791] = 5000;
  addon.put<std::uint32_t>(0x3BFC, 30000 * 256);
  host.timer.fire();  // connects
  host.timer.fire();  // samples first, then reads the payload
  const AircraftState& s = *aircraft();
  EXPECT_DOUBLE_EQ(s.link.addon.payloadWeightLb, 30000);
  EXPECT_DOUBLE_EQ(s.link.samples.aircraftWeightLb, 5000);
  host.timer.fire();
  EXPECT_DOUBLE_EQ(s.link.samples.aircraftWeightLb, 35000);
  EXPECT_NEAR(s.airspeedBug.speedTargetKt(), 136 - 5000 * 0.0017692307692307693, 1e-9);
}

TEST_F(LinkCycle, ReleasingTheAircraftFreesItsHotButtonSlots) {
  aircraft()->link.buttons[0].button = 3;
  host.timer.fire();
  host.timer.fire();
  ASSERT_TRUE(aircraft()->link.buttons[0].registered);
  EXPECT_NE(addon.get<std::uint32_t>(0x2910), 0u);
  Linkage.moduleDeinit();
  EXPECT_EQ(aircraft(), nullptr);
  EXPECT_EQ(addon.get<std::uint32_t>(0x2910), 0u);
}

}  // namespace
}  // namespace xaq::frame
