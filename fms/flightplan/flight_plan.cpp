#include "fms/flightplan/flight_plan.h"

#include "fms/base/spherical.h"
#include "fms/magvar/magnetic_variation.h"

namespace xaq::fms {
namespace {

constexpr std::string_view kPresentPositionName = "(PPOS)";
constexpr std::string_view kDirectVia = "(DIRECT)";
// Marks "no airport seen yet", so that any airport that turns up is taken as new.
constexpr std::string_view kNoAirportSeen = "xxxxxxxx";

}  // namespace

FlightPlan::FlightPlan(MagneticVariation* variation) : variation_(variation) { reset(); }

void FlightPlan::reset() {
  count_ = 0;
  activeIndex_ = 1;
  origin.clear();
  destination.clear();
  lastOriginIdent_.assign(kNoAirportSeen);
  lastDestinationIdent_.assign(kNoAirportSeen);
}

void FlightPlan::computeLeg(int index) {
  PlanLeg& leg = legs_[static_cast<std::size_t>(index)];
  if (leg.fromPoint.hasPosition() && leg.toPoint.hasPosition()) {
    const LatLon from = leg.fromPoint.position();
    const double variation = variation_ != nullptr ? variation_->variationDeg(from.latDeg, from.lonDeg) : 0.0;
    leg.course = normaliseDeg(initialCourseDeg(from, leg.toPoint.position()) - variation);
    leg.length = distanceNm(from, leg.toPoint.position());
  } else {
    leg.course = 0.0;
    leg.length = kNoPositionLegLengthNm;
  }
}

void FlightPlan::computeRemaining() {
  double sum = 0.0;
  for (int i = count_ - 1; i >= 0; --i) {
    PlanLeg& leg = legs_[static_cast<std::size_t>(i)];
    leg.remaining = sum;
    sum += leg.length;
  }
}

namespace {

// Only a new airport clears the selections made for the old one. With no airport the selections
// go, and so does the memory of the old airport: putting it back is then seen as a change, so
// the plan's end does not stay blank.
void trackAirport(const NavPoint* candidate, AirportSelection& selection, FixedText<8>& lastSeen) {
  if (candidate == nullptr) {
    selection.clear();
    lastSeen.assign(kNoAirportSeen);
    return;
  }
  const FixedText<8> seen(candidate->ident.view());
  if (seen == lastSeen.view()) return;
  selection.clear();
  selection.ident.assign(candidate->ident.view());
  lastSeen = seen;
}

}  // namespace

void FlightPlan::updateOriginDestination() {
  // The origin is leg 0 when it is an airport; the destination the last airport after it.
  const NavPoint* first = count_ > 0 && legs_[0].toPoint.isAirport() ? &legs_[0].toPoint : nullptr;
  const NavPoint* last = nullptr;
  for (int i = count_ - 1; i >= 1 && last == nullptr; --i) {
    if (legs_[static_cast<std::size_t>(i)].toPoint.isAirport()) last = &legs_[static_cast<std::size_t>(i)].toPoint;
  }
  trackAirport(first, origin, lastOriginIdent_);
  trackAirport(last, destination, lastDestinationIdent_);
}

bool FlightPlan::insert(int index, const NavPoint& point) {
  if (count_ >= kMaxLegs || index < 0 || index > count_) return false;
  for (int i = count_; i > index; --i) legs_[static_cast<std::size_t>(i)] = legs_[static_cast<std::size_t>(i - 1)];
  ++count_;
  if (index < activeIndex_) activeIndex_ = index;
  if (count_ > 1 && activeIndex_ == 0) activeIndex_ = 1;

  PlanLeg& leg = legs_[static_cast<std::size_t>(index)];
  leg.legKind = LegKind::Normal;
  leg.toPoint = point;
  leg.via.clear();
  leg.fromPoint = index > 0 ? legs_[static_cast<std::size_t>(index - 1)].toPoint : NavPoint{};
  computeLeg(index);
  if (index + 1 < count_) {
    legs_[static_cast<std::size_t>(index + 1)].fromPoint = point;
    computeLeg(index + 1);
  }
  if (point.isAirport()) updateOriginDestination();
  computeRemaining();
  return true;
}

bool FlightPlan::remove(int index) {
  if (index < 0 || index >= count_) return false;
  for (int i = index; i + 1 < count_; ++i) legs_[static_cast<std::size_t>(i)] = legs_[static_cast<std::size_t>(i + 1)];
  --count_;
  if (activeIndex_ > index) --activeIndex_;
  if (index > 0 && index < count_) {
    legs_[static_cast<std::size_t>(index)].fromPoint = legs_[static_cast<std::size_t>(index - 1)].toPoint;
    computeLeg(index);
  }
  updateOriginDestination();
  computeRemaining();
  return true;
}

bool FlightPlan::removeRange(int first, int beyond) {
  if (first < 0 || first >= count_ || beyond <= first) return false;
  if (beyond > count_) beyond = count_;
  for (int i = first; i < beyond; ++i) remove(first);
  updateOriginDestination();
  return true;
}

bool FlightPlan::directTo(int targetIndex, const LatLon& presentPosition) {
  // The "(PPOS)" point needs a free leg: without one nothing changes, rather than the target
  // turning into a direct-to leg that is flown from nowhere.
  if (targetIndex < 0 || targetIndex >= count_ || isFull()) return false;
  NavPoint ppos;
  ppos.ident.assign(kPresentPositionName);
  ppos.latitude = presentPosition.latDeg;
  ppos.longitude = presentPosition.lonDeg;
  insert(targetIndex, ppos);
  PlanLeg& target = legs_[static_cast<std::size_t>(targetIndex + 1)];
  target.legKind = LegKind::DirectTo;
  target.via.assign(kDirectVia);
  activeIndex_ = targetIndex;
  return true;
}

bool FlightPlan::directToNew(const NavPoint& point, const LatLon& presentPosition) {
  if (count_ + 2 > kMaxLegs) return false;
  // In an empty or finished plan the active index lies past the end; start at the end instead.
  const int at = activeIndex_ < count_ ? activeIndex_ : count_;
  NavPoint ppos;
  ppos.ident.assign(kPresentPositionName);
  ppos.latitude = presentPosition.latDeg;
  ppos.longitude = presentPosition.lonDeg;
  insert(at, ppos);
  insert(at + 1, point);
  PlanLeg& target = legs_[static_cast<std::size_t>(at + 1)];
  target.legKind = LegKind::DirectTo;
  target.via.assign(kDirectVia);
  activeIndex_ = at;
  return true;
}

bool FlightPlan::insertAirway(int& insertIndex, const Airway& airway, int entryIndex, int exitIndex) {
  const int points = static_cast<int>(airway.points.size());
  if (entryIndex < 0 || exitIndex < 0 || entryIndex >= points || exitIndex >= points || entryIndex == exitIndex) {
    return false;
  }
  const int step = exitIndex > entryIndex ? 1 : -1;
  const int inserted = (exitIndex - entryIndex) * step;
  if (insertIndex < 0 || insertIndex > count_ || count_ + inserted > kMaxLegs) return false;
  for (int i = entryIndex + step;; i += step) {
    const AirwayPoint& p = airway.points[static_cast<std::size_t>(i)];
    NavPoint point;
    point.ident.assign(p.ident.view());
    point.latitude = p.latitude;
    point.longitude = p.longitude;
    point.facilityType = static_cast<std::int32_t>(FacilityType::AirwayPoint);
    insert(insertIndex, point);
    legs_[static_cast<std::size_t>(insertIndex)].via.assign(airway.name.view());
    ++insertIndex;
    if (i == exitIndex) break;
  }
  return true;
}

bool FlightPlan::setLegKind(int index, LegKind kind) {
  if (index < 0 || index >= count_) return false;
  legs_[static_cast<std::size_t>(index)].legKind = kind;
  return true;
}

bool FlightPlan::toggleOverfly(int index) {
  if (index < 0 || index >= count_) return false;
  PlanLeg& leg = legs_[static_cast<std::size_t>(index)];
  if (!isEnRoute(leg.legKind) || leg.toPoint.isAirport()) return false;
  leg.toPoint.overfly = !leg.toPoint.overfly;
  if (index + 1 < count_) legs_[static_cast<std::size_t>(index + 1)].fromPoint.overfly = leg.toPoint.overfly;
  return true;
}

}  // namespace xaq::fms
