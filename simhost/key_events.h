#pragma once
// Every host key event the module sends (panel-service entry 36, or an event-only mouse area):
// its name here, what the host does with it, and the effect on the world.

#include <cstdint>
#include <span>

#include "simhost/world.h"

namespace xaq::sim {

struct KeyEvent {
  std::uint32_t id;
  const char* name;
  const char* effect;
  void (*apply)(World& world, std::int32_t value);
};

std::span<const KeyEvent> keyEvents();

// The entry for `id`, or null for an event the host does not know (it is then ignored).
const KeyEvent* findKeyEvent(std::uint32_t id);

// Applies `id` to the world; false when the id is unknown.
bool applyKeyEvent(World& world, std::uint32_t id, std::uint32_t value);

}  // namespace xaq::sim
