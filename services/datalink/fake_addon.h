#pragma once
// An add-on for the link's tests: a "UIPCMAIN" window over a 64 KiB offset space that serves the
// request protocol strictly (a malformed batch is refused whole) and records every record it
// served. It is installed as the module's ports for the lifetime of the object.

#include <array>
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/ports.h"

namespace xaq::services::datalink::testing {

class FakeAddon final : public platform::HostWindows, public platform::AddonTransport {
 public:
  static constexpr platform::WindowHandle kWindow = 0x5150;

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

  std::intptr_t exchange(platform::WindowHandle window, std::uint32_t message, std::size_t usedBytes,
                         void* buffer) override {
    ++messages;
    if (window != kWindow || message != 1151 || !present || failNext > 0) {
      if (failNext > 0) --failNext;
      return 0;
    }
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    std::vector<Record> batch;
    std::size_t pos = 0;
    for (;;) {  // check the whole batch before serving any of it
      if (pos + 4 > usedBytes) return 0;
      const std::uint32_t kind = word(bytes + pos);
      if (kind == 0) break;
      const std::size_t header = kind == 1 ? 16 : kind == 2 ? 12 : 0;
      if (header == 0 || pos + header > usedBytes) return 0;
      const Record r{kind, word(bytes + pos + 4), word(bytes + pos + 8)};
      if (r.offset > memory.size() || r.size > memory.size() - r.offset) return 0;
      if (r.size > usedBytes - pos - header) return 0;
      batch.push_back(r);
      pos += header + r.size;
    }
    if (pos + 4 != usedBytes) return 0;  // the end word closes the batch
    pos = 0;
    for (const Record& r : batch) {
      if (r.kind == 1) {
        std::memcpy(bytes + pos + 16, memory.data() + r.offset, r.size);
        pos += 16 + r.size;
      } else {
        std::memcpy(memory.data() + r.offset, bytes + pos + 12, r.size);
        if (r.offset == 0x330A) {  // the client's version is kept apart from the simulator word
          clientVersion = get<std::uint16_t>(0x330A);
          put<std::uint32_t>(0x3308, simulatorWord);
        }
        pos += 12 + r.size;
      }
    }
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
    std::memset(memory.data() + offset, 0, 256);
    std::memcpy(memory.data() + offset, text.data(), std::min<std::size_t>(text.size(), 256));
  }

  // Every record served, by exchange; `reads()` flattens the read records of all exchanges.
  std::vector<Record> reads() const {
    std::vector<Record> all;
    for (const auto& batch : served) {
      for (const Record& r : batch) {
        if (r.kind == 1) all.push_back(r);
      }
    }
    return all;
  }

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
