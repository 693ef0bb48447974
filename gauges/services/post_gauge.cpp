// The Post gauge: invisible, placed on the panel so the module gets the host's per-frame
// update even when module init could not create the aircraft.

#include "frame/gauge_registry.h"
#include "frame/host_services.h"
#include "frame/keyboard_commands.h"
#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges {

namespace {

constexpr std::uint32_t kEventPanelSetup = 66508;
constexpr std::uint32_t kPanelSetupValues[] = {55, 65, 10, 125, 225};

std::int32_t XAQ_HOSTCALL postCallback(abi::GaugeHeader*, std::int32_t service, std::uint32_t) {
  switch (service) {
    case abi::kServiceInstall:
      frame::createModule();
      for (std::uint32_t value : kPanelSetupValues) frame::triggerKeyEvent(kEventPanelSetup, value);
      break;
    case abi::kServicePreUpdate:
      // The joystick-button command dispatch runs here while the aircraft exists.
      if (frame::AircraftState* a = aircraft()) frame::dispatchFrame(*a, platform::ports().keyboard);
      if (aircraft() == nullptr) frame::createModule();
      break;
    default:
      break;
  }
  return 0;
}

constinit abi::StaticImageElement postBackground = staticImage(&gauge_Post, 0, {0, 0});
abi::ElementHeader* const postElements[] = {&postBackground.header, nullptr};
abi::MouseRecord postMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_Post = gaugeHeader("Post", postElements, postMouse, &postCallback);

}  // namespace xaq::gauges
