#pragma once
// The module's 8-bit text (the host's code page; the glass displays' degree sign 0xB0) as the
// UTF-8 that cairo reads: each byte of the upper half as its Latin-1 character. Shared by the
// portable canvas and the sim host's renderer of string elements.

#include <cstddef>
#include <string>

namespace xaq::platform {

// At most `length` bytes, up to the first terminator.
inline std::string utf8FromLatin1(const char* text, std::size_t length) {
  std::string out;
  for (std::size_t i = 0; text != nullptr && i < length && text[i] != '\0'; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace xaq::platform
