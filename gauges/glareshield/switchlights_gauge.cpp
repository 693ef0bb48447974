// The five switchlights beside the advisory display (`Annunciators`, and `Annunciators_V` in
// the virtual cockpit, which has no mouse areas). Each light shows what its position shows on
// this panel (the glass panel or the other); a click clicks (sound 26), and the TAS switchlight
// also turns the true airspeed on for line 1 of the advisory display. The tooltips of the last
// three positions name what they are on this panel.

#include <array>

#include "common/sound_slots.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/glareshield/glareshield_tables.h"
#include "gauges/glareshield/glareshield_texts.h"
#include "gauges/glareshield/switchlights_layout.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges {

namespace {

using namespace glareshield;
using frame::AircraftState;

SwitchlightInputs switchlightInputs(const AircraftState& a) {
  SwitchlightInputs in;
  in.powered = family::dcPowerAvailable(a);
  in.efisPanel = a.flags.efisPanel;
  in.markerBeacon = static_cast<int>(a.link.samples.markerBeacon);
  in.navSource = a.guidance.state().navSource;
  in.tasDisplay = a.advisory.state().tasDisplay;
  return in;
}

template <int Position>
double XAQ_HOSTCALL switchlightValue(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  return a != nullptr ? switchlightImage(Position, switchlightInputs(*a)) : kDark;
}

template <int Position>
void pressSwitchlight(AircraftState& a, Effects& e) {
  if (switchlightShowsTas(Position, a.flags.efisPanel)) a.advisory.showTas();
  e.sounds.play(sound::kPushButtonClick);
}

template <int Position>
const char* XAQ_HOSTCALL switchlightTooltipText(double, std::uint32_t, const char*, abi::HostVarRecord*,
                                                abi::GaugeHeader*) {
  const AircraftState* a = aircraft();
  return switchlightTooltip(Position, a != nullptr && a->flags.efisPanel);
}

template <bool Vc>
struct SwitchlightTables {
  static constexpr abi::GaugeHeader* gauge() { return Vc ? &gauge_Annunciators_V : &gauge_Annunciators; }

  template <int Position>
  static constexpr abi::IconElement light() {
    const SwitchlightLayout& s = kSwitchlights[Position];
    return icon(gauge(), s.firstId, pix(switchlightAt(Position).origin()), 1 + s.litCount, 0,
                &switchlightValue<Position>, nullptr, abi::kImageTransparent | abi::kImageBright);
  }

  static inline constinit std::array<abi::IconElement, kSwitchlightCount> lights = {light<0>(), light<1>(), light<2>(),
                                                                                    light<3>(), light<4>()};
  static inline constinit auto children = family::elementList(lights);
  static inline constinit abi::StaticImageElement background =
      staticImage(gauge(), Vc ? kSwitchlightsVBackgroundId : kSwitchlightsBackgroundId, {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};
};

// The tooltip arguments the host fills before it asks for their texts.
constinit abi::TooltipArgument tooltipArguments[kSwitchlightCount] = {
    tooltipArgument(1, &switchlightTooltipText<0>), tooltipArgument(1, &switchlightTooltipText<1>),
    tooltipArgument(1, &switchlightTooltipText<2>), tooltipArgument(1, &switchlightTooltipText<3>),
    tooltipArgument(1, &switchlightTooltipText<4>)};

constexpr abi::MouseCallback kPresses[kSwitchlightCount] = {
    &family::operate<&pressSwitchlight<0>>, &family::operate<&pressSwitchlight<1>>,
    &family::operate<&pressSwitchlight<2>>, &family::operate<&pressSwitchlight<3>>,
    &family::operate<&pressSwitchlight<4>>};

constexpr std::array<abi::MouseRecord, 3 + 4 * kSwitchlightCount> makeMouse(abi::TooltipArgument* arguments) {
  std::array<abi::MouseRecord, 3 + 4 * kSwitchlightCount> t{};
  std::size_t i = 0;
  t[i++] = mouseGroup();
  for (int p = 0; p < kSwitchlightCount; ++p) {
    const Rect r = switchlightAt(p);
    t[i++] = mouseGroup(r.x, r.y, r.width, r.height);
    t[i++] = mouseTooltip("%1!s!", &arguments[p], 1);
    t[i++] = mouseArea(r.x, r.y, r.width, r.height, abi::kCursorHand, family::kClick, kPresses[p]);
    t[i++] = mouseEndGroup();
  }
  t[i++] = mouseEndGroup();
  t[i++] = mouseEnd();
  return t;
}

constinit auto switchlightsMouse = makeMouse(tooltipArguments);
abi::MouseRecord switchlightsVMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_Annunciators = gaugeHeader("Annunciators", SwitchlightTables<false>::elements,
                                                  switchlightsMouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_Annunciators_V =
    gaugeHeader("Annunciators_V", SwitchlightTables<true>::elements, switchlightsVMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
