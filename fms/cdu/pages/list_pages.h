#pragma once
// LIST: the database's facilities of one category around a reference point, to insert into the
// plan, fly direct to or tune; and AIRWAYS, an airway through the reference fix to expand.

#include <vector>

#include "fms/cdu/cdu_page.h"
#include "fms/flightplan/nav_point.h"

namespace xaq::fms {

class AirwaysPage final : public CduPage {
 public:
  using CduPage::CduPage;
  // The airway chosen on LIST and the fix it is entered at; insertAt: the plan index the first
  // point goes in at.
  void show(const Airway* airway, std::string_view entryIdent, int entryIndex, int insertAt);
  void draw() override;
  void key(int code) override;
  int inserted() const { return inserted_; }

 private:
  const Airway* airway_ = nullptr;
  FixedText<15> entryIdent_;
  int entryIndex_ = 0;
  int insertAt_ = 0;
  int page_ = 1;
  int inserted_ = 0;
};

class ListPage final : public CduPage {
 public:
  enum class Category { kNone, kAirport, kNdb, kIntersection, kVor, kAirways };
  using CduPage::CduPage;

  // Around the reference point (the selected waypoint, or the present position); insertAt is
  // where an inserted facility goes in the plan (FPL), -1 when the caller takes one facility.
  void show(const NavPoint& reference, int insertAt);
  bool enter() override;
  void draw() override;
  void key(int code) override;
  void resume() override;

  // The facility taken, for DTO and TUNE (cleared by take()); the count inserted for FPL.
  bool hasResult() const { return hasResult_; }
  NavPoint take() {
    hasResult_ = false;
    return result_;
  }
  int inserted() const { return inserted_; }

 private:
  void choose(Category c);
  int pageCount() const;

  NavPoint reference_;
  int insertAt_ = -1;
  Category category_ = Category::kNone;
  std::vector<NavRecord> items_;
  std::vector<const Airway*> airways_;
  int page_ = 1;
  bool hasResult_ = false;
  NavPoint result_;
  int inserted_ = 0;
  AirwaysPage airways{cdu_};
};

}  // namespace xaq::fms
