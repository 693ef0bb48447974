#pragma once
// The positions of every panel switch, knob and selector, in the panel's own order. Booleans are
// 0/1; momentary switches hold a counter (cycles) that the panel switch update counts down and
// that draws the switch pressed while above 0. The systems read the positions; only the gauges'
// mouse operations and the dark-cockpit start change them.

#include <cstdint>

namespace xaq::systems {

inline constexpr std::int32_t kMomentaryCycles = 14;
inline constexpr std::int32_t kSpringTravel = 14;  // manual temperature controls: +14 / -14

struct PanelSwitchRecord {
  std::int32_t busVoltageMonitor = 0;       // 0-5
  std::int32_t loadMonitor = 0;             // 0-3
  std::int32_t auxBattery = 1;
  std::int32_t mainBattery = 1;
  std::int32_t batteryMaster = 1;
  std::int32_t generatorControl1 = 1;
  std::int32_t generatorControl2 = 1;
  std::int32_t mainBusTie = 0;
  std::int32_t busFaultReset = 0;           // momentary
  std::int32_t externalPowerDc = 0;
  std::int32_t dcMeterTest = 0;             // momentary
  std::int32_t inverterSelector = 0;        // 0-2
  std::int32_t phaseSelector = 0;           // 0-5
  std::int32_t acGenerator1 = 1;
  std::int32_t acGenerator2 = 1;
  std::int32_t externalPowerAc = 0;
  std::int32_t primaryInverter = 1;
  std::int32_t auxInverter = 0;             // 0-2
  std::int32_t secondaryInverter = 1;
  std::int32_t acMeterTest = 0;             // momentary
  std::int32_t batteryTempTest = 0;         // momentary
  std::int32_t airframeAutoDeice = 0;       // 0-2
  std::int32_t airframeManualDeice = 0;     // 0-7, wraps
  std::int32_t propDeiceTimer = 0;          // 0-4
  std::int32_t propDeiceTest = 0;
  std::int32_t bootAirIsolateValve = 0;
  std::int32_t elevatorHornHeater = 0;
  std::int32_t distributorValveHeater = 0;
  std::int32_t pitotHeater1 = 1;
  std::int32_t pitotHeater2 = 1;
  std::int32_t flareLandingLights = 0;
  std::int32_t windshieldHeater = 0;        // 0-2
  std::int32_t windshieldWiper = 0;         // 0-3
  double wiperTimeS = 0.0;                  // simulation seconds
  std::int32_t sideWindowHeater = 0;
  std::int32_t flightDataRecorderTest = 0;  // momentary
  std::int32_t stormLighting = 0;           // 0-2
  std::int32_t ignitionControl1 = 0;        // 0-2
  std::int32_t ignitionControl2 = 0;        // 0-2
  std::int32_t engineStartSelect = 0;       // 0-2
  std::int32_t cabinAltitudeMode = 0;       // 0-2
  std::int32_t wingInspectionLight = 0;
  std::int32_t antiCollisionLight = 0;      // 0-2
  std::int32_t recirculationFan = 1;
  std::int32_t bleedAirControl1 = 1;
  std::int32_t bleedAirControl2 = 1;
  std::int32_t flightCompartmentFan = 0;
  std::int32_t cabinTempManual = 0;         // spring-loaded +-14
  std::int32_t flightCompartmentTempManual = 0;
  std::int32_t packControl1 = 1;            // 0-2
  std::int32_t packControl2 = 1;            // 0-2
  std::int32_t seatBeltsSign = 0;
  std::int32_t noSmokingSign = 0;
  std::int32_t emergencyLights = 1;         // 0-2; 0 = disarmed
};

}  // namespace xaq::systems
