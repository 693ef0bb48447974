#pragma once
// The flight management core as the aircraft owns it: the navigation database and the variation
// grid below the simulator folder, the flight plan and the lateral guidance that flies it. The
// CDU and its pages work on these members; the aircraft's cycle calls update() once per frame.

#include <string>

#include "fms/flightplan/flight_plan.h"
#include "fms/guidance/lateral_guidance.h"
#include "fms/magvar/magnetic_variation.h"
#include "fms/navdb/nav_database.h"

namespace xaq::fms {

class FmsCore {
 public:
  explicit FmsCore(const std::string& simFolder);
  FmsCore(const FmsCore&) = delete;
  FmsCore& operator=(const FmsCore&) = delete;

  void update(const GuidanceInput& in) { guidance_.update(in, plan_); }

  NavDatabase& database() { return database_; }
  const NavDatabase& database() const { return database_; }
  MagneticVariation& variation() { return variation_; }
  FlightPlan& plan() { return plan_; }
  const FlightPlan& plan() const { return plan_; }
  const GuidanceOutput& guidance() const { return guidance_.output(); }

 private:
  NavDatabase database_;
  MagneticVariation variation_;
  FlightPlan plan_;
  LateralGuidance guidance_;
};

}  // namespace xaq::fms
