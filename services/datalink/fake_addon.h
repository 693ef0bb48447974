#pragma once
// An add-on for the link's tests: a "UIPCMAIN" window over a 64 KiB offset space that serves the
// request protocol strictly (a malformed batch is refused whole) and records the records of each
// batch it served. It stands in as the module's ports while it lives.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/ports.h"

namespace xaq::services::datalink::testing {

class FakeAddon final : public platform::HostWindows, public platform::AddonTransport {
 public:
  struct Record {
    std::uint32_t kind, offset, size;
    bool operator==(const Record&) const = default;
  };

  FakeAddon() {
    put<std::uint32_t>(0x3304, 0x27500000);
    put<std::uint32_t>(0x3308, 0xFADE0006);
    platform::installPorts(platform::Ports{nullptr, this, this, nullptr, nullptr});
  }
  ~FakeAddon() override { platform::installPorts(platform::Ports{}); }

  platform::WindowHandle find(const char* className) override {
    ++searches;
    return present && std::string(className) == "UIPCMAIN" ? kWindow : 0;
  }
  bool isForeground(platform::WindowHandle) override { return false; }
  std::uint32_t threadOf(platform::WindowHandle) override { return 0; }

  std::intptr_t exchange(platform::WindowHandle window, std::uint32_t message, std::size_t used,
                         void* buffer) override {
    ++messages;
    if (failNext > 0) {
      --failNext;
      return 0;
    }
    if (window != kWindow || message != 1151) return 0;
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    std::vector<Record> batch;
    std::size_t pos = 0;
    for (std::uint32_t kind; pos + 4 <= used && (kind = word(bytes + pos)) != 0;) {
      const std::size_t header = kind == 1 ? 16 : kind == 2 ? 12 : 0;
      if (header == 0 || pos + header > used) return 0;
      const Record r{kind, word(bytes + pos + 4), word(bytes + pos + 8)};
      if (r.offset > memory.size() || r.size > memory.size() - r.offset) return 0;
      if (r.size > used - pos - header) return 0;
      batch.push_back(r);
      pos += header + r.size;
    }
    if (pos + 4 != used) return 0;  // exactly one end word closes the batch
    pos = 0;
    for (const Record& r : batch) {
      std::uint8_t* data = bytes + pos + (r.kind == 1 ? 16 : 12);
      if (r.kind == 1) std::memcpy(data, memory.data() + r.offset, r.size);
      if (r.kind == 2) std::memcpy(memory.data() + r.offset, data, r.size);
      if (r.kind == 2 && r.offset == 0x330A) clientVersion = get<std::uint16_t>(0x330A);
      pos = static_cast<std::size_t>(data - bytes) + r.size;
    }
    put<std::uint32_t>(0x3308, simulatorWord);  // the client's version never spoils this word
    served.push_back(batch);
    return 1;
  }

  template <typename T>
  void put(std::uint32_t offset, T value) {
    std::memcpy(memory.data() + offset, &value, sizeof value);
    if (offset == 0x3308) simulatorWord = static_cast<std::uint32_t>(value);
  }
  template <typename T>
  T get(std::uint32_t offset) const {
    T value;
    std::memcpy(&value, memory.data() + offset, sizeof value);
    return value;
  }
  void putText(std::uint32_t offset, const std::string& text) {
    std::fill_n(memory.begin() + offset, 256, 0);
    std::copy_n(text.begin(), std::min<std::size_t>(text.size(), 256), memory.begin() + offset);
  }

  static constexpr platform::WindowHandle kWindow = 0x5150;
  bool present = true;
  int failNext = 0;  // answer 0 to this many messages
  int searches = 0;
  int messages = 0;
  std::uint16_t clientVersion = 0;
  std::vector<std::vector<Record>> served;
  std::array<std::uint8_t, 65536> memory{};

 private:
  static std::uint32_t word(const std::uint8_t* at) {
    std::uint32_t w;
    std::memcpy(&w, at, 4);
    return w;
  }
  std::uint32_t simulatorWord = 0;
};

}  // namespace xaq::services::datalink::testing
