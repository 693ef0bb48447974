#pragma once
// The waypoint page: the database's matches of an identifier, nearest first, one at a time;
// in accept mode it hands the shown match back to the page that opened it.

#include "fms/cdu/cdu_page.h"
#include "fms/flightplan/nav_point.h"

namespace xaq::fms {

class WaypointPage final : public CduPage {
 public:
  using CduPage::CduPage;
  // Looks the identifier up (once, here) before the page is opened.
  void show(std::string_view ident, bool acceptMode);
  void draw() override;
  void key(int code) override;

  // After returning: the accepted match, if any (cleared by take()).
  bool hasResult() const { return hasResult_; }
  NavPoint take() {
    hasResult_ = false;
    return result_;
  }
  int matchCount() const { return static_cast<int>(matches_.size()); }
  int shownMatch() const { return index_ + 1; }

 private:
  FixedText<11> ident_;
  std::vector<NavRecord> matches_;
  int index_ = 0;
  bool acceptMode_ = false;
  bool hasResult_ = false;
  NavPoint result_;
};

}  // namespace xaq::fms
