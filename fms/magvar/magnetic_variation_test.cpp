#include <gtest/gtest.h>

#include "fms/magvar/magnetic_variation.h"
#include "fms/testing/grid_file.h"
#include "fms/testing/temp_folder.h"

namespace xaq::fms {
namespace {

using testing::makeGridFile;
using testing::TempFolder;

// Each cell stores its own column and row, so a lookup tells which cell it read.
std::string cellNumberGrid() {
  return makeGridFile([](int c, int r) { return static_cast<std::uint16_t>(c * kGridRows + r); });
}
int cellRead(MagneticVariation& mv, double lat, double lon) {
  double deg = mv.variationDeg(lat, lon);
  if (deg < 0.0) deg += 360.0;
  return static_cast<int>(deg / 360.0 * 65536.0 + 0.5);
}

TEST(MagneticVariation, PositionsRoundToTheNearestWholeDegreeCell) {
  MagneticVariation mv;
  ASSERT_TRUE(mv.loadFromBytes(cellNumberGrid()));
  EXPECT_EQ(cellRead(mv, 45.4, -73.6), 286 * kGridRows + 135);
  EXPECT_EQ(cellRead(mv, -89.6, 179.5), 180 * kGridRows + 0);    // halves away from zero
  EXPECT_EQ(cellRead(mv, 0.5, -0.5), 359 * kGridRows + 91);
  EXPECT_EQ(cellRead(mv, -0.49, 0.49), 0 * kGridRows + 90);
  EXPECT_EQ(cellRead(mv, 90.0, -180.0), 180 * kGridRows + 180);
  EXPECT_EQ(cellRead(mv, 10.0, 359.6), 0 * kGridRows + 100);     // 360 east is column 0
  // Beyond the poles the pole row is read, never memory outside the grid.
  EXPECT_EQ(cellRead(mv, 95.0, 0.0), 180);
  EXPECT_EQ(cellRead(mv, -1e9, 0.0), 0);
}

TEST(MagneticVariation, ValuesAboveHalfATurnAreWest) {
  EXPECT_NEAR(gridValueToDeg(65000), -2.9443359375, 1e-12);
  EXPECT_NEAR(gridValueToDeg(32768), 180.0, 1e-12);          // exactly half a turn stays east
  EXPECT_NEAR(gridValueToDeg(32769), -179.994506836, 1e-9);
  EXPECT_DOUBLE_EQ(gridValueToDeg(0), 0.0);
  EXPECT_NEAR(gridValueToDeg(2740), 15.05126953125, 1e-12);
}

TEST(MagneticVariation, MissingOrShortFilesGiveZeroUntilAGoodFileIsRead) {
  TempFolder sim;
  MagneticVariation mv = MagneticVariation::fromSimFolder(sim.path());
  EXPECT_DOUBLE_EQ(mv.variationDeg(47.0, -122.0), 0.0);

  const std::string good = testing::uniformGridFile(-2.95);
  sim.write("Scenery/magdec.bgl", good.substr(0, good.size() - 1));  // one byte short of its grid
  EXPECT_DOUBLE_EQ(mv.variationDeg(47.0, -122.0), 0.0);
  sim.write("Scenery/magdec.bgl", good.substr(0, 100));  // not even the offset
  EXPECT_DOUBLE_EQ(mv.variationDeg(47.0, -122.0), 0.0);
  EXPECT_FALSE(mv.loaded());

  sim.write("Scenery/magdec.bgl", good);
  EXPECT_NEAR(mv.variationDeg(47.0, -122.0), -2.95, 0.01);
  // Kept in memory from then on.
  sim.remove("Scenery/magdec.bgl");
  EXPECT_NEAR(mv.variationDeg(10.0, 10.0), -2.95, 0.01);
}

TEST(MagneticVariation, GridOffsetsPointingOutsideTheFileAreRejected) {
  std::string file = testing::uniformGridFile(5.0);
  MagneticVariation mv;
  for (const std::uint32_t offset : {0xffffffffu, 0x7fffffffu, 0x80000000u, 400u}) {
    for (int i = 0; i < 4; ++i) file[kGridOffsetPosition + i] = static_cast<char>((offset >> (8 * i)) & 0xff);
    EXPECT_FALSE(mv.loadFromBytes(file)) << offset;
  }
  EXPECT_DOUBLE_EQ(mv.variationDeg(0.0, 0.0), 0.0);
}

}  // namespace
}  // namespace xaq::fms
