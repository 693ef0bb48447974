#include "gauges/kit/switch_family.h"

#include "frame/aircraft_state.h"

namespace xaq::gauges::family {

bool nightImages(const frame::AircraftState& a) { return a.nightImages(); }

const systems::ElectricalState& electricalState(const frame::AircraftState& a) { return a.electrical.state(); }

bool dcPowerAvailable(const frame::AircraftState& a) { return electricalState(a).dcPowerAvailable; }

double showSwitchImage(abi::ElementHeader* element, bool nightImage, Reader read) {
  const frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  setHidden(element, nightImages(*a) != nightImage);
  return read(*a);
}

double showLight(abi::ElementHeader*, Reader read) {
  const frame::AircraftState* a = aircraft();
  if (a == nullptr || !dcPowerAvailable(*a)) return 0.0;
  return read(*a);
}

double XAQ_HOSTCALL litOverlay(abi::ElementHeader* element) {
  const frame::AircraftState* a = aircraft();
  setHidden(element, a == nullptr || !nightImages(*a));
  return 0.0;
}

void runAction(Action action) {
  if (frame::AircraftState* a = aircraft()) {
    Effects effects = a->effects();
    action(*a, effects);
  }
}

}  // namespace xaq::gauges::family
