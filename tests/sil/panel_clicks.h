#pragma once
// For the click tests of the switch panels through the sim host: a gauge's clickable areas with
// their control's tooltip, what the host applies to its switch and light images, and the sounds
// the module played since a point.

#include <algorithm>
#include <string>
#include <vector>

#include "frame/abi/element_axes.h"
#include "frame/abi/mouse_table.h"
#include "tests/sil/host_fixture.h"

namespace xaq::sim::testing {

class PanelClicks : public ModuleHost {
 protected:
  struct Area {
    std::string tooltip;
    abi::MouseRecord* record;
  };

  // The clickable areas of a gauge with their control's tooltip, the increasing half of a pair
  // before its decreasing half.
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

  // What the host applies to each of the gauge's switch and light images this frame (needles
  // move on their own).
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

}  // namespace xaq::sim::testing
