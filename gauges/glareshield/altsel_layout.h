#pragma once
// The altitude preselect controller (`AltSel`): the hundreds of feet in a digit window beside a
// fixed "00", and the knob on the right whose left half turns it down and right half up. The
// virtual-cockpit twin (`AltSelector_V`) carries only the two readouts over its background.

#include <cstdint>

#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::glareshield {

using layout::Point;
using layout::Rect;
using layout::Size;

inline constexpr layout::Size kAltSelSize{250, 100};
inline constexpr layout::Rect kAltSelHundreds{40, 36, 57, 24};
inline constexpr layout::Rect kAltSelZeros{97, 36, 38, 24};
inline constexpr layout::Rect kAltSelKnobDown{168, 47, 33, 45};
inline constexpr layout::Rect kAltSelKnobUp{201, 46, 32, 47};
inline constexpr std::uint32_t kAltSelDigitColour = 0x002265F1;  // COLORREF

inline constexpr layout::Size kAltSelectorVSize{180, 60};
inline constexpr layout::Rect kAltSelectorVHundreds{30, 18, 57, 24};
inline constexpr layout::Rect kAltSelectorVZeros{87, 18, 38, 24};

inline constexpr std::uint32_t kAltSelBackgroundId = 18800;
inline constexpr std::uint32_t kAltSelOverlayId = 18801;  // the lit panel, shown at night
inline constexpr std::uint32_t kAltSelectorVBackgroundId = 18802;

}  // namespace xaq::gauges::glareshield
