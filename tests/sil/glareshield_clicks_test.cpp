// Every mouse area of the guidance controller, the switchlights and the altitude preselector
// clicked through the sim host with the real module, in flight: each click shows where the crew
// sees it (a light, a line of the advisory display, a readout) and clicks like a push button,
// except the pitch wheel, which repeats while held and makes no sound.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "frame/abi/element_axes.h"
#include "simhost/flight_model.h"
#include "tests/sil/panel_clicks.h"

namespace xaq::sim {
namespace {

class GlareshieldClicks : public testing::PanelClicks {
 protected:
  void SetUp() override {
    PanelClicks::SetUp();
    testing::putInCruise(*host);
    // No station in range: nothing the buttons arm is captured while the test looks at it.
    host->overrides[40] = 127;
    host->overrides[41] = 127;
    host->runFor(3);
  }

  abi::ElementHeader* child(const char* gauge, int index) {
    return host->gauge(gauge)->elements[0]->children[index];
  }
  double value(const char* gauge, int index) {
    abi::ElementHeader* e = child(gauge, index);
    const abi::ElementAxes axes = abi::elementAxes(e);
    return axes.count > 0 ? host->applyValue(axes.axis[0], e) : 0.0;
  }
  std::string text(const char* gauge, int index) {
    value(gauge, index);
    auto* s = abi::elementAs<abi::StringElement>(child(gauge, index));
    return s->text != nullptr ? std::string(s->text, strnlen(s->text, s->maxLength)) : std::string();
  }
  std::string armedLine() { return text("Advisory", 2); }
  std::string activeLine() { return text("Advisory", 3); }
  // The vertical half of the active modes' line: "VS %+5d FPM" gives its target.
  int vsTarget() {
    const std::string line = activeLine();
    int fpm = 0;
    EXPECT_EQ(line.size() > 13 ? std::sscanf(line.c_str() + 13, " VS %d", &fpm) : 0, 1) << line;
    return fpm;
  }
  // Line 1 is rebuilt by the next cycle.
  std::string messageLine() {
    host->runFor(0.12);
    return text("Advisory", 0);
  }

  // Clicks the area of `gauge` whose tooltip reads `tooltip` (the upper half of a pair when
  // `upper`), lets a frame run, and returns the slots it played.
  std::vector<int> press(const char* gauge, const std::string& tooltip, bool upper = false, bool right = false,
                         double holdS = 0.0) {
    abi::GaugeHeader* g = host->gauge(gauge);
    for (abi::MouseRecord* r = g->mouseTable; r->kind != abi::kMouseEnd; ++r) {
      if (r->kind != abi::kMouseArea) continue;
      const int x = r->x + r->width / 2, y = r->y + r->height / 2;
      if (host->tooltipAt(g, x, y) != tooltip) continue;
      if (upper != (r->cursor == abi::kCursorUp)) continue;
      const std::size_t sounds = host->sound.calls().size();
      ++clicked[std::string(gauge)];
      EXPECT_TRUE(host->click(g, x, y, right ? MouseButton::kRight : MouseButton::kLeft, holdS)) << tooltip;
      host->runFrame();
      return playsSince(sounds);
    }
    ADD_FAILURE() << gauge << ": no area \"" << tooltip << "\"" << (upper ? " (upper)" : "");
    return {};
  }

  static int areaCount(abi::GaugeHeader* g) {
    int n = 0;
    for (abi::MouseRecord* r = g->mouseTable; r->kind != abi::kMouseEnd; ++r) n += r->kind == abi::kMouseArea ? 1 : 0;
    return n;
  }

  std::map<std::string, int> clicked;
};

// Children of the gauges, as their tables list them.
constexpr int kHsiSelLight = 3, kNavSelLight = 4, kApLight = 5, kYdLight = 6, kWheelDay = 1;
constexpr int kThirdLight = 2, kFourthLight = 3, kFifthLight = 4;

bool startsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }
bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

TEST_F(GlareshieldClicks, EveryButtonOfTheGuidanceControllerShowsItsEffectAndClicks) {
  struct Step {
    const char* tooltip;
    std::function<bool()> effect;
  };
  const std::vector<Step> steps = {
      {"Autopilot", [&] { return value("autopilot", kApLight) == 1 && value("autopilot", kYdLight) == 1; }},
      {"Heading select", [&] { return startsWith(activeLine(), "HDG SEL"); }},
      {"NAV", [&] { return startsWith(armedLine(), " VOR"); }},
      {"NAV", [&] { return !contains(armedLine(), "VOR"); }},
      {"ILS approach", [&] { return startsWith(armedLine(), " LOC") && contains(armedLine(), "GS"); }},
      {"ILS approach", [&] { return !contains(armedLine(), "GS"); }},
      {"Back course hold", [&] { return contains(armedLine(), "  BC"); }},
      {"Vertical speed hold", [&] { return contains(activeLine(), "FPM"); }},
      {"Indicated airspeed hold", [&] { return contains(activeLine(), "KTS"); }},
      {"Altitude hold", [&] { return contains(activeLine(), "ALT    "); }},
      {"Altitude preselect", [&] { return contains(armedLine(), "ALT SEL"); }},
      // The autopilot, still engaged, holds the heading again from the next cycle.
      {"Standby", [&] { return !contains(activeLine(), "HDG SEL") && !contains(activeLine(), "ALT"); }},
      {"HSI select", [&] { return value("autopilot", kHsiSelLight) == 2; }},
      {"NAV source selection side", [&] { return value("autopilot", kNavSelLight) == 2; }},
      // The other panel until the attitude director is drawn: AUX on the third light, V / L on the fourth.
      {"NAV source: FMS", [&] { return value("Annunciators", kThirdLight) == 4 && value("Annunciators", kFourthLight) == 0; }},
      {"NAV source: VOR/LOC", [&] { return value("Annunciators", kThirdLight) == 0 && value("Annunciators", kFourthLight) == 1; }},
      {"Yaw damper", [&] { return value("autopilot", kYdLight) == 0 && value("autopilot", kApLight) == 0 &&
                                  contains(text("Advisory", 1), "AP/YD DISENGAGED"); }},
  };
  ASSERT_EQ(value("autopilot", kApLight), 0);
  std::set<std::string> pressed;
  for (const Step& step : steps) {
    const std::vector<int> plays = press("autopilot", step.tooltip);
    EXPECT_EQ(plays, std::vector<int>{26}) << step.tooltip;
    EXPECT_TRUE(step.effect()) << step.tooltip << ": armed \"" << armedLine() << "\" active \"" << activeLine() << "\"";
    pressed.insert(step.tooltip);
  }
  EXPECT_EQ(pressed.size(), 15u) << "every button but the pitch wheel";
  EXPECT_EQ(clicked["autopilot"], 17);
}

TEST_F(GlareshieldClicks, ThePitchWheelRepeatsWhileHeldAndMakesNoSound) {
  press("autopilot", "Vertical speed hold");
  const int vsBefore = vsTarget();
  const double frame = value("autopilot", kWheelDay);
  // The lower half: NOSE UP, one step a repeat.
  const std::vector<int> plays = press("autopilot", "Pitch wheel", false, false, 0.45);
  EXPECT_TRUE(plays.empty());
  host->runFor(0.5);
  const int vsUp = vsTarget();
  EXPECT_GE(vsUp - vsBefore, 300) << "held for 0.45 s: the click and its repeats";
  EXPECT_EQ((vsUp - vsBefore) % 100, 0);
  const int steps = (vsUp - vsBefore) / 100;
  EXPECT_EQ(value("autopilot", kWheelDay), static_cast<double>((static_cast<int>(frame) + steps) % 3));
  // The upper half: NOSE DN, once.
  EXPECT_TRUE(press("autopilot", "Pitch wheel", true).empty());
  EXPECT_EQ(vsTarget(), vsUp - 100);
  // In ALT the wheel leaves the altitude hold for VS.
  press("autopilot", "Altitude hold");
  press("autopilot", "Pitch wheel", true);
  EXPECT_TRUE(contains(activeLine(), "FPM")) << activeLine();
  EXPECT_TRUE(startsWith(messageLine(), "ALT OFF")) << text("Advisory", 0);
  EXPECT_EQ(clicked["autopilot"], 5);
  EXPECT_EQ(areaCount(host->gauge("autopilot")), 17);
}

TEST_F(GlareshieldClicks, EverySwitchlightClicksAndTheTasOneShowsTheTrueAirspeed) {
  ASSERT_FALSE(contains(text("Advisory", 0), "KTAS"));
  // The other panel: TAS is the fifth.
  for (const char* tooltip : {"DME HOLD", "Marker beacons"}) {
    EXPECT_EQ(press("Annunciators", tooltip), std::vector<int>{26}) << tooltip;
  }
  EXPECT_EQ(value("Annunciators", kFifthLight), 1);
  const std::string tip3 = host->tooltipAt(host->gauge("Annunciators"), 10 + 2 * 62 + 20, 30);
  EXPECT_EQ(tip3, "Nav data source");
  EXPECT_EQ(press("Annunciators", "Display TAS"), std::vector<int>{26});
  EXPECT_EQ(value("Annunciators", kFifthLight), 2) << "the lit bar";
  EXPECT_TRUE(contains(messageLine(), "KTAS")) << text("Advisory", 0);
  // Both "Nav data source" lights click and change nothing else.
  int navSources = 0;
  abi::GaugeHeader* g = host->gauge("Annunciators");
  for (abi::MouseRecord* r = g->mouseTable; r->kind != abi::kMouseEnd; ++r) {
    if (r->kind != abi::kMouseArea || host->tooltipAt(g, r->x + 5, r->y + 5) != "Nav data source") continue;
    const std::size_t sounds = host->sound.calls().size();
    host->click(g, r->x + 5, r->y + 5, MouseButton::kLeft);
    host->runFrame();
    EXPECT_EQ(playsSince(sounds), std::vector<int>{26});
    ++navSources;
  }
  EXPECT_EQ(navSources, 2);

  // Once the attitude director has been drawn the panel is the glass one: TAS moves to the third.
  host->callGauge(host->gauge("EADI"), abi::kServicePreDraw);
  host->runFor(6.0);
  ASSERT_FALSE(contains(text("Advisory", 0), "KTAS")) << "5 s later the temperature again";
  EXPECT_EQ(host->tooltipAt(g, 10 + 3 * 62 + 20, 30), "A/P Disengaged light");
  EXPECT_EQ(host->tooltipAt(g, 10 + 4 * 62 + 20, 30), "REVN");
  EXPECT_EQ(value("Annunciators", kThirdLight), 1);
  EXPECT_EQ(value("Annunciators", kFifthLight), 0);
  EXPECT_EQ(press("Annunciators", "REVN"), std::vector<int>{26});
  EXPECT_FALSE(contains(messageLine(), "KTAS")) << "REVN does nothing else";
  EXPECT_EQ(press("Annunciators", "A/P Disengaged light"), std::vector<int>{26});
  EXPECT_EQ(press("Annunciators", "Display TAS"), std::vector<int>{26});
  EXPECT_EQ(value("Annunciators", kThirdLight), 2);
  EXPECT_TRUE(contains(messageLine(), "KTAS"));
  EXPECT_EQ(areaCount(g), 5);
}

TEST_F(GlareshieldClicks, TheAltitudeKnobStepsAHundredOrAThousandFeetAndRepeats) {
  EXPECT_EQ(text("AltSel", 1), "100");
  EXPECT_EQ(text("AltSel", 2), "00");
  const std::string tip = "Altitude preselect controller: 10000 FT";
  EXPECT_EQ(host->tooltipAt("AltSel", 10, 10), tip);
  EXPECT_TRUE(press("AltSel", tip, true).empty()) << "the knob turns silently";
  EXPECT_EQ(text("AltSel", 1), "101");
  press("AltSel", "Altitude preselect controller: 10100 FT", true, true);
  EXPECT_EQ(text("AltSel", 1), "111");
  press("AltSel", "Altitude preselect controller: 11100 FT", false, true);
  press("AltSel", "Altitude preselect controller: 10100 FT", false);
  EXPECT_EQ(text("AltSel", 1), "100");
  // Held: one step, then a repeat every 100 ms.
  press("AltSel", "Altitude preselect controller: 10000 FT", false, false, 0.45);
  host->runFor(0.5);
  int hundreds = 0;
  ASSERT_EQ(std::sscanf(text("AltSel", 1).c_str(), "%d", &hundreds), 1);
  EXPECT_LE(hundreds, 97);
  EXPECT_EQ(text("AltSelector_V", 0), text("AltSel", 1)) << "the twin shows the same";
  EXPECT_EQ(areaCount(host->gauge("AltSel")), 2);
  EXPECT_EQ(areaCount(host->gauge("AltSelector_V")), 0);
  EXPECT_EQ(areaCount(host->gauge("autopilot_V")), 0);
  EXPECT_EQ(areaCount(host->gauge("Annunciators_V")), 0);
}

}  // namespace
}  // namespace xaq::sim
