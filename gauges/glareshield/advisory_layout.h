#pragma once
// The advisory display: four text lines on a dark screen framed by its bezel (the RESET, L AFCS
// and R AFCS buttons and the BRT knob on the bezel have no function), and the two overlays that
// blank the active modes while they flash. The 2D gauge (`Advisory`) and the virtual-cockpit
// gauge (`AdvisoryV`) place the lines alike.

#include <cstdint>

#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::glareshield {

using layout::Point;
using layout::Rect;
using layout::Size;

inline constexpr layout::Size kAdvisorySize{384, 156};
// The dark glass behind the lines.
inline constexpr layout::Rect kAdvisoryScreen{76, 28, 232, 102};

struct AdvisoryLineLayout {
  layout::Rect box;
  std::uint32_t colour;  // COLORREF
};

inline constexpr std::uint32_t kAdvisoryBackgroundColour = 0x00101010;
inline constexpr const char* kAdvisoryFont = "Glass gauge";

// Message and temperature, disengage messages, armed modes, active modes.
inline constexpr AdvisoryLineLayout kAdvisoryLines[4] = {
    {{84, 35, 216, 22}, 0x00DCDCDC},  // light grey
    {{84, 57, 216, 22}, 0x000096FF},  // amber
    {{84, 79, 216, 22}, 0x00F0F0F0},  // white
    {{84, 100, 216, 22}, 0x0000F000}, // green
};
// Over the active modes' line: the lateral half from the left, the vertical half to the right.
inline constexpr layout::Rect kLateralFlashBox{84, 100, 83, 22};
inline constexpr layout::Rect kVerticalFlashBox{217, 100, 83, 22};
inline constexpr std::uint32_t kFlashColour = 0x00000000;

// The bezel's dead controls, painted only.
inline constexpr const char* kAdvisoryBezelButtons[] = {"RESET", "L AFCS", "R AFCS"};

inline constexpr std::uint32_t kAdvisoryBackgroundId = 18600;
inline constexpr std::uint32_t kAdvisoryVBackgroundId = 18601;

}  // namespace xaq::gauges::glareshield
