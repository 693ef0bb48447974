// The warning and caution panels through their tables and callbacks, the way the host drives
// them.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/light_ids.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "frame/module_lifecycle.h"
#include "frame/test_host.h"
#include "gauges/annunciators/warning_layout.h"
#include "gauges/kit/testing/gauge_tester.h"

namespace xaq::gauges {
namespace {

namespace ap = annunciator_panels;

std::vector<abi::ElementHeader*> cellsOf(abi::GaugeHeader& g) {
  std::vector<abi::ElementHeader*> out;
  for (abi::ElementHeader* const* e = g.elements[0]->children; *e != nullptr; ++e) out.push_back(*e);
  return out;
}

abi::ElementHeader* cellWithBitmap(abi::GaugeHeader& g, std::uint32_t id) {
  for (abi::ElementHeader* e : cellsOf(g)) {
    if (e->resourceId == id) return e;
  }
  return nullptr;
}

TEST(WarningPanelTables, EachLightIsOneCellAtItsPlaceOnItsPanel) {
  EXPECT_EQ(cellsOf(gauge_WarningLights).size(), 36u) << "the 2D panel carries warnings and cautions";
  EXPECT_EQ(cellsOf(gauge_Warning_V).size(), 5u);
  EXPECT_EQ(cellsOf(gauge_Caution_V).size(), 31u);
  // PARKING BRAKE sits at column 13, row 2; PASS DOOR is the eighth cell of the warning row.
  abi::ElementHeader* brake = cellWithBitmap(gauge_Caution_V, 17228);
  ASSERT_NE(brake, nullptr);
  EXPECT_EQ(brake->position.x, ap::kMargin + 13 * 64);
  EXPECT_EQ(brake->position.y, ap::kMargin + 2 * 32);
  abi::ElementHeader* door = cellWithBitmap(gauge_Warning_V, 17103);
  ASSERT_NE(door, nullptr);
  EXPECT_EQ(door->position.x, ap::kMargin + 7 * 64);
  std::set<std::uint32_t> ids;
  for (abi::ElementHeader* e : cellsOf(gauge_WarningLights)) {
    EXPECT_EQ(e->kind, abi::kIcon);
    EXPECT_TRUE(e->imageFlags & abi::kImageHidden) << "dark until the first draw";
    EXPECT_GE(e->resourceId, 17000u);
    EXPECT_LT(e->resourceId, 17500u);
    ids.insert(e->resourceId);
  }
  EXPECT_EQ(ids.size(), 36u);
  // Every caution index 1-31 has exactly one cell in the grid, and the grid's cells are 84.
  std::set<int> cautions;
  for (const ap::Cell& c : ap::kCautionGrid) {
    if (c.light != 0) {
      EXPECT_TRUE(cautions.insert(c.light).second) << c.legend;
    }
  }
  EXPECT_EQ(cautions.size(), 31u);
  EXPECT_EQ(*cautions.begin(), 1);
  EXPECT_EQ(*cautions.rbegin(), 31);
}

TEST(WarningPanelTables, OnlyTheRightEndOfThe2DPanelIsClickableAndItIsTheHostsView) {
  const gauges::testing::ClickResult strip =
      gauges::testing::clickGauge(gauge_WarningLights, ap::kPanelContentWidth + 5, 20);
  EXPECT_TRUE(strip.hit);
  EXPECT_EQ(strip.hostEvent, 65682u);
  EXPECT_FALSE(gauges::testing::clickGauge(gauge_WarningLights, ap::kPanelContentWidth - 5, 20).hit);
  EXPECT_FALSE(gauges::testing::clickGauge(gauge_Warning_V, 20, 20).hit);
  EXPECT_FALSE(gauges::testing::clickGauge(gauge_Caution_V, 20, 20).hit);
}

class WarningPanels : public ::testing::Test {
 protected:
  void SetUp() override {
    Linkage.moduleInit();
    host.values[304] = host.values[303] = 2000;  // fuel: the tank cautions stay out
  }
  void TearDown() override { Linkage.moduleDeinit(); }
  bool shown(abi::GaugeHeader& g, std::uint32_t bitmap) {
    abi::ElementHeader* e = cellWithBitmap(g, bitmap);
    gauges::testing::applyFirstValue(e, host.values);
    return (e->imageFlags & abi::kImageHidden) == 0;
  }
  void cycles(int n) {
    for (int i = 0; i < n; ++i) host.timer.fire();
  }
  frame::testing::TestHost host;
};

TEST_F(WarningPanels, ALitLightShowsOnEveryPanelAfterTheQuietStart) {
  host.values[323] = 32767;  // parking brake
  host.values[868] = 1;      // passenger door open
  cycles(35);
  EXPECT_FALSE(shown(gauge_Caution_V, 17228));
  cycles(1);
  for (abi::GaugeHeader* g : {&gauge_Caution_V, &gauge_WarningLights}) EXPECT_TRUE(shown(*g, 17228));
  for (abi::GaugeHeader* g : {&gauge_Warning_V, &gauge_WarningLights}) EXPECT_TRUE(shown(*g, 17103));
  EXPECT_FALSE(shown(gauge_Caution_V, 17222)) << "fuel in tank 1";
  EXPECT_TRUE(frame::aircraft()->annunciators.state().masterCaution);
  // The electrical system, earlier in the cycle, sets its lights from the next cycle on.
  EXPECT_FALSE(shown(gauge_Caution_V, 17208));
  cycles(1);
  EXPECT_TRUE(shown(gauge_Caution_V, 17208)) << "DC BUS, on the batteries alone";
  host.values[323] = 0;
  cycles(1);
  EXPECT_FALSE(shown(gauge_WarningLights, 17228));
}

TEST_F(WarningPanels, WithoutDcPowerEveryLightIsDark) {
  host.values[868] = 1;
  cycles(40);
  ASSERT_TRUE(shown(gauge_Warning_V, 17103));
  Effects e = frame::aircraft()->effects();
  frame::aircraft()->switches.toggle(&systems::PanelSwitchRecord::batteryMaster, e);
  cycles(1);
  EXPECT_TRUE(frame::aircraft()->annunciators.state().lit(lights::warning::kPassDoor));
  EXPECT_FALSE(shown(gauge_Warning_V, 17103));
  EXPECT_FALSE(shown(gauge_WarningLights, 17103));
}

TEST(WarningPanelsWithoutAircraft, TheCellsStayDarkAndQuiet) {
  frame::testing::TestHost host;
  abi::ElementHeader* e = cellWithBitmap(gauge_Caution_V, 17201);
  gauges::testing::applyFirstValue(e, host.values);
  EXPECT_TRUE(e->imageFlags & abi::kImageHidden);
  gauge_WarningLights.callback(&gauge_WarningLights, abi::kServicePreUpdate, 0);
}

}  // namespace
}  // namespace xaq::gauges
