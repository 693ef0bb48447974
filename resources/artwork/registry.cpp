#include "resources/artwork/registry.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace xaq::art {

namespace {

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace

void Registry::add(std::uint32_t id, gauges::layout::Size size, Painter paint) {
  if (size.width <= 0 || size.height <= 0) {
    problems_.push_back("bitmap " + std::to_string(id) + " has an empty size");
    return;
  }
  auto at = std::lower_bound(artworks_.begin(), artworks_.end(), id,
                             [](const Artwork& a, std::uint32_t key) { return a.id < key; });
  if (at != artworks_.end() && at->id == id) {
    problems_.push_back("bitmap " + std::to_string(id) + " is drawn twice");
    return;
  }
  artworks_.insert(at, Artwork{id, size, std::move(paint)});
}

const Artwork* Registry::find(std::uint32_t id) const {
  auto at = std::lower_bound(artworks_.begin(), artworks_.end(), id,
                             [](const Artwork& a, std::uint32_t key) { return a.id < key; });
  return at != artworks_.end() && at->id == id ? &*at : nullptr;
}

Bitmap render(const Artwork& artwork) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, artwork.size.width, artwork.size.height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  if (artwork.paint) artwork.paint(cr);
  cairo_destroy(cr);
  Bitmap bitmap = keyedBitmap(surface);
  cairo_surface_destroy(surface);
  return bitmap;
}

bool writeArtworkFolder(const Registry& registry, const std::string& folder, std::string& error) {
  if (!registry.problems().empty()) {
    error = registry.problems().front();
    return false;
  }
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    error = "cannot create " + folder + ": " + ec.message();
    return false;
  }
  std::string rc = "// Drawn by xaq-artwork; do not edit.\n";
  std::string list;
  for (const Artwork& artwork : registry.artworks()) {
    const std::string id = std::to_string(artwork.id);
    const Bitmap bitmap = render(artwork);
    const std::vector<std::uint8_t> bmp = encodeBmp(bitmap);
    if (!writeFile(fs::path(folder) / (id + ".bmp"), std::string(bmp.begin(), bmp.end())) ||
        !writePng(bitmap, (fs::path(folder) / (id + ".png")).string())) {
      error = "cannot write bitmap " + id + " into " + folder;
      return false;
    }
    rc += id + " BITMAP \"" + id + ".bmp\"\n";
    list += id + "\n";
  }
  if (!writeFile(fs::path(folder) / "bitmaps.rc", rc) || !writeFile(fs::path(folder) / "bitmaps.txt", list)) {
    error = "cannot write the bitmap lists into " + folder;
    return false;
  }
  return true;
}

}  // namespace xaq::art
