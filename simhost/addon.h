#pragma once
// The data-link add-on's stand-in: a window of class "UIPCMAIN" that answers message 1151 with
// the request-buffer protocol — read records (kind 1: offset, size, destination, then the space
// the answer goes into), write records (kind 2: offset, size, data), ended by a zero word — over
// a 64 KiB byte-addressed offset space. Offsets listed in addonOffsets() are backed by the world:
// reads publish the world's current value first, writes act on the world.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "simhost/world.h"

namespace xaq::sim {

inline constexpr std::uint32_t kAddonMessage = 1151;
inline constexpr std::uint32_t kAddonVersion275 = 0x27500000;  // "2.750": hundreds, tens, units
inline constexpr std::uint32_t kAddonVersion274 = 0x27400000;
inline constexpr std::uint32_t kSimulatorWord = 0xFADE0006;    // 0xFADE + the simulator version
inline constexpr int kHotButtonSlots = 56;
inline constexpr int kTrafficSlots = 48;
inline constexpr int kTrafficRecordBytes = 40;

struct AddonOffset {
  std::uint16_t offset;
  std::uint16_t size;
  const char* meaning;
  const char* encoding;
  bool writable;
};

// The documented offset table (simhost/README.md).
std::span<const AddonOffset> addonOffsets();

class AddonStandIn {
 public:
  explicit AddonStandIn(World& world);

  // Whether the window exists, and the version word it reports.
  bool present = true;
  std::uint32_t versionWord = kAddonVersion275;

  // Message 1151: processes the request buffer in place. 1 on success; 0 when the buffer is
  // malformed (a record passing usedBytes or the offset space, an unknown kind, no end word) —
  // then nothing is read or written.
  std::intptr_t handle(std::uint8_t* buffer, std::size_t usedBytes);

  // What the module last wrote as its client version (offset 0x330A).
  std::uint16_t clientVersion() const { return clientVersion_; }

  // The aircraft file the add-on reports at 0x3C00; a change bumps the counter at 0x32FC.
  void setAircraftPath(const std::string& path);
  void setSimulatorFolder(const std::string& folder);

  // A joystick button edge for the hot-button slots the module registered.
  void joystickButton(int joystick, int button, bool pressed);

  // Reads the offset space as the module would see it now (world-backed offsets refreshed).
  std::uint64_t peek(std::uint32_t offset, std::uint32_t size);
  double peekDouble(std::uint32_t offset);

  std::uint32_t requestsHandled() const { return requests_; }

  // While recording, each message served leaves one batch: its records in order, with the bytes
  // served for a read and the bytes written for a write.
  struct ServedRecord {
    std::uint32_t kind;  // 1 read, 2 write
    std::uint32_t offset;
    std::uint32_t size;
    std::vector<std::uint8_t> data;
  };
  bool recording = false;
  std::vector<std::vector<ServedRecord>> served;

 private:
  void publish(std::uint32_t offset, std::uint32_t size);
  void consume(std::uint32_t offset, std::uint32_t size);

  World& world_;
  std::array<std::uint8_t, 65536> memory_{};
  std::uint16_t clientVersion_ = 0;
  std::uint16_t changeCounter_ = 1;
  std::string aircraftPath_, simulatorFolder_;
  std::uint32_t requests_ = 0;
};

}  // namespace xaq::sim
