#pragma once
// Every host variable the module samples: its meaning, the unit the host delivers it in, and
// where the value comes from in the world. The same table drives the lookup service and the
// Markdown page (simhost/README.md, `xaq-simhost --tables`).

#include <cstdint>
#include <span>

#include "simhost/atmosphere.h"
#include "simhost/world.h"

namespace xaq::sim {

// What a lookup sees: the world and the air data computed from it once per frame.
// What a host variable is read from: the world and its air data (worked out once for the frame).
struct HostView {
  const World& world;
  const AirData& air;
};

// The largest id the host's table may hold.
inline constexpr std::uint32_t kMaxHostVariableId = 908;

struct HostVariable {
  std::uint16_t id;
  const char* meaning;
  const char* unit;
  const char* source;
  double (*value)(const HostView&);
};

// The table, in id order.
std::span<const HostVariable> hostVariables();

// The entry for `id`, or null when the host does not know it (lookups then deliver 0).
const HostVariable* findHostVariable(std::uint32_t id);

// Host units of the position variables.
inline constexpr double kLatitudeDegPerUnit = 8.998425276e-06;
inline constexpr double kLongitudeUnitsPerTurn = 281474976710656.0;  // 2^48

}  // namespace xaq::sim
