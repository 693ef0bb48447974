#include "services/datalink/addon_client.h"

#include <algorithm>
#include <cstring>

namespace xaq::services::datalink {

namespace {

constexpr std::uint32_t kRecordEnd = 0;
constexpr std::uint32_t kRecordRead = 1;
constexpr std::uint32_t kRecordWrite = 2;
constexpr std::size_t kReadHeaderBytes = 16;
constexpr std::size_t kWriteHeaderBytes = 12;
constexpr std::size_t kEndBytes = 4;

constexpr std::uint32_t kOffsetAddonVersion = 0x3304;
constexpr std::uint32_t kOffsetSimulatorWord = 0x3308;
constexpr std::uint32_t kOffsetClientVersion = 0x330A;
constexpr std::uint32_t kSimulatorMark = 0xFADE0000;

// Whether a record of `header` bytes plus `size` data still leaves room for the end word.
bool fits(std::size_t used, std::size_t capacity, std::size_t header, std::uint32_t size) {
  const std::size_t needed = header + kEndBytes;
  return used <= capacity && needed <= capacity - used && size <= capacity - used - needed;
}

}  // namespace

AddonClient::AddonClient() { pending_.reserve(64); }

LinkError AddonClient::open(std::uint16_t requiredSimulator, std::span<std::uint8_t> buffer) {
  if (isOpen()) return LinkError::kAlreadyOpen;
  if (buffer.data() == nullptr || buffer.size() < kMinBufferBytes) return LinkError::kNoBuffer;
  platform::HostWindows* windows = platform::ports().windows;
  const platform::WindowHandle window = windows != nullptr ? windows->find(kAddonWindowClass) : 0;
  if (window == 0) return LinkError::kNoAddonWindow;

  window_ = window;
  buffer_ = buffer.data();
  size_ = std::min(buffer.size(), kMaxBufferBytes);
  used_ = 0;
  pending_.clear();

  std::uint32_t addonVersion = 0;
  std::uint32_t simulatorWord = 0;
  LinkError error = read(kOffsetAddonVersion, 4, &addonVersion);
  if (error == LinkError::kOk) error = read(kOffsetSimulatorWord, 4, &simulatorWord);
  if (error == LinkError::kOk) error = write(kOffsetClientVersion, 2, &clientVersion_);
  if (error == LinkError::kOk) error = process();
  if (error == LinkError::kOk) {
    if (addonVersion < kOldestAddonVersion || (simulatorWord & 0xFFFF0000u) != kSimulatorMark) {
      error = LinkError::kVersionRefused;
    } else if (requiredSimulator != 0 && (simulatorWord & 0xFFFFu) != requiredSimulator) {
      error = LinkError::kWrongSimulator;
    }
  }
  if (error != LinkError::kOk) {
    close();
    return error;
  }
  addonVersion_ = addonVersion;
  simulatorVersion_ = static_cast<std::uint16_t>(simulatorWord & 0xFFFFu);
  return LinkError::kOk;
}

void AddonClient::close() {
  window_ = 0;
  buffer_ = nullptr;
  size_ = 0;
  discard();
}

void AddonClient::discard() {
  used_ = 0;
  pending_.clear();
}

void AddonClient::putWord(std::uint32_t word) {
  std::memcpy(buffer_ + used_, &word, sizeof word);
  used_ += sizeof word;
}

LinkError AddonClient::read(std::uint32_t offset, std::uint32_t size, void* destination) {
  if (!isOpen()) return LinkError::kNotOpen;
  if (!fits(used_, size_, kReadHeaderBytes, size)) return LinkError::kRequestTooLarge;
  putWord(kRecordRead);
  putWord(offset);
  putWord(size);
  putWord(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(destination)));
  pending_.push_back({used_, size, destination});
  std::memset(buffer_ + used_, 0, size);
  used_ += size;
  return LinkError::kOk;
}

LinkError AddonClient::write(std::uint32_t offset, std::uint32_t size, const void* source) {
  if (!isOpen()) return LinkError::kNotOpen;
  if (!fits(used_, size_, kWriteHeaderBytes, size)) return LinkError::kRequestTooLarge;
  putWord(kRecordWrite);
  putWord(offset);
  putWord(size);
  if (source != nullptr) {
    std::memcpy(buffer_ + used_, source, size);
  } else {
    std::memset(buffer_ + used_, 0, size);
  }
  used_ += size;
  return LinkError::kOk;
}

LinkError AddonClient::process() {
  if (!isOpen()) return LinkError::kNotOpen;
  if (used_ == 0) return LinkError::kNothingQueued;
  putWord(kRecordEnd);  // every record was queued with room for it
  platform::AddonTransport* transport = platform::ports().addon;
  const std::intptr_t answer =
      transport != nullptr ? transport->exchange(window_, kAddonMessage, used_, buffer_) : 0;
  if (answer != 1) {
    discard();
    return LinkError::kExchangeFailed;
  }
  for (const PendingRead& read : pending_) {
    if (read.destination != nullptr) std::memcpy(read.destination, buffer_ + read.at, read.size);
  }
  discard();
  return LinkError::kOk;
}

}  // namespace xaq::services::datalink
