#pragma once
// The flaps position indicator's needle: the host's flap position (0 .. 16384, flaps up to
// 35 of 35) held on the dial and followed through a slew limiter on simulation time.

#include "common/slew_limiter.h"

namespace xaq::displays {

class FlapsNeedle {
 public:
  static constexpr double kFullTravel = 16384.0;
  // Full travel in one second: a jump (a reloaded situation, a slewed aircraft) sweeps visibly,
  // while the needle never lags behind flaps that take several seconds to run.
  static constexpr double kRatePerSecond = kFullTravel;

  // Takes the host's flap position as the needle's target; returns where the needle is.
  double show(double hostFlapsPosition);
  // Moves the needle toward its target; once a frame.
  void step(double nowS) { limiter_.step(nowS); }

  double position() const { return limiter_.current; }

 private:
  SlewLimiter limiter_{kRatePerSecond};
};

}  // namespace xaq::displays
