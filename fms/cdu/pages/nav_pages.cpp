#include "fms/cdu/pages/nav_pages.h"

#include <cctype>
#include <cmath>

#include "fms/base/spherical.h"
#include "fms/cdu/cdu.h"
#include "fms/cdu/text_format.h"

namespace xaq::fms {

namespace {
constexpr int kLegRows = 8;  // rows 2..9

std::string distanceText(double nm) {
  if (!std::isfinite(nm) || nm < 0.0) return "---NM";
  return nm < 100.0 ? textf("%2.1fNM", nm) : textf("%dNM", static_cast<int>(std::lround(std::fmin(nm, 99999.0))));
}

double wrap180(double deg) {
  if (!std::isfinite(deg)) return 0.0;
  double d = std::fmod(deg, 360.0);
  if (d > 180.0) d -= 360.0;
  if (d <= -180.0) d += 360.0;
  return d;
}
}  // namespace

// ---- NAV LEG ----

bool NavLegPage::enter() {
  chosen = 0;
  page_ = 1;
  entry.begin("--");
  entry.setMask("##");
  return true;
}

void NavLegPage::key(int code) {
  const int count = cdu_.plan().count();
  const int pages = count > 0 ? (count + kLegRows - 1) / kLegRows : 1;
  if (code == key::kNext) {
    if (page_ < pages) ++page_;
  } else if (code == key::kPrev) {
    if (page_ > 1) --page_;
  } else if (code == key::kRight1 + 4) {
    chosen = 0;
    returnToCaller();
  } else if (code == key::kEnter) {
    const std::string t = entry.trimmed();
    const bool digits = !t.empty() && t.size() <= 2 && std::isdigit(static_cast<unsigned char>(t[0])) &&
                        (t.size() == 1 || std::isdigit(static_cast<unsigned char>(t[1])));
    if (!digits) return;
    const int n = std::stoi(t);
    if ((t.size() == 1 && n < 1) || (t.size() == 2 && n < 10)) return;
    if (n - 1 > count) return;
    chosen = n;
    returnToCaller();
  } else {
    entry.type(code);
  }
}

void NavLegPage::draw() {
  beginScreen();
  const FlightPlan& plan = cdu_.plan();
  const int count = plan.count();
  const int pages = count > 0 ? (count + kLegRows - 1) / kLegRows : 1;
  drawText("NAV LEG", 7, 0, kDataColour);
  drawText(textf("%d/%d", page_, pages), 17, 0, kDataColour, kRight);
  const int active = plan.activeIndex();
  const auto identAt = [&](int i) { return i >= 0 && i < count ? plan.leg(i).toPoint.ident.view().substr(0, 7) : std::string_view("-----"); };
  drawText("FR", 0, 2, kCaptionColour, kSmall);
  drawText(identAt(active - 1), 3, 2, kDataColour);
  drawText("TO", 0, 4, kCaptionColour, kSmall);
  drawText(identAt(active), 3, 4, kActiveColour);
  drawText("NX", 0, 6, kCaptionColour, kSmall);
  drawText(identAt(active + 1), 3, 6, kDataColour);
  drawEntry(3, 8, kPendingColour);
  for (int i = 0; i < kLegRows; ++i) {
    const int index = (page_ - 1) * kLegRows + i;
    if (index >= count) break;
    drawText(textf("%d", index + 1), 15, 2 + i, kLabelColour, kRight | kSmall);
    if (index == active) drawText(">", 16, 2 + i, kActiveColour);
    drawText(plan.leg(index).toPoint.ident.view().substr(0, 7), 17, 2 + i, index == active ? kActiveColour : kDataColour);
  }
  drawReturn();
}

// ---- NAV ----

bool NavPage::enter() { return cdu_.plan().count() >= 2; }

void NavPage::key(int code) {
  if (code == 2) openChild(leg_);
}

void NavPage::resume() {
  if (leg_.chosen > 0) cdu_.plan().setActiveIndex(leg_.chosen - 1);
  leg_.chosen = 0;
}

void NavPage::draw() {
  beginScreen();
  const FlightPlan& plan = cdu_.plan();
  const GuidanceOutput& g = cdu_.guidance();
  const CduInputs& in = cdu_.inputs();
  const int count = plan.count();
  const int active = plan.activeIndex();
  drawText("NAV 1/1", 6, 0, kDataColour);

  const auto identAt = [&](int i) { return i >= 0 && i < count ? plan.leg(i).toPoint.ident.view().substr(0, 9) : std::string_view("-----"); };
  drawText("FR", 0, 2, kCaptionColour, kSmall);
  drawText("TO", 0, 4, kCaptionColour, kSmall);
  drawText("NX", 0, 6, kCaptionColour, kSmall);
  drawText(identAt(active - 1), 3, 2, kDataColour);
  drawText(identAt(active), 3, 4, kActiveColour);
  drawText(identAt(active + 1), 3, 6, kDataColour);
  if (active >= 1 && active - 1 < count && plan.leg(active - 1).toPoint.hasPosition()) {
    drawText(distanceText(distanceNm(in.guidance.present, plan.leg(active - 1).toPoint.position())), 16, 2, kDataColour, kRight);
  }
  if (g.guidanceValid) {
    drawText(distanceText(g.distanceToWaypoint), 16, 4, kActiveColour, kRight);
    drawText(textf("%03d\xB0", static_cast<int>(std::lround(g.bearingToWaypoint)) % 360), 4, 5, kDataColour, kRight | kSmall);
    if (active + 1 < count) {
      drawText(distanceText(g.distanceToWaypoint + plan.leg(active + 1).length), 16, 6, kDataColour, kRight);
      drawText(textf("%03d\xB0", static_cast<int>(std::lround(plan.leg(active + 1).course)) % 360), 4, 7, kDataColour, kRight | kSmall);
    }
  }
  drawText("HDG ", 23, 2, kLabelColour, kRight);
  drawLineSelectMarker(2, 23, 2);
  drawText("MNVR ", 23, 4, kLabelColour, kRight);
  drawLineSelectMarker(2, 23, 4);

  const double xtk = std::fabs(g.crossTrack);
  drawText("XTK", 0, 8, kCaptionColour, kSmall);
  drawText(xtk < 1.0 ? textf("%4.2f", xtk) : textf("%4.1f", std::fmin(xtk, 999.9)), 11, 8, kDataColour, kRight);
  // The host gives the wind along the track only; its direction is not sampled.
  drawText(in.guidance.headwindKt >= 0 ? "HEADWIND" : "TAILWIND", 0, 9, kCaptionColour, kSmall);
  drawText("WIND", 0, 10, kCaptionColour, kSmall);
  drawText(textf("%dKT", static_cast<int>(std::lround(std::fabs(in.guidance.headwindKt)))), 11, 10, kDataColour, kRight);
  drawText("GS", 15, 8, kCaptionColour, kSmall);
  drawText(textf("%d", static_cast<int>(std::lround(in.groundSpeedKt))), 23, 8, kDataColour, kRight);
  drawText("BRG", 15, 9, kCaptionColour, kSmall);
  drawText(g.guidanceValid ? textf("%03d", static_cast<int>(std::lround(g.bearingToWaypoint)) % 360) : "---", 23, 9, kDataColour, kRight);
  drawText("TKE", 15, 10, kCaptionColour, kSmall);
  const int tke = static_cast<int>(std::lround(wrap180(in.guidance.trackDeg - g.desiredTrack)));
  drawText(g.guidanceValid ? textf("%c%d", tke < 0 ? 'L' : 'R', std::abs(tke)) : "---", 23, 10, kDataColour, kRight);
}

}  // namespace xaq::fms
