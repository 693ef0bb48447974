// Every bitmap a drawn gauge's elements ask for is among the generated resources: once a gauge's
// background is drawn, each element of it (and each frame of its icons) must be too.

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "tests/sil/host_fixture.h"

namespace xaq::sim {
namespace {

using namespace xaq::abi;

std::set<std::uint32_t> generatedIds() {
  std::set<std::uint32_t> ids;
  std::ifstream in(std::string(XAQ_BITMAP_DIR) + "/bitmaps.txt");
  for (std::uint32_t id = 0; in >> id;) ids.insert(id);
  return ids;
}

void collect(ElementHeader* const* list, std::set<std::uint32_t>& wanted) {
  for (; list != nullptr && *list != nullptr; ++list) {
    const ElementHeader* e = *list;
    if (e->resourceId != 0) {
      const int frames = e->kind == kIcon ? std::max(1, reinterpret_cast<const IconElement*>(e)->iconCount) : 1;
      for (int i = 0; i < frames; ++i) wanted.insert(e->resourceId + i);
    }
    collect(e->children, wanted);
  }
}

using BitmapIds = testing::ModuleHost;

TEST_F(BitmapIds, EveryElementOfADrawnGaugeHasItsBitmap) {
  const std::set<std::uint32_t> generated = generatedIds();
  ASSERT_FALSE(generated.empty()) << XAQ_BITMAP_DIR;
  int drawnGauges = 0;
  for (GaugeHeader* gauge : host->gauges()) {
    if (gauge->elements == nullptr || gauge->elements[0] == nullptr) continue;
    if (generated.count(gauge->elements[0]->resourceId) == 0) continue;  // still a placeholder
    ++drawnGauges;
    std::set<std::uint32_t> wanted;
    collect(gauge->elements, wanted);
    for (std::uint32_t id : wanted) EXPECT_EQ(generated.count(id), 1u) << gauge->name << " wants bitmap " << id;
  }
  EXPECT_GT(drawnGauges, 0);
}

}  // namespace
}  // namespace xaq::sim
