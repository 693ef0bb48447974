#include "gauges/glareshield/glareshield_texts.h"

#include <cstdio>
#include <cstring>

#include "common/format_text.h"
#include "gauges/glareshield/switchlights_layout.h"

namespace xaq::gauges::glareshield {

namespace {

// A record's text up to its terminator or its end, whichever comes first.
template <std::size_t N>
AdvisoryElementText copied(const std::array<char, N>& text) {
  static_assert(N < std::tuple_size_v<AdvisoryElementText>);
  AdvisoryElementText out{};
  std::memcpy(out.data(), text.data(), strnlen(text.data(), N));
  return out;
}

template <std::size_t N>
AdvisoryElementText formatted(const char* format, const std::array<char, N>& text) {
  AdvisoryElementText out{};
  const AdvisoryElementText value = copied(text);
  formatText(out.data(), out.size(), format, value.data());
  return out;
}

}  // namespace

bool advisoryElementShown(const guidance::AdvisoryState& advisory, bool powered, AdvisoryElement which) {
  if (which == AdvisoryElement::kLateralFlash) return powered && advisory.flashLateral;
  if (which == AdvisoryElement::kVerticalFlash) return powered && advisory.flashVertical;
  return true;
}

AdvisoryElementText advisoryElementText(const guidance::AdvisoryState& advisory, bool powered, AdvisoryElement which) {
  if (!powered || !advisoryElementShown(advisory, powered, which)) return {};
  switch (which) {
    case AdvisoryElement::kLine1: return copied(advisory.line1);
    case AdvisoryElement::kLine2: return copied(advisory.line2);
    case AdvisoryElement::kLine3: return copied(advisory.line3);
    case AdvisoryElement::kLine4: return copied(advisory.line4);
    case AdvisoryElement::kLateralFlash: return formatted("%-10s", advisory.lateralActiveLong);
    case AdvisoryElement::kVerticalFlash: return formatted("%10s", advisory.verticalActiveLong);
  }
  return {};
}

int switchlightImage(int position, const SwitchlightInputs& in) {
  if (!in.powered) return kDark;
  const int tas = in.tasDisplay ? kTasWithBar : kTasLegend;
  switch (position) {
    case 0: return 1;  // DME
    case 1: return in.markerBeacon >= 1 && in.markerBeacon <= 3 ? in.markerBeacon : kDark;
    case 2:
      if (in.efisPanel) return tas;
      if (in.navSource == 2) return kThirdRNav;
      return in.navSource == 3 ? kThirdAux : kDark;
    case 3:
      if (in.efisPanel) return kDark;
      return in.navSource == 0 || in.navSource == 1 ? 1 + in.navSource : kDark;
    case 4: return in.efisPanel ? kDark : tas;
    default: return kDark;
  }
}

const char* switchlightTooltip(int position, bool efisPanel) {
  switch (position) {
    case 0: return "DME HOLD";
    case 1: return "Marker beacons";
    case 2: return efisPanel ? "Display TAS" : "Nav data source";
    case 3: return efisPanel ? "A/P Disengaged light" : "Nav data source";
    case 4: return efisPanel ? "REVN" : "Display TAS";
    default: return "";
  }
}

bool switchlightShowsTas(int position, bool efisPanel) { return efisPanel ? position == 2 : position == 4; }

}  // namespace xaq::gauges::glareshield
