// The traffic display's dial: its numerals and ticks must stay readable round the screen, whose
// picture covers the middle of the face, and must sit where the needle's scale table points.

#include "resources/artwork/glass/tcas_art.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "gauges/glass/tcas_layout.h"
#include "resources/artwork/art_testing.h"

namespace xaq::art {
namespace {

namespace tcas = gauges::tcas;

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

// Clockwise from twelve, as the scale table's angles are given.
double angleDiff(double a, double b) { return std::abs(std::remainder(a - b, 360.0)); }

struct Numeral {
  double angle = 0;
  double sumX = 0, sumY = 0;
  int pixels = 0;
};

TEST(TcasDial, ScaleLiesInTheRingBetweenTheScreenAndTheBezel) {
  const DialGeometry dial = tcasDialGeometry();
  const double edge = tcasScreenEdgeRadius();
  // The numerals' box fits between the screen's ring and the major ticks, large enough to read.
  EXPECT_GE(dial.legendRadius - dial.legendSize / 2, edge);
  EXPECT_LE(dial.legendRadius + dial.legendSize / 2, dial.tickInner);
  EXPECT_GE(dial.legendSize, 10.0);
  EXPECT_GT(dial.tickInner, edge);
  EXPECT_LT(dial.tickOuter, dial.faceRadius);
  // The needle's tip reaches into the ticks; its root stays clear of the screen.
  const double tip = tcas::kNeedle.bitmapPivot.y;
  EXPECT_GE(tip, dial.tickInner);
  EXPECT_LE(tip, dial.tickOuter);
  EXPECT_GE(tcas::kNeedleInnerRadius, edge);
}

// Both dials are the same drawing; nothing of the scale is under the picture, every bright pixel
// of the numerals' band belongs to a labelled mark of the table, and each numeral is centred on
// its mark's ray at the legend radius.
TEST(TcasDial, NumeralsShowOnTheTablesAnglesOnBothDials) {
  const DialGeometry dial = tcasDialGeometry();
  const double edge = tcasScreenEdgeRadius();
  const Point pivot = tcas::kNeedle.pivot;
  for (std::uint32_t id : {tcas::kBackgroundId, tcas::kTwinBackgroundId}) {
    const Bitmap b = drawn(id);
    ASSERT_EQ(b.width, tcas::kBackgroundSize.width);
    ASSERT_EQ(b.height, tcas::kBackgroundSize.height);
    std::vector<Numeral> numerals;
    for (const ScaleMark& m : tcas::kScale) {
      if (m.legend != nullptr) numerals.push_back({markAngleDeg(pivot, m.point)});
    }
    ASSERT_EQ(numerals.size(), 13u);
    int underPicture = 0, strays = 0;
    for (int y = 0; y < b.height; ++y) {
      for (int x = 0; x < b.width; ++x) {
        const double dx = x + 0.5 - pivot.x, dy = y + 0.5 - pivot.y;
        const double r = std::hypot(dx, dy);
        const bool bright = brightness(b.at(x, y)) > 120;
        if (r < edge - 1 && brightness(b.at(x, y)) > 40) ++underPicture;
        if (!bright || r < edge + 0.5 || r > dial.tickInner - 0.5) continue;
        const double angle = std::fmod(std::atan2(dx, -dy) / kDegToRad + 360.0, 360.0);
        Numeral* nearest = &numerals.front();
        for (Numeral& n : numerals) {
          if (angleDiff(angle, n.angle) < angleDiff(angle, nearest->angle)) nearest = &n;
        }
        if (angleDiff(angle, nearest->angle) > 7.0) {
          ++strays;
          continue;
        }
        nearest->sumX += x + 0.5;
        nearest->sumY += y + 0.5;
        ++nearest->pixels;
      }
    }
    EXPECT_EQ(underPicture, 0) << id;
    EXPECT_EQ(strays, 0) << id;
    for (const Numeral& n : numerals) {
      ASSERT_GE(n.pixels, 12) << id << " numeral at " << n.angle;
      const double cx = pivot.x + std::sin(n.angle * kDegToRad) * dial.legendRadius;
      const double cy = pivot.y - std::cos(n.angle * kDegToRad) * dial.legendRadius;
      EXPECT_NEAR(n.sumX / n.pixels, cx, 2.0) << id << " numeral at " << n.angle;
      EXPECT_NEAR(n.sumY / n.pixels, cy, 2.0) << id << " numeral at " << n.angle;
    }
  }
}

// Each mark's tick lies on its ray, the face dark a little to either side.
TEST(TcasDial, TicksLieOnTheTablesRaysOutsideTheScreen) {
  const DialGeometry dial = tcasDialGeometry();
  const Point pivot = tcas::kNeedle.pivot;
  for (std::uint32_t id : {tcas::kBackgroundId, tcas::kTwinBackgroundId}) {
    const Bitmap b = drawn(id);
    auto sample = [&](double deg, double r) {
      return brightness(b.at(static_cast<int>(std::floor(pivot.x + std::sin(deg * kDegToRad) * r)),
                             static_cast<int>(std::floor(pivot.y - std::cos(deg * kDegToRad) * r))));
    };
    for (const ScaleMark& m : tcas::kScale) {
      const double angle = markAngleDeg(pivot, m.point);
      const double inner = m.legend != nullptr ? dial.tickInner : dial.minorInner;
      for (double r = inner + 1.0; r <= dial.tickOuter - 1.5; r += 1.0) {
        EXPECT_GT(sample(angle, r), 160) << id << " mark " << m.value << " r " << r;
      }
      EXPECT_LT(sample(angle + 4, dial.minorInner + 1), 80) << id << " mark " << m.value;
      EXPECT_LT(sample(angle - 4, dial.minorInner + 1), 80) << id << " mark " << m.value;
    }
  }
}

}  // namespace
}  // namespace xaq::art
