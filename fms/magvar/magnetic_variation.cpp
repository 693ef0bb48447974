#include "fms/magvar/magnetic_variation.h"

#include <optional>

#include "common/rounding.h"
#include "fms/base/file_io.h"

namespace xaq::fms {
namespace {

std::uint32_t readLe32(std::string_view b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

}  // namespace

double gridValueToDeg(std::uint16_t value) {
  const double deg = value * 360.0 * 1.52587890625e-05;
  return deg > 180.0 ? deg - 360.0 : deg;
}

MagneticVariation MagneticVariation::fromSimFolder(std::string_view simFolder) {
  return MagneticVariation(joinPath(simFolder, kMagVarFile));
}

MagneticVariation::MagneticVariation(std::string gridFilePath) : path_(std::move(gridFilePath)) {}

bool MagneticVariation::loadFromBytes(std::string_view fileBytes) {
  if (fileBytes.size() < kGridOffsetPosition + 4) return false;
  // The offset is taken as signed, as the file defines it; a negative one is no grid.
  const auto offset = static_cast<std::int32_t>(readLe32(fileBytes, kGridOffsetPosition));
  if (offset < 0) return false;
  const std::size_t start = static_cast<std::size_t>(offset) + kGridBlockHeaderBytes;
  if (start > fileBytes.size() || fileBytes.size() - start < kGridBytes) return false;
  std::vector<std::uint16_t> grid(static_cast<std::size_t>(kGridColumns) * kGridRows);
  for (std::size_t i = 0; i < grid.size(); ++i) {
    grid[i] = static_cast<std::uint16_t>(static_cast<unsigned char>(fileBytes[start + 2 * i]) |
                                         static_cast<unsigned char>(fileBytes[start + 2 * i + 1]) << 8);
  }
  grid_ = std::move(grid);
  return true;
}

double MagneticVariation::variationDeg(double latitudeDeg, double longitudeDeg) {
  if (grid_.empty()) {
    if (path_.empty()) return 0.0;
    const std::optional<std::string> bytes = readWholeFile(path_);
    if (!bytes || !loadFromBytes(*bytes)) return 0.0;
  }
  // Whole degrees, halves away from zero. Latitudes beyond the poles are held at the pole rather
  // than read from outside the grid.
  int la = xaq::roundHalfAway(latitudeDeg);
  la = la < -90 ? -90 : (la > 90 ? 90 : la);
  const int lo = xaq::roundHalfAway(longitudeDeg);
  const int column = ((lo % 360) + 360) % 360;
  return gridValueToDeg(grid_[static_cast<std::size_t>(column) * kGridRows + static_cast<std::size_t>(la + 90)]);
}

}  // namespace xaq::fms
