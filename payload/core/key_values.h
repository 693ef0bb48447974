#pragma once
// The two key lookups the payload editor's files use, and the fixed-width value writer.
//
// stowplan.ini: a key's value is the text after the first "=" that follows the key's first
// occurrence anywhere in the file, up to the end of that line, trimmed.
// aircraft.cfg: the same, but the value ends at the next "," — or at the end of the line when
// the line has no comma after the "=", so a value never reaches into the lines below.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace xaq::payload {

// Half-open range [begin, end) of a value inside a text.
struct ValueSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t width() const { return end - begin; }
};

// Spaces and tabs at both ends removed.
std::string_view trimSpaces(std::string_view text);

// Value of `key` in settings-file text; nullopt when the key (or an "=" after it) is absent.
std::optional<std::string> settingsValue(std::string_view text, std::string_view key);

// Span of `key`'s value in configuration text; nullopt when the key or an "=" after it is absent.
std::optional<ValueSpan> configSpan(std::string_view text, std::string_view key);

// Trimmed value of `key` in configuration text; nullopt when absent.
std::optional<std::string> configValue(std::string_view text, std::string_view key);

// Writes `value` into `key`'s span, right-aligned with spaces on the left so the text keeps
// its length and whatever follows the span (the station's position) is untouched. A value
// wider than its span replaces the whole span instead (the text grows, the rest of the line
// is still untouched): truncating a weight or overwriting the comma would corrupt the file.
// Returns false, leaving `text` unchanged, when the key has no span.
bool writeConfigValue(std::string& text, std::string_view key, std::string_view value);

// Reads a decimal number the way the editor's files hold them: optional sign, digits, an
// optional fraction and exponent, then anything (a trailing unit such as "lbs" is ignored).
// Empty text is 0. Text that does not start with a number, or whose magnitude exceeds
// kLargestNumber, gives nullopt. The limit leaves room for the largest load the editor itself
// can write (seats x passenger weight at the settings' own limits), so it can always read back
// what it saved.
inline constexpr double kLargestNumber = 1e19;
std::optional<double> parseNumber(std::string_view text);

// Plain decimal without grouping or exponent: whole numbers without a point, others with up to
// two decimals and no trailing zeros ("1710", "1714.5").
std::string formatNumber(double value);

}  // namespace xaq::payload
