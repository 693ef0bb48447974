// The traffic display (`TCAS`): a vertical speed indicator whose centre is the screen the
// traffic picture is drawn on at the draw service; and its virtual-cockpit twin (`TCAS_V`) with
// the needle and the power flag only. Without instrument power the needle is hidden, the flag
// shows and the picture goes dark.

#include <algorithm>
#include <cstdio>

#include "common/format_text.h"
#include "common/rounding.h"
#include "frame/gauge_registry.h"
#include "gauges/glass/tcas_layout.h"
#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges {

namespace {

bool instrumentPower(const frame::AircraftState* a) {
  return a != nullptr && a->electrical.state().dcPowerAvailable;
}

double XAQ_HOSTCALL verticalSpeedNeedle(abi::ElementHeader* element) {
  frame::AircraftState* a = aircraft();
  setHidden(element, !instrumentPower(a));
  if (a == nullptr) return 0.0;
  return std::clamp(hostValue(element), -tcas::kScaleLimitFpm, tcas::kScaleLimitFpm);
}

double XAQ_HOSTCALL powerFlagValue(abi::ElementHeader* element) {
  setHidden(element, instrumentPower(aircraft()));
  return 0.0;
}

const char* XAQ_HOSTCALL verticalSpeedTooltip(double value, std::uint32_t, const char*, abi::HostVarRecord* record,
                                              abi::GaugeHeader*) {
  static char text[64];
  const double fpm = tooltipValue(value, record);
  formatText(text, sizeof text, "Vertical speed indicator: %d feet/min", roundHalfAway(fpm));
  return text;
}

// Main panel: background, screen, needle over it, power flag. The screen is a square surface
// whose picture is round: it is drawn with the host's transparency, so the black it clears to
// lets the dial's numerals in the square's corners (and its dark glass behind the picture) show.
constinit std::array<abi::ScalePoint, std::size(tcas::kScale)> tcasScale = scaleTable(tcas::kScale);
constinit abi::StaticImageElement tcasScreen = staticImage(&gauge_TCAS, tcas::kScreenId, pix(tcas::kScreenAt),
                                                           nullptr, abi::kImageCreateSurface | abi::kImageTransparent);
constinit abi::NeedleElement tcasNeedle = needle(&gauge_TCAS, tcas::kNeedle, tcas::kVerticalSpeedVariable,
                                                 &verticalSpeedNeedle, tcasScale.data(), tcasScale.size());
constinit abi::IconElement tcasPowerFlag =
    icon(&gauge_TCAS, tcas::kPowerFlagId, pix(tcas::kPowerFlagAt), 1, 0, &powerFlagValue);
abi::ElementHeader* const tcasFace[] = {&tcasScreen.header, &tcasNeedle.header, &tcasPowerFlag.header, nullptr};
constinit abi::StaticImageElement tcasBackground = staticImage(&gauge_TCAS, tcas::kBackgroundId, {0, 0}, tcasFace);
abi::ElementHeader* const tcasElements[] = {&tcasBackground.header, nullptr};

// Virtual cockpit: the same needle and its own power flag.
constinit std::array<abi::ScalePoint, std::size(tcas::kScale)> tcasTwinScale = scaleTable(tcas::kScale);
constinit abi::NeedleElement tcasTwinNeedle = needle(&gauge_TCAS_V, tcas::kNeedle, tcas::kVerticalSpeedVariable,
                                                     &verticalSpeedNeedle, tcasTwinScale.data(), tcasTwinScale.size());
constinit abi::IconElement tcasTwinPowerFlag =
    icon(&gauge_TCAS_V, tcas::kTwinPowerFlagId, pix(tcas::kPowerFlagAt), 1, 0, &powerFlagValue);
abi::ElementHeader* const tcasTwinFace[] = {&tcasTwinNeedle.header, &tcasTwinPowerFlag.header, nullptr};
constinit abi::StaticImageElement tcasTwinBackground =
    staticImage(&gauge_TCAS_V, tcas::kTwinBackgroundId, {0, 0}, tcasTwinFace);
abi::ElementHeader* const tcasTwinElements[] = {&tcasTwinBackground.header, nullptr};

abi::TooltipArgument tcasTooltipArgs[] = {tooltipArgument(tcas::kVerticalSpeedVariable, &verticalSpeedTooltip)};
abi::TooltipArgument tcasTwinTooltipArgs[] = {tooltipArgument(tcas::kVerticalSpeedVariable, &verticalSpeedTooltip)};
abi::MouseRecord tcasMouse[] = {
    mouseGroup(),
    mouseTooltip("%1!s!", tcasTooltipArgs, 1),
    mouseEndGroup(),
    mouseEnd(),
};
abi::MouseRecord tcasTwinMouse[] = {
    mouseGroup(),
    mouseTooltip("%1!s!", tcasTwinTooltipArgs, 1),
    mouseEndGroup(),
    mouseEnd(),
};

std::int32_t XAQ_HOSTCALL tcasCallback(abi::GaugeHeader*, std::int32_t service, std::uint32_t) {
  frame::AircraftState* a = aircraft();
  if (service != abi::kServicePreDraw || a == nullptr) return 0;
  const displays::GlassElement screen = glassScreen(tcasScreen);
  a->tcasDisplay.setElement(&screen);
  a->tcasDisplay.frame();
  a->tcasDisplay.setElement(nullptr);
  return 0;
}

}  // namespace

abi::GaugeHeader gauge_TCAS = gaugeHeader("TCAS", tcasElements, tcasMouse, &tcasCallback);
abi::GaugeHeader gauge_TCAS_V = gaugeHeader("TCAS_V", tcasTwinElements, tcasTwinMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
