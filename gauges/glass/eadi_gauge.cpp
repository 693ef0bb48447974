// The electronic attitude director (`EADI`): a bezel with its lit overlay, the screen element
// whose drawing surface the host makes from the screen's bitmap, and the inclinometer ball under
// it. The attitude display draws on that surface at the draw service.

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
constinit abi::SliderElement eadiBall = [] {
  abi::SliderElement e = slider(&gauge_EADI, eadi::kBallId, pix(eadi::kBallAt), eadi::kBallPixelsPerUnit, nullptr, 0.0,
                                nullptr);
  e.xVariable = variable(eadi::kBallVariable);
  return e;
}();
constinit abi::IconElement eadiLighting = icon(&gauge_EADI, eadi::kLightingOverlayId, {0, 0}, 1, 0,
                                               &eadiLightingValue, nullptr, abi::kImageTransparent | abi::kImageHidden);
abi::ElementHeader* const eadiFace[] = {&eadiLighting.header, &eadiBall.header, &eadiScreen.header, nullptr};
constinit abi::StaticImageElement eadiBackground = staticImage(&gauge_EADI, eadi::kBackgroundId, {0, 0}, eadiFace);
abi::ElementHeader* const eadiElements[] = {&eadiBackground.header, nullptr};

abi::MouseRecord eadiMouse[] = {
    mouseGroup(),
    mouseTooltip("Electronic attitude director indicator (EADI)"),
    mouseEventArea(eadi::kFace.x, eadi::kFace.y, eadi::kFace.width, eadi::kFace.height, abi::kCursorHand, abi::kMouseLeftSingle,
                   eadi::kFaceClickEvent),
    mouseEndGroup(),
    mouseEnd(),
};

// Drawing the 2D attitude director tells the module that the cockpit has the glass panel; the
// glareshield's switchlights show their glass-panel legends from then on.
std::int32_t XAQ_HOSTCALL eadiCallback(abi::GaugeHeader*, std::int32_t service, std::uint32_t) {
  if (service != abi::kServicePreDraw) return 0;
  frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0;
  a->flags.efisPanel = true;
  const displays::GlassElement screen = glassScreen(eadiScreen);
  a->eadiDisplay.setInputs(a->eadiInputs());
  a->eadiDisplay.setElement(&screen);
  a->eadiDisplay.frame();
  a->eadiDisplay.setElement(nullptr);
  return 0;
}

}  // namespace

abi::GaugeHeader gauge_EADI = gaugeHeader("EADI", eadiElements, eadiMouse, &eadiCallback);

}  // namespace xaq::gauges
