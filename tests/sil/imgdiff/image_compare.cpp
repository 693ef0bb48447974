#include "tests/sil/imgdiff/image_compare.h"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>

namespace xaq::golden {

namespace {

int channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

}  // namespace

std::optional<Image> readPng(const std::string& path) {
  cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return std::nullopt;
  }
  cairo_surface_flush(s);
  Image image;
  image.width = cairo_image_surface_get_width(s);
  image.height = cairo_image_surface_get_height(s);
  const bool alpha = cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32;
  const int stride = cairo_image_surface_get_stride(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  image.argb.reserve(static_cast<std::size_t>(image.width) * image.height);
  for (int y = 0; y < image.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = row[x];
      const std::uint32_t a = alpha ? p >> 24 : 255;
      if (a == 0) {
        image.argb.push_back(0);
        continue;
      }
      auto straight = [a](std::uint32_t c) { return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a); };
      image.argb.push_back(a << 24 | straight((p >> 16) & 0xFF) << 16 | straight((p >> 8) & 0xFF) << 8 |
                           straight(p & 0xFF));
    }
  }
  cairo_surface_destroy(s);
  return image;
}

bool writePng(const Image& image, const std::string& path) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return false;
  }
  cairo_surface_flush(s);
  const int stride = cairo_image_surface_get_stride(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  for (int y = 0; y < image.height; ++y) {
    std::copy_n(image.argb.begin() + static_cast<std::ptrdiff_t>(y) * image.width, image.width,
                reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride));
  }
  cairo_surface_mark_dirty(s);
  const bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  return ok;
}

Comparison compare(const Image& actual, const Image& reference, const Tolerance& tolerance) {
  Comparison result;
  result.sameSize = actual.width == reference.width && actual.height == reference.height &&
                    actual.argb.size() == reference.argb.size();
  if (!result.sameSize) return result;
  result.diff = reference;
  for (std::size_t i = 0; i < actual.argb.size(); ++i) {
    const std::uint32_t a = actual.argb[i], r = reference.argb[i];
    int largest = 0;
    for (int shift : {0, 8, 16, 24}) largest = std::max(largest, std::abs(channel(a, shift) - channel(r, shift)));
    result.largest = std::max(result.largest, largest);
    if (largest > tolerance.channel) {
      ++result.differing;
      result.diff.argb[i] = 0xFFFF2020;
    } else {
      const int grey = (channel(r, 16) + channel(r, 8) + channel(r, 0)) / 9 + 20;
      result.diff.argb[i] = 0xFF000000u | static_cast<std::uint32_t>(grey * 0x010101);
    }
  }
  result.matches = static_cast<double>(result.differing) <= tolerance.differingFraction * actual.argb.size();
  return result;
}

}  // namespace xaq::golden
