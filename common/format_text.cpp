#include "common/format_text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace xaq {

namespace {

// Writes what fits (leaving room for the terminator) and counts everything.
class Sink {
 public:
  Sink(char* out, std::size_t size) : out_(out), size_(size) {}
  void put(char c) {
    if (count_ + 1 < size_) out_[count_] = c;
    ++count_;
  }
  // Texts here are a few characters: a plain loop beats a call to memcpy.
  void put(const char* text, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) put(text[i]);
  }
  void repeat(char c, int n) {
    for (int i = 0; i < n; ++i) put(c);
  }
  int finish() {
    if (size_ > 0) out_[count_ < size_ ? count_ : size_ - 1] = '\0';
    return static_cast<int>(count_);
  }

 private:
  char* out_;
  std::size_t size_;
  std::size_t count_ = 0;
};

struct Spec {
  bool left = false, plus = false, space = false, zero = false;
  int width = 0;
  int precision = -1;  // -1: none given
};

// One converted field: sign, zeros the conversion itself asks for (an integer's precision), the
// digits; padded to the width.
void field(Sink& sink, const Spec& spec, char sign, int leadingZeros, const char* digits, std::size_t n,
           bool zeroPadAllowed) {
  const int body = (sign != 0 ? 1 : 0) + leadingZeros + static_cast<int>(n);
  const int pad = spec.width > body ? spec.width - body : 0;
  const bool zeroPad = spec.zero && !spec.left && zeroPadAllowed;
  if (!spec.left && !zeroPad) sink.repeat(' ', pad);
  if (sign != 0) sink.put(sign);
  if (zeroPad) sink.repeat('0', pad);
  sink.repeat('0', leadingZeros);
  sink.put(digits, n);
  if (spec.left) sink.repeat(' ', pad);
}

char signOf(bool negative, const Spec& spec) {
  if (negative) return '-';
  if (spec.plus) return '+';
  return spec.space ? ' ' : 0;
}

void integer(Sink& sink, const Spec& spec, unsigned long long magnitude, bool negative) {
  char digits[24];
  std::size_t n = 0;
  if (spec.precision != 0 || magnitude != 0) {
    const auto r = std::to_chars(digits, digits + sizeof digits, magnitude);
    n = static_cast<std::size_t>(r.ptr - digits);
  }
  const int zeros = spec.precision > static_cast<int>(n) ? spec.precision - static_cast<int>(n) : 0;
  // With a precision the 0 flag is ignored, as printf does.
  field(sink, spec, signOf(negative, spec), zeros, digits, n, spec.precision < 0);
}

// The digits of a readout's usual value (under a million, up to three decimals) from the value
// scaled to a whole number: exact unless the scaled value lies within a hair of a half, where
// only the exact decimal expansion can say which way printf rounds (false: the caller does that).
bool scaledDigits(double magnitude, int precision, char* digits, std::size_t& n) {
  static constexpr double kScale[] = {1.0, 10.0, 100.0, 1000.0};
  if (precision > 3 || !(magnitude < 1e6)) return false;
  const double scaled = magnitude * kScale[precision];
  const double whole = std::floor(scaled);
  const double fraction = scaled - whole;
  // The product's rounding error is below 1e-6 here (scaled < 2^30, 2^-53 relative).
  if (std::fabs(fraction - 0.5) < 1e-6) return false;
  const auto units = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
  char all[24];
  const auto r = std::to_chars(all, all + sizeof all, units);
  std::size_t count = static_cast<std::size_t>(r.ptr - all);
  // At least one digit before the point: 5 at two decimals is "0.05".
  const std::size_t need = static_cast<std::size_t>(precision) + 1;
  std::size_t lead = count < need ? need - count : 0;
  n = 0;
  const std::size_t integerDigits = count + lead - static_cast<std::size_t>(precision);
  for (std::size_t i = 0; i < count + lead; ++i) {
    if (i == integerDigits) digits[n++] = '.';
    digits[n++] = i < lead ? '0' : all[i - lead];
  }
  return true;
}

// False when the value is one printf writes in its own way (not finite, or too long to bother).
bool fixed(Sink& sink, const Spec& spec, double value) {
  const int precision = spec.precision < 0 ? 6 : spec.precision;
  if (!std::isfinite(value) || std::fabs(value) >= 1e30 || precision > 40) return false;
  const bool negative = std::signbit(value);
  char digits[80];
  std::size_t n = 0;
  if (!scaledDigits(std::fabs(value), precision, digits, n)) {
    const auto r = std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed, precision);
    if (r.ec != std::errc()) return false;
    n = static_cast<std::size_t>(r.ptr - digits);
  }
  field(sink, spec, signOf(negative, spec), 0, digits, n, true);
  return true;
}

int number(const char*& p) {
  int n = 0;
  while (*p >= '0' && *p <= '9') {
    if (n < 100000) n = n * 10 + (*p - '0');
    ++p;
  }
  return n;
}

}  // namespace

int formatTextV(char* out, std::size_t size, const char* format, std::va_list args) {
  std::va_list original;
  va_copy(original, args);
  auto library = [&] {
    const int n = std::vsnprintf(out, size, format, original);
    va_end(original);
    return n;
  };
  if (format == nullptr) {
    va_end(original);
    if (size > 0) out[0] = '\0';
    return 0;
  }
  Sink sink(out, size);
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') {
      sink.put(*p);
      continue;
    }
    ++p;
    Spec spec;
    for (;; ++p) {
      if (*p == '-') spec.left = true;
      else if (*p == '+') spec.plus = true;
      else if (*p == ' ') spec.space = true;
      else if (*p == '0') spec.zero = true;
      else break;
    }
    if (*p == '*') {
      const int w = va_arg(args, int);
      ++p;
      // A negative width from the arguments means left-justified.
      if (w < 0) spec.left = true;
      spec.width = w >= 0 ? w : w == INT_MIN ? 0 : -w;
    } else {
      spec.width = number(p);
    }
    if (*p == '.') {
      ++p;
      if (*p == '*') {
        const int precision = va_arg(args, int);
        ++p;
        spec.precision = precision < 0 ? -1 : precision;
      } else {
        spec.precision = number(p);
      }
    }
    int longs = 0;
    while (*p == 'l') {
      ++longs;
      ++p;
    }
    switch (*p) {
      case '%': sink.put('%'); break;
      case 'd':
      case 'i': {
        const long long v = longs >= 2 ? va_arg(args, long long) : longs == 1 ? va_arg(args, long) : va_arg(args, int);
        const unsigned long long magnitude = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
        integer(sink, spec, magnitude, v < 0);
        break;
      }
      case 'u': {
        const unsigned long long v = longs >= 2 ? va_arg(args, unsigned long long)
                                     : longs == 1 ? va_arg(args, unsigned long) : va_arg(args, unsigned);
        Spec unsignedSpec = spec;
        unsignedSpec.plus = unsignedSpec.space = false;
        integer(sink, unsignedSpec, v, false);
        break;
      }
      case 'c': {
        if (spec.zero) return library();  // C runtimes disagree on zero-padded characters
        const char c = static_cast<char>(va_arg(args, int));
        field(sink, spec, 0, 0, &c, 1, false);
        break;
      }
      case 's': {
        const char* s = va_arg(args, const char*);
        if (s == nullptr || spec.zero) return library();
        std::size_t n = 0;
        if (spec.precision < 0) {
          n = std::strlen(s);
        } else {
          while (n < static_cast<std::size_t>(spec.precision) && s[n] != '\0') ++n;
        }
        field(sink, spec, 0, 0, s, n, false);
        break;
      }
      case 'f':
      case 'F':
        if (longs != 0 || !fixed(sink, spec, va_arg(args, double))) return library();
        break;
      default: return library();  // every other conversion, and a format that ends in '%'
    }
  }
  va_end(original);
  return sink.finish();
}

int formatText(char* out, std::size_t size, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const int n = formatTextV(out, size, format, args);
  va_end(args);
  return n;
}

}  // namespace xaq
