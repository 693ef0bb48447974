#pragma once
// What the instrument gauges share: the readout styles, the readout writer that blanks without
// instrument power, and needles that follow their value through their own slew limiter.
//
// Each limiter is a function-local static of its template instance: created on first use with
// value 0, kept for the module's lifetime, and shared by a gauge and its twins (they name the
// same callback, so they show the same value). Without an aircraft every callback returns 0 and
// leaves its limiter alone.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "common/slew_limiter.h"
#include "frame/aircraft_state.h"
#include "gauges/kit/gauge_kit.h"
#include "gauges/kit/switch_layout.h"

namespace xaq::gauges::instruments {

// ---- readout styles ----

inline constexpr std::uint32_t kAmberDigits = 0x002265F1;  // COLORREF
inline constexpr std::uint32_t kWhiteDigits = 0x00F0F0F0;
inline constexpr std::uint32_t kReadoutBackground = 0x00101010;
inline constexpr std::uint32_t kReadoutAlignment = abi::kTextRight | abi::kTextVerticalCenter | abi::kTextSingleLine;

inline constexpr TextStyle kAmberReadout{kAmberDigits, kReadoutBackground, "Quartz", 400, kReadoutAlignment};
inline constexpr TextStyle kWhiteReadout{kWhiteDigits, kReadoutBackground, "Quartz", 400, kReadoutAlignment};

// ---- power ----

// The instrument bus: readouts blank and lights dark without it.
inline bool instrumentPower(const frame::AircraftState& a) { return a.electrical.state().dcPowerAvailable; }

// A readout's text, short enough for every box of the instruments.
using ReadoutText = std::array<char, 24>;
using ReadoutSource = ReadoutText (*)(const frame::AircraftState& a, abi::ElementHeader* element);

// Writes `source`'s text into the string element while the instrument bus is powered, and an
// empty string otherwise (or without an aircraft).
inline double writePoweredText(abi::ElementHeader* element, ReadoutSource source) {
  auto* s = abi::elementAs<abi::StringElement>(element);
  const frame::AircraftState* a = aircraft();
  if (a == nullptr || !instrumentPower(*a)) {
    writeText(s, "");
  } else {
    writeText(s, source(*a, element).data());
  }
  return 0.0;
}

// A readout element's value callback over `Source`.
template <ReadoutSource Source>
double XAQ_HOSTCALL poweredReadout(abi::ElementHeader* element) {
  return writePoweredText(element, Source);
}

// ---- slewed needles ----

// The value a needle aims at, from the aircraft and the element's looked-up host variable.
using NeedleTarget = double (*)(const frame::AircraftState& a, abi::ElementHeader* element);

// Aims `limiter` at `target` (a value that is not a number leaves the aim where it was) and
// steps it on the simulation clock.
template <typename Limiter>
double followTarget(Limiter& limiter, const frame::AircraftState& a, double target) {
  if (std::isfinite(target)) limiter.target = target;
  return limiter.step(a.simTimeS());
}

// A needle's value callback: `Target` through its own limiter of `RatePerSecond`.
template <NeedleTarget Target, double RatePerSecond = 400.0>
double XAQ_HOSTCALL slewedNeedle(abi::ElementHeader* element) {
  const frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  static SlewLimiter limiter{RatePerSecond};
  return followTarget(limiter, *a, Target(*a, element));
}

// The same for headings and bearings: the limiter moves the short way round [0, 360).
template <NeedleTarget Target, double RatePerSecond = 400.0>
double XAQ_HOSTCALL slewedHeading(abi::ElementHeader* element) {
  const frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  static AngleSlewLimiter limiter{RatePerSecond};
  return followTarget(limiter, *a, Target(*a, element));
}

// ---- tooltips ----

// A tooltip argument's text callback over `Text` of the value the host looked up into the
// argument's record, written into the callback's own buffer (the host copies it before it asks
// again). Without an aircraft the text is empty: the host always gets a text to copy.
template <std::size_t N>
using TooltipSource = std::array<char, N> (*)(double value);

template <std::size_t N, TooltipSource<N> Text>
const char* XAQ_HOSTCALL hostValueTooltip(double value, std::uint32_t, const char*, abi::HostVarRecord* record,
                                          abi::GaugeHeader*) {
  static std::array<char, N> buffer{};
  if (aircraft() == nullptr) {
    buffer[0] = '\0';
  } else {
    buffer = Text(tooltipValue(value, record));
  }
  return buffer.data();
}

// ---- the DH set knob ----

// One step of the decision height (10 ft, held within 0 ... 990).
template <int Direction>
std::int32_t XAQ_HOSTCALL turnDhKnob(abi::PixPoint*, std::uint32_t) {
  if (frame::AircraftState* a = aircraft()) a->efisControls.stepDecisionHeight(Direction);
  return 0;
}

// The knob's mouse group: under its tooltip, the left half steps down and the right half up,
// left click repeating. The group spans both halves.
constexpr std::array<abi::MouseRecord, 5> dhKnobGroup(layout::Rect down, layout::Rect up, const char* tooltip) {
  constexpr std::uint32_t kRepeat = abi::kMouseLeftSingle | abi::kMouseRepeat;
  const std::int32_t top = std::min(down.y, up.y);
  const std::int32_t bottom = std::max(down.y + down.height, up.y + up.height);
  return {
      mouseGroup(down.x, top, up.x + up.width - down.x, bottom - top),
      mouseTooltip(tooltip),
      mouseArea(down.x, down.y, down.width, down.height, abi::kCursorDown, kRepeat, &turnDhKnob<-1>),
      mouseArea(up.x, up.y, up.width, up.height, abi::kCursorUp, kRepeat, &turnDhKnob<+1>),
      mouseEndGroup(),
  };
}

// A mouse table put together from its parts, in order.
template <std::size_t... N>
constexpr std::array<abi::MouseRecord, (N + ...)> mouseRecords(const std::array<abi::MouseRecord, N>&... parts) {
  std::array<abi::MouseRecord, (N + ...)> table{};
  std::size_t i = 0;
  ((std::copy(parts.begin(), parts.end(), table.begin() + static_cast<std::ptrdiff_t>(i)), i += N), ...);
  return table;
}

// The element's own host variable as the needle's target.
inline double hostVariable(const frame::AircraftState&, abi::ElementHeader* element) { return hostValue(element); }

}  // namespace xaq::gauges::instruments
