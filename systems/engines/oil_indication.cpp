#include "systems/engines/oil_indication.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/format_text.h"
#include "common/rounding.h"

namespace xaq::systems {

namespace {

double shown(double value, double low, double high, bool powered) {
  // An unpowered indicator, or a value the host did not give, rests at the bottom of its dial.
  if (!powered || !std::isfinite(value)) return low;
  return std::clamp(value, low, high);
}

const char* side(int engine) { return engine == 0 ? "Left" : "Right"; }

}  // namespace

double oilPressureShownPsi(double pressurePsi, bool dcPowerAvailable) {
  return shown(pressurePsi, 0.0, 100.0, dcPowerAvailable);
}

double oilTemperatureShownC(double temperatureC, bool dcPowerAvailable) {
  return shown(temperatureC, -50.0, 150.0, dcPowerAvailable);
}

std::string oilPressureTooltip(int engine, double shownPsi) {
  char text[64];
  formatText(text, sizeof text, "%s engine oil pressure: %d PSI", side(engine), roundHalfAway(shownPsi));
  return text;
}

std::string oilTemperatureTooltip(int engine, double shownC) {
  char text[64];
  formatText(text, sizeof text, "%s engine oil temperature: %d", side(engine), roundHalfAway(shownC));
  return text;
}

}  // namespace xaq::systems
