#pragma once
// The switch gauge family: panels of switches, selectors, push buttons and lights. A panel is
// one background with its lit overlay, a pair of images (day and night) for every switch, a
// light image for every indicator and a mouse table with one group per control.
//
// - A switch's day and night images share a place; each hides itself when it is the wrong one
//   for the panel lighting and shows the switch's position as its image index (`Reader`).
// - An indicator light shows 0 (dark) while the panel has no DC power, else its state.
// - A control's group carries its tooltip and one area (toggle, push) or two halves (a selector's
//   decrease on the left or lower half with cursor 2, increase on the other with cursor 1).
//   Momentaries and continuous knobs repeat while the button is held.
// - An area may also name a host event with no callback: the host triggers it, no sound plays.
// Every callback acts through an `Action` on the aircraft with its effects doors.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/effects.h"
#include "gauges/kit/gauge_kit.h"
#include "gauges/kit/switch_layout.h"
#include "systems/electrical/electrical_state.h"

namespace xaq::gauges::family {

// The panel lighting's night-images flag: the one place the family reads it.
bool nightImages(const frame::AircraftState& a);
// The panel's power flag: lights are dark and readouts blank without it.
bool dcPowerAvailable(const frame::AircraftState& a);
// What the electrical system publishes, for the meters.
const systems::ElectricalState& electricalState(const frame::AircraftState& a);

using Reader = int (*)(const frame::AircraftState& a);
using Action = void (*)(frame::AircraftState& a, Effects& effects);

// The value callbacks behind the templates: hide the wrong image, return the index.
double showSwitchImage(abi::ElementHeader* element, bool nightImage, Reader read);
double showLight(abi::ElementHeader* element, Reader read);
void runAction(Action action);

template <Reader Read>
double XAQ_HOSTCALL dayImage(abi::ElementHeader* element) {
  return showSwitchImage(element, false, Read);
}
template <Reader Read>
double XAQ_HOSTCALL nightImage(abi::ElementHeader* element) {
  return showSwitchImage(element, true, Read);
}
template <Reader Read>
double XAQ_HOSTCALL lightImage(abi::ElementHeader* element) {
  return showLight(element, Read);
}
// The panel's lit overlay: shown only with the night images.
double XAQ_HOSTCALL litOverlay(abi::ElementHeader* element);

template <Action A>
std::int32_t XAQ_HOSTCALL operate(abi::PixPoint*, std::uint32_t) {
  runAction(A);
  return 0;
}

// ---- elements ----

// A switch's day image and night image at `at`; the night one starts hidden.
constexpr std::array<abi::IconElement, 2> switchPair(abi::GaugeHeader* gauge, const layout::SwitchImages& art,
                                                     layout::Point at, abi::ValueCallback day,
                                                     abi::ValueCallback night) {
  return {icon(gauge, art.dayId, pix(at), art.count, 0, day),
          icon(gauge, art.nightId, pix(at), art.count, 0, night, nullptr,
               abi::kImageTransparent | abi::kImageHidden)};
}

// An indicator light at `at`: lights stay bright at night.
constexpr abi::IconElement light(abi::GaugeHeader* gauge, const layout::SwitchImages& art, layout::Point at,
                                 abi::ValueCallback callback) {
  return icon(gauge, art.dayId, pix(at), art.count, 0, callback, nullptr,
              abi::kImageTransparent | abi::kImageBright);
}

// The null-terminated child list of every element in the given arrays, in order.
template <typename... Arrays>
constexpr auto elementList(Arrays&... arrays) {
  std::array<abi::ElementHeader*, (std::tuple_size_v<Arrays> + ... + 1)> list{};
  std::size_t i = 0;
  auto add = [&](auto& elements) {
    for (auto& e : elements) list[i++] = &e.header;
  };
  (add(arrays), ...);
  list[i] = nullptr;
  return list;
}

// ---- mouse tables ----

enum class Areas : std::int32_t {
  kOne,          // one area: toggles and pushes (cursor 5)
  kLeftRight,    // left half decreases, right half increases
  kLowerUpper,   // lower half decreases, upper half increases
  kHostEvent,    // no group, no callback: the host triggers `event`
  kTooltipOnly,  // a group with its tooltip and nothing to click (a dial's reading)
};

inline constexpr std::uint32_t kClick = abi::kMouseLeftSingle;
inline constexpr std::uint32_t kRepeat = abi::kMouseLeftSingle | abi::kMouseRepeat;

struct Control {
  layout::Rect rect;
  const char* tooltip = nullptr;
  Areas areas = Areas::kOne;
  abi::MouseCallback first = nullptr;   // the single area, or the decreasing half
  abi::MouseCallback second = nullptr;  // the increasing half
  std::uint32_t flags = kClick;
  std::uint32_t event = 0;              // kHostEvent only
  // A tooltip with inserts ("%1!s!"): the host fills each argument's record first.
  abi::TooltipArgument* arguments = nullptr;
  std::uint32_t argumentCount = 0;
};

constexpr Control readingTooltip(layout::Rect rect, const char* tooltip, abi::TooltipArgument* arguments,
                                 std::uint32_t argumentCount) {
  return {rect, tooltip, Areas::kTooltipOnly, nullptr, nullptr, kClick, 0, arguments, argumentCount};
}

constexpr Control hostEventStrip(layout::Rect rect, std::uint32_t event) {
  return {rect, nullptr, Areas::kHostEvent, nullptr, nullptr, kClick, event};
}

// Records a table of these controls takes: the outer group and its end, the end record, and per
// control its group, tooltip, areas and group end.
constexpr std::size_t mouseRecordCount(std::span<const Control> controls) {
  std::size_t n = 3;
  for (const Control& c : controls) {
    if (c.areas == Areas::kHostEvent) {
      n += 1;
    } else if (c.areas == Areas::kTooltipOnly) {
      n += 3;
    } else {
      n += c.areas == Areas::kOne ? 4 : 5;
    }
  }
  return n;
}

template <std::size_t M>
constexpr std::array<abi::MouseRecord, M> mouseTable(std::span<const Control> controls) {
  std::array<abi::MouseRecord, M> t{};
  std::size_t i = 0;
  t[i++] = mouseGroup();
  for (const Control& c : controls) {
    const layout::Rect& r = c.rect;
    if (c.areas == Areas::kHostEvent) {
      t[i++] = mouseEventArea(r.x, r.y, r.width, r.height, abi::kCursorHand, c.flags, c.event);
      continue;
    }
    t[i++] = mouseGroup(r.x, r.y, r.width, r.height);
    t[i++] = mouseTooltip(c.tooltip, c.arguments, c.argumentCount);
    if (c.areas == Areas::kOne) {
      t[i++] = mouseArea(r.x, r.y, r.width, r.height, abi::kCursorHand, c.flags, c.first);
    } else if (c.areas == Areas::kLeftRight) {
      const int half = r.width / 2;
      t[i++] = mouseArea(r.x, r.y, half, r.height, abi::kCursorDown, c.flags, c.first);
      t[i++] = mouseArea(r.x + half, r.y, r.width - half, r.height, abi::kCursorUp, c.flags, c.second);
    } else if (c.areas == Areas::kLowerUpper) {
      const int half = r.height / 2;
      t[i++] = mouseArea(r.x, r.y, r.width, half, abi::kCursorUp, c.flags, c.second);
      t[i++] = mouseArea(r.x, r.y + half, r.width, r.height - half, abi::kCursorDown, c.flags, c.first);
    }
    t[i++] = mouseEndGroup();
  }
  t[i++] = mouseEndGroup();
  t[i++] = mouseEnd();
  return t;
}

}  // namespace xaq::gauges::family
