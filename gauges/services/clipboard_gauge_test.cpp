// The clipboard gauge through its table and text callbacks, the way the host drives it.

#include <gtest/gtest.h>

#include <cstring>

#include "frame/gauge_registry.h"
#include "frame/module_lifecycle.h"
#include "frame/test_host.h"
#include "gauges/kit/testing/gauge_tester.h"

namespace xaq::gauges {
namespace {

abi::StringElement* lineElement(int k) {
  return abi::elementAs<abi::StringElement>(gauge_Clipboard.elements[0]->children[k]);
}

std::string shown(int k, const std::map<std::uint32_t, double>& values, double* returned = nullptr) {
  char buffer[64];
  std::strcpy(buffer, "untouched");
  abi::StringElement* e = lineElement(k);
  e->text = buffer;
  const double r = testing::applyFirstValue(&e->header, values);
  if (returned != nullptr) *returned = r;
  e->text = nullptr;
  return buffer;
}

TEST(ClipboardTables, SixteenLinesOfCourierOnTheSheet) {
  EXPECT_EQ(gauge_Clipboard.elements[0]->resourceId, 10400u);
  EXPECT_EQ(gauge_Clipboard.elements[1], nullptr);
  for (int k = 0; k < 16; ++k) {
    const abi::StringElement* e = lineElement(k);
    ASSERT_NE(e, nullptr) << k;
    EXPECT_EQ(e->header.gauge, &gauge_Clipboard);
    EXPECT_EQ(e->header.position.x, 5);
    EXPECT_EQ(e->header.position.y, 24 + 14 * k);
    EXPECT_EQ(e->boxSize.x, 190);
    EXPECT_EQ(e->boxSize.y, 15);
    EXPECT_STREQ(e->fontName, "Courier New");
    EXPECT_EQ(e->fontWeight, 700);
    EXPECT_EQ(e->foreground, 0xE6E6E6u);
    EXPECT_EQ(e->background, 0x101010u);
    EXPECT_GE(e->maxLength, 46) << "45 characters and the terminator";
  }
  EXPECT_EQ(gauge_Clipboard.elements[0]->children[16], nullptr);
  for (abi::MouseRecord* r = gauge_Clipboard.mouseTable; r->kind != abi::kMouseEnd; ++r) {
    EXPECT_NE(r->kind, abi::kMouseArea);
    EXPECT_NE(r->kind, abi::kMouseTooltip);
  }
}

TEST(ClipboardTables, EachLineShowsItsClipboardLineOnlyWhileTheAircraftExists) {
  frame::testing::TestHost host;
  double returned = -1;
  EXPECT_EQ(shown(3, host.values, &returned), "untouched");
  EXPECT_EQ(returned, 0.0);
  Linkage.moduleInit();
  EXPECT_EQ(shown(0, host.values, &returned), "Clipboard line 0");
  EXPECT_EQ(returned, 1.0);
  EXPECT_EQ(shown(15, host.values), "Clipboard line 15");
  Linkage.moduleDeinit();
  EXPECT_EQ(shown(15, host.values), "untouched");
}

}  // namespace
}  // namespace xaq::gauges
