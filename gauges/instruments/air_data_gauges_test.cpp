// The air-data and standby instruments through their tables and callbacks, the way the host
// drives them: the needles on their scales and limiters, the drums, the windows blank without
// power, the alert light, the knobs and the tooltips.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "frame/module_lifecycle.h"
#include "frame/test_host.h"
#include "gauges/instruments/air_data_layout.h"
#include "gauges/kit/testing/gauge_tester.h"

namespace xaq::gauges {
namespace {

using testing::applyFirstValue;
using testing::childrenOf;
using testing::clickGauge;

double angleDeg(abi::PixPoint pivot, abi::PixPoint p) {
  const double a = std::atan2(p.x - pivot.x, -(p.y - pivot.y)) * 180.0 / 3.14159265358979323846;
  return a < 0 ? a + 360.0 : a;
}

abi::ElementHeader* withId(abi::GaugeHeader& g, std::uint32_t id, int nth = 0) {
  for (abi::ElementHeader* e : childrenOf(g)) {
    if (e->resourceId == id && nth-- == 0) return e;
  }
  return nullptr;
}

abi::ElementHeader* nthOfKind(abi::GaugeHeader& g, abi::ElementKind kind, int nth) {
  for (abi::ElementHeader* e : childrenOf(g)) {
    if (e->kind == kind && nth-- == 0) return e;
  }
  return nullptr;
}

class AirData : public ::testing::Test {
 protected:
  void SetUp() override { Linkage.moduleInit(); }
  void TearDown() override { Linkage.moduleDeinit(); }
  frame::AircraftState& a() { return *frame::aircraft(); }

  // A cycle at time t, then the element as the host applies it.
  double at(double t, abi::ElementHeader* e) {
    host.values[604] = t;
    host.timer.fire();
    return applyFirstValue(e, host.values);
  }
  // The element after its limiter has had long enough to settle.
  double settled(abi::ElementHeader* e) {
    at(clock_ += 60.0, e);
    return at(clock_ += 60.0, e);
  }
  // A drum's or strip's moving axis (y; the compass card's x).
  double moving(double t, abi::ElementHeader* e, int axis = 1) {
    host.values[604] = t;
    host.timer.fire();
    const abi::ElementAxes axes = abi::elementAxes(e);
    return abi::applyAxis(axes.axis[axis], e, [&](abi::HostVarRecord& r) {
      auto found = host.values.find(r.id);
      r.value = found != host.values.end() ? found->second : 0.0;
    });
  }
  std::string text(abi::ElementHeader* e) {
    auto* s = abi::elementAs<abi::StringElement>(e);
    std::array<char, 32> buffer{};
    buffer.fill('#');
    s->text = buffer.data();
    applyFirstValue(e, host.values);
    s->text = nullptr;
    return buffer.data();
  }
  static std::string tooltip(abi::MouseRecord& r, double hostValue) {
    abi::TooltipArgument& arg = r.data.arguments[0];
    arg.variable.value = hostValue;
    return arg.stringCallback(0.0, arg.variable.id, r.target.tooltipText, &arg.variable, nullptr);
  }
  void cutPower() {
    Effects e = a().effects();
    a().switches.toggle(&systems::PanelSwitchRecord::batteryMaster, e);
    at(clock_ += 0.056, nullptr);
    at(clock_ += 0.056, nullptr);
  }

  frame::testing::TestHost host;
  double clock_ = 1000.0;
};

TEST(AirDataTables, TheScalesSitAtTheGivenAnglesOnEveryVariant) {
  struct Dial {
    abi::GaugeHeader* gauge;
    std::uint32_t needle;
    std::vector<double> angles;
  } dials[] = {
      {&gauge_Airspeed, 8026, {0.0, 29.0, 75.0, 120.4, 166.5, 212.2, 255.6, 302.2, 347.5}},
      {&gauge_Airspeed_V, 8026, {0.0, 29.0, 75.0, 120.4, 166.5, 212.2, 255.6, 302.2, 347.5}},
      {&gauge_VSI, 8061, {100.0, 129.1, 160.8, 201.5, 232.6, 270.0, 307.4, 338.5, 19.2, 51.6, 80.0}},
      {&gauge_PFCS, 8122, {140.5, 180.0, 219.5}},
      {&gauge_TurnSlip_V, 8211, {330.7, 346.9, 0.0, 13.1, 28.8}},
  };
  for (const Dial& d : dials) {
    auto* n = abi::elementAs<abi::NeedleElement>(withId(*d.gauge, d.needle));
    ASSERT_NE(n, nullptr) << d.gauge->name;
    ASSERT_EQ(n->scaleCount, d.angles.size()) << d.gauge->name;
    for (std::size_t i = 0; i < d.angles.size(); ++i) {
      EXPECT_NEAR(angleDeg(n->header.position, n->scale[i].point), d.angles[i], 0.06) << d.gauge->name << " " << i;
    }
  }
  auto* g = abi::elementAs<abi::NeedleElement>(withId(gauge_Airspeed_G, 8026));
  EXPECT_NEAR(angleDeg(g->header.position, g->scale[0].point), 4.8, 0.05);
  EXPECT_NEAR(angleDeg(g->header.position, g->scale[8].point), 347.3, 0.05);
  // The spoilers: 0 and full deflection at their angles.
  const double spoilers[4][2] = {{270.0, 340.5}, {268.3, 338.2}, {91.7, 21.8}, {91.7, 19.5}};
  for (int i = 0; i < 4; ++i) {
    auto* s = abi::elementAs<abi::NeedleElement>(withId(gauge_PFCS, 8121, i));
    ASSERT_NE(s, nullptr);
    for (int k = 0; k < 2; ++k) {
      EXPECT_NEAR(angleDeg(s->header.position, s->scale[k].point), spoilers[i][k], 0.05) << i << " " << k;
    }
  }
}

TEST(AirDataTables, TwinsShareTheCallbacksAndLeaveOutTheLightingOverlay) {
  struct Pair {
    abi::GaugeHeader *main, *twin;
  } pairs[] = {{&gauge_Airspeed, &gauge_Airspeed_V}, {&gauge_Altimeter, &gauge_Altimeter_V},
               {&gauge_VSI, &gauge_VSI_V},           {&gauge_PFCS, &gauge_PFCS_V},
               {&gauge_StandbyAlt, &gauge_StandbyAlt_V}, {&gauge_TurnSlip, &gauge_TurnSlip_V}};
  for (const Pair& p : pairs) {
    const auto mainParts = childrenOf(*p.main), twinParts = childrenOf(*p.twin);
    ASSERT_EQ(mainParts.size(), twinParts.size() + 1) << p.main->name;
    EXPECT_EQ(mainParts[0]->kind, abi::kIcon) << "the overlay comes first";
    for (std::size_t i = 0; i < twinParts.size(); ++i) {
      EXPECT_EQ(abi::elementAxes(mainParts[i + 1]).axis[0].callback, abi::elementAxes(twinParts[i]).axis[0].callback)
          << p.main->name << " " << i;
    }
    EXPECT_NE(p.main->elements[0]->resourceId, p.twin->elements[0]->resourceId);
  }
}

TEST(AirDataWithoutAircraft, EveryCallbackReturnsZeroAndTheKnobsDoNothing) {
  frame::testing::TestHost host;
  host.values[61] = 250;
  host.values[74] = 5000;
  for (abi::GaugeHeader* g : {&gauge_Airspeed, &gauge_Altimeter, &gauge_VSI, &gauge_Compass_V}) {
    for (abi::ElementHeader* e : childrenOf(*g)) {
      if (e->kind != abi::kString) {
        EXPECT_EQ(applyFirstValue(e, host.values), 0.0) << g->name;
      }
    }
  }
  clickGauge(gauge_Altimeter, 15, 180);
  EXPECT_TRUE(host.events.empty());
  abi::TooltipArgument& arg = gauge_Airspeed.mouseTable[1].data.arguments[0];
  EXPECT_STREQ(arg.stringCallback(250.0, 61, "", &arg.variable, nullptr), "") << "a text the host can copy";
}

TEST_F(AirData, TheAirspeedNeedlesFollowAirspeedVmoAndBugAtTheirRateWhateverTheFrameTime) {
  abi::ElementHeader* speed = withId(gauge_Airspeed, 8026);
  host.values[61] = 0;
  settled(speed);
  for (double dt : {0.028, 0.056, 0.3, 6.0}) {
    host.values[61] = 0;
    settled(speed);
    host.values[61] = 450;
    EXPECT_NEAR(at(clock_ += dt, speed), std::min(400.0, 400.0 * dt), 1e-9) << dt;
    EXPECT_DOUBLE_EQ(settled(speed), 400.0) << "450 kt stands at the 400-kt point";
  }
  host.values[74] = 19500;
  EXPECT_NEAR(settled(withId(gauge_Airspeed_G, 8025)), 228.5, 1e-6);
  EXPECT_NEAR(settled(withId(gauge_Airspeed_V, 8027)), 180.0, 1e-9) << "the bug at its default";
  host.values[61] = 10;
  auto* strip = nthOfKind(gauge_Airspeed, abi::kMovingImage, 0);
  ASSERT_NE(strip, nullptr);
  EXPECT_DOUBLE_EQ(moving(clock_, strip), 18.0);
}

TEST_F(AirData, TheBugKnobHalvesStepTheBugBy5WithinZeroAnd400OnAllThreeGauges) {
  struct Knob {
    abi::GaugeHeader* gauge;
    layout::Rect down, up;
  } knobs[] = {{&gauge_Airspeed, air_data::kAirspeed.knobDown, air_data::kAirspeed.knobUp},
               {&gauge_Airspeed_V, air_data::kAirspeedTwin.knobDown, air_data::kAirspeedTwin.knobUp},
               {&gauge_Airspeed_G, air_data::kAirspeedG.knobDown, air_data::kAirspeedG.knobUp}};
  for (const Knob& k : knobs) {
    const int before = a().airspeedBug.bugKt();
    ASSERT_TRUE(clickGauge(*k.gauge, k.up.x + 2, k.up.y + 2).hit) << k.gauge->name;
    EXPECT_EQ(a().airspeedBug.bugKt(), before + 5);
    ASSERT_TRUE(clickGauge(*k.gauge, k.down.x + 2, k.down.y + 2).hit);
    ASSERT_TRUE(clickGauge(*k.gauge, k.down.x + 2, k.down.y + 2).hit);
    EXPECT_EQ(a().airspeedBug.bugKt(), before - 5);
    const abi::MouseRecord* down = abi::mouseAreaAt(k.gauge->mouseTable, {k.down.x + 1, k.down.y + 1}, abi::kMouseLeftSingle);
    EXPECT_EQ(down->flags, 0x20200000u);
    EXPECT_EQ(down->cursor, abi::kCursorDown);
  }
  for (int i = 0; i < 100; ++i) clickGauge(gauge_Airspeed, 20, 240);
  EXPECT_EQ(a().airspeedBug.bugKt(), 400);
  for (int i = 0; i < 100; ++i) clickGauge(gauge_Airspeed, 5, 240);
  EXPECT_EQ(a().airspeedBug.bugKt(), 0);
}

TEST_F(AirData, TheAltimeterNeedleTurnsOnThroughEachThousandAndTheDrumsRollOver) {
  abi::ElementHeader* needle = withId(gauge_Altimeter, 8041);
  host.values[74] = 980;
  EXPECT_DOUBLE_EQ(settled(needle), 980.0);
  host.values[74] = 1020;
  EXPECT_NEAR(at(clock_ += 0.075, needle), 10.0, 1e-6) << "30 ft on past the thousand, not back round the dial";
  EXPECT_DOUBLE_EQ(settled(needle), 20.0);
  host.values[74] = 12995;  // the drums read tens of feet: 1299.5
  EXPECT_NEAR(moving(clock_, nthOfKind(gauge_Altimeter, abi::kMovingImage, 0)), 9.5, 1e-9);
  EXPECT_NEAR(moving(clock_, nthOfKind(gauge_Altimeter, abi::kMovingImage, 1)), 9.5, 1e-9);
  EXPECT_NEAR(moving(clock_, nthOfKind(gauge_Altimeter, abi::kMovingImage, 2)), 2.5, 1e-9);
  EXPECT_NEAR(moving(clock_, nthOfKind(gauge_StandbyAlt, abi::kMovingImage, 1)), 1.0, 1e-9);
}

TEST_F(AirData, TheBaroWindowsAndTheAlertLightNeedInstrumentPower) {
  host.values[75] = 1013.25;
  host.values[76] = 29.92;
  at(clock_, nullptr);
  abi::ElementHeader* millibars = nthOfKind(gauge_Altimeter, abi::kString, 0);
  EXPECT_EQ(text(millibars), "1013");
  EXPECT_EQ(text(nthOfKind(gauge_Altimeter, abi::kString, 1)), "2992");
  EXPECT_EQ(abi::elementAs<abi::StringElement>(millibars)->foreground, 0x00F0F0F0u);
  EXPECT_EQ(text(nthOfKind(gauge_StandbyAlt_V, abi::kString, 0)), "1013");
  abi::ElementHeader* alert = withId(gauge_Altimeter, 8050);
  a().altitudePreselector.step(+1, true);  // 1000 ft
  a().altitudePreselector.step(+1, true);  // 2000 ft
  const double preselect = a().altitudePreselector.valueFt();
  host.values[74] = preselect - 500;
  EXPECT_EQ(at(clock_, alert), 1.0);
  host.values[74] = preselect - 250;
  EXPECT_EQ(at(clock_, alert), 0.0);
  host.values[74] = preselect + 1000;
  EXPECT_EQ(at(clock_, alert), 0.0);
  host.values[74] = preselect - 500;
  cutPower();
  EXPECT_EQ(text(millibars), "");
  EXPECT_EQ(applyFirstValue(alert, host.values), 0.0);
}

TEST_F(AirData, TheBaroKnobsSendTheHostsAltimeterEvents) {
  for (abi::GaugeHeader* g : {&gauge_Altimeter, &gauge_Altimeter_V}) {
    host.events.clear();
    ASSERT_TRUE(clickGauge(*g, 15, 180).hit);
    ASSERT_TRUE(clickGauge(*g, 40, 180).hit);
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> sent = {{65884, 1}, {65883, 1}};
    EXPECT_EQ(host.events, sent) << g->name;
  }
  for (abi::GaugeHeader* g : {&gauge_StandbyAlt, &gauge_StandbyAlt_V}) {
    host.events.clear();
    ASSERT_TRUE(clickGauge(*g, 175, 110).hit);
    ASSERT_TRUE(clickGauge(*g, 195, 110).hit);
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> sent = {{65884, 1}, {65883, 1}};
    EXPECT_EQ(host.events, sent) << g->name;
  }
}

TEST_F(AirData, VsiTurnAndPfcsNeedlesHoldTheirScaleEnds) {
  host.values[65] = -6000;
  EXPECT_DOUBLE_EQ(settled(withId(gauge_VSI, 8061)), -4000.0);
  host.values[70] = 1500;
  EXPECT_DOUBLE_EQ(settled(withId(gauge_TurnSlip, 8211)), 1200.0);
  host.values[786] = -2.0;
  EXPECT_DOUBLE_EQ(settled(withId(gauge_PFCS, 8122)), 1.0);
  host.values[784] = -0.3141592;
  host.values[61] = 141;  // the sampled airspeed: above the outboard spoilers' lockout
  EXPECT_DOUBLE_EQ(settled(withId(gauge_PFCS, 8121, 0)), 0.0) << "left outboard locked out";
  EXPECT_DOUBLE_EQ(settled(withId(gauge_PFCS, 8121, 1)), 1.0) << "left inboard up";
  host.values[61] = 139;
  EXPECT_DOUBLE_EQ(settled(withId(gauge_PFCS_V, 8121, 0)), 1.0);
  EXPECT_DOUBLE_EQ(settled(withId(gauge_PFCS, 8121, 2)), 0.0) << "the up-going wing's spoilers stay down";
}

TEST_F(AirData, TheCompassCardTurnsTheShortWayAndRestsAtZeroForAHeadingOffTheCard) {
  abi::ElementHeader* card = nthOfKind(gauge_Compass_V, abi::kMovingImage, 0);
  host.values[83] = 350;
  EXPECT_DOUBLE_EQ(settled(card), 10.0);
  host.values[83] = 10;
  EXPECT_NEAR(at(clock_ += 0.025, card), 360.0, 1e-9) << "through north, not back round";
  EXPECT_NEAR(settled(card), 350.0, 1e-9);
  host.values[83] = 400;
  EXPECT_EQ(at(clock_, card), 0.0);
}

TEST_F(AirData, TooltipsReadTheHostsValues) {
  EXPECT_EQ(tooltip(gauge_Airspeed.mouseTable[1], 162.5), "Airspeed indicator: 163 knots");
  EXPECT_EQ(tooltip(gauge_Altimeter.mouseTable[1], 12345), "Altimeter: 12350 FT");
  EXPECT_EQ(tooltip(gauge_Altimeter.mouseTable[3], 1013.25), "Baro setting: 1013 MB / 29.92 In HG");
  EXPECT_EQ(tooltip(gauge_StandbyAlt_V.mouseTable[1], 995), "Standby Altimeter: 1000 FT");
  EXPECT_EQ(tooltip(gauge_VSI_V.mouseTable[1], -1300), "Vertical speed indicator: -1300 feet/min");
  EXPECT_STREQ(gauge_PFCS.mouseTable[1].target.tooltipText, "Powered Flight Control Surfaces Indicator");
  EXPECT_STREQ(gauge_TurnSlip.mouseTable[1].target.tooltipText, "Turn and slip indicator");
}

}  // namespace
}  // namespace xaq::gauges
