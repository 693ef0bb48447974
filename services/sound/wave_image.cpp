#include "services/sound/wave_image.h"

#include <algorithm>
#include <cstring>

namespace xaq::services {

namespace {

std::uint32_t le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

constexpr std::size_t kRiffHeaderBytes = 12;
constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::size_t kFormatBytes = 16;

}  // namespace

bool parseWaveImage(platform::ByteView riff, WaveImage& out) {
  if (!riff || riff.size < kRiffHeaderBytes || std::memcmp(riff.data, "RIFF", 4) != 0 ||
      std::memcmp(riff.data + 8, "WAVE", 4) != 0) {
    return false;
  }
  // The RIFF size may promise less than the resource holds, never more.
  const std::size_t end = std::min<std::size_t>(riff.size, std::size_t{le32(riff.data + 4)} + 8);
  bool haveFormat = false, haveData = false;
  WaveImage image;
  std::size_t at = kRiffHeaderBytes;
  while (at + kChunkHeaderBytes <= end && !(haveFormat && haveData)) {
    const std::uint8_t* chunk = riff.data + at;
    const std::size_t size = le32(chunk + 4);
    const std::size_t body = at + kChunkHeaderBytes;
    if (size > end - body) return false;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (size < kFormatBytes) return false;
      const std::uint8_t* f = riff.data + body;
      image.format = {le16(f), le16(f + 2), le32(f + 4), le32(f + 8), le16(f + 12), le16(f + 14)};
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      image.samples = {riff.data + body, size};
      haveData = true;
    }
    at = body + size + (size & 1);  // chunks are padded to even sizes
  }
  if (!haveFormat || !haveData || image.samples.size == 0 || image.format.channels == 0 ||
      image.format.blockAlign == 0) {
    return false;
  }
  out = image;
  return true;
}

}  // namespace xaq::services
