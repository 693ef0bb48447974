#pragma once
// The flat-earth projection the plan-view displays share: a point's position relative to the
// aircraft in nautical miles east and north, turned so that "up" is the aircraft's heading, and
// multiplied by the display's scale. Good to a few per cent within the tens of miles the heading
// and traffic displays show.

namespace xaq::displays {

struct PlanOffset {
  double x = 0.0;  // right of the aircraft, display units (positive: right)
  double y = 0.0;  // ahead of the aircraft, display units (positive: ahead)
};

struct GeoPoint {
  double latDeg = 0.0;
  double lonDeg = 0.0;
};

// east = cos(mean latitude) × Δlon × 60, north = Δlat × 60 (NM); both turned by `upDeg` (the
// direction that points up on the display: the heading, plus the magnetic variation where the
// heading is magnetic) and multiplied by `scale` (display units per NM). The longitude
// difference is taken the short way round, so a point across the date line is still near.
PlanOffset flatEarthProjection(GeoPoint point, GeoPoint aircraft, double upDeg, double scale);

}  // namespace xaq::displays
