// The altitude preselect controller (`AltSel`) and its virtual-cockpit twin (`AltSelector_V`,
// the readouts only): the hundreds of feet beside a fixed "00", both blank without DC power;
// the knob's left half turns the preselected altitude down and its right half up, 100 ft a step
// with the left button and 1000 ft with the right, repeating while held.

#include <array>
#include <cstdio>

#include "common/format_text.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/glareshield/altsel_layout.h"
#include "gauges/glareshield/glareshield_tables.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges {

namespace {

using namespace glareshield;
using frame::AircraftState;

double XAQ_HOSTCALL hundredsText(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  auto* s = abi::elementAs<abi::StringElement>(element);
  if (a == nullptr || !family::dcPowerAvailable(*a)) {
    writeText(s, "");
  } else {
    writeText(s, guidance::altitudePreselectText(a->altitudePreselector.valueFt()).data());
  }
  return 0.0;
}

double XAQ_HOSTCALL zerosText(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  writeText(abi::elementAs<abi::StringElement>(element), a != nullptr && family::dcPowerAvailable(*a) ? "00" : "");
  return 0.0;
}

template <int Direction>
std::int32_t XAQ_HOSTCALL turnKnob(abi::PixPoint*, std::uint32_t flags) {
  if (AircraftState* a = aircraft()) a->altitudePreselector.step(Direction, (flags & abi::kMouseRightSingle) != 0);
  return 0;
}

// The tooltip argument's buffer: the host copies the text before it asks again.
const char* XAQ_HOSTCALL preselectTooltip(double, std::uint32_t, const char*, abi::HostVarRecord*, abi::GaugeHeader*) {
  static char text[48];
  const AircraftState* a = aircraft();
  formatText(text, sizeof text, "Altitude preselect controller: %d FT",
                a != nullptr ? static_cast<int>(a->altitudePreselector.valueFt()) : 0);
  return text;
}

constexpr TextStyle kDigits{kAltSelDigitColour, 0x00101010, "Quartz", 400,
                            abi::kTextRight | abi::kTextVerticalCenter | abi::kTextSingleLine};
constexpr TextStyle kZeros{kAltSelDigitColour, 0x00101010, "Quartz", 400,
                           abi::kTextLeft | abi::kTextVerticalCenter | abi::kTextSingleLine};

template <bool Vc>
struct AltSelTables {
  static constexpr abi::GaugeHeader* gauge() { return Vc ? &gauge_AltSelector_V : &gauge_AltSel; }
  static constexpr Rect kHundreds = Vc ? kAltSelectorVHundreds : kAltSelHundreds;
  static constexpr Rect kZerosBox = Vc ? kAltSelectorVZeros : kAltSelZeros;

  static inline constinit std::array<abi::StringElement, 2> readouts = {
      text(gauge(), {kHundreds.x, kHundreds.y}, {kHundreds.width, kHundreds.height}, 8, 0, &hundredsText, kDigits),
      text(gauge(), {kZerosBox.x, kZerosBox.y}, {kZerosBox.width, kZerosBox.height}, 4, 0, &zerosText, kZeros)};
};

constinit std::array<abi::IconElement, 1> altSelOverlay = {icon(&gauge_AltSel, kAltSelOverlayId, {0, 0}, 1, 0,
                                                                &family::litOverlay, nullptr,
                                                                abi::kImageTransparent | abi::kImageHidden)};
constinit auto altSelChildren = family::elementList(altSelOverlay, AltSelTables<false>::readouts);
constinit abi::StaticImageElement altSelBackground =
    staticImage(&gauge_AltSel, kAltSelBackgroundId, {0, 0}, altSelChildren.data());
abi::ElementHeader* const altSelElements[] = {&altSelBackground.header, nullptr};

constinit abi::TooltipArgument preselectArgument[1] = {tooltipArgument(1, &preselectTooltip)};
constexpr std::uint32_t kKnobFlags = abi::kMouseLeftSingle | abi::kMouseRightSingle | abi::kMouseRepeat;
constexpr Rect kDown = kAltSelKnobDown;
constexpr Rect kUp = kAltSelKnobUp;
constinit abi::MouseRecord altSelMouse[] = {
    mouseGroup(),
    mouseTooltip("%1!s!", preselectArgument, 1),
    mouseArea(kDown.x, kDown.y, kDown.width, kDown.height, abi::kCursorDown, kKnobFlags, &turnKnob<-1>),
    mouseArea(kUp.x, kUp.y, kUp.width, kUp.height, abi::kCursorUp, kKnobFlags, &turnKnob<+1>),
    mouseEndGroup(),
    mouseEnd(),
};

constinit auto altSelectorVChildren = family::elementList(AltSelTables<true>::readouts);
constinit abi::StaticImageElement altSelectorVBackground =
    staticImage(&gauge_AltSelector_V, kAltSelectorVBackgroundId, {0, 0}, altSelectorVChildren.data());
abi::ElementHeader* const altSelectorVElements[] = {&altSelectorVBackground.header, nullptr};
abi::MouseRecord altSelectorVMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_AltSel = gaugeHeader("AltSel", altSelElements, altSelMouse, &quietGaugeCallback);
abi::GaugeHeader gauge_AltSelector_V =
    gaugeHeader("AltSelector_V", altSelectorVElements, altSelectorVMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
