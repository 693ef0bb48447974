#pragma once
// The APU: off -> starting -> running -> running down -> off, its switches, its generator and
// the three sounds of its start, run and shut-down.

#include <cstdint>

#include "common/cycle_context.h"
#include "common/effects.h"
#include "systems/electrical/apu_sounds.h"
#include "systems/electrical/electrical_state.h"

namespace xaq::systems {

enum class ApuPhase : std::int32_t { kOff = 0, kStarting = 1, kRunning = 2, kRunningDown = 3 };

struct ApuState {
  bool powerOn = false;
  bool starterEngaged = false;
  bool available = false;  // RPM has passed 90 %
  bool generatorSwitch = false;
  bool bleedSwitch = false;
  std::int32_t loadMeterCounter = 0;  // momentary, 14 cycles
  ApuPhase phase = ApuPhase::kOff;
  double phaseStartS = 0;
  double rpmPct = 0;
  ApuOutputs outputs;  // what the electrical system reads next cycle
};

struct ApuInputs {
  bool dcPowerAvailable = false;  // this cycle's, from the electrical state
  bool onGround = false;          // host variable 60
  std::int32_t soundVolume = 0;   // the module's volume, hundredths of a decibel
};

// The switchlights' images (0 dark): read by the overhead gauges.
struct ApuIndications {
  int bleedLight = 0;       // 1 lit
  int availableLight = 0;   // 1 lit
  int generatorLight = 0;   // 1 on line, 2 available with the switch off
};

class Apu {
 public:
  void update(const CycleContext& now, const ApuInputs& in, Effects& effects);
  const ApuState& state() const { return state_; }
  ApuIndications indications(bool dcPowerAvailable) const;
  const ApuSounds& sounds() const { return sounds_; }

  // The overhead's push buttons (each plays sound 26 through the gauge's effects).
  void powerSwitch(double nowS, Effects& effects);
  void startSwitch(double nowS, Effects& effects);
  void generatorSwitch(Effects& effects);
  void bleedSwitch(Effects& effects);
  void loadMeterSwitch(Effects& effects);
  // The battery temperature test switch also stops the APU; so do a lost supply and lifting off.
  void stop(double nowS);

 private:
  ApuState state_;
  ApuSounds sounds_;
};

}  // namespace xaq::systems
