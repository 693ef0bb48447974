// The FMC gauge: the control-display unit. Drawing it, or showing or hiding its panel window,
// tells the module the pilot uses the CDU, which from then on takes typed keys.

#include "frame/gauge_registry.h"
#include "frame/gauge_tables.h"
#include "frame/module_lifecycle.h"

namespace xaq::frame {

namespace {

std::int32_t XAQ_HOSTCALL fmcCallback(abi::GaugeHeader*, std::int32_t service, std::uint32_t) {
  AircraftState* state = aircraft();
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

abi::ElementHeader fmcBackground = elementHeader(abi::kStaticImage, 0, {0, 0});
abi::ElementHeader* const fmcElements[] = {&fmcBackground, nullptr};
abi::MouseRecord fmcMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_FMC = gaugeHeader("FMC", fmcElements, fmcMouse, &fmcCallback);

}  // namespace xaq::frame
