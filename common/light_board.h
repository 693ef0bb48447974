#pragma once
// Which caution and warning lights are set, by light index; indexes outside the board are
// ignored.

#include <bitset>
#include <cstddef>

namespace xaq {

class LightBoard {
 public:
  static constexpr int kLights = 256;

  void set(int light, bool on) {
    if (light >= 0 && light < kLights) lit_.set(static_cast<std::size_t>(light), on);
  }
  bool isLit(int light) const { return light >= 0 && light < kLights && lit_.test(static_cast<std::size_t>(light)); }

 private:
  std::bitset<kLights> lit_;
};

}  // namespace xaq
