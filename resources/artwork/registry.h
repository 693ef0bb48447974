#pragma once
// Every bitmap resource the module carries: its id, its size and the painter that draws it.
// Each gauge family adds its bitmaps in its own painter file (see families.h).

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gauges/kit/layout.h"
#include "resources/artwork/bitmap.h"

namespace xaq::art {

// Draws on a surface of the artwork's size, cleared to the transparent colour.
using Painter = std::function<void(cairo_t*)>;

struct Artwork {
  std::uint32_t id = 0;
  gauges::layout::Size size;
  Painter paint;
};

class Registry {
 public:
  void add(std::uint32_t id, gauges::layout::Size size, Painter paint);
  const std::vector<Artwork>& artworks() const { return artworks_; }  // by id
  const Artwork* find(std::uint32_t id) const;
  // Duplicate ids, empty sizes: the generator refuses to write anything while there are some.
  const std::vector<std::string>& problems() const { return problems_; }

 private:
  std::vector<Artwork> artworks_;
  std::vector<std::string> problems_;
};

Bitmap render(const Artwork& artwork);

// Writes <id>.bmp and <id>.png for every artwork, bitmaps.rc and bitmaps.txt into `folder`
// (created when missing). False with `error` set when the registry has problems or a file
// cannot be written.
bool writeArtworkFolder(const Registry& registry, const std::string& folder, std::string& error);

}  // namespace xaq::art
