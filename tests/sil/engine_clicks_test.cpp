// Every mouse area of the engine panels clicked once through the sim host with the real module:
// each click shows where the crew would see it - a switch image or switchlight that changes, the
// host's event, and the click it plays - and the oil indicators' tooltips read the host's engines.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tests/sil/panel_clicks.h"

namespace xaq::sim {
namespace {

using EngineClicks = testing::PanelClicks;

TEST_F(EngineClicks, EveryAreaOfEveryEnginePanelAnswersItsClick) {
  const std::map<std::string, int> sounds = {
      {"Engine intake bypass door switchlight", 26}, {"Engine ECU rating selector", 25},
      {"ECU mode selector", 26},                     {"Autofeather arm switch", 26},
      {"Autofeather test switch", 25},               {"Alternate feather switch", 25}};
  const std::map<std::string, std::uint32_t> strips = {{"ECU", 65911}, {"Feather", 65909}};
  int clicked = 0;
  for (const char* name : {"Bypass", "ECU", "Feather"}) {
    abi::GaugeHeader* g = host->gauge(name);
    ASSERT_NE(g, nullptr) << name;
    host->runFor(1.0);
    for (const Area& area : areasOf(g)) {
      abi::MouseRecord* r = area.record;
      const std::string what = std::string(name) + " \"" + area.tooltip + "\" cursor " + std::to_string(r->cursor);
      const std::vector<double> before = values(g);
      const std::size_t events = host->events().size();
      const std::size_t played = host->sound.calls().size();
      ASSERT_TRUE(host->click(g, r->x + r->width / 2, r->y + r->height / 2, MouseButton::kLeft)) << what;
      host->runFrame();
      host->runFrame();
      ++clicked;
      if (r->target.callback == nullptr) {
        ASSERT_GT(host->events().size(), events) << what;
        EXPECT_EQ(host->events()[events].id, strips.at(name)) << what;
        EXPECT_TRUE(playsSince(played).empty()) << "a strip is silent: " << what;
        continue;
      }
      EXPECT_EQ(playsSince(played), std::vector<int>{sounds.at(area.tooltip)}) << what;
      if (area.tooltip == "Autofeather arm switch") {
        ASSERT_GT(host->events().size(), events) << what;
        EXPECT_EQ(host->events()[events].id, 66297u) << what;
      }
      EXPECT_NE(values(g), before) << "the image changes: " << what;
    }
  }
  EXPECT_EQ(clicked, 2 + 1 + 4 + 1 + 2 + 4 + 1) << "bypass doors; the rating's halves, modes and strip; feather";
}

TEST_F(EngineClicks, TheOilTooltipsReadTheHostsEngines) {
  host->runFor(1.0);
  // The sim host's engines stand stopped and cold: no pressure, the outside air's temperature.
  const std::string pressure = host->tooltipAt("EngOil1", 43, 46);
  const std::string temperature = host->tooltipAt("EngOil1", 86 + 43, 46);
  EXPECT_EQ(pressure, "Left engine oil pressure: 0 PSI");
  EXPECT_EQ(temperature.rfind("Left engine oil temperature: ", 0), 0u) << temperature;
  EXPECT_EQ(host->tooltipAt("EngOil2_V", 43, 46), "Right engine oil pressure: 0 PSI");
  EXPECT_EQ(host->tooltipAt("EngOil1_V", 86 + 43, 46), temperature);
}

}  // namespace
}  // namespace xaq::sim
