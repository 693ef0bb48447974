#pragma once
// What the electrical system publishes: the one place the panel's power lives. Gauges, sounds
// and systems test dcPowerAvailable; without it readouts are blank, glass displays dark and
// lights out.

namespace xaq::systems {

struct ElectricalState {
  bool dcPowerAvailable = false;
};

}  // namespace xaq::systems
