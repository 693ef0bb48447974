#include "displays/engine/engine_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/format_text.h"
#include "common/rounding.h"

namespace xaq::displays {

namespace {

std::string printed(const char* format, auto value) {
  char text[96];
  const int n = formatText(text, sizeof text, format, value);
  return n < 0 ? std::string() : std::string(text);
}

// Whole-number readouts keep a leading zero below 10 ("   06"); a negative value (the ITT of an
// engine at rest on a cold day) is printed as it is.
std::string wholeNumberReadout(double value) {
  const int n = roundHalfAway(value);
  if (n >= 0 && n < 10) return printed("   0%d", n);
  return printed("%5d", n);
}

}  // namespace

EngineScale engineScale(EngineQuantity quantity) {
  switch (quantity) {
    case EngineQuantity::kTorque: return {0.0, 120.0};
    case EngineQuantity::kPropSpeed: return {0.0, 1500.0};
    case EngineQuantity::kItt: return {0.0, 1200.0};
    case EngineQuantity::kNh:
    case EngineQuantity::kNl: return {0.0, 110.0};
    case EngineQuantity::kFuelFlow:
    case EngineQuantity::kCount: break;
  }
  return {0.0, 1200.0};
}

double heldOnScale(EngineQuantity quantity, double value) {
  const EngineScale s = engineScale(quantity);
  if (std::isnan(value)) return s.low;
  return std::clamp(value, s.low, s.high);
}

std::string engineReadoutText(EngineQuantity quantity, double value, bool powered) {
  if (!powered) return {};
  switch (quantity) {
    case EngineQuantity::kTorque:
    case EngineQuantity::kNh:
    case EngineQuantity::kNl: return printed("%5.1f", value);
    case EngineQuantity::kFuelFlow: return printed("%5d", roundHalfAway(value));
    case EngineQuantity::kPropSpeed:
    case EngineQuantity::kItt:
    case EngineQuantity::kCount: break;
  }
  return wholeNumberReadout(value);
}

std::string engineTooltipText(EngineQuantity quantity, int engineIndex, double value) {
  const bool left = engineIndex == 1;
  const int whole = roundHalfAway(value);
  switch (quantity) {
    case EngineQuantity::kTorque:
      return printed(left ? "Left engine torque: %3.1f%%" : "Right engine torque: %3.1f%%", value);
    case EngineQuantity::kPropSpeed:
      return printed(left ? "Left engine prop RPM: %d" : "Right engine prop RPM: %d", whole);
    case EngineQuantity::kItt:
      return printed(left ? "Left engine inter-turbine temperature (ITT): %d \xB0" "C"
                          : "Right engine inter-turbine temperature (ITT): %d \xB0" "C",
                     whole);
    case EngineQuantity::kNh:
      return printed(left ? "Left engine HP gas generator speed (NH): %3.1f%%"
                          : "Right engine HP gas generator speed (NH): %3.1f%%",
                     value);
    case EngineQuantity::kNl:
      return printed(left ? "Left engine LP gas generator speed (NL): %3.1f%%"
                          : "Right engine LP gas generator speed (NL): %3.1f%%",
                     value);
    case EngineQuantity::kFuelFlow:
      return printed(left ? "Left engine fuel flow (FF): %5d PPH" : "Right engine fuel flow (FF): %5d PPH", whole);
    case EngineQuantity::kCount: break;
  }
  return {};
}

double torqueReferenceShownPct(double ecuReferencePct, bool testShowing) {
  if (testShowing) return kTorqueReferenceTestPct;
  return heldOnScale(EngineQuantity::kTorque, ecuReferencePct);
}

bool ittOverTemperature(double shownIttC, bool powered) { return powered && shownIttC > kIttOverTemperatureC; }

}  // namespace xaq::displays
