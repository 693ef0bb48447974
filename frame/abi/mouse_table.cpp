#include "frame/abi/mouse_table.h"

#include <algorithm>

namespace xaq::abi {

bool mouseContains(const MouseRecord& r, PixPoint p) {
  if (r.width == 0 && r.height == 0) return true;
  return p.x >= r.x && p.y >= r.y && p.x < r.x + r.width && p.y < r.y + r.height;
}

bool groupsContain(const std::vector<MouseRecord*>& groups, PixPoint p) {
  return std::all_of(groups.begin(), groups.end(), [&](MouseRecord* g) { return mouseContains(*g, p); });
}

MouseRecord* mouseAreaAt(MouseRecord* table, PixPoint point, std::uint32_t buttonBits) {
  MouseRecord* hit = nullptr;
  walkMouseTable(table, [&](MouseRecord& r, const std::vector<MouseRecord*>& groups) {
    if (r.kind == kMouseArea && (r.flags & buttonBits) != 0 && mouseContains(r, point) &&
        groupsContain(groups, point)) {
      hit = &r;
      return false;
    }
    return true;
  });
  return hit;
}

}  // namespace xaq::abi
