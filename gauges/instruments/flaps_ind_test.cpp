// The flaps position indicator through its tables and callbacks, the way the host drives it.

#include <gtest/gtest.h>

#include <cmath>

#include "frame/gauge_registry.h"
#include "frame/test_host.h"
#include "gauges/instruments/flaps_layout.h"
#include "gauges/kit/testing/gauge_tester.h"

namespace xaq::gauges {
namespace {

abi::NeedleElement* needleOf(abi::GaugeHeader& g) {
  abi::ElementHeader* const* face = g.elements[0]->children;
  for (; *face != nullptr; ++face) {
    if (auto* n = abi::elementAs<abi::NeedleElement>(*face)) return n;
  }
  return nullptr;
}

double angleDeg(abi::PixPoint pivot, abi::PixPoint p) {
  const double a = std::atan2(p.x - pivot.x, -(p.y - pivot.y)) * 180.0 / 3.14159265358979323846;
  return a < 0 ? a + 360.0 : a;
}

class FlapsIndicator : public ::testing::Test {
 protected:
  void SetUp() override { Linkage.moduleInit(); }
  void TearDown() override { Linkage.moduleDeinit(); }

  // One host frame at simulation time t: a cycle, the per-frame service, then the draw.
  double frameAt(double t, double flaps) {
    host.values[604] = t;
    host.values[329] = flaps;
    host.timer.fire();
    gauge_FlapsInd.callback(&gauge_FlapsInd, abi::kServicePreUpdate, 0);
    return testing::applyFirstValue(&needleOf(gauge_FlapsInd)->header, host.values);
  }

  frame::testing::TestHost host;
};

TEST(FlapsTables, TheScaleSitsAtTheAnglesOfTheFlapPositions) {
  const abi::NeedleElement& n = *needleOf(gauge_FlapsInd);
  ASSERT_EQ(n.scaleCount, 5u);
  EXPECT_EQ(n.header.resourceId, 8221u);
  EXPECT_EQ(n.header.position.x, 96);
  EXPECT_EQ(n.header.position.y, 74);
  EXPECT_EQ(n.variable.id, 329u);
  const double values[] = {0, 2340, 4681, 7021, 16384};
  const double angles[] = {0.0, 29.6, 60.4, 91.1, 209.5};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(n.scale[i].value, values[i]);
    EXPECT_NEAR(angleDeg(n.header.position, n.scale[i].point), angles[i], 0.05) << i;
  }
}

TEST(FlapsTables, TheTwinHasItsOwnBitmapsAndTheSameScaleAboutItsOwnPivot) {
  const abi::NeedleElement& main = *needleOf(gauge_FlapsInd);
  const abi::NeedleElement& twin = *needleOf(gauge_FlapsInd_V);
  EXPECT_NE(twin.header.resourceId, main.header.resourceId);
  EXPECT_NE(gauge_FlapsInd_V.elements[0]->resourceId, gauge_FlapsInd.elements[0]->resourceId);
  EXPECT_EQ(twin.callback, main.callback) << "the twins share the needle";
  ASSERT_EQ(twin.scaleCount, main.scaleCount);
  for (std::uint32_t i = 0; i < main.scaleCount; ++i) {
    EXPECT_EQ(twin.scale[i].value, main.scale[i].value);
    EXPECT_NEAR(angleDeg(twin.header.position, twin.scale[i].point),
                angleDeg(main.header.position, main.scale[i].point), 1e-9);
  }
  // The twin has no lighting overlay: the needle is its only moving part.
  EXPECT_EQ(gauge_FlapsInd_V.elements[0]->children[1], nullptr);
}

TEST(FlapsTables, TheTooltipNamesTheInstrument) {
  for (abi::GaugeHeader* g : {&gauge_FlapsInd, &gauge_FlapsInd_V}) {
    int tooltips = 0;
    for (abi::MouseRecord* r = g->mouseTable; r->kind != abi::kMouseEnd; ++r) {
      if (r->kind == abi::kMouseTooltip) {
        ++tooltips;
        EXPECT_STREQ(r->target.tooltipText, "Flaps position indicator");
        EXPECT_EQ(r->eventOrCount, 0u);
      }
      EXPECT_NE(r->kind, abi::kMouseArea) << "nothing to click on";
    }
    EXPECT_EQ(tooltips, 1);
  }
}

TEST(FlapsWithoutAircraft, TheNeedleRestsAtZero) {
  frame::testing::TestHost host;
  host.values[329] = 8000;
  EXPECT_EQ(testing::applyFirstValue(&needleOf(gauge_FlapsInd)->header, host.values), 0.0);
  gauge_FlapsInd.callback(&gauge_FlapsInd, abi::kServicePreUpdate, 0);
}

TEST_F(FlapsIndicator, TheNeedleFollowsTheFlapsAtItsRateWhateverTheFrameTime) {
  double t = 0.0;
  for (double dt : {0.028, 0.056, 0.3}) {
    frameAt(t += 10.0, 0.0);
    frameAt(t += 10.0, 0.0);
    ASSERT_DOUBLE_EQ(frameAt(t, 0.0), 0.0);
    // The flaps run out: the needle moves from the next frame on, full travel in one second.
    frameAt(t, 16384.0);
    const int frames = static_cast<int>(std::lround(0.6 / dt));
    double shown = 0.0;
    for (int k = 1; k <= frames; ++k) shown = frameAt(t += dt, 16384.0);
    EXPECT_NEAR(shown, 16384.0 * frames * dt, 1e-6) << dt;
    for (int k = 0; k < 20; ++k) shown = frameAt(t += dt, 16384.0);
    EXPECT_DOUBLE_EQ(shown, 16384.0) << "reaches the position and stays";
  }
  // A paused clock holds the needle.
  frameAt(t, 0.0);
  for (int k = 0; k < 5; ++k) EXPECT_DOUBLE_EQ(frameAt(t, 0.0), 16384.0);
}

TEST_F(FlapsIndicator, ValuesOutsideTheTravelAreHeldAtTheScaleEnds) {
  frameAt(0.0, 30000.0);
  frameAt(5.0, 30000.0);
  EXPECT_DOUBLE_EQ(frameAt(5.0, 30000.0), 16384.0);
  frameAt(10.0, -500.0);
  EXPECT_DOUBLE_EQ(frameAt(15.0, -500.0), 0.0);
  frameAt(20.0, std::nan(""));
  EXPECT_DOUBLE_EQ(frameAt(25.0, std::nan("")), 0.0) << "a value the host cannot mean changes nothing";
}

TEST_F(FlapsIndicator, TheLitFaceShowsWithTheNightImages) {
  abi::ElementHeader* overlay = gauge_FlapsInd.elements[0]->children[0];
  ASSERT_EQ(overlay->kind, abi::kIcon);
  EXPECT_EQ(overlay->resourceId, 8222u);
  host.timer.fire();
  testing::applyFirstValue(overlay, host.values);
  EXPECT_NE(overlay->imageFlags & abi::kImageHidden, 0u);
  host.setNightLighting(true);
  testing::applyFirstValue(overlay, host.values);
  EXPECT_EQ(overlay->imageFlags & abi::kImageHidden, 0u);
  host.setNightLighting(false);
  testing::applyFirstValue(overlay, host.values);
  EXPECT_NE(overlay->imageFlags & abi::kImageHidden, 0u);
}

}  // namespace
}  // namespace xaq::gauges
