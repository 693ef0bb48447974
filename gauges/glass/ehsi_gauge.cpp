// The electronic horizontal situation indicator (`EHSI`): a bezel with its lit overlay and the
// screen element whose drawing surface the host makes from the screen's bitmap. The heading
// display draws on that surface at the draw service, from the aircraft as it is then.

#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/glass/ehsi_layout.h"
#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges {

namespace {

double XAQ_HOSTCALL ehsiLightingValue(abi::ElementHeader* element) {
  frame::AircraftState* a = aircraft();
  setHidden(element, a == nullptr || !a->nightImages());
  return 0.0;
}

constinit abi::StaticImageElement ehsiScreen =
    staticImage(&gauge_EHSI, ehsi::kScreenId, pix(ehsi::kScreenAt), nullptr, abi::kImageCreateSurface);
constinit abi::IconElement ehsiLighting = icon(&gauge_EHSI, ehsi::kLightingOverlayId, {0, 0}, 1, 0,
                                               &ehsiLightingValue, nullptr, abi::kImageTransparent | abi::kImageHidden);
abi::ElementHeader* const ehsiFace[] = {&ehsiLighting.header, &ehsiScreen.header, nullptr};
constinit abi::StaticImageElement ehsiBackground = staticImage(&gauge_EHSI, ehsi::kBackgroundId, {0, 0}, ehsiFace);
abi::ElementHeader* const ehsiElements[] = {&ehsiBackground.header, nullptr};

abi::MouseRecord ehsiMouse[] = {
    mouseGroup(),
    mouseTooltip("Electronic horizontal situation indicator (EHSI)"),
    mouseEventArea(ehsi::kFaceAt.x, ehsi::kFaceAt.y, ehsi::kFaceSize.width, ehsi::kFaceSize.height, abi::kCursorHand,
                   abi::kMouseLeftSingle, ehsi::kFaceClickEvent),
    mouseEndGroup(),
    mouseEnd(),
};

std::int32_t XAQ_HOSTCALL ehsiCallback(abi::GaugeHeader*, std::int32_t service, std::uint32_t) {
  if (service != abi::kServicePreDraw) return 0;
  frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0;
  const displays::GlassElement screen = glassScreen(ehsiScreen);
  a->ehsi.drawFrame(&screen, a->ehsiInputs());
  return 0;
}

}  // namespace

abi::GaugeHeader gauge_EHSI = gaugeHeader("EHSI", ehsiElements, ehsiMouse, &ehsiCallback);

}  // namespace xaq::gauges
