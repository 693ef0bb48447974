#pragma once
// The spherical formulas every part of the FMS uses: great-circle distance, initial course and
// cross-track, with the module's own conversion constants (kept exactly, so that distances and
// courses agree to the last digit wherever they are computed).

namespace xaq::fms {

inline constexpr double kRadPerDeg = 0.01745330363111111;
inline constexpr double kDegPerRad = 57.295743037293285;
inline constexpr double kHalfRadPerDeg = 0.008726651815555556;
// Twice the earth radius in nautical miles: distances are 2R * asin(...).
inline constexpr double kEarthDiameterNm = 6876.142283696282;

struct LatLon {
  double latDeg = 0.0;
  double lonDeg = 0.0;
};

// A position is usable when latitude lies in -90..90 and longitude in -180..180.
bool isValidPosition(double latDeg, double lonDeg);
inline bool isValidPosition(const LatLon& p) { return isValidPosition(p.latDeg, p.lonDeg); }

// Angle brought into [0, 360).
double normaliseDeg(double angleDeg);
// Signed difference in [-180, 180): normalise(x), less 360 when 180 or more.
double signedDifferenceDeg(double angleDeg);

// asin of the haversine sum, radians: half the angular distance between the points.
double halfAngularDistanceRad(const LatLon& a, const LatLon& b);
double distanceNm(const LatLon& a, const LatLon& b);
// Initial true course from a to b, degrees in -180..180.
double initialCourseDeg(const LatLon& a, const LatLon& b);
// Distance of p from the great circle a -> b, NM; positive when p lies left of the circle, that
// is when an aircraft at p must turn right to regain it.
double crossTrackNm(const LatLon& a, const LatLon& b, const LatLon& p);
// True course of the great circle a -> b where it passes abeam p (the local course of the leg at
// the aircraft's position), degrees in [0, 360). Falls back to the initial course a -> b when the
// circle is undefined (a and b equal or antipodal) or p is at its pole.
double courseAbeamDeg(const LatLon& a, const LatLon& b, const LatLon& p);
// The point reached from p after distanceNm along the true course.
LatLon destinationPoint(const LatLon& p, double courseDeg, double distanceNm);

}  // namespace xaq::fms
