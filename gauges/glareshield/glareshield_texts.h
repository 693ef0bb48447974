#pragma once
// What the glareshield gauges show, as plain functions of the published state: the advisory
// display's lines and flash overlays, the switchlights' images and tooltips. The gauges' value
// callbacks only gather the state and hand these results to the host.

#include <array>
#include <cstdint>

#include "guidance/advisory.h"

namespace xaq::gauges::glareshield {

// ---- advisory display ----

enum class AdvisoryElement : std::int32_t {
  kLine1,
  kLine2,
  kLine3,
  kLine4,
  kLateralFlash,   // the lateral active mode again, "%-10s", in black over line 4
  kVerticalFlash,  // the vertical active mode again, "%10s"
};

using AdvisoryElementText = std::array<char, 32>;

// The text an element draws: empty without DC power; the lines as stored; an overlay's text
// while its flash lasts, else empty.
AdvisoryElementText advisoryElementText(const guidance::AdvisoryState& advisory, bool powered, AdvisoryElement which);
// Whether an overlay is drawn at all: only while powered and flashing (the lines always are).
bool advisoryElementShown(const guidance::AdvisoryState& advisory, bool powered, AdvisoryElement which);

// ---- switchlights ----

// What the switchlights read.
struct SwitchlightInputs {
  bool powered = false;
  bool efisPanel = false;   // the glass panel: the 2D EADI has been drawn
  int markerBeacon = 0;     // 1 outer, 2 middle, 3 inner, else none
  int navSource = 0;        // the flight guidance's NAV source
  bool tasDisplay = false;  // line 1 shows the true airspeed
};

inline constexpr int kSwitchlightCount = 5;

// The image index of switchlight `position` (0 ... 4, left to right); 0 is the dark lens.
int switchlightImage(int position, const SwitchlightInputs& in);
// The switchlight's tooltip on this panel.
const char* switchlightTooltip(int position, bool efisPanel);
// Whether a click on it also turns the TAS display on.
bool switchlightShowsTas(int position, bool efisPanel);

}  // namespace xaq::gauges::glareshield
