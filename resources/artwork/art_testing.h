#pragma once
// What the artwork tests share: a registered bitmap rendered as the host would load it, and a
// pixel's plain brightness to tell marks from the dark face.

#include <gtest/gtest.h>

#include <cstdint>

#include "resources/artwork/families.h"
#include "resources/artwork/registry.h"

namespace xaq::art {

inline int brightness(Rgb c) { return (c.r + c.g + c.b) / 3; }

inline Bitmap drawn(std::uint32_t id) {
  static const Registry art = allArtworks();
  const Artwork* artwork = art.find(id);
  EXPECT_NE(artwork, nullptr) << id;
  return artwork != nullptr ? render(*artwork) : Bitmap{};
}

}  // namespace xaq::art
