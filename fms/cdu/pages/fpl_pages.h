#pragma once
// FPL: the flight plan five lines a page, edited by identifier, by LIST and by line number; and
// FPL MENU with its route and procedure entries.

#include "fms/cdu/cdu_page.h"
#include "fms/cdu/pages/basic_pages.h"
#include "fms/cdu/pages/list_pages.h"
#include "fms/cdu/pages/waypoint_page.h"

namespace xaq::fms {

class FplMenuPage final : public CduPage {
 public:
  using CduPage::CduPage;
  bool enter() override;
  void draw() override;
  void key(int code) override;

 private:
  bool deleteArmed_ = false;
  NotYetPage notYet_{cdu_};
};

class FplPage final : public CduPage {
 public:
  using CduPage::CduPage;
  bool enter() override;
  void draw() override;
  void key(int code) override;
  void resume() override;
  int page() const { return page_; }
  bool deleteArmed() const { return deleteArmed_; }

 private:
  int pageCount() const;
  void selectLine(int line);
  void startEntryForSelection();

  int page_ = 1;
  bool deleteArmed_ = false;
  enum class Pending { kNone, kInfo, kInsert, kList, kMenu, kRoutes } pending_ = Pending::kNone;
  WaypointPage waypoint_{cdu_};
  ListPage list_{cdu_};
  FplMenuPage menu_{cdu_};
  NotYetPage routes_{cdu_};
};

}  // namespace xaq::fms
