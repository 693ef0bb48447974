#pragma once
// What the overhead's electrical meters and lights show, as pure functions of the published
// state and the switch positions. A readout is empty while DC power is not available; while its
// test switch is held it shows its test pattern instead of the reading.

#include <string>

#include "systems/electrical/electrical_state.h"
#include "systems/switches/panel_switch_record.h"

namespace xaq::systems {

// A readout before it is printed: everything its text is made from.
struct MeterReading {
  bool powered = false;
  bool testing = false;   // its test switch held: the test pattern
  double value = 0.0;
  const char* testPattern = "";
  const char* format = "";  // printf format of the value
};
std::string meterText(const MeterReading& r);

MeterReading dcVoltmeterReading(const ElectricalState& e, const PanelSwitchRecord& s);
MeterReading dcLoadMeterReading(const ElectricalState& e, const PanelSwitchRecord& s);
MeterReading mainBatteryLoadReading(const ElectricalState& e, const PanelSwitchRecord& s);
MeterReading auxBatteryLoadReading(const ElectricalState& e, const PanelSwitchRecord& s);
MeterReading acVoltmeterReading(const ElectricalState& e, const PanelSwitchRecord& s);
MeterReading acLoadMeterReading(const ElectricalState& e, const PanelSwitchRecord& s);
MeterReading inverterVoltmeterReading(const ElectricalState& e, const PanelSwitchRecord& s);
MeterReading inverterLoadMeterReading(const ElectricalState& e, const PanelSwitchRecord& s);

// The battery temperature needles' value: 1 at 15 degrees C and below, 0 at 80 and above.
double mainBatteryTempNeedle(const ElectricalState& e, const PanelSwitchRecord& s);
double auxBatteryTempNeedle(const ElectricalState& e, const PanelSwitchRecord& s);

// The external power switchlights on the DC and AC panels (lit or dark).
bool dcExternalPowerLit(const ElectricalState& e, const PanelSwitchRecord& s);
bool acExternalPowerLit(const ElectricalState& e, const PanelSwitchRecord& s);

}  // namespace xaq::systems
