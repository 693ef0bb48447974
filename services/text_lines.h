#pragma once
// Reading the cockpit's small text files (the settings file, the notes file) a line at a time,
// whatever their bytes: a line keeps at most `keep` characters, the rest of a longer line is
// passed over, and the line end ("\n" or "\r\n", as a text-mode read on Windows delivers it) is
// removed. Decimal numbers are read the way "%d" reads them.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace xaq::services {

// The next line of `file` into `line` (without its line end); false at the end of the file.
bool readTextLine(std::FILE* file, std::string& line, std::size_t keep);

// Reads a "%d" number at `text[at]` (leading blanks, an optional sign, digits) and moves `at`
// behind it. False, with `at` and `value` unchanged, when there is no number or it does not fit
// 32 bits.
bool scanDecimal(std::string_view text, std::size_t& at, std::int32_t& value);

}  // namespace xaq::services
