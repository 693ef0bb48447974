#include "systems/electrical/electrical_indications.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/format_text.h"

namespace xaq::systems {

namespace {

constexpr const char* kVoltsTest = " 88.8";
constexpr const char* kAcVoltsTest = "888.8";
constexpr const char* kLoadTest = "+8.88";

// A reading in the meter's printf format; a value the format cannot hold in the meter's window
// (or not a number at all) is cut to the window rather than written past it.
std::string reading(const char* format, double value) {
  if (!std::isfinite(value)) value = 0.0;
  char text[32];
  const int n = formatText(text, sizeof text, format, value);
  return n > 0 ? std::string(text, static_cast<std::size_t>(std::min<int>(n, sizeof text - 1))) : std::string();
}

// The shared rule of every readout: dark without DC power, the test pattern while its test
// switch is held, else the reading.
MeterReading meter(const ElectricalState& e, std::int32_t testCounter, const char* testPattern,
                   const char* format, double value) {
  return {e.dcPowerAvailable, testCounter > 0, value, testPattern, format};
}

double dcBusOnSelector(const ElectricalState& e, std::int32_t selector) {
  switch (selector) {
    case 0: return e.volts(DcBus::kLeftSecondary);
    case 1: return e.volts(DcBus::kLeftMain);
    case 2: return e.volts(DcBus::kLeftEssential);
    case 3: return e.volts(DcBus::kRightEssential);
    case 4: return e.volts(DcBus::kRightMain);
    case 5: return e.volts(DcBus::kRightSecondary);
    default: return 0.0;
  }
}

double dcLoadOnSelector(const ElectricalState& e, std::int32_t selector) {
  switch (selector) {
    case 0: return e.loads.leftTru;
    case 1: return e.loads.dcGenerator1;
    case 2: return e.apu.loadDisplayRequest ? e.loads.apuGenerator : e.loads.dcGenerator2;
    case 3: return e.loads.rightTru;
    default: return 0.0;
  }
}

// The phase selector runs C, B, A of generator 1, then A, B, C of generator 2.
double acPhase(const std::array<double, 3>& gen1, const std::array<double, 3>& gen2, std::int32_t selector) {
  if (selector >= 0 && selector < 3) return gen1[static_cast<std::size_t>(2 - selector)];
  if (selector >= 3 && selector < 6) return gen2[static_cast<std::size_t>(selector - 3)];
  return 0.0;
}

double inverterOnSelector(const InverterOutputs& inv, std::int32_t selector, bool load) {
  switch (selector) {
    case 0: return load ? inv.primaryLoad : inv.primaryVolts;
    case 1: return load ? inv.auxLoad : inv.auxVolts;
    case 2: return load ? inv.secondaryLoad : inv.secondaryVolts;
    default: return 0.0;
  }
}

constexpr double kNeedleLowC = 15.0;
constexpr double kNeedleHighC = 80.0;
constexpr double kTestTemperatureC = 70.0;

double temperatureNeedle(const ElectricalState& e, const PanelSwitchRecord& s, double temperatureC) {
  if (!e.dcPowerAvailable) return 1.0;
  if (s.batteryTempTest > 0) temperatureC = kTestTemperatureC;
  if (std::isnan(temperatureC)) temperatureC = kNeedleLowC;
  return 1.0 - (std::clamp(temperatureC, kNeedleLowC, kNeedleHighC) - kNeedleLowC) / (kNeedleHighC - kNeedleLowC);
}

}  // namespace

std::string meterText(const MeterReading& r) {
  if (!r.powered) return {};
  if (r.testing) return r.testPattern;
  return reading(r.format, r.value);
}

MeterReading dcVoltmeterReading(const ElectricalState& e, const PanelSwitchRecord& s) {
  return meter(e, s.dcMeterTest, kVoltsTest, "%5.1f", dcBusOnSelector(e, s.busVoltageMonitor));
}

MeterReading dcLoadMeterReading(const ElectricalState& e, const PanelSwitchRecord& s) {
  return meter(e, s.dcMeterTest, kLoadTest, "%5.2f", dcLoadOnSelector(e, s.loadMonitor));
}

MeterReading mainBatteryLoadReading(const ElectricalState& e, const PanelSwitchRecord& s) {
  return meter(e, s.dcMeterTest, kLoadTest, "%5.2f", e.loads.mainBattery);
}

MeterReading auxBatteryLoadReading(const ElectricalState& e, const PanelSwitchRecord& s) {
  return meter(e, s.dcMeterTest, kLoadTest, "%5.2f", e.loads.auxBattery);
}

MeterReading acVoltmeterReading(const ElectricalState& e, const PanelSwitchRecord& s) {
  return meter(e, s.acMeterTest, kAcVoltsTest, "%5.1f", acPhase(e.ac.gen1PhaseVolts, e.ac.gen2PhaseVolts, s.phaseSelector));
}

MeterReading acLoadMeterReading(const ElectricalState& e, const PanelSwitchRecord& s) {
  return meter(e, s.acMeterTest, kLoadTest, "%5.2f", acPhase(e.ac.gen1PhaseLoads, e.ac.gen2PhaseLoads, s.phaseSelector));
}

MeterReading inverterVoltmeterReading(const ElectricalState& e, const PanelSwitchRecord& s) {
  return meter(e, s.acMeterTest, kAcVoltsTest, "%5.1f", inverterOnSelector(e.inverters, s.inverterSelector, false));
}

MeterReading inverterLoadMeterReading(const ElectricalState& e, const PanelSwitchRecord& s) {
  return meter(e, s.acMeterTest, kLoadTest, "%5.2f", inverterOnSelector(e.inverters, s.inverterSelector, true));
}

double mainBatteryTempNeedle(const ElectricalState& e, const PanelSwitchRecord& s) {
  return temperatureNeedle(e, s, e.mainBatteryTempC);
}

double auxBatteryTempNeedle(const ElectricalState& e, const PanelSwitchRecord& s) {
  return temperatureNeedle(e, s, e.auxBatteryTempC);
}

bool dcExternalPowerLit(const ElectricalState& e, const PanelSwitchRecord& s) {
  return e.dcPowerAvailable && s.externalPowerDc != 0 && e.externalPowerAvailable;
}

bool acExternalPowerLit(const ElectricalState& e, const PanelSwitchRecord& s) {
  return e.dcPowerAvailable && s.externalPowerAc != 0 && e.acExternalPowerAvailable;
}

}  // namespace xaq::systems
