#pragma once
// Request buffers built the way the module's link builds them: read records (kind 1, offset,
// size, destination, then the answer's space), write records (kind 2, offset, size, data), and
// the zero end word.

#include <cstdint>
#include <cstring>
#include <vector>

namespace xaq::sim::testing {

class RequestBuffer {
 public:
  // Returns where the answer of this read will be.
  std::size_t read(std::uint32_t offset, std::uint32_t size) {
    word(1);
    word(offset);
    word(size);
    word(0);  // destination address in the client: the add-on does not use it
    const std::size_t at = bytes.size();
    bytes.resize(bytes.size() + size, 0);
    return at;
  }
  template <typename T>
  void write(std::uint32_t offset, T value) {
    word(2);
    word(offset);
    word(sizeof value);
    const std::size_t at = bytes.size();
    bytes.resize(at + sizeof value);
    std::memcpy(bytes.data() + at, &value, sizeof value);
  }
  void end() { word(0); }
  template <typename T>
  T answer(std::size_t at) const {
    T value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
  }
  void word(std::uint32_t w) {
    const std::size_t at = bytes.size();
    bytes.resize(at + 4);
    std::memcpy(bytes.data() + at, &w, 4);
  }

  std::vector<std::uint8_t> bytes;
};

}  // namespace xaq::sim::testing
