#pragma once
// The client end of the add-on's request protocol. Requests are queued into a caller-owned buffer
// as records laid back to back (little-endian words):
//
//   read   1, offset, size, destination word, then `size` zeroed bytes the add-on fills in
//   write  2, offset, size, then the `size` data bytes
//   end    0
//
// and the whole batch goes to the add-on's window in one message (wParam = bytes used, lParam =
// the buffer). The add-on answers 1 when it has served every record.
//
// Where each read lands is kept here, not taken back from the buffer: the add-on may only write
// the answer space, and a 64-bit address does not fit the record's destination word anyway (the
// word carries the address's low 32 bits, which the add-on never uses).

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/ports.h"

namespace xaq::services::datalink {

enum class LinkError : std::uint32_t {
  kOk = 0,
  kAlreadyOpen = 1,
  kNoAddonWindow = 2,
  kNoBuffer = 6,           // no buffer, or one under 32 bytes
  kVersionRefused = 7,     // add-on too old, or not a simulator word the client knows
  kWrongSimulator = 8,     // not the simulator version asked for
  kNotOpen = 9,
  kNothingQueued = 10,
  kExchangeFailed = 13,    // the add-on did not answer 1
  kRequestTooLarge = 15,   // the record would not fit the rest of the buffer
};

inline constexpr char kAddonWindowClass[] = "UIPCMAIN";
inline constexpr std::uint32_t kAddonMessage = 1151;
inline constexpr std::size_t kMinBufferBytes = 32;
inline constexpr std::size_t kMaxBufferBytes = 32512;
inline constexpr std::uint32_t kOldestAddonVersion = 0x19980005;
inline constexpr std::uint16_t kClientVersion = 1100;

class AddonClient {
 public:
  AddonClient();

  // Finds the add-on's window, then asks for its version words and tells it ours. Any refusal
  // leaves the client closed. requiredSimulator 0 takes any simulator version.
  LinkError open(std::uint16_t requiredSimulator, std::span<std::uint8_t> buffer);
  // Forgets the window and the buffer (and anything queued).
  void close();
  bool isOpen() const { return window_ != 0; }

  LinkError read(std::uint32_t offset, std::uint32_t size, void* destination);
  LinkError write(std::uint32_t offset, std::uint32_t size, const void* source);
  // Sends the queued batch and copies each read's answer to its destination. The queue is empty
  // afterwards whether or not the add-on served it.
  LinkError process();
  // Drops whatever is queued without sending it.
  void discard();

  std::uint32_t addonVersion() const { return addonVersion_; }
  std::uint16_t simulatorVersion() const { return simulatorVersion_; }
  std::size_t bytesQueued() const { return used_; }

 private:
  struct PendingRead {
    std::size_t at;        // the answer's place in the buffer
    std::uint32_t size;
    void* destination;
  };

  void putWord(std::uint32_t word);

  platform::WindowHandle window_ = 0;
  std::uint8_t* buffer_ = nullptr;
  std::size_t size_ = 0;
  std::size_t used_ = 0;
  std::vector<PendingRead> pending_;
  std::uint32_t addonVersion_ = 0;
  std::uint16_t simulatorVersion_ = 0;
  std::uint16_t clientVersion_ = kClientVersion;
};

}  // namespace xaq::services::datalink
