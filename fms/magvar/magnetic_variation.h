#pragma once
// Magnetic variation from the simulator's variation grid, Scenery/magdec.bgl: one value per whole
// degree of latitude and longitude. The grid is read on the first lookup that finds a good file
// and kept; until then (file missing, short or malformed) every lookup gives 0.0 and the next
// lookup tries the file again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xaq::fms {

// The grid file, relative to the simulator folder.
inline constexpr std::string_view kMagVarFile = "Scenery/magdec.bgl";

// Layout of the grid file (little-endian).
inline constexpr std::size_t kGridOffsetPosition = 110;  // 32-bit offset of the grid block
inline constexpr std::size_t kGridBlockHeaderBytes = 8;  // the grid starts 8 bytes into the block
inline constexpr int kGridColumns = 360;                 // longitude 0..359 east (180..359 = -180..-1)
inline constexpr int kGridRows = 181;                    // latitude -90..90
inline constexpr std::size_t kGridBytes = static_cast<std::size_t>(kGridColumns) * kGridRows * 2;

class MagneticVariation {
 public:
  // Reads simFolder/Scenery/magdec.bgl on demand.
  static MagneticVariation fromSimFolder(std::string_view simFolder);
  explicit MagneticVariation(std::string gridFilePath);
  // No file at all: every lookup gives 0.0.
  MagneticVariation() = default;

  // Variation at the whole-degree cell nearest to the point, degrees, east positive.
  double variationDeg(double latitudeDeg, double longitudeDeg);

  // Decodes the grid from a whole file's bytes; false (and nothing kept) when the file is shorter
  // than the grid it claims.
  bool loadFromBytes(std::string_view fileBytes);
  bool loaded() const { return !grid_.empty(); }

 private:
  std::string path_;
  std::vector<std::uint16_t> grid_;  // column-major: column * kGridRows + row
};

// The encoding of one grid value in degrees (east positive), shared with the grid generator.
double gridValueToDeg(std::uint16_t value);

}  // namespace xaq::fms
