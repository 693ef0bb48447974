// Every mouse area of the fuel panel and its switch piece clicked once through the sim host with
// the real module, each click seen where the crew would see it (the transfer itself is the
// fuel_transfer scenario's).

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

}  // namespace
}  // namespace xaq::sim
