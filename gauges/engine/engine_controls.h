#pragma once
// What each engine panel control does and shows: readers give an image index from the engines'
// published state, actions are the engines' operations. The 2D panels and their twins share them.

#include <cstdint>

#include "frame/aircraft_state.h"
#include "gauges/engine/engine_layout.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges::engine {

using frame::AircraftState;

// ---- readers ----

template <int E>
int bypassLight(const AircraftState& a) {
  return a.engines.lights().bypassDoor[E];
}
template <int E>
int ecuModeLight(const AircraftState& a) {
  return a.engines.lights().ecuMode[E];
}
template <int E>
int testHeld(const AircraftState& a) {
  return a.engines.state().autofeatherTestCycles[E] > 0 ? 1 : 0;
}
// The lever's images: centre, held down, held up.
template <int E>
int featherLever(const AircraftState& a) {
  const std::int32_t v = a.engines.state().alternateFeather[E];
  return v > 0 ? 2 : (v < 0 ? 1 : 0);
}
template <int E>
int featherIndicator(const AircraftState& a) {
  return a.engines.state().featherIndicator[E] ? 1 : 0;
}
int ecuRating(const AircraftState& a);
int autofeatherLight(const AircraftState& a);

// ---- actions ----

template <int E>
void toggleBypass(AircraftState& a, Effects& e) {
  a.engines.toggleBypassDoor(E, e);
}
template <int E>
void toggleEcuMode(AircraftState& a, Effects& e) {
  a.engines.toggleEcuMode(E, e);
}
template <int E>
void autofeatherTest(AircraftState& a, Effects& e) {
  a.engines.autofeatherTest(E, e);
}
template <int E, int Direction>
void alternateFeather(AircraftState& a, Effects& e) {
  a.engines.alternateFeather(E, Direction, e);
}
void ecuRatingDown(AircraftState& a, Effects& e);
void ecuRatingUp(AircraftState& a, Effects& e);
void autofeatherArm(AircraftState& a, Effects& e);

// ---- the controls' behaviours ----

struct ControlBehaviour {
  Ctl control;
  family::Areas areas;
  abi::MouseCallback first;   // the single area, or the decreasing half
  abi::MouseCallback second;  // the increasing half
  std::uint32_t flags;
  abi::ValueCallback day;    // switches: the day and night images
  abi::ValueCallback night;
  abi::ValueCallback light;  // switchlights: dark without power
};

template <family::Reader Read>
constexpr ControlBehaviour shows(Ctl c, family::Areas areas, abi::MouseCallback first, abi::MouseCallback second,
                                 std::uint32_t flags) {
  return {c, areas, first, second, flags, &family::dayImage<Read>, &family::nightImage<Read>,
          &family::lightImage<Read>};
}
template <family::Action A, family::Reader Read>
constexpr ControlBehaviour push(Ctl c, std::uint32_t flags = family::kClick) {
  return shows<Read>(c, family::Areas::kOne, &family::operate<A>, nullptr, flags);
}
template <int E>
constexpr ControlBehaviour alternateFeatherSwitch(Ctl c) {
  return shows<&featherLever<E>>(c, family::Areas::kLowerUpper, &family::operate<&alternateFeather<E, -1>>,
                                 &family::operate<&alternateFeather<E, +1>>, family::kRepeat);
}

inline constexpr ControlBehaviour kBehaviours[] = {
    push<&toggleBypass<0>, &bypassLight<0>>(Ctl::kBypassDoor1),
    push<&toggleBypass<1>, &bypassLight<1>>(Ctl::kBypassDoor2),
    shows<&ecuRating>(Ctl::kEcuRating, family::Areas::kLeftRight, &family::operate<&ecuRatingDown>,
                      &family::operate<&ecuRatingUp>, family::kClick),
    push<&toggleEcuMode<0>, &ecuModeLight<0>>(Ctl::kEcuMode1),
    push<&toggleEcuMode<1>, &ecuModeLight<1>>(Ctl::kEcuMode2),
    push<&autofeatherArm, &autofeatherLight>(Ctl::kAutofeatherArm),
    push<&autofeatherTest<0>, &testHeld<0>>(Ctl::kAutofeatherTest1, family::kRepeat),
    push<&autofeatherTest<1>, &testHeld<1>>(Ctl::kAutofeatherTest2, family::kRepeat),
    // The alternate feather switches are pushed up from their upper half, down from the lower.
    alternateFeatherSwitch<0>(Ctl::kAlternateFeather1),
    alternateFeatherSwitch<1>(Ctl::kAlternateFeather2),
};
static_assert(std::size(kBehaviours) == static_cast<std::size_t>(Ctl::kCount));

static_assert(layout::indexedByControl(kBehaviours), "kBehaviours is indexed by Ctl");

inline constexpr abi::ValueCallback kLampImages[] = {&family::lightImage<&featherIndicator<0>>,
                                                    &family::lightImage<&featherIndicator<1>>};
static_assert(std::size(kLampImages) == std::size(kLamps));

}  // namespace xaq::gauges::engine
