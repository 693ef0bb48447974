#pragma once
// The attitude director's test switch: a press drives the sphere to a fixed test attitude and
// shows the test light and flag; the test holds for 1.2 s after the last press (the switch
// repeats while it is held). The attitude at the moment of the press is kept with it.

#include "common/cycle_context.h"

namespace xaq::displays {

class AttitudeTest {
 public:
  static constexpr double kHoldS = 1.2;
  // Where the test drives the sphere: the host's pitch (nose-down positive) and bank.
  static constexpr double kTestPitchDeg = -10.0;
  static constexpr double kTestBankDeg = -20.0;

  // The switch pressed at `nowS` with the sampled pitch and bank.
  void press(double nowS, double pitchDeg, double bankDeg);
  // Once per cycle: the test ends 1.2 s after the last press (or when the clock went back).
  void update(const CycleContext& now);

  bool pressed() const { return pressed_; }
  double storedPitchDeg() const { return storedPitchDeg_; }
  double storedBankDeg() const { return storedBankDeg_; }

 private:
  bool pressed_ = false;
  double pressedAtS_ = 0.0;
  double storedPitchDeg_ = 0.0;
  double storedBankDeg_ = 0.0;
};

}  // namespace xaq::displays
