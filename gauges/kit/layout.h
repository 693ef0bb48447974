#pragma once
// What a gauge's table and its artwork share: bitmap ids, points on the background, needle
// pivots and scale marks. Plain constexpr data with no module code behind it, so the build-time
// artwork generator draws a dial's marks at exactly the points its needle's table uses.

#include <cstddef>
#include <cstdint>

namespace xaq::gauges::layout {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// One point of a needle's scale: where on the background the needle points for `value`, and the
// dial's legend there (null for an unlabelled mark).
struct ScaleMark {
  Point point;
  double value = 0.0;
  const char* legend = nullptr;
};

// A needle bitmap turning about `pivot` on the background; its own bitmap points up with its
// turning point at `bitmapPivot`.
struct NeedleLayout {
  std::uint32_t bitmapId = 0;
  Point pivot;
  Size bitmapSize;
  Point bitmapPivot;
};

// The same marks moved by (dx, dy): a twin's scale "translated to its own pivot".
template <std::size_t N>
constexpr auto translated(const ScaleMark (&marks)[N], std::int32_t dx, std::int32_t dy) {
  struct Marks {
    ScaleMark mark[N];
  } out{};
  for (std::size_t i = 0; i < N; ++i) {
    out.mark[i] = marks[i];
    out.mark[i].point = {marks[i].point.x + dx, marks[i].point.y + dy};
  }
  return out;
}

}  // namespace xaq::gauges::layout
