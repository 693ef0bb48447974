#include "displays/analog/air_data.h"

#include <algorithm>
#include <cmath>

namespace xaq::displays {

namespace {

// A NaN from the host would pass straight through std::clamp; the dials read their low end.
double held(double value, double low, double high) {
  if (std::isnan(value)) return low;
  return std::clamp(value, low, high);
}

}  // namespace

double airspeedNeedleKt(double indicatedKt) { return held(indicatedKt, 0.0, kAirspeedScaleTopKt); }

double vmoKt(double altitudeFt) {
  if (std::isnan(altitudeFt) || altitudeFt < 14000.0) return 243.0;
  if (altitudeFt >= 25000.0) return 214.0;
  return 243.0 - (altitudeFt - 14000.0) * 0.0026363636;
}

double airspeedStripValue(double indicatedKt) { return std::fmod(held(indicatedKt, 18.0, 500.0), 100.0); }

double bugKnobAngleDeg(int bugKt) {
  const int turn = ((bugKt % 60) + 60) % 60;
  return turn * 6.0;
}

double withinOneTurnFt(double feet) {
  if (!std::isfinite(feet)) return 0.0;
  const double turn = std::fmod(feet, 1000.0);
  return turn < 0.0 ? turn + 1000.0 : turn;
}

double drumDigit(double value, int index) {
  if (!std::isfinite(value) || index < 0) return 0.0;
  if (index == 0) {
    const double units = std::fmod(value, 10.0);
    return units < 0.0 ? units + 10.0 : units;
  }
  const double unit = std::pow(10.0, index);
  const double digit = std::fmod(std::floor(value / unit), 10.0);
  double shown = digit < 0.0 ? digit + 10.0 : digit;
  // During the last unit of the lower digits this drum turns on with them toward the next digit.
  double below = std::fmod(value, unit);
  if (below < 0.0) below += unit;
  if (below > unit - 1.0) shown += below - (unit - 1.0);
  return shown;
}

bool altitudeAlertLit(double altitudeFt, int preselectFt) {
  const double gap = std::fabs(altitudeFt - preselectFt);
  return gap > 250.0 && gap < 1000.0;
}

double vsiNeedleFpm(double verticalSpeedFpm) {
  if (std::isnan(verticalSpeedFpm)) return 0.0;
  return std::clamp(verticalSpeedFpm, -4000.0, 4000.0);
}

double turnNeedle(double turnRate) {
  if (std::isnan(turnRate)) return 0.0;
  return std::clamp(turnRate, -1200.0, 1200.0);
}

double rudderNeedle(double rudderRad) {
  if (std::isnan(rudderRad)) return 0.0;
  return std::clamp(-(rudderRad / 0.524), -1.0, 1.0);
}

double spoilerNeedle(SpoilerPanel panel, double aileronRad, double indicatedKt) {
  const bool outboard = panel == SpoilerPanel::kLeftOutboard || panel == SpoilerPanel::kRightOutboard;
  if (outboard && indicatedKt > 140.0) return 0.0;
  const bool left = panel == SpoilerPanel::kLeftOutboard || panel == SpoilerPanel::kLeftInboard;
  return held((left ? -aileronRad : aileronRad) / 0.3141592, 0.0, 1.0);
}

double compassCardDeg(double headingDeg) {
  if (!(headingDeg >= 0.0 && headingDeg <= 360.0)) return 0.0;
  return 360.0 - headingDeg;
}

}  // namespace xaq::displays
