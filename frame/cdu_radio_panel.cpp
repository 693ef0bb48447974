#include "frame/cdu_radio_panel.h"

namespace xaq::frame {

namespace {

using fms::CduRadio;
using systems::Radio;

bool isAdf(CduRadio r) { return r == CduRadio::kAdf1; }

Radio panelRadio(CduRadio r) {
  switch (r) {
    case CduRadio::kCom1: return Radio::kCom1;
    case CduRadio::kCom2: return Radio::kCom2;
    case CduRadio::kNav1: return Radio::kNav1;
    case CduRadio::kNav2: return Radio::kNav2;
    case CduRadio::kAdf1: return Radio::kAdf1;
    default: return Radio::kTransponder;
  }
}

// The page's numbers: MHz x 100 and kHz x 10.
std::int32_t pageValue(systems::ComNavFrequency f) { return f.mhz * 100 + f.hundredths; }
std::int32_t pageValue(systems::AdfFrequency f) { return f.khz * 10 + f.tenths; }

}  // namespace

fms::RadioSetting CduRadioPanel::setting(CduRadio r) const {
  const systems::RadiosState& s = radios_.state();
  const Radio radio = panelRadio(r);
  if (radio == Radio::kTransponder) return {s.transponderCode, transponderRecall_};
  if (isAdf(r)) return {pageValue(s.adf[0].active), pageValue(s.adf[0].standby)};
  const systems::ComNavHead& h = s.comNav[static_cast<std::size_t>(radio)];
  return {pageValue(h.active), pageValue(h.standby)};
}

void CduRadioPanel::tune(CduRadio r, std::int32_t value) {
  const Radio radio = panelRadio(r);
  if (radio == Radio::kTransponder) {
    const std::int32_t was = radios_.state().transponderCode;
    if (radios_.setTransponderCode(value, events_)) transponderRecall_ = was;
    return;
  }
  const bool accepted = isAdf(r) ? radios_.setStandby(radio, systems::AdfFrequency{value / 10, value % 10})
                                 : radios_.setStandby(radio, systems::ComNavFrequency{value / 100, value % 100});
  if (accepted) radios_.exchange(radio, events_);
}

void CduRadioPanel::swapRecall(CduRadio r) {
  const Radio radio = panelRadio(r);
  if (radio == Radio::kTransponder) {
    const std::int32_t was = radios_.state().transponderCode;
    if (radios_.setTransponderCode(transponderRecall_, events_)) transponderRecall_ = was;
    return;
  }
  radios_.exchange(radio, events_);
}

}  // namespace xaq::frame
