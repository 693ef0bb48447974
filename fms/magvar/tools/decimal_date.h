#pragma once
// Calendar dates as the tools take them on the command line ("2026-03-19").

#include <optional>
#include <string_view>

namespace xaq::fms::tools {

struct CalendarDate {
  int year = 0;
  int month = 0;  // 1-12
  int day = 0;    // 1-31
};

// "YYYY-MM-DD" with a real day of a real month; nothing otherwise.
std::optional<CalendarDate> parseIsoDate(std::string_view text);
// The date as a decimal year (2026-07-02 is about 2026.5), the time scale of the magnetic model.
double decimalYear(const CalendarDate& date);
// Today's date in UTC.
CalendarDate today();
// Days since 1970-01-01 and back.
long daysFromCivil(const CalendarDate& date);
CalendarDate civilFromDays(long days);

}  // namespace xaq::fms::tools
