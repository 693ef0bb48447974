// Every mouse area of the overhead panel and its virtual-cockpit pieces clicked once through the
// sim host with the real module: nothing breaks, and each click shows where the crew would see
// it - a switch image that moves, a host event, or the click it plays.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/sil/panel_clicks.h"

namespace xaq::sim {
namespace {

using OverheadClicks = testing::PanelClicks;

// What the host applies to each of the gauge's needles this frame.
std::vector<double> needles(SimHost& host, abi::GaugeHeader* g) {
  std::vector<double> out;
  for (abi::ElementHeader* const* c = g->elements[0]->children; *c != nullptr; ++c) {
    if ((*c)->kind != abi::kNeedle) continue;
    const abi::ElementAxes axes = abi::elementAxes(*c);
    out.push_back(axes.count > 0 ? host.applyValue(axes.axis[0], *c) : 0.0);
  }
  return out;
}

// The slot a control's click plays: the switch click, unless the table names the push button.
int expectedSlot(const std::string& tooltip) {
  static const std::set<std::string> pushButtons = {
      "Test switch",          "Engine start switch",          "APU Start switch", "APU Power switch",
      "APU Generator control switch", "APU Bleed air switch", "DC load meter switch"};
  return pushButtons.count(tooltip) != 0 ? 26 : 25;
}

TEST_F(OverheadClicks, EveryAreaOfEveryOverheadGaugeAnswersItsClick) {
  const std::map<std::string, std::uint32_t> hostSwitches = {
      {"Approach landing lights switch", 65751}, {"Landing and taxi light switch", 66240},
      {"Flood lighting", 66378},                 {"Instrument lighting", 65750},
      {"Position light", 66379},                 {"Logo light", 66376}};
  // Controls whose click shows nowhere on the panel: the cabin pressure controller's manual rate
  // knob (it acts only in manual mode), the engine start, and the APU's generator and bleed
  // switches while the APU is not running.
  const std::set<std::string> unseen = {"Cabin altitude manual control", "Engine start switch",
                                        "APU Generator control switch", "APU Bleed air switch"};
  // The knobs whose value a dial shows: the selected cabin altitude and the barometric correction.
  const std::set<std::string> onDials = {"Cabin altitude control", "Barometric correction control"};
  std::size_t clicked = 0;
  const std::size_t panelAreas = areasOf(host->gauge("Overhead")).size();
  for (const char* name : {"Overhead", "VCOverhead1", "VCOverhead2", "VCOverhead3", "VCOverhead4",
                           "VCOverhead5", "VCOverhead6", "VCOverhead7"}) {
    // Each gauge on a cockpit of its own, so that every control starts where the panel starts.
    restart();
    abi::GaugeHeader* g = host->gauge(name);
    ASSERT_NE(g, nullptr) << name;
    for (const Area& area : areasOf(g)) {
      abi::MouseRecord* r = area.record;
      const std::vector<double> before = values(g);
      const std::vector<double> needlesBefore = needles(*host, g);
      const std::size_t events = host->events().size();
      const std::size_t sounds = host->sound.calls().size();
      ASSERT_TRUE(host->click(g, r->x + r->width / 2, r->y + r->height / 2, MouseButton::kLeft)) << name;
      // Two cycles: the host performs the click's events and the lights the panel follows (the
      // anti-collision switch shows the host's strobe and beacon) are sampled again.
      host->runFor(0.112);
      ++clicked;
      const std::string what = std::string(name) + " \"" + area.tooltip + "\" cursor " + std::to_string(r->cursor);
      const std::vector<int> plays = playsSince(sounds);

      if (r->target.callback == nullptr) {
        ASSERT_GT(host->events().size(), events) << what;
        EXPECT_EQ(host->events()[events].id, 65674u) << what;
        EXPECT_TRUE(host->events()[events].fromArea) << what;
        EXPECT_TRUE(plays.empty()) << "an event strip is silent: " << what;
        continue;
      }
      if (area.tooltip == "Ignition control switch" && r->cursor == abi::kCursorUp) {
        // The upper half turns the switch down, and it starts at 0: the end stop, no click.
        EXPECT_TRUE(plays.empty()) << what;
        EXPECT_EQ(values(g), before) << what;
        continue;
      }
      ASSERT_FALSE(plays.empty()) << what;
      EXPECT_EQ(plays.front(), expectedSlot(area.tooltip)) << what;
      if (area.tooltip == "Seat Belts sign" || area.tooltip == "No Smoking sign") {
        EXPECT_EQ(plays, (std::vector<int>{25, 29})) << "the chime while powered: " << what;
      }
      if (auto found = hostSwitches.find(area.tooltip); found != hostSwitches.end()) {
        ASSERT_GT(host->events().size(), events) << what;
        EXPECT_EQ(host->events()[events].id, found->second) << what;
        EXPECT_EQ(host->events()[events].value, 1u) << what;
      } else if (onDials.count(area.tooltip) != 0) {
        EXPECT_NE(needles(*host, g), needlesBefore) << "the dial moves: " << what;
      } else if (unseen.count(area.tooltip) == 0) {
        EXPECT_NE(values(g), before) << "the switch image moves: " << what;
      }
    }
  }
  EXPECT_EQ(clicked, 2 * panelAreas - 1) << "the pieces carry every area of the panel but its view strip";
}

TEST_F(OverheadClicks, ASelectorAtItsEndIgnoresTheClickSilently) {
  host->runFor(1.0);
  // The load monitor selector from 0: its decreasing half does nothing.
  abi::GaugeHeader* g = host->gauge("VCOverhead1");
  for (const Area& area : areasOf(g)) {
    if (area.tooltip != "Load monitor selector" || area.record->cursor != abi::kCursorDown) continue;
    const std::vector<double> before = values(g);
    const std::size_t sounds = host->sound.calls().size();
    host->click(g, area.record->x + 2, area.record->y + 2, MouseButton::kLeft);
    host->runFrame();
    EXPECT_EQ(values(g), before);
    EXPECT_TRUE(playsSince(sounds).empty());
    return;
  }
  FAIL() << "no load monitor selector";
}

}  // namespace
}  // namespace xaq::sim
