#pragma once
// The flight plan: up to 100 legs, each a waypoint with the point it is flown from, its magnetic
// course, its length and the distance remaining after it; the active leg; and the origin and
// destination with their selected runways and procedures.

#include <array>
#include <cstdint>
#include <string_view>

#include "fms/base/fixed_text.h"
#include "fms/flightplan/nav_point.h"
#include "fms/navdb/nav_record.h"

namespace xaq::fms {

class MagneticVariation;

enum class LegKind : std::int32_t {
  Normal = 1,      // every insertion
  DirectTo = 2,    // the target of a direct-to
  EnRoute3 = 3,    // counted as en route; not produced by the plan itself
  Departure = 5,   // departure procedure leg
  Arrival = 6,     // arrival procedure leg
};

inline bool isEnRoute(LegKind k) {
  return k == LegKind::Normal || k == LegKind::DirectTo || k == LegKind::EnRoute3;
}

struct PlanLeg {
  NavPoint fromPoint;  // the previous leg's to-point; empty for leg 0
  NavPoint toPoint;
  LegKind legKind = LegKind::Normal;
  FixedText<9> via;       // airway name, "(DIRECT)" or empty
  double course = 0.0;    // magnetic, at the from-point, 0..360
  double length = 0.0;    // NM; 8.0 when either point has no position
  double remaining = 0.0; // NM, the lengths of all later legs
};

// An airport at one end of the plan and what the DEPARTURE or ARRIVAL page chose for it.
struct AirportSelection {
  FixedText<6> ident;
  FixedText<6> runway;
  FixedText<14> procedure;   // SID or STAR
  FixedText<9> transition;

  void clear() {
    ident.clear();
    runway.clear();
    procedure.clear();
    transition.clear();
  }
};

class FlightPlan {
 public:
  static constexpr int kMaxLegs = 100;
  // Length of a leg one of whose points has no position.
  static constexpr double kNoPositionLegLengthNm = 8.0;

  // variation converts leg courses to magnetic; null means no variation.
  explicit FlightPlan(MagneticVariation* variation = nullptr);

  void reset();
  // Each returns false, leaving the plan unchanged, when it cannot be done: a full plan, an index
  // outside the plan.
  bool insert(int index, const NavPoint& point);
  bool remove(int index);
  // Removes legs first .. beyond - 1.
  bool removeRange(int first, int beyond);
  void advance() { ++activeIndex_; }
  // Direct to the waypoint at targetIndex: "(PPOS)" at the present position goes in before it,
  // the target becomes a direct-to leg and the "(PPOS)" leg becomes active. Refused as a whole
  // when the plan has no room for "(PPOS)".
  bool directTo(int targetIndex, const LatLon& presentPosition);
  // Direct to a waypoint not in the plan: "(PPOS)" at the active index, the waypoint after it.
  bool directToNew(const NavPoint& point, const LatLon& presentPosition);
  // Inserts the airway's points after entryIndex up to exitIndex (or down to it, when the exit
  // comes first) at insertIndex, which moves on past each inserted point. Refused as a whole
  // when the points do not all fit.
  bool insertAirway(int& insertIndex, const Airway& airway, int entryIndex, int exitIndex);
  // Procedure legs go in through insert() and are then marked as departure or arrival legs.
  bool setLegKind(int index, LegKind kind);
  // Toggles the overfly flag of an en-route waypoint that is not an airport.
  bool toggleOverfly(int index);

  int count() const { return count_; }
  int activeIndex() const { return activeIndex_; }
  void setActiveIndex(int index) { activeIndex_ = index; }
  const PlanLeg& leg(int index) const { return legs_[static_cast<std::size_t>(index)]; }
  bool isFull() const { return count_ >= kMaxLegs; }

  // The origin with its departure selections, and the destination with its arrival selections.
  AirportSelection origin;
  AirportSelection destination;

  // The airports seen at the last bookkeeping pass; "xxxxxxxx" when none.
  std::string_view lastOriginIdent() const { return lastOriginIdent_.view(); }
  std::string_view lastDestinationIdent() const { return lastDestinationIdent_.view(); }

 private:
  void computeLeg(int index);
  void computeRemaining();
  void updateOriginDestination();

  MagneticVariation* variation_;
  std::array<PlanLeg, kMaxLegs> legs_{};
  int count_ = 0;
  int activeIndex_ = 1;
  FixedText<8> lastOriginIdent_, lastDestinationIdent_;
};

}  // namespace xaq::fms
