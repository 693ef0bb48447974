#include "fms/navdb/import/source_text.h"

#include <zlib.h>

#include <cstdio>
#include <memory>

namespace xaq::fms::navimport {

std::string readSourceText(const std::string& path) {
  std::FILE* probe = std::fopen(path.c_str(), "rb");
  if (probe == nullptr) throw ImportError(path + ": cannot open the file");
  std::fclose(probe);
  // gzread passes a file that is not compressed through unchanged.
  const std::unique_ptr<gzFile_s, int (*)(gzFile)> in(gzopen(path.c_str(), "rb"), gzclose);
  if (!in) throw ImportError(path + ": cannot open the file");
  gzbuffer(in.get(), 1 << 17);
  std::string text;
  constexpr unsigned kChunk = 1 << 20;
  for (;;) {
    const std::size_t at = text.size();
    text.resize(at + kChunk);
    const int got = gzread(in.get(), text.data() + at, kChunk);
    if (got < 0) {
      int code = 0;
      const char* message = gzerror(in.get(), &code);
      throw ImportError(path + ": damaged compressed data (" + message + ")");
    }
    text.resize(at + static_cast<std::size_t>(got));
    if (got == 0) break;
  }
  // A stream that stops before its end reads as a short file unless the error is asked for.
  int code = Z_OK;
  const char* message = gzerror(in.get(), &code);
  if (code != Z_OK) throw ImportError(path + ": damaged compressed data (" + message + ")");
  return text;
}

bool SourceLines::next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  std::size_t end = pos_;
  while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r') ++end;
  line = text_.substr(pos_, end - pos_);
  if (end < text_.size() && text_[end] == '\r') ++end;
  if (end < text_.size() && text_[end] == '\n') ++end;
  pos_ = end;
  ++lineNumber_;
  return true;
}

void SourceLines::fail(const std::string& what) const {
  throw ImportError(name_ + " line " + std::to_string(lineNumber_) + ": " + what);
}

}  // namespace xaq::fms::navimport
