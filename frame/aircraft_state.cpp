#include "frame/aircraft_state.h"

#include "frame/host_services.h"

namespace xaq::frame {

void HostLink::sample() {
  sample([](abi::HostVarRecord* record, void*) { lookupVariable(record); }, nullptr);
}

void HostLink::sample(LookupFunction lookup, void* context) {
  sampleHostVariables(variables, samples, history, addon.payloadWeightLb, lookup, context);
}

AircraftState::AircraftState() { flags.storeLocation = savedState_.locationRecord(); }

AircraftState::~AircraftState() = default;

void AircraftState::runCycle() {
  // 1. Host variables.
  link.sample();

  // 2. The add-on data link: this cycle's values, the aircraft's paths and the joystick buttons.
  link.exchange();

  // 3. Each part once, in order; later parts read what earlier ones wrote this cycle:
  //    radios, panel switches, lighting, electrical, de-ice, APU, clock, gear indication,
  //    attitude-director settings and clipboard, flight guidance with the advisory display,
  //    wipers, cabin pressure, engines, weather radar, fuel, then:
  airspeedBug.update(link.samples);
  //    EFIS display-control panel, warnings and cautions, traffic data, flight management.

  // 4. DC power edges: the flight guidance's and the EFIS panel's power-up and power-down.
  powerEdge_.update(
      dcPowerAvailable, [this] { flags.dcPowerCopy = true; },
      [this] { flags.dcPowerCopy = false; });
}

void AircraftState::saveState() {
  if (stateSaved_) return;
  stateSaved_ = true;
  rmiSources.save(savedState_);
  airspeedBug.save(savedState_);
}

}  // namespace xaq::frame
