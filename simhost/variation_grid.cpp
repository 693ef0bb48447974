#include "simhost/variation_grid.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "simhost/geo.h"

namespace xaq::sim {

namespace {
constexpr std::size_t kOffsetPosition = 110;
constexpr std::size_t kGridSkip = 8;
constexpr int kColumns = 360;
constexpr int kRows = 181;
}  // namespace

VariationGrid VariationGrid::load(const std::string& path) {
  VariationGrid grid;
  std::ifstream in(path, std::ios::binary);
  if (!in) return grid;
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < kOffsetPosition + 4) return grid;
  std::uint32_t offset = 0;
  std::memcpy(&offset, bytes.data() + kOffsetPosition, 4);
  const std::size_t start = static_cast<std::size_t>(offset) + kGridSkip;
  const std::size_t length = static_cast<std::size_t>(kColumns) * kRows * 2;
  if (start > bytes.size() || bytes.size() - start < length) return grid;
  grid.cells_.resize(static_cast<std::size_t>(kColumns) * kRows);
  std::memcpy(grid.cells_.data(), bytes.data() + start, length);
  return grid;
}

double VariationGrid::point(int column, int row) const {
  if (!loaded()) return 0.0;
  column = ((column % kColumns) + kColumns) % kColumns;
  row = row < 0 ? 0 : (row >= kRows ? kRows - 1 : row);
  const double deg = cells_[static_cast<std::size_t>(column) * kRows + static_cast<std::size_t>(row)] * 360.0 / 65536.0;
  return deg > 180.0 ? deg - 360.0 : deg;
}

double VariationGrid::at(double latDeg, double lonDeg) const {
  if (!loaded() || !std::isfinite(latDeg) || !std::isfinite(lonDeg)) return 0.0;
  const double lat = latDeg < -90.0 ? -90.0 : (latDeg > 90.0 ? 90.0 : latDeg);
  const double lon = wrap360(lonDeg);
  const int c0 = static_cast<int>(std::floor(lon));
  const int r0 = static_cast<int>(std::floor(lat + 90.0));
  const double fx = lon - c0;
  const double fy = lat + 90.0 - r0;
  // Blend differences from one corner so a field crossing +-180 degrees (near the magnetic
  // poles) does not average to nonsense.
  const double base = point(c0, r0);
  const double d10 = wrap180(point(c0 + 1, r0) - base);
  const double d01 = wrap180(point(c0, r0 + 1) - base);
  const double d11 = wrap180(point(c0 + 1, r0 + 1) - base);
  const double blended = base + fx * (1 - fy) * d10 + (1 - fx) * fy * d01 + fx * fy * d11;
  return wrap180(blended);
}

}  // namespace xaq::sim
