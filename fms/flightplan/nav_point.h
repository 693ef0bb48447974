#pragma once
// One waypoint as the flight plan keeps it: built from a database record, from a procedure leg
// or from the present position.

#include <cstdint>

#include "fms/base/fixed_text.h"
#include "fms/base/spherical.h"
#include "fms/navdb/nav_record.h"

namespace xaq::fms {

// Path-and-terminator codes of procedure legs; 0 for an ordinary waypoint.
enum class LegType : std::int32_t {
  None = 0,
  AF = 1, HA = 2, HF = 3, HM = 4, IF = 5, PI = 6, TF = 7, CA = 8, CD = 9, CI = 10, CR = 11,
  CF = 12, DF = 13, FA = 14, FC = 15, FD = 16, FM = 17, RF = 18, VA = 19, VD = 20, VI = 21,
  VM = 22,
  Other = 23,  // any other code in the file; flown like a radial-terminated leg
};

// The values of a procedure leg that the guidance flies by. The procedure reader fills them;
// all zero for an ordinary waypoint.
struct ProcedureFields {
  LegType legType = LegType::None;
  std::int32_t turnDirection = 0;  // 1 right, 2 left, 0 either
  double courseDeg = 0.0;          // magnetic course or heading of the leg
  double distanceNm = 0.0;         // distance of a distance-terminated leg (FC, FD, CD, VD)
  double radialDeg = 0.0;          // radial of a radial-terminated leg (CR)
  FixedText<11> referenceIdent;    // reference navaid
  double referenceLat = 0.0;
  double referenceLon = 0.0;
  std::int32_t altitudeConstraint = 0;  // 0 at, 1 at or above, 2 at or below
  std::int32_t altitude1Ft = 0;         // the altitude an altitude-terminated leg climbs to
  std::int32_t altitude2Ft = 0;
};

// Coordinates of a point that has no position (the from-point of the first leg, a leg that does
// not end at a fix).
inline constexpr double kNoPosition = -999.0;

struct NavPoint {
  FixedText<15> ident;
  double latitude = kNoPosition;
  double longitude = kNoPosition;
  bool overfly = false;
  // FacilityType code: 1 NDB, 2 VOR, 4 intersection, 8 airport, 16 runway, 32 from an airway, 0 not given.
  std::int32_t facilityType = 0;
  ProcedureFields procedure;

  bool hasPosition() const { return isValidPosition(latitude, longitude); }
  LatLon position() const { return {latitude, longitude}; }
  bool isAirport() const { return facilityType == static_cast<std::int32_t>(FacilityType::Airport); }

  static NavPoint fromRecord(const NavRecord& r) {
    NavPoint p;
    p.ident.assign(r.ident.view());
    p.latitude = r.latitude;
    p.longitude = r.longitude;
    p.facilityType = static_cast<std::int32_t>(r.type);
    return p;
  }
};

}  // namespace xaq::fms
