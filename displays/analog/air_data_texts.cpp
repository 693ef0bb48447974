#include "displays/analog/air_data_texts.h"

#include <cmath>
#include <cstdio>

#include "common/format_text.h"
#include "common/rounding.h"

namespace xaq::displays {

namespace {

// Cut toward zero, with what an int cannot hold read as its nearest end (NaN as 0).
int truncated(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return 2147483647;
  if (value <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(value);
}

TooltipString tenFeet(const char* format, double altitudeFt) {
  TooltipString t{};
  formatText(t.data(), t.size(), format, roundHalfAway(altitudeFt / 10.0));
  return t;
}

}  // namespace

TooltipString airspeedTooltip(double indicatedKt) {
  TooltipString t{};
  formatText(t.data(), t.size(), "Airspeed indicator: %d knots", roundHalfAway(indicatedKt));
  return t;
}

TooltipString altimeterTooltip(double altitudeFt) { return tenFeet("Altimeter: %d0 FT", altitudeFt); }

TooltipString standbyAltimeterTooltip(double altitudeFt) { return tenFeet("Standby Altimeter: %d0 FT", altitudeFt); }

TooltipString baroTooltip(double altimeterSettingMb) {
  TooltipString t{};
  const double inches = std::isfinite(altimeterSettingMb) ? altimeterSettingMb * 0.02952999 : 0.0;
  formatText(t.data(), t.size(), "Baro setting: %d MB / %4.2f In HG", roundHalfAway(altimeterSettingMb),
                std::fabs(inches) < 1e6 ? inches : 0.0);
  return t;
}

TooltipString verticalSpeedTooltip(double verticalSpeedFpm) {
  TooltipString t{};
  formatText(t.data(), t.size(), "Vertical speed indicator: %d feet/min", roundHalfAway(verticalSpeedFpm));
  return t;
}

ReadoutString millibarReadout(double altimeterSettingMb) {
  ReadoutString t{};
  formatText(t.data(), t.size(), "%4d", truncated(altimeterSettingMb));
  return t;
}

ReadoutString inchesReadout(double altimeterSettingInHg) {
  ReadoutString t{};
  formatText(t.data(), t.size(), "%4d", roundHalfAway(altimeterSettingInHg * 100.0));
  return t;
}

}  // namespace xaq::displays
