#include "common/rounding.h"

#include <cmath>
#include <limits>

namespace xaq {

int roundHalfAway(double value) {
  if (!(value == value)) return 0;  // NaN reads as zero rather than undefined behaviour
  // std::round rounds halves away from zero without first adding 0.5, which would carry
  // 0.49999999999999994 up to 1.
  const double r = std::round(value);
  if (r >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (r <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(r);
}

int roundHeading(double headingDeg) {
  const int r = roundHalfAway(headingDeg);
  return r >= 360 ? 0 : r;
}

double wrap360(double angleDeg) {
  if (!std::isfinite(angleDeg)) return 0.0;
  double a = std::fmod(angleDeg, 360.0);
  if (a < 0.0) a += 360.0;
  if (a >= 360.0) a -= 360.0;  // -1e-17 + 360 rounds to 360
  return a;
}

double wrap180(double angleDeg) {
  double a = wrap360(angleDeg + 180.0) - 180.0;
  return a;
}

}  // namespace xaq
