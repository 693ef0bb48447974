#include "fms/cdu/pages/waypoint_page.h"

#include <cmath>

#include "fms/cdu/cdu.h"
#include "fms/cdu/text_format.h"

namespace xaq::fms {

void WaypointPage::show(std::string_view ident, bool acceptMode) {
  ident_.assign(ident);
  matches_ = cdu_.database().findByIdent(ident_.view(), kAllSearchableTypes, cdu_.inputs().guidance.present);
  index_ = 0;
  acceptMode_ = acceptMode;
  hasResult_ = false;
}

void WaypointPage::key(int code) {
  const int count = matchCount();
  if (code == key::kNext && index_ + 1 < count) ++index_;
  else if (code == key::kPrev && index_ > 0) --index_;
  else if ((code == key::kLeft1 + 4 || code == key::kEnter) && acceptMode_ && count > 0) {
    result_ = NavPoint::fromRecord(matches_[static_cast<std::size_t>(index_)]);
    hasResult_ = true;
    returnToCaller();
  } else if (code == key::kRight1 + 4) {
    hasResult_ = false;
    returnToCaller();
  } else if (code == key::kRight1 + 2 && count > 0) {
    const NavRecord& r = matches_[static_cast<std::size_t>(index_)];
    if (r.type == FacilityType::Vor) cdu_.radios().tune(CduRadio::kNav1, r.frequency);
    if (r.type == FacilityType::Ndb) cdu_.radios().tune(CduRadio::kAdf1, r.frequency);
  }
}

void WaypointPage::draw() {
  beginScreen();
  const int count = matchCount();
  drawText(textf("%-8s%d/%d", ident_.c_str(), count > 0 ? index_ + 1 : 0, count), 6, 0, kDataColour);
  drawReturn();
  if (count == 0) {
    drawText("NOT IN DATABASE", 4, 5, kWarningColour);
    return;
  }
  const NavRecord& r = matches_[static_cast<std::size_t>(index_)];
  drawText(angleText(r.latitude, true, true), 5, 2, kDataColour);
  drawText(angleText(r.longitude, false, true), 5, 3, kDataColour);
  const char* type = r.type == FacilityType::Ndb ? "NDB"
                     : r.type == FacilityType::Vor ? "VOR"
                     : r.type == FacilityType::Airport ? "AIRPORT"
                                                        : "INTERSECTION";
  drawText(type, 0, 5, kDataColour);
  if (r.type == FacilityType::Vor || r.type == FacilityType::Ndb) {
    drawText("FREQ", 0, 6, kCaptionColour, kSmall);
    const std::string freq = r.type == FacilityType::Vor ? textf("%d.%02d", r.frequency / 100, r.frequency % 100)
                                                         : textf("%d.%d ", r.frequency / 10, r.frequency % 10);
    drawText(freq, 14, 6, kDataColour, kRight);
    drawText("TUNE ", 23, 6, kLabelColour, kRight);
    drawLineSelectMarker(2, 23, 6);
  }
  if (r.type == FacilityType::Airport) {
    drawText("ELEV", 0, 7, kCaptionColour, kSmall);
    drawText(textf("%d", r.elevation), 14, 7, kDataColour, kRight);
  }
  drawText("DECL", 0, 8, kCaptionColour, kSmall);
  const double variation = cdu_.core().variation().variationDeg(r.latitude, r.longitude);
  drawText(textf("%3.1f", std::fabs(variation)), 14, 8, kDataColour, kRight);
  if (variation != 0.0) drawText(variation > 0.0 ? "E" : "W", 7, 8, kDataColour);
  if (acceptMode_) {
    drawText(" ACCEPT", 0, 10, kLabelColour);
    drawLineSelectMarker(1, 0, 10);
  }
}

}  // namespace xaq::fms
