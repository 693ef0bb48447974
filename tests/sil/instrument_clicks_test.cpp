// Every mouse area of the RMI, HSI and ADI gauges and their twins clicked through the sim host
// with the real module: the RMI source knobs turn their needle's source with the switch click,
// the DH knobs step the decision height both instruments show, the attitude test drives the
// sphere and lights the test light, and the faces hand the host event 65907 to the host.

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "frame/abi/element_axes.h"
#include "tests/sil/panel_clicks.h"

namespace xaq::sim {
namespace {

constexpr std::uint32_t kFaceEvent = 65907;

class InstrumentClicks : public testing::PanelClicks {
 protected:
  void SetUp() override {
    PanelClicks::SetUp();
    testing::putInCruise(*host);
    host->runFor(2);
  }

  abi::ElementHeader* child(const char* gauge, int index) { return host->gauge(gauge)->elements[0]->children[index]; }
  double value(const char* gauge, int index, int axis = 0) {
    abi::ElementHeader* e = child(gauge, index);
    const abi::ElementAxes axes = abi::elementAxes(e);
    double v = 0.0;
    for (int i = 0; i < axes.count; ++i) {
      const double applied = host->applyValue(axes.axis[i], e);
      if (i == axis) v = applied;
    }
    return v;
  }
  std::string text(const char* gauge, int index) {
    value(gauge, index);
    auto* s = abi::elementAs<abi::StringElement>(child(gauge, index));
    return s->text != nullptr ? std::string(s->text, strnlen(s->text, s->maxLength)) : std::string();
  }
  // Clicks the middle of area `n` of the gauge's table (in table order) and runs a frame.
  std::vector<int> clickArea(const char* gauge, int n, double holdS = 0.0) {
    abi::GaugeHeader* g = host->gauge(gauge);
    int k = 0;
    for (abi::MouseRecord* r = g->mouseTable; r->kind != abi::kMouseEnd; ++r) {
      if (r->kind != abi::kMouseArea || k++ != n) continue;
      const std::size_t sounds = host->sound.calls().size();
      EXPECT_TRUE(host->click(g, r->x + r->width / 2, r->y + r->height / 2, MouseButton::kLeft, holdS)) << gauge << n;
      host->runFrame();
      return playsSince(sounds);
    }
    ADD_FAILURE() << gauge << ": no area " << n;
    return {};
  }
};

// Children as the tables list them.
// RMI: lit face, card, two needles, two knobs, the right and the left annunciator pairs (unlit
// first); RMI_G has no lit face.
constexpr int kRmiLeftKnob = 4, kRmiRightKnob = 5, kRmiRightUnlit = 6, kRmiLeftUnlit = 8;
// ADI: sphere, face, lit face, bank needle, six pointers, DH light, test light, test flag, the
// radio-altitude and DH readouts.
constexpr int kAdiDhReadout = 14, kAdiTestLight = 11, kAdiSphere = 0;

TEST_F(InstrumentClicks, TheRmiSourceKnobsToggleTheirSourceWithTheSwitchClickOnBothGauges) {
  for (const char* gauge : {"RMI", "RMI_G"}) {
    restart();
    const int o = std::string(gauge) == "RMI" ? 0 : -1;
    const double left = value(gauge, kRmiLeftKnob + o), right = value(gauge, kRmiRightKnob + o);
    const double leftLegend = value(gauge, kRmiLeftUnlit + o), rightLegend = value(gauge, kRmiRightUnlit + o);
    EXPECT_EQ(clickArea(gauge, 0), std::vector<int>{25}) << gauge;
    EXPECT_EQ(value(gauge, kRmiLeftKnob + o), 1.0 - left) << gauge;
    EXPECT_EQ(value(gauge, kRmiLeftUnlit + o), 1.0 - leftLegend) << gauge;
    EXPECT_EQ(value(gauge, kRmiRightKnob + o), right) << gauge << ": the other knob stays";
    EXPECT_EQ(clickArea(gauge, 1), std::vector<int>{25}) << gauge;
    EXPECT_EQ(value(gauge, kRmiRightKnob + o), 1.0 - right) << gauge;
    EXPECT_EQ(value(gauge, kRmiRightUnlit + o), 1.0 - rightLegend) << gauge;
    // The virtual cockpit's RMI shows the same selection.
    EXPECT_EQ(value("RMI_V", 5), 1.0 - leftLegend);
  }
}

TEST_F(InstrumentClicks, TheDhKnobsOfTheHsiAndTheAdiStepTheDecisionHeightTheAdiShows) {
  // HSI: down then up twice; ADI: down once, up once (table order: the knob's down half first).
  const std::string start = text("ADI", kAdiDhReadout);
  const int dh = std::stoi(start);
  clickArea("HSI", 1);
  clickArea("HSI", 1);
  EXPECT_EQ(std::stoi(text("ADI", kAdiDhReadout)), dh + 20);
  clickArea("HSI", 0);
  EXPECT_EQ(std::stoi(text("ADI", kAdiDhReadout)), dh + 10);
  clickArea("ADI", 1);
  EXPECT_EQ(std::stoi(text("ADI", kAdiDhReadout)), dh);
  clickArea("ADI", 2);
  EXPECT_EQ(std::stoi(text("ADI", kAdiDhReadout)), dh + 10);
  EXPECT_EQ(text("ADI_V", kAdiDhReadout - 1), text("ADI", kAdiDhReadout)) << "the twin (without the lit face)";
}

TEST_F(InstrumentClicks, TheAttitudeTestLightsItsLightAndDrivesTheSphereToTheTestAttitude) {
  EXPECT_EQ(value("ADI", kAdiTestLight), 0.0);
  EXPECT_TRUE(clickArea("ADI", 0).empty());
  host->runFor(0.1);
  EXPECT_EQ(value("ADI", kAdiTestLight), 1.0);
  // Pitch at 70 degrees a second from cruise: -10 within a second; bank -20 shown turned.
  host->runFor(0.9);
  EXPECT_NEAR(value("ADI", kAdiSphere, 1), -10.0, 1e-6);
  EXPECT_NEAR(value("ADI", kAdiSphere, 2), 20.0, 1e-6);
  host->runFor(1.5);
  EXPECT_EQ(value("ADI", kAdiTestLight), 0.0) << "1.2 s after the last press";
}

TEST_F(InstrumentClicks, TheFacesOfTheHsiAndTheAdiAndTheirTwinsSendTheHostEvent) {
  const std::map<std::string, int> faceArea = {{"HSI", 2}, {"HSI_V", 0}, {"ADI", 3}, {"ADI_V", 0}};
  for (const auto& [gauge, area] : faceArea) {
    const std::size_t events = host->events().size();
    clickArea(gauge.c_str(), area);
    ASSERT_GT(host->events().size(), events) << gauge;
    EXPECT_EQ(host->events()[events].id, kFaceEvent) << gauge;
    EXPECT_TRUE(host->events()[events].fromArea) << gauge;
  }
}

TEST_F(InstrumentClicks, EveryAreaOfTheInstrumentsIsCoveredAbove) {
  const std::map<std::string, int> areas = {{"RMI", 2},   {"RMI_G", 2}, {"RMI_V", 0},      {"HSI", 3},
                                            {"HSI_V", 1}, {"ADI", 4},   {"ADI_V", 1},      {"StandbyADI", 0},
                                            {"StandbyADIV", 0}};
  for (const auto& [gauge, expected] : areas) EXPECT_EQ(areasOf(host->gauge(gauge.c_str())).size(), std::size_t(expected)) << gauge;
}

}  // namespace
}  // namespace xaq::sim
