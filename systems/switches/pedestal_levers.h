#pragma once
// The levers of the pedestal's throttle quadrant, from a mouse position to the host's lever
// commands. The host keeps the lever positions; the module only says where the pilot put them.

#include <cstdint>

#include "common/effects.h"

namespace xaq::systems {

inline constexpr std::uint32_t kThrottleSetEvent = 65820;
inline constexpr std::int32_t kPowerLeverIdle = -8191;  // full reverse
inline constexpr std::int32_t kPowerLeverFull = 16383;
// The power levers' travel is this fraction of the pedestal's height.
inline constexpr double kPowerLeverTravelPerHeight = 0.44697;

inline constexpr std::uint32_t kPropLeverSetEvent[2] = {65923, 65924};
inline constexpr std::uint32_t kFuelOnEvent[2] = {65983, 65988};
inline constexpr std::uint32_t kFuelOffEvent[2] = {65987, 65992};
inline constexpr std::int32_t kConditionLeverFeather = -4096;
inline constexpr std::int32_t kConditionLeverMax = 16384;

// The power levers' position for a mouse point y pixels below the top of their travel, on a
// pedestal `gaugeHeight` pixels high: full power at the top, full reverse at the bottom.
std::int32_t powerLeverValue(double y, double gaugeHeight);
// Both power levers (the host moves both with the one command).
void setPowerLevers(std::int32_t value, HostEventDoor& events);

enum class ConditionLevers { kLeft = 0, kRight = 1, kBoth = 2 };

// A condition lever's position for a mouse point y pixels below the top of a travel `travel`
// pixels long: the maximum at the top, the feather stop at the bottom.
std::int32_t conditionLeverValue(double y, double travel);
// The lever(s) to the position, then the fuel on; both levers: both positions, then both fuels.
void moveConditionLevers(ConditionLevers which, std::int32_t position, HostEventDoor& events);
// Through the gate to fuel off: the feather stop, then the fuel cut.
void fuelOff(ConditionLevers which, HostEventDoor& events);

}  // namespace xaq::systems
