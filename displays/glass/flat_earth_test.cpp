// The plan-view projection: where points land for the headings and latitudes the displays meet.

#include "displays/glass/flat_earth.h"

#include <gtest/gtest.h>

namespace xaq::displays {
namespace {

TEST(FlatEarthProjection, APointDueNorthIsAheadWhenHeadingNorthAndToTheLeftWhenHeadingEast) {
  const GeoPoint here{45.0, -122.0};
  const GeoPoint north{45.1, -122.0};  // 6 NM north
  const PlanOffset up = flatEarthProjection(north, here, 0.0, 10.0);
  EXPECT_NEAR(up.x, 0.0, 1e-9);
  EXPECT_NEAR(up.y, 60.0, 1e-9);
  const PlanOffset left = flatEarthProjection(north, here, 90.0, 10.0);
  EXPECT_NEAR(left.x, -60.0, 1e-9);
  EXPECT_NEAR(left.y, 0.0, 1e-9);
  const PlanOffset behind = flatEarthProjection(north, here, 180.0, 10.0);
  EXPECT_NEAR(behind.y, -60.0, 1e-9);
}

TEST(FlatEarthProjection, EastDistancesShrinkWithTheCosineOfTheMeanLatitude) {
  // 0.1 degree of longitude at 60 degrees north is 3 NM.
  const PlanOffset east = flatEarthProjection({60.0, 10.1}, {60.0, 10.0}, 0.0, 1.0);
  EXPECT_NEAR(east.x, 3.0, 1e-9);
  EXPECT_NEAR(east.y, 0.0, 1e-9);
  // Heading east, that point is straight ahead.
  const PlanOffset ahead = flatEarthProjection({60.0, 10.1}, {60.0, 10.0}, 90.0, 1.0);
  EXPECT_NEAR(ahead.x, 0.0, 1e-9);
  EXPECT_NEAR(ahead.y, 3.0, 1e-9);
}

TEST(FlatEarthProjection, APointAcrossTheDateLineIsNearNotHalfTheWorldAway) {
  const PlanOffset p = flatEarthProjection({0.0, -179.95}, {0.0, 179.95}, 0.0, 1.0);
  EXPECT_NEAR(p.x, 6.0, 1e-6);
  const PlanOffset q = flatEarthProjection({0.0, 179.95}, {0.0, -179.95}, 0.0, 1.0);
  EXPECT_NEAR(q.x, -6.0, 1e-6);
}

TEST(FlatEarthProjection, TheOwnPositionIsTheOrigin) {
  const PlanOffset p = flatEarthProjection({45.5, -122.6}, {45.5, -122.6}, 123.0, 7.0);
  EXPECT_EQ(p.x, 0.0);
  EXPECT_EQ(p.y, 0.0);
}

}  // namespace
}  // namespace xaq::displays
