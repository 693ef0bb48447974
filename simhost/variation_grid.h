#pragma once
// The simulator's magnetic-variation grid (Scenery/magdec.bgl): the host's own source of the
// variation it reports at the aircraft. A whole-degree grid, interpolated between its points the
// way the host sees a smooth field.

#include <cstdint>
#include <string>
#include <vector>

namespace xaq::sim {

class VariationGrid {
 public:
  // An empty grid when the file is missing, short or inconsistent.
  static VariationGrid load(const std::string& path);

  bool loaded() const { return !cells_.empty(); }

  // Variation in degrees, east positive, at any point; 0 without a grid.
  double at(double latDeg, double lonDeg) const;

  // The grid point itself: longitude column 0..359 (degrees east), latitude row 0..180 (-90..90).
  double point(int column, int row) const;

 private:
  std::vector<std::uint16_t> cells_;  // column-major: column * 181 + row
};

}  // namespace xaq::sim
