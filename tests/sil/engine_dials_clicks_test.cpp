// Every mouse area of the engine dials clicked once through the sim host with the real module:
// a test button shows its test value on the dial it belongs to (and on its twin) for a second
// with the push-button click, and a main dial's face makes the host trigger its own event.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/sil/panel_clicks.h"

namespace xaq::sim {
namespace {

using EngineDialClicks = testing::PanelClicks;

struct Pair {
  const char* main;
  const char* twin;
  const char* testText;  // in the dial's tooltip while the test runs; null: no test button
};
const Pair kPairs[] = {
    {"Torque1", "Torque1_V", "105.0%"}, {"Torque2", "Torque2_V", "105.0%"}, {"PropRPM1", "PropRPM1_V", "RPM: 1050"},
    {"PropRPM2", "PropRPM2_V", "RPM: 1050"}, {"ITT1", "ITT1_V", "(ITT): 1050 "}, {"ITT2", "ITT2_V", "(ITT): 1050 "},
    {"NH1", "NH1_V", "105.0%"}, {"NH2", "NH2_V", "105.0%"}, {"NL1", "NL1_V", "105.0%"},
    {"NL2", "NL2_V", "105.0%"}, {"FF1", "FF1_V", nullptr}, {"FF2", "FF2_V", nullptr},
};

TEST_F(EngineDialClicks, EveryTestButtonShowsItsValueOnBothTwinsAndEveryMainDialAsksTheHost) {
  host->runFor(1.0);
  int tests = 0, dials = 0;
  for (const Pair& p : kPairs) {
    for (const char* name : {p.main, p.twin}) {
      abi::GaugeHeader* g = host->gauge(name);
      ASSERT_NE(g, nullptr) << name;
      abi::GaugeHeader* other = host->gauge(name == p.main ? p.twin : p.main);
      for (const Area& area : areasOf(g)) {
        abi::MouseRecord* r = area.record;
        const std::string what = std::string(name) + " \"" + area.tooltip + "\"";
        const std::size_t events = host->events().size();
        const std::size_t played = host->sound.calls().size();
        ASSERT_TRUE(host->click(g, r->x + r->width / 2, r->y + r->height / 2, MouseButton::kLeft)) << what;
        host->runFrame();
        if (r->target.callback == nullptr) {
          ++dials;
          ASSERT_GT(host->events().size(), events) << what;
          EXPECT_EQ(host->events()[events].id, 65908u) << what;
          EXPECT_TRUE(playsSince(played).empty()) << what;
          continue;
        }
        ++tests;
        ASSERT_EQ(area.tooltip, "Test button") << what;
        ASSERT_NE(p.testText, nullptr) << what;
        EXPECT_EQ(playsSince(played), std::vector<int>{26}) << what;
        // The dial's reading: the group after the test button's, at the pivot.
        const abi::NeedleElement* needle = nullptr;
        for (abi::ElementHeader* const* c = g->elements[0]->children; *c != nullptr; ++c) {
          if ((*c)->kind == abi::kNeedle) needle = reinterpret_cast<const abi::NeedleElement*>(*c);
        }
        ASSERT_NE(needle, nullptr);
        const int px = needle->header.position.x, py = needle->header.position.y;
        EXPECT_NE(host->tooltipAt(g, px, py).find(p.testText), std::string::npos) << what << ": " << host->tooltipAt(g, px, py);
        abi::NeedleElement* twinNeedle = nullptr;
        for (abi::ElementHeader* const* c = other->elements[0]->children; *c != nullptr; ++c) {
          if ((*c)->kind == abi::kNeedle) twinNeedle = reinterpret_cast<abi::NeedleElement*>(*c);
        }
        const std::string twinTip = host->tooltipAt(other, twinNeedle->header.position.x, twinNeedle->header.position.y);
        EXPECT_NE(twinTip.find(p.testText), std::string::npos) << what << " on the twin: " << twinTip;
        host->runFor(1.2);
        EXPECT_EQ(host->tooltipAt(g, px, py).find(p.testText), std::string::npos) << what << " after the second";
      }
    }
  }
  EXPECT_EQ(tests, 20) << "every dial but fuel flow, main and twin";
  EXPECT_EQ(dials, 6) << "torque, propeller speed and ITT on the main panel";
}

}  // namespace
}  // namespace xaq::sim
