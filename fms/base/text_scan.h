#pragma once
// Reading the FMS's text files: lines are taken the way a fixed line buffer takes them (a line
// longer than the buffer arrives as several pieces), and numbers are read with the rules of the
// scanf conversions the file formats are written in (leading white space skipped, a number that
// does not parse leaves its field alone and ends the line's reading).

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace xaq::fms {

// Splits text into the pieces a line buffer of bufferChars characters (terminator included)
// would read: each piece holds at most bufferChars - 1 characters and ends after a '\n' when one
// comes first. The '\n' stays part of the piece, so lengths count the line end.
class LineReader {
 public:
  LineReader(std::string_view text, std::size_t bufferChars);
  bool next(std::string_view& line);
  // Number of pieces returned so far (the 1-based number of the last one).
  std::size_t lineNumber() const { return lineNumber_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t maxPiece_;
  std::size_t lineNumber_ = 0;
};

// Reads conversions from one line, left to right.
class FieldScanner {
 public:
  explicit FieldScanner(std::string_view text) : text_(text) {}

  // " " in a format: any run of white space, possibly empty.
  void skipSpace();
  // "%f": a decimal number read as single precision. Non-finite or out-of-range values fail.
  bool readFloat(float& value);
  // "%d": a decimal integer; values beyond 32 bits are held at the nearest limit.
  bool readInt(std::int32_t& value);
  // A literal character of the format; it must come next, with no white space before it.
  bool literal(char c);

  std::size_t position() const { return pos_; }

 private:
  // Skips white space and an optional sign; p is left on the first digit. True for '-'.
  bool startNumber(std::size_t& p);

  std::string_view text_;
  std::size_t pos_ = 0;
};

bool isScanSpace(char c);

// Text files may come with DOS line ends. The files are read as bytes, so "\r\n" is turned into
// "\n" here: line lengths then count one line-end character on every platform, as text-mode
// reading does on the host. Returns the new length.
std::size_t foldCrLf(char* data, std::size_t size);

}  // namespace xaq::fms
