#pragma once
// Builds traffic lists byte for byte as the add-on serves them, for the traffic tests.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "displays/traffic/traffic_table.h"

namespace xaq::displays::testing {

struct ListedTarget {
  std::uint32_t id = 1;
  float latDeg = 0, lonDeg = 0, altitudeFt = 0;
  std::uint16_t headingDeg = 0, groundSpeedKt = 0;
  std::int16_t verticalSpeedFpm = 0;
  std::string callsign = "N123";
};

inline std::vector<std::uint8_t> trafficList(const std::vector<ListedTarget>& targets, int countWord = -1) {
  std::vector<std::uint8_t> bytes(kTrafficListBytes, 0);
  const auto put = [&bytes](std::size_t at, const auto& v) { std::memcpy(bytes.data() + at, &v, sizeof v); };
  put(0, static_cast<std::uint16_t>(countWord >= 0 ? countWord : static_cast<int>(targets.size())));
  for (std::size_t i = 0; i < targets.size() && i < kTrafficSlots; ++i) {
    const ListedTarget& t = targets[i];
    const std::size_t r = kTrafficHeaderBytes + i * kTrafficRecordBytes;
    put(r, t.id);
    put(r + 4, t.latDeg);
    put(r + 8, t.lonDeg);
    put(r + 12, t.altitudeFt);
    put(r + 16, t.headingDeg);
    put(r + 18, t.groundSpeedKt);
    put(r + 20, t.verticalSpeedFpm);
    std::memcpy(bytes.data() + r + 22, t.callsign.data(), std::min<std::size_t>(t.callsign.size(), 15));
  }
  return bytes;
}

}  // namespace xaq::displays::testing
