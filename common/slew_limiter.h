#pragma once
// Needles, pointers and slow physical quantities follow their targets at a bounded rate. Time is
// the host's simulation time in seconds; a limiter that has never stepped takes its first call as
// its time origin and does not move on it.

namespace xaq {

class SlewLimiter {
 public:
  static constexpr double kNeverStepped = -10.0;
  static constexpr double kMinimumStep = 1e-10;

  explicit SlewLimiter(double ratePerSecond = 0.0, double initial = 0.0)
      : rate(ratePerSecond), current(initial), target(initial) {}

  double step(double now);

  double rate;
  double current;
  double target;
  double lastTime = kNeverStepped;
};

// The same on headings and bearings in [0, 360), moving the short way round.
class AngleSlewLimiter {
 public:
  explicit AngleSlewLimiter(double ratePerSecond = 0.0, double initialDeg = 0.0);

  double step(double now);

  double rate;
  double current;
  double target;
  double lastTime = SlewLimiter::kNeverStepped;
};

}  // namespace xaq
