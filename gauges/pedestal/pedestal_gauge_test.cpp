// The pedestal gauges through their tables and callbacks, the way the host drives them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "common/testing/recording_effects.h"
#include "frame/abi/mouse_table.h"
#include "frame/gauge_registry.h"
#include "frame/module_lifecycle.h"
#include "frame/test_host.h"
#include "gauges/kit/switch_layout.h"
#include "gauges/kit/testing/gauge_tester.h"
#include "gauges/pedestal/pedestal_callbacks.h"
#include "gauges/pedestal/pedestal_layout.h"
#include "systems/switches/pedestal_levers.h"

namespace xaq::gauges {
namespace {

namespace pd = pedestal;
using Events = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

std::vector<abi::MouseRecord*> areas(abi::GaugeHeader& g) {
  std::vector<abi::MouseRecord*> found;
  for (abi::MouseRecord* r = g.mouseTable; r->kind != abi::kMouseEnd; ++r) {
    if (r->kind == abi::kMouseArea) found.push_back(r);
  }
  return found;
}

std::vector<std::string> tooltips(abi::GaugeHeader& g) {
  std::vector<std::string> found;
  for (abi::MouseRecord* r = g.mouseTable; r->kind != abi::kMouseEnd; ++r) {
    if (r->kind == abi::kMouseTooltip) found.emplace_back(r->target.tooltipText);
  }
  return found;
}

abi::StringElement* windowAt(abi::GaugeHeader& g, pd::Rect r) {
  for (abi::ElementHeader* const* e = g.elements[0]->children; *e != nullptr; ++e) {
    auto* s = abi::elementAs<abi::StringElement>(*e);
    if (s != nullptr && s->header.position.x == r.x && s->header.position.y == r.y) return s;
  }
  return nullptr;
}

TEST(PedestalTables, CarryTheControlsTooltipsAndTheHostsOwnAreas) {
  const std::vector<std::string> tips = tooltips(gauge_Pedestal);
  for (const char* t : {"Power lever", "Condition lever", "Fuel off", "Flap selector lever", "Trim wheel", "Parking brake",
                        "COM 1 / COM 2 transmit select", "COM 1 receive switch", "COM 2 receive switch",
                        "VOR 1 sound receive switch", "VOR 2 sound receive switch", "DME 1 sound receive switch",
                        "ADF 1 sound receive switch", "Marker beacon sound receive switch", "Weather radar on/off",
                        "Frequency selector knob: use LMB for inner and RMB for outer",
                        "Code selector knob: use LMB for inner and RMB for outer", "COM 1 radio", "COM 2 radio",
                        "ADF 1 radio", "Transponder", "Map range", "FULL / ARC", "GSPD / TTG",
                        "LMB: Set DH.  RMB: ADI dim control", "HSI dim control"}) {
    EXPECT_NE(std::find(tips.begin(), tips.end(), t), tips.end()) << t;
  }
  EXPECT_EQ(std::count(tips.begin(), tips.end(), "Power lever"), 3);
  EXPECT_EQ(std::count(tips.begin(), tips.end(), "Condition lever"), 3);
  EXPECT_EQ(std::count(tips.begin(), tips.end(), "Fuel off"), 2);

  int levers = 0, strips = 0, fms = 0;
  for (abi::MouseRecord* a : areas(gauge_Pedestal)) {
    if (a->flags == (abi::kMouseLeftSingle | abi::kMousePedestalBit)) ++levers;
    if (a->target.callback == nullptr) {
      EXPECT_EQ(a->flags, abi::kMouseLeftSingle);
      if (a->eventOrCount == 65909) ++strips;
      if (a->eventOrCount == 65911) ++fms;
    }
  }
  EXPECT_EQ(levers, 8) << "the power, condition and fuel-off areas";
  EXPECT_EQ(strips, 3);
  EXPECT_EQ(fms, 1);

  // The virtual-cockpit radios call the 2D heads' callbacks; the radar piece has none.
  std::vector<abi::MouseCallback> pedestalCallbacks;
  for (abi::MouseRecord* a : areas(gauge_Pedestal)) pedestalCallbacks.push_back(a->target.callback);
  ASSERT_EQ(areas(gauge_Pedestal_V_RADIO).size(), 3u * 3u + 2u);
  for (abi::MouseRecord* a : areas(gauge_Pedestal_V_RADIO)) {
    EXPECT_NE(std::find(pedestalCallbacks.begin(), pedestalCallbacks.end(), a->target.callback), pedestalCallbacks.end());
  }
  EXPECT_TRUE(areas(gauge_Pedestal_V_WXR).empty());
  int knobs = 0;
  for (abi::ElementHeader* const* e = gauge_Pedestal_V_WXR.elements[0]->children; *e != nullptr; ++e) {
    if ((*e)->resourceId == pd::kKnobId) ++knobs;
  }
  EXPECT_EQ(knobs, 7);
}

class PedestalGauge : public ::testing::Test {
 protected:
  void SetUp() override {
    Linkage.moduleInit();
    host.timer.fire();
  }
  void TearDown() override { Linkage.moduleDeinit(); }

  std::string shown(abi::StringElement* e) {
    char buffer[16];
    std::strcpy(buffer, "untouched");
    e->text = buffer;
    testing::applyFirstValue(&e->header, host.values);
    e->text = nullptr;
    return buffer;
  }
  Events clickAt(abi::GaugeHeader& g, int x, int y, std::uint32_t button = abi::kMouseLeftSingle) {
    host.events.clear();
    EXPECT_TRUE(testing::clickGauge(g, x, y, button).hit) << x << "," << y;
    return host.events;
  }

  // The battery master off or back on, and a cycle for the electrical system to follow.
  void batteryMaster() {
    Effects e = frame::aircraft()->effects();
    frame::aircraft()->switches.toggle(&systems::PanelSwitchRecord::batteryMaster, e);
    host.timer.fire();
  }

  frame::testing::TestHost host;
};

TEST_F(PedestalGauge, ThePowerLeversSpanTheirAreaFromFullPowerToFullReverse) {
  const int x = pd::kPowerLeft.x + 5;
  EXPECT_EQ(clickAt(gauge_Pedestal, x, 0), (Events{{65820, 16383}}));
  EXPECT_EQ(clickAt(gauge_Pedestal, pd::kPowerRight.x + 5, pd::kPowerTravel - 1),
            (Events{{65820, static_cast<std::uint32_t>(systems::powerLeverValue(pd::kPowerTravel - 1, 800))}}));
  EXPECT_LT(static_cast<std::int32_t>(host.events[0].second), -8100) << "the bottom of the area is near full reverse";
  EXPECT_NEAR(pd::kPowerTravel, 0.44697 * pd::kBackgroundSize.height, 0.5) << "the area is the lever's travel";
  EXPECT_EQ(clickAt(gauge_Pedestal, pd::kPowerBoth.x + 2, pd::kPowerTravel / 2).at(0).first, 65820u);
}

TEST_F(PedestalGauge, ConditionLeversAndFuelOffSendTheirPairs) {
  EXPECT_EQ(clickAt(gauge_Pedestal, pd::kConditionLeft.x + 4, 0), (Events{{65923, 16384}, {65983, 1}}));
  const Events both = clickAt(gauge_Pedestal, pd::kConditionBoth.x + 4, pd::kConditionTravel - 1);
  ASSERT_EQ(both.size(), 4u);
  EXPECT_EQ(both[0].first, 65923u);
  EXPECT_EQ(both[1].first, 65924u);
  EXPECT_EQ(both[0].second, both[1].second);
  EXPECT_EQ(both[2], (std::pair<std::uint32_t, std::uint32_t>{65983, 1}));
  EXPECT_EQ(both[3], (std::pair<std::uint32_t, std::uint32_t>{65988, 1}));
  EXPECT_EQ(clickAt(gauge_Pedestal, pd::kFuelOffRight.x + 4, pd::kFuelOffRight.y + 4),
            (Events{{65924, static_cast<std::uint32_t>(-4096)}, {65992, 1}}));
}

TEST_F(PedestalGauge, RadioWindowsShowTheHeadsAndGoBlankWithoutPower) {
  abi::StringElement* standby = windowAt(gauge_Pedestal, pd::kCom1Head.standby);
  abi::StringElement* code = windowAt(gauge_Pedestal, pd::kTransponderHead.active);
  ASSERT_NE(standby, nullptr);
  ASSERT_NE(code, nullptr);
  EXPECT_EQ(shown(standby), "124.85");
  const pd::Rect knob = pd::kCom1Head.knob;
  clickAt(gauge_Pedestal, knob.x + knob.w - 3, knob.y + 3);                           // inner up
  clickAt(gauge_Pedestal, knob.x + knob.w - 3, knob.y + 3, abi::kMouseRightSingle);   // outer up
  EXPECT_EQ(shown(standby), "125.87");
  EXPECT_EQ(shown(code), "0000");
  EXPECT_EQ(clickAt(gauge_Pedestal, pd::kTransponderHead.knob.x + 2, pd::kTransponderHead.knob.y + 2),
            (Events{{65715, 0x0077}}));
  batteryMaster();
  EXPECT_EQ(shown(standby), "");
  EXPECT_EQ(shown(windowAt(gauge_Pedestal_V_RADIO, pd::kVcCom1Head.standby)), "");
  batteryMaster();
  EXPECT_EQ(shown(windowAt(gauge_Pedestal_V_RADIO, pd::kVcCom1Head.standby)), "125.87") << "the twin shows the same head";
}

TEST_F(PedestalGauge, TheWeatherPictureShowsOnlyItsLevelWhilePoweredAndOn) {
  std::vector<abi::ElementHeader*> pictures;
  for (abi::ElementHeader* const* e = gauge_Pedestal.elements[0]->children; *e != nullptr; ++e) {
    if ((*e)->kind == abi::kSprite) pictures.push_back(*e);
  }
  ASSERT_EQ(pictures.size(), 7u);
  const auto visible = [&] {
    std::vector<int> shownLevels;
    for (int k = 0; k < 7; ++k) {
      testing::applyFirstValue(pictures[k], host.values);
      if ((pictures[k]->imageFlags & abi::kImageHidden) == 0) shownLevels.push_back(k);
    }
    return shownLevels;
  };
  EXPECT_EQ(visible(), (std::vector<int>{1})) << "level 1 at start";
  clickAt(gauge_Pedestal, pd::kRadarSwitch.x + 4, pd::kRadarSwitch.y + 4);
  EXPECT_TRUE(visible().empty()) << "radar off";
  clickAt(gauge_Pedestal, pd::kRadarSwitch.x + 4, pd::kRadarSwitch.y + 4);
  batteryMaster();
  EXPECT_TRUE(visible().empty()) << "no DC power";
}

TEST_F(PedestalGauge, EachEfisAreaStepsItsOwnSetting) {
  const displays::EfisSettings& s = frame::aircraft()->efisControls.settings();
  const auto at = [&](pd::Rect r, bool right, std::uint32_t button = abi::kMouseLeftSingle) {
    clickAt(gauge_Pedestal, right ? r.x + r.w - 3 : r.x + 3, r.y + 3, button);
  };
  at(pd::kMapRangeKnob, true);
  EXPECT_EQ(s.mapRangeNm, 100);
  at(pd::kMapRangeKnob, false);
  EXPECT_EQ(s.mapRangeNm, 50);
  at(pd::kFullArcButtons, true);
  EXPECT_TRUE(s.mapOn);
  at(pd::kFullArcButtons, false);
  EXPECT_FALSE(s.mapOn);
  EXPECT_FALSE(s.arcMode);
  at(pd::kGspdTtgButton, false);
  EXPECT_TRUE(s.timeToGo);
  at(pd::kBearing1Knob, true);
  EXPECT_EQ(s.bearingSource1, 2);
  at(pd::kBearing2Knob, false);
  EXPECT_EQ(s.bearingSource2, 0);
  at(pd::kDhAdiDimKnob, true);
  EXPECT_EQ(s.decisionHeightFt, 10);
  at(pd::kDhAdiDimKnob, false, abi::kMouseRightSingle);
  EXPECT_NEAR(s.adiDim, 0.95, 1e-12);
  at(pd::kHsiDimKnob, false);
  EXPECT_NEAR(s.hsiDim, 0.95, 1e-12);
  EXPECT_EQ(s.decisionHeightFt, 10) << "the right button dims; it sets no decision height";
}

// Counts which operations the EFIS controls were asked for.
struct EfisSpy final : displays::EfisControls {
  const displays::EfisSettings& settings() const override { return held; }
  void stepMapRange(int d) override { calls += "range" + std::to_string(d) + " "; }
  void pressMap() override { calls += "map "; }
  void pressArc() override { calls += "arc "; }
  void toggleTimeToGo() override { calls += "ttg "; }
  void stepBearingSource(int p, int d) override { calls += "brg" + std::to_string(p) + std::to_string(d) + " "; }
  void stepDecisionHeight(int d) override { calls += "dh" + std::to_string(d) + " "; }
  void stepAdiDim(int d) override { calls += "adi" + std::to_string(d) + " "; }
  void stepHsiDim(int d) override { calls += "hsi" + std::to_string(d) + " "; }
  displays::EfisSettings held;
  std::string calls;
};

// Every switch and knob is a day image with its night twin at the same place; the panel lights
// choose which one shows (the night images), and both show the same position.
TEST_F(PedestalGauge, SwitchImagesComeInDayAndNightPairsThatFollowThePanelLights) {
  const auto pairsOf = [](abi::GaugeHeader& g) {
    std::vector<abi::ElementHeader*> children;
    for (abi::ElementHeader* const* e = g.elements[0]->children; *e != nullptr; ++e) children.push_back(*e);
    std::vector<std::pair<abi::ElementHeader*, abi::ElementHeader*>> pairs;
    for (abi::ElementHeader* day : children) {
      for (const layout::SwitchImages* art :
           {&pd::kRadarSwitchArt, &pd::kAudioSwitchArt, &pd::kTransmitSelectArt, &pd::kKnobArt}) {
        if (day->resourceId != art->dayId) continue;
        const auto night = std::find_if(children.begin(), children.end(), [&](abi::ElementHeader* n) {
          return n->resourceId == art->nightId && n->position.x == day->position.x && n->position.y == day->position.y;
        });
        EXPECT_NE(night, children.end()) << day->resourceId;
        if (night != children.end()) pairs.emplace_back(day, *night);
      }
    }
    return pairs;
  };
  const auto pairs = pairsOf(gauge_Pedestal);
  ASSERT_EQ(pairs.size(), 1u + 1u + 7u + 5u) << "radar, transmit select, audio switches, EFIS knobs";
  EXPECT_EQ(pairsOf(gauge_Pedestal_V_WXR).size(), 7u);

  frame::AircraftState& a = *frame::aircraft();
  a.link.samples.audioPanel[1] = true;  // COM 2 transmits
  a.link.samples.audioPanel[5] = true;  // DME 1 heard
  for (bool night : {false, true}) {
    host.setNightLighting(night);
    ASSERT_EQ(a.nightImages(), night);
    a.link.samples.audioPanel[1] = true;
    a.link.samples.audioPanel[5] = true;
    std::vector<int> shown;
    for (auto [day, nightImage] : pairs) {
      const double d = testing::applyFirstValue(day, host.values);
      EXPECT_EQ(testing::applyFirstValue(nightImage, host.values), d);
      EXPECT_EQ((day->imageFlags & abi::kImageHidden) != 0, night);
      EXPECT_EQ((nightImage->imageFlags & abi::kImageHidden) != 0, !night);
      shown.push_back(static_cast<int>(d));
    }
    // Radar on, transmit on COM 2 (right), the audio switches, then the knobs.
    EXPECT_EQ(std::vector<int>(shown.begin(), shown.begin() + 9), (std::vector<int>{1, 2, 0, 0, 0, 0, 1, 0, 0}))
        << "night " << night;
  }
}

TEST(PedestalEfisControls, EachControlCallsItsOperationWithTheClickItMakes) {
  EfisSpy spy;
  xaq::testing::RecordingEffects fx;
  using C = pd::EfisControl;
  pd::operateEfis(spy, C::kMapRange, +1, false, fx);
  pd::operateEfis(spy, C::kMap, 0, false, fx);
  pd::operateEfis(spy, C::kArc, 0, false, fx);
  pd::operateEfis(spy, C::kTimeToGo, 0, false, fx);
  pd::operateEfis(spy, C::kBearing1, -1, false, fx);
  pd::operateEfis(spy, C::kBearing2, +1, false, fx);
  pd::operateEfis(spy, C::kDhOrAdiDim, +1, false, fx);
  pd::operateEfis(spy, C::kDhOrAdiDim, -1, true, fx);
  pd::operateEfis(spy, C::kHsiDim, +1, false, fx);
  EXPECT_EQ(spy.calls, "range1 map arc ttg brg1-1 brg21 dh1 adi-1 hsi1 ");
  std::vector<int> slots;
  for (const auto& s : fx.sounds) slots.push_back(s.slot);
  EXPECT_EQ(slots, (std::vector<int>{26, 26, 26, 26, 25, 25, 25, 25, 25}));
}

TEST(PedestalKnobImages, ShowThePanelsSettings) {
  displays::EfisSettings s;
  s.mapRangeNm = 300;
  s.bearingSource2 = 4;
  s.arcMode = true;
  s.hsiDim = 0.0;
  EXPECT_EQ(pd::efisKnobPosition(s, 0), 7);
  EXPECT_EQ(pd::efisKnobPosition(s, 1), 1);
  EXPECT_EQ(pd::efisKnobPosition(s, 4), 4);
  EXPECT_EQ(pd::efisKnobPosition(s, 5), 7);
  EXPECT_EQ(pd::efisKnobPosition(s, 6), 0);
  s.mapRangeNm = 5;
  s.mapOn = true;
  EXPECT_EQ(pd::efisKnobPosition(s, 0), 0);
  EXPECT_EQ(pd::efisKnobPosition(s, 1), 2);
  EXPECT_EQ(pd::efisKnobPosition(s, 9), 0);
}

TEST(PedestalHandles, StayInTheirSlotsWhateverTheHostSays) {
  EXPECT_EQ(pd::powerHandleOffset(16383), 0.0);
  EXPECT_EQ(pd::powerHandleOffset(-8191), pd::kPowerTravel - pd::kPowerHandleSize.height);
  EXPECT_EQ(pd::powerHandleOffset(99999), 0.0);
  EXPECT_EQ(pd::conditionHandleOffset(-4096), pd::kConditionTravel - pd::kConditionHandleSize.height);
  EXPECT_EQ(pd::flapHandleOffset(0), 0.0);
  EXPECT_EQ(pd::flapHandleOffset(std::nan("")), pd::kFlapSelector.h - pd::kFlapHandleSize.height);
  EXPECT_EQ(pd::trimPointerOffset(0), 0.0);
  EXPECT_LT(pd::trimPointerOffset(16383), 0.0) << "nose-up trim moves the pointer up";
}

}  // namespace
}  // namespace xaq::gauges
