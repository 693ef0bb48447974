#pragma once
// Ice protection: the propeller heaters' timer phases, the airframe boots' six-step cycle (auto
// every 204 s or 24 s, or a group chosen by hand), the engines' bleed feeding the boots, and the
// host's propeller de-ice, airframe de-ice and pitot heat kept in step with the panel.

#include <cstdint>

#include "common/cycle_context.h"
#include "common/effects.h"
#include "systems/switches/panel_switch_record.h"

namespace xaq::systems {

inline constexpr std::uint32_t kEventStructuralDeiceToggle = 66337;
inline constexpr std::uint32_t kEventPropDeiceToggle = 66338;
inline constexpr std::uint32_t kEventPitotHeatOn = 66072;
inline constexpr std::uint32_t kEventPitotHeatOff = 66073;

struct DeiceInputs {
  const PanelSwitchRecord* switches = nullptr;  // never null when updating
  bool onGround = false;                        // host variable 60
  bool engine1Running = false;                  // 131
  bool engine2Running = false;                  // 166
  bool hostPropDeice = false;                   // 904
  bool hostAirframeDeice = false;               // 905
  bool hostPitotHeat = false;                   // 13
};

struct DeiceState {
  std::int32_t propPhase = 0;         // 0 off, 1 and 2 the two heater groups
  double propTestStartS = 0;
  std::int32_t bootGroupShown = 0;    // 0 none, 1 ... 6
  bool bleedSide1 = false;
  bool bleedSide2 = false;
  std::int32_t airframeStep = 0;      // 0 waiting, 1 ... 6
  double airframeStepStartS = 0;
};

class Deice {
 public:
  static constexpr double kStepS = 6.0;
  static constexpr double kGroupShownAfterS = 1.5;
  static constexpr double kSlowWaitS = 204.0;  // auto 1
  static constexpr double kFastWaitS = 24.0;   // auto 2
  static constexpr std::int32_t kSteps = 6;

  void update(const CycleContext& now, const DeiceInputs& in, Effects& effects);
  const DeiceState& state() const { return state_; }

 private:
  void propellers(const CycleContext& now, const DeiceInputs& in);
  void airframe(const CycleContext& now, const PanelSwitchRecord& sw);

  DeiceState state_;
  std::int32_t lastAutoSelector_ = 0;
  bool lastPropTest_ = false;
};

// The propeller heater phase for a timer position at whole second `t` in the air.
std::int32_t propTimerPhase(std::int32_t timerPosition, std::int64_t t);

// The six airframe de-ice lights, in panel order: group 1 side 1, group 1 side 2, group 2 side 1,
// group 2 side 2, group 3 side 2, group 3 side 1 (group 4 side 1 while the manual selector is
// not at 0). Each is lit while its group is shown and its side has bleed air.
bool airframeDeiceLight(const DeiceState& s, const PanelSwitchRecord& sw, int light);
inline constexpr int kAirframeDeiceLights = 6;

}  // namespace xaq::systems
