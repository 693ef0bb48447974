#include "fms/magvar/tools/decimal_date.h"

#include <charconv>
#include <chrono>

namespace xaq::fms::tools {
namespace {

bool isLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }
int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

bool readNumber(std::string_view text, int& value) {
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

}  // namespace

std::optional<CalendarDate> parseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  CalendarDate d;
  if (!readNumber(text.substr(0, 4), d.year) || !readNumber(text.substr(5, 2), d.month) ||
      !readNumber(text.substr(8, 2), d.day)) {
    return std::nullopt;
  }
  if (d.year < 1900 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > daysInMonth(d.year, d.month)) return std::nullopt;
  return d;
}

long daysFromCivil(const CalendarDate& date) {
  return std::chrono::sys_days(std::chrono::year(date.year) / date.month / date.day).time_since_epoch().count();
}

CalendarDate civilFromDays(long days) {
  const std::chrono::year_month_day ymd{std::chrono::sys_days(std::chrono::days(days))};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

double decimalYear(const CalendarDate& date) {
  const long start = daysFromCivil({date.year, 1, 1});
  const long length = daysFromCivil({date.year + 1, 1, 1}) - start;
  return date.year + static_cast<double>(daysFromCivil(date) - start) / static_cast<double>(length);
}

CalendarDate today() {
  const auto now = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  return civilFromDays(now.time_since_epoch().count());
}

}  // namespace xaq::fms::tools
