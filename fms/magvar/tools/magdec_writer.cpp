#include "fms/magvar/tools/magdec_writer.h"

#include <cmath>
#include <cstring>

#include "fms/magvar/magnetic_variation.h"

namespace xaq::fms::tools {
namespace {

void putLe16(std::string& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<char>(v & 0xff);
  b[at + 1] = static_cast<char>(v >> 8);
}
void putLe32(std::string& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
}

}  // namespace

std::uint16_t degToGridValue(double declinationDeg) {
  double turns = declinationDeg / 360.0;
  turns -= std::floor(turns);
  const long v = std::lround(turns * 65536.0);
  return static_cast<std::uint16_t>(v & 0xffff);
}

std::string buildMagdecFile(const WmmModel& model, double decimalYear) {
  std::string file(kGeneratedGridBlockOffset + kGridBlockHeaderBytes + kGridBytes, '\0');
  static constexpr char kTag[] = "Xaq-Orvek magnetic variation grid, WMM2025 main field";
  std::memcpy(file.data(), kTag, sizeof kTag - 1);
  putLe32(file, kGridOffsetPosition, kGeneratedGridBlockOffset);
  // Block header: the grid's size in bytes and its dimensions.
  putLe32(file, kGeneratedGridBlockOffset, static_cast<std::uint32_t>(kGridBytes));
  putLe16(file, kGeneratedGridBlockOffset + 4, static_cast<std::uint16_t>(kGridColumns));
  putLe16(file, kGeneratedGridBlockOffset + 6, static_cast<std::uint16_t>(kGridRows));
  const std::size_t grid = kGeneratedGridBlockOffset + kGridBlockHeaderBytes;
  for (int column = 0; column < kGridColumns; ++column) {
    const double lon = column < 180 ? column : column - 360;
    for (int row = 0; row < kGridRows; ++row) {
      double lat = row - 90.0;
      if (lat > kPoleLatitudeDeg) lat = kPoleLatitudeDeg;
      if (lat < -kPoleLatitudeDeg) lat = -kPoleLatitudeDeg;
      const double dec = model.declinationDeg(lat, lon, 0.0, decimalYear);
      putLe16(file, grid + (static_cast<std::size_t>(column) * kGridRows + row) * 2, degToGridValue(dec));
    }
  }
  return file;
}

}  // namespace xaq::fms::tools
