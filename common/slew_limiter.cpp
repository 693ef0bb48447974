#include "common/slew_limiter.h"

#include "common/rounding.h"

namespace xaq {

namespace {

// Time elapsed since the last step, taking a never-stepped limiter's first call as its origin.
double takeElapsed(double& lastTime, double now) {
  if (lastTime < 0.0) lastTime = now;
  const double elapsed = now - lastTime;
  lastTime = now;
  return elapsed;
}

}  // namespace

double SlewLimiter::step(double now) {
  const double allowed = takeElapsed(lastTime, now) * rate;
  if (allowed > kMinimumStep) {
    const double gap = target - current;
    if (gap > allowed) {
      current += allowed;
    } else if (gap < -allowed) {
      current -= allowed;
    } else {
      current = target;
    }
  }
  return current;
}

AngleSlewLimiter::AngleSlewLimiter(double ratePerSecond, double initialDeg)
    : rate(ratePerSecond), current(wrap360(initialDeg)), target(wrap360(initialDeg)) {}

double AngleSlewLimiter::step(double now) {
  const double allowed = takeElapsed(lastTime, now) * rate;
  if (allowed > SlewLimiter::kMinimumStep) {
    const double gap = wrap180(wrap360(target) - current);  // short way round
    if (gap > allowed) {
      current = wrap360(current + allowed);
    } else if (gap < -allowed) {
      current = wrap360(current - allowed);
    } else {
      current = wrap360(target);
    }
  }
  return current;
}

}  // namespace xaq
