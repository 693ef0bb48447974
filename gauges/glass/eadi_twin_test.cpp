// The virtual-cockpit attitude director through its tables and callbacks, the way the host
// drives them: texts dark without power, the DH alert, the rising runway, the glideslope scale
// and the director's bars against the electromechanical director's.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "frame/module_lifecycle.h"
#include "frame/test_host.h"
#include "gauges/glass/eadi_twin_layout.h"
#include "gauges/kit/testing/gauge_tester.h"

namespace xaq::gauges {
namespace {

using testing::applyFirstValue;
using testing::childrenOf;

constexpr double kFeetPerMetre = 3.280839895;

abi::ElementHeader* withId(abi::GaugeHeader& g, std::uint32_t id) {
  for (abi::ElementHeader* e : childrenOf(g)) {
    if (e->resourceId == id) return e;
  }
  return nullptr;
}

abi::ElementHeader* textAt(abi::GaugeHeader& g, layout::Point at) {
  for (abi::ElementHeader* e : childrenOf(g)) {
    if (e->kind == abi::kString && e->position.x == at.x && e->position.y == at.y) return e;
  }
  return nullptr;
}

bool hidden(abi::ElementHeader* e) { return (e->imageFlags & abi::kImageHidden) != 0; }

class EadiTwin : public ::testing::Test {
 protected:
  void SetUp() override { Linkage.moduleInit(); }
  void TearDown() override { Linkage.moduleDeinit(); }
  frame::AircraftState& a() { return *frame::aircraft(); }

  double at(double t, abi::ElementHeader* e) {
    host.values[604] = t;
    host.timer.fire();
    if (e == nullptr) return 0.0;
    // Every axis the element has, as the host applies them; the last one's value.
    const abi::ElementAxes axes = abi::elementAxes(e);
    double value = applyFirstValue(e, host.values);
    for (int i = 1; i < static_cast<int>(axes.count); ++i) {
      value = abi::applyAxis(axes.axis[i], e, [&](abi::HostVarRecord& r) {
        auto found = host.values.find(r.id);
        r.value = found != host.values.end() ? found->second : 0.0;
      });
    }
    return value;
  }
  double settled(abi::ElementHeader* e) {
    at(clock_ += 60.0, e);
    return at(clock_ += 60.0, e);
  }
  std::string text(layout::Point where) {
    abi::ElementHeader* e = textAt(gauge_EADI_V, where);
    auto* s = abi::elementAs<abi::StringElement>(e);
    std::array<char, 32> buffer{};
    buffer.fill('#');
    s->text = buffer.data();
    at(clock_ += 0.056, e);
    s->text = nullptr;
    return buffer.data();
  }
  void radioAltitudeFt(double ft) { host.values[614] = ft / kFeetPerMetre; }
  void cutPower() {
    Effects e = a().effects();
    a().switches.toggle(&systems::PanelSwitchRecord::batteryMaster, e);
    at(clock_ += 0.056, nullptr);
    at(clock_ += 0.056, nullptr);
  }

  frame::testing::TestHost host;
  double clock_ = 1.0;
};

TEST_F(EadiTwin, TextsAndIconsGoDarkWithoutInstrumentPower) {
  radioAltitudeFt(100);
  at(clock_, nullptr);
  ASSERT_TRUE(a().electrical.state().dcPowerAvailable);
  EXPECT_EQ(text(eadi_twin::kDhLabelAt), "DH");
  EXPECT_EQ(text(eadi_twin::kRaLabelAt), "RA");
  EXPECT_FALSE(text(eadi_twin::kDecisionHeightAt).empty());
  at(clock_ += 0.056, withId(gauge_EADI_V, eadi_twin::kSymbolsId));
  EXPECT_FALSE(hidden(withId(gauge_EADI_V, eadi_twin::kSymbolsId)));

  cutPower();
  ASSERT_FALSE(a().electrical.state().dcPowerAvailable);
  for (const layout::Point p : {eadi_twin::kModeTextAt[0], eadi_twin::kModeTextAt[1], eadi_twin::kModeTextAt[2],
                                eadi_twin::kModeTextAt[3], eadi_twin::kDhLabelAt, eadi_twin::kRaLabelAt,
                                eadi_twin::kDhAlertAt, eadi_twin::kRadioAltitudeAt, eadi_twin::kDecisionHeightAt}) {
    EXPECT_EQ(text(p), "") << p.x << "," << p.y;
  }
  for (const std::uint32_t id : {eadi_twin::kSymbolsId, eadi_twin::kFastSlowScaleId, eadi_twin::kRunwayId}) {
    abi::ElementHeader* e = withId(gauge_EADI_V, id);
    at(clock_ += 0.056, e);
    EXPECT_TRUE(hidden(e)) << id;
  }
}

TEST_F(EadiTwin, TheDhAlertShowsAtAndBelowASetDecisionHeightAndNeverAtDh0) {
  ASSERT_EQ(a().efisControls.settings().decisionHeightFt, 0);
  radioAltitudeFt(0.0);
  EXPECT_EQ(text(eadi_twin::kDhAlertAt), "") << "a decision height of 0 is none";
  radioAltitudeFt(-1.0);
  EXPECT_EQ(text(eadi_twin::kDhAlertAt), "");

  a().efisControls.stepDecisionHeight(+1);
  ASSERT_EQ(a().efisControls.settings().decisionHeightFt, 10);
  radioAltitudeFt(0.0);
  EXPECT_EQ(text(eadi_twin::kDhAlertAt), "DH");
  EXPECT_FALSE(hidden(textAt(gauge_EADI_V, eadi_twin::kDhAlertAt)));
  radioAltitudeFt(11.0);
  EXPECT_EQ(text(eadi_twin::kDhAlertAt), "");
  EXPECT_TRUE(hidden(textAt(gauge_EADI_V, eadi_twin::kDhAlertAt)))
      << "without an alert its box would cover the radio altitude's first digit";
  radioAltitudeFt(10.0);
  EXPECT_EQ(text(eadi_twin::kDhAlertAt), "DH");
  radioAltitudeFt(9.0);
  EXPECT_EQ(text(eadi_twin::kDhAlertAt), "DH");
}

TEST_F(EadiTwin, TheRunwayRisesBelow200FtAndIsHiddenFrom200Up) {
  abi::ElementHeader* runway = withId(gauge_EADI_V, eadi_twin::kRunwayId);
  ASSERT_NE(runway, nullptr);
  radioAltitudeFt(200.0);
  at(clock_ += 0.056, runway);
  EXPECT_TRUE(hidden(runway));
  radioAltitudeFt(199.0);
  const double high = at(clock_ += 0.056, runway);
  EXPECT_FALSE(hidden(runway));
  radioAltitudeFt(20.0);
  const double low = at(clock_ += 0.056, runway);
  EXPECT_LT(low, high) << "nearer the aircraft symbol lower down";
}

TEST_F(EadiTwin, TheGlideslopeScaleAndPointerFollowTheValidBit) {
  abi::ElementHeader* scale = withId(gauge_EADI_V, eadi_twin::kGlideslopeScaleId);
  abi::ElementHeader* pointer = withId(gauge_EADI_V, eadi_twin::kGlideslopeId);
  host.values[46] = 0x80;
  at(clock_ += 0.056, scale);
  at(clock_, pointer);
  EXPECT_TRUE(hidden(scale));
  EXPECT_TRUE(hidden(pointer));
  host.values[46] = 0xC0;
  at(clock_ += 0.056, scale);
  at(clock_, pointer);
  EXPECT_FALSE(hidden(scale));
  EXPECT_FALSE(hidden(pointer));
}

TEST_F(EadiTwin, TheDirectorBarsAgreeWithTheAttitudeDirectors) {
  host.values[77] = 350.0;  // 10 degrees nose up
  host.values[79] = 15.0;
  abi::ElementHeader* twinPitch = withId(gauge_EADI_V, eadi_twin::kPitchBarId);
  abi::ElementHeader* twinRoll = withId(gauge_EADI_V, eadi_twin::kRollBarId);
  abi::ElementHeader* adiPitch = withId(gauge_ADI, 8423);
  abi::ElementHeader* adiRoll = withId(gauge_ADI, 8424);
  ASSERT_NE(adiPitch, nullptr);
  ASSERT_NE(adiRoll, nullptr);
  // Both directors' bars divided by their own travel land on the same deflection.
  const double twinP = settled(twinPitch), adiP = settled(adiPitch);
  const double twinR = settled(twinRoll), adiR = settled(adiRoll);
  EXPECT_EQ(hidden(twinPitch), hidden(adiPitch));
  EXPECT_EQ(hidden(twinRoll), hidden(adiRoll));
  EXPECT_NEAR(twinP / eadi_twin::kBarTravelPx, adiP / 45.0, 1e-9);
  EXPECT_NEAR(twinR / eadi_twin::kBarTravelPx, adiR / 45.0, 1e-9);
}

}  // namespace
}  // namespace xaq::gauges
