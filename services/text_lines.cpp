#include "services/text_lines.h"

#include <cctype>
#include <limits>

namespace xaq::services {

bool readTextLine(std::FILE* file, std::string& line, std::size_t keep) {
  line.clear();
  if (file == nullptr) return false;
  int c = std::getc(file);
  if (c == EOF) return false;
  std::size_t length = 0;  // of the whole line, kept or not
  int last = EOF;
  while (c != EOF && c != '\n') {
    if (line.size() < keep) line.push_back(static_cast<char>(c));
    ++length;
    last = c;
    c = std::getc(file);
  }
  // A carriage return right before the line feed belongs to the line end, as in a text-mode read.
  if (c == '\n' && last == '\r' && length <= keep) line.pop_back();
  return true;
}

bool scanDecimal(std::string_view text, std::size_t& at, std::int32_t& value) {
  std::size_t i = at;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])) != 0) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t digits = i;
  std::int64_t magnitude = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    magnitude = magnitude * 10 + (text[i++] - '0');
    if (magnitude > kLimit) return false;
  }
  if (i == digits) return false;
  const std::int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue > std::numeric_limits<std::int32_t>::max()) return false;
  value = static_cast<std::int32_t>(signedValue);
  at = i;
  return true;
}

}  // namespace xaq::services
