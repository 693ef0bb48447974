#pragma once
// The engine instruments' readout and tooltip texts, and the scale limits of their pointers.

#include <cstddef>
#include <string>

#include "displays/engine/engine_reading.h"

namespace xaq::displays {

// The pointer's scale ends: a value beyond them puts the pointer at the last mark.
struct EngineScale {
  double low = 0.0;
  double high = 0.0;
};
EngineScale engineScale(EngineQuantity quantity);
double heldOnScale(EngineQuantity quantity, double value);

// The readout: one decimal for the percent gauges, whole numbers for the others. Empty without
// instrument power.
std::string engineReadoutText(EngineQuantity quantity, double value, bool powered);

// The tooltip of the engine's dial (engine 1 is the left one).
std::string engineTooltipText(EngineQuantity quantity, int engineIndex, double value);

// The torque reference pointer: 85 during the torque test, else the ECU's reference on the scale.
double torqueReferenceShownPct(double ecuReferencePct, bool testShowing);

// The ITT over-temperature light: on above 800 degrees.
inline constexpr double kIttOverTemperatureC = 800.0;
bool ittOverTemperature(double shownIttC, bool powered);

}  // namespace xaq::displays
