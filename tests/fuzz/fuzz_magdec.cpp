// Fuzz target: the variation grid file. The input is the whole file; lookups cover the grid's
// corners, the rounding edges and positions outside the globe.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "fms/magvar/magnetic_variation.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  xaq::fms::MagneticVariation variation;
  const bool loaded = variation.loadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  XAQ_FUZZ_REQUIRE(loaded == variation.loaded());
  static constexpr double kPoints[][2] = {{0, 0},         {90, 180},     {-90, -180},    {89.5, 179.5},
                                          {-89.5, -179.5}, {45.4, -73.6}, {1e300, -1e300}, {-500, 720}};
  for (const auto& p : kPoints) {
    const double v = variation.variationDeg(p[0], p[1]);
    XAQ_FUZZ_REQUIRE(v >= -180.0 && v <= 180.0);
    if (!loaded) XAQ_FUZZ_REQUIRE(v == 0.0);
  }
  const double nan = std::numeric_limits<double>::quiet_NaN();
  XAQ_FUZZ_REQUIRE(std::isfinite(variation.variationDeg(nan, nan)));
  return 0;
}
