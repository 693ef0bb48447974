// The FMC gauge: the control-display unit's bezel with its 63 keys, the keyboard-entry indicator
// and the screen the current page draws on. Drawing it, or showing or hiding its panel window,
// tells the module the pilot uses the CDU, which from then on takes typed keys.

#include <utility>

#include "frame/gauge_registry.h"
#include "gauges/fms/fmc_layout.h"
#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges {

namespace {

double XAQ_HOSTCALL indicatorValue(abi::ElementHeader*) {
  frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return a->flags.cduKeyboardEntry && fms::slowBlinkOn(a->simTimeS()) ? 1.0 : 0.0;
}

constinit abi::StaticImageElement fmcScreen =
    staticImage(&gauge_FMC, fmc::kScreenId, pix(fmc::kScreenAt), nullptr, abi::kImageCreateSurface);
constinit abi::IconElement fmcIndicator =
    icon(&gauge_FMC, fmc::kIndicatorOffId, pix(fmc::kIndicatorAt), 2, 0, &indicatorValue);
abi::ElementHeader* const fmcFace[] = {&fmcIndicator.header, &fmcScreen.header, nullptr};
constinit abi::StaticImageElement fmcBackground = staticImage(&gauge_FMC, fmc::kBackgroundId, {0, 0}, fmcFace);
abi::ElementHeader* const fmcElements[] = {&fmcBackground.header, nullptr};

std::int32_t XAQ_HOSTCALL fmcCallback(abi::GaugeHeader*, std::int32_t service, std::uint32_t) {
  frame::AircraftState* state = aircraft();
  if (state == nullptr) return 0;
  switch (service) {
    case abi::kServicePreDraw: {
      const displays::GlassElement screen = glassScreen(fmcScreen);
      state->cdu.draw(&screen);
      state->flags.fmcKeyboardActive = true;
      break;
    }
    case abi::kServicePanelOpen:
    case abi::kServicePanelClose:
      state->flags.fmcKeyboardActive = true;
      break;
    default:
      break;
  }
  return 0;
}

template <std::size_t I>
std::int32_t XAQ_HOSTCALL keyPressed(abi::PixPoint*, std::uint32_t) {
  if (frame::AircraftState* a = aircraft()) {
    a->cdu.pressKey(fmc::kKeys[I].code);
    a->effects().sounds.play(sound::kPushButtonClick);
  }
  return 0;
}

template <std::size_t... I>
constexpr auto fmcMouseTable(std::index_sequence<I...>) {
  return std::array<abi::MouseRecord, sizeof...(I) + 6>{
      mouseGroup(),
      mouseTooltip("Flight management system"),
      mouseArea(fmc::kKeys[I].x, fmc::kKeys[I].y, fmc::kKeys[I].width, fmc::kKeys[I].height, abi::kCursorHand,
                abi::kMouseLeftSingle, &keyPressed<I>)...,
      mouseEventArea(fmc::kScreenAt.x, fmc::kScreenAt.y, fmc::kScreenSize.width, fmc::kScreenSize.height,
                     abi::kCursorHand, abi::kMouseLeftSingle, fmc::kScreenClickEvent),
      mouseEndGroup(),
      mouseEnd(),
  };
}

constinit std::array fmcMouse = fmcMouseTable(std::make_index_sequence<fmc::kKeyCount>{});

}  // namespace

abi::GaugeHeader gauge_FMC = gaugeHeader("FMC", fmcElements, fmcMouse.data(), &fmcCallback);

}  // namespace xaq::gauges
