#include "systems/switches/pedestal_levers.h"

#include <cmath>

namespace xaq::systems {

namespace {

// A lever's value from its place on a travel of `travel` pixels: `top` at 0, `bottom` at the
// end, held within the two. A travel of no length, or a point the host cannot mean, leaves the
// lever at the bottom rather than sending a value no lever has.
std::int32_t leverValue(double y, double travel, double top, double bottom) {
  if (!(travel > 0.0) || !std::isfinite(y)) return static_cast<std::int32_t>(bottom);
  double v = (travel - y) * (top - bottom) / travel + bottom;
  if (v > top) v = top;
  if (v < bottom) v = bottom;
  return static_cast<std::int32_t>(v);
}

std::uint32_t asEventValue(std::int32_t v) { return static_cast<std::uint32_t>(v); }

}  // namespace

std::int32_t powerLeverValue(double y, double gaugeHeight) {
  return leverValue(y, kPowerLeverTravelPerHeight * gaugeHeight, kPowerLeverFull, kPowerLeverIdle);
}

void setPowerLevers(std::int32_t value, HostEventDoor& events) { events.trigger(kThrottleSetEvent, asEventValue(value)); }

std::int32_t conditionLeverValue(double y, double travel) {
  return leverValue(y, travel, kConditionLeverMax, kConditionLeverFeather);
}

void moveConditionLevers(ConditionLevers which, std::int32_t position, HostEventDoor& events) {
  const bool left = which != ConditionLevers::kRight;
  const bool right = which != ConditionLevers::kLeft;
  if (left) events.trigger(kPropLeverSetEvent[0], asEventValue(position));
  if (right) events.trigger(kPropLeverSetEvent[1], asEventValue(position));
  if (left) events.trigger(kFuelOnEvent[0], 1);
  if (right) events.trigger(kFuelOnEvent[1], 1);
}

void fuelOff(ConditionLevers which, HostEventDoor& events) {
  const int k = which == ConditionLevers::kRight ? 1 : 0;
  events.trigger(kPropLeverSetEvent[k], asEventValue(kConditionLeverFeather));
  events.trigger(kFuelOffEvent[k], 1);
}

}  // namespace xaq::systems
