#pragma once
// File access for the FMS: whole files read into memory with the standard library only (the
// same code runs inside the Windows module), and paths below the simulator folder.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace xaq::fms {

// Holds one file's bytes at a time. Its memory is kept from one file to the next and is not
// cleared before reading, so loading several large files touches it once.
class FileBuffer {
 public:
  // False, and empty, when the file cannot be opened or read.
  bool read(const std::string& path);
  std::string_view text() const { return {data_.get(), size_}; }
  char* data() { return data_.get(); }
  // Shortens the content (after an in-place rewrite).
  void shrinkTo(std::size_t size) { size_ = size < size_ ? size : size_; }

 private:
  void reserve(std::size_t capacity);

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

// folder + '/' + relative, without doubling a separator the folder already ends with. Windows
// accepts '/' as well, so paths are joined the same way on both builds.
std::string joinPath(std::string_view folder, std::string_view relative);

}  // namespace xaq::fms
