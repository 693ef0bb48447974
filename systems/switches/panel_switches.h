#pragma once
// The panel switches: the one owner of the panel switch record. The gauges move the switches
// through the operations below (each plays its click through the effects); once per cycle the
// update lets the momentary switches and the spring-loaded controls return and hands the record
// to the lighting synchronisation. The dark-cockpit start puts its switches off here too.

#include <cstdint>

#include "common/cycle_context.h"
#include "common/effects.h"
#include "common/sound_slots.h"
#include "services/settings/settings_file.h"
#include "systems/switches/panel_switch_record.h"

namespace xaq::systems {

// One integer position of the record.
using SwitchField = std::int32_t PanelSwitchRecord::*;


// The last position of a switch (1 for a two-position switch, 5 for the bus voltage monitor...).
int lastPosition(SwitchField field);

// The host's exterior lights the anti-collision switch acts on.
struct HostLights {
  bool strobe = false;  // host variable 11
  bool beacon = false;  // host variable 368
};

inline constexpr std::uint32_t kEventToggleStrobe = 65560;
inline constexpr std::uint32_t kEventToggleBeacon = 66239;

// Runs at the end of every panel switch update, after the momentaries and springs have moved.
// The lighting system connects itself here to keep the anti-collision and flare light switches
// in step with the host's lights; it may move those positions.
class LightingSynchronisation {
 public:
  virtual ~LightingSynchronisation() = default;
  virtual void synchronise(const CycleContext& now, PanelSwitchRecord& switches, Effects& effects) = 0;
};

// Controls on the overhead whose value lives in the system they command (the engine start, the
// cabin pressure controller's three knobs, the wiper's mode) rather than in the record. Each press
// is handed on here after its click has played; the owning system connects itself when it is
// built. Until then HeldPanelControls keeps the values.
class PanelControlHandler {
 public:
  virtual ~PanelControlHandler() = default;
  virtual void engineStart() = 0;
  virtual void cabinAltitudeStep(int direction) = 0;        // -1 / +1: 100 ft
  virtual void barometricCorrectionStep(int direction) = 0; // -1 / +1: 0.1 inHg
  virtual void cabinAltitudeManualStep(int direction) = 0;  // -1 / +1: 0.02
  virtual void wiperMode(int mode) = 0;                     // 0 stop, 1 slow, 2 fast, 10 park
};

inline constexpr int kWiperPark = 10;

// One step of a knob held within its range: the value moves by `step` toward the sign of
// `direction`, kept to a millionth so that repeated steps of 0.1 or 0.02 do not drift (29.92
// stays on its own hundredths: 30.02, 30.12 ...).
double stepWithin(double value, int direction, double step, double low, double high);

// The values of the controls above, held within their ranges, for as long as no system owns them.
class HeldPanelControls final : public PanelControlHandler {
 public:
  void engineStart() override { ++engineStartPresses; }
  void cabinAltitudeStep(int direction) override;
  void barometricCorrectionStep(int direction) override;
  void cabinAltitudeManualStep(int direction) override;
  void wiperMode(int mode) override { wiperModeSelected = mode; }

  int engineStartPresses = 0;
  double selectedCabinAltitudeFt = 0.0;   // -1000 ... 10000
  double barometricCorrectionInHg = 29.92; // 28 ... 32
  double manualRateControl = 0.0;         // 0 ... 1
  int wiperModeSelected = 0;
};

class PanelSwitches final : public services::DarkCockpitSwitches {
 public:
  const PanelSwitchRecord& state() const { return record_; }

  // Two-position switches: on <-> off.
  void toggle(SwitchField field, Effects& effects);
  // The cabin signs chime as well while the panel has power.
  void toggleSign(SwitchField field, bool dcPowerAvailable, Effects& effects);
  // Selectors step one position; at an end nothing moves and nothing sounds, except the airframe
  // manual de-ice selector, which goes round from 7 to 0 and from 0 to 7.
  void stepDown(SwitchField field, Effects& effects);
  void stepUp(SwitchField field, Effects& effects);
  // Momentary switches: held pressed for kMomentaryCycles cycles.
  void press(SwitchField field, int soundSlot, Effects& effects);
  // The spring-loaded manual temperature controls: pushed to +/-kSpringTravel, back to 0 by the
  // update.
  void pushSpring(SwitchField field, int direction, Effects& effects);

  // The auxiliary inverter's three positions: the left half turns it 0 -> 1 and 2 -> 0, the right
  // half 0 -> 2 and 1 -> 0.
  void auxInverterLeft(Effects& effects);
  void auxInverterRight(Effects& effects);
  // The engine start select knob the same way: OFF, engine 1 to the left, engine 2 to the right.
  void engineStartSelectLeft(Effects& effects);
  void engineStartSelectRight(Effects& effects);
  // A finished or refused start turns the knob back to OFF (no click: the knob's image gives it).
  void engineStartSelectOff() { record_.engineStartSelect = 0; }
  // The propeller de-ice timer's positions read 4, 3, 0, 1, 2 from left to right.
  void propDeiceTimerLeft(Effects& effects);
  void propDeiceTimerRight(Effects& effects);
  // The wiper selector 0 ... 3; each step also tells the wiper its mode (position - 1, or park
  // when stepped down to 0).
  void wiperDown(Effects& effects);
  void wiperUp(Effects& effects);
  // The anti-collision switch: the upper half goes 0 -> 2 (beacon) and 1 -> 0, the lower half
  // 0 -> 1 (strobe) and 2 -> 0; the host's lights are switched to match.
  void antiCollisionUpper(const HostLights& host, Effects& effects);
  void antiCollisionLower(const HostLights& host, Effects& effects);

  // Controls handed on to their system (see PanelControlHandler).
  void engineStart(Effects& effects);
  void cabinAltitudeStep(int direction, Effects& effects);
  void barometricCorrectionStep(int direction, Effects& effects);
  void cabinAltitudeManualStep(int direction, Effects& effects);

  // Once per cycle, before the systems that read the switches.
  void update(const CycleContext& now, Effects& effects);

  // The cold-and-dark start: 17 switches off, in the panel's order.
  void switchOff() override;

  void connectLighting(LightingSynchronisation* lighting) { lighting_ = lighting; }
  // Null hands the controls back to the held values.
  void connectControls(PanelControlHandler* handler) { controls_ = handler != nullptr ? handler : &held_; }
  const HeldPanelControls& heldControls() const { return held_; }
  HeldPanelControls& heldControls() { return held_; }

 private:
  void moveTo(SwitchField field, std::int32_t position, Effects& effects);
  void threeWayLeft(SwitchField field, Effects& effects);
  void threeWayRight(SwitchField field, Effects& effects);

  PanelSwitchRecord record_;
  HeldPanelControls held_;
  PanelControlHandler* controls_ = &held_;
  LightingSynchronisation* lighting_ = nullptr;
};

}  // namespace xaq::systems
