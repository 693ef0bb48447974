#include "fms/cdu/pages/list_pages.h"

#include "fms/base/spherical.h"
#include "fms/cdu/cdu.h"
#include "fms/cdu/text_format.h"

namespace xaq::fms {

namespace {
constexpr int kListRows = 7;       // rows 4..10
constexpr int kAirwayPoints = 12;  // two columns of six, rows 4..9

// A number typed as one digit 1-9 or two digits 10-99.
bool typedNumber(const EntryField& entry, int& n) {
  const std::string t = entry.trimmed();
  if (t.empty() || t.size() > 2) return false;
  for (char c : t) {
    if (c < '0' || c > '9') return false;
  }
  if (t.size() == 2 && t[0] == '0') return false;
  n = std::stoi(t);
  return n >= 1;
}
}  // namespace

// ---- AIRWAYS ----

void AirwaysPage::show(const Airway* airway, std::string_view entryIdent, int entryIndex, int insertAt) {
  airway_ = airway;
  entryIdent_.assign(entryIdent);
  entryIndex_ = entryIndex;
  insertAt_ = insertAt;
  page_ = 1;
  inserted_ = 0;
  entry.begin("--");
  entry.setMask("##");
}

void AirwaysPage::key(int code) {
  const int count = airway_ != nullptr ? static_cast<int>(airway_->points.size()) : 0;
  const int pages = count > 0 ? (count + kAirwayPoints - 1) / kAirwayPoints : 1;
  if (code == key::kNext && page_ < pages) ++page_;
  else if (code == key::kPrev && page_ > 1) --page_;
  else if (code == key::kRight1 + 4) returnToCaller();
  else if (code == key::kEnter) {
    int n = 0;
    if (airway_ == nullptr || !typedNumber(entry, n) || n > kAirwayPoints) return;
    const int exitIndex = (page_ - 1) * kAirwayPoints + n - 1;
    if (exitIndex >= count || exitIndex == entryIndex_ || insertAt_ < 0) return;
    int at = insertAt_;
    if (cdu_.plan().insertAirway(at, *airway_, entryIndex_, exitIndex)) {
      inserted_ = at - insertAt_;
      returnToCaller();
    }
  } else {
    entry.type(code);
  }
}

void AirwaysPage::draw() {
  beginScreen();
  const int count = airway_ != nullptr ? static_cast<int>(airway_->points.size()) : 0;
  const int pages = count > 0 ? (count + kAirwayPoints - 1) / kAirwayPoints : 1;
  drawText("AIRWAYS", 5, 0, kDataColour);
  drawText(textf("%d/%d", page_, pages), 16, 0, kDataColour, kRight);
  drawText("FRM", 0, 1, kCaptionColour, kSmall);
  drawText(entryIdent_.view(), 4, 1, kDataColour);
  drawText("VIA", 0, 2, kCaptionColour, kSmall);
  if (airway_ != nullptr) drawText(airway_->name.view(), 4, 2, kDataColour);
  drawText("TO", 14, 2, kCaptionColour, kSmall);
  drawEntry(17, 2, kPendingColour);
  for (int i = 0; i < kAirwayPoints; ++i) {
    const int index = (page_ - 1) * kAirwayPoints + i;
    if (index >= count) break;
    const int row = 4 + i % 6;
    const bool second = i >= 6;
    const int colour = index == entryIndex_ ? kActiveColour : kDataColour;
    drawText(textf("%d", i + 1), second ? 13 : 1, row, kLabelColour, kSmall | (second ? kRight : kRight));
    drawText(airway_->points[static_cast<std::size_t>(index)].ident.view().substr(0, 7), second ? 15 : 3, row, colour);
  }
  drawReturn();
}

// ---- LIST ----

void ListPage::show(const NavPoint& reference, int insertAt) {
  reference_ = reference;
  insertAt_ = insertAt;
}

bool ListPage::enter() {
  category_ = Category::kNone;
  items_.clear();
  airways_.clear();
  page_ = 1;
  hasResult_ = false;
  inserted_ = 0;
  entry.begin("--");
  entry.setMask("##");
  if (!reference_.hasPosition()) {
    reference_.ident.assign("PPOS");
    reference_.latitude = cdu_.inputs().guidance.present.latDeg;
    reference_.longitude = cdu_.inputs().guidance.present.lonDeg;
  }
  return true;
}

void ListPage::choose(Category c) {
  category_ = c;
  page_ = 1;
  items_.clear();
  airways_.clear();
  const LatLon at = reference_.position();
  switch (c) {
    case Category::kAirport: items_ = cdu_.database().listByCategory(at, typeBit(FacilityType::Airport)); break;
    case Category::kNdb: items_ = cdu_.database().listByCategory(at, typeBit(FacilityType::Ndb)); break;
    case Category::kIntersection:
      items_ = cdu_.database().listByCategory(at, typeBit(FacilityType::Intersection));
      break;
    case Category::kVor: items_ = cdu_.database().listByCategory(at, typeBit(FacilityType::Vor)); break;
    case Category::kAirways: airways_ = cdu_.database().airwaysThrough(reference_.ident.view(), at); break;
    case Category::kNone: break;
  }
}

int ListPage::pageCount() const {
  const int n = category_ == Category::kAirways ? static_cast<int>(airways_.size()) : static_cast<int>(items_.size());
  return n > 0 ? (n + kListRows - 1) / kListRows : 1;
}

void ListPage::key(int code) {
  switch (code) {
    case 1: choose(Category::kAirport); return;
    case 2: choose(Category::kNdb); return;
    case 3: choose(Category::kIntersection); return;
    case 6: choose(Category::kVor); return;
    case 7: choose(Category::kAirways); return;
    case 10: returnToCaller(); return;
    case key::kNext:
      if (page_ < pageCount()) ++page_;
      return;
    case key::kPrev:
      if (page_ > 1) --page_;
      return;
    case key::kEnter: break;
    default: entry.type(code); return;
  }
  int n = 0;
  if (!typedNumber(entry, n)) return;
  const std::size_t index = static_cast<std::size_t>(n - 1);
  entry.begin("--");
  if (category_ == Category::kAirways) {
    if (index >= airways_.size() || insertAt_ < 0) return;
    const Airway* airway = airways_[index];
    // The entry point: the airway's point of the reference's name nearest to it.
    int entryIndex = -1;
    double best = 1e9;
    for (std::size_t i = 0; i < airway->points.size(); ++i) {
      const AirwayPoint& p = airway->points[i];
      if (!(p.ident == reference_.ident.view())) continue;
      const double d = distanceNm(reference_.position(), {p.latitude, p.longitude});
      if (d < best) {
        best = d;
        entryIndex = static_cast<int>(i);
      }
    }
    if (entryIndex < 0) return;
    airways.show(airway, reference_.ident.view(), entryIndex, insertAt_);
    openChild(airways);
    return;
  }
  if (index >= items_.size()) return;
  const NavPoint point = NavPoint::fromRecord(items_[index]);
  if (insertAt_ >= 0) {
    if (cdu_.plan().insert(insertAt_, point)) {
      ++insertAt_;
      ++inserted_;
      reference_ = point;
    }
    return;
  }
  result_ = point;
  hasResult_ = true;
  returnToCaller();
}

void ListPage::resume() {
  inserted_ += airways.inserted();
  insertAt_ += airways.inserted();
  if (airways.inserted() > 0) returnToCaller();
}

void ListPage::draw() {
  beginScreen();
  drawText("LIST", 7, 0, kDataColour);
  drawText(textf("%d/%d", page_, pageCount()), 16, 0, kDataColour, kRight);
  drawText(" APT", 0, 2, kLabelColour);
  drawLineSelectMarker(1, 0, 2);
  drawText(" NDB", 0, 4, kLabelColour);
  drawLineSelectMarker(1, 0, 4);
  drawText(" INT", 0, 6, kLabelColour);
  drawLineSelectMarker(1, 0, 6);
  drawText("/PLT", 23, 1, kLabelColour, kRight | kSmall);
  drawText("VOR ", 23, 2, kLabelColour, kRight);
  drawLineSelectMarker(2, 23, 2);
  drawText("AIR ", 23, 3, kLabelColour, kRight | kSmall);
  drawText("WAYS", 23, 4, kLabelColour, kRight);
  drawLineSelectMarker(2, 23, 4);
  drawText("GAP ", 23, 6, kLabelColour, kRight);
  drawLineSelectMarker(2, 23, 6);
  drawText("#", 15, 2, kCaptionColour);
  drawEntry(17, 2, kPendingColour);
  drawText("FROM", 6, 3, kCaptionColour, kSmall);
  drawText(reference_.ident.view().substr(0, 7), 11, 3, kDataColour);
  for (int i = 0; i < kListRows; ++i) {
    const std::size_t index = static_cast<std::size_t>((page_ - 1) * kListRows + i);
    std::string_view name;
    if (category_ == Category::kAirways) {
      if (index >= airways_.size()) break;
      name = airways_[index]->name.view();
    } else {
      if (index >= items_.size()) break;
      name = items_[index].ident.view();
    }
    drawText(textf("%d", static_cast<int>(index) + 1), 6, 4 + i, kActiveColour, kRight | kSmall);
    drawText(name.substr(0, 8), 8, 4 + i, kDataColour);
  }
  drawReturn("RTN ");
}

}  // namespace xaq::fms
