#pragma once
// NAV: the legs being flown with distances, cross-track and wind; NAV LEG: choose the waypoint
// to fly to by its number.

#include "fms/cdu/cdu_page.h"

namespace xaq::fms {

class NavLegPage final : public CduPage {
 public:
  using CduPage::CduPage;
  bool enter() override;
  void draw() override;
  void key(int code) override;
  // The waypoint number chosen (1-based), 0 when none (taken by the NAV page on resume).
  int chosen = 0;

 private:
  int page_ = 1;
};

class NavPage final : public CduPage {
 public:
  using CduPage::CduPage;
  bool enter() override;
  void draw() override;
  void key(int code) override;
  void resume() override;

 private:
  NavLegPage leg_{cdu_};
};

}  // namespace xaq::fms
