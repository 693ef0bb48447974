// The engine panels and oil indicators through their tables, the way the host drives them: the
// tooltips as the crew reads them, each area clicked, the switchlights dark without power, the
// day and night images, the host's strips, and the oil needles with their tooltips.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "frame/abi/tooltip_format.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "frame/module_lifecycle.h"
#include "frame/test_host.h"
#include "gauges/engine/engine_layout.h"
#include "gauges/kit/switch_family.h"
#include "gauges/kit/testing/gauge_tester.h"
#include "gauges/overhead/overhead_layout.h"

namespace xaq::gauges {
namespace {

using testing::childrenOf;
using testing::Group;
using testing::groupsOf;

abi::ElementHeader* elementWithImage(abi::GaugeHeader& g, std::uint32_t id, int nth = 0) {
  for (abi::ElementHeader* e : childrenOf(g)) {
    if (e->resourceId == id && nth-- == 0) return e;
  }
  return nullptr;
}

class EnginePanels : public ::testing::Test {
 protected:
  void SetUp() override { Linkage.moduleInit(); }
  void TearDown() override { Linkage.moduleDeinit(); }
  frame::AircraftState& a() { return *frame::aircraft(); }
  static void click(abi::GaugeHeader& g, const abi::MouseRecord* area) {
    testing::clickGauge(g, area->x + area->width / 2, area->y + area->height / 2);
  }
  double show(abi::ElementHeader* e) { return testing::applyFirstValue(e, host.values); }
  void unpower() {
    a().switches.switchOff();
    host.timer.fire();
    ASSERT_FALSE(family::dcPowerAvailable(a()));
  }
  frame::testing::TestHost host;
};

TEST_F(EnginePanels, TheTooltipsAreTheCrews) {
  const std::map<std::string, std::vector<std::string>> expected = {
      {"Bypass", {"Engine intake bypass door switchlight", "Engine intake bypass door switchlight"}},
      {"ECU", {"Engine ECU rating selector", "ECU mode selector", "ECU mode selector"}},
      {"Feather",
       {"Autofeather arm switch", "Autofeather test switch", "Autofeather test switch", "Alternate feather switch",
        "Alternate feather switch"}},
      {"BypassV", {}},
      {"ECU_V", {}},
  };
  for (abi::GaugeHeader* g : {&gauge_Bypass, &gauge_ECU, &gauge_Feather, &gauge_BypassV, &gauge_ECU_V}) {
    std::vector<std::string> tips;
    for (const Group& group : groupsOf(*g)) tips.push_back(group.tooltip);
    EXPECT_EQ(tips, expected.at(g->name)) << g->name;
  }
}

TEST_F(EnginePanels, EveryAreaReachesItsControl) {
  host.timer.fire();
  const auto& s = a().engines.state();
  std::vector<Group> bypass = groupsOf(gauge_Bypass);
  click(gauge_Bypass, bypass[1].areas[0]);
  EXPECT_TRUE(s.bypassDoorOpen[1]);
  EXPECT_FALSE(s.bypassDoorOpen[0]);
  EXPECT_EQ(s.bypassTransitCycles[1], 12);

  std::vector<Group> ecu = groupsOf(gauge_ECU);
  ASSERT_EQ(ecu[0].areas.size(), 2u);
  click(gauge_ECU, ecu[0].areas[1]);  // right half: up
  click(gauge_ECU, ecu[0].areas[1]);
  EXPECT_EQ(s.ecuRating, systems::EcuRating::kMcl);
  click(gauge_ECU, ecu[0].areas[0]);
  EXPECT_EQ(s.ecuRating, systems::EcuRating::kMcp);
  click(gauge_ECU, ecu[1].areas[0]);
  EXPECT_TRUE(s.ecuManual[0]);
  EXPECT_FALSE(s.ecuManual[1]);
  EXPECT_EQ(testing::clickGauge(gauge_ECU, 120, 106).hostEvent, 65911u) << "the host's strip";

  std::vector<Group> feather = groupsOf(gauge_Feather);
  host.events.clear();
  click(gauge_Feather, feather[0].areas[0]);
  EXPECT_EQ(host.events, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{66297, 1}}));
  click(gauge_Feather, feather[2].areas[0]);
  EXPECT_EQ(s.autofeatherTestCycles[1], 12);
  // The alternate feather switch: the upper half pushes it up, the lower half down.
  ASSERT_EQ(feather[3].areas.size(), 2u);
  click(gauge_Feather, feather[3].areas[0]);
  EXPECT_EQ(s.alternateFeather[0], 12);
  click(gauge_Feather, feather[4].areas[1]);
  EXPECT_EQ(s.alternateFeather[1], -12);
  EXPECT_EQ(testing::clickGauge(gauge_Feather, 140, 116).hostEvent, 65909u);
  // The twins have no areas of their own.
  EXPECT_FALSE(testing::clickGauge(gauge_BypassV, 46, 40).hit);
  EXPECT_FALSE(testing::clickGauge(gauge_ECU_V, 206, 54).hit);
}

TEST_F(EnginePanels, SwitchlightsShowTheirLegendsWithPowerAndAreDarkWithout) {
  host.values[741] = 1;  // the autofeather armed
  host.timer.fire();
  abi::ElementHeader* bypass1 = elementWithImage(gauge_Bypass, engine::kBypassLightArt.dayId, 0);
  abi::ElementHeader* ecuMode2 = elementWithImage(gauge_ECU, engine::kEcuModeLightArt.dayId, 1);
  abi::ElementHeader* twinMode2 = elementWithImage(gauge_ECU_V, engine::kEcuModeLightArt.dayId, 1);
  abi::ElementHeader* autofeather = elementWithImage(gauge_Feather, engine::kAutofeatherLightArt.dayId);
  abi::ElementHeader* featherLight = elementWithImage(gauge_Feather, engine::kFeatherLightArt.dayId);
  ASSERT_TRUE(bypass1 && ecuMode2 && twinMode2 && autofeather && featherLight);
  EXPECT_EQ(show(bypass1), 1.0);  // CLOSED
  EXPECT_EQ(show(ecuMode2), 1.0);  // ON
  EXPECT_EQ(show(autofeather), 1.0);  // SELECT
  EXPECT_EQ(show(featherLight), 0.0) << "nothing lights the feather lights";

  Effects e = a().effects();
  a().engines.toggleEcuMode(1, e);
  a().engines.toggleBypassDoor(0, e);
  host.values[707] = 1;
  host.timer.fire();
  EXPECT_EQ(show(ecuMode2), 2.0);  // MANUAL
  EXPECT_EQ(show(twinMode2), 2.0) << "the twin shows the same";
  EXPECT_EQ(show(bypass1), 0.0) << "dark while the door moves";
  EXPECT_EQ(show(autofeather), 3.0);  // SELECT and ARM
  for (int k = 0; k < 12; ++k) host.timer.fire();
  EXPECT_EQ(show(bypass1), 2.0);  // OPN

  unpower();
  for (abi::ElementHeader* light : {bypass1, ecuMode2, twinMode2, autofeather}) EXPECT_EQ(show(light), 0.0);
}

TEST_F(EnginePanels, SwitchesShowTheirPositionInTheRightLightingsImage) {
  abi::ElementHeader* day = elementWithImage(gauge_ECU, engine::kRatingSelectorArt.dayId);
  abi::ElementHeader* night = elementWithImage(gauge_ECU, engine::kRatingSelectorArt.nightId);
  abi::ElementHeader* overlay = childrenOf(gauge_ECU)[0];
  ASSERT_TRUE(day && night);
  Effects e = a().effects();
  for (int k = 0; k < 3; ++k) a().engines.ecuRatingUp(e);
  host.setNightLighting(false);
  EXPECT_EQ(show(day), 3.0);
  EXPECT_EQ(show(night), 3.0);
  show(overlay);
  EXPECT_EQ(day->imageFlags & abi::kImageHidden, 0u);
  EXPECT_NE(night->imageFlags & abi::kImageHidden, 0u);
  EXPECT_NE(overlay->imageFlags & abi::kImageHidden, 0u);
  host.setNightLighting(true);
  show(day);
  show(night);
  show(overlay);
  EXPECT_NE(day->imageFlags & abi::kImageHidden, 0u);
  EXPECT_EQ(night->imageFlags & abi::kImageHidden, 0u);
  EXPECT_EQ(overlay->imageFlags & abi::kImageHidden, 0u);

  abi::ElementHeader* lever2 = elementWithImage(gauge_Feather, engine::kFeatherLeverArt.dayId, 1);
  a().engines.alternateFeather(1, +1, e);
  EXPECT_EQ(show(lever2), 2.0);  // held up
  a().engines.alternateFeather(1, -1, e);
  EXPECT_EQ(show(lever2), 1.0);
}

TEST_F(EnginePanels, OilNeedlesAndTooltipsShowEachEngineAndRestWithoutPower) {
  host.values[562] = 61.6 * 144;  // psf
  host.values[572] = 130.0 * 144;
  host.values[561] = 30.0;        // x 2.7 = 81 degrees C
  host.values[571] = 70.0;        // 189: above the dial
  host.timer.fire();
  std::vector<abi::ElementHeader*> needles;
  for (abi::ElementHeader* e : childrenOf(gauge_EngOil1)) {
    if (e->kind == abi::kNeedle) needles.push_back(e);
  }
  ASSERT_EQ(needles.size(), 4u);
  EXPECT_NEAR(show(needles[0]), 61.6, 1e-6);  // psi from the host's pounds a square foot
  EXPECT_NEAR(show(needles[1]), 81.0, 1e-9);
  EXPECT_EQ(show(needles[2]), 100.0);
  EXPECT_EQ(show(needles[3]), 150.0);

  std::vector<std::string> tips;
  for (const Group& g : groupsOf(gauge_EngOil1)) tips.push_back(abi::formatTooltip(*g.tooltipRecord, &gauge_EngOil1));
  EXPECT_EQ(tips, (std::vector<std::string>{"Left engine oil pressure: 62 PSI", "Left engine oil temperature: 81",
                                            "Right engine oil pressure: 100 PSI",
                                            "Right engine oil temperature: 150"}));
  std::vector<std::string> twin;
  for (const Group& g : groupsOf(gauge_EngOil2_V)) twin.push_back(abi::formatTooltip(*g.tooltipRecord, &gauge_EngOil2_V));
  EXPECT_EQ(twin, (std::vector<std::string>{"Right engine oil pressure: 100 PSI", "Right engine oil temperature: 150"}));
  EXPECT_EQ(groupsOf(gauge_EngOil1_V).size(), 2u);

  unpower();
  EXPECT_EQ(show(needles[0]), 0.0);
  EXPECT_EQ(show(needles[1]), -50.0);
  EXPECT_EQ(abi::formatTooltip(*groupsOf(gauge_EngOil1)[0].tooltipRecord, &gauge_EngOil1),
            "Left engine oil pressure: 0 PSI");
}

TEST_F(EnginePanels, TheOverheadsStartLightAndSelectKnobFollowTheStart) {
  host.timer.fire();
  abi::ElementHeader* light = elementWithImage(gauge_VCOverhead5, overhead::kEngineStartLightArt.dayId);
  abi::ElementHeader* knob = elementWithImage(gauge_VCOverhead5, overhead::kRotary3Art.dayId, 2);
  ASSERT_TRUE(light && knob);
  EXPECT_EQ(show(light), 0.0);
  Effects e = a().effects();
  // On the batteries alone the left main bus is dead: engine 1's start is refused at once.
  a().switches.engineStartSelectLeft(e);
  host.timer.fire();
  EXPECT_EQ(show(light), 1.0);  // engine 1 selected
  a().engines.startSwitch();
  EXPECT_EQ(show(knob), 0.0);
  host.timer.fire();
  EXPECT_EQ(show(light), 0.0);

  // Engine 2 on the right main bus.
  a().switches.engineStartSelectRight(e);
  a().engines.startSwitch();
  host.timer.fire();
  EXPECT_EQ(show(light), 2.0);  // starting
  EXPECT_EQ(show(knob), 2.0);
  host.values[166] = 1;  // engine 2 burns: the start ends and the knob returns
  host.timer.fire();
  EXPECT_TRUE(a().engines.state().startFinished);
  EXPECT_EQ(show(knob), 0.0);
  EXPECT_FALSE(a().engines.state().startFinished) << "the knob's image took the finished start back";
  host.timer.fire();
  EXPECT_EQ(show(light), 0.0);

  a().switches.engineStartSelectRight(e);
  host.timer.fire();
  EXPECT_EQ(show(light), 1.0);
  unpower();
  EXPECT_EQ(show(light), 0.0) << "dark without power";
}

}  // namespace
}  // namespace xaq::gauges
