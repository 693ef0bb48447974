// The fuel panel and its pieces through their tables, the way the host drives them: tooltips as
// the crew reads them, every area clicked, needles and lights with and without power.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "frame/abi/tooltip_format.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "frame/module_lifecycle.h"
#include "frame/test_host.h"
#include "gauges/fuel/fuel_layout.h"
#include "gauges/kit/switch_family.h"
#include "gauges/kit/testing/gauge_tester.h"

namespace xaq::gauges {
namespace {

using systems::FuelTransfer;

abi::GaugeHeader* const kFuelGauges[] = {&gauge_FUEL,         &gauge_FuelInd_V,     &gauge_Fuel1_V,   &gauge_Fuel2_V,
                                         &gauge_FuelTankTemp, &gauge_FuelTankTempV, &gauge_FuelTemp_V};

struct Group {
  abi::MouseRecord* tooltip = nullptr;
  std::vector<abi::MouseRecord*> areas;
};

std::vector<Group> groupsOf(abi::GaugeHeader& g) {
  std::vector<Group> out;
  int depth = 0;
  for (abi::MouseRecord* r = g.mouseTable; r->kind != abi::kMouseEnd; ++r) {
    if (r->kind == abi::kMouseGroup && ++depth == 2) out.push_back({});
    if (r->kind == abi::kMouseEndGroup) --depth;
    if (depth == 2 && r->kind == abi::kMouseTooltip) out.back().tooltip = r;
    if (depth == 2 && r->kind == abi::kMouseArea) out.back().areas.push_back(r);
  }
  return out;
}

std::vector<abi::ElementHeader*> childrenOf(abi::GaugeHeader& g) {
  std::vector<abi::ElementHeader*> out;
  for (abi::ElementHeader* const* c = g.elements[0]->children; *c != nullptr; ++c) out.push_back(*c);
  return out;
}

template <typename Kind>
std::vector<abi::ElementHeader*> elementsOf(abi::GaugeHeader& g) {
  std::vector<abi::ElementHeader*> out;
  for (abi::ElementHeader* e : childrenOf(g)) {
    if (abi::elementAs<Kind>(e) != nullptr) out.push_back(e);
  }
  return out;
}

class FuelGauges : public ::testing::Test {
 protected:
  void SetUp() override {
    Linkage.moduleInit();
    host.values[fuel::kTank1GallonsVariable] = 300.0;
    host.values[fuel::kTank2GallonsVariable] = 600.0;
    host.values[350] = 15.0 / 256.0;  // the host's total air temperature, 15 degC
    host.timer.fire();
  }
  void TearDown() override { Linkage.moduleDeinit(); }
  frame::AircraftState& a() { return *frame::aircraft(); }
  const systems::FuelState& fuel() { return a().fuel.state(); }

  // The host fills each argument's record before it formats the text.
  std::string tip(abi::GaugeHeader& g, const Group& group) {
    for (std::uint32_t i = 0; i < group.tooltip->eventOrCount; ++i) {
      abi::HostVarRecord& r = group.tooltip->data.arguments[i].variable;
      r.value = host.values.count(r.id) != 0 ? host.values[r.id] : 0.0;
    }
    return abi::formatTooltip(*group.tooltip, &g);
  }
  // The texts of a gauge's groups as the host shows them.
  std::vector<std::string> tips(abi::GaugeHeader& g) {
    std::vector<std::string> out;
    for (const Group& group : groupsOf(g)) out.push_back(tip(g, group));
    return out;
  }
  void click(abi::GaugeHeader& g, const abi::MouseRecord* area) {
    testing::clickGauge(g, area->x + area->width / 2, area->y + area->height / 2);
  }
  double value(abi::ElementHeader* e) { return testing::applyFirstValue(e, host.values); }

  frame::testing::TestHost host;
};

TEST_F(FuelGauges, TooltipsReadAsWrittenWithTheTanksAndTheTemperatureFilledIn) {
  const std::string pump = "Auxiliary fuel pump switch", transfer = "Fuel transfer switch",
                    test = "Fuel quantity test button";
  // 300 gal = 2009.7 lb, 600 gal = 4019.4 lb (the tooltip is not held within the dial).
  EXPECT_EQ(tips(gauge_FUEL), (std::vector<std::string>{"Fuel quantity: 2010 LBs", "Fuel quantity: 4019 LBs", pump,
                                                         pump, transfer, test}));
  EXPECT_EQ(tips(gauge_FuelInd_V), (std::vector<std::string>{pump, pump, transfer, test}));
  EXPECT_EQ(tips(gauge_Fuel1_V), (std::vector<std::string>{"Fuel quantity: 2010 LBs"}));
  EXPECT_EQ(tips(gauge_Fuel2_V), (std::vector<std::string>{"Fuel quantity: 4019 LBs"}));
  EXPECT_EQ(tips(gauge_FuelTankTemp), (std::vector<std::string>{"Fuel tank temperature: 18"}));
  EXPECT_EQ(tips(gauge_FuelTankTempV), (std::vector<std::string>{"Fuel tank temperature: 18"}));
  EXPECT_EQ(tips(gauge_FuelTemp_V), (std::vector<std::string>{"Left engine fuel temperature: 18\xB0" "C",
                                                               "Right engine fuel temperature: 18\xB0" "C"}));
}

TEST_F(FuelGauges, OnlyThePanelHasThePedestalViewStripAlongItsBottom) {
  for (abi::GaugeHeader* g : kFuelGauges) {
    int strips = 0;
    for (abi::MouseRecord* r = g->mouseTable; r->kind != abi::kMouseEnd; ++r) {
      if (r->kind != abi::kMouseArea || r->target.callback != nullptr) continue;
      EXPECT_EQ(r->eventOrCount, 65909u);
      EXPECT_EQ(r->y + r->height, fuel::kPanelSize.height);
      ++strips;
    }
    EXPECT_EQ(strips, g == &gauge_FUEL ? 1 : 0) << g->name;
    EXPECT_EQ(testing::clickGauge(*g, 180, 243).hostEvent, g == &gauge_FUEL ? 65909u : 0u) << g->name;
  }
}

TEST_F(FuelGauges, QuantityNeedlesReadTheirOwnTankAndGoToFullScaleDuringTheTest) {
  const auto panel = elementsOf<abi::NeedleElement>(gauge_FUEL);
  ASSERT_EQ(panel.size(), 2u);
  const auto one = elementsOf<abi::NeedleElement>(gauge_Fuel1_V);
  const auto two = elementsOf<abi::NeedleElement>(gauge_Fuel2_V);
  ASSERT_TRUE(family::dcPowerAvailable(a())) << "the batteries are on at the start";
  EXPECT_NEAR(value(panel[0]), 2009.7, 1e-9);
  EXPECT_NEAR(value(one[0]), 2009.7, 1e-9);
  EXPECT_DOUBLE_EQ(value(panel[1]), 3300.0) << "600 gal is past the dial's end";
  host.values[fuel::kTank2GallonsVariable] = 100.0;
  EXPECT_NEAR(value(two[0]), 669.9, 1e-9);
  Effects e = a().effects();
  a().fuel.pressQuantityTest(e);
  for (abi::ElementHeader* n : {panel[0], panel[1], one[0], two[0]}) EXPECT_DOUBLE_EQ(value(n), 3300.0);

  a().switches.switchOff();  // a dark cockpit: the indicators lose their power
  host.timer.fire();
  ASSERT_FALSE(family::dcPowerAvailable(a()));
  for (abi::ElementHeader* n : {panel[0], panel[1], one[0], two[0]}) EXPECT_DOUBLE_EQ(value(n), 0.0);
}

TEST_F(FuelGauges, TemperatureNeedlesFollowTheOutsideAirAndRestAtTheirLowEndUnpowered) {
  const auto tank = elementsOf<abi::NeedleElement>(gauge_FuelTankTemp);
  const auto engines = elementsOf<abi::NeedleElement>(gauge_FuelTemp_V);
  ASSERT_EQ(tank.size(), 1u);
  ASSERT_EQ(engines.size(), 2u);
  EXPECT_DOUBLE_EQ(value(tank[0]), 17.5);
  EXPECT_DOUBLE_EQ(value(engines[0]), 17.5);
  EXPECT_DOUBLE_EQ(value(engines[1]), 17.5);
  host.values[350] = -150.0 / 256.0;
  host.timer.fire();
  EXPECT_DOUBLE_EQ(value(tank[0]), -40.0) << "held at the scale's end";
  host.values[350] = 150.0 / 256.0;
  host.timer.fire();
  EXPECT_DOUBLE_EQ(value(tank[0]), 60.0);
  a().switches.switchOff();
  host.timer.fire();
  EXPECT_DOUBLE_EQ(value(tank[0]), -40.0);
  EXPECT_DOUBLE_EQ(value(engines[1]), -40.0);
}

TEST_F(FuelGauges, LightsShowTheirStateOnlyWithPowerAndTheSwitchesTheirNightImagesAtNight) {
  const auto icons = elementsOf<abi::IconElement>(gauge_FuelInd_V);
  // The overlay, four switch pairs, then the pump 1, pump 2 and two transfer lights.
  ASSERT_EQ(icons.size(), 13u);
  Effects e = a().effects();
  a().fuel.setTransfer(FuelTransfer::kToTank1, e);
  host.timer.fire();
  EXPECT_EQ(value(icons[9]), 0.0) << "pump 1 stays off: fuel goes to tank 1";
  EXPECT_EQ(value(icons[10]), 1.0) << "pump 2 runs for the transfer";
  EXPECT_EQ(value(icons[11]), 2.0);
  EXPECT_EQ(value(icons[12]), 2.0);
  EXPECT_EQ(value(icons[5]), 1.0) << "the transfer lever to the left";
  a().fuel.setTransfer(FuelTransfer::kOff, e);
  host.timer.fire();
  EXPECT_EQ(value(icons[11]), 1.0) << "the unlit legend";

  value(icons[5]);
  value(icons[6]);
  EXPECT_FALSE(icons[5]->imageFlags & abi::kImageHidden);
  EXPECT_TRUE(icons[6]->imageFlags & abi::kImageHidden);
  host.setNightLighting(true);
  value(icons[5]);
  value(icons[6]);
  EXPECT_TRUE(icons[5]->imageFlags & abi::kImageHidden);
  EXPECT_FALSE(icons[6]->imageFlags & abi::kImageHidden);

  a().switches.switchOff();
  host.timer.fire();
  for (std::size_t i = 9; i < icons.size(); ++i) EXPECT_EQ(value(icons[i]), 0.0) << i;
}

TEST_F(FuelGauges, EveryElementNamesItsGaugeAndAFuelOrSwitchFamilyBitmap) {
  for (abi::GaugeHeader* g : kFuelGauges) {
    EXPECT_GE(g->elements[0]->resourceId, 18000u) << g->name;
    EXPECT_LE(g->elements[0]->resourceId, 18499u) << g->name;
    for (abi::ElementHeader* e : childrenOf(*g)) {
      EXPECT_EQ(e->gauge, g) << g->name;
      const bool ours = e->resourceId >= 18000u && e->resourceId <= 18499u;
      const bool family = e->resourceId >= 14100u && e->resourceId < 14220u;
      EXPECT_TRUE(ours || family) << g->name << " " << e->resourceId;
    }
  }
}

}  // namespace
}  // namespace xaq::gauges
