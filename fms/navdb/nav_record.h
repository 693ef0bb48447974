#pragma once
// The records of the navigation database: one NavRecord per line of the navaid, waypoint,
// airport and runway files, and the airways with their points.

#include <cstdint>
#include <vector>

#include "fms/base/fixed_text.h"

namespace xaq::fms {

// Facility type codes. They are also bits: a type mask selects tables by or-ing them.
enum class FacilityType : std::int32_t {
  None = 0,
  Ndb = 1,
  Vor = 2,
  Intersection = 4,
  Airport = 8,
  Runway = 16,
  AirwayPoint = 32,  // a flight-plan point inserted from an airway
};

inline constexpr std::uint32_t typeBit(FacilityType t) { return static_cast<std::uint32_t>(t); }
inline constexpr std::uint32_t kAllSearchableTypes = 1u | 2u | 4u | 8u;

struct NavRecord {
  FacilityType type = FacilityType::None;
  FixedText<11> ident;  // for a runway: the airport's identifier
  double latitude = 0.0;   // degrees, north positive (read as single precision)
  double longitude = 0.0;  // degrees, east positive
  // VOR and ILS: MHz x 100 (113.90 MHz = 11390); NDB: kHz x 10 (350.5 kHz = 3505); 0 when none.
  std::int32_t frequency = 0;
  std::int32_t elevation = 0;  // airport elevation, feet
  FixedText<3> runwayDesignator;
  // The runway line's first, second and fourth integers, kept for the pages.
  std::int32_t runwayValue1 = 0;
  std::int32_t runwayValue2 = 0;
  std::int32_t runwayValue3 = 0;
  double distance = 0.0;  // NM from the reference point of the last sort
};

struct AirwayPoint {
  FixedText<15> ident;
  double latitude = 0.0;
  double longitude = 0.0;
};

struct Airway {
  FixedText<5> name;
  std::vector<AirwayPoint> points;  // in file order
};

// End of validity of the data set; the INIT page shows it.
struct ExpiryDate {
  std::int32_t day = 1;
  std::int32_t month = 1;  // 1-12
  std::int32_t year = 1;   // two digits
};

}  // namespace xaq::fms
