// The landing-gear panel (`gear`): the three leg lights from the gear indication, the gear lever
// (its handle light on while a leg disagrees with it), the engines' fuel temperature dial and
// the right engine's oil dial. The dials show what the fuel and engine panels' own dials show,
// through the same value rules and tooltips. The virtual-cockpit twin (`gear_V`) carries only
// the leg lights.

#include <array>
#include <string>

#include "displays/analog/gear_lights.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/fuel/fuel_callbacks.h"
#include "gauges/instruments/instrument_kit.h"
#include "gauges/instruments/nav_gear_layout.h"
#include "gauges/kit/switch_family.h"
#include "systems/engines/oil_indication.h"

namespace xaq::gauges {

namespace {

using namespace instruments;
using frame::AircraftState;

constexpr int kRightEngine = 1;

template <int Leg>
double XAQ_HOSTCALL gearLight(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  const systems::GearLegIndication& l = a->gearIndication.state().legs[Leg];
  return displays::gearLightImage(l.positionFraction, l.transit, l.unlocked, instrumentPower(*a));
}

// The lever shows where the handle is; its lit image only while the handle light is on.
double leverFrame(const AircraftState& a) { return a.gearIndication.state().selectedDown ? 1.0 : 0.0; }
bool handleLit(const AircraftState& a) { return instrumentPower(a) && a.gearIndication.state().disagree; }

template <bool Lit>
double XAQ_HOSTCALL gearLever(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  setHidden(element, a == nullptr || handleLit(*a) != Lit);
  return a != nullptr ? leverFrame(*a) : 0.0;
}

std::int32_t XAQ_HOSTCALL gearToggle(abi::PixPoint*, std::uint32_t) {
  if (AircraftState* a = aircraft()) a->effects().events.trigger(kGearToggleEvent, 1);
  return 0;
}

double oilPressure(const AircraftState& a, abi::ElementHeader*) {
  return systems::oilPressureShownPsi(a.link.samples.oilPressurePsi[kRightEngine], instrumentPower(a));
}
double oilTemperature(const AircraftState& a, abi::ElementHeader*) {
  return systems::oilTemperatureShownC(a.engines.state().oilTempC[kRightEngine], instrumentPower(a));
}

template <bool Pressure>
const char* XAQ_HOSTCALL oilTooltip(double, std::uint32_t, const char*, abi::HostVarRecord*, abi::GaugeHeader*) {
  static std::array<char, 64> text{};
  const AircraftState* a = aircraft();
  const double v = a == nullptr ? 0.0 : Pressure ? oilPressure(*a, nullptr) : oilTemperature(*a, nullptr);
  const std::string s = Pressure ? systems::oilPressureTooltip(kRightEngine, v) : systems::oilTemperatureTooltip(kRightEngine, v);
  const std::size_t n = s.copy(text.data(), text.size() - 1);
  text[n] = '\0';
  return text.data();
}

// ---- gear ----

template <std::size_t N>
constexpr std::array<abi::ScalePoint, N> scaleOf(const layout::ScaleMark (&marks)[N]) {
  return scaleTable(marks);
}

constexpr std::array<abi::IconElement, 3> legLights(abi::GaugeHeader* g) {
  return {icon(g, kGearLightIds[0], pix(kGearLights[0]), 5, 0, &gearLight<0>),
          icon(g, kGearLightIds[1], pix(kGearLights[1]), 5, 0, &gearLight<2>),
          icon(g, kGearLightIds[2], pix(kGearLights[2]), 5, 0, &gearLight<1>)};
}

constinit std::array<abi::IconElement, 1> gearOverlay = {icon(&gauge_gear, kGearBackgroundId + 1, {0, 0}, 1, 0,
                                                              &family::litOverlay, nullptr,
                                                              abi::kImageTransparent | abi::kImageHidden)};
constinit std::array<abi::IconElement, 3> gearLights = legLights(&gauge_gear);
constinit std::array<abi::IconElement, 2> gearLevers = {
    icon(&gauge_gear, kGearLeverUnlitId, pix(kGearLever), 2, 0, &gearLever<false>),
    icon(&gauge_gear, kGearLeverLitId, pix(kGearLever), 2, 0, &gearLever<true>, nullptr,
         abi::kImageTransparent | abi::kImageHidden)};
constinit auto rightFuelScale = scaleOf(kRightFuelTempScale.mark);
constinit auto leftFuelScale = scaleOf(kLeftFuelTempScale.mark);
constinit auto oilPressureScale = scaleOf(kOilPressureScale.mark);
constinit auto oilTemperatureScale = scaleOf(kOilTemperatureScale.mark);
constinit std::array<abi::NeedleElement, 4> dialNeedles = {
    needle(&gauge_gear, kFuelTempNeedle, 0, &fuel::fuelTempNeedle, leftFuelScale.data(), leftFuelScale.size()),
    needle(&gauge_gear, kFuelTempNeedle, 0, &fuel::fuelTempNeedle, rightFuelScale.data(), rightFuelScale.size()),
    needle(&gauge_gear, kOilNeedle, 572, &slewedNeedle<&oilPressure>, oilPressureScale.data(), oilPressureScale.size()),
    needle(&gauge_gear, kOilNeedle, 571, &slewedNeedle<&oilTemperature>, oilTemperatureScale.data(),
           oilTemperatureScale.size())};
constinit auto gearChildren = family::elementList(gearOverlay, gearLights, gearLevers, dialNeedles);
constinit abi::StaticImageElement gearBackground =
    staticImage(&gauge_gear, kGearBackgroundId, {0, 0}, gearChildren.data());
abi::ElementHeader* const gearElements[] = {&gearBackground.header, nullptr};

constinit abi::TooltipArgument oilTemperatureTip[] = {tooltipArgument(571, &oilTooltip<false>)};
constinit abi::TooltipArgument oilPressureTip[] = {tooltipArgument(572, &oilTooltip<true>)};
constinit abi::TooltipArgument leftFuelTip[] = {tooltipArgument(0, &fuel::leftFuelTempText)};
constinit abi::TooltipArgument rightFuelTip[] = {tooltipArgument(0, &fuel::rightFuelTempText)};

// Each dial's halves: the left half its left needle's value, the right half the right one's.
constexpr int kDialRadius = 40;
#define XAQ_HALF(pivot, left, tip)                                                                          \
  mouseGroup((pivot).x - (left ? kDialRadius : 0), (pivot).y - kDialRadius, kDialRadius, 2 * kDialRadius), \
      mouseTooltip("%1!s!", tip, 1), mouseEndGroup()

constinit abi::MouseRecord gearMouse[] = {
    mouseGroup(),
    mouseGroup(kGearLeverArea.x, kGearLeverArea.y, kGearLeverArea.width, kGearLeverArea.height),
    mouseTooltip("Gear selector lever"),
    mouseArea(kGearLeverArea.x, kGearLeverArea.y, kGearLeverArea.width, kGearLeverArea.height, abi::kCursorHand,
              abi::kMouseLeftSingle, &gearToggle),
    mouseEndGroup(),
    XAQ_HALF(kOilPivot, true, oilTemperatureTip),
    XAQ_HALF(kOilPivot, false, oilPressureTip),
    XAQ_HALF(kFuelTempPivot, true, leftFuelTip),
    XAQ_HALF(kFuelTempPivot, false, rightFuelTip),
    mouseEndGroup(),
    mouseEnd(),
};
#undef XAQ_HALF

constinit std::array<abi::IconElement, 3> twinLights = legLights(&gauge_gear_V);
constinit auto twinChildren = family::elementList(twinLights);
constinit abi::StaticImageElement twinBackground =
    staticImage(&gauge_gear_V, kGearTwinBackgroundId, {0, 0}, twinChildren.data());
abi::ElementHeader* const twinElements[] = {&twinBackground.header, nullptr};
abi::MouseRecord twinMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_gear = gaugeHeader("gear", gearElements, gearMouse, &quietGaugeCallback);
abi::GaugeHeader gauge_gear_V = gaugeHeader("gear_V", twinElements, twinMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
