#pragma once
// Test helper: a variation grid file in the simulator's layout with chosen cell values.

#include <cstdint>
#include <string>

#include "fms/magvar/magnetic_variation.h"

namespace xaq::fms::testing {

// valueOf(column, row) gives each cell's stored value; the grid block sits at blockOffset.
template <typename ValueOf>
std::string makeGridFile(ValueOf valueOf, std::uint32_t blockOffset = 200) {
  std::string file(blockOffset + kGridBlockHeaderBytes + kGridBytes, '\0');
  for (int i = 0; i < 4; ++i) file[kGridOffsetPosition + i] = static_cast<char>((blockOffset >> (8 * i)) & 0xff);
  const std::size_t grid = blockOffset + kGridBlockHeaderBytes;
  for (int c = 0; c < kGridColumns; ++c) {
    for (int r = 0; r < kGridRows; ++r) {
      const std::uint16_t v = valueOf(c, r);
      const std::size_t at = grid + (static_cast<std::size_t>(c) * kGridRows + r) * 2;
      file[at] = static_cast<char>(v & 0xff);
      file[at + 1] = static_cast<char>(v >> 8);
    }
  }
  return file;
}

// A grid of one variation everywhere, east positive.
inline std::string uniformGridFile(double variationDeg) {
  const double turns = (variationDeg < 0 ? variationDeg + 360.0 : variationDeg) / 360.0;
  const auto v = static_cast<std::uint16_t>(turns * 65536.0 + 0.5);
  return makeGridFile([v](int, int) { return v; });
}

}  // namespace xaq::fms::testing
