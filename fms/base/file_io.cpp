#include "fms/base/file_io.h"

#include <cstdio>

namespace xaq::fms {

std::optional<std::string> readWholeFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return std::nullopt;
  std::string content;
  std::size_t filled = 0;
  if (std::fseek(f, 0, SEEK_END) == 0) {
    const long size = std::ftell(f);
    std::rewind(f);
    if (size > 0) {
      content.reserve(static_cast<std::size_t>(size) + 65536);
      content.resize(static_cast<std::size_t>(size));
      filled = std::fread(content.data(), 1, content.size(), f);
    }
  }
  // Whatever the size query said, read on to the real end of the file.
  bool failed = false;
  for (;;) {
    if (content.size() - filled < 65536) content.resize(filled + 65536);
    const std::size_t want = content.size() - filled;
    const std::size_t got = std::fread(content.data() + filled, 1, want, f);
    filled += got;
    if (got < want) {
      failed = std::ferror(f) != 0;
      break;
    }
  }
  content.resize(filled);
  std::fclose(f);
  if (failed) return std::nullopt;
  return content;
}

std::string joinPath(std::string_view folder, std::string_view relative) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
  path += relative;
  return path;
}

}  // namespace xaq::fms
