#include "fms/base/text_scan.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace xaq::fms {

LineReader::LineReader(std::string_view text, std::size_t bufferChars)
    : text_(text), maxPiece_(bufferChars > 1 ? bufferChars - 1 : 1) {}

bool LineReader::next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  const std::size_t rest = text_.size() - pos_;
  const std::size_t window = rest < maxPiece_ ? rest : maxPiece_;
  const void* nl = std::memchr(text_.data() + pos_, '\n', window);
  const std::size_t len =
      nl != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nl) - (text_.data() + pos_)) + 1
                    : window;
  line = text_.substr(pos_, len);
  pos_ += len;
  ++lineNumber_;
  return true;
}

bool isScanSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

void FieldScanner::skipSpace() {
  while (pos_ < text_.size() && isScanSpace(text_[pos_])) ++pos_;
}

bool FieldScanner::startNumber(std::size_t& p) {
  skipSpace();
  p = pos_;
  if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) return text_[p++] == '-';
  return false;
}

namespace {

// Plain decimals ("-122.3097", "47.", ".5") with few enough digits are converted here: the
// digits as an integer times a power of ten lands within a few units of the last place of a
// double from the exact value, and that rounds to the correctly rounded float unless it lies
// that close to a point halfway between two floats (values here are never small enough for
// floats without a full mantissa). Anything else (exponents, long digit strings, near-halfway
// values) goes to std::from_chars. Returns the characters used, 0 when the fast path does not
// apply.
std::size_t fastDecimalToFloat(const char* first, const char* last, float& out) {
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
    ++p;
    while (p < last && *p >= '0' && *p <= '9') {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p++ - '0');
      ++digits;
      ++fractionDigits;
    }
  }
  if (digits == 0 || digits > 15 || (p < last && (*p == 'e' || *p == 'E'))) return 0;
  const double approx = static_cast<double>(mantissa) * kNegPow10[fractionDigits];
  // The 29 fraction bits a float drops: 1000...0 is halfway; keep well clear of it.
  std::uint64_t bits = 0;
  std::memcpy(&bits, &approx, sizeof bits);
  const std::uint64_t dropped = bits & 0x1fffffffu;
  if (dropped + 8 >= 0x10000000u && dropped <= 0x10000000u + 8) return 0;
  out = static_cast<float>(approx);
  return static_cast<std::size_t>(p - first);
}

}  // namespace

bool FieldScanner::readFloat(float& value) {
  std::size_t p = 0;
  const bool negative = startNumber(p);
  // Only plain decimal notation: "inf", "nan" and hexadecimal forms are not coordinates.
  if (p >= text_.size() || !((text_[p] >= '0' && text_[p] <= '9') || text_[p] == '.')) return false;
  float parsed = 0.0f;
  const char* first = text_.data() + p;
  const char* last = text_.data() + text_.size();
  std::size_t used = fastDecimalToFloat(first, last, parsed);
  if (used == 0) {
    const auto result = std::from_chars(first, last, parsed, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(parsed)) return false;
    used = static_cast<std::size_t>(result.ptr - first);
  }
  value = negative ? -parsed : parsed;
  pos_ = p + used;
  return true;
}

bool FieldScanner::readInt(std::int32_t& value) {
  std::size_t p = 0;
  const bool negative = startNumber(p);
  if (p >= text_.size() || text_[p] < '0' || text_[p] > '9') return false;
  constexpr std::int64_t kLimit = static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
  std::int64_t magnitude = 0;
  while (p < text_.size() && text_[p] >= '0' && text_[p] <= '9') {
    if (magnitude < kLimit) magnitude = magnitude * 10 + (text_[p] - '0');
    ++p;
  }
  if (magnitude > kLimit) magnitude = kLimit;
  std::int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue > std::numeric_limits<std::int32_t>::max()) signedValue = std::numeric_limits<std::int32_t>::max();
  value = static_cast<std::int32_t>(signedValue);
  pos_ = p;
  return true;
}

bool FieldScanner::literal(char c) {
  if (pos_ < text_.size() && text_[pos_] == c) {
    ++pos_;
    return true;
  }
  return false;
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
