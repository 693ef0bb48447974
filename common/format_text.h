#pragma once
// printf-style formatting into a fixed buffer, for the readouts and texts the gauges write every
// frame. It prints what std::snprintf prints (the same result, the same truncation, the same
// return value: the length the whole text would have) but does the common conversions itself —
// %d %i %u %c %s %f with flags, width and precision — without the C library's stream machinery,
// which costs several times more per call; anything else is handed to std::vsnprintf unchanged.
// The output is also the same whichever C runtime the module is linked against.

#include <cstdarg>
#include <cstddef>

namespace xaq {

int formatText(char* out, std::size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));
int formatTextV(char* out, std::size_t size, const char* format, std::va_list args);

}  // namespace xaq
