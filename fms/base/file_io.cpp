#include "fms/base/file_io.h"

#include <cstdio>
#include <cstring>

namespace xaq::fms {
namespace {

constexpr std::size_t kReadBlock = 65536;

}  // namespace

void FileBuffer::reserve(std::size_t capacity) {
  if (capacity <= capacity_) return;
  std::unique_ptr<char[]> bigger(new char[capacity]);
  if (size_ > 0) std::memcpy(bigger.get(), data_.get(), size_);
  data_ = std::move(bigger);
  capacity_ = capacity;
}

bool FileBuffer::read(const std::string& path) {
  size_ = 0;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  if (std::fseek(f, 0, SEEK_END) == 0) {
    const long size = std::ftell(f);
    if (size > 0) reserve(static_cast<std::size_t>(size) + kReadBlock);
    std::rewind(f);
  }
  // Whatever the size query said, read on to the real end of the file.
  bool failed = false;
  for (;;) {
    if (capacity_ - size_ < kReadBlock) reserve(capacity_ * 2 + kReadBlock);
    const std::size_t want = capacity_ - size_;
    const std::size_t got = std::fread(data_.get() + size_, 1, want, f);
    size_ += got;
    if (got < want) {
      failed = std::ferror(f) != 0;
      break;
    }
  }
  std::fclose(f);
  if (failed) size_ = 0;
  return !failed;
}

std::optional<std::string> readWholeFile(const std::string& path) {
  FileBuffer buffer;
  if (!buffer.read(path)) return std::nullopt;
  return std::string(buffer.text());
}

std::string joinPath(std::string_view folder, std::string_view relative) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
  path += relative;
  return path;
}

}  // namespace xaq::fms
