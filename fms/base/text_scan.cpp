#include "fms/base/text_scan.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace xaq::fms {

LineReader::LineReader(std::string_view text, std::size_t bufferChars)
    : text_(text), maxPiece_(bufferChars > 1 ? bufferChars - 1 : 1) {}

bool LineReader::next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  const char* start = text_.data() + pos_;
  const std::size_t rest = text_.size() - pos_;
  // One character more than a piece holds: a "\r\n" closing a full piece counts as one.
  const std::size_t window = rest < maxPiece_ + 1 ? rest : maxPiece_ + 1;
  const void* nl = std::memchr(start, '\n', window);
  std::size_t len = window < maxPiece_ ? window : maxPiece_;
  std::size_t used = len;
  if (nl != nullptr) {
    const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(nl) - start);
    if (at > 0 && start[at - 1] == '\r') {
      len = at;  // the piece ends on its '\r', which stands for the line end
      used = at + 1;
    } else if (at < maxPiece_) {
      len = used = at + 1;
    }
  }
  line = std::string_view(start, len);
  pos_ += used;
  ++lineNumber_;
  return true;
}

namespace detail {

const char* decimalToFloatFast(const char* first, const char* last, float& out) {
  static constexpr double kNegPow10[] = {1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                         1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15};
  const char* p = first;
  std::uint64_t mantissa = 0;
  int digits = 0, fractionDigits = 0;
  while (p < last && *p >= '0' && *p <= '9') {
    mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p++ - '0');
    ++digits;
  }
  if (p < last && *p == '.') {
    const char* fraction = ++p;
    while (p < last && *p >= '0' && *p <= '9') mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p++ - '0');
    fractionDigits = static_cast<int>(p - fraction);
    digits += fractionDigits;
  }
  // Beyond 15 digits the mantissa may have wrapped; it is not used then.
  if (digits == 0 || digits > 15 || (p < last && (*p == 'e' || *p == 'E'))) return nullptr;
  const double approx = static_cast<double>(mantissa) * kNegPow10[fractionDigits];
  // The 29 fraction bits a float drops: 1000...0 is halfway; keep well clear of it.
  std::uint64_t bits = 0;
  std::memcpy(&bits, &approx, sizeof bits);
  const std::uint64_t dropped = bits & 0x1fffffffu;
  if (dropped + 8 >= 0x10000000u && dropped <= 0x10000000u + 8) return nullptr;
  out = static_cast<float>(approx);
  return p;
}

const char* decimalToFloatSlow(const char* first, const char* last, float& out) {
  const auto result = std::from_chars(first, last, out, std::chars_format::general);
  if (result.ec != std::errc() || !std::isfinite(out)) return nullptr;
  return result.ptr;
}

}  // namespace detail

std::size_t foldCrLf(char* data, std::size_t size) {
  if (size == 0 || std::memchr(data, '\r', size) == nullptr) return size;
  std::size_t out = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') continue;
    data[out++] = data[i];
  }
  return out;
}

}  // namespace xaq::fms
