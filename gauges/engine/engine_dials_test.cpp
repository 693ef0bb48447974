// The engine dials through their tables and callbacks, the way the host drives them.

#include <gtest/gtest.h>

#include <vector>

#include "frame/gauge_registry.h"
#include "frame/test_host.h"
#include "gauges/kit/testing/gauge_tester.h"

namespace xaq::gauges {
namespace {

std::vector<abi::ElementHeader*> ofKind(abi::GaugeHeader& g, abi::ElementKind kind) {
  std::vector<abi::ElementHeader*> out;
  for (abi::ElementHeader* e : testing::childrenOf(g)) {
    if (e->kind == kind) out.push_back(e);
  }
  return out;
}

TEST(EngineDialsWithoutAircraft, EveryCallbackAnswersZeroButThePropellerAndFuelFlowReadoutsAnswerOne) {
  frame::testing::TestHost host;
  struct Case {
    abi::GaugeHeader* gauge;
    double readout;
  };
  for (const Case& c : {Case{&gauge_Torque1, 0}, Case{&gauge_PropRPM2_V, 1}, Case{&gauge_ITT1, 0},
                        Case{&gauge_NH2, 0}, Case{&gauge_NL1_V, 0}, Case{&gauge_FF2, 1}, Case{&gauge_FF1_V, 1}}) {
    for (abi::ElementHeader* n : ofKind(*c.gauge, abi::kNeedle)) {
      EXPECT_EQ(testing::applyFirstValue(n, host.values), 0.0) << c.gauge->name;
    }
    const auto texts = ofKind(*c.gauge, abi::kString);
    ASSERT_EQ(texts.size(), 1u) << c.gauge->name;
    EXPECT_EQ(reinterpret_cast<abi::StringElement*>(texts[0])->callback(texts[0]), c.readout) << c.gauge->name;
    for (const testing::Group& g : testing::groupsOf(*c.gauge)) {
      for (abi::MouseRecord* a : g.areas) {
        if (a->target.callback != nullptr) a->target.callback(nullptr, abi::kMouseLeftSingle);
      }
    }
  }
}

class EngineDials : public ::testing::Test {
 protected:
  void SetUp() override { Linkage.moduleInit(); }
  void TearDown() override { Linkage.moduleDeinit(); }
  frame::testing::TestHost host;
};

TEST_F(EngineDials, ATorqueBeyondTheScaleHoldsThePointerAtItsLastMarkAndTheTestSwingsTheReference) {
  host.values[604] = 10.0;
  host.values[156] = 130.0 * 16384.0 / 100.0;
  host.timer.fire();
  const auto needles = ofKind(gauge_Torque1, abi::kNeedle);
  ASSERT_EQ(needles.size(), 2u) << "the reference bug and the pointer";
  EXPECT_DOUBLE_EQ(testing::applyFirstValue(needles[1], host.values), 120.0);
  const double reference = testing::applyFirstValue(needles[0], host.values);
  EXPECT_GE(reference, 0.0);
  EXPECT_LE(reference, 120.0);
  // The twin's test button starts the test of the pair: the main gauge's reference shows 85.
  const auto groups = testing::groupsOf(gauge_Torque1_V);
  ASSERT_EQ(groups.front().tooltip, "Test button");
  groups.front().areas.front()->target.callback(nullptr, abi::kMouseLeftSingle);
  EXPECT_DOUBLE_EQ(testing::applyFirstValue(needles[0], host.values), 85.0);
  EXPECT_DOUBLE_EQ(testing::applyFirstValue(needles[1], host.values), 105.0);
  host.values[604] = 11.5;
  host.timer.fire();
  EXPECT_DOUBLE_EQ(testing::applyFirstValue(needles[0], host.values), reference);
  EXPECT_DOUBLE_EQ(testing::applyFirstValue(needles[1], host.values), 120.0);
}

TEST_F(EngineDials, TheIttLightIsDarkAtEightHundredAndLitAboveWithPower) {
  host.values[604] = 5.0;
  const auto icons = ofKind(gauge_ITT2, abi::kIcon);
  ASSERT_EQ(icons.size(), 2u) << "the lit plate and the light";
  for (double itt : {800.0, 801.0}) {
    host.values[650] = itt;
    host.timer.fire();
    EXPECT_EQ(testing::applyFirstValue(icons[1], host.values), itt > 800.0 ? 1.0 : 0.0) << itt;
  }
}

}  // namespace
}  // namespace xaq::gauges
