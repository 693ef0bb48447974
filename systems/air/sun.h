#pragma once
// Sunrise and sunset from the sun's position: the declination and the equation of time of the
// standard low-precision solar ephemeris (good to about a minute between 1800 and 2100), the hour
// angle at which the sun's centre stands at a given altitude, refined once at each event.

#include <optional>

namespace xaq::systems {

struct CalendarDate {
  int day = 1;
  int month = 1;
  int year = 2000;
};

// The apparent horizon for the panel lighting's day and night: refraction only, the sun's centre
// 35' below the geometric horizon.
inline constexpr double kLightingHorizonDeg = -0.583333;
// The almanacs' sunrise: the sun's upper limb on the horizon (refraction 34' and semi-diameter
// 16').
inline constexpr double kAlmanacHorizonDeg = -0.833333;

struct SunEvents {
  double sunriseUtcHours = 0;  // on the given date; may lie below 0 or above 24 far from Greenwich
  double sunsetUtcHours = 0;   // after the sunrise
};

// Nothing when the sun stays above or below that altitude all day (polar day or night), or for
// a date or place that is not one.
std::optional<SunEvents> sunEvents(const CalendarDate& date, double latitudeDeg, double longitudeDeg,
                                   double horizonDeg = kLightingHorizonDeg);

}  // namespace xaq::systems
