#pragma once
// What each fuel-panel control does and shows, for every gauge that carries it: the 2D panel and
// its virtual-cockpit pieces call the same operations through the same callbacks.

#include "frame/aircraft_state.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges::fuel {

using frame::AircraftState;

// ---- readers (image indices) ----
int auxPump1(const AircraftState& a);
int auxPump2(const AircraftState& a);
int transferSwitch(const AircraftState& a);
int testPressed(const AircraftState& a);
int pump1Light(const AircraftState& a);
int pump2Light(const AircraftState& a);
int transferLight(const AircraftState& a);  // 1 idle, 2 transferring

// ---- actions ----
void toggleAuxPump1(AircraftState& a, Effects& e);
void toggleAuxPump2(AircraftState& a, Effects& e);
void transferLeft(AircraftState& a, Effects& e);
void transferRight(AircraftState& a, Effects& e);
void pressQuantityTest(AircraftState& a, Effects& e);

// ---- needles ----
double XAQ_HOSTCALL quantityNeedle(abi::ElementHeader* element);   // the element's tank gallons
double XAQ_HOSTCALL tankTempNeedle(abi::ElementHeader* element);
double XAQ_HOSTCALL fuelTempNeedle(abi::ElementHeader* element);

// ---- tooltip texts ----
const char* XAQ_HOSTCALL quantityText(double value, std::uint32_t id, const char* text, abi::HostVarRecord* record,
                                      abi::GaugeHeader* gauge);
const char* XAQ_HOSTCALL tankTempText(double value, std::uint32_t id, const char* text, abi::HostVarRecord* record,
                                      abi::GaugeHeader* gauge);
const char* XAQ_HOSTCALL leftFuelTempText(double value, std::uint32_t id, const char* text,
                                          abi::HostVarRecord* record, abi::GaugeHeader* gauge);
const char* XAQ_HOSTCALL rightFuelTempText(double value, std::uint32_t id, const char* text,
                                           abi::HostVarRecord* record, abi::GaugeHeader* gauge);

}  // namespace xaq::gauges::fuel
