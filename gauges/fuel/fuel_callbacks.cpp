#include "gauges/fuel/fuel_callbacks.h"

#include <algorithm>

#include "gauges/fuel/fuel_layout.h"
#include "systems/fuel/fuel.h"

namespace xaq::gauges::fuel {

namespace {

using systems::FuelTransfer;

const systems::FuelState& fuelOf(const AircraftState& a) { return a.fuel.state(); }

// One text buffer per tooltip kind: the host copies the text before it asks again.
char gTooltip[4][64];

}  // namespace

int auxPump1(const AircraftState& a) { return fuelOf(a).auxPump1 != 0 ? 1 : 0; }
int auxPump2(const AircraftState& a) { return fuelOf(a).auxPump2 != 0 ? 1 : 0; }
int transferSwitch(const AircraftState& a) { return static_cast<int>(fuelOf(a).transfer); }
int testPressed(const AircraftState& a) { return fuelOf(a).testCycles > 0 ? 1 : 0; }
int pump1Light(const AircraftState& a) { return fuelOf(a).pump1Running ? 1 : 0; }
int pump2Light(const AircraftState& a) { return fuelOf(a).pump2Running ? 1 : 0; }
int transferLight(const AircraftState& a) { return fuelOf(a).transferIndication1 ? 2 : 1; }

void toggleAuxPump1(AircraftState& a, Effects& e) { a.fuel.toggleAuxPump(1, e); }
void toggleAuxPump2(AircraftState& a, Effects& e) { a.fuel.toggleAuxPump(2, e); }
void transferLeft(AircraftState& a, Effects& e) { a.fuel.transferLeft(e); }
void transferRight(AircraftState& a, Effects& e) { a.fuel.transferRight(e); }
void pressQuantityTest(AircraftState& a, Effects& e) { a.fuel.pressQuantityTest(e); }

// Without DC power the indicators rest at the bottom of their scales.
double XAQ_HOSTCALL quantityNeedle(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  if (a == nullptr || !family::dcPowerAvailable(*a)) return 0.0;
  return systems::quantityNeedleLb(fuelOf(*a), hostValue(element));
}

double XAQ_HOSTCALL tankTempNeedle(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr || !family::dcPowerAvailable(*a)) return kTankTempLowestC;
  return std::max(kTankTempLowestC, systems::tankTemperatureC(a->link.samples.totalAirTempC));
}

double XAQ_HOSTCALL fuelTempNeedle(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr || !family::dcPowerAvailable(*a)) return kFuelTempLowestC;
  return std::clamp(systems::tankTemperatureC(a->link.samples.totalAirTempC), kFuelTempLowestC, kFuelTempHighestC);
}

const char* XAQ_HOSTCALL quantityText(double value, std::uint32_t, const char*, abi::HostVarRecord* record,
                                      abi::GaugeHeader*) {
  systems::quantityTooltip(tooltipValue(value, record), gTooltip[0], sizeof gTooltip[0]);
  return gTooltip[0];
}

namespace {

// The temperatures come from the sampled outside air (the host's own record of it is unscaled):
// `write` fills buffer `slot` from it.
const char* temperatureText(int slot, void (*write)(double outsideAirTempC, char* out, std::size_t size)) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return "";
  char* out = gTooltip[slot];
  write(a->link.samples.totalAirTempC, out, sizeof gTooltip[slot]);
  return out;
}

void leftEngine(double c, char* out, std::size_t n) { systems::engineFuelTemperatureTooltip(1, c, out, n); }
void rightEngine(double c, char* out, std::size_t n) { systems::engineFuelTemperatureTooltip(2, c, out, n); }

}  // namespace

const char* XAQ_HOSTCALL tankTempText(double, std::uint32_t, const char*, abi::HostVarRecord*, abi::GaugeHeader*) {
  return temperatureText(1, &systems::temperatureTooltip);
}

const char* XAQ_HOSTCALL leftFuelTempText(double, std::uint32_t, const char*, abi::HostVarRecord*,
                                          abi::GaugeHeader*) {
  return temperatureText(2, &leftEngine);
}

const char* XAQ_HOSTCALL rightFuelTempText(double, std::uint32_t, const char*, abi::HostVarRecord*,
                                           abi::GaugeHeader*) {
  return temperatureText(3, &rightEngine);
}

}  // namespace xaq::gauges::fuel
