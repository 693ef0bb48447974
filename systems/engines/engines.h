#pragma once
// The engine controls: the start sequence with its select knob and start switch, the ignition,
// the intake bypass doors, the ECU rating selector with its reference torque, the ECU mode
// switches, the autofeather and feather switches with the automatic feathering, and the engines'
// oil-pressure warnings and manual-mode cautions. The host runs the engines; once per cycle this
// part reads them and sends the host the commands the cockpit's controls ask for.

#include <array>
#include <cstdint>

#include "common/cycle_context.h"
#include "common/effects.h"
#include "systems/electrical/electrical_state.h"
#include "systems/engines/ecu_rating.h"
#include "systems/engines/engines_state.h"
#include "systems/switches/panel_switches.h"

namespace xaq::systems {

inline constexpr std::uint32_t kStarterEvent[2] = {65932, 65938};
// The host's engine-failure toggles: the ignition keeps an engine that is not wanted to light off
// failed on the host.
inline constexpr std::uint32_t kEngineFailureToggleEvent[2] = {66313, 66314};
inline constexpr std::uint32_t kAutofeatherArmEvent = 66297;
inline constexpr double kStartMinimumBusVolts = 22.0;
inline constexpr double kOilPressureWarningPsi = 42.0;
inline constexpr double kFuelLeverTurningAbove = 200.0;
inline constexpr double kBypassHeaterBelowC = 10.0;  // at or below
inline constexpr double kOilTempPerHostUnit = 2.7;

struct EnginesInputs {
  std::array<double, 2> conditionLever{};       // host variables 130 / 165
  std::array<double, 2> oilTemperature{};       // 561 / 571, host units
  std::array<double, 2> oilPressurePsi{};       // 562 / 572
  std::array<bool, 2> running{};                // 131 / 166: combustion
  std::array<bool, 2> hostEngineFailed{};       // 564 / 574
  std::array<double, 2> propLever{};            // 129 / 164
  std::array<bool, 2> propAutofeatherArmed{};   // 707 / 715
  bool autofeatherSwitch = false;               // 741
  bool onGround = true;                         // 60
  EcuAir air;                                   // 74, 341, 800
};

class Engines {
 public:
  Engines(PanelSwitches& switches, const ElectricalState& electrical) : switches_(switches), electrical_(electrical) {}

  void update(const CycleContext& now, const EnginesInputs& in, Effects& effects);
  const EnginesState& state() const { return state_; }
  EngineLights lights() const { return engineLights(state_, electrical_.dcPowerAvailable); }

  // The overhead's start switch (its click is the switches'); the knob is the panel switches'.
  void startSwitch();
  // The select knob's image takes the finished start back: true once per finished start, and the
  // caller clicks.
  bool takeStartFinished();

  // The ECU rating selector and the keyboard's "ENG_ECU_UP" / "ENG_ECU_DN": one step, and the
  // reference torque at once.
  void ecuRatingDown(Effects& effects);
  void ecuRatingUp(Effects& effects);
  void toggleEcuMode(int engine, Effects& effects);        // engine 0 / 1
  void toggleBypassDoor(int engine, Effects& effects);
  // The host keeps the armed state; also the keyboard's "ENG_AUTOFEATHER_SW".
  void autofeatherArm(Effects& effects);
  void autofeatherTest(int engine, Effects& effects);
  void alternateFeather(int engine, int direction, Effects& effects);  // +1 upper, -1 lower

 private:
  bool startBusTooLow() const;
  void endStart();
  void runStart(const EnginesInputs& in, Effects& effects);
  void keepIgnition(const EnginesInputs& in, Effects& effects);
  void runEcu(const CycleContext& now);
  void runFeathering(const EnginesInputs& in, Effects& effects);
  void showLights(const EnginesInputs& in, Effects& effects);
  void stepEcuRating(int direction, Effects& effects);

  PanelSwitches& switches_;
  const ElectricalState& electrical_;
  EnginesState state_;
  EcuAir lastAir_;
  double lastRatingS_ = 0.0;
};

}  // namespace xaq::systems
