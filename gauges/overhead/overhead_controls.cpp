#include "gauges/overhead/overhead_controls.h"

#include "systems/electrical/electrical_indications.h"

namespace xaq::gauges::overhead {

namespace {

const systems::ElectricalState& electricalOf(const AircraftState& a) { return family::electricalState(a); }

systems::HostLights hostLights(const AircraftState& a) {
  return {a.link.samples.strobeLights, a.link.samples.beaconLights};
}

}  // namespace

int released(const AircraftState&) { return 0; }
int hostLandingLights(const AircraftState& a) { return a.link.samples.landingLights ? 1 : 0; }
int hostWingLights(const AircraftState& a) { return a.link.samples.instrumentLights ? 1 : 0; }
int hostPanelLights(const AircraftState& a) { return a.link.samples.panelLights ? 1 : 0; }

int apuPowerOn(const AircraftState& a) { return a.apu.state().powerOn ? 1 : 0; }
int apuStarting(const AircraftState& a) { return a.apu.state().phase == systems::ApuPhase::kStarting ? 1 : 0; }
int apuGeneratorSwitch(const AircraftState& a) { return a.apu.state().generatorSwitch ? 1 : 0; }
int apuBleedSwitch(const AircraftState& a) { return a.apu.state().bleedSwitch ? 1 : 0; }
int apuLoadMeterHeld(const AircraftState& a) { return a.apu.state().loadMeterCounter > 0 ? 1 : 0; }

int dcExternalPowerLamp(const AircraftState& a) {
  return systems::dcExternalPowerLit(electricalOf(a), a.switches.state()) ? 1 : 0;
}
int acExternalPowerLamp(const AircraftState& a) {
  return systems::acExternalPowerLit(electricalOf(a), a.switches.state()) ? 1 : 0;
}
int apuAvailableLamp(const AircraftState& a) {
  return a.apu.indications(family::dcPowerAvailable(a)).availableLight;
}
int apuGeneratorLamp(const AircraftState& a) {
  return a.apu.indications(family::dcPowerAvailable(a)).generatorLight;
}
int apuBleedLamp(const AircraftState& a) { return a.apu.indications(family::dcPowerAvailable(a)).bleedLight; }
int engineStartLamp(const AircraftState& a) { return a.engines.lights().start; }

void auxInverterLeft(AircraftState& a, Effects& e) { a.switches.auxInverterLeft(e); }
void auxInverterRight(AircraftState& a, Effects& e) { a.switches.auxInverterRight(e); }
void propTimerLeft(AircraftState& a, Effects& e) { a.switches.propDeiceTimerLeft(e); }
void propTimerRight(AircraftState& a, Effects& e) { a.switches.propDeiceTimerRight(e); }
void wiperDown(AircraftState& a, Effects& e) { a.switches.wiperDown(e); }
void wiperUp(AircraftState& a, Effects& e) { a.switches.wiperUp(e); }
void antiCollisionLower(AircraftState& a, Effects& e) { a.switches.antiCollisionLower(hostLights(a), e); }
void antiCollisionUpper(AircraftState& a, Effects& e) { a.switches.antiCollisionUpper(hostLights(a), e); }
void engineStart(AircraftState& a, Effects& e) { a.switches.engineStart(e); }
void engineSelectLeft(AircraftState& a, Effects& e) { a.switches.engineStartSelectLeft(e); }
void engineSelectRight(AircraftState& a, Effects& e) { a.switches.engineStartSelectRight(e); }

namespace {
double engineSelectImage(abi::ElementHeader* element, bool night) {
  if (AircraftState* a = aircraft(); a != nullptr && a->engines.takeStartFinished()) {
    a->effects().sounds.play(sound::kSwitchClick);
  }
  return family::showSwitchImage(element, night, &position<&R::engineStartSelect>);
}
}  // namespace

double XAQ_HOSTCALL engineSelectDay(abi::ElementHeader* element) { return engineSelectImage(element, false); }
double XAQ_HOSTCALL engineSelectNight(abi::ElementHeader* element) { return engineSelectImage(element, true); }

void batteryTempTest(AircraftState& a, Effects& e) {
  a.switches.press(&R::batteryTempTest, sound::kPushButtonClick, e);
  a.apu.stop(a.simTimeS());
}

void apuPower(AircraftState& a, Effects& e) { a.apu.powerSwitch(a.simTimeS(), e); }
void apuStart(AircraftState& a, Effects& e) { a.apu.startSwitch(a.simTimeS(), e); }
void apuGenerator(AircraftState& a, Effects& e) { a.apu.generatorSwitch(e); }
void apuBleed(AircraftState& a, Effects& e) { a.apu.bleedSwitch(e); }
void apuLoadMeter(AircraftState& a, Effects& e) { a.apu.loadMeterSwitch(e); }

systems::MeterReading readoutValue(const AircraftState& a, Readout which) {
  const systems::ElectricalState& e = electricalOf(a);
  const PanelSwitchRecord& s = a.switches.state();
  switch (which) {
    case Readout::kDcVolts: return systems::dcVoltmeterReading(e, s);
    case Readout::kDcLoad: return systems::dcLoadMeterReading(e, s);
    case Readout::kMainBatteryLoad: return systems::mainBatteryLoadReading(e, s);
    case Readout::kAuxBatteryLoad: return systems::auxBatteryLoadReading(e, s);
    case Readout::kAcVolts: return systems::acVoltmeterReading(e, s);
    case Readout::kAcLoad: return systems::acLoadMeterReading(e, s);
    case Readout::kInverterVolts: return systems::inverterVoltmeterReading(e, s);
    case Readout::kInverterLoad: return systems::inverterLoadMeterReading(e, s);
    case Readout::kCount: break;
  }
  return {};
}

int deiceLamp(const AircraftState& a, int light) {
  return systems::airframeDeiceLight(a.deice.state(), a.switches.state(), light) ? 1 : 0;
}

double dialValue(const AircraftState* a, Dial which) {
  // Without an aircraft the needles rest where they rest without power.
  const bool powered = a != nullptr && family::dcPowerAvailable(*a);
  const systems::CabinPressureState cabin = a != nullptr ? a->cabinPressure.state() : systems::CabinPressureState{};
  switch (which) {
    case Dial::kMainBatteryTemp:
    case Dial::kAuxBatteryTemp: {
      // The battery needles rest at the cold end.
      if (a == nullptr) return 1.0;
      const systems::ElectricalState& e = electricalOf(*a);
      return which == Dial::kMainBatteryTemp ? systems::mainBatteryTempNeedle(e, a->switches.state())
                                             : systems::auxBatteryTempNeedle(e, a->switches.state());
    }
    case Dial::kCabinRate: return systems::cabinRateNeedle(cabin, powered);
    case Dial::kCabinAltitude: return systems::cabinAltitudeNeedle(cabin, powered);
    case Dial::kDifferentialPressure: return systems::differentialPressureNeedle(cabin, powered);
    case Dial::kBarometricCorrection: return systems::barometricCorrectionDisplay(cabin, powered);
    case Dial::kSelectedCabinAltitude: return systems::selectedCabinAltitudeDisplay(cabin, powered);
    case Dial::kCount: break;
  }
  return 0.0;
}

}  // namespace xaq::gauges::overhead
