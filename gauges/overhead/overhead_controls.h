#pragma once
// What each overhead control does and shows, for every gauge that carries it: the 2D panel and
// its virtual-cockpit pieces call the same operations through the same callbacks. Readers give
// a switch's image index; actions move it through the panel switches, the APU or the host.

#include <array>
#include <cstdint>
#include <string>

#include "frame/aircraft_state.h"
#include "gauges/kit/switch_family.h"
#include "gauges/kit/text_memo.h"
#include "gauges/overhead/overhead_layout.h"
#include "systems/electrical/electrical_indications.h"

namespace xaq::gauges::overhead {

using frame::AircraftState;
using systems::PanelSwitchRecord;
using systems::SwitchField;
using R = PanelSwitchRecord;

// ---- readers ----

template <SwitchField F>
int position(const AircraftState& a) {
  return a.switches.state().*F;
}
template <SwitchField F>
int held(const AircraftState& a) {
  return a.switches.state().*F > 0 ? 1 : 0;
}
// The spring-loaded rockers: centre, pushed left, pushed right.
template <SwitchField F>
int rocker(const AircraftState& a) {
  const std::int32_t v = a.switches.state().*F;
  return v < 0 ? 1 : (v > 0 ? 2 : 0);
}
int released(const AircraftState& a);
int hostLandingLights(const AircraftState& a);
int hostWingLights(const AircraftState& a);
int hostPanelLights(const AircraftState& a);
int apuPowerOn(const AircraftState& a);
int apuStarting(const AircraftState& a);
int apuGeneratorSwitch(const AircraftState& a);
int apuBleedSwitch(const AircraftState& a);
int apuLoadMeterHeld(const AircraftState& a);
int dcExternalPowerLamp(const AircraftState& a);
int acExternalPowerLamp(const AircraftState& a);
int apuAvailableLamp(const AircraftState& a);
int apuGeneratorLamp(const AircraftState& a);
int apuBleedLamp(const AircraftState& a);
int engineStartLamp(const AircraftState& a);
// The airframe de-ice boot lights in the panel's order (0 ... 5).
int deiceLamp(const AircraftState& a, int light);
template <int Light>
int deiceLampOf(const AircraftState& a) {
  return deiceLamp(a, Light);
}

// ---- actions ----

template <SwitchField F>
void toggle(AircraftState& a, Effects& e) {
  a.switches.toggle(F, e);
}
template <SwitchField F>
void toggleSign(AircraftState& a, Effects& e) {
  a.switches.toggleSign(F, family::dcPowerAvailable(a), e);
}
template <SwitchField F>
void stepDown(AircraftState& a, Effects& e) {
  a.switches.stepDown(F, e);
}
template <SwitchField F>
void stepUp(AircraftState& a, Effects& e) {
  a.switches.stepUp(F, e);
}
template <SwitchField F, int Sound>
void press(AircraftState& a, Effects& e) {
  a.switches.press(F, Sound, e);
}
template <SwitchField F, int Direction>
void pushSpring(AircraftState& a, Effects& e) {
  a.switches.pushSpring(F, Direction, e);
}
// A switch whose state the host keeps: the click sends its toggle event.
template <std::uint32_t Event>
void hostSwitch(AircraftState&, Effects& e) {
  e.events.trigger(Event, 1);
  e.sounds.play(sound::kSwitchClick);
}

void auxInverterLeft(AircraftState& a, Effects& e);
void auxInverterRight(AircraftState& a, Effects& e);
void propTimerLeft(AircraftState& a, Effects& e);
void propTimerRight(AircraftState& a, Effects& e);
void wiperDown(AircraftState& a, Effects& e);
void wiperUp(AircraftState& a, Effects& e);
void antiCollisionLower(AircraftState& a, Effects& e);
void antiCollisionUpper(AircraftState& a, Effects& e);
void batteryTempTest(AircraftState& a, Effects& e);
void engineStart(AircraftState& a, Effects& e);
void engineSelectLeft(AircraftState& a, Effects& e);
void engineSelectRight(AircraftState& a, Effects& e);
// The start select knob's images take a finished start back with the knob's click.
double XAQ_HOSTCALL engineSelectDay(abi::ElementHeader* element);
double XAQ_HOSTCALL engineSelectNight(abi::ElementHeader* element);
void apuPower(AircraftState& a, Effects& e);
void apuStart(AircraftState& a, Effects& e);
void apuGenerator(AircraftState& a, Effects& e);
void apuBleed(AircraftState& a, Effects& e);
void apuLoadMeter(AircraftState& a, Effects& e);
template <int Direction>
void cabinAltitude(AircraftState& a, Effects& e) {
  a.switches.cabinAltitudeStep(Direction, e);
}
template <int Direction>
void barometricCorrection(AircraftState& a, Effects& e) {
  a.switches.barometricCorrectionStep(Direction, e);
}
template <int Direction>
void cabinAltitudeManual(AircraftState& a, Effects& e) {
  a.switches.cabinAltitudeManualStep(Direction, e);
}

// ---- the controls' behaviours ----

struct ControlBehaviour {
  Ctl control;
  family::Areas areas;
  abi::MouseCallback first;   // the single area, or the decreasing half
  abi::MouseCallback second;  // the increasing half
  std::uint32_t flags;
  abi::ValueCallback day;     // null for the knobs drawn on the panel
  abi::ValueCallback night;
};

template <family::Reader Read>
constexpr ControlBehaviour shows(Ctl c, family::Areas areas, abi::MouseCallback first, abi::MouseCallback second,
                                 std::uint32_t flags) {
  return {c, areas, first, second, flags, &family::dayImage<Read>, &family::nightImage<Read>};
}

template <SwitchField F>
constexpr ControlBehaviour toggleSwitch(Ctl c) {
  return shows<&position<F>>(c, family::Areas::kOne, &family::operate<&toggle<F>>, nullptr, family::kClick);
}
template <SwitchField F>
constexpr ControlBehaviour signSwitch(Ctl c) {
  return shows<&position<F>>(c, family::Areas::kOne, &family::operate<&toggleSign<F>>, nullptr, family::kClick);
}
template <SwitchField F>
constexpr ControlBehaviour selector(Ctl c) {
  return shows<&position<F>>(c, family::Areas::kLeftRight, &family::operate<&stepDown<F>>,
                             &family::operate<&stepUp<F>>, family::kClick);
}
// The ignition switches step down from their upper half and up from their lower half.
template <SwitchField F>
constexpr ControlBehaviour ignitionSwitch(Ctl c) {
  return shows<&position<F>>(c, family::Areas::kLowerUpper, &family::operate<&stepUp<F>>,
                             &family::operate<&stepDown<F>>, family::kClick);
}
template <SwitchField F, int Sound>
constexpr ControlBehaviour momentary(Ctl c) {
  return shows<&held<F>>(c, family::Areas::kOne, &family::operate<&press<F, Sound>>, nullptr, family::kRepeat);
}
template <SwitchField F>
constexpr ControlBehaviour spring(Ctl c) {
  return shows<&rocker<F>>(c, family::Areas::kLeftRight, &family::operate<&pushSpring<F, -1>>,
                           &family::operate<&pushSpring<F, +1>>, family::kRepeat);
}
template <std::uint32_t Event, family::Reader Read = &released>
constexpr ControlBehaviour hostButton(Ctl c) {
  return shows<Read>(c, family::Areas::kOne, &family::operate<&hostSwitch<Event>>, nullptr, family::kClick);
}
template <family::Action Down, family::Action Up>
constexpr ControlBehaviour knob(Ctl c) {
  return {c, family::Areas::kLeftRight, &family::operate<Down>, &family::operate<Up>, family::kRepeat, nullptr, nullptr};
}

inline constexpr int kPush = sound::kPushButtonClick;
inline constexpr int kClickSound = sound::kSwitchClick;

inline constexpr ControlBehaviour kBehaviours[] = {
    selector<&R::busVoltageMonitor>(Ctl::kBusVoltageMonitor),
    selector<&R::loadMonitor>(Ctl::kLoadMonitor),
    toggleSwitch<&R::auxBattery>(Ctl::kAuxBattery),
    toggleSwitch<&R::mainBattery>(Ctl::kMainBattery),
    toggleSwitch<&R::batteryMaster>(Ctl::kBatteryMaster),
    toggleSwitch<&R::generatorControl1>(Ctl::kGeneratorControl1),
    toggleSwitch<&R::mainBusTie>(Ctl::kMainBusTie),
    toggleSwitch<&R::generatorControl2>(Ctl::kGeneratorControl2),
    momentary<&R::busFaultReset, kClickSound>(Ctl::kBusFaultReset),
    toggleSwitch<&R::externalPowerDc>(Ctl::kExternalPowerDc),
    momentary<&R::dcMeterTest, kPush>(Ctl::kDcMeterTest),
    shows<&held<&R::batteryTempTest>>(Ctl::kBatteryTempTest, family::Areas::kOne,
                                      &family::operate<&batteryTempTest>, nullptr, family::kRepeat),

    selector<&R::inverterSelector>(Ctl::kInverterSelector),
    selector<&R::phaseSelector>(Ctl::kPhaseSelector),
    momentary<&R::acMeterTest, kPush>(Ctl::kAcMeterTest),
    toggleSwitch<&R::acGenerator1>(Ctl::kAcGenerator1),
    toggleSwitch<&R::acGenerator2>(Ctl::kAcGenerator2),
    toggleSwitch<&R::primaryInverter>(Ctl::kPrimaryInverter),
    shows<&position<&R::auxInverter>>(Ctl::kAuxInverter, family::Areas::kLeftRight,
                                      &family::operate<&auxInverterLeft>, &family::operate<&auxInverterRight>,
                                      family::kClick),
    toggleSwitch<&R::secondaryInverter>(Ctl::kSecondaryInverter),
    toggleSwitch<&R::externalPowerAc>(Ctl::kExternalPowerAc),

    selector<&R::airframeAutoDeice>(Ctl::kAirframeAutoDeice),
    selector<&R::airframeManualDeice>(Ctl::kAirframeManualDeice),
    shows<&position<&R::propDeiceTimer>>(Ctl::kPropDeiceTimer, family::Areas::kLeftRight,
                                         &family::operate<&propTimerLeft>, &family::operate<&propTimerRight>,
                                         family::kClick),
    toggleSwitch<&R::propDeiceTest>(Ctl::kPropDeiceTest),
    selector<&R::windshieldHeater>(Ctl::kWindshieldHeater),
    toggleSwitch<&R::bootAirIsolateValve>(Ctl::kBootAirIsolateValve),
    toggleSwitch<&R::elevatorHornHeater>(Ctl::kElevatorHornHeater),
    toggleSwitch<&R::distributorValveHeater>(Ctl::kDistributorValveHeater),
    toggleSwitch<&R::pitotHeater1>(Ctl::kPitotHeater1),
    toggleSwitch<&R::pitotHeater2>(Ctl::kPitotHeater2),
    toggleSwitch<&R::sideWindowHeater>(Ctl::kSideWindowHeater),
    shows<&position<&R::windshieldWiper>>(Ctl::kWindshieldWiper, family::Areas::kLeftRight,
                                          &family::operate<&wiperDown>, &family::operate<&wiperUp>, family::kClick),

    hostButton<65751, &hostLandingLights>(Ctl::kApproachLandingLights),
    toggleSwitch<&R::flareLandingLights>(Ctl::kFlareLandingLights),
    hostButton<66240>(Ctl::kLandingTaxiLights),
    hostButton<66378, &hostWingLights>(Ctl::kFloodLighting),
    hostButton<65750, &hostPanelLights>(Ctl::kInstrumentLighting),
    selector<&R::stormLighting>(Ctl::kStormLighting),
    toggleSwitch<&R::wingInspectionLight>(Ctl::kWingInspectionLight),
    shows<&position<&R::antiCollisionLight>>(Ctl::kAntiCollisionLight, family::Areas::kLowerUpper,
                                             &family::operate<&antiCollisionLower>,
                                             &family::operate<&antiCollisionUpper>, family::kClick),
    hostButton<66379>(Ctl::kPositionLight),
    hostButton<66376>(Ctl::kLogoLight),

    ignitionSwitch<&R::ignitionControl1>(Ctl::kIgnitionControl1),
    ignitionSwitch<&R::ignitionControl2>(Ctl::kIgnitionControl2),
    {Ctl::kEngineStartSelect, family::Areas::kLeftRight, &family::operate<&engineSelectLeft>,
     &family::operate<&engineSelectRight>, family::kClick, &engineSelectDay, &engineSelectNight},
    shows<&released>(Ctl::kEngineStart, family::Areas::kOne, &family::operate<&engineStart>, nullptr, family::kClick),
    momentary<&R::flightDataRecorderTest, kClickSound>(Ctl::kFlightDataRecorderTest),
    shows<&apuPowerOn>(Ctl::kApuPower, family::Areas::kOne, &family::operate<&apuPower>, nullptr, family::kClick),
    shows<&apuStarting>(Ctl::kApuStart, family::Areas::kOne, &family::operate<&apuStart>, nullptr, family::kClick),
    shows<&apuGeneratorSwitch>(Ctl::kApuGenerator, family::Areas::kOne, &family::operate<&apuGenerator>, nullptr,
                               family::kClick),
    shows<&apuBleedSwitch>(Ctl::kApuBleed, family::Areas::kOne, &family::operate<&apuBleed>, nullptr, family::kClick),
    shows<&apuLoadMeterHeld>(Ctl::kDcLoadMeter, family::Areas::kOne, &family::operate<&apuLoadMeter>, nullptr,
                             family::kRepeat),

    selector<&R::cabinAltitudeMode>(Ctl::kCabinAltitudeMode),
    knob<&cabinAltitude<-1>, &cabinAltitude<+1>>(Ctl::kCabinAltitudeControl),
    knob<&barometricCorrection<-1>, &barometricCorrection<+1>>(Ctl::kBarometricCorrection),
    knob<&cabinAltitudeManual<-1>, &cabinAltitudeManual<+1>>(Ctl::kCabinAltitudeManual),
    toggleSwitch<&R::recirculationFan>(Ctl::kRecirculationFan),
    toggleSwitch<&R::bleedAirControl1>(Ctl::kBleedAirControl1),
    toggleSwitch<&R::bleedAirControl2>(Ctl::kBleedAirControl2),
    toggleSwitch<&R::flightCompartmentFan>(Ctl::kFlightCompartmentFan),
    spring<&R::cabinTempManual>(Ctl::kCabinTempManual),
    spring<&R::flightCompartmentTempManual>(Ctl::kFlightCompartmentTempManual),
    selector<&R::packControl1>(Ctl::kPackControl1),
    selector<&R::packControl2>(Ctl::kPackControl2),

    signSwitch<&R::seatBeltsSign>(Ctl::kSeatBeltsSign),
    signSwitch<&R::noSmokingSign>(Ctl::kNoSmokingSign),
    selector<&R::emergencyLights>(Ctl::kEmergencyLights),
};
static_assert(std::size(kBehaviours) == static_cast<std::size_t>(Ctl::kCount));

static_assert(layout::indexedByControl(kBehaviours), "kBehaviours is indexed by Ctl and matches the layout");

inline constexpr abi::ValueCallback kLampImages[] = {
    &family::lightImage<&dcExternalPowerLamp>, &family::lightImage<&acExternalPowerLamp>,
    &family::lightImage<&apuAvailableLamp>,    &family::lightImage<&apuGeneratorLamp>,
    &family::lightImage<&apuBleedLamp>,      &family::lightImage<&engineStartLamp>,
    &family::lightImage<&deiceLampOf<0>>,    &family::lightImage<&deiceLampOf<1>>,
    &family::lightImage<&deiceLampOf<2>>,    &family::lightImage<&deiceLampOf<3>>,
    &family::lightImage<&deiceLampOf<4>>,    &family::lightImage<&deiceLampOf<5>>,
};
static_assert(std::size(kLampImages) == static_cast<std::size_t>(Lamp::kCount));

// The readouts' texts: blank without an aircraft or power, the test pattern while tested. Each
// readout prints its text again only when what it shows has changed.
systems::MeterReading readoutValue(const AircraftState& a, Readout which);
template <Readout Which>
double XAQ_HOSTCALL readout(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  auto* text = abi::elementAs<abi::StringElement>(element);
  if (a == nullptr) {
    writeText(text, "");
    return 0.0;
  }
  static TextMemo<bool, bool, double> memo;
  const systems::MeterReading r = readoutValue(*a, Which);
  writeText(text, memo.text([&] { return systems::meterText(r); }, r.powered, r.testing, r.value));
  return 0.0;
}

inline constexpr abi::ValueCallback kReadoutTexts[] = {
    &readout<Readout::kDcVolts>,         &readout<Readout::kDcLoad>,  &readout<Readout::kMainBatteryLoad>,
    &readout<Readout::kAuxBatteryLoad>,  &readout<Readout::kAcVolts>, &readout<Readout::kAcLoad>,
    &readout<Readout::kInverterVolts>,   &readout<Readout::kInverterLoad>,
};
static_assert(std::size(kReadoutTexts) == static_cast<std::size_t>(Readout::kCount));

double dialValue(const AircraftState* a, Dial which);
template <Dial Which>
double XAQ_HOSTCALL dial(abi::ElementHeader*) {
  return dialValue(aircraft(), Which);
}
inline constexpr abi::ValueCallback kDialNeedles[] = {
    &dial<Dial::kMainBatteryTemp>,      &dial<Dial::kAuxBatteryTemp>,       &dial<Dial::kCabinRate>,
    &dial<Dial::kCabinAltitude>,        &dial<Dial::kDifferentialPressure>, &dial<Dial::kBarometricCorrection>,
    &dial<Dial::kSelectedCabinAltitude>,
};
static_assert(std::size(kDialNeedles) == static_cast<std::size_t>(Dial::kCount));

}  // namespace xaq::gauges::overhead
