#pragma once
// The row of five switchlights beside the advisory display (`Annunciators`, and
// `Annunciators_V` in the virtual cockpit). Each position is one light whose images run from
// dark through every legend it can show on either panel; which legends it shows depends on
// whether the cockpit has the glass (EFIS) panel.

#include <cstdint>

#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::glareshield {

using layout::Point;
using layout::Rect;
using layout::Size;

inline constexpr layout::Size kSwitchlightSize{56, 40};
inline constexpr std::int32_t kSwitchlightPitch = 62;
inline constexpr layout::Point kFirstSwitchlight{10, 10};
inline constexpr layout::Size kSwitchlightsSize{10 + 5 * kSwitchlightPitch + 4, 60};

constexpr layout::Rect switchlightAt(int position) {
  return {kFirstSwitchlight.x + position * kSwitchlightPitch, kFirstSwitchlight.y, kSwitchlightSize.width,
          kSwitchlightSize.height};
}

// One lit image of a switchlight: its legend, lens colour (0xRRGGBB) and whether the bar under
// the legend is lit too.
struct SwitchlightImage {
  const char* legend;
  std::uint32_t lens;
  bool bar;
};

inline constexpr std::uint32_t kWhiteLens = 0xF0F0E8;
inline constexpr std::uint32_t kGreenLens = 0x40E060;

// Image 0 of every position is the dark lens; these are images 1 ... in order.
inline constexpr SwitchlightImage kDmeImages[] = {{"DME", 0xF2A81C, false}};
inline constexpr SwitchlightImage kMarkerImages[] = {
    {"OUT", 0x4080FF, false}, {"MID", 0xF2A81C, false}, {"INN", kWhiteLens, false}};
// The third position: TAS on the glass panel, the NAV source R NAV / AUX on the other.
inline constexpr SwitchlightImage kThirdImages[] = {
    {"TAS", kWhiteLens, false}, {"TAS", kWhiteLens, true}, {"R NAV", kGreenLens, false}, {"AUX", kGreenLens, false}};
inline constexpr SwitchlightImage kFourthImages[] = {{"V / L", kGreenLens, false}, {"MLS", kGreenLens, false}};
inline constexpr SwitchlightImage kFifthImages[] = {{"TAS", kWhiteLens, false}, {"TAS", kWhiteLens, true}};

// Indices into the positions' images.
inline constexpr int kDark = 0;
inline constexpr int kTasLegend = 1;
inline constexpr int kTasWithBar = 2;
inline constexpr int kThirdRNav = 3;
inline constexpr int kThirdAux = 4;

struct SwitchlightLayout {
  std::uint32_t firstId;  // the dark lens; the lit images follow
  const SwitchlightImage* images;
  int litCount;
};

inline constexpr SwitchlightLayout kSwitchlights[5] = {
    {18710, kDmeImages, 1},
    {18720, kMarkerImages, 3},
    {18730, kThirdImages, 4},
    {18740, kFourthImages, 2},
    {18750, kFifthImages, 2},
};

inline constexpr std::uint32_t kSwitchlightsBackgroundId = 18700;
inline constexpr std::uint32_t kSwitchlightsVBackgroundId = 18701;

}  // namespace xaq::gauges::glareshield
