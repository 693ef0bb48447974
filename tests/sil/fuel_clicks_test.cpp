// Every mouse area of the fuel panel and its switch piece clicked once through the sim host with
// the real module, each click seen where the crew would see it; the dials' tooltips as the host
// formats them; and the transfer switch moving fuel between the world's tanks.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/sil/panel_clicks.h"

namespace xaq::sim {
namespace {

using FuelClicks = testing::PanelClicks;

TEST_F(FuelClicks, EveryAreaOfThePanelAndItsPieceAnswersItsClick) {
  struct Expected {
    std::string tooltip;
    int slot;  // 0: a host event strip
  };
  // In table order; the transfer switch's left half, then its right half (back to off).
  const std::vector<Expected> expected = {{"Auxiliary fuel pump switch", 25},
                                          {"Auxiliary fuel pump switch", 25},
                                          {"Fuel transfer switch", 25},
                                          {"Fuel transfer switch", 25},
                                          {"Fuel quantity test button", 26}};
  for (const char* name : {"FUEL", "FuelInd_V"}) {
    restart();
    abi::GaugeHeader* g = host->gauge(name);
    ASSERT_NE(g, nullptr) << name;
    std::size_t k = 0;
    std::string tooltip;
    for (abi::MouseRecord* r = g->mouseTable; r->kind != abi::kMouseEnd; ++r) {
      if (r->kind == abi::kMouseGroup) tooltip.clear();
      if (r->kind == abi::kMouseTooltip) tooltip = r->target.tooltipText;
      if (r->kind != abi::kMouseArea) continue;
      const std::vector<double> before = values(g);
      const std::size_t events = host->events().size();
      const std::size_t sounds = host->sound.calls().size();
      ASSERT_TRUE(host->click(g, r->x + r->width / 2, r->y + r->height / 2, MouseButton::kLeft)) << name;
      host->runFor(0.112);  // two cycles: the lights follow the switches at the next one
      const std::string what = std::string(name) + " area " + std::to_string(k);
      if (r->target.callback == nullptr) {
        ASSERT_EQ(std::string(name), "FUEL") << what;
        ASSERT_GT(host->events().size(), events) << what;
        EXPECT_EQ(host->events()[events].id, 65909u) << what;
        EXPECT_TRUE(playsSince(sounds).empty()) << "an event strip is silent";
        continue;
      }
      ASSERT_LT(k, expected.size()) << what;
      EXPECT_EQ(tooltip, expected[k].tooltip) << what;
      EXPECT_EQ(playsSince(sounds), std::vector<int>{expected[k].slot}) << what;
      EXPECT_NE(values(g), before) << "the switch image moves: " << what;
      ++k;
    }
    EXPECT_EQ(k, expected.size()) << name;
  }
}

TEST_F(FuelClicks, TheDialsTooltipsShowTheWorldsTanksAndTheFuelTemperature) {
  host->world.aircraft.leftTankGal = 300.0;
  host->world.aircraft.rightTankGal = 100.0;
  host->runFor(1.0);
  EXPECT_EQ(host->tooltipAt("FUEL", 85, 82), "Fuel quantity: 2010 LBs");
  EXPECT_EQ(host->tooltipAt("FUEL", 275, 82), "Fuel quantity: 670 LBs");
  EXPECT_EQ(host->tooltipAt("Fuel2_V", 65, 65), "Fuel quantity: 670 LBs");
  EXPECT_EQ(host->tooltipAt("FUEL", 40, 195), "Auxiliary fuel pump switch");
  const std::string tank = host->tooltipAt("FuelTankTemp", 65, 65);
  EXPECT_EQ(tank.rfind("Fuel tank temperature: ", 0), 0u) << tank;
  EXPECT_EQ(host->tooltipAt("FuelTemp_V", 20, 65).rfind("Left engine fuel temperature: ", 0), 0u);
  EXPECT_EQ(host->tooltipAt("FuelTemp_V", 110, 65).rfind("Right engine fuel temperature: ", 0), 0u);
}

TEST_F(FuelClicks, TheTransferSwitchMovesFuelBetweenTheWorldsTanks) {
  host->world.aircraft.leftTankGal = 400.0;
  host->world.aircraft.rightTankGal = 200.0;
  host->runFor(1.0);
  ASSERT_TRUE(host->clickTooltip("FuelInd_V", "Fuel transfer switch", MouseButton::kLeft));  // to tank 1
  host->runFor(30.0);
  const double moved = host->world.aircraft.rightTankGal < 200.0 ? 200.0 - host->world.aircraft.rightTankGal : 0.0;
  const double capacity = host->world.aircraft.tankCapacityGal;
  // 0.1 % of a tank a second from the first interval on: 28-30 s worth in 30 s.
  EXPECT_GT(moved, 0.027 * capacity);
  EXPECT_LT(moved, 0.0301 * capacity);
  EXPECT_NEAR(host->world.aircraft.leftTankGal + host->world.aircraft.rightTankGal, 600.0, 0.01);
}

}  // namespace
}  // namespace xaq::sim
