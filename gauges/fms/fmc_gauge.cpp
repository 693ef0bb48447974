// The FMC gauge: the control-display unit. Drawing it, or showing or hiding its panel window,
// tells the module the pilot uses the CDU, which from then on takes typed keys.

#include "frame/gauge_registry.h"
#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges {

namespace {

std::int32_t XAQ_HOSTCALL fmcCallback(abi::GaugeHeader*, std::int32_t service, std::uint32_t) {
  frame::AircraftState* state = aircraft();
  if (state == nullptr) return 0;
  switch (service) {
    case abi::kServicePreDraw:
    case abi::kServicePanelOpen:
    case abi::kServicePanelClose:
      state->flags.fmcKeyboardActive = true;
      break;
    default:
      break;
  }
  return 0;
}

constinit abi::StaticImageElement fmcBackground = staticImage(&gauge_FMC, 0, {0, 0});
abi::ElementHeader* const fmcElements[] = {&fmcBackground.header, nullptr};
abi::MouseRecord fmcMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_FMC = gaugeHeader("FMC", fmcElements, fmcMouse, &fmcCallback);

}  // namespace xaq::gauges
