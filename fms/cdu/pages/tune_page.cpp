#include "fms/cdu/pages/tune_page.h"

#include <cmath>
#include <cstdio>

#include "fms/cdu/cdu.h"
#include "fms/cdu/text_format.h"

namespace xaq::fms {

namespace {

bool isNav(CduRadio r) { return r == CduRadio::kNav1 || r == CduRadio::kNav2; }
bool isCom(CduRadio r) { return r == CduRadio::kCom1 || r == CduRadio::kCom2; }

const char* radioName(CduRadio r) {
  switch (r) {
    case CduRadio::kCom1: return "COM 1";
    case CduRadio::kCom2: return "COM 2";
    case CduRadio::kNav1: return "NAV 1";
    case CduRadio::kNav2: return "NAV 2";
    case CduRadio::kAdf1: return "ADF 1";
    default: return "ATC";
  }
}

std::string valueText(CduRadio r, std::int32_t v) {
  if (r == CduRadio::kAdf1) return textf("%04d.%01d", v / 10, v % 10);
  if (r == CduRadio::kAtc) return textf("%04d", v);
  return textf("%3d.%02d", v / 100, v % 100);
}

}  // namespace

std::int32_t acceptedRadioValue(CduRadio radio, double typed) {
  if (!std::isfinite(typed) || typed < 0.0 || typed > 100000.0) return -1;
  const int whole = static_cast<int>(typed);
  if (radio == CduRadio::kAdf1) {
    const int tenths = static_cast<int>(std::lround((typed - whole) * 10.0));
    if (whole < 200 || whole > 1700 || (tenths != 0 && tenths != 5) || (whole == 1700 && tenths != 0)) return -1;
    return whole * 10 + tenths;
  }
  if (radio == CduRadio::kAtc) {
    // Four octal digits, as a transponder is set.
    if (typed != whole || whole > 7777) return -1;
    for (int v = whole; v > 0; v /= 10) {
      if (v % 10 > 7) return -1;
    }
    return whole;
  }
  const int hundredths = static_cast<int>(std::lround((typed - whole) * 100.0));
  const int low = isCom(radio) ? 118 : 108, high = isCom(radio) ? 135 : 117;
  if (whole < low || whole > high || hundredths > 95) return -1;
  return whole * 100 + hundredths;
}

bool TunePage::enter() {
  select(radio_);
  return true;
}

void TunePage::select(CduRadio radio) {
  radio_ = radio;
  entry.begin(radio == CduRadio::kAdf1 ? "----.-" : radio == CduRadio::kAtc ? "----" : "---.--");
  entry.setMask(radio == CduRadio::kAdf1 ? "####.#" : radio == CduRadio::kAtc ? "####" : "###.##");
  findNearby();
}

void TunePage::findNearby() {
  nearbyCount_ = 0;
  if (!isNav(radio_) && radio_ != CduRadio::kAdf1) return;
  const std::uint32_t mask = typeBit(radio_ == CduRadio::kAdf1 ? FacilityType::Ndb : FacilityType::Vor);
  const std::vector<NavRecord>& found = cdu_.database().listByCategory(cdu_.inputs().guidance.present, mask);
  for (const NavRecord& r : found) {
    if (nearbyCount_ >= 4) break;
    nearby_[static_cast<std::size_t>(nearbyCount_++)] = r;
  }
}

void TunePage::key(int code) {
  CduRadios& radios = cdu_.radios();
  switch (code) {
    case 1: select(CduRadio::kCom1); return;
    case 2: select(CduRadio::kNav1); return;
    case 3: select(CduRadio::kAdf1); return;
    case 4: select(CduRadio::kAtc); return;
    case 6: select(CduRadio::kCom2); return;
    case 7: select(CduRadio::kNav2); return;
    case 9: radios.swapRecall(radio_); return;
    case 10: returnToCaller(); return;
    case key::kList:
      list_.show(NavPoint{}, -1);
      openChild(list_);
      return;
    case key::kEnter: break;
    default: entry.type(code); return;
  }
  const std::string typed = entry.trimmed();
  if (typed.size() == 1 && typed[0] >= '1' && typed[0] <= '4') {
    const int n = typed[0] - '1';
    if (n < nearbyCount_) radios.tune(radio_, nearby_[static_cast<std::size_t>(n)].frequency);
    select(radio_);
    return;
  }
  double value = 0.0;
  if (entry.state() == EntryField::kInitial || std::sscanf(typed.c_str(), "%lf", &value) != 1) return;
  const std::int32_t accepted = acceptedRadioValue(radio_, value);
  if (accepted >= 0) radios.tune(radio_, accepted);
  select(radio_);
}

void TunePage::resume() {
  if (!list_.hasResult()) return;
  const NavPoint p = list_.take();
  // The navaid's frequency comes from the database record of the chosen identifier.
  const std::vector<NavRecord>& found = cdu_.database().findByIdent(
      p.ident.view(), typeBit(FacilityType::Vor) | typeBit(FacilityType::Ndb), p.position());
  if (found.empty()) return;
  const NavRecord& r = found.front();
  if (r.type == FacilityType::Vor) radio_ = radio_ == CduRadio::kNav2 ? CduRadio::kNav2 : CduRadio::kNav1;
  else radio_ = CduRadio::kAdf1;
  cdu_.radios().tune(radio_, r.frequency);
  select(radio_);
}

void TunePage::draw() {
  beginScreen();
  drawText("TUNE  1/1", 8, 0, kDataColour);
  drawText(" COM 1", 0, 2, kLabelColour);
  drawLineSelectMarker(1, 0, 2);
  drawText(" NAV 1", 0, 4, kLabelColour);
  drawLineSelectMarker(1, 0, 4);
  drawText(" ADF 1", 0, 6, kLabelColour);
  drawLineSelectMarker(1, 0, 6);
  drawText(" ATC", 0, 8, kLabelColour);
  drawLineSelectMarker(1, 0, 8);
  drawText("COM 2 ", 23, 2, kLabelColour, kRight);
  drawLineSelectMarker(2, 23, 2);
  drawText("NAV 2 ", 23, 4, kLabelColour, kRight);
  drawLineSelectMarker(2, 23, 4);
  drawText("RCL ", 23, 8, kLabelColour, kRight);
  drawLineSelectMarker(2, 23, 8);
  drawReturn("RTN ");

  const RadioSetting s = cdu_.radios().setting(radio_);
  drawText(radioName(radio_), 7, 3, kDataColour);
  drawText("ACT", 7, 4, kCaptionColour, kSmall);
  drawText(valueText(radio_, s.active), 10, 4, kDataColour);
  drawText("RCL", 7, 5, kCaptionColour, kSmall);
  drawText(valueText(radio_, s.recall), 10, 5, kRecalledColour);
  drawEntry(10, 6, kPendingColour);
  for (int i = 0; i < nearbyCount_; ++i) {
    const NavRecord& r = nearby_[static_cast<std::size_t>(i)];
    drawText(textf("%d", i + 1), 8, 7 + i, kActiveColour, kSmall);
    drawText(r.ident.view().substr(0, 4), 10, 7 + i, kDataColour, kSmall);
    drawText(r.type == FacilityType::Ndb ? textf("%d.%d", r.frequency / 10, r.frequency % 10)
                                         : textf("%d.%02d", r.frequency / 100, r.frequency % 100),
             19, 7 + i, kDataColour, kSmall | kRight);
  }
}

}  // namespace xaq::fms
