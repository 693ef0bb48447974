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

bool FieldScanner::readFloat(float& value) {
  std::size_t p = 0;
  const bool negative = startNumber(p);
  // Only plain decimal notation: "inf", "nan" and hexadecimal forms are not coordinates.
  if (p >= text_.size() || !((text_[p] >= '0' && text_[p] <= '9') || text_[p] == '.')) return false;
  float parsed = 0.0f;
  const char* first = text_.data() + p;
  const auto result = std::from_chars(first, text_.data() + text_.size(), parsed, std::chars_format::general);
  if (result.ec != std::errc() || !std::isfinite(parsed)) return false;
  value = negative ? -parsed : parsed;
  pos_ = static_cast<std::size_t>(result.ptr - text_.data());
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
