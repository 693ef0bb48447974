// The electronic attitude director (`EADI`): a bezel with its lit overlay and the screen element
// whose drawing surface the host makes from the screen's bitmap. The attitude display draws
// on that surface at the draw service.

#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/glass/eadi_layout.h"
#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges {

namespace {

double XAQ_HOSTCALL eadiLightingValue(abi::ElementHeader* element) {
  frame::AircraftState* a = aircraft();
  setHidden(element, a == nullptr || !a->nightImages());
  return 0.0;
}

constinit abi::StaticImageElement eadiScreen =
    staticImage(&gauge_EADI, eadi::kScreenId, pix(eadi::kScreenAt), nullptr, abi::kImageCreateSurface);
constinit abi::IconElement eadiLighting = icon(&gauge_EADI, eadi::kLightingOverlayId, {0, 0}, 1, 0,
                                               &eadiLightingValue, nullptr, abi::kImageTransparent | abi::kImageHidden);
abi::ElementHeader* const eadiFace[] = {&eadiLighting.header, &eadiScreen.header, nullptr};
constinit abi::StaticImageElement eadiBackground = staticImage(&gauge_EADI, eadi::kBackgroundId, {0, 0}, eadiFace);
abi::ElementHeader* const eadiElements[] = {&eadiBackground.header, nullptr};

abi::MouseRecord eadiMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

// Drawing the 2D attitude director tells the module that the cockpit has the glass panel; the
// glareshield's switchlights show their glass-panel legends from then on.
std::int32_t XAQ_HOSTCALL eadiCallback(abi::GaugeHeader*, std::int32_t service, std::uint32_t) {
  if (service != abi::kServicePreDraw) return 0;
  if (frame::AircraftState* a = aircraft()) a->flags.efisPanel = true;
  return 0;
}

}  // namespace

abi::GaugeHeader gauge_EADI = gaugeHeader("EADI", eadiElements, eadiMouse, &eadiCallback);

}  // namespace xaq::gauges
