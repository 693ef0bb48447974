// The NAV control heads on the main panel (`NAV1`, `NAV2`): active and standby frequencies,
// the frequency knob (left button inner, right button outer), the transfer switch, and the
// master warning (NAV1) or master caution (NAV2) switchlight, blinking while its flag is set.
// The virtual-cockpit twins (`NAV1_V`, `NAV2_V`) show the two frequencies only.

#include <array>

#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/instruments/instrument_kit.h"
#include "gauges/instruments/nav_gear_layout.h"
#include "gauges/kit/switch_family.h"
#include "gauges/pedestal/pedestal_callbacks.h"

namespace xaq::gauges {

namespace {

using namespace instruments;
using frame::AircraftState;
using systems::Radio;
using Window = pedestal::Window;

template <Radio R>
double XAQ_HOSTCALL transferImage(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  return a != nullptr && pedestal::transferPressed(a->radios.state(), R) ? 1.0 : 0.0;
}

template <bool Warning>
double XAQ_HOSTCALL masterLight(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr || !instrumentPower(*a)) return 0.0;
  const auto& s = a->annunciators.state();
  return (Warning ? s.masterWarning : s.masterCaution) ? systems::masterFlashFrame(a->simTimeS()) : 0.0;
}

template <Radio R, int Direction>
std::int32_t XAQ_HOSTCALL frequencyKnob(abi::PixPoint*, std::uint32_t flags) {
  if (AircraftState* a = aircraft()) {
    Effects fx = a->effects();
    pedestal::turnRadioKnob(a->radios, R, Direction, (flags & abi::kMouseRightSingle) != 0, fx);
  }
  return 0;
}

template <Radio R>
std::int32_t XAQ_HOSTCALL transfer(abi::PixPoint*, std::uint32_t) {
  if (AircraftState* a = aircraft()) {
    Effects fx = a->effects();
    a->radios.transfer(R, a->simTimeS(), fx);
  }
  return 0;
}

// Left button: the flag goes out at once. Right button: the host's panel window 5.
template <bool Warning>
std::int32_t XAQ_HOSTCALL masterSwitch(abi::PixPoint*, std::uint32_t flags) {
  AircraftState* a = aircraft();
  if (a == nullptr) return 0;
  if ((flags & abi::kMouseRightSingle) != 0) {
    a->effects().events.trigger(kPanelEvent5, 1);
  } else if (Warning) {
    a->annunciators.resetMasterWarning();
  } else {
    a->annunciators.resetMasterCaution();
  }
  return 0;
}

constexpr const TextStyle& kFrequencyStyle = kAmberReadout;
constexpr std::uint32_t kKnobFlags = abi::kMouseLeftSingle | abi::kMouseRightSingle | abi::kMouseRepeat;
constexpr std::uint32_t kSwitchFlags = abi::kMouseLeftSingle | abi::kMouseRightSingle;

constexpr abi::MouseRecord area(Rect r, abi::MouseCursor cursor, std::uint32_t flags, abi::MouseCallback cb) {
  return mouseArea(r.x, r.y, r.width, r.height, cursor, flags, cb);
}

template <Radio R>
struct NavHead {
  static constexpr bool kNav1 = R == Radio::kNav1;
  static constexpr abi::GaugeHeader* gauge() { return kNav1 ? &gauge_NAV1 : &gauge_NAV2; }
  static constexpr abi::GaugeHeader* twin() { return kNav1 ? &gauge_NAV1_V : &gauge_NAV2_V; }
  static constexpr MasterLight kLight = kNav1 ? kMasterWarning : kMasterCaution;

  static constexpr abi::StringElement frequency(abi::GaugeHeader* g, Point at, abi::ValueCallback cb) {
    return text(g, {at.x, at.y}, {kFrequencyBox.width, kFrequencyBox.height}, 8, 0, cb, kFrequencyStyle);
  }

  static inline constinit std::array<abi::StringElement, 2> readouts = {
      frequency(gauge(), kActiveFrequency, &pedestal::radioWindow<R, Window::kActive>),
      frequency(gauge(), kStandbyFrequency, &pedestal::radioWindow<R, Window::kStandby>)};
  static inline constinit std::array<abi::IconElement, 2> images = {
      icon(gauge(), kTransferSwitchId, {kTransferArea.x, kTransferArea.y}, 2, 0, &transferImage<R>),
      icon(gauge(), kLight.imageId, {kLight.at.x, kLight.at.y}, 2, 0, &masterLight<kNav1>)};
  static inline constinit auto children = family::elementList(readouts, images);
  static inline constinit abi::StaticImageElement background =
      staticImage(gauge(), kNav1 ? kNav1BackgroundId : kNav2BackgroundId, {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};

  static inline constinit abi::MouseRecord mouse[] = {
      mouseGroup(),
      mouseGroup(kFrequencyKnobDown.x, kFrequencyKnobDown.y, kFrequencyKnobUp.x + kFrequencyKnobUp.width - kFrequencyKnobDown.x,
                 kFrequencyKnobDown.height),
      mouseTooltip("Frequency selector knob: use LMB for inner and RMB for outer"),
      area(kFrequencyKnobDown, abi::kCursorDown, kKnobFlags, &frequencyKnob<R, -1>),
      area(kFrequencyKnobUp, abi::kCursorUp, kKnobFlags, &frequencyKnob<R, +1>),
      mouseEndGroup(),
      mouseGroup(kTransferArea.x, kTransferArea.y, kTransferArea.width, kTransferArea.height),
      area(kTransferArea, abi::kCursorHand, abi::kMouseLeftSingle, &transfer<R>),
      mouseEndGroup(),
      mouseGroup(kLight.area.x, kLight.area.y, kLight.area.width, kLight.area.height),
      mouseTooltip(kNav1 ? "Master warning switchlight" : "Master caution switchlight"),
      area(kLight.area, abi::kCursorHand, kSwitchFlags, &masterSwitch<kNav1>),
      mouseEndGroup(),
      mouseEndGroup(),
      mouseEnd(),
  };

  static inline constinit std::array<abi::StringElement, 2> twinReadouts = {
      frequency(twin(), kTwinActiveFrequency, &pedestal::radioWindow<R, Window::kActive>),
      frequency(twin(), kTwinStandbyFrequency, &pedestal::radioWindow<R, Window::kStandby>)};
  static inline constinit auto twinChildren = family::elementList(twinReadouts);
  static inline constinit abi::StaticImageElement twinBackground =
      staticImage(twin(), kNav1 ? kNav1TwinBackgroundId : kNav2TwinBackgroundId, {0, 0}, twinChildren.data());
  static inline abi::ElementHeader* const twinElements[] = {&twinBackground.header, nullptr};
  static inline abi::MouseRecord twinMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};
};

using Nav1 = NavHead<Radio::kNav1>;
using Nav2 = NavHead<Radio::kNav2>;

}  // namespace

abi::GaugeHeader gauge_NAV1 = gaugeHeader("NAV1", Nav1::elements, Nav1::mouse, &quietGaugeCallback);
abi::GaugeHeader gauge_NAV2 = gaugeHeader("NAV2", Nav2::elements, Nav2::mouse, &quietGaugeCallback);
abi::GaugeHeader gauge_NAV1_V = gaugeHeader("NAV1_V", Nav1::twinElements, Nav1::twinMouse, &quietGaugeCallback);
abi::GaugeHeader gauge_NAV2_V = gaugeHeader("NAV2_V", Nav2::twinElements, Nav2::twinMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
