#pragma once
// The overhead panel: seven sections, each a virtual-cockpit piece of its own (VCOverhead1 ... 7)
// and together, with the strip along the bottom, the 2D panel (Overhead). Every control is placed
// once, in its section's own pixels; the 2D panel puts each section at its origin. The artwork
// draws the switch images at these rectangles and the captions under them.

#include <array>
#include <cstddef>
#include <cstdint>

#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::overhead {

using layout::Point;
using layout::Rect;
using layout::Size;
using layout::SwitchImages;
using layout::SwitchLook;

enum Section : std::int32_t {
  kDcElectrical,
  kAcElectrical,
  kIceProtection,
  kLighting,
  kEngineStartApu,
  kAirConditioning,
  kCabinSigns,
  kSections,
};

struct SectionLayout {
  const char* title;
  Rect onPanel;  // where the section sits on the 2D panel; its own pixels start at (0, 0)
  std::uint32_t backgroundId;  // the virtual-cockpit piece's background; its lit overlay is +1
};

inline constexpr SectionLayout kSectionLayouts[kSections] = {
    {"DC ELECTRICAL", {0, 0, 320, 250}, 15000},
    {"AC ELECTRICAL", {320, 0, 320, 250}, 15010},
    {"ICE PROTECTION", {640, 0, 320, 250}, 15020},
    {"LIGHTING", {0, 250, 320, 230}, 15030},
    {"ENGINE START / APU", {320, 250, 320, 230}, 15040},
    {"AIR CONDITIONING / PRESSURIZATION", {640, 250, 320, 230}, 15050},
    {"CABIN SIGNS / EMERGENCY LIGHTS", {0, 480, 960, 70}, 15060},
};

inline constexpr Size kPanelSize{960, 560};
inline constexpr std::uint32_t kPanelBackgroundId = 14000;
inline constexpr std::uint32_t kPanelOverlayId = 14001;  // the lit panel, shown at night
// The strip along the bottom of the 2D panel: the host's forward view.
inline constexpr Rect kViewStrip{0, 550, 960, 10};
inline constexpr std::uint32_t kViewForwardEvent = 65674;

// ---- switch images, shared by every piece ----

inline constexpr std::int32_t kPropTimerSlots[] = {2, 3, 4, 1, 0};  // position -> place, left to right

inline constexpr SwitchImages kToggleArt{14100, 14102, SwitchLook::kToggle, 2, {24, 36}};
// The continuous knobs have no switch images: the panel's own artwork draws them.
inline constexpr SwitchImages kKnobOnPanel{0, 0, SwitchLook::kRotary, 0, {0, 0}};
inline constexpr SwitchImages kRotary3Art{14110, 14113, SwitchLook::kRotary, 3, {40, 40}};
inline constexpr SwitchImages kRotary4Art{14120, 14124, SwitchLook::kRotary, 4, {40, 40}};
inline constexpr SwitchImages kPropTimerArt{14130, 14135, SwitchLook::kRotary, 5, {40, 40}, kPropTimerSlots};
inline constexpr SwitchImages kRotary6Art{14140, 14146, SwitchLook::kRotary, 6, {40, 40}};
inline constexpr SwitchImages kRotary8Art{14160, 14168, SwitchLook::kRotary, 8, {40, 40}};
inline constexpr SwitchImages kPushArt{14180, 14182, SwitchLook::kPushButton, 2, {36, 24}};
inline constexpr SwitchImages kLeverArt{14190, 14193, SwitchLook::kLeverThreeWay, 3, {24, 44}};
inline constexpr SwitchImages kSidewaysArt{14200, 14203, SwitchLook::kLeverSideways, 3, {44, 24}};
inline constexpr SwitchImages kSpringArt{14210, 14213, SwitchLook::kSpringRocker, 3, {40, 24}};
// The cabin pressure knobs turn without a position of their own: drawn on the panel.
inline constexpr Size kKnobSize{40, 40};

inline constexpr SwitchImages kExtPowerLightArt{14220, 0, SwitchLook::kLight, 2, {44, 18}, nullptr, "ON", 0xFFC040};
inline constexpr SwitchImages kApuAvailLightArt{14222, 0, SwitchLook::kLight, 2, {44, 18}, nullptr, "AVAIL", 0x40E060};
inline constexpr SwitchImages kApuBleedLightArt{14224, 0, SwitchLook::kLight, 2, {44, 18}, nullptr, "BLEED", 0x40E060};
// The APU generator switchlight: on line, then available with the switch off.
inline constexpr SwitchImages kApuGenLightArt{14226, 0, SwitchLook::kLight, 3, {44, 18}, nullptr, "ON|OFF", 0x40E060};
// The engine start light: an engine selected, then its start running.
inline constexpr SwitchImages kEngineStartLightArt{14240, 0, SwitchLook::kLight, 3, {32, 18}, nullptr, "SELECT|START",
                                                   0xFFC040};

// The battery temperature needles: 1 at 15 degrees C (left), 0 at 80 (right).
inline constexpr std::uint32_t kBatteryNeedleId = 14230;
inline constexpr Size kBatteryNeedleSize{6, 26};
inline constexpr Point kBatteryNeedlePivot{3, 22};

// ---- the controls ----

enum class Ctl : std::int32_t {
  // DC electrical
  kBusVoltageMonitor, kLoadMonitor, kAuxBattery, kMainBattery, kBatteryMaster, kGeneratorControl1,
  kMainBusTie, kGeneratorControl2, kBusFaultReset, kExternalPowerDc, kDcMeterTest, kBatteryTempTest,
  // AC electrical
  kInverterSelector, kPhaseSelector, kAcMeterTest, kAcGenerator1, kAcGenerator2, kPrimaryInverter,
  kAuxInverter, kSecondaryInverter, kExternalPowerAc,
  // ice protection
  kAirframeAutoDeice, kAirframeManualDeice, kPropDeiceTimer, kPropDeiceTest, kWindshieldHeater,
  kBootAirIsolateValve, kElevatorHornHeater, kDistributorValveHeater, kPitotHeater1, kPitotHeater2,
  kSideWindowHeater, kWindshieldWiper,
  // lighting
  kApproachLandingLights, kFlareLandingLights, kLandingTaxiLights, kFloodLighting, kInstrumentLighting,
  kStormLighting, kWingInspectionLight, kAntiCollisionLight, kPositionLight, kLogoLight,
  // engine start and APU
  kIgnitionControl1, kIgnitionControl2, kEngineStartSelect, kEngineStart, kFlightDataRecorderTest,
  kApuPower, kApuStart, kApuGenerator, kApuBleed, kDcLoadMeter,
  // air conditioning and pressurisation
  kCabinAltitudeMode, kCabinAltitudeControl, kBarometricCorrection, kCabinAltitudeManual,
  kRecirculationFan, kBleedAirControl1, kBleedAirControl2, kFlightCompartmentFan, kCabinTempManual,
  kFlightCompartmentTempManual, kPackControl1, kPackControl2,
  // cabin signs and emergency lights
  kSeatBeltsSign, kNoSmokingSign, kEmergencyLights,
  kCount,
};

struct ControlLayout {
  Ctl control;
  Section section;
  Rect rect;                      // in the section's pixels
  const char* tooltip;
  const char* caption;            // the legend under the control; '|' breaks the line
  const SwitchImages* images;     // kKnobOnPanel: drawn on the panel (the continuous knobs)
};

inline constexpr ControlLayout kControls[] = {
    {Ctl::kBusVoltageMonitor, kDcElectrical, {20, 64, 40, 40}, "Bus voltage monitor selector", "BUS VOLTS", &kRotary6Art},
    {Ctl::kLoadMonitor, kDcElectrical, {80, 64, 40, 40}, "Load monitor selector", "LOAD", &kRotary4Art},
    {Ctl::kAuxBattery, kDcElectrical, {16, 140, 24, 36}, "Auxiliary battery switch", "AUX|BATT", &kToggleArt},
    {Ctl::kMainBattery, kDcElectrical, {56, 140, 24, 36}, "Main battery switch", "MAIN|BATT", &kToggleArt},
    {Ctl::kBatteryMaster, kDcElectrical, {96, 140, 24, 36}, "Battery master switch", "BATT|MASTER", &kToggleArt},
    {Ctl::kGeneratorControl1, kDcElectrical, {136, 140, 24, 36}, "Generator control switch", "GEN 1", &kToggleArt},
    {Ctl::kMainBusTie, kDcElectrical, {176, 140, 24, 36}, "Main bus tie switch", "BUS TIE", &kToggleArt},
    {Ctl::kGeneratorControl2, kDcElectrical, {216, 140, 24, 36}, "Generator control switch", "GEN 2", &kToggleArt},
    {Ctl::kBusFaultReset, kDcElectrical, {268, 140, 24, 36}, "Bus fault reset switch", "FAULT|RESET", &kToggleArt},
    {Ctl::kExternalPowerDc, kDcElectrical, {20, 200, 36, 24}, "External power switch", "EXT PWR", &kPushArt},
    {Ctl::kDcMeterTest, kDcElectrical, {140, 200, 36, 24}, "Test switch", "METER|TEST", &kPushArt},
    {Ctl::kBatteryTempTest, kDcElectrical, {270, 74, 36, 24}, "Test switch", "TEMP|TEST", &kPushArt},

    {Ctl::kInverterSelector, kAcElectrical, {40, 64, 40, 40}, "Inverter selector", "INV", &kRotary3Art},
    {Ctl::kPhaseSelector, kAcElectrical, {110, 64, 40, 40}, "Variable frequency phase selector", "PHASE", &kRotary6Art},
    {Ctl::kAcMeterTest, kAcElectrical, {200, 72, 36, 24}, "Test switch", "METER|TEST", &kPushArt},
    {Ctl::kAcGenerator1, kAcElectrical, {16, 140, 24, 36}, "AC generator switch", "AC GEN 1", &kToggleArt},
    {Ctl::kAcGenerator2, kAcElectrical, {64, 140, 24, 36}, "AC generator switch", "AC GEN 2", &kToggleArt},
    {Ctl::kPrimaryInverter, kAcElectrical, {120, 140, 24, 36}, "Primary inverter", "PRI|INV", &kToggleArt},
    {Ctl::kAuxInverter, kAcElectrical, {164, 146, 44, 24}, "Auxiliary inverter", "AUX INV", &kSidewaysArt},
    {Ctl::kSecondaryInverter, kAcElectrical, {228, 140, 24, 36}, "Secondary inverter", "SEC|INV", &kToggleArt},
    {Ctl::kExternalPowerAc, kAcElectrical, {20, 200, 36, 24}, "External power switch", "EXT PWR", &kPushArt},

    {Ctl::kAirframeAutoDeice, kIceProtection, {16, 30, 40, 40}, "Airframe auto de-ice", "AIRFRAME|AUTO", &kRotary3Art},
    {Ctl::kAirframeManualDeice, kIceProtection, {76, 30, 40, 40}, "Airframe manual de-ice", "AIRFRAME|MANUAL", &kRotary8Art},
    {Ctl::kPropDeiceTimer, kIceProtection, {136, 30, 40, 40}, "Propeller de-ice timer switch", "PROP|TIMER", &kPropTimerArt},
    {Ctl::kPropDeiceTest, kIceProtection, {200, 32, 24, 36}, "Propeller de-ice test", "PROP|TEST", &kToggleArt},
    {Ctl::kWindshieldHeater, kIceProtection, {250, 30, 40, 40}, "Windshield heater selector", "WSHLD|HEAT", &kRotary3Art},
    {Ctl::kBootAirIsolateValve, kIceProtection, {16, 120, 24, 36}, "Boot air isolate valve switch", "BOOT|ISOL", &kToggleArt},
    {Ctl::kElevatorHornHeater, kIceProtection, {56, 120, 24, 36}, "Elevator horn heater", "ELEV|HORN", &kToggleArt},
    {Ctl::kDistributorValveHeater, kIceProtection, {96, 120, 24, 36}, "Distributor valve heater", "DISTR|VALVE", &kToggleArt},
    {Ctl::kPitotHeater1, kIceProtection, {136, 120, 24, 36}, "Pitot head / static ports heater", "PITOT 1", &kToggleArt},
    {Ctl::kPitotHeater2, kIceProtection, {176, 120, 24, 36}, "Pitot head / static ports heater", "PITOT 2", &kToggleArt},
    {Ctl::kSideWindowHeater, kIceProtection, {216, 120, 24, 36}, "Pilot's side window heater", "SIDE|WINDOW", &kToggleArt},
    {Ctl::kWindshieldWiper, kIceProtection, {262, 118, 40, 40}, "Windshield wiper", "WIPER", &kRotary4Art},

    {Ctl::kApproachLandingLights, kLighting, {16, 32, 36, 24}, "Approach landing lights switch", "APPR|LDG", &kPushArt},
    {Ctl::kFlareLandingLights, kLighting, {68, 26, 24, 36}, "Flare landing lights switch", "FLARE|LDG", &kToggleArt},
    {Ctl::kLandingTaxiLights, kLighting, {108, 32, 36, 24}, "Landing and taxi light switch", "LDG|TAXI", &kPushArt},
    {Ctl::kFloodLighting, kLighting, {160, 32, 36, 24}, "Flood lighting", "FLOOD", &kPushArt},
    {Ctl::kInstrumentLighting, kLighting, {212, 32, 36, 24}, "Instrument lighting", "INSTR", &kPushArt},
    {Ctl::kStormLighting, kLighting, {264, 24, 40, 40}, "Storm lighting", "STORM", &kRotary3Art},
    {Ctl::kWingInspectionLight, kLighting, {20, 120, 24, 36}, "Wing inspection light", "WING|INSP", &kToggleArt},
    {Ctl::kAntiCollisionLight, kLighting, {76, 116, 24, 44}, "Anti-collision light", "ANTI|COLL", &kLeverArt},
    {Ctl::kPositionLight, kLighting, {130, 126, 36, 24}, "Position light", "POSITION", &kPushArt},
    {Ctl::kLogoLight, kLighting, {190, 126, 36, 24}, "Logo light", "LOGO", &kPushArt},

    {Ctl::kIgnitionControl1, kEngineStartApu, {16, 28, 40, 40}, "Ignition control switch", "IGN 1", &kRotary3Art},
    {Ctl::kIgnitionControl2, kEngineStartApu, {70, 28, 40, 40}, "Ignition control switch", "IGN 2", &kRotary3Art},
    {Ctl::kEngineStartSelect, kEngineStartApu, {124, 28, 40, 40}, "Engine start select", "START|SELECT", &kRotary3Art},
    {Ctl::kEngineStart, kEngineStartApu, {182, 36, 36, 24}, "Engine start switch", "START", &kPushArt},
    {Ctl::kFlightDataRecorderTest, kEngineStartApu, {258, 30, 24, 36}, "Flight data recorder test", "FDR|TEST", &kToggleArt},
    {Ctl::kApuPower, kEngineStartApu, {16, 150, 36, 24}, "APU Power switch", "APU PWR", &kPushArt},
    {Ctl::kApuStart, kEngineStartApu, {72, 150, 36, 24}, "APU Start switch", "APU START", &kPushArt},
    {Ctl::kApuGenerator, kEngineStartApu, {128, 150, 36, 24}, "APU Generator control switch", "APU GEN", &kPushArt},
    {Ctl::kApuBleed, kEngineStartApu, {184, 150, 36, 24}, "APU Bleed air switch", "APU BLEED", &kPushArt},
    {Ctl::kDcLoadMeter, kEngineStartApu, {254, 150, 36, 24}, "DC load meter switch", "APU|LOAD", &kPushArt},

    {Ctl::kCabinAltitudeMode, kAirConditioning, {16, 28, 40, 40}, "Cabin altitude mode selector", "CAB ALT|MODE", &kRotary3Art},
    {Ctl::kCabinAltitudeControl, kAirConditioning, {76, 28, 40, 40}, "Cabin altitude control", "CAB ALT", &kKnobOnPanel},
    {Ctl::kBarometricCorrection, kAirConditioning, {136, 28, 40, 40}, "Barometric correction control", "BARO", &kKnobOnPanel},
    {Ctl::kCabinAltitudeManual, kAirConditioning, {196, 28, 40, 40}, "Cabin altitude manual control", "MAN|RATE", &kKnobOnPanel},
    {Ctl::kRecirculationFan, kAirConditioning, {264, 30, 24, 36}, "Recirculation fan", "RECIRC|FAN", &kToggleArt},
    {Ctl::kBleedAirControl1, kAirConditioning, {16, 120, 24, 36}, "Bleed air control", "BLEED 1", &kToggleArt},
    {Ctl::kBleedAirControl2, kAirConditioning, {56, 120, 24, 36}, "Bleed air control", "BLEED 2", &kToggleArt},
    {Ctl::kFlightCompartmentFan, kAirConditioning, {96, 120, 24, 36}, "Flight compartment fan", "F/C|FAN", &kToggleArt},
    {Ctl::kCabinTempManual, kAirConditioning, {132, 126, 40, 24}, "Manual temperature control", "CABIN|TEMP", &kSpringArt},
    {Ctl::kFlightCompartmentTempManual, kAirConditioning, {180, 126, 40, 24}, "Manual temperature control", "F/C|TEMP", &kSpringArt},
    {Ctl::kPackControl1, kAirConditioning, {228, 118, 40, 40}, "Pack control", "PACK 1", &kRotary3Art},
    {Ctl::kPackControl2, kAirConditioning, {274, 118, 40, 40}, "Pack control", "PACK 2", &kRotary3Art},

    {Ctl::kSeatBeltsSign, kCabinSigns, {300, 16, 24, 36}, "Seat Belts sign", "SEAT BELTS", &kToggleArt},
    {Ctl::kNoSmokingSign, kCabinSigns, {400, 16, 24, 36}, "No Smoking sign", "NO SMOKING", &kToggleArt},
    {Ctl::kEmergencyLights, kCabinSigns, {500, 12, 40, 40}, "Emergency lights", "EMER LTS", &kRotary3Art},
};
static_assert(std::size(kControls) == static_cast<std::size_t>(Ctl::kCount));

static_assert(layout::indexedByControl(kControls), "kControls is indexed by Ctl");

// ---- lights, readouts and needles ----

enum class Lamp : std::int32_t {
  kExternalPowerDc, kExternalPowerAc, kApuAvailable, kApuGenerator, kApuBleed, kEngineStart,
  // The airframe de-ice boots, by group and side (side 1 left, side 2 right), in the panel's order.
  kDeiceGroup1Side1, kDeiceGroup1Side2, kDeiceGroup2Side1, kDeiceGroup2Side2, kDeiceGroup3Side2, kDeiceGroup3Side1,
  kCount
};

// The boots' lights: the sixth also shows group 4 while the manual selector is off its 0.
inline constexpr std::uint32_t kDeiceLightColour = 0x40E060;
inline constexpr SwitchImages kDeice1LArt{14300, 0, SwitchLook::kLight, 2, {44, 18}, nullptr, "1 L", kDeiceLightColour};
inline constexpr SwitchImages kDeice1RArt{14302, 0, SwitchLook::kLight, 2, {44, 18}, nullptr, "1 R", kDeiceLightColour};
inline constexpr SwitchImages kDeice2LArt{14304, 0, SwitchLook::kLight, 2, {44, 18}, nullptr, "2 L", kDeiceLightColour};
inline constexpr SwitchImages kDeice2RArt{14306, 0, SwitchLook::kLight, 2, {44, 18}, nullptr, "2 R", kDeiceLightColour};
inline constexpr SwitchImages kDeice3RArt{14308, 0, SwitchLook::kLight, 2, {44, 18}, nullptr, "3 R", kDeiceLightColour};
inline constexpr SwitchImages kDeice3LArt{14310, 0, SwitchLook::kLight, 2, {44, 18}, nullptr, "3/4 L", kDeiceLightColour};
// The legend over the row of boot lights, in the ice protection section's pixels.
inline constexpr Point kDeiceLightsCaptionAt{160, 188};
inline constexpr const char* kDeiceLightsCaption = "AIRFRAME DE-ICE BOOTS";

struct LampLayout {
  Lamp lamp;
  Section section;
  Rect rect;
  const SwitchImages* images;
};

inline constexpr LampLayout kLamps[] = {
    {Lamp::kExternalPowerDc, kDcElectrical, {62, 203, 44, 18}, &kExtPowerLightArt},
    {Lamp::kExternalPowerAc, kAcElectrical, {62, 203, 44, 18}, &kExtPowerLightArt},
    {Lamp::kApuAvailable, kEngineStartApu, {68, 124, 44, 18}, &kApuAvailLightArt},
    {Lamp::kApuGenerator, kEngineStartApu, {124, 124, 44, 18}, &kApuGenLightArt},
    {Lamp::kApuBleed, kEngineStartApu, {180, 124, 44, 18}, &kApuBleedLightArt},
    {Lamp::kEngineStart, kEngineStartApu, {222, 39, 32, 18}, &kEngineStartLightArt},
    {Lamp::kDeiceGroup1Side1, kIceProtection, {14, 198, 44, 18}, &kDeice1LArt},
    {Lamp::kDeiceGroup1Side2, kIceProtection, {64, 198, 44, 18}, &kDeice1RArt},
    {Lamp::kDeiceGroup2Side1, kIceProtection, {114, 198, 44, 18}, &kDeice2LArt},
    {Lamp::kDeiceGroup2Side2, kIceProtection, {164, 198, 44, 18}, &kDeice2RArt},
    {Lamp::kDeiceGroup3Side2, kIceProtection, {214, 198, 44, 18}, &kDeice3RArt},
    {Lamp::kDeiceGroup3Side1, kIceProtection, {264, 198, 44, 18}, &kDeice3LArt},
};
static_assert(std::size(kLamps) == static_cast<std::size_t>(Lamp::kCount));

enum class Readout : std::int32_t {
  kDcVolts, kDcLoad, kMainBatteryLoad, kAuxBatteryLoad, kAcVolts, kAcLoad, kInverterVolts, kInverterLoad, kCount,
};

struct ReadoutLayout {
  Readout readout;
  Section section;
  Rect rect;           // the digit window
  const char* caption;
};

inline constexpr ReadoutLayout kReadouts[] = {
    {Readout::kDcVolts, kDcElectrical, {14, 30, 62, 20}, "DC VOLTS"},
    {Readout::kDcLoad, kDcElectrical, {90, 30, 62, 20}, "DC LOAD"},
    {Readout::kMainBatteryLoad, kDcElectrical, {166, 30, 62, 20}, "MAIN BATT"},
    {Readout::kAuxBatteryLoad, kDcElectrical, {242, 30, 62, 20}, "AUX BATT"},
    {Readout::kAcVolts, kAcElectrical, {14, 30, 62, 20}, "AC VOLTS"},
    {Readout::kAcLoad, kAcElectrical, {90, 30, 62, 20}, "AC LOAD"},
    {Readout::kInverterVolts, kAcElectrical, {166, 30, 62, 20}, "INV VOLTS"},
    {Readout::kInverterLoad, kAcElectrical, {242, 30, 62, 20}, "INV LOAD"},
};
static_assert(std::size(kReadouts) == static_cast<std::size_t>(Readout::kCount));
inline constexpr std::uint16_t kReadoutLength = 8;  // "%5.2f" of any sane reading, terminator included

enum class Dial : std::int32_t {
  kMainBatteryTemp, kAuxBatteryTemp,
  // The pressurisation indicators.
  kCabinRate, kCabinAltitude, kDifferentialPressure, kBarometricCorrection, kSelectedCabinAltitude,
  kCount
};

// Every dial's scale has three marks about a pivot at the origin: the left end, the top and the
// right end of a 120-degree arc.
inline constexpr std::size_t kDialMarks = 3;
using DialScale = layout::ScaleMark[kDialMarks];

// 15 degrees C at the left, 80 at the right.
inline constexpr DialScale kBatteryScale = {
    {{-19, -11}, 1.0, "15"},
    {{0, -22}, 0.5, nullptr},
    {{19, -11}, 0.0, "80"},
};
inline constexpr DialScale kCabinRateScale = {{{-19, -11}, -2.0, "-2"}, {{0, -22}, 0.0, nullptr}, {{19, -11}, 2.0, "+2"}};
inline constexpr DialScale kCabinAltitudeScale = {{{-19, -11}, 0.0, "0"}, {{0, -22}, 15.0, nullptr}, {{19, -11}, 30.0, "30"}};
inline constexpr DialScale kDifferentialScale = {{{-19, -11}, 0.0, "0"}, {{0, -22}, 3.3, nullptr}, {{19, -11}, 6.6, "6.6"}};
inline constexpr DialScale kBarometricScale = {{{-19, -11}, 28.0, "28"}, {{0, -22}, 29.5, nullptr}, {{19, -11}, 31.0, "31"}};
inline constexpr DialScale kSelectedAltitudeScale = {{{-19, -11}, -1.0, "-1"}, {{0, -22}, 4.5, nullptr}, {{19, -11}, 10.0, "10"}};

enum class DialFace : std::int32_t {
  kCaptionBelow,  // a window above the pivot, the caption under it
  kCaptionInside, // a low window with the caption under the pivot, inside it
};

struct DialLayout {
  Dial dial;
  Section section;
  Point pivot;         // in the section's pixels
  const char* caption;
  const DialScale* scale;
  DialFace face;
};

inline constexpr DialLayout kDials[] = {
    {Dial::kMainBatteryTemp, kDcElectrical, {160, 96}, "MAIN BATT °C", &kBatteryScale, DialFace::kCaptionBelow},
    {Dial::kAuxBatteryTemp, kDcElectrical, {226, 96}, "AUX BATT °C", &kBatteryScale, DialFace::kCaptionBelow},
    {Dial::kCabinRate, kAirConditioning, {36, 214}, "RATE x1000", &kCabinRateScale, DialFace::kCaptionInside},
    {Dial::kCabinAltitude, kAirConditioning, {98, 214}, "CAB ALT x1000", &kCabinAltitudeScale, DialFace::kCaptionInside},
    {Dial::kDifferentialPressure, kAirConditioning, {160, 214}, "DIFF PSI", &kDifferentialScale, DialFace::kCaptionInside},
    {Dial::kBarometricCorrection, kAirConditioning, {222, 214}, "BARO IN", &kBarometricScale, DialFace::kCaptionInside},
    {Dial::kSelectedCabinAltitude, kAirConditioning, {284, 214}, "SEL ALT x1000", &kSelectedAltitudeScale, DialFace::kCaptionInside},
};
static_assert(std::size(kDials) == static_cast<std::size_t>(Dial::kCount));

// ---- placing the section layouts on a gauge ----

// Where a section's pixel lands on a gauge: the 2D panel moves it by the section's place, a
// virtual-cockpit piece keeps it.
constexpr Point onGauge(Section s, Point p, bool wholePanel) {
  if (!wholePanel) return p;
  return {p.x + kSectionLayouts[s].onPanel.x, p.y + kSectionLayouts[s].onPanel.y};
}
constexpr Rect onGauge(Section s, Rect r, bool wholePanel) {
  const Point p = onGauge(s, r.origin(), wholePanel);
  return {p.x, p.y, r.width, r.height};
}

// How many of a table's entries a gauge shows: all for the 2D panel, one section's for a piece.
template <typename T, std::size_t N, typename Drawn>
constexpr std::size_t countOn(const T (&table)[N], int section, Drawn drawn) {
  std::size_t n = 0;
  for (const T& t : table) {
    if ((section < 0 || t.section == section) && drawn(t)) ++n;
  }
  return n;
}
template <typename T, std::size_t N>
constexpr std::size_t countOn(const T (&table)[N], int section) {
  return countOn(table, section, [](const T&) { return true; });
}

// Told by the images' count, not by comparing addresses: a compiler that keeps null-pointer
// checks cannot compare addresses at compile time, and the tables are sized from this.
constexpr bool hasImages(const ControlLayout& c) { return c.images->count > 0; }

}  // namespace xaq::gauges::overhead
