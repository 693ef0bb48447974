#include "displays/traffic/traffic_table.h"

#include <algorithm>
#include <cstring>

namespace xaq::displays {

namespace {

template <typename T>
T take(const std::uint8_t* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

TrafficRecord recordAt(const std::uint8_t* r) {
  TrafficRecord record;
  record.id = take<std::uint32_t>(r);
  record.latDeg = take<float>(r + 4);
  record.lonDeg = take<float>(r + 8);
  record.altitudeFt = take<float>(r + 12);
  record.headingDeg = take<std::uint16_t>(r + 16);
  record.groundSpeedKt = take<std::uint16_t>(r + 18);
  record.verticalSpeedFpm = take<std::int16_t>(r + 20);
  std::memcpy(record.atcId.data(), r + 22, 15);
  record.atcId[15] = '\0';
  record.com1 = r[37];
  return record;
}

}  // namespace

bool readTrafficList(const std::uint8_t* bytes, std::size_t size, TrafficTable& table) {
  table.valid = false;
  table.count = 0;
  if (bytes == nullptr || size < kTrafficHeaderBytes) return false;
  const std::size_t held = (size - kTrafficHeaderBytes) / kTrafficRecordBytes;
  const std::size_t count =
      std::min({static_cast<std::size_t>(take<std::uint16_t>(bytes)), held, static_cast<std::size_t>(kTrafficSlots)});
  for (std::size_t i = 0; i < count; ++i)
    table.records[i] = recordAt(bytes + kTrafficHeaderBytes + i * kTrafficRecordBytes);
  for (std::size_t i = count; i < table.records.size(); ++i) table.records[i] = TrafficRecord{};
  table.count = static_cast<std::uint16_t>(count);
  table.valid = true;
  return true;
}

}  // namespace xaq::displays
