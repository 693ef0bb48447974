// The captain's glareshield panel (`LeftGlareshield`): the cockpit clock's digits and its four
// selectors, and the course and heading knobs with their pointers; the virtual-cockpit clock
// (`Clock_V`) shows the same digits. The digits blank without DC power and dim with the
// brightness selector.

#include <array>
#include <cmath>
#include <cstdio>

#include "common/format_text.h"
#include "displays/glareshield/course_heading_knobs.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/glareshield/clock_layout.h"
#include "gauges/instruments/instrument_kit.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges {

namespace {

using namespace glareshield;
using frame::AircraftState;
using displays::CockpitClock;

// ---- digits ----

template <int Field>
double XAQ_HOSTCALL clockDigits(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  auto* s = abi::elementAs<abi::StringElement>(element);
  if (a == nullptr || !instruments::instrumentPower(*a)) {
    writeText(s, "");
    return 0.0;
  }
  const displays::ClockDigits d = a->clock.digits(a->simTimeS());
  const int value = Field == 0 ? d.hours : Field == 1 ? d.minutes : d.seconds;
  char shown[8];
  formatText(shown, sizeof shown, "%02d", value);
  writeText(s, shown);
  if (s != nullptr) s->foreground = a->clock.digitColour();
  return 0.0;
}

// ---- selectors ----

enum Selector { kMode, kChrono, kRate, kBright };

int position(const CockpitClock& c, Selector s) {
  switch (s) {
    case kMode: return static_cast<int>(c.mode());
    case kChrono: return static_cast<int>(c.chronometer()) - 3;
    case kRate: {
      // The image runs 2x, NORM, 4x from the left.
      const auto r = c.simRate();
      return r == displays::SimRateSelector::kDouble ? 0 : r == displays::SimRateSelector::kNormal ? 1 : 2;
    }
    case kBright: return static_cast<int>(c.brightness()) - 9;
  }
  return 0;
}

template <Selector S>
double XAQ_HOSTCALL selectorImage(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return position(a->clock, S) + (a->nightImages() ? 3 : 0);
}

template <Selector S, int Direction>
std::int32_t XAQ_HOSTCALL moveSelector(abi::PixPoint*, std::uint32_t) {
  AircraftState* a = aircraft();
  if (a == nullptr) return 0;
  Effects fx = a->effects();
  const double t = a->simTimeS();
  CockpitClock& c = a->clock;
  switch (S) {
    case kMode: Direction < 0 ? c.modeDown(fx.sounds) : c.modeUp(fx.sounds); break;
    case kChrono: Direction < 0 ? c.chronometerDown(t, fx.sounds) : c.chronometerUp(t, fx.sounds); break;
    case kRate: Direction < 0 ? c.simRateDown(fx) : c.simRateUp(fx); break;
    case kBright: Direction < 0 ? c.brightnessDown(fx.sounds) : c.brightnessUp(t, fx.sounds); break;
  }
  return 0;
}

template <Selector S>
const char* XAQ_HOSTCALL selectorTooltip(double, std::uint32_t, const char*, abi::HostVarRecord*, abi::GaugeHeader*) {
  const AircraftState* a = aircraft();
  static const CockpitClock kAtStart;
  const CockpitClock& c = a != nullptr ? a->clock : kAtStart;
  switch (S) {
    case kMode: return displays::modeTooltip(c.mode());
    case kChrono: return displays::chronometerTooltip(c.chronometer());
    case kRate: return displays::simRateTooltip(c.simRate());
    case kBright: return displays::brightnessTooltip(c.brightness());
  }
  return "";
}

// ---- knobs ----

// Each pointer follows its own variable through its own limiter.
double courseTarget(const AircraftState&, abi::ElementHeader* element) { return hostValue(element); }
double headingBugTarget(const AircraftState&, abi::ElementHeader* element) { return hostValue(element); }

template <int Direction>
std::int32_t XAQ_HOSTCALL courseKnob(abi::PixPoint*, std::uint32_t flags) {
  if (AircraftState* a = aircraft()) {
    Effects fx = a->effects();
    displays::turnCourseKnob(Direction, (flags & abi::kMouseRightSingle) != 0, fx.events);
  }
  return 0;
}

template <int Direction>
std::int32_t XAQ_HOSTCALL headingKnob(abi::PixPoint*, std::uint32_t flags) {
  if (AircraftState* a = aircraft()) {
    Effects fx = a->effects();
    displays::turnHeadingKnob(Direction, (flags & abi::kMouseRightSingle) != 0, a->link.samples.headingBugDeg,
                              fx.events);
  }
  return 0;
}

template <std::uint32_t Variable>
const char* XAQ_HOSTCALL knobTooltip(double value, std::uint32_t, const char*, abi::HostVarRecord* record,
                                     abi::GaugeHeader*) {
  static char text[40];
  const long deg = std::lround(tooltipValue(value, record));
  formatText(text, sizeof text, Variable == kCourseVariable ? "Course selector: %03ld\xB0" : "Heading selector: %03ld\xB0",
                ((deg % 360) + 360) % 360);
  return text;
}

// ---- tables ----

constexpr TextStyle kDigitStyle{displays::kDigitsBright, 0x00101010, "Quartz", 400,
                                abi::kTextCenter | abi::kTextVerticalCenter | abi::kTextSingleLine};

constexpr abi::StringElement digits(abi::GaugeHeader* g, Point at, abi::ValueCallback cb) {
  return text(g, {at.x, at.y}, {kClockDigitBox.width, kClockDigitBox.height}, 4, 0, cb, kDigitStyle);
}

constexpr abi::IconElement selector(const ClockSelector& s, abi::ValueCallback cb) {
  return icon(&gauge_LeftGlareshield, s.imageId, {s.image.x, s.image.y}, 6, 0, cb);
}

constinit std::array<abi::IconElement, 1> panelOverlay = {
    icon(&gauge_LeftGlareshield, kLeftGlareshieldBackgroundId + 1, {0, 0}, 1, 0, &family::litOverlay, nullptr,
         abi::kImageTransparent | abi::kImageHidden)};
constinit std::array<abi::StringElement, 3> panelDigits = {
    digits(&gauge_LeftGlareshield, kClockDigits[0], &clockDigits<0>),
    digits(&gauge_LeftGlareshield, kClockDigits[1], &clockDigits<1>),
    digits(&gauge_LeftGlareshield, kClockDigits[2], &clockDigits<2>)};
constinit std::array<abi::IconElement, 4> selectors = {
    selector(kModeSelector, &selectorImage<kMode>), selector(kChronometerSelector, &selectorImage<kChrono>),
    selector(kSimRateSelector, &selectorImage<kRate>), selector(kBrightnessSelector, &selectorImage<kBright>)};
constinit std::array<abi::NeedleElement, 2> knobNeedles = {
    needle(&gauge_LeftGlareshield, kHeadingKnobNeedle, kHeadingBugVariable, &instruments::slewedHeading<&headingBugTarget>, nullptr, 0),
    needle(&gauge_LeftGlareshield, kCourseKnobNeedle, kCourseVariable, &instruments::slewedHeading<&courseTarget>, nullptr, 0)};
constinit auto panelChildren = family::elementList(panelOverlay, panelDigits, selectors, knobNeedles);
constinit abi::StaticImageElement panelBackground =
    staticImage(&gauge_LeftGlareshield, kLeftGlareshieldBackgroundId, {0, 0}, panelChildren.data());
abi::ElementHeader* const panelElements[] = {&panelBackground.header, nullptr};

constinit abi::TooltipArgument courseTip[] = {tooltipArgument(kCourseVariable, &knobTooltip<kCourseVariable>)};
constinit abi::TooltipArgument headingTip[] = {tooltipArgument(kHeadingBugVariable, &knobTooltip<kHeadingBugVariable>)};
constinit abi::TooltipArgument modeTip[] = {tooltipArgument(1, &selectorTooltip<kMode>)};
constinit abi::TooltipArgument chronoTip[] = {tooltipArgument(1, &selectorTooltip<kChrono>)};
constinit abi::TooltipArgument rateTip[] = {tooltipArgument(1, &selectorTooltip<kRate>)};
constinit abi::TooltipArgument brightTip[] = {tooltipArgument(1, &selectorTooltip<kBright>)};

constexpr std::uint32_t kSelectorFlags = abi::kMouseLeftSingle | abi::kMouseRepeat;
constexpr std::uint32_t kKnobFlags = abi::kMouseLeftSingle | abi::kMouseRightSingle | abi::kMouseRepeat;

constexpr abi::MouseRecord area(Rect r, abi::MouseCursor cursor, std::uint32_t flags, abi::MouseCallback cb) {
  return mouseArea(r.x, r.y, r.width, r.height, cursor, flags, cb);
}
constexpr Rect both(Rect a, Rect b) {
  const int x = a.x < b.x ? a.x : b.x, y = a.y < b.y ? a.y : b.y;
  const int r = a.x + a.width > b.x + b.width ? a.x + a.width : b.x + b.width;
  const int bottom = a.y + a.height > b.y + b.height ? a.y + a.height : b.y + b.height;
  return {x, y, r - x, bottom - y};
}

#define XAQ_CONTROL(down, up, tip, downCb, upCb, downCursor, upCursor, flags)                         \
  mouseGroup(both(down, up).x, both(down, up).y, both(down, up).width, both(down, up).height),        \
      mouseTooltip("%1!s!", tip, 1), area(down, downCursor, flags, downCb), area(up, upCursor, flags, upCb), \
      mouseEndGroup()

constexpr abi::MouseCursor kLeft = abi::kCursorDown, kRight = abi::kCursorUp;

constinit abi::MouseRecord panelMouse[] = {
    mouseGroup(),
    XAQ_CONTROL(kCourseKnobDown, kCourseKnobUp, courseTip, &courseKnob<-1>, &courseKnob<+1>, kLeft, kRight, kKnobFlags),
    XAQ_CONTROL(kHeadingKnobDown, kHeadingKnobUp, headingTip, &headingKnob<-1>, &headingKnob<+1>, kLeft, kRight,
                kKnobFlags),
    XAQ_CONTROL(kModeSelector.down, kModeSelector.up, modeTip, (&moveSelector<kMode, -1>),
                (&moveSelector<kMode, +1>), abi::kCursorUp, abi::kCursorDown, kSelectorFlags),
    XAQ_CONTROL(kChronometerSelector.down, kChronometerSelector.up, chronoTip, (&moveSelector<kChrono, -1>),
                (&moveSelector<kChrono, +1>), abi::kCursorUp, abi::kCursorDown, kSelectorFlags),
    XAQ_CONTROL(kSimRateSelector.down, kSimRateSelector.up, rateTip, (&moveSelector<kRate, -1>),
                (&moveSelector<kRate, +1>), kLeft, kRight, kSelectorFlags),
    XAQ_CONTROL(kBrightnessSelector.down, kBrightnessSelector.up, brightTip, (&moveSelector<kBright, -1>),
                (&moveSelector<kBright, +1>), kLeft, kRight, kSelectorFlags),
    mouseEndGroup(),
    mouseEnd(),
};
#undef XAQ_CONTROL

// The virtual-cockpit clock: the digits only.
constinit std::array<abi::StringElement, 3> twinDigits = {digits(&gauge_Clock_V, kClockVDigits[0], &clockDigits<0>),
                                                         digits(&gauge_Clock_V, kClockVDigits[1], &clockDigits<1>),
                                                         digits(&gauge_Clock_V, kClockVDigits[2], &clockDigits<2>)};
constinit auto twinChildren = family::elementList(twinDigits);
constinit abi::StaticImageElement twinBackground =
    staticImage(&gauge_Clock_V, kClockVBackgroundId, {0, 0}, twinChildren.data());
abi::ElementHeader* const twinElements[] = {&twinBackground.header, nullptr};
abi::MouseRecord twinMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_LeftGlareshield =
    gaugeHeader("LeftGlareshield", panelElements, panelMouse, &quietGaugeCallback);
abi::GaugeHeader gauge_Clock_V = gaugeHeader("Clock_V", twinElements, twinMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
