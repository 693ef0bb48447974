#include "resources/artwork/bitmap.h"

#include <algorithm>

namespace xaq::art {

namespace {

constexpr Rgb kNearBlack{0x10, 0x10, 0x10};
constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

std::uint32_t get16(const std::vector<std::uint8_t>& in, std::size_t at) {
  return in[at] | (static_cast<std::uint32_t>(in[at + 1]) << 8);
}

std::uint32_t get32(const std::vector<std::uint8_t>& in, std::size_t at) {
  return get16(in, at) | (get16(in, at + 2) << 16);
}

std::size_t rowBytes(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

// Undoes cairo's premultiplied alpha for one channel.
std::uint8_t straight(std::uint32_t channel, std::uint32_t alpha) {
  return static_cast<std::uint8_t>(std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha));
}

}  // namespace

Bitmap keyedBitmap(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  Bitmap out;
  out.width = cairo_image_surface_get_width(surface);
  out.height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const bool hasAlpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
  out.pixels.reserve(static_cast<std::size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < out.width; ++x) {
      const std::uint32_t p = row[x];
      const std::uint32_t alpha = hasAlpha ? p >> 24 : 255;
      if (alpha < 128) {
        out.pixels.push_back(kTransparent);
        continue;
      }
      Rgb c{straight((p >> 16) & 0xFF, alpha), straight((p >> 8) & 0xFF, alpha), straight(p & 0xFF, alpha)};
      out.pixels.push_back(c.transparent() ? kNearBlack : c);
    }
  }
  return out;
}

std::vector<std::uint8_t> encodeBmp(const Bitmap& bitmap) {
  const std::size_t pitch = rowBytes(bitmap.width);
  const std::size_t imageBytes = pitch * bitmap.height;
  std::vector<std::uint8_t> out;
  out.reserve(kFileHeaderBytes + kInfoHeaderBytes + imageBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, static_cast<std::uint32_t>(kFileHeaderBytes + kInfoHeaderBytes + imageBytes));
  put32(out, 0);
  put32(out, kFileHeaderBytes + kInfoHeaderBytes);
  put32(out, kInfoHeaderBytes);
  put32(out, static_cast<std::uint32_t>(bitmap.width));
  put32(out, static_cast<std::uint32_t>(bitmap.height));  // positive: bottom row first
  put16(out, 1);                                          // planes
  put16(out, 24);                                         // bits per pixel
  put32(out, 0);                                          // BI_RGB
  put32(out, static_cast<std::uint32_t>(imageBytes));
  put32(out, 2835);  // 72 dpi, as most paint programs write it
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = bitmap.height - 1; y >= 0; --y) {
    for (int x = 0; x < bitmap.width; ++x) {
      const Rgb c = bitmap.at(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    out.resize(out.size() + pitch - static_cast<std::size_t>(bitmap.width) * 3, 0);
  }
  return out;
}

std::optional<Bitmap> decodeBmp(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < kFileHeaderBytes + kInfoHeaderBytes || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::uint32_t offset = get32(bytes, 10);
  if (get32(bytes, 14) < kInfoHeaderBytes || get16(bytes, 28) != 24 || get32(bytes, 30) != 0) return std::nullopt;
  const auto width = static_cast<std::int32_t>(get32(bytes, 18));
  const auto rawHeight = static_cast<std::int32_t>(get32(bytes, 22));
  if (width <= 0 || rawHeight == 0 || width > 16384 || rawHeight > 16384 || rawHeight < -16384) return std::nullopt;
  const int height = rawHeight < 0 ? -rawHeight : rawHeight;
  const std::size_t pitch = rowBytes(width);
  if (offset > bytes.size() || bytes.size() - offset < pitch * height) return std::nullopt;
  Bitmap out;
  out.width = width;
  out.height = height;
  out.pixels.resize(static_cast<std::size_t>(width) * height);
  for (int row = 0; row < height; ++row) {
    const int y = rawHeight > 0 ? height - 1 - row : row;
    const std::uint8_t* p = bytes.data() + offset + pitch * row;
    for (int x = 0; x < width; ++x, p += 3) out.pixels[static_cast<std::size_t>(y) * width + x] = Rgb{p[2], p[1], p[0]};
  }
  return out;
}

bool writePng(const Bitmap& bitmap, const std::string& path) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return false;
  }
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < bitmap.height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < bitmap.width; ++x) {
      const Rgb c = bitmap.at(x, y);
      row[x] = c.transparent() ? 0u : 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
    }
  }
  cairo_surface_mark_dirty(surface);
  const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

}  // namespace xaq::art
