// The host's magnetic variation: read from the simulator's grid file, interpolated at the
// aircraft, and pinned by a scenario when it says so.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <tuple>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <vector>

#include "simhost/sim_host.h"
#include "simhost/scenario.h"
#include "simhost/variation_grid.h"
#include "tests/sil/host_fixture.h"

namespace xaq::sim {
namespace {

namespace fs = std::filesystem;

// Writes a grid file whose every point holds `fill`, then applies `cells` (column, row, value).
std::string writeGrid(const fs::path& folder, std::uint16_t fill,
                      const std::vector<std::tuple<int, int, std::uint16_t>>& cells, std::size_t cut = 0) {
  fs::create_directories(folder);
  const std::uint32_t offset = 200;
  std::vector<std::uint8_t> bytes(offset + 8 + 360 * 181 * 2, 0);
  std::memcpy(bytes.data() + 110, &offset, 4);
  auto put = [&](int column, int row, std::uint16_t v) {
    std::memcpy(bytes.data() + offset + 8 + (column * 181 + row) * 2, &v, 2);
  };
  for (int c = 0; c < 360; ++c) {
    for (int r = 0; r < 181; ++r) put(c, r, fill);
  }
  for (auto [c, r, v] : cells) put(c, r, v);
  bytes.resize(bytes.size() - cut);
  const fs::path path = folder / "magdec.bgl";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

fs::path scratch(const char* name) {
  return fs::temp_directory_path() / ("xaq-variation-" + std::to_string(::getpid()) + "-" + name);
}

TEST(VariationGrid, ReadsPointsEastPositiveAndInterpolatesBetweenThem) {
  const fs::path folder = scratch("grid");
  // 10 degrees east everywhere; one point at 20 east (column 1, latitude 0 = row 90) and one
  // stored as 65000 (-2.944, west) at column 359, latitude 45.
  const std::string path = writeGrid(folder, 1820, {{1, 90, 3641}, {359, 135, 65000}});
  const VariationGrid grid = VariationGrid::load(path);
  ASSERT_TRUE(grid.loaded());
  EXPECT_NEAR(grid.point(0, 0), 9.997, 1e-3);
  EXPECT_NEAR(grid.point(359, 135), -2.9443, 1e-3);
  EXPECT_NEAR(grid.at(0.0, 1.0), 20.0, 1e-2);
  EXPECT_NEAR(grid.at(0.0, 0.5), 15.0, 1e-2) << "half way between the points";
  EXPECT_NEAR(grid.at(45.0, -1.0), -2.9443, 1e-3) << "west longitudes are columns 180..359";
  EXPECT_NEAR(grid.at(45.0, -0.5), (9.997 - 2.9526) / 2, 1e-2) << "across the prime meridian";
  EXPECT_NEAR(grid.at(95.0, 10.0), 9.997, 1e-3) << "beyond the pole reads the pole row";
  fs::remove_all(folder);
}

TEST(VariationGrid, AShortOrMissingFileGivesNoGrid) {
  const fs::path folder = scratch("short");
  EXPECT_FALSE(VariationGrid::load(writeGrid(folder, 1820, {}, 2)).loaded());
  EXPECT_FALSE(VariationGrid::load((folder / "none.bgl").string()).loaded());
  EXPECT_DOUBLE_EQ(VariationGrid().at(47.0, -122.0), 0.0);
  fs::remove_all(folder);
}

TEST(VariationGrid, TheSampleGridCarriesTheRealField) {
  const VariationGrid grid = VariationGrid::load(std::string(XAQ_RESOURCES_SIM_FOLDER) + "/Scenery/magdec.bgl");
  ASSERT_TRUE(grid.loaded());
  EXPECT_NEAR(grid.at(47.45, -122.31), 15.05, 0.5);  // Seattle
  EXPECT_NEAR(grid.at(40.64, -73.78), -12.62, 0.5);  // New York
  EXPECT_NEAR(grid.at(-33.95, 151.18), 12.81, 0.5);  // Sydney
}

TEST(VariationGrid, TheHostReportsTheGridAtTheAircraftUntilAScenarioPinsIt) {
  HostOptions options = testing::testHostOptions();
  options.simulatorFolder = XAQ_RESOURCES_SIM_FOLDER;
  SimHost host(options);
  ASSERT_TRUE(host.loaded()) << host.error();
  host.world.aircraft.latDeg = 45.59;
  host.world.aircraft.lonDeg = -122.60;  // Portland
  host.runFrame();
  EXPECT_NEAR(host.hostValue(82), 15.0, 1.0);
  host.world.aircraft.latDeg = 40.64;
  host.world.aircraft.lonDeg = -73.78;
  host.runFrame();
  EXPECT_NEAR(host.hostValue(82), -12.62, 0.5);
  ASSERT_TRUE(setModelValue(host.world, "magvar", 3.0));
  host.runFrame();
  EXPECT_DOUBLE_EQ(host.hostValue(82), 3.0);
}

}  // namespace
}  // namespace xaq::sim
