#include "displays/analog/attitude_test.h"

namespace xaq::displays {

void AttitudeTest::press(double nowS, double pitchDeg, double bankDeg) {
  pressed_ = true;
  pressedAtS_ = nowS;
  storedPitchDeg_ = pitchDeg;
  storedBankDeg_ = bankDeg;
}

void AttitudeTest::update(const CycleContext& now) {
  if (now.nowS - pressedAtS_ > kHoldS || now.nowS < pressedAtS_) pressed_ = false;
}

}  // namespace xaq::displays
