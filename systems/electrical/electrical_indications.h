#pragma once
// What the overhead's electrical meters and lights show, as pure functions of the published
// state and the switch positions. A readout is empty while DC power is not available; while its
// test switch is held it shows its test pattern instead of the reading.

#include <string>

#include "systems/electrical/electrical_state.h"
#include "systems/switches/panel_switch_record.h"

namespace xaq::systems {

std::string dcVoltmeterText(const ElectricalState& e, const PanelSwitchRecord& s);
std::string dcLoadMeterText(const ElectricalState& e, const PanelSwitchRecord& s);
std::string mainBatteryLoadText(const ElectricalState& e, const PanelSwitchRecord& s);
std::string auxBatteryLoadText(const ElectricalState& e, const PanelSwitchRecord& s);
std::string acVoltmeterText(const ElectricalState& e, const PanelSwitchRecord& s);
std::string acLoadMeterText(const ElectricalState& e, const PanelSwitchRecord& s);
std::string inverterVoltmeterText(const ElectricalState& e, const PanelSwitchRecord& s);
std::string inverterLoadMeterText(const ElectricalState& e, const PanelSwitchRecord& s);

// The battery temperature needles' value: 1 at 15 degrees C and below, 0 at 80 and above.
double mainBatteryTempNeedle(const ElectricalState& e, const PanelSwitchRecord& s);
double auxBatteryTempNeedle(const ElectricalState& e, const PanelSwitchRecord& s);

// The external power switchlights on the DC and AC panels (lit or dark).
bool dcExternalPowerLit(const ElectricalState& e, const PanelSwitchRecord& s);
bool acExternalPowerLit(const ElectricalState& e, const PanelSwitchRecord& s);

}  // namespace xaq::systems
