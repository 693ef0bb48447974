// Every mouse area of the glareshield clock panel, the NAV control heads and the gear panel
// clicked through the sim host with the real module: each click is seen on the host's side (the
// course, the heading bug, the simulation rate, the gear handle, the radios) or in the
// selector's own tooltip, and every area of the three gauges is clicked at least once.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "tests/sil/panel_clicks.h"

namespace xaq::sim {
namespace {

class ClockNavGearClicks : public testing::PanelClicks {
 protected:
  void SetUp() override {
    PanelClicks::SetUp();
    host->runFor(2);
  }

  // The area of `gauge` showing `tooltip` now whose cursor is `cursor` (or the first such area).
  abi::MouseRecord* areaOf(const char* gauge, const std::string& tooltip, int cursor) {
    for (const Area& a : areasOf(host->gauge(gauge))) {
      if (this->tooltip(gauge, a.record) == tooltip && (cursor == 0 || a.record->cursor == cursor)) return a.record;
    }
    ADD_FAILURE() << gauge << ": no area \"" << tooltip << "\" with cursor " << cursor;
    return nullptr;
  }

  void click(const char* gauge, abi::MouseRecord* r, bool right = false) {
    ASSERT_NE(r, nullptr);
    clicked[gauge].insert(r);
    EXPECT_TRUE(host->click(gauge, r->x + r->width / 2, r->y + r->height / 2,
                            right ? MouseButton::kRight : MouseButton::kLeft));
    host->runFor(0.2);
  }

  std::string tooltip(const char* gauge, abi::MouseRecord* r) {
    return host->tooltipAt(gauge, r->x + r->width / 2, r->y + r->height / 2);
  }

  std::string readout(const char* gauge, int child) {
    abi::ElementHeader* e = host->gauge(gauge)->elements[0]->children[child];
    const abi::ElementAxes axes = abi::elementAxes(e);
    if (axes.count > 0) host->applyValue(axes.axis[0], e);
    auto* s = abi::elementAs<abi::StringElement>(e);
    return s->text != nullptr ? std::string(s->text, strnlen(s->text, s->maxLength)) : std::string();
  }

  std::size_t areaCount(const char* gauge) { return areasOf(host->gauge(gauge)).size(); }

  std::map<std::string, std::set<abi::MouseRecord*>> clicked;
};

TEST_F(ClockNavGearClicks, TheCourseAndHeadingKnobsTurnTheHostsCourseAndBug) {
  const char* g = "LeftGlareshield";
  host->world.radios.obs1Deg = 100;
  host->world.autopilot.headingBugDeg = 200;
  struct Case {
    const char* tooltip;
    int cursor;
    bool right;
    std::function<double()> seen;
    double expected;
  };
  const Case cases[] = {
      {"Course selector: 100\xB0", abi::kCursorUp, false, [&] { return host->world.radios.obs1Deg; }, 101},
      {"Course selector: 101\xB0", abi::kCursorDown, false, [&] { return host->world.radios.obs1Deg; }, 100},
      {"Course selector: 100\xB0", abi::kCursorUp, true, [&] { return host->world.radios.obs1Deg; }, 110},
      {"Course selector: 110\xB0", abi::kCursorDown, true, [&] { return host->world.radios.obs1Deg; }, 100},
      {"Heading selector: 200\xB0", abi::kCursorUp, false, [&] { return host->world.autopilot.headingBugDeg; }, 201},
      {"Heading selector: 201\xB0", abi::kCursorDown, false, [&] { return host->world.autopilot.headingBugDeg; }, 200},
      {"Heading selector: 200\xB0", abi::kCursorUp, true, [&] { return host->world.autopilot.headingBugDeg; }, 210},
      {"Heading selector: 210\xB0", abi::kCursorDown, true, [&] { return host->world.autopilot.headingBugDeg; }, 200},
  };
  for (const Case& c : cases) {
    abi::MouseRecord* r = areaOf(g, c.tooltip, c.cursor);
    click(g, r, c.right);
    EXPECT_DOUBLE_EQ(c.seen(), c.expected) << c.tooltip << (c.right ? " right" : " left");
  }
}

TEST_F(ClockNavGearClicks, EverySelectorAreaStepsItsSelectorAndTheRateReachesTheHost) {
  const char* g = "LeftGlareshield";
  struct Case {
    const char* before;
    int cursor;
    const char* after;
  };
  const Case cases[] = {
      {"[TIME]  -  F.T.  -  E.T.", abi::kCursorDown, "TIME  -  [F.T.]  -  E.T."},
      {"TIME  -  [F.T.]  -  E.T.", abi::kCursorUp, "[TIME]  -  F.T.  -  E.T."},
      {"ZERO  -  [STOP]  -  RUN", abi::kCursorDown, "ZERO  -  STOP  -  [RUN]"},
      {"ZERO  -  STOP  -  [RUN]", abi::kCursorUp, "ZERO  -  [STOP]  -  RUN"},
      {"2x  -  [NORM]  -  4x", abi::kCursorUp, "2x  -  NORM  -  [4x]"},
      {"2x  -  NORM  -  [4x]", abi::kCursorDown, "2x  -  [NORM]  -  4x"},
      {"2x  -  [NORM]  -  4x", abi::kCursorDown, "[2x]  -  NORM  -  4x"},
      {"[B]  -  DIM  -  1 hr up", abi::kCursorUp, "B  -  [DIM]  -  1 hr up"},
      {"B  -  [DIM]  -  1 hr up", abi::kCursorDown, "[B]  -  DIM  -  1 hr up"},
  };
  for (const Case& c : cases) {
    abi::MouseRecord* r = areaOf(g, c.before, c.cursor);
    click(g, r);
    EXPECT_EQ(tooltip(g, r), c.after) << c.before;
  }
  EXPECT_EQ(host->world.simulationRate, 512) << "the host runs at the rate the selector asked for";
  // The hour goes forward with "1 hr up" and the selector springs back to DIM.
  click(g, areaOf(g, "[B]  -  DIM  -  1 hr up", abi::kCursorUp));
  const std::string hours = readout(g, 1);
  click(g, areaOf(g, "B  -  [DIM]  -  1 hr up", abi::kCursorUp));
  EXPECT_EQ(tooltip(g, areaOf(g, "B  -  [DIM]  -  1 hr up", 0)), "B  -  [DIM]  -  1 hr up");
  EXPECT_EQ((std::stoi(readout(g, 1)) + 24 - std::stoi(hours)) % 24, 1);
  EXPECT_EQ(clicked[g].size() + 4, areaCount(g)) << "every selector area (the knobs have their own test)";
}

TEST_F(ClockNavGearClicks, TheNavHeadsTuneTransferAndAnswerTheirSwitchlights) {
  for (const char* g : {"NAV1", "NAV2"}) {
    const std::string knob = "Frequency selector knob: use LMB for inner and RMB for outer";
    const std::string standby = readout(g, 1);
    click(g, areaOf(g, knob, abi::kCursorUp));
    const std::string inner = readout(g, 1);
    EXPECT_NE(inner, standby) << g;
    EXPECT_EQ(inner.substr(0, 3), standby.substr(0, 3)) << g << ": the inner knob steps the hundredths";
    click(g, areaOf(g, knob, abi::kCursorDown));
    EXPECT_EQ(readout(g, 1), standby) << g;
    click(g, areaOf(g, knob, abi::kCursorUp), true);
    EXPECT_EQ(std::stoi(readout(g, 1).substr(0, 3)), std::stoi(standby.substr(0, 3)) + 1) << g << ": outer, the MHz";
    click(g, areaOf(g, knob, abi::kCursorDown), true);
    EXPECT_EQ(readout(g, 1), standby) << g;

    const std::string active = readout(g, 0);
    click(g, areaOf(g, "", abi::kCursorHand));
    EXPECT_EQ(readout(g, 0), standby) << g << ": the host tuned the standby";
    EXPECT_EQ(readout(g, 1), active) << g;

    const char* light = std::string(g) == "NAV1" ? "Master warning switchlight" : "Master caution switchlight";
    const std::size_t sent = host->events().size();
    click(g, areaOf(g, light, abi::kCursorHand), true);
    ASSERT_GT(host->events().size(), sent);
    EXPECT_EQ(host->events()[sent].id, 65910u);
    click(g, areaOf(g, light, abi::kCursorHand));
    EXPECT_EQ(clicked[g].size(), areaCount(g)) << g;
  }
}

TEST_F(ClockNavGearClicks, TheGearLeverTogglesTheHostsGear) {
  ASSERT_EQ(host->world.controls.gearHandle, 16384);
  abi::MouseRecord* lever = areaOf("gear", "Gear selector lever", abi::kCursorHand);
  click("gear", lever);
  EXPECT_EQ(host->world.controls.gearHandle, 0);
  click("gear", lever);
  EXPECT_EQ(host->world.controls.gearHandle, 16384);
  EXPECT_EQ(clicked["gear"].size(), areaCount("gear"));
  for (const char* twin : {"Clock_V", "NAV1_V", "NAV2_V", "gear_V"}) EXPECT_EQ(areaCount(twin), 0u) << twin;
}

}  // namespace
}  // namespace xaq::sim
