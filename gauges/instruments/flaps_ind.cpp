// The flaps position indicator (`FlapsInd`) and its virtual-cockpit twin (`FlapsInd_V`): one
// needle over the flap positions 0, 5, 10, 15 and 35. The twins share the needle, so both show
// the same position; the main panel's face has a lit overlay for night flying.

#include "displays/analog/flaps_needle.h"
#include "frame/gauge_registry.h"
#include "gauges/instruments/flaps_layout.h"
#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges {

namespace {

displays::FlapsNeedle gFlapsNeedle;

double XAQ_HOSTCALL flapsNeedleValue(abi::ElementHeader* element) {
  if (aircraft() == nullptr) return 0.0;
  return gFlapsNeedle.show(hostValue(element));
}

double XAQ_HOSTCALL flapsLightingValue(abi::ElementHeader* element) {
  frame::AircraftState* a = aircraft();
  setHidden(element, a == nullptr || !a->nightImages());
  return 0.0;
}

std::int32_t XAQ_HOSTCALL flapsCallback(abi::GaugeHeader*, std::int32_t service, std::uint32_t) {
  frame::AircraftState* a = aircraft();
  if (service == abi::kServicePreUpdate && a != nullptr) gFlapsNeedle.step(a->simTimeS());
  return 0;
}

// Main panel: background, lit overlay, needle.
constinit std::array<abi::ScalePoint, std::size(flaps::kScale)> flapsScale = scaleTable(flaps::kScale);
constinit abi::NeedleElement flapsNeedle =
    needle(&gauge_FlapsInd, flaps::kNeedle, flaps::kFlapsPositionVariable, &flapsNeedleValue,
           flapsScale.data(), flapsScale.size());
constinit abi::IconElement flapsLighting =
    icon(&gauge_FlapsInd, flaps::kLightingOverlayId, {0, 0}, 1, 0, &flapsLightingValue, nullptr,
         abi::kImageTransparent | abi::kImageHidden);
abi::ElementHeader* const flapsFace[] = {&flapsLighting.header, &flapsNeedle.header, nullptr};
constinit abi::StaticImageElement flapsBackground =
    staticImage(&gauge_FlapsInd, flaps::kBackgroundId, {0, 0}, flapsFace);
abi::ElementHeader* const flapsElements[] = {&flapsBackground.header, nullptr};

// Virtual cockpit: the same needle about its own pivot, no overlay.
constinit std::array<abi::ScalePoint, std::size(flaps::kScale)> flapsTwinScale = scaleTable(flaps::kTwinScale.mark);
constinit abi::NeedleElement flapsTwinNeedle =
    needle(&gauge_FlapsInd_V, flaps::kTwinNeedle, flaps::kFlapsPositionVariable, &flapsNeedleValue,
           flapsTwinScale.data(), flapsTwinScale.size());
abi::ElementHeader* const flapsTwinFace[] = {&flapsTwinNeedle.header, nullptr};
constinit abi::StaticImageElement flapsTwinBackground =
    staticImage(&gauge_FlapsInd_V, flaps::kTwinBackgroundId, {0, 0}, flapsTwinFace);
abi::ElementHeader* const flapsTwinElements[] = {&flapsTwinBackground.header, nullptr};

abi::MouseRecord flapsMouse[] = {
    mouseGroup(),
    mouseTooltip("Flaps position indicator"),
    mouseEndGroup(),
    mouseEnd(),
};
abi::MouseRecord flapsTwinMouse[] = {
    mouseGroup(),
    mouseTooltip("Flaps position indicator"),
    mouseEndGroup(),
    mouseEnd(),
};

}  // namespace

abi::GaugeHeader gauge_FlapsInd = gaugeHeader("FlapsInd", flapsElements, flapsMouse, &flapsCallback);
abi::GaugeHeader gauge_FlapsInd_V = gaugeHeader("FlapsInd_V", flapsTwinElements, flapsTwinMouse, &flapsCallback);

}  // namespace xaq::gauges
