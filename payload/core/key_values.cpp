#include "payload/core/key_values.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace xaq::payload {

namespace {

std::size_t lineEnd(std::string_view text, std::size_t from) {
  std::size_t end = text.find_first_of("\r\n", from);
  return end == std::string_view::npos ? text.size() : end;
}

std::optional<std::size_t> equalsAfterKey(std::string_view text, std::string_view key) {
  if (key.empty()) return std::nullopt;
  std::size_t at = text.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  std::size_t eq = text.find('=', at + key.size());
  if (eq == std::string_view::npos) return std::nullopt;
  return eq;
}

}  // namespace

std::string_view trimSpaces(std::string_view text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::optional<std::string> settingsValue(std::string_view text, std::string_view key) {
  auto eq = equalsAfterKey(text, key);
  if (!eq) return std::nullopt;
  std::size_t end = lineEnd(text, *eq + 1);
  return std::string(trimSpaces(text.substr(*eq + 1, end - *eq - 1)));
}

std::optional<ValueSpan> configSpan(std::string_view text, std::string_view key) {
  auto eq = equalsAfterKey(text, key);
  if (!eq) return std::nullopt;
  std::size_t end = lineEnd(text, *eq + 1);
  std::size_t comma = text.find(',', *eq + 1);
  if (comma != std::string_view::npos && comma < end) end = comma;
  return ValueSpan{*eq + 1, end};
}

std::optional<std::string> configValue(std::string_view text, std::string_view key) {
  auto span = configSpan(text, key);
  if (!span) return std::nullopt;
  return std::string(trimSpaces(text.substr(span->begin, span->width())));
}

bool writeConfigValue(std::string& text, std::string_view key, std::string_view value) {
  auto span = configSpan(text, key);
  if (!span) return false;
  std::string field(value);
  if (field.size() < span->width()) field.insert(0, span->width() - field.size(), ' ');
  text.replace(span->begin, span->width(), field);
  return true;
}

std::optional<double> parseNumber(std::string_view text) {
  text = trimSpaces(text);
  if (text.empty()) return 0.0;
  // from_chars takes no leading '+' and would accept "inf"/"nan"; cut the numeric prefix first.
  std::size_t pos = 0;
  bool negative = false;
  if (text[pos] == '+' || text[pos] == '-') negative = text[pos++] == '-';
  std::size_t start = pos;
  auto digits = [&] {
    std::size_t n = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos, ++n;
    return n;
  };
  std::size_t mantissaDigits = digits();
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    mantissaDigits += digits();
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t mark = pos++;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    if (digits() == 0) pos = mark;
  }
  double value = 0;
  auto [end, ec] = std::from_chars(text.data() + start, text.data() + pos, value);
  if (ec != std::errc() || end != text.data() + pos) return std::nullopt;
  if (!(std::fabs(value) <= kLargestNumber)) return std::nullopt;
  return negative ? -value : value;
}

std::string formatNumber(double value) {
  char buffer[64];
  if (value == std::trunc(value)) {
    std::snprintf(buffer, sizeof buffer, "%.0f", value == 0 ? 0.0 : value);
    return buffer;
  }
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string text(buffer);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

}  // namespace xaq::payload
