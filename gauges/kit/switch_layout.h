#pragma once
// What a switch panel's table and its artwork share: where each control sits, what it looks
// like, and the bitmap ids of its images. Plain constexpr data, so the artwork generator draws
// each switch image at the size of its mouse rectangle and the panel's legends beside it.

#include <cstddef>
#include <cstdint>

#include "gauges/kit/layout.h"

namespace xaq::gauges::layout {

struct Rect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  constexpr Point origin() const { return {x, y}; }
  constexpr Size size() const { return {width, height}; }
};

// How a switch looks. Its images are indexed by the value its callback returns.
enum class SwitchLook : std::int32_t {
  kToggle,          // lever down (0) / up (1)
  kLeverThreeWay,   // vertical lever: centre (0), down (1), up (2)
  kLeverSideways,   // horizontal lever: centre (0), left (1), right (2)
  kRotary,          // a pointer knob, one image per position
  kPushButton,      // released (0) / pressed or latched (1)
  kSpringRocker,    // centre (0), left held (1), right held (2)
  kLight,           // dark (0), then one lit image per state
};

// One set of images: `count` day bitmaps from dayId on and as many night ones from nightId on
// (lights have no night set: nightId 0). For a rotary knob `slots` places each position on the
// knob's arc (null: position n at slot n).
struct SwitchImages {
  std::uint32_t dayId = 0;
  std::uint32_t nightId = 0;
  SwitchLook look = SwitchLook::kToggle;
  std::int32_t count = 2;
  Size size;
  const std::int32_t* slots = nullptr;
  const char* legend = nullptr;  // lights: the text on the lens
  std::uint32_t lensColour = 0;  // lights: 0xRRGGBB
};

// True when every entry's `control` is its own index: the panels' tables are indexed by their
// control enums.
template <typename T, std::size_t N>
constexpr bool indexedByControl(const T (&table)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(table[i].control) != i) return false;
  }
  return true;
}

}  // namespace xaq::gauges::layout
