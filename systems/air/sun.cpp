#include "systems/air/sun.h"

#include <cmath>
#include <numbers>

namespace xaq::systems {

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

double julianDayAt0hUtc(const CalendarDate& d) {
  int y = d.year;
  int m = d.month;
  if (m <= 2) {
    y -= 1;
    m += 12;
  }
  const int a = y / 100;
  const int b = 2 - a + a / 4;
  return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + d.day + b - 1524.5;
}

struct SolarPosition {
  double declinationDeg;
  double equationOfTimeMin;
};

SolarPosition solarPosition(double julianDay) {
  const double t = (julianDay - 2451545.0) / 36525.0;
  const double l0 = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
  const double m = 357.52911 + t * (35999.05029 - 0.0001537 * t);
  const double e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
  const double c = std::sin(m * kRad) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                   std::sin(2 * m * kRad) * (0.019993 - 0.000101 * t) + std::sin(3 * m * kRad) * 0.000289;
  const double omega = 125.04 - 1934.136 * t;
  const double lambda = l0 + c - 0.00569 - 0.00478 * std::sin(omega * kRad);
  const double eps0 = 23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
  const double eps = eps0 + 0.00256 * std::cos(omega * kRad);
  const double declination = std::asin(std::sin(eps * kRad) * std::sin(lambda * kRad)) / kRad;
  const double y = std::tan(eps * kRad / 2) * std::tan(eps * kRad / 2);
  const double eot = y * std::sin(2 * l0 * kRad) - 2 * e * std::sin(m * kRad) +
                     4 * e * y * std::sin(m * kRad) * std::cos(2 * l0 * kRad) -
                     0.5 * y * y * std::sin(4 * l0 * kRad) - 1.25 * e * e * std::sin(2 * m * kRad);
  return {declination, 4.0 * eot / kRad};
}

// The event's time in minutes after 0 h UTC, or nothing when the sun does not reach the altitude.
// `sign` is -1 for the sunrise, +1 for the sunset.
std::optional<double> eventMinutes(double jd0, double latitudeDeg, double longitudeDeg, double horizonDeg, int sign) {
  double minutes = 720.0 - 4.0 * longitudeDeg;  // first guess: local noon
  for (int pass = 0; pass < 3; ++pass) {
    const SolarPosition sun = solarPosition(jd0 + minutes / 1440.0);
    const double lat = latitudeDeg * kRad;
    const double dec = sun.declinationDeg * kRad;
    const double cosH = (std::sin(horizonDeg * kRad) - std::sin(lat) * std::sin(dec)) / (std::cos(lat) * std::cos(dec));
    if (!(cosH >= -1.0 && cosH <= 1.0)) return std::nullopt;
    const double hourAngleDeg = std::acos(cosH) / kRad;
    minutes = 720.0 - 4.0 * longitudeDeg - sun.equationOfTimeMin + sign * 4.0 * hourAngleDeg;
  }
  return minutes;
}

bool plausible(const CalendarDate& d, double lat, double lon) {
  return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31 && d.year >= 1 && d.year <= 9999 &&
         std::isfinite(lat) && std::isfinite(lon) && std::fabs(lat) < 90.0 && std::fabs(lon) <= 360.0;
}

}  // namespace

std::optional<SunEvents> sunEvents(const CalendarDate& date, double latitudeDeg, double longitudeDeg,
                                   double horizonDeg) {
  if (!plausible(date, latitudeDeg, longitudeDeg)) return std::nullopt;
  const double jd0 = julianDayAt0hUtc(date);
  const std::optional<double> rise = eventMinutes(jd0, latitudeDeg, longitudeDeg, horizonDeg, -1);
  const std::optional<double> set = eventMinutes(jd0, latitudeDeg, longitudeDeg, horizonDeg, +1);
  if (!rise || !set) return std::nullopt;
  return SunEvents{*rise / 60.0, *set / 60.0};
}

}  // namespace xaq::systems
