#pragma once
// The texts of the air-data instruments: their tooltips and the altimeters' baro windows.
// Numbers are rounded half away from zero unless a text says it cuts them.

#include <array>

namespace xaq::displays {

using ReadoutString = std::array<char, 24>;  // a digit window's text
using TooltipString = std::array<char, 64>;

TooltipString airspeedTooltip(double indicatedKt);
// "Altimeter: 12340 FT" (the altitude to the nearest ten feet); the standby's names itself.
TooltipString altimeterTooltip(double altitudeFt);
TooltipString standbyAltimeterTooltip(double altitudeFt);
TooltipString baroTooltip(double altimeterSettingMb);
TooltipString verticalSpeedTooltip(double verticalSpeedFpm);

// The millibar window: whole millibars, cut toward zero.
ReadoutString millibarReadout(double altimeterSettingMb);
// The inches window: hundredths of an inch of mercury, rounded ("2992").
ReadoutString inchesReadout(double altimeterSettingInHg);

}  // namespace xaq::displays
