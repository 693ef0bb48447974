#include "systems/air/lighting.h"

#include <cmath>

namespace xaq::systems {

bool daylightAt(const SunEvents& sun, double utcHours) {
  const double from = sun.sunriseUtcHours + PanelLighting::kDaylightAfterSunriseH;
  const double to = sun.sunsetUtcHours - PanelLighting::kDaylightBeforeSunsetH;
  // The events of a place far from Greenwich fall on the day before or after in UTC.
  for (double shift : {-24.0, 0.0, 24.0}) {
    const double t = utcHours + shift;
    if (t > from && t < to) return true;
  }
  return false;
}

void PanelLighting::update(const CycleContext&, const LightingInputs& in) {
  LightingState& s = state_;
  s.instrumentLighting = in.instrumentLights;
  s.floodLighting = in.floodLights;

  if (in.addonConnected) {
    s.daylight = in.addonTimeOfDay == kAddonDaytime;
    lastMinute_ = -1;  // worked out from the sun at once when the add-on goes away
  } else if (in.localMinute != lastMinute_) {
    lastMinute_ = in.localMinute;
    const double local = in.localHour + in.localMinute / 60.0 + in.localSecond / 3600.0;
    const double utc = local - (std::isfinite(in.utcOffsetHours) ? in.utcOffsetHours : 0.0);
    const double utcOfDay = std::fmod(std::fmod(utc, 24.0) + 24.0, 24.0);
    const std::optional<SunEvents> sun = sunEvents(in.date, in.latitudeDeg, in.longitudeDeg);
    s.daylight = !sun || daylightAt(*sun, utcOfDay);
  }

  s.nightImages = !s.daylight && s.instrumentLighting && s.floodLighting && in.dcPowerLastCycle;
}

}  // namespace xaq::systems
