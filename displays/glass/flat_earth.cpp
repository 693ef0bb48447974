#include "displays/glass/flat_earth.h"

#include <cmath>
#include <numbers>

#include "common/rounding.h"

namespace xaq::displays {

PlanOffset flatEarthProjection(GeoPoint point, GeoPoint aircraft, double upDeg, double scale) {
  constexpr double kRadPerDeg = std::numbers::pi / 180.0;
  constexpr double kNmPerDeg = 60.0;
  const double meanLatRad = (point.latDeg + aircraft.latDeg) / 2.0 * kRadPerDeg;
  const double eastNm = std::cos(meanLatRad) * wrap180(point.lonDeg - aircraft.lonDeg) * kNmPerDeg;
  const double northNm = (point.latDeg - aircraft.latDeg) * kNmPerDeg;
  const double a = upDeg * kRadPerDeg;
  return {(std::cos(a) * eastNm - std::sin(a) * northNm) * scale,
          (std::sin(a) * eastNm + std::cos(a) * northNm) * scale};
}

}  // namespace xaq::displays
