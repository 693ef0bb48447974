#include "fms/base/text_scan.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace xaq::fms {

namespace {

std::uint64_t loadWord(const char* p) {
  std::uint64_t w = 0;
  std::memcpy(&w, p, sizeof w);
  return w;
}

}  // namespace

namespace detail {

namespace {

bool isDigit(char c) { return static_cast<unsigned char>(c) - unsigned{'0'} <= 9; }

// The plain-decimal conversion. When the text ends in something other than a digit or a '.' (a
// line end, as nearly every line has), every run of digits stops before the end and the loops
// need not look for it (kEndStopsDigits).
template <bool kEndStopsDigits>
const char* plainDecimalToFloat(const char* first, const char* last, float& out) {
  static constexpr double kNegPow10[] = {1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                         1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15};
  const auto more = [last](const char* at) { return kEndStopsDigits || at < last; };
  const char* p = first;
  std::uint64_t mantissa = 0;
  // Digits are taken as their unsigned byte values less '0': one compare tells digit from not.
  const auto readRun = [&more, &p, &mantissa] {
    for (; more(p); ++p) {
      const unsigned d = static_cast<unsigned>(static_cast<unsigned char>(*p)) - unsigned{'0'};
      if (d > 9) break;
      mantissa = mantissa * 10 + d;
    }
  };
  readRun();
  std::ptrdiff_t digits = p - first, fractionDigits = 0;
  if (more(p) && *p == '.') {
    const char* const fraction = ++p;
    readRun();
    fractionDigits = p - fraction;
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

}  // namespace

const char* decimalToFloatFast(const char* first, const char* last, float& out) {
  // A '.' at the end would let the fraction's run start at the end itself.
  if (first < last && !isDigit(last[-1]) && last[-1] != '.') return plainDecimalToFloat<true>(first, last, out);
  return plainDecimalToFloat<false>(first, last, out);
}

const char* decimalToFloatSlow(const char* first, const char* last, float& out) {
  const auto result = std::from_chars(first, last, out, std::chars_format::general);
  if (result.ec != std::errc() || !std::isfinite(out)) return nullptr;
  return result.ptr;
}

}  // namespace detail

std::size_t countChar(std::string_view text, char c) {
  // Eight characters a step: a byte of the word is zero where c was, and each zero byte adds one
  // to its lane of a counter whose lanes are summed before any can pass 255.
  constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7fu, kOnes = 0x0101010101010101u;
  const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
  const char* p = text.data();
  const char* const last = p + text.size();
  std::size_t count = 0;
  for (std::size_t words = text.size() / 8; words > 0;) {
    const std::size_t steps = words < 255 ? words : 255;
    words -= steps;
    std::uint64_t lanes = 0;
    for (std::size_t step = 0; step < steps; ++step, p += 8) {
      const std::uint64_t w = loadWord(p) ^ pattern;
      const std::uint64_t nonZero = ((w & kLow7) + kLow7) | w;  // high bit set in nonzero bytes
      lanes += (~nonZero >> 7) & kOnes;
    }
    constexpr std::uint64_t kEven = 0x00ff00ff00ff00ffu;
    count += static_cast<std::size_t>((((lanes & kEven) + ((lanes >> 8) & kEven)) * 0x0001000100010001u) >> 48);
  }
  for (; p < last; ++p) count += *p == c ? 1 : 0;
  return count;
}

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
