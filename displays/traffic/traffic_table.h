#pragma once
// The traffic list as the add-on serves it: a 16-bit count, 16 spare bits, then one 40-byte
// record per target. The table keeps the records as they arrive; what the cockpit makes of them
// (in use, threat level, relative altitude, screen position) lives beside it in the screen
// records.

#include <array>
#include <cstddef>
#include <cstdint>

namespace xaq::displays {

inline constexpr int kTrafficSlots = 48;
inline constexpr std::size_t kTrafficHeaderBytes = 4;
inline constexpr std::size_t kTrafficRecordBytes = 40;
inline constexpr std::size_t kTrafficListBytes = kTrafficHeaderBytes + kTrafficSlots * kTrafficRecordBytes;

struct TrafficRecord {
  std::uint32_t id = 0;  // 0: an empty slot
  float latDeg = 0.0f;
  float lonDeg = 0.0f;
  float altitudeFt = 0.0f;
  std::uint16_t headingDeg = 0;  // true
  std::uint16_t groundSpeedKt = 0;
  std::int16_t verticalSpeedFpm = 0;
  std::array<char, 16> atcId{};  // 15 characters as sent, always terminated here
  std::uint8_t com1 = 0;
};

struct TrafficTable {
  bool valid = false;
  std::uint16_t count = 0;  // records to look at, never more than the slots
  std::array<TrafficRecord, kTrafficSlots> records{};
};

// Fills the table from the list's bytes. The count is held to the slots and to the records the
// bytes really hold, so a short or garbled list is never read past its end. A list too short for
// its header leaves the table invalid and empty; the result says whether the table is valid.
bool readTrafficList(const std::uint8_t* bytes, std::size_t size, TrafficTable& table);

}  // namespace xaq::displays
