// The overhead panel and its virtual-cockpit pieces through their tables, the way the host drives
// them: the tooltips as the crew reads them, every area clicked, images by day and night, lights
// and readouts without power.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "frame/module_lifecycle.h"
#include "frame/test_host.h"
#include "gauges/kit/switch_family.h"
#include "gauges/kit/testing/gauge_tester.h"
#include "gauges/overhead/overhead_controls.h"
#include "gauges/overhead/overhead_layout.h"

namespace xaq::gauges {
namespace {

using systems::PanelSwitchRecord;

abi::GaugeHeader* const kPieces[] = {&gauge_VCOverhead1, &gauge_VCOverhead2, &gauge_VCOverhead3,
                                     &gauge_VCOverhead4, &gauge_VCOverhead5, &gauge_VCOverhead6,
                                     &gauge_VCOverhead7};

using testing::childrenOf;
using testing::Group;
using testing::groupsOf;

// The overhead's controls as the crew reads their tooltips, with how many there are.
const std::map<std::string, int> kTooltips = {
    {"Approach landing lights switch", 1}, {"Flare landing lights switch", 1},
    {"Landing and taxi light switch", 1},  {"Bus voltage monitor selector", 1},
    {"Load monitor selector", 1},          {"Auxiliary battery switch", 1},
    {"Main battery switch", 1},            {"Battery master switch", 1},
    {"Generator control switch", 2},       {"Main bus tie switch", 1},
    {"Bus fault reset switch", 1},         {"External power switch", 2},
    {"Test switch", 3},                    {"Airframe auto de-ice", 1},
    {"Airframe manual de-ice", 1},         {"Propeller de-ice timer switch", 1},
    {"Propeller de-ice test", 1},          {"Boot air isolate valve switch", 1},
    {"Elevator horn heater", 1},           {"Distributor valve heater", 1},
    {"Pitot head / static ports heater", 2}, {"Pilot's side window heater", 1},
    {"Windshield heater selector", 1},     {"Windshield wiper", 1},
    {"Flight data recorder test", 1},      {"Flood lighting", 1},
    {"Instrument lighting", 1},            {"Storm lighting", 1},
    {"Ignition control switch", 2},        {"Engine start select", 1},
    {"Engine start switch", 1},            {"APU Start switch", 1},
    {"APU Power switch", 1},               {"APU Generator control switch", 1},
    {"APU Bleed air switch", 1},           {"DC load meter switch", 1},
    {"Cabin altitude mode selector", 1},   {"Cabin altitude control", 1},
    {"Barometric correction control", 1}, {"Cabin altitude manual control", 1},
    {"Wing inspection light", 1},          {"Anti-collision light", 1},
    {"Position light", 1},                 {"Logo light", 1},
    {"Inverter selector", 1},              {"Variable frequency phase selector", 1},
    {"AC generator switch", 2},            {"Primary inverter", 1},
    {"Secondary inverter", 1},             {"Auxiliary inverter", 1},
    {"Recirculation fan", 1},              {"Bleed air control", 2},
    {"Flight compartment fan", 1},         {"Manual temperature control", 2},
    {"Pack control", 2},                   {"Seat Belts sign", 1},
    {"No Smoking sign", 1},                {"Emergency lights", 1},
};

std::map<std::string, int> tooltipCounts(abi::GaugeHeader& g) {
  std::map<std::string, int> counts;
  for (const Group& group : groupsOf(g)) ++counts[group.tooltip];
  return counts;
}

TEST(OverheadTables, ThePanelCarriesEveryControlOnceWithItsTooltipAsWritten) {
  EXPECT_EQ(tooltipCounts(gauge_Overhead), kTooltips);
  // The pieces split the same controls between them, none left out, none twice.
  std::map<std::string, int> pieces;
  for (abi::GaugeHeader* piece : kPieces) {
    for (const auto& [text, n] : tooltipCounts(*piece)) pieces[text] += n;
  }
  EXPECT_EQ(pieces, kTooltips);
}

TEST(OverheadTables, EveryControlDrawnByTheFamilyHasItsImageCallbacksAndNoKnobOnThePanelHas) {
  for (std::size_t i = 0; i < std::size(overhead::kControls); ++i) {
    SCOPED_TRACE(overhead::kControls[i].tooltip);
    EXPECT_EQ(overhead::kBehaviours[i].day != nullptr, overhead::hasImages(overhead::kControls[i]));
  }
}

TEST(OverheadTables, AreasCarryTheCursorsAndRepeatFlagsOfTheirKind) {
  for (const Group& g : groupsOf(gauge_Overhead)) {
    ASSERT_FALSE(g.areas.empty()) << g.tooltip;
    for (abi::MouseRecord* a : g.areas) EXPECT_NE(a->target.callback, nullptr) << g.tooltip;
    if (g.areas.size() == 1) {
      EXPECT_EQ(g.areas[0]->cursor, abi::kCursorHand) << g.tooltip;
    } else {
      ASSERT_EQ(g.areas.size(), 2u) << g.tooltip;
      std::set<int> cursors{g.areas[0]->cursor, g.areas[1]->cursor};
      EXPECT_EQ(cursors, (std::set<int>{abi::kCursorUp, abi::kCursorDown})) << g.tooltip;
    }
    const bool repeats = g.tooltip == "Test switch" || g.tooltip == "Bus fault reset switch" ||
                         g.tooltip == "Flight data recorder test" || g.tooltip == "DC load meter switch" ||
                         g.tooltip == "Manual temperature control" || g.tooltip == "Cabin altitude control" ||
                         g.tooltip == "Barometric correction control" || g.tooltip == "Cabin altitude manual control";
    for (abi::MouseRecord* a : g.areas) {
      EXPECT_EQ(a->flags, repeats ? 0x20200000u : 0x20000000u) << g.tooltip;
    }
  }
}

TEST(OverheadTables, OnlyThePanelHasTheForwardViewStripAlongItsBottom) {
  auto strips = [](abi::GaugeHeader& g) {
    int n = 0;
    for (abi::MouseRecord* r = g.mouseTable; r->kind != abi::kMouseEnd; ++r) {
      if (r->kind == abi::kMouseArea && r->target.callback == nullptr) {
        EXPECT_EQ(r->eventOrCount, 65674u);
        EXPECT_EQ(r->y + r->height, overhead::kPanelSize.height);
        ++n;
      }
    }
    return n;
  };
  EXPECT_EQ(strips(gauge_Overhead), 1);
  for (abi::GaugeHeader* piece : kPieces) EXPECT_EQ(strips(*piece), 0) << piece->name;
}

TEST(OverheadTables, EveryElementNamesItsGaugeAndAnOverheadBitmap) {
  for (abi::GaugeHeader* g : {&gauge_Overhead, kPieces[0], kPieces[1], kPieces[2], kPieces[3], kPieces[4],
                              kPieces[5], kPieces[6]}) {
    EXPECT_GE(g->elements[0]->resourceId, 14000u);
    EXPECT_LE(g->elements[0]->resourceId, 15999u);
    for (abi::ElementHeader* e : childrenOf(*g)) {
      EXPECT_EQ(e->gauge, g);
      if (e->kind != abi::kString) {
        EXPECT_GE(e->resourceId, 14000u) << g->name;
        EXPECT_LE(e->resourceId, 15999u) << g->name;
      }
    }
  }
}

class OverheadGauges : public ::testing::Test {
 protected:
  void SetUp() override { Linkage.moduleInit(); }
  void TearDown() override { Linkage.moduleDeinit(); }
  frame::AircraftState& a() { return *frame::aircraft(); }

  // What a click may change: the switch record, the engine start, the cabin pressure knobs, the
  // wiper's mode, the APU, the host's events.
  std::string snapshot() {
    std::string s(reinterpret_cast<const char*>(&a().switches.state()), sizeof(PanelSwitchRecord));
    const systems::CabinPressureState& c = a().cabinPressure.state();
    s += std::to_string(a().engines.state().startRunning) + "/" + std::to_string(c.selectedCabinAltitudeFt) + "/" +
         std::to_string(c.barometricCorrectionInHg) + "/" + std::to_string(c.manualRateControl) + "/" +
         std::to_string(a().wipers.state().mode) + "/";
    const systems::ApuState& apu = a().apu.state();
    s += std::to_string(apu.powerOn) + std::to_string(static_cast<int>(apu.phase)) +
         std::to_string(apu.loadMeterCounter) + "/" + std::to_string(host.events.size());
    return s;
  }

  void click(abi::MouseRecord* area) {
    gauges::testing::clickGauge(*area_gauge, area->x + area->width / 2, area->y + area->height / 2);
  }

  abi::GaugeHeader* area_gauge = nullptr;
  frame::testing::TestHost host;
};

TEST_F(OverheadGauges, EveryAreaOfEveryGaugeMovesItsControl) {
  // The APU's generator and bleed switches answer only while the APU runs, and the engine start
  // only with an engine selected: clicked, they only click (their systems' tests cover them).
  const std::set<std::string> quietWithoutApu = {"APU Generator control switch", "APU Bleed air switch",
                                                 "Engine start switch"};
  for (abi::GaugeHeader* g : {&gauge_Overhead, kPieces[0], kPieces[1], kPieces[2], kPieces[3], kPieces[4],
                              kPieces[5], kPieces[6]}) {
    Linkage.moduleDeinit();
    Linkage.moduleInit();
    area_gauge = g;
    for (const Group& group : groupsOf(*g)) {
      // The increasing half first, so that a selector at its lower end moves both ways; the
      // ignition switches increase from their lower half.
      std::vector<abi::MouseRecord*> areas = group.areas;
      const int increasing = group.tooltip == "Ignition control switch" ? abi::kCursorDown : abi::kCursorUp;
      std::stable_sort(areas.begin(), areas.end(), [increasing](auto* x, auto* y) {
        return static_cast<int>(x->cursor) == increasing && static_cast<int>(y->cursor) != increasing;
      });
      for (abi::MouseRecord* area : areas) {
        const std::string before = snapshot();
        click(area);
        if (quietWithoutApu.count(group.tooltip) != 0) {
          EXPECT_EQ(snapshot(), before) << g->name << " " << group.tooltip;
        } else {
          EXPECT_NE(snapshot(), before) << g->name << " " << group.tooltip << " cursor " << area->cursor;
        }
      }
    }
  }
}

TEST_F(OverheadGauges, HostSwitchesSendTheirEventsWithValueOne) {
  area_gauge = &gauge_VCOverhead4;
  const std::map<std::string, std::uint32_t> events = {
      {"Approach landing lights switch", 65751}, {"Landing and taxi light switch", 66240},
      {"Flood lighting", 66378},                 {"Instrument lighting", 65750},
      {"Position light", 66379},                 {"Logo light", 66376}};
  for (const Group& group : groupsOf(gauge_VCOverhead4)) {
    auto found = events.find(group.tooltip);
    if (found == events.end()) continue;
    host.events.clear();
    click(group.areas[0]);
    ASSERT_EQ(host.events.size(), 1u) << group.tooltip;
    EXPECT_EQ(host.events[0], std::make_pair(found->second, 1u)) << group.tooltip;
  }
}

TEST_F(OverheadGauges, SwitchImagesShowThePositionAndOnlyTheRightLightingsImage) {
  area_gauge = &gauge_VCOverhead1;
  // Bus voltage monitor selector: its day and night images are the first two children after the
  // lit overlay.
  const std::vector<abi::ElementHeader*> c = childrenOf(gauge_VCOverhead1);
  abi::ElementHeader* day = c[1];
  abi::ElementHeader* night = c[2];
  for (const Group& group : groupsOf(gauge_VCOverhead1)) {
    if (group.tooltip != "Bus voltage monitor selector") continue;
    for (abi::MouseRecord* area : group.areas) {
      if (area->cursor == abi::kCursorUp) {
        click(area);
        click(area);
      }
    }
  }
  host.setNightLighting(false);
  EXPECT_EQ(testing::applyFirstValue(day, host.values), 2.0);
  EXPECT_EQ(testing::applyFirstValue(night, host.values), 2.0);
  EXPECT_EQ(day->imageFlags & abi::kImageHidden, 0u);
  EXPECT_NE(night->imageFlags & abi::kImageHidden, 0u);
  EXPECT_NE(testing::applyFirstValue(c[0], host.values), 1.0);
  EXPECT_NE(c[0]->imageFlags & abi::kImageHidden, 0u) << "the lit overlay is off by day";
  host.setNightLighting(true);
  testing::applyFirstValue(day, host.values);
  testing::applyFirstValue(night, host.values);
  testing::applyFirstValue(c[0], host.values);
  EXPECT_NE(day->imageFlags & abi::kImageHidden, 0u);
  EXPECT_EQ(night->imageFlags & abi::kImageHidden, 0u);
  EXPECT_EQ(c[0]->imageFlags & abi::kImageHidden, 0u);
}

TEST_F(OverheadGauges, MetersShowTheirTestPatternWhileTestedAndNothingWithoutPower) {
  std::vector<abi::StringElement*> readouts;
  std::vector<abi::NeedleElement*> needles;
  for (abi::ElementHeader* e : childrenOf(gauge_VCOverhead1)) {
    if (auto* s = abi::elementAs<abi::StringElement>(e)) readouts.push_back(s);
    if (auto* n = abi::elementAs<abi::NeedleElement>(e)) needles.push_back(n);
  }
  ASSERT_EQ(readouts.size(), 4u);
  ASSERT_EQ(needles.size(), 2u);
  char buffers[4][16];
  for (std::size_t i = 0; i < readouts.size(); ++i) readouts[i]->text = buffers[i];
  auto show = [&] {
    for (abi::StringElement* s : readouts) testing::applyFirstValue(&s->header, host.values);
  };

  host.timer.fire();
  ASSERT_TRUE(family::dcPowerAvailable(a())) << "the batteries are on at the start";
  show();
  EXPECT_STRNE(buffers[0], "") << "a reading while powered";
  EXPECT_STRNE(buffers[0], " 88.8");
  Effects e = a().effects();
  a().switches.press(&PanelSwitchRecord::dcMeterTest, sound::kPushButtonClick, e);
  a().switches.press(&PanelSwitchRecord::batteryTempTest, sound::kPushButtonClick, e);
  host.timer.fire();
  show();
  EXPECT_STREQ(buffers[0], " 88.8");
  EXPECT_STREQ(buffers[1], "+8.88");
  EXPECT_STREQ(buffers[2], "+8.88");
  EXPECT_STREQ(buffers[3], "+8.88");
  EXPECT_NEAR(testing::applyFirstValue(&needles[0]->header, host.values), 1.0 - 55.0 / 65.0, 1e-9)
      << "the test drives the needles to 70 degrees";

  a().switches.switchOff();  // a dark cockpit: no battery, no generator
  host.timer.fire();
  ASSERT_FALSE(family::dcPowerAvailable(a()));
  show();
  for (auto& b : buffers) EXPECT_STREQ(b, "");
  EXPECT_EQ(testing::applyFirstValue(&needles[1]->header, host.values), 1.0);
  for (abi::StringElement* s : readouts) s->text = nullptr;
}

TEST_F(OverheadGauges, TheExternalPowerLightFollowsTheGroundPowerAndTheSwitch) {
  std::vector<abi::ElementHeader*> lamps;
  for (abi::ElementHeader* el : childrenOf(gauge_VCOverhead1)) {
    if (el->resourceId == overhead::kExtPowerLightArt.dayId) lamps.push_back(el);
  }
  ASSERT_EQ(lamps.size(), 1u);
  area_gauge = &gauge_VCOverhead1;
  for (const Group& group : groupsOf(gauge_VCOverhead1)) {
    if (group.tooltip == "External power switch") click(group.areas[0]);
  }
  host.values[323] = 1.0;  // parking brake set, at rest
  host.timer.fire();
  EXPECT_EQ(testing::applyFirstValue(lamps[0], host.values), 1.0);
  host.values[323] = 0.0;
  host.timer.fire();
  EXPECT_EQ(testing::applyFirstValue(lamps[0], host.values), 0.0);
}

}  // namespace
}  // namespace xaq::gauges
