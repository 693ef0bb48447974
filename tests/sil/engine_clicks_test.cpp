// Every mouse area of the engine panels clicked once through the sim host with the real module:
// each click shows where the crew would see it - a switch image or switchlight that changes, the
// host's event, and the click it plays - and the oil indicators' tooltips read the host's engines.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "frame/abi/element_axes.h"
#include "frame/abi/mouse_table.h"
#include "tests/sil/host_fixture.h"

namespace xaq::sim {
namespace {

class EngineClicks : public testing::ModuleHost {
 protected:
  struct Area {
    std::string tooltip;
    abi::MouseRecord* record;
  };

  // The clickable areas with their control's tooltip, a pair's increasing half first.
  static std::vector<Area> areasOf(abi::GaugeHeader* g) {
    std::vector<Area> out;
    std::string tooltip;
    for (abi::MouseRecord* r = g->mouseTable; r->kind != abi::kMouseEnd; ++r) {
      if (r->kind == abi::kMouseGroup) tooltip.clear();
      if (r->kind == abi::kMouseTooltip) tooltip = r->target.tooltipText;
      if (r->kind == abi::kMouseArea) out.push_back({tooltip, r});
    }
    std::stable_sort(out.begin(), out.end(), [](const Area& a, const Area& b) {
      return a.tooltip == b.tooltip && a.record->cursor == abi::kCursorUp && b.record->cursor != abi::kCursorUp;
    });
    return out;
  }

  std::vector<double> values(abi::GaugeHeader* g) {
    std::vector<double> out;
    for (abi::ElementHeader* const* c = g->elements[0]->children; *c != nullptr; ++c) {
      if ((*c)->kind != abi::kIcon) continue;
      const abi::ElementAxes axes = abi::elementAxes(*c);
      out.push_back(axes.count > 0 ? host->applyValue(axes.axis[0], *c) : 0.0);
    }
    return out;
  }

  std::vector<int> playsSince(std::size_t from) {
    std::vector<int> slots;
    const auto& calls = host->sound.calls();
    for (std::size_t i = from; i < calls.size(); ++i) {
      if (calls[i].operation == "play") slots.push_back(calls[i].slot);
    }
    return slots;
  }
};

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
