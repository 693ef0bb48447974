#pragma once
// Reading the FMS's text files: lines are taken the way a fixed line buffer takes them (a line
// longer than the buffer arrives as several pieces), and numbers are read with the rules of the
// scanf conversions the file formats are written in (leading white space skipped, a number that
// does not parse leaves its field alone and ends the line's reading).

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace xaq::fms {

// Splits text into the pieces a line buffer of bufferChars characters (terminator included)
// would read: each piece holds at most bufferChars - 1 characters and ends after a '\n' when one
// comes first. The line end stays part of the piece, so lengths count it. A DOS line end "\r\n"
// counts as one character, as text-mode reading on the host makes it: the piece ends on the '\r'
// and the '\n' is passed over. Readers therefore take '\r' and '\n' alike as the line end; the
// text needs no folding pass before it is split.
class LineReader {
 public:
  LineReader(std::string_view text, std::size_t bufferChars)
      : text_(text), maxPiece_(bufferChars > 1 ? bufferChars - 1 : 1) {}
  // Defined here, so each parser's loop takes its lines without a call.
  bool next(std::string_view& line) {
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
  // Number of pieces returned so far (the 1-based number of the last one).
  std::size_t lineNumber() const { return lineNumber_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t maxPiece_;
  std::size_t lineNumber_ = 0;
};

// The white space a conversion skips: blank, tab, line ends, vertical tab, form feed.
inline bool isScanSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

namespace detail {

// Plain decimals ("-122.3097", "47.", ".5") with few enough digits are converted here: the
// digits as an integer times a power of ten lands within a few units of the last place of a
// double from the exact value, and that rounds to the correctly rounded float unless it lies
// that close to a point halfway between two floats (values here are never small enough for
// floats without a full mantissa). Returns the end of the number, or null when this path does
// not apply (exponents, long digit strings, near-halfway values).
const char* decimalToFloatFast(const char* first, const char* last, float& out);
// Every other number std::from_chars takes; null when it is none or not finite.
const char* decimalToFloatSlow(const char* first, const char* last, float& out);

}  // namespace detail

// Reads conversions from one line, left to right. Defined here so a parser's loop keeps the
// position in a register instead of going through memory for every character.
class FieldScanner {
 public:
  explicit FieldScanner(std::string_view text)
      : first_(text.data()), pos_(text.data()), last_(text.data() + text.size()) {}

  // " " in a format: any run of white space, possibly empty.
  void skipSpace() {
    const char* p = pos_;
    while (p < last_ && isScanSpace(*p)) ++p;
    pos_ = p;
  }
  // "%f": a decimal number read as single precision. Non-finite or out-of-range values fail.
  bool readFloat(float& value) {
    bool negative = false;
    const char* p = startNumber(negative);
    // Only plain decimal notation: "inf", "nan" and hexadecimal forms are not coordinates.
    if (p >= last_ || !((*p >= '0' && *p <= '9') || *p == '.')) return false;
    float parsed = 0.0f;
    const char* end = detail::decimalToFloatFast(p, last_, parsed);
    if (end == nullptr) end = detail::decimalToFloatSlow(p, last_, parsed);
    if (end == nullptr) return false;
    // The sign goes on without a branch: east and west, north and south come in no order.
    std::uint32_t bits = 0;
    std::memcpy(&bits, &parsed, sizeof bits);
    bits ^= static_cast<std::uint32_t>(negative) << 31;
    std::memcpy(&value, &bits, sizeof value);
    pos_ = end;
    return true;
  }
  // "%d": a decimal integer; values beyond 32 bits are held at the nearest limit.
  bool readInt(std::int32_t& value) {
    bool negative = false;
    const char* p = startNumber(negative);
    if (p >= last_ || *p < '0' || *p > '9') return false;
    constexpr std::int64_t kLimit = std::int64_t{2147483647} + 1;
    std::int64_t magnitude = 0;
    for (; p < last_; ++p) {
      const unsigned d = static_cast<unsigned>(static_cast<unsigned char>(*p)) - unsigned{'0'};
      if (d > 9) break;
      if (magnitude < kLimit) magnitude = magnitude * 10 + d;
    }
    if (magnitude > kLimit) magnitude = kLimit;
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    value = static_cast<std::int32_t>(signedValue < kLimit ? signedValue : kLimit - 1);
    pos_ = p;
    return true;
  }
  // A literal character of the format; it must come next, with no white space before it.
  bool literal(char c) {
    if (pos_ < last_ && *pos_ == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  std::size_t position() const { return static_cast<std::size_t>(pos_ - first_); }

 private:
  // Skips white space and an optional sign; returns the first character after them.
  const char* startNumber(bool& negative) {
    skipSpace();
    const char* p = pos_;
    if (p < last_) {
      negative = *p == '-';
      p += (negative || *p == '+') ? 1 : 0;
    }
    return p;
  }

  const char* first_;
  const char* pos_;
  const char* last_;
};

// How many times c occurs in text.
std::size_t countChar(std::string_view text, char c);

// Turns every "\r\n" into "\n" in place, for readers that want the folded text itself (the line
// reader needs no folding). Returns the new length.
std::size_t foldCrLf(char* data, std::size_t size);

}  // namespace xaq::fms
