#pragma once
// printf-style texts for the pages, cut to the screen's width.

#include <cstdio>
#include <string>

#include "common/format_text.h"

namespace xaq::fms {

template <typename... Args>
std::string textf(const char* format, Args... args) {
  char buffer[64];
  const int n = formatText(buffer, sizeof buffer, format, args...);
  if (n < 0) return {};
  return std::string(buffer, static_cast<std::size_t>(n) < sizeof buffer ? static_cast<std::size_t>(n) : sizeof buffer - 1);
}

// "JAN" .. "DEC"; "???" outside 1..12.
const char* monthName(int month);

// A latitude or longitude as the pages show it: hemisphere letter, degrees, minutes and
// tenths ("%c%4d %02d.%d") or hundredths ("%c%4d %02d.%02d") of a minute.
std::string angleText(double degrees, bool latitude, bool hundredths);

}  // namespace xaq::fms
