#pragma once
// Great-circle helpers on a spherical earth (distances in nautical miles, angles in degrees).

#include <cmath>

namespace xaq::sim {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kDegToRad = kPi / 180.0;
inline constexpr double kRadToDeg = 180.0 / kPi;
inline constexpr double kEarthRadiusNm = 3440.065;

inline double wrap360(double deg) {
  double r = std::fmod(deg, 360.0);
  if (r < 0) r += 360.0;
  return r;
}

inline double wrap180(double deg) {
  double r = wrap360(deg);
  return r > 180.0 ? r - 360.0 : r;
}

inline double distanceNm(double lat1, double lon1, double lat2, double lon2) {
  const double p1 = lat1 * kDegToRad, p2 = lat2 * kDegToRad;
  const double dp = p2 - p1, dl = (lon2 - lon1) * kDegToRad;
  const double h = std::sin(dp / 2) * std::sin(dp / 2) +
                   std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
  return 2.0 * kEarthRadiusNm * std::asin(std::sqrt(std::fmin(1.0, h)));
}

// Initial true course from point 1 to point 2.
inline double bearingDeg(double lat1, double lon1, double lat2, double lon2) {
  const double p1 = lat1 * kDegToRad, p2 = lat2 * kDegToRad, dl = (lon2 - lon1) * kDegToRad;
  const double y = std::sin(dl) * std::cos(p2);
  const double x = std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl);
  return wrap360(std::atan2(y, x) * kRadToDeg);
}

// The point `distance` away along true course `course`.
inline void destination(double lat, double lon, double courseDeg, double distance, double& outLat,
                        double& outLon) {
  const double d = distance / kEarthRadiusNm, c = courseDeg * kDegToRad;
  const double p1 = lat * kDegToRad, l1 = lon * kDegToRad;
  const double p2 = std::asin(std::sin(p1) * std::cos(d) + std::cos(p1) * std::sin(d) * std::cos(c));
  const double l2 = l1 + std::atan2(std::sin(c) * std::sin(d) * std::cos(p1),
                                    std::cos(d) - std::sin(p1) * std::sin(p2));
  outLat = p2 * kRadToDeg;
  outLon = wrap180(l2 * kRadToDeg);
}

}  // namespace xaq::sim
