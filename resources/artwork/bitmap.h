#pragma once
// A finished gauge bitmap as the host sees it: 24-bit colour where pure black (0, 0, 0) is the
// transparent colour. Written as an uncompressed bottom-up Windows BMP (a BITMAP resource once
// compiled into the .gau) and as a PNG whose transparent pixels carry alpha 0 (the sim host).

#include <cairo.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace xaq::art {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
  bool transparent() const { return r == 0 && g == 0 && b == 0; }
};

inline constexpr Rgb kTransparent{0, 0, 0};

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // top row first
  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Flattens a painted ARGB surface to the host's colour-keyed form: a pixel under half covered is
// transparent; any other pixel keeps its own colour, and one that came out pure black is lifted
// to the near-black the host draws, so it cannot turn transparent by accident.
Bitmap keyedBitmap(cairo_surface_t* surface);

std::vector<std::uint8_t> encodeBmp(const Bitmap& bitmap);
// Reads back what encodeBmp writes (24-bit, uncompressed, either row order); nullopt otherwise.
std::optional<Bitmap> decodeBmp(const std::vector<std::uint8_t>& bytes);

bool writePng(const Bitmap& bitmap, const std::string& path);

}  // namespace xaq::art
