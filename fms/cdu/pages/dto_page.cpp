#include "fms/cdu/pages/dto_page.h"

#include "fms/cdu/cdu.h"
#include "fms/cdu/text_format.h"

namespace xaq::fms {

namespace {
constexpr int kRowsPerPage = 8;  // rows 2..9
}  // namespace

bool DtoPage::enter() {
  wantsNav = false;
  pending_ = Pending::kNone;
  page_ = 1;
  entry.begin("-----");
  entry.setMask("AAAAA");
  return true;
}

void DtoPage::key(int code) {
  FlightPlan& plan = cdu_.plan();
  const int pages = plan.count() > 0 ? (plan.count() + kRowsPerPage - 1) / kRowsPerPage : 1;
  switch (code) {
    case key::kNext:
      if (page_ < pages) ++page_;
      return;
    case key::kPrev:
      if (page_ > 1) --page_;
      return;
    case key::kRight1 + 4: returnToCaller(); return;
    case key::kList:
      list_.show(NavPoint{}, -1);
      pending_ = Pending::kList;
      openChild(list_);
      return;
    case key::kEnter: break;
    default: entry.type(code); return;
  }
  const std::string typed = entry.trimmed();
  if (typed.empty() || typed == "-----") return;
  const bool number = typed.size() <= 2 && typed.find_first_not_of("0123456789") == std::string::npos;
  if (number) {
    const int n = std::stoi(typed);
    if (n >= 1 && n <= plan.count() && plan.directTo(n - 1, cdu_.inputs().guidance.present)) {
      wantsNav = true;
      returnToCaller();
    }
    return;
  }
  waypoint_.show(typed, true);
  pending_ = Pending::kWaypoint;
  openChild(waypoint_);
}

void DtoPage::resume() {
  const Pending was = pending_;
  pending_ = Pending::kNone;
  NavPoint target;
  bool have = false;
  if (was == Pending::kWaypoint && waypoint_.hasResult()) {
    target = waypoint_.take();
    have = true;
  } else if (was == Pending::kList && list_.hasResult()) {
    target = list_.take();
    have = true;
  }
  entry.begin("-----");
  if (have && cdu_.plan().directToNew(target, cdu_.inputs().guidance.present)) {
    wantsNav = true;
    returnToCaller();
  }
}

void DtoPage::draw() {
  beginScreen();
  const FlightPlan& plan = cdu_.plan();
  const int pages = plan.count() > 0 ? (plan.count() + kRowsPerPage - 1) / kRowsPerPage : 1;
  drawText("DTO", 9, 0, kDataColour);
  drawText(textf("%d/%d", page_, pages), 18, 0, kDataColour, kRight);
  drawText("DIRECT", 8, 1, kCaptionColour, kSmall);
  drawEntry(15, 1, kPendingColour);
  for (int i = 0; i < kRowsPerPage; ++i) {
    const int index = (page_ - 1) * kRowsPerPage + i;
    if (index >= plan.count()) break;
    const bool active = index == plan.activeIndex();
    drawText(textf("%d", index + 1), 1, 2 + i, kLabelColour, kRight | kSmall);
    if (active) drawText(">", 2, 2 + i, kActiveColour);
    drawText(plan.leg(index).toPoint.ident.view().substr(0, 11), 3, 2 + i, active ? kActiveColour : kDataColour);
  }
  drawReturn();
}

}  // namespace xaq::fms
