#pragma once
// For the gauges' tests: clicks a gauge's mouse area by point the way the host does (the first
// area for the button inside all its groups; a callback gets the point and the button flags, an
// event-only area reports its host event), and evaluates an element the way the host applies
// its value (record lookup from a table of host values, then the element's callback).

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "frame/abi/element_axes.h"
#include "frame/abi/host_abi.h"
#include "frame/abi/mouse_table.h"

namespace xaq::gauges::testing {

struct ClickResult {
  bool hit = false;
  std::uint32_t hostEvent = 0;  // for an area without a callback
};

inline ClickResult clickGauge(abi::GaugeHeader& gauge, int x, int y,
                              std::uint32_t buttonBits = abi::kMouseLeftSingle) {
  abi::PixPoint point{x, y};
  abi::MouseRecord* area = abi::mouseAreaAt(gauge.mouseTable, point, buttonBits);
  if (area == nullptr) return {};
  if (area->target.callback != nullptr) {
    area->target.callback(&point, buttonBits | (area->flags & abi::kMousePedestalBit));
    return {true, 0};
  }
  return {true, area->eventOrCount};
}

// The value the host would apply to an element's first axis with `hostValues` as the world.
inline double applyFirstValue(abi::ElementHeader* e, const std::map<std::uint32_t, double>& hostValues) {
  const abi::ElementAxes axes = abi::elementAxes(e);
  if (axes.count == 0) return 0.0;
  return abi::applyAxis(axes.axis[0], e, [&](abi::HostVarRecord& r) {
    auto found = hostValues.find(r.id);
    r.value = found != hostValues.end() ? found->second : 0.0;
  });
}

// A control's mouse group: its tooltip record (null without one) and its areas.
struct Group {
  std::string tooltip;
  abi::MouseRecord* tooltipRecord = nullptr;
  std::vector<abi::MouseRecord*> areas;
};

// The groups inside a gauge's outer group, in table order.
inline std::vector<Group> groupsOf(abi::GaugeHeader& g) {
  std::vector<Group> out;
  int depth = 0;
  for (abi::MouseRecord* r = g.mouseTable; r->kind != abi::kMouseEnd; ++r) {
    if (r->kind == abi::kMouseGroup && ++depth == 2) out.push_back({});
    if (r->kind == abi::kMouseEndGroup) --depth;
    if (depth == 2 && r->kind == abi::kMouseTooltip) {
      out.back().tooltip = r->target.tooltipText;
      out.back().tooltipRecord = r;
    }
    if (depth == 2 && r->kind == abi::kMouseArea) out.back().areas.push_back(r);
  }
  return out;
}

// The children of a gauge's top element.
inline std::vector<abi::ElementHeader*> childrenOf(abi::GaugeHeader& g) {
  std::vector<abi::ElementHeader*> out;
  for (abi::ElementHeader* const* c = g.elements[0]->children; *c != nullptr; ++c) out.push_back(*c);
  return out;
}

}  // namespace xaq::gauges::testing
