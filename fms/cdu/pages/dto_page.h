#pragma once
// DTO: direct to a plan waypoint by its number, or to any waypoint by identifier or from LIST.

#include "fms/cdu/cdu_page.h"
#include "fms/cdu/pages/list_pages.h"
#include "fms/cdu/pages/waypoint_page.h"

namespace xaq::fms {

class DtoPage final : public CduPage {
 public:
  using CduPage::CduPage;
  bool enter() override;
  void draw() override;
  void key(int code) override;
  void resume() override;
  // Set by a completed direct-to: leaving goes on to the NAV page.
  bool wantsNav = false;

 private:
  int page_ = 1;
  enum class Pending { kNone, kWaypoint, kList } pending_ = Pending::kNone;
  WaypointPage waypoint_{cdu_};
  ListPage list_{cdu_};
};

}  // namespace xaq::fms
