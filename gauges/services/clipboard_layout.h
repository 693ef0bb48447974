#pragma once
// The clipboard: a board with its clip and a sheet on which the first 16 lines of the notes file
// stand, one text box a line.

#include "gauges/kit/layout.h"

namespace xaq::gauges::clipboard {

using layout::Point;
using layout::Size;

inline constexpr std::uint32_t kBackgroundId = 10400;
inline constexpr Size kBackgroundSize{200, 262};

inline constexpr int kTextLines = 16;
inline constexpr Point kFirstLine{5, 24};
inline constexpr std::int32_t kLineSpacing = 14;
inline constexpr Size kLineBox{190, 15};
inline constexpr std::uint32_t kTextColour = 0x00E6E6E6;      // COLORREF
inline constexpr std::uint32_t kTextBackground = 0x00101010;  // COLORREF, the sheet's colour
inline constexpr const char* kFont = "Courier New";
inline constexpr std::int32_t kFontWeight = 700;

constexpr Point linePosition(int k) { return {kFirstLine.x, kFirstLine.y + kLineSpacing * k}; }

// The sheet under the text boxes, and the clip at the board's top edge.
inline constexpr Point kSheetAt{3, 19};
inline constexpr Size kSheetSize{194, linePosition(kTextLines - 1).y + kLineBox.height + 6 - 19};
inline constexpr Point kClipAt{60, 2};
inline constexpr Size kClipSize{80, 18};

}  // namespace xaq::gauges::clipboard
