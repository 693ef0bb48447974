// The glareshield gauges through their tables and callbacks, the way the host drives them: the
// tooltips as the crew reads them, the lights dark without power, the advisory lines and flash
// overlays, the switchlights on either panel and the altitude preselector's knob and readouts.

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "frame/module_lifecycle.h"
#include "frame/test_host.h"
#include "gauges/glareshield/altsel_layout.h"
#include "gauges/glareshield/autopilot_layout.h"
#include "gauges/glareshield/switchlights_layout.h"
#include "gauges/kit/testing/gauge_tester.h"

namespace xaq::gauges {
namespace {

using gauges::testing::clickGauge;

using gauges::testing::groupsOf;

// The tooltip of the gauge's outer group (empty without one).
std::string outerTooltip(abi::GaugeHeader& g) {
  const abi::MouseRecord& second = g.mouseTable[1];
  return second.kind == abi::kMouseTooltip ? second.target.tooltipText : "";
}

int areaCount(abi::GaugeHeader& g) {
  int n = 0;
  for (abi::MouseRecord* r = g.mouseTable; r->kind != abi::kMouseEnd; ++r) n += r->kind == abi::kMouseArea ? 1 : 0;
  return n;
}

abi::ElementHeader* child(abi::GaugeHeader& g, int i) { return g.elements[0]->children[i]; }

// Every bitmap a gauge's tree names, icons with all their images.
void bitmapsOf(abi::ElementHeader* e, std::set<std::uint32_t>& ids) {
  if (e->resourceId != 0) {
    const int count = e->kind == abi::kIcon ? abi::elementAs<abi::IconElement>(e)->iconCount : 1;
    for (int i = 0; i < count; ++i) ids.insert(e->resourceId + static_cast<std::uint32_t>(i));
  }
  for (abi::ElementHeader* const* c = e->children; c != nullptr && *c != nullptr; ++c) bitmapsOf(*c, ids);
}

abi::GaugeHeader* const kGlareshieldGauges[] = {&gauge_autopilot, &gauge_autopilot_V, &gauge_Advisory,
                                                &gauge_AdvisoryV, &gauge_Annunciators, &gauge_Annunciators_V,
                                                &gauge_AltSel, &gauge_AltSelector_V};

TEST(GlareshieldTables, TheGuidanceControllerCarriesEveryButtonWithItsTooltip) {
  EXPECT_EQ(outerTooltip(gauge_autopilot), "Guidance controller");
  const std::vector<gauges::testing::Group> groups = groupsOf(gauge_autopilot);
  const std::vector<std::string> expected = {
      "HSI select",  "NAV source selection side", "NAV source: VOR/LOC", "NAV source: FMS", "Heading select",
      "NAV",         "ILS approach",              "Back course hold",    "Indicated airspeed hold",
      "Vertical speed hold", "Altitude hold",     "Altitude preselect",  "Autopilot", "Yaw damper", "Standby",
      "Pitch wheel"};
  ASSERT_EQ(groups.size(), expected.size());
  for (std::size_t i = 0; i < groups.size(); ++i) {
    EXPECT_EQ(groups[i].tooltip, expected[i]);
    if (groups[i].tooltip == "Pitch wheel") {
      ASSERT_EQ(groups[i].areas.size(), 2u);
      for (abi::MouseRecord* r : groups[i].areas) EXPECT_EQ(r->flags, 0x20200000u) << "repeats while held";
      // The upper half (NOSE DN) above the lower (NOSE UP), together the wheel.
      EXPECT_LT(groups[i].areas[0]->y, groups[i].areas[1]->y);
      EXPECT_EQ(groups[i].areas[0]->height + groups[i].areas[1]->height, 76);
    } else {
      ASSERT_EQ(groups[i].areas.size(), 1u) << groups[i].tooltip;
      EXPECT_EQ(groups[i].areas[0]->flags, 0x20000000u) << groups[i].tooltip;
      EXPECT_EQ(groups[i].areas[0]->cursor, abi::kCursorHand);
    }
    for (abi::MouseRecord* r : groups[i].areas) {
      EXPECT_GE(r->x, 0);
      EXPECT_LE(r->x + r->width, glareshield::kAutopilotSize.width);
      EXPECT_LE(r->y + r->height, glareshield::kAutopilotSize.height);
    }
  }
  // Nothing is clickable on the dead MLS button.
  EXPECT_FALSE(clickGauge(gauge_autopilot, glareshield::kMlsButton.x + 5, glareshield::kMlsButton.y + 5).hit);
}

TEST(GlareshieldTables, TheTwinsHaveNoAreasAndEveryBitmapIsTheGlareshieldsOwn) {
  EXPECT_EQ(areaCount(gauge_autopilot), 17);
  EXPECT_EQ(areaCount(gauge_Annunciators), 5);
  EXPECT_EQ(areaCount(gauge_AltSel), 2);
  for (abi::GaugeHeader* g : {&gauge_autopilot_V, &gauge_Annunciators_V, &gauge_AltSelector_V, &gauge_Advisory,
                              &gauge_AdvisoryV}) {
    EXPECT_EQ(areaCount(*g), 0) << g->name;
  }
  EXPECT_EQ(outerTooltip(gauge_Advisory), "Advisory display");
  EXPECT_EQ(outerTooltip(gauge_AdvisoryV), "Advisory display");
  std::set<std::uint32_t> all;
  for (abi::GaugeHeader* g : kGlareshieldGauges) {
    std::set<std::uint32_t> ids;
    bitmapsOf(g->elements[0], ids);
    for (std::uint32_t id : ids) {
      EXPECT_GE(id, 18500u) << g->name;
      EXPECT_LT(id, 19500u) << g->name;
    }
    EXPECT_NE(g->elements[0]->resourceId, 0u) << g->name;
    all.insert(g->elements[0]->resourceId);
  }
  EXPECT_EQ(all.size(), 8u) << "every gauge has a background of its own";
  // The AltSel knob: left or right button, repeating, at its two rectangles.
  for (abi::MouseRecord* r = gauge_AltSel.mouseTable; r->kind != abi::kMouseEnd; ++r) {
    if (r->kind == abi::kMouseArea) {
      EXPECT_EQ(r->flags, 0xA0200000u);
    }
  }
}

class Glareshield : public ::testing::Test {
 protected:
  void SetUp() override { Linkage.moduleInit(); }
  void TearDown() override { Linkage.moduleDeinit(); }

  frame::AircraftState& aircraft() { return *frame::aircraft(); }
  void cycles(int n, double dtS = 0.056) {
    for (int i = 0; i < n; ++i) {
      host.values[604] += dtS;
      host.timer.fire();
    }
  }
  void cutPower() {
    Effects e = aircraft().effects();
    aircraft().switches.toggle(&systems::PanelSwitchRecord::batteryMaster, e);
    cycles(2);
  }
  double value(abi::GaugeHeader& g, int i) { return gauges::testing::applyFirstValue(child(g, i), host.values); }
  bool hidden(abi::GaugeHeader& g, int i) { return (child(g, i)->imageFlags & abi::kImageHidden) != 0; }
  // A string element's text as the host would draw it, in a buffer of the host's.
  std::string text(abi::GaugeHeader& g, int i) {
    auto* s = abi::elementAs<abi::StringElement>(child(g, i));
    std::array<char, 64> buffer{};
    buffer.fill('#');
    s->text = buffer.data();
    gauges::testing::applyFirstValue(child(g, i), host.values);
    s->text = nullptr;
    return buffer.data();
  }
  // The text the host shows for a tooltip with one argument record.
  static std::string tooltipOf(abi::MouseRecord& r) {
    abi::TooltipArgument& a = r.data.arguments[0];
    return a.stringCallback(0.0, a.variable.id, r.target.tooltipText, &a.variable, nullptr);
  }
  // The tooltip record of a control's group, or of the whole gauge for group -1.
  static abi::MouseRecord& tooltipRecordOfGroup(abi::GaugeHeader& g, int group) {
    return group < 0 ? g.mouseTable[1] : *groupsOf(g)[static_cast<std::size_t>(group)].tooltipRecord;
  }
  void click(abi::GaugeHeader& g, const layout::Rect& r, std::uint32_t buttons = abi::kMouseLeftSingle) {
    ASSERT_TRUE(clickGauge(g, r.x + r.width / 2, r.y + r.height / 2, buttons).hit);
  }
  void clickControl(glareshield::ApControl c) { click(gauge_autopilot, glareshield::apControl(c).rect); }

  frame::testing::TestHost host;
};

constexpr int kWheelDay = 1, kWheelNight = 2, kHsiSel = 3, kNavSel = 4, kAp = 5, kYd = 6;

TEST_F(Glareshield, TheControllersLightsAreDarkWithoutPowerAndFollowTheGuidanceWithIt) {
  cycles(3);
  ASSERT_TRUE(aircraft().electrical.state().dcPowerAvailable);
  EXPECT_EQ(value(gauge_autopilot, kHsiSel), 1) << "first lit image for side 0";
  EXPECT_EQ(value(gauge_autopilot, kNavSel), 1);
  EXPECT_EQ(value(gauge_autopilot, kAp), 0);
  clickControl(glareshield::ApControl::kAp);
  clickControl(glareshield::ApControl::kHsiSel);
  clickControl(glareshield::ApControl::kNavSel);
  for (int light : {kHsiSel, kNavSel}) EXPECT_EQ(value(gauge_autopilot, light), 2) << light;
  for (int light : {kAp, kYd}) EXPECT_EQ(value(gauge_autopilot, light), 1) << light;
  EXPECT_EQ(value(gauge_autopilot_V, kAp), 1) << "the twin reads the same";
  cutPower();
  for (int light : {kHsiSel, kNavSel, kAp, kYd}) EXPECT_EQ(value(gauge_autopilot, light), 0) << light;
}

TEST_F(Glareshield, ThePitchWheelTurnsItsFramesByDayAndByNight) {
  cycles(3);
  const glareshield::Rect wheel = glareshield::apControl(glareshield::ApControl::kPitchWheel).rect;
  EXPECT_EQ(value(gauge_autopilot, kWheelDay), 0);
  EXPECT_FALSE(hidden(gauge_autopilot, kWheelDay));
  ASSERT_TRUE(clickGauge(gauge_autopilot, wheel.x + 10, wheel.y + 5).hit);  // NOSE DN
  EXPECT_EQ(value(gauge_autopilot, kWheelDay), 2) << "down from frame 0 wraps to 2";
  ASSERT_TRUE(clickGauge(gauge_autopilot, wheel.x + 10, wheel.y + wheel.height - 5).hit);  // NOSE UP
  ASSERT_TRUE(clickGauge(gauge_autopilot, wheel.x + 10, wheel.y + wheel.height - 5).hit);
  EXPECT_EQ(value(gauge_autopilot, kWheelDay), 1);
  host.setNightLighting(true);
  cycles(1);
  EXPECT_EQ(value(gauge_autopilot, kWheelNight), 1);
  value(gauge_autopilot, kWheelDay);
  EXPECT_TRUE(hidden(gauge_autopilot, kWheelDay));
  EXPECT_FALSE(hidden(gauge_autopilot, kWheelNight));
  value(gauge_autopilot, 0);
  EXPECT_FALSE(hidden(gauge_autopilot, 0)) << "the lit panel";
}

TEST_F(Glareshield, TheAdvisoryLinesAreDrawnAsStoredAndBlankWithoutPower) {
  cycles(3);
  const guidance::AdvisoryState& s = aircraft().advisory.state();
  EXPECT_EQ(text(gauge_Advisory, 0), std::string(s.line1.data()));
  EXPECT_EQ(text(gauge_Advisory, 0).size(), 26u) << "18 columns, then the temperature";
  clickControl(glareshield::ApControl::kHdg);
  clickControl(glareshield::ApControl::kAltSel);
  EXPECT_EQ(text(gauge_Advisory, 2), std::string(s.line3.data()));
  EXPECT_EQ(text(gauge_Advisory, 3), std::string(s.line4.data()));
  EXPECT_EQ(text(gauge_Advisory, 3).substr(0, 7), "HDG SEL");
  EXPECT_EQ(text(gauge_AdvisoryV, 3), text(gauge_Advisory, 3));
  const auto* line4 = abi::elementAs<abi::StringElement>(child(gauge_Advisory, 3));
  EXPECT_EQ(line4->foreground, 0x0000F000u);
  EXPECT_EQ(line4->background, 0x00101010u);
  EXPECT_STREQ(line4->fontName, "Glass gauge");
  cutPower();
  for (int line = 0; line < 4; ++line) EXPECT_EQ(text(gauge_Advisory, line), "") << line;
}

TEST_F(Glareshield, TheFlashOverlaysBlankTheActiveModesWhileTheyFlash) {
  cycles(3);
  clickControl(glareshield::ApControl::kHdg);
  clickControl(glareshield::ApControl::kAlt);
  text(gauge_Advisory, 4);
  text(gauge_Advisory, 5);
  EXPECT_TRUE(hidden(gauge_Advisory, 4));
  EXPECT_TRUE(hidden(gauge_Advisory, 5));
  aircraft().advisory.flashVertical();
  EXPECT_EQ(text(gauge_Advisory, 5), "   ALT    ") << "%10s over the vertical half";
  EXPECT_FALSE(hidden(gauge_Advisory, 5));
  EXPECT_TRUE(hidden(gauge_Advisory, 4));
  aircraft().advisory.flashLateral();
  EXPECT_EQ(text(gauge_Advisory, 4), "HDG SEL   ");
  EXPECT_FALSE(hidden(gauge_Advisory, 4));
  const auto* overlay = abi::elementAs<abi::StringElement>(child(gauge_Advisory, 4));
  EXPECT_EQ(overlay->foreground, 0u) << "black";
  EXPECT_EQ(overlay->boxSize.x, 83);
  EXPECT_EQ(child(gauge_Advisory, 5)->position.x, 217);
  cutPower();
  EXPECT_EQ(text(gauge_Advisory, 4), "");
  EXPECT_TRUE(hidden(gauge_Advisory, 4));
}

TEST_F(Glareshield, TheSwitchlightsShowTheOtherPanelUntilTheAttitudeDirectorIsDrawn) {
  cycles(3);
  host.values[354] = 2;  // middle marker
  cycles(1);
  EXPECT_EQ(value(gauge_Annunciators, 0), 1) << "DME";
  EXPECT_EQ(value(gauge_Annunciators, 1), 2) << "MID";
  EXPECT_EQ(value(gauge_Annunciators, 3), 1) << "V / L";
  EXPECT_EQ(value(gauge_Annunciators, 4), 1) << "TAS";
  EXPECT_EQ(tooltipOf(tooltipRecordOfGroup(gauge_Annunciators, 2)), "Nav data source");
  EXPECT_EQ(tooltipOf(tooltipRecordOfGroup(gauge_Annunciators, 4)), "Display TAS");
  click(gauge_Annunciators, glareshield::switchlightAt(2));
  EXPECT_FALSE(aircraft().advisory.state().tasDisplay) << "the NAV source light";
  click(gauge_Annunciators, glareshield::switchlightAt(4));
  EXPECT_TRUE(aircraft().advisory.state().tasDisplay);
  EXPECT_EQ(value(gauge_Annunciators, 4), 2) << "with the lit bar";

  gauge_EADI.callback(&gauge_EADI, abi::kServicePreDraw, 0);
  EXPECT_TRUE(aircraft().flags.efisPanel);
  EXPECT_EQ(value(gauge_Annunciators, 2), 2) << "TAS with its bar on the third";
  EXPECT_EQ(value(gauge_Annunciators, 3), 0);
  EXPECT_EQ(value(gauge_Annunciators, 4), 0);
  EXPECT_EQ(value(gauge_Annunciators_V, 2), 2);
  EXPECT_EQ(tooltipOf(tooltipRecordOfGroup(gauge_Annunciators, 2)), "Display TAS");
  EXPECT_EQ(tooltipOf(tooltipRecordOfGroup(gauge_Annunciators, 3)), "A/P Disengaged light");
  EXPECT_EQ(tooltipOf(tooltipRecordOfGroup(gauge_Annunciators, 4)), "REVN");
  cutPower();
  for (int p = 0; p < 5; ++p) EXPECT_EQ(value(gauge_Annunciators, p), 0) << p;
}

TEST_F(Glareshield, TheAltitudeKnobStepsWithinItsRangeAndTheReadoutsFollow) {
  cycles(3);
  EXPECT_EQ(text(gauge_AltSel, 1), "100");
  EXPECT_EQ(text(gauge_AltSel, 2), "00");
  EXPECT_EQ(text(gauge_AltSelector_V, 0), "100");
  EXPECT_EQ(tooltipOf(tooltipRecordOfGroup(gauge_AltSel, -1)), "Altitude preselect controller: 10000 FT");
  const layout::Rect down = glareshield::kAltSelKnobDown, up = glareshield::kAltSelKnobUp;
  click(gauge_AltSel, up);
  EXPECT_EQ(aircraft().altitudePreselector.valueFt(), 10100);
  click(gauge_AltSel, up, abi::kMouseRightSingle);
  EXPECT_EQ(aircraft().altitudePreselector.valueFt(), 11100);
  click(gauge_AltSel, down, abi::kMouseRightSingle | abi::kMouseRepeat);
  click(gauge_AltSel, down, abi::kMouseLeftSingle | abi::kMouseRepeat);
  EXPECT_EQ(aircraft().altitudePreselector.valueFt(), 10000);
  EXPECT_EQ(tooltipOf(tooltipRecordOfGroup(gauge_AltSel, -1)), "Altitude preselect controller: 10000 FT");
  for (int i = 0; i < 35; ++i) click(gauge_AltSel, up, abi::kMouseRightSingle);
  EXPECT_EQ(aircraft().altitudePreselector.valueFt(), 40000) << "held at the top";
  EXPECT_EQ(text(gauge_AltSel, 1), "400");
  click(gauge_AltSel, down);
  EXPECT_EQ(text(gauge_AltSel, 1), "399");
  for (int i = 0; i < 45; ++i) click(gauge_AltSel, down, abi::kMouseRightSingle);
  EXPECT_EQ(aircraft().altitudePreselector.valueFt(), 0) << "held at the bottom";
  EXPECT_EQ(text(gauge_AltSel, 1), "  0");
  click(gauge_AltSel, up);
  EXPECT_EQ(text(gauge_AltSel, 1), "  1");
  cutPower();
  EXPECT_EQ(text(gauge_AltSel, 1), "") << "blank without power";
  EXPECT_EQ(text(gauge_AltSel, 2), "");
  EXPECT_EQ(text(gauge_AltSelector_V, 0), "");
  EXPECT_EQ(text(gauge_AltSelector_V, 1), "");
}

TEST(GlareshieldWithoutAircraft, EveryCallbackStaysQuietAndBlank) {
  frame::testing::TestHost host;
  ASSERT_EQ(frame::aircraft(), nullptr);
  for (abi::GaugeHeader* g : kGlareshieldGauges) {
    for (abi::ElementHeader* const* c = g->elements[0]->children; *c != nullptr; ++c) {
      gauges::testing::applyFirstValue(*c, host.values);
    }
    for (abi::MouseRecord* r = g->mouseTable; r->kind != abi::kMouseEnd; ++r) {
      if (r->kind == abi::kMouseArea) clickGauge(*g, r->x + 1, r->y + 1, abi::kMouseLeftSingle | abi::kMouseRightSingle);
      if (r->kind == abi::kMouseTooltip && r->eventOrCount > 0) {
        EXPECT_NE(r->data.arguments[0].stringCallback(0, 0, r->target.tooltipText, nullptr, nullptr), nullptr);
      }
    }
  }
  gauge_EADI.callback(&gauge_EADI, abi::kServicePreDraw, 0);
  EXPECT_TRUE(host.events.empty());
}

}  // namespace
}  // namespace xaq::gauges
