#pragma once
// What the oil indicators show: the needles' values, held on their dials and at rest without
// DC power, and their tooltips.

#include <string>

namespace xaq::systems {

// Psi on the 0 ... 100 dial; 0 without power.
double oilPressureShownPsi(double pressurePsi, bool dcPowerAvailable);
// Degrees C on the -50 ... 150 dial; -50 without power.
double oilTemperatureShownC(double temperatureC, bool dcPowerAvailable);

// engine 0 left, 1 right: "Left engine oil pressure: 60 PSI", "Right engine oil temperature: 45".
std::string oilPressureTooltip(int engine, double shownPsi);
std::string oilTemperatureTooltip(int engine, double shownC);

}  // namespace xaq::systems
