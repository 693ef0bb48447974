#pragma once
// The traffic logic: which targets the traffic display considers, and how much each one threatens
// the own aircraft. A plain proximity and closure rule in the manner of a real collision
// avoidance system:
//
//  - not in use: an empty slot, a record with an unusable position or altitude, a target farther
//    than kConsideredRangeNm or more than kConsideredAltitudeFt above or below;
//  - resolution advisory (3): closing, time to closest approach (range ÷ closure rate) under
//    kResolutionTauS and less than kResolutionAltitudeFt apart vertically;
//  - traffic advisory (2): closing, time to closest approach under kAdvisoryTauS and less than
//    kAdvisoryAltitudeFt apart;
//  - proximate (1): within kProximateRangeNm and kProximateAltitudeFt;
//  - other traffic (0): the rest in use.
//
// Diverging or level-range traffic has no time to closest approach and so never an advisory,
// however near. Both velocities are ground speeds along the true headings, which the own ground
// track stands in for.

#include "displays/traffic/traffic_table.h"

namespace xaq::displays {

inline constexpr double kConsideredRangeNm = 10.0;
inline constexpr double kConsideredAltitudeFt = 2700.0;
inline constexpr double kProximateRangeNm = 6.0;
inline constexpr double kProximateAltitudeFt = 1200.0;
inline constexpr double kAdvisoryTauS = 40.0;
inline constexpr double kAdvisoryAltitudeFt = 850.0;
inline constexpr double kResolutionTauS = 25.0;
inline constexpr double kResolutionAltitudeFt = 600.0;

enum ThreatLevel : int { kOtherTraffic = 0, kProximate = 1, kTrafficAdvisory = 2, kResolutionAdvisory = 3 };

struct OwnAircraft {
  double latDeg = 0.0;
  double lonDeg = 0.0;
  double altitudeFt = 0.0;
  double trueHeadingDeg = 0.0;
  double groundSpeedKt = 0.0;
};

struct TrafficAssessment {
  bool inUse = false;
  int threatLevel = kOtherTraffic;
  double relativeAltitudeFt = 0.0;  // target − own
  double rangeNm = 0.0;
  double closureKt = 0.0;           // positive while the range shrinks
};

// Time to closest approach in seconds, or a negative value when the range is not shrinking.
double timeToClosestApproachS(double rangeNm, double closureKt);

TrafficAssessment assessTarget(const TrafficRecord& target, const OwnAircraft& own);

}  // namespace xaq::displays
