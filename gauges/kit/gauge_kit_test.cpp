// The gauge kit and what every table built with it must show the host.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>

#include "frame/gauge_registry.h"
#include "frame/host_services.h"
#include "gauges/kit/gauge_kit.h"
#include "gauges/kit/testing/gauge_tester.h"
#include "gauges/kit/text_memo.h"

namespace xaq::gauges {
namespace {

void forEachElement(abi::ElementHeader* e, const std::function<void(abi::ElementHeader*)>& visit) {
  if (e == nullptr) return;
  visit(e);
  if (e->children == nullptr) return;
  for (abi::ElementHeader* const* c = e->children; *c != nullptr; ++c) forEachElement(*c, visit);
}

TEST(GaugeTables, EveryElementPointsBackToItsOwnGauge) {
  int elements = 0;
  for (int i = 0; Linkage.gauges[i] != nullptr; ++i) {
    abi::GaugeHeader* g = Linkage.gauges[i];
    SCOPED_TRACE(g->name);
    forEachElement(g->elements[0], [&](abi::ElementHeader* e) {
      ++elements;
      EXPECT_EQ(e->gauge, g);
      EXPECT_GE(e->kind, abi::kStaticImage);
      EXPECT_LE(e->kind, abi::kSprite);
      EXPECT_EQ(e->imageFlags & abi::kImageOnScreen, 0u) << "the host's bit starts clear";
    });
  }
  EXPECT_GE(elements, 103);
}

TEST(GaugeTables, NeedlesAndIconsAreWellFormedForTheHost) {
  for (int i = 0; Linkage.gauges[i] != nullptr; ++i) {
    abi::GaugeHeader* g = Linkage.gauges[i];
    SCOPED_TRACE(g->name);
    forEachElement(g->elements[0], [&](abi::ElementHeader* e) {
      if (auto* n = abi::elementAs<abi::NeedleElement>(e)) {
        EXPECT_EQ(n->scale == nullptr, n->scaleCount == 0);
        EXPECT_EQ(n->sourceCallback, nullptr);
        for (std::uint32_t k = 1; k < n->scaleCount; ++k) {
          EXPECT_NE(n->scale[k].value, n->scale[k - 1].value) << "a scale needs distinct values";
        }
      }
      if (auto* icon = abi::elementAs<abi::IconElement>(e)) {
        EXPECT_GE(icon->iconCount, 1);
        EXPECT_EQ(icon->scale, 1.0);
      }
    });
  }
}

TEST(GaugeKit, WriteTextStaysInsideTheHostsBuffer) {
  abi::StringElement e = text(nullptr, {0, 0}, {40, 20}, 5, 0, nullptr);
  writeText(&e, "too long");  // no host buffer yet: nothing happens
  char buffer[8];
  std::memset(buffer, '#', sizeof buffer);
  e.text = buffer;
  writeText(&e, "123456789");
  EXPECT_STREQ(buffer, "1234");
  EXPECT_EQ(buffer[5], '#') << "nothing past the maximum length";
  writeText(&e, nullptr);
  EXPECT_STREQ(buffer, "");
  e.maxLength = 0;
  buffer[0] = 'x';
  writeText(&e, "a");
  EXPECT_EQ(buffer[0], 'x');
}

TEST(GaugeKit, AReadoutIsFormattedAgainOnlyWhenItsInputsChange) {
  TextMemo<double, bool> memo;
  int made = 0;
  auto text = [&](double v, bool powered) {
    return std::string(memo.text(
        [&] {
          ++made;
          char t[16];
          std::snprintf(t, sizeof t, "%.1f%s", v, powered ? "" : "!");
          return std::string(t);
        },
        v, powered));
  };
  EXPECT_EQ(text(85.25, true), "85.2");
  EXPECT_EQ(text(85.25, true), "85.2");
  EXPECT_EQ(made, 1);
  EXPECT_EQ(text(85.25, false), "85.2!") << "every input counts";
  EXPECT_EQ(text(0.0, true), "0.0");
  EXPECT_EQ(text(-0.0, true), "-0.0") << "negative zero prints differently, so it is another input";
  EXPECT_EQ(made, 4);
  const double nan = std::nan("");
  text(nan, true);
  text(nan, true);
  EXPECT_EQ(made, 5) << "the same NaN is the same input";
  // A text longer than the memo holds is cut, terminated.
  TextMemo<int> longer;
  const std::string cut = longer.text([] { return std::string(200, 'x'); }, 1);
  EXPECT_EQ(cut.size(), TextMemo<int>::kTextBytes - 1);
}

TEST(GaugeKit, FontNamesAreCutToTheHostsField) {
  TextStyle style;
  style.fontName = "A font name much longer than thirty-one characters";
  const abi::StringElement e = text(nullptr, {0, 0}, {40, 20}, 8, 0, nullptr, style);
  EXPECT_EQ(std::strlen(e.fontName), abi::kFontNameSize - 1);
}

TEST(ElementFlags, WalkFirstChildrenAndStopWhereAListIsMissing) {
  abi::IconElement leaf = icon(nullptr, 1, {0, 0}, 1, 0, nullptr, nullptr, 0);
  abi::ElementHeader* const leafList[] = {&leaf.header, nullptr};
  abi::StaticImageElement middle = staticImage(nullptr, 2, {0, 0}, leafList);
  abi::ElementHeader* const middleList[] = {&middle.header, nullptr};
  abi::StaticImageElement top = staticImage(nullptr, 3, {0, 0}, middleList);

  EXPECT_EQ(setElementFlags(&top.header, 2, abi::kImageHidden), &leaf.header);
  EXPECT_EQ(leaf.header.imageFlags, abi::kImageHidden);
  EXPECT_EQ(setElementFlags(&top.header, 0, abi::kImageOnScreen), &top.header);
  EXPECT_EQ(top.header.imageFlags, abi::kImageOnScreen);
  EXPECT_EQ(clearElementFlags(&top.header, 2, abi::kImageHidden), &leaf.header);
  EXPECT_EQ(leaf.header.imageFlags, 0u);
  EXPECT_EQ(setElementFlags(&top.header, 3, abi::kImageHidden), nullptr);
  EXPECT_EQ(leaf.header.imageFlags, 0u);
  EXPECT_EQ(middle.header.imageFlags, 0u);
  EXPECT_EQ(clearElementFlags(nullptr, 0, abi::kImageHidden), nullptr);
}

int gClicks = 0;
std::uint32_t gFlags = 0;
std::int32_t XAQ_HOSTCALL countClick(abi::PixPoint*, std::uint32_t flags) {
  ++gClicks;
  gFlags = flags;
  return 0;
}

TEST(GaugeTester, ClicksLandOnTheFirstAreaInsideAllItsGroups) {
  abi::MouseRecord table[] = {
      mouseGroup(),
      mouseGroup(10, 10, 20, 20),
      mouseArea(0, 0, 100, 100, abi::kCursorHand, abi::kMouseLeftSingle, &countClick),
      mouseEndGroup(),
      mouseEventArea(0, 0, 100, 100, abi::kCursorHand, abi::kMouseLeftSingle | abi::kMousePedestalBit, 65909),
      mouseEndGroup(),
      mouseEnd(),
  };
  abi::GaugeHeader g = gaugeHeader("Test", nullptr, table, &quietGaugeCallback);
  gClicks = 0;
  EXPECT_TRUE(testing::clickGauge(g, 15, 15).hit);
  EXPECT_EQ(gClicks, 1);
  EXPECT_EQ(gFlags, abi::kMouseLeftSingle);
  const testing::ClickResult outside = testing::clickGauge(g, 50, 50);
  EXPECT_TRUE(outside.hit);
  EXPECT_EQ(outside.hostEvent, 65909u) << "outside the inner group the event-only area takes it";
  EXPECT_EQ(gClicks, 1);
  EXPECT_FALSE(testing::clickGauge(g, 15, 15, abi::kMouseRightSingle).hit);
}

}  // namespace
}  // namespace xaq::gauges
