#include "fms/cdu/pages/fpl_pages.h"

#include <cmath>

#include "fms/cdu/cdu.h"
#include "fms/cdu/text_format.h"

namespace xaq::fms {

namespace {
constexpr char kEmptyIdent[] = "-----";

bool isLineNumber(const std::string& t) {
  if (t.empty() || t.size() > 2) return false;
  for (char c : t) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}
}  // namespace

// ---- FPL MENU ----

bool FplMenuPage::enter() {
  deleteArmed_ = false;
  return true;
}

void FplMenuPage::key(int code) {
  FlightPlan& plan = cdu_.plan();
  const bool armed = deleteArmed_;
  deleteArmed_ = false;
  switch (code) {
    case 4:
      if (!plan.origin.ident.empty()) {
        notYet_.setTitle("DEPARTURE");
        openChild(notYet_);
      }
      break;
    case 5:
      if (armed) {
        plan.reset();
        returnToCaller();
      } else {
        deleteArmed_ = true;
      }
      break;
    case 6:
      if (plan.count() > 0) {
        notYet_.setTitle("STORE FPL");
        openChild(notYet_);
      }
      break;
    case 9:
      if (!plan.destination.ident.empty()) {
        notYet_.setTitle("ARRIVAL");
        openChild(notYet_);
      }
      break;
    case 10: returnToCaller(); break;
    default: break;
  }
}

void FplMenuPage::draw() {
  beginScreen();
  const FlightPlan& plan = cdu_.plan();
  drawText("FPL MENU", 6, 0, kDataColour);
  if (!plan.origin.ident.empty()) {
    drawText(" DEPART", 0, 8, kLabelColour);
    drawLineSelectMarker(1, 0, 8);
  }
  if (!deleteArmed_ || fastBlinkOn(simTimeS())) drawText(" DELETE FPL", 0, 10, kLabelColour);
  drawLineSelectMarker(1, 0, 10);
  if (plan.count() > 0) {
    drawText("STORE FPL ", 23, 2, kLabelColour, kRight);
    drawLineSelectMarker(2, 23, 2);
  }
  if (!plan.destination.ident.empty()) {
    drawText("ARRIVE ", 23, 8, kLabelColour, kRight);
    drawLineSelectMarker(2, 23, 8);
  }
  drawReturn();
}

// ---- FPL ----

int FplPage::pageCount() const {
  const int count = cdu_.plan().count();
  return count <= 4 ? 1 : (count - 4 + 3) / 4 + 1;
}

bool FplPage::enter() {
  const FlightPlan& plan = cdu_.plan();
  deleteArmed_ = false;
  pending_ = Pending::kNone;
  selectedLine = 0;
  page_ = plan.activeIndex() / 4 + 1;
  if (page_ > pageCount() || page_ < 1) page_ = 1;
  if (plan.count() == 0) selectLine(1);
  return true;
}

void FplPage::startEntryForSelection() {
  const FlightPlan& plan = cdu_.plan();
  entry.begin(selectedLine >= 1 && selectedLine <= plan.count() ? plan.leg(selectedLine - 1).toPoint.ident.view()
                                                                 : std::string_view(kEmptyIdent));
  entry.setMask("AAAAA");
}

void FplPage::selectLine(int line) {
  selectedLine = line;
  if (line <= 0) return;
  startEntryForSelection();
  page_ = (line - 1) / 4 + 1;
}

void FplPage::key(int code) {
  FlightPlan& plan = cdu_.plan();
  const bool armed = deleteArmed_;
  deleteArmed_ = false;
  if (key::isLeft(code)) {
    const int line = 4 * (page_ - 1) + code;
    if (line > plan.count() + 1) return;
    if (line == selectedLine) selectedLine = 0;
    else selectLine(line);
    return;
  }
  switch (code) {
    case key::kNext:
      if (page_ < pageCount()) ++page_;
      return;
    case key::kPrev:
      if (page_ > 1) --page_;
      return;
    case key::kMenu:
      pending_ = Pending::kMenu;
      openChild(menu_);
      return;
    default: break;
  }
  if (selectedLine == 0) {
    if (code == key::kRight1 + 2 && plan.count() == 0) {
      routes_.setTitle("ROUTES");
      pending_ = Pending::kRoutes;
      openChild(routes_);
    }
    return;
  }
  const int index = selectedLine - 1;
  switch (code) {
    case key::kRight1:  // DEL, on the second press in a row
      if (index < plan.count()) {
        if (armed) {
          plan.remove(index);
          startEntryForSelection();
        } else {
          deleteArmed_ = true;
        }
      }
      return;
    case key::kRight1 + 1: {  // INFO
      const std::string ident = entry.trimmed();
      if (ident.empty() || ident == kEmptyIdent) return;
      waypoint_.show(ident, false);
      pending_ = Pending::kInfo;
      openChild(waypoint_);
      return;
    }
    case key::kRight1 + 3:  // OVFLY
      if (index < plan.count()) plan.toggleOverfly(index);
      return;
    case key::kList: {
      NavPoint reference;
      if (index < plan.count()) reference = plan.leg(index).toPoint;
      else if (plan.count() > 0) reference = plan.leg(plan.count() - 1).toPoint;
      list_.show(reference, index < plan.count() ? index + 1 : plan.count());
      pending_ = Pending::kList;
      openChild(list_);
      return;
    }
    case key::kEnter: {
      const std::string typed = entry.trimmed();
      if (isLineNumber(typed)) {
        const int n = std::stoi(typed);
        if (n > selectedLine && n <= plan.count()) {
          plan.removeRange(index, n - 1);
          startEntryForSelection();
        }
        return;
      }
      if (typed.empty() || typed == kEmptyIdent) return;
      waypoint_.show(typed, true);
      pending_ = Pending::kInsert;
      openChild(waypoint_);
      return;
    }
    default:
      entry.type(code);
      return;
  }
}

void FplPage::resume() {
  FlightPlan& plan = cdu_.plan();
  const Pending was = pending_;
  pending_ = Pending::kNone;
  if (was == Pending::kInsert && waypoint_.hasResult() && selectedLine >= 1) {
    if (plan.insert(selectedLine - 1, waypoint_.take())) selectLine(selectedLine + 1);
    else startEntryForSelection();
  } else if (was == Pending::kList && selectedLine >= 1) {
    if (list_.inserted() > 0) selectLine(std::min(selectedLine + list_.inserted(), plan.count() + 1));
    else startEntryForSelection();
  } else if (was == Pending::kMenu) {
    if (plan.count() == 0) selectLine(1);
    else if (selectedLine > plan.count() + 1) selectedLine = 0;
  } else if (selectedLine >= 1) {
    startEntryForSelection();
  }
  if (page_ > pageCount()) page_ = pageCount();
}

void FplPage::draw() {
  beginScreen();
  const FlightPlan& plan = cdu_.plan();
  drawText(textf("FPL %d/%d", page_, pageCount()), 6, 0, kDataColour);
  for (int k = 1; k <= 5; ++k) {
    const int line = 4 * (page_ - 1) + k;
    const int row = 2 * k;
    if (line > plan.count() + 1) break;
    const bool active = line - 1 == plan.activeIndex() && line <= plan.count();
    drawText(textf(active ? "%2d>" : "%2d", line), 0, row, active ? kActiveColour : kLabelColour, kSmall);
    if (line == selectedLine) {
      drawEntry(3, row, kPendingColour);
    } else if (line <= plan.count()) {
      const PlanLeg& leg = plan.leg(line - 1);
      const std::string_view ident = leg.toPoint.ident.view().substr(0, 11);
      drawText(ident, 3, row, active ? kActiveColour : kDataColour);
      if (leg.toPoint.overfly) drawText("*", 3 + static_cast<int>(ident.size()), row, kDataColour);
    }
    if (line > plan.count() || line == 1) continue;
    const PlanLeg& leg = plan.leg(line - 1);
    const bool courseShown = leg.legKind == LegKind::Normal || leg.legKind == LegKind::EnRoute3 ||
                             ((leg.legKind == LegKind::Departure || leg.legKind == LegKind::Arrival) && leg.via.empty());
    if (courseShown && leg.via.empty()) {
      drawText(textf("%03d\xB0", static_cast<int>(std::lround(leg.course)) % 360), 5, row - 1, kDataColour, kSmall);
      drawText(textf("%dNM", static_cast<int>(std::lround(leg.length))), 16, row - 1, kDataColour, kSmall | kRight);
    } else if (!leg.via.empty()) {
      drawText(leg.via.view(), 5, row - 1, kDataColour, kSmall);
      if (courseShown) drawText(textf("%dNM", static_cast<int>(std::lround(leg.length))), 16, row - 1, kDataColour, kSmall | kRight);
    }
  }
  if (selectedLine > 0 && selectedLine <= plan.count()) {
    drawText("DEL ", 23, 2, kLabelColour, kRight);
    drawLineSelectMarker(2, 23, 2);
    drawText("INFO ", 23, 4, kLabelColour, kRight);
    drawLineSelectMarker(2, 23, 4);
    const PlanLeg& leg = plan.leg(selectedLine - 1);
    if (isEnRoute(leg.legKind) && !leg.toPoint.isAirport()) {
      if (leg.toPoint.overfly) drawText("CANC ", 23, 7, kLabelColour, kRight | kSmall);
      drawText("OVFLY ", 23, 8, kLabelColour, kRight);
      drawLineSelectMarker(2, 23, 8);
    }
  }
  if (plan.count() == 0) {
    drawText("LOAD ", 23, 5, kLabelColour, kRight | kSmall);
    drawText("RTE ", 23, 6, kLabelColour, kRight);
    drawLineSelectMarker(2, 23, 6);
  }
}

}  // namespace xaq::fms
