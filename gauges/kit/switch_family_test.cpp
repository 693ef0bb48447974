// The switch family through a small panel of its own: a toggle, a selector, a light and a host
// event strip, driven the way the host drives them.

#include "gauges/kit/switch_family.h"

#include <gtest/gtest.h>

#include "frame/aircraft_state.h"
#include "frame/test_host.h"
#include "gauges/kit/testing/gauge_tester.h"

namespace xaq::gauges::family {
namespace {

using R = systems::PanelSwitchRecord;

extern abi::GaugeHeader gTestPanel;

constexpr layout::SwitchImages kToggleArt{100, 110, layout::SwitchLook::kToggle, 2, {20, 30}};
constexpr layout::SwitchImages kLightArt{120, 0, layout::SwitchLook::kLight, 2, {20, 10}, nullptr, "ON", 0xFFFFFF};

int busTie(const frame::AircraftState& a) { return a.switches.state().mainBusTie; }
int loadMonitor(const frame::AircraftState& a) { return a.switches.state().loadMonitor; }
void toggleBusTie(frame::AircraftState& a, Effects& e) { a.switches.toggle(&R::mainBusTie, e); }
void loadDown(frame::AircraftState& a, Effects& e) { a.switches.stepDown(&R::loadMonitor, e); }
void loadUp(frame::AircraftState& a, Effects& e) { a.switches.stepUp(&R::loadMonitor, e); }

constinit std::array<abi::IconElement, 2> busTieImages =
    switchPair(&gTestPanel, kToggleArt, {10, 10}, &dayImage<busTie>, &nightImage<busTie>);
constinit std::array<abi::IconElement, 1> lights = {
    light(&gTestPanel, kLightArt, {40, 10}, &lightImage<busTie>)};
constinit auto children = elementList(busTieImages, lights);
constinit abi::StaticImageElement background = staticImage(&gTestPanel, 99, {0, 0}, children.data());
abi::ElementHeader* const elements[] = {&background.header, nullptr};

constexpr Control kControls[] = {
    {{10, 10, 20, 30}, "Main bus tie switch", Areas::kOne, &operate<toggleBusTie>},
    {{40, 40, 30, 20}, "Load monitor selector", Areas::kLeftRight, &operate<loadDown>, &operate<loadUp>, kRepeat},
    {{80, 40, 20, 30}, "Load monitor selector", Areas::kLowerUpper, &operate<loadDown>, &operate<loadUp>},
    hostEventStrip({0, 90, 100, 10}, 65674),
};
constinit auto mouse = mouseTable<mouseRecordCount(kControls)>(kControls);

abi::GaugeHeader gTestPanel = gaugeHeader("TestPanel", elements, mouse.data(), &quietGaugeCallback);

class SwitchFamily : public ::testing::Test {
 protected:
  void SetUp() override { Linkage.moduleInit(); }
  void TearDown() override { Linkage.moduleDeinit(); }
  frame::AircraftState& a() { return *aircraft(); }
  double value(abi::ElementHeader& e) { return gauges::testing::applyFirstValue(&e, host.values); }
  frame::testing::TestHost host;
};

TEST_F(SwitchFamily, ShowsTheDayOrTheNightImageAtTheSwitchPosition) {
  host.setNightLighting(false);
  Effects e = a().effects();
  toggleBusTie(a(), e);
  EXPECT_EQ(value(busTieImages[0].header), 1.0);
  EXPECT_EQ(value(busTieImages[1].header), 1.0);
  EXPECT_FALSE(busTieImages[0].header.imageFlags & abi::kImageHidden);
  EXPECT_TRUE(busTieImages[1].header.imageFlags & abi::kImageHidden);

  host.setNightLighting(true);
  ASSERT_TRUE(a().nightImages());
  value(busTieImages[0].header);
  value(busTieImages[1].header);
  EXPECT_TRUE(busTieImages[0].header.imageFlags & abi::kImageHidden);
  EXPECT_FALSE(busTieImages[1].header.imageFlags & abi::kImageHidden);
}

// Without the add-on the daylight comes from the sun at the host's place, date and time: on the
// equator at midnight the lit panel shows night images, at noon (the next minute the host
// reports) the day images come back with the lighting still on.
TEST_F(SwitchFamily, WithoutTheAddOnTheSunAtTheHostsTimeDecidesBetweenDayAndNightImages) {
  host.setNightLighting(true);
  ASSERT_TRUE(a().nightImages());
  value(busTieImages[1].header);
  EXPECT_FALSE(busTieImages[1].header.imageFlags & abi::kImageHidden);
  host.values[3] = 12;
  host.timer.fire();
  EXPECT_TRUE(a().nightImages()) << "the sun is worked out again only when the minute changes";
  host.values[4] = host.values[4] + 1;
  host.timer.fire();
  EXPECT_FALSE(a().nightImages());
  value(busTieImages[1].header);
  EXPECT_TRUE(busTieImages[1].header.imageFlags & abi::kImageHidden);
}

TEST_F(SwitchFamily, LightsAreDarkWithoutPowerAndTheImagesQuietWithoutAnAircraft) {
  Effects e = a().effects();
  toggleBusTie(a(), e);
  host.timer.fire();
  ASSERT_TRUE(dcPowerAvailable(a())) << "the batteries are on at the start";
  EXPECT_EQ(value(lights[0].header), 1.0);
  a().switches.switchOff();
  host.timer.fire();
  ASSERT_FALSE(dcPowerAvailable(a()));
  EXPECT_EQ(value(lights[0].header), 0.0);
  Linkage.moduleDeinit();
  EXPECT_EQ(value(lights[0].header), 0.0);
  EXPECT_EQ(value(busTieImages[0].header), 0.0);
  EXPECT_EQ(gauges::testing::clickGauge(gTestPanel, 15, 15).hit, true) << "a click without an aircraft is harmless";
}

TEST_F(SwitchFamily, TheMouseTableGroupsEachControlWithItsTooltipAndHalves) {
  std::vector<int> kinds;
  for (abi::MouseRecord* r = gTestPanel.mouseTable; r->kind != abi::kMouseEnd; ++r) kinds.push_back(r->kind);
  EXPECT_EQ(kinds, (std::vector<int>{1, 1, 4, 2, 3, 1, 4, 2, 2, 3, 1, 4, 2, 2, 3, 2, 3}));
  const abi::MouseRecord* t = gTestPanel.mouseTable;
  EXPECT_EQ(t[3].cursor, abi::kCursorHand);
  EXPECT_EQ(t[7].cursor, abi::kCursorDown);
  EXPECT_EQ(t[7].width, 15);
  EXPECT_EQ(t[8].cursor, abi::kCursorUp);
  EXPECT_EQ(t[8].x, 55);
  EXPECT_EQ(t[8].flags, 0x20200000u);
  EXPECT_EQ(t[12].cursor, abi::kCursorUp) << "the upper half increases";
  EXPECT_EQ(t[12].height, 15);
  EXPECT_EQ(t[13].y, 55);
  EXPECT_EQ(t[15].target.callback, nullptr);
  EXPECT_EQ(t[15].eventOrCount, 65674u);
}

TEST_F(SwitchFamily, ClicksMoveTheSwitchesAndTheStripReportsItsHostEvent) {
  using gauges::testing::clickGauge;
  clickGauge(gTestPanel, 15, 15);
  EXPECT_EQ(a().switches.state().mainBusTie, 1);
  clickGauge(gTestPanel, 60, 45);
  clickGauge(gTestPanel, 60, 45);
  EXPECT_EQ(a().switches.state().loadMonitor, 2);
  clickGauge(gTestPanel, 41, 45);
  EXPECT_EQ(a().switches.state().loadMonitor, 1);
  clickGauge(gTestPanel, 90, 45);
  EXPECT_EQ(a().switches.state().loadMonitor, 2) << "upper half of the vertical pair";
  clickGauge(gTestPanel, 90, 65);
  EXPECT_EQ(a().switches.state().loadMonitor, 1);
  const gauges::testing::ClickResult strip = clickGauge(gTestPanel, 50, 95);
  EXPECT_TRUE(strip.hit);
  EXPECT_EQ(strip.hostEvent, 65674u);
  EXPECT_EQ(loadMonitor(a()), 1);
}

}  // namespace
}  // namespace xaq::gauges::family
