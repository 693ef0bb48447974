// The virtual-cockpit heading indicator (`EHSI_V`): the heading display's information as bitmaps
// turning about one pivot (card, heading bug, bearing pointers, course and TO/FROM needles, the
// deviation bar) and readouts, all read from the same values the drawn display shows.

#include <cstdio>
#include <numbers>

#include "common/format_text.h"
#include "common/rounding.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/glass/ehsi_layout.h"
#include "gauges/instruments/instrument_kit.h"
#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges {

namespace {

using displays::EhsiInputs;
using instruments::poweredReadout;
using instruments::ReadoutText;

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

EhsiInputs inputs() {
  const frame::AircraftState* a = aircraft();
  return a != nullptr ? a->ehsiInputs() : EhsiInputs{};
}

double XAQ_HOSTCALL cardValue(abi::ElementHeader*) { return wrap360(360.0 - inputs().headingDeg); }

double XAQ_HOSTCALL bugValue(abi::ElementHeader*) {
  const EhsiInputs in = inputs();
  return wrap360(in.headingBugDeg - in.headingDeg);
}

double XAQ_HOSTCALL courseValue(abi::ElementHeader*) { return displays::courseIndication(inputs()).angleDeg; }

double XAQ_HOSTCALL toFromValue(abi::ElementHeader* element) {
  const displays::CourseIndication c = displays::courseIndication(inputs());
  setHidden(element, c.toFrom == displays::kToFromNone);
  return wrap360(c.angleDeg + (c.toFrom == displays::kToFromFrom ? 180.0 : 0.0));
}

double XAQ_HOSTCALL deviationValue(abi::ElementHeader*) { return displays::courseIndication(inputs()).deviation; }
double XAQ_HOSTCALL deviationTurn(abi::ElementHeader*) { return displays::courseIndication(inputs()).angleDeg; }

template <int Pointer>
double XAQ_HOSTCALL bearingValue(abi::ElementHeader* element) {
  const EhsiInputs in = inputs();
  const auto angle = displays::bearingPointerAngle(in, Pointer);
  setHidden(element, !in.powered || !angle);
  return angle.value_or(0.0);
}

// A readout's text from the values the drawn display shows; the instrument kit blanks it while
// the instrument bus is not powered.
template <void (*Write)(const EhsiInputs&, displays::EhsiReadout&)>
ReadoutText ehsiText(const frame::AircraftState& a, abi::ElementHeader*) {
  displays::EhsiReadout value = "";
  Write(a.ehsiInputs(), value);
  ReadoutText out{};
  formatText(out.data(), out.size(), "%s", value);
  return out;
}

void courseText(const EhsiInputs& in, displays::EhsiReadout& out) {
  const double course = in.fmsSource ? in.fmsDesiredTrackDeg : in.selectedCourseDeg;
  formatText(out, sizeof out, "%03d", displays::headingReadout(course));
}
void bugText(const EhsiInputs& in, displays::EhsiReadout& out) {
  formatText(out, sizeof out, "%03d", displays::headingReadout(in.headingBugDeg));
}
template <int Pointer>
void sourceText(const EhsiInputs& in, displays::EhsiReadout& out) {
  formatText(out, sizeof out, "%s",
                displays::bearingSourceName(Pointer, Pointer == 2 ? in.bearingSource2 : in.bearingSource1));
}

constexpr TextStyle kCyanText{0x00FFFF00, 0x00101010, "Glass Gauge", 400,
                              abi::kTextLeft | abi::kTextVerticalCenter | abi::kTextSingleLine};
constexpr TextStyle kWhiteText{0x00FFFFFF, 0x00101010, "Glass Gauge", 400,
                               abi::kTextLeft | abi::kTextVerticalCenter | abi::kTextSingleLine};
constexpr TextStyle kRightText{0x00FFFF00, 0x00101010, "Glass Gauge", 400,
                               abi::kTextRight | abi::kTextVerticalCenter | abi::kTextSingleLine};

constexpr abi::PixPoint box(layout::Size s) { return {s.width, s.height}; }

constinit abi::NeedleElement twinCard = needle(&gauge_EHSI_V, ehsi::kTwinCard, 0, &cardValue, nullptr, 0);
constinit abi::NeedleElement twinBug = needle(&gauge_EHSI_V, ehsi::kTwinBug, 0, &bugValue, nullptr, 0);
constinit abi::NeedleElement twinBearing2 =
    needle(&gauge_EHSI_V, ehsi::kTwinBearing2, 0, &bearingValue<2>, nullptr, 0);
constinit abi::NeedleElement twinBearing1 =
    needle(&gauge_EHSI_V, ehsi::kTwinBearing1, 0, &bearingValue<1>, nullptr, 0);
constinit abi::SpriteElement twinDeviation =
    sprite(&gauge_EHSI_V, ehsi::kTwinDeviationId, pix(ehsi::kTwinDeviationAt),
           {ehsi::kTwinDeviationSize.width / 2, ehsi::kTwinDeviationSize.height / 2}, 2.0 * ehsi::kTwinDotSpacing,
           &deviationValue, 0.0, nullptr, kRadiansPerDegree, &deviationTurn);
constinit abi::NeedleElement twinCourse = needle(&gauge_EHSI_V, ehsi::kTwinCourse, 0, &courseValue, nullptr, 0);
constinit abi::NeedleElement twinToFrom = needle(&gauge_EHSI_V, ehsi::kTwinToFrom, 0, &toFromValue, nullptr, 0);

constinit abi::StringElement twinCourseText =
    text(&gauge_EHSI_V, pix(ehsi::kTwinCourseTextAt), box(ehsi::kTwinShortTextSize), 8, 0, &poweredReadout<&ehsiText<&courseText>>, kCyanText);
constinit abi::StringElement twinBugText =
    text(&gauge_EHSI_V, pix(ehsi::kTwinBugTextAt), box(ehsi::kTwinShortTextSize), 8, 0, &poweredReadout<&ehsiText<&bugText>>, kCyanText);
constinit abi::StringElement twinDistanceText =
    text(&gauge_EHSI_V, pix(ehsi::kTwinDistanceTextAt), box(ehsi::kTwinTextSize), 16, 0,
         &poweredReadout<&ehsiText<&displays::twinDistanceText>>, kRightText);
constinit abi::StringElement twinSource1Text =
    text(&gauge_EHSI_V, pix(ehsi::kTwinSource1TextAt), box(ehsi::kTwinShortTextSize), 8, 0, &poweredReadout<&ehsiText<&sourceText<1>>>, kWhiteText);
constinit abi::StringElement twinSource2Text =
    text(&gauge_EHSI_V, pix(ehsi::kTwinSource2TextAt), box(ehsi::kTwinShortTextSize), 8, 0, &poweredReadout<&ehsiText<&sourceText<2>>>, kWhiteText);
constinit abi::StringElement twinSpeedText =
    text(&gauge_EHSI_V, pix(ehsi::kTwinSpeedTextAt), box(ehsi::kTwinTextSize), 16, 0,
         &poweredReadout<&ehsiText<&displays::twinSpeedText>>, kRightText);

abi::ElementHeader* const twinFace[] = {
    &twinCard.header,       &twinBug.header,         &twinBearing2.header,    &twinBearing1.header,
    &twinDeviation.header,  &twinCourse.header,      &twinToFrom.header,      &twinCourseText.header,
    &twinBugText.header,    &twinDistanceText.header, &twinSource1Text.header, &twinSource2Text.header,
    &twinSpeedText.header,  nullptr};
constinit abi::StaticImageElement twinBackground =
    staticImage(&gauge_EHSI_V, ehsi::kTwinBackgroundId, {0, 0}, twinFace);
abi::ElementHeader* const twinElements[] = {&twinBackground.header, nullptr};

abi::MouseRecord twinMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_EHSI_V = gaugeHeader("EHSI_V", twinElements, twinMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
