#pragma once
// Walking a gauge's mouse table the way the host does: records in order, groups nesting, a
// click landing on the first clickable area for its button that lies inside the area and inside
// every group around it. Shared by every program that plays the host and by the gauges' tests.

#include <cstdint>
#include <vector>

#include "frame/abi/host_abi.h"

namespace xaq::abi {

// True when `point` lies in the record's rectangle; a group without a rectangle (the one over
// the whole gauge) contains every point.
bool mouseContains(const MouseRecord& record, PixPoint point);

// Calls visit(record, enclosing groups, innermost last) for every record that is not a group
// marker, until visit returns false. The table ends at its kind-0 record.
template <typename Visit>
void walkMouseTable(MouseRecord* table, Visit visit) {
  if (table == nullptr) return;
  std::vector<MouseRecord*> groups;
  for (MouseRecord* r = table; r->kind != kMouseEnd; ++r) {
    if (r->kind == kMouseGroup) {
      groups.push_back(r);
    } else if (r->kind == kMouseEndGroup) {
      if (!groups.empty()) groups.pop_back();
    } else if (!visit(*r, groups)) {
      return;
    }
  }
}

bool groupsContain(const std::vector<MouseRecord*>& groups, PixPoint point);

// The clickable area a click with `buttonBits` (kMouseLeftSingle, kMouseRightSingle) at `point`
// lands on, or null.
MouseRecord* mouseAreaAt(MouseRecord* table, PixPoint point, std::uint32_t buttonBits);

}  // namespace xaq::abi
