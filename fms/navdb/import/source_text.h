#pragma once
// Input files of the importer: read whole, plain or gzip-compressed (told apart by their first
// bytes), and walked line by line with line numbers for the messages.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace xaq::fms::navimport {

// A file that cannot be imported: the message names the file and, when known, the line.
class ImportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file's bytes, decompressed when it is gzipped. Throws ImportError when it is missing,
// unreadable or a damaged gzip stream.
std::string readSourceText(const std::string& path);

// The lines of a text, "\r\n", "\n" or a lone "\r" ending each, without their line ends.
class SourceLines {
 public:
  SourceLines(std::string_view text, std::string name) : text_(text), name_(std::move(name)) {}
  bool next(std::string_view& line);
  std::size_t lineNumber() const { return lineNumber_; }
  const std::string& name() const { return name_; }
  // "nav.dat line 12: <what>"
  [[noreturn]] void fail(const std::string& what) const;

 private:
  std::string_view text_;
  std::string name_;
  std::size_t pos_ = 0;
  std::size_t lineNumber_ = 0;
};

}  // namespace xaq::fms::navimport
