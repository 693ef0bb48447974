#pragma once
// The control-display unit's bezel: the screen, the keyboard-entry indicator and the 63 keys with
// the codes they deliver, where the mouse areas and the drawn keys both sit.

#include "common/sound_slots.h"
#include "gauges/kit/layout.h"

namespace xaq::gauges::fmc {

using layout::Point;
using layout::Size;

inline constexpr std::uint32_t kBackgroundId = 12400;
inline constexpr std::uint32_t kScreenId = 12401;
inline constexpr std::uint32_t kIndicatorOffId = 12402;  // then 12403: lit
inline constexpr Size kBackgroundSize{347, 372};
inline constexpr Point kScreenAt{56, 40};
inline constexpr Size kScreenSize{233, 140};
inline constexpr Point kIndicatorAt{300, 344};
inline constexpr Size kIndicatorSize{14, 14};

inline constexpr std::uint32_t kScreenClickEvent = 65911;

struct Key {
  std::int32_t x, y, width, height;
  int code;
  const char* legend;
};

inline constexpr Key kKeys[] = {
    // Line-select keys.
    {9, 62, 23, 17, 1, ""}, {9, 87, 23, 17, 2, ""}, {9, 113, 23, 17, 3, ""}, {9, 139, 23, 17, 4, ""}, {9, 164, 23, 17, 5, ""},
    {315, 62, 23, 17, 6, ""}, {315, 87, 23, 17, 7, ""}, {315, 113, 23, 17, 8, ""}, {315, 139, 23, 17, 9, ""}, {315, 164, 23, 17, 10, ""},
    // Function keys.
    {21, 195, 29, 27, 16, ""}, {54, 196, 30, 26, 18, "NAV"}, {87, 196, 30, 26, 20, ""}, {121, 196, 30, 26, 22, "DTO"},
    {154, 196, 30, 26, 24, "LIST"}, {188, 195, 30, 26, 26, "PREV"},
    {21, 225, 29, 27, 17, "FUEL"}, {54, 225, 30, 26, 19, "FPL"}, {87, 225, 30, 26, 21, "PERF"}, {121, 225, 30, 26, 23, "TUNE"},
    {154, 225, 30, 26, 25, "MENU"}, {188, 225, 30, 26, 27, "NEXT"},
    // Letters.
    {21, 257, 26, 25, 'A', "A"}, {50, 257, 26, 25, 'B', "B"}, {79, 257, 26, 25, 'C', "C"}, {106, 257, 26, 25, 'D', "D"},
    {134, 257, 26, 25, 'E', "E"}, {163, 256, 26, 25, 'F', "F"}, {191, 256, 26, 25, 'G', "G"},
    {21, 284, 26, 25, 'H', "H"}, {50, 284, 26, 25, 'I', "I"}, {79, 284, 26, 25, 'J', "J"}, {106, 284, 26, 25, 'K', "K"},
    {134, 284, 26, 25, 'L', "L"}, {163, 284, 26, 25, 'M', "M"}, {191, 284, 26, 25, 'N', "N"},
    {50, 312, 26, 25, 'O', "O"}, {79, 312, 26, 25, 'P', "P"}, {106, 312, 26, 25, 'Q', "Q"}, {134, 312, 26, 25, 'R', "R"},
    {163, 312, 26, 25, 'S', "S"}, {191, 312, 26, 25, 'T', "T"},
    {50, 340, 26, 25, 'U', "U"}, {79, 340, 26, 25, 'V', "V"}, {106, 340, 26, 25, 'W', "W"}, {134, 340, 26, 25, 'X', "X"},
    {163, 340, 26, 25, 'Y', "Y"}, {191, 340, 26, 25, 'Z', "Z"},
    // Digits, BACK and ENTER.
    {229, 195, 28, 27, '1', "1"}, {263, 196, 28, 27, '2', "2"}, {296, 196, 28, 27, '3', "3"},
    {229, 223, 28, 27, '4', "4"}, {263, 223, 28, 27, '5', "5"}, {296, 223, 28, 27, '6', "6"},
    {229, 251, 28, 27, '7', "7"}, {263, 251, 28, 27, '8', "8"}, {296, 251, 28, 27, '9', "9"},
    {229, 279, 28, 27, 11, "BACK"}, {263, 279, 28, 27, '0', "0"}, {296, 279, 28, 27, 12, ""},
    {228, 307, 28, 27, 13, ""}, {262, 307, 28, 27, 14, ""},
    {229, 339, 59, 26, 15, "ENTER"},
};
inline constexpr int kKeyCount = static_cast<int>(sizeof kKeys / sizeof kKeys[0]);
static_assert(kKeyCount == 63);

}  // namespace xaq::gauges::fmc
