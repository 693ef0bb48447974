#include "fms/base/spherical.h"

#include <cmath>

#include "common/rounding.h"

namespace xaq::fms {
namespace {

double clampUnit(double v) { return v > 1.0 ? 1.0 : (v < -1.0 ? -1.0 : v); }

struct Vec3 {
  double x, y, z;
};
Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 unitVector(const LatLon& p) {
  const double la = p.latDeg * kRadPerDeg, lo = p.lonDeg * kRadPerDeg;
  return {std::cos(la) * std::cos(lo), std::cos(la) * std::sin(lo), std::sin(la)};
}

}  // namespace

bool isValidPosition(double latDeg, double lonDeg) {
  return latDeg >= -90.0 && latDeg <= 90.0 && lonDeg >= -180.0 && lonDeg <= 180.0;
}

double normaliseDeg(double angleDeg) { return wrap360(angleDeg); }

double signedDifferenceDeg(double angleDeg) {
  const double a = wrap360(angleDeg);
  return a >= 180.0 ? a - 360.0 : a;
}

double halfAngularDistanceRad(const LatLon& a, const LatLon& b) {
  const double la1 = a.latDeg * kRadPerDeg, la2 = b.latDeg * kRadPerDeg;
  const double sLat = std::sin((b.latDeg - a.latDeg) * kHalfRadPerDeg);
  const double sLon = std::sin((b.lonDeg - a.lonDeg) * kHalfRadPerDeg);
  const double sum = sLat * sLat + std::cos(la1) * std::cos(la2) * sLon * sLon;
  return std::asin(std::sqrt(clampUnit(sum < 0.0 ? 0.0 : sum)));
}

double distanceNm(const LatLon& a, const LatLon& b) {
  return kEarthDiameterNm * halfAngularDistanceRad(a, b);
}

double initialCourseDeg(const LatLon& a, const LatLon& b) {
  const double la1 = a.latDeg * kRadPerDeg, la2 = b.latDeg * kRadPerDeg;
  const double dLon = (b.lonDeg - a.lonDeg) * kRadPerDeg;
  return std::atan2(std::sin(dLon), std::tan(la2) * std::cos(la1) - std::sin(la1) * std::cos(dLon)) *
         kDegPerRad;
}

double crossTrackNm(const LatLon& a, const LatLon& b, const LatLon& p) {
  const double h = halfAngularDistanceRad(a, p);
  const double thetaAp = initialCourseDeg(a, p) * kRadPerDeg;
  const double thetaAb = initialCourseDeg(a, b) * kRadPerDeg;
  // sin(thetaAp - thetaAb) is positive right of the circle; the sign is turned so that positive
  // means "turn right to regain it", the sense the steering and sequencing laws expect.
  return -std::asin(clampUnit(std::sin(h) * std::sin(thetaAp - thetaAb))) * kEarthDiameterNm;
}

double courseAbeamDeg(const LatLon& a, const LatLon& b, const LatLon& p) {
  const Vec3 va = unitVector(a), vb = unitVector(b), vp = unitVector(p);
  Vec3 n = cross(va, vb);
  const double nLen = std::sqrt(dot(n, n));
  if (nLen < 1e-12) return normaliseDeg(initialCourseDeg(a, b));
  n = {n.x / nLen, n.y / nLen, n.z / nLen};
  const double off = dot(vp, n);
  Vec3 abeam = {vp.x - off * n.x, vp.y - off * n.y, vp.z - off * n.z};
  const double abeamLen = std::sqrt(dot(abeam, abeam));
  if (abeamLen < 1e-12) return normaliseDeg(initialCourseDeg(a, b));
  abeam = {abeam.x / abeamLen, abeam.y / abeamLen, abeam.z / abeamLen};
  const Vec3 along = cross(n, abeam);  // direction of travel a -> b at the abeam point
  const double lon = std::atan2(abeam.y, abeam.x);
  const double lat = std::asin(clampUnit(abeam.z));
  const Vec3 east = {-std::sin(lon), std::cos(lon), 0.0};
  const Vec3 north = {-std::sin(lat) * std::cos(lon), -std::sin(lat) * std::sin(lon), std::cos(lat)};
  return normaliseDeg(std::atan2(dot(along, east), dot(along, north)) * kDegPerRad);
}

LatLon destinationPoint(const LatLon& p, double courseDeg, double distNm) {
  const double delta = distNm * 2.0 / kEarthDiameterNm;
  const double la = p.latDeg * kRadPerDeg, lo = p.lonDeg * kRadPerDeg, c = courseDeg * kRadPerDeg;
  const double la2 = std::asin(clampUnit(std::sin(la) * std::cos(delta) +
                                         std::cos(la) * std::sin(delta) * std::cos(c)));
  const double lo2 = lo + std::atan2(std::sin(c) * std::sin(delta) * std::cos(la),
                                     std::cos(delta) - std::sin(la) * std::sin(la2));
  return {la2 * kDegPerRad, signedDifferenceDeg(lo2 * kDegPerRad)};
}

}  // namespace xaq::fms
