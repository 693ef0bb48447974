#pragma once
// The text a readout last made and the inputs it made it from. The host asks every readout for
// its text every frame, while the inputs of a readout change at most once a cycle (two frames)
// and mostly far less often; a readout whose inputs are the same as last time hands back its text
// without formatting it again. Inputs compare by their bits, so 0.0 and -0.0 (which print
// differently) are different inputs, and a NaN is the same input as the same NaN.

#include <array>
#include <cstddef>
#include <cstring>
#include <tuple>
#include <type_traits>

namespace xaq::gauges {

template <typename... Inputs>
class TextMemo {
  // Numbers and enumerations only: their bits are the whole of their value (no padding).
  static_assert(((std::is_arithmetic_v<Inputs> || std::is_enum_v<Inputs>) && ...), "inputs are numbers");

 public:
  static constexpr std::size_t kTextBytes = 48;

  // The text for these inputs; `make()` gives it (anything whose data() is a terminated text: a
  // std::string, a char array) when they differ from the last call's. A longer text is cut.
  template <typename Make>
  const char* text(Make&& make, const Inputs&... inputs) {
    const std::tuple<Inputs...> key(inputs...);
    if (!valid_ || !sameBits(key, key_)) {
      const auto made = make();
      const char* from = made.data();
      std::size_t n = 0;
      while (n + 1 < text_.size() && from[n] != '\0') {
        text_[n] = from[n];
        ++n;
      }
      text_[n] = '\0';
      key_ = key;
      valid_ = true;
    }
    return text_.data();
  }

 private:
  static bool sameBits(const std::tuple<Inputs...>& a, const std::tuple<Inputs...>& b) {
    return std::apply([&](const Inputs&... x) {
      return std::apply([&](const Inputs&... y) { return (bitsEqual(x, y) && ...); }, b);
    }, a);
  }
  template <typename T>
  static bool bitsEqual(const T& x, const T& y) {
    return std::memcmp(&x, &y, sizeof(T)) == 0;
  }

  std::tuple<Inputs...> key_{};
  std::array<char, kTextBytes> text_{};
  bool valid_ = false;
};

}  // namespace xaq::gauges
