#pragma once
// What the engine controls publish: the start sequence, the intake bypass doors, the ECU's rating
// and reference torque, the ECU mode and feather switches and the autofeather display. The host
// runs the engines themselves; this is the cockpit's side of them.

#include <array>
#include <cstdint>

namespace xaq::systems {

inline constexpr std::int32_t kBypassTransitCycles = 12;
inline constexpr std::int32_t kFeatherSwitchCycles = 12;

enum class EcuRating : std::int32_t { kTop = 0, kMcp = 1, kMcl = 2, kMcr = 3 };
inline constexpr std::int32_t kLastEcuRating = 3;

// The start light's images.
enum class StartIndicator : std::int32_t { kNoEngineSelected = 0, kEngineSelected = 1, kStartRunning = 2 };

struct EnginesState {
  StartIndicator startIndicator = StartIndicator::kNoEngineSelected;
  bool startRunning = false;
  // Set when a start ends; the select knob's image takes it back with a click.
  bool startFinished = false;
  // Fuel lever open on the host (host variables 130 / 165 above 200).
  std::array<bool, 2> turning{true, true};
  std::array<double, 2> oilTempC{15.0, 15.0};

  std::array<bool, 2> bypassDoorOpen{};
  std::array<bool, 2> bypassHeater{};
  std::array<std::int32_t, 2> bypassTransitCycles{};

  EcuRating ecuRating = EcuRating::kTop;
  double referenceTorquePct = 0.0;
  std::array<bool, 2> ecuManual{};

  std::array<std::int32_t, 2> autofeatherTestCycles{};
  // Spring-loaded: +12 or -12 when pushed, one step back toward 0 each cycle.
  std::array<std::int32_t, 2> alternateFeather{};
  // Nothing lights the two feather lights above the alternate feather switches.
  std::array<bool, 2> featherIndicator{};
  // 0 dark, 1 SELECT, 3 SELECT and ARM.
  std::int32_t autofeatherDisplay = 0;
};

// The engine panels' switchlights as image indices (0 dark).
struct EngineLights {
  std::array<int, 2> bypassDoor{};  // 1 CLOSED, 2 OPN, 3 OPN HTR
  std::array<int, 2> ecuMode{};     // 1 ON, 2 MANUAL
  int autofeather = 0;              // 1 SELECT, 3 SELECT and ARM
  int start = 0;                    // the start indicator
};

EngineLights engineLights(const EnginesState& state, bool dcPowerAvailable);

}  // namespace xaq::systems
