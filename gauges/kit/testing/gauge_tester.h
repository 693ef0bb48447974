#pragma once
// For the gauges' tests: clicks a gauge's mouse area by point the way the host does (the first
// area for the button inside all its groups; a callback gets the point and the button flags, an
// event-only area reports its host event), and evaluates an element the way the host applies
// its value (record lookup from a table of host values, then the element's callback).

#include <cstdint>
#include <map>

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

}  // namespace xaq::gauges::testing
