#pragma once
// Text fields of the FMS records have fixed widths (an identifier is 11 characters, a via is 9).
// FixedText keeps that width as part of the type and cuts anything longer on assignment, so a
// long identifier in a data file can never run past its field.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace xaq::fms {

template <std::size_t MaxChars>
class FixedText {
 public:
  static constexpr std::size_t kMaxChars = MaxChars;

  constexpr FixedText() = default;
  explicit FixedText(std::string_view text) { assign(text); }

  void assign(std::string_view text) {
    const std::size_t n = text.size() < MaxChars ? text.size() : MaxChars;
    if (n > 0) std::memcpy(chars_, text.data(), n);
    std::memset(chars_ + n, 0, MaxChars + 1 - n);
  }
  FixedText& operator=(std::string_view text) {
    assign(text);
    return *this;
  }

  void clear() { std::memset(chars_, 0, sizeof chars_); }
  bool empty() const { return chars_[0] == '\0'; }
  std::size_t size() const { return std::strlen(chars_); }
  const char* c_str() const { return chars_; }
  std::string_view view() const { return std::string_view(chars_, size()); }
  std::string str() const { return std::string(view()); }

  friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }

 private:
  char chars_[MaxChars + 1] = {};
};

}  // namespace xaq::fms
