// The horizontal situation indicator (`HSI`) and its virtual-cockpit twin (`HSI_V`). The card,
// course pointer, heading bug and TO/FROM arrow turn about one pivot relative to the gyro
// heading; the deviation bar turns with the course and slides across it; with the flight
// management as navigation source its desired track, cross-track and distance take the NAV1
// receiver's place. The twins share every callback and limiter.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/rounding.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/instruments/hsi_inputs.h"
#include "gauges/instruments/hsi_layout.h"
#include "gauges/instruments/instrument_kit.h"
#include "gauges/kit/gauge_kit.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges {

namespace {

using frame::AircraftState;
using instruments::followTarget;
using namespace hsi;

constexpr double kRatePerS = 400.0;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr std::uint32_t kFaceEvent = 65907;

AngleSlewLimiter gCard{kRatePerS};
AngleSlewLimiter gCourse{kRatePerS};
AngleSlewLimiter gBug{kRatePerS};
AngleSlewLimiter gArrow{kRatePerS};
SlewLimiter gDeviation{kRatePerS};
SlewLimiter gGlideslope{kRatePerS};


// Everything that turns with the card reads the gyro heading from its own record; the
// deviation and the readouts do not depend on the heading.
displays::HsiPicture picture(const AircraftState& a, double headingDeg = 0.0) {
  return displays::hsiPicture(instruments::hsiInputs(a, headingDeg));
}

double XAQ_HOSTCALL cardValue(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  return a != nullptr ? followTarget(gCard, *a, wrap360(360.0 - hostValue(element))) : 0.0;
}

double XAQ_HOSTCALL courseValue(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  return a != nullptr ? followTarget(gCourse, *a, picture(*a, hostValue(element)).courseDeg) : 0.0;
}

double XAQ_HOSTCALL bugValue(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return followTarget(gBug, *a, wrap360(a->link.samples.headingBugDeg - hostValue(element)));
}

double XAQ_HOSTCALL arrowValue(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  const displays::HsiPicture p = picture(*a, hostValue(element));
  setHidden(element, !p.arrowShown);
  return followTarget(gArrow, *a, p.arrowDeg);
}

double XAQ_HOSTCALL deviationValue(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  return a != nullptr ? followTarget(gDeviation, *a, picture(*a).deviation) : 0.0;
}

// The bar turns with the course pointer.
double XAQ_HOSTCALL deviationTurn(abi::ElementHeader*) {
  return aircraft() != nullptr ? gCourse.current : 0.0;
}

double XAQ_HOSTCALL glideslopeValue(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  setHidden(element, !a->link.samples.glideslopeReceived);
  return followTarget(gGlideslope, *a, std::clamp(a->link.samples.glideslopeDeviation, -127.0, 127.0));
}

double XAQ_HOSTCALL navFlagValue(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  return a == nullptr || picture(*a).navFlagInView ? 1.0 : 0.0;
}

double XAQ_HOSTCALL courseText(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  auto* s = abi::elementAs<abi::StringElement>(element);
  writeText(s, a != nullptr ? displays::hsiCourseText(instruments::hsiInputs(*a, 0.0)).data() : "");
  return 0.0;
}

double XAQ_HOSTCALL distanceText(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  auto* s = abi::elementAs<abi::StringElement>(element);
  writeText(s, a != nullptr ? displays::hsiDistanceText(instruments::hsiInputs(*a, 0.0)).data() : "");
  return 0.0;
}

constexpr abi::NeedleElement turning(abi::GaugeHeader* gauge, std::uint32_t id, Point pivot, Size size,
                                     abi::ValueCallback callback) {
  return needle(gauge, layout::NeedleLayout{id, pivot, size, {size.width / 2, size.height / 2}}, kHeadingVariable,
                callback, nullptr, 0);
}

// One HSI's moving parts in drawing order: card, bug, course pointer, deviation bar, arrow,
// glideslope pointer, NAV flag, readouts.
template <const Geometry& G, abi::GaugeHeader* Gauge>
struct HsiTables {
  static inline constinit std::array<abi::NeedleElement, 3> dials = {
      turning(Gauge, kCardId, G.pivot, kCardSize, &cardValue),
      turning(Gauge, kHeadingBugId, G.pivot, kBugSize, &bugValue),
      turning(Gauge, kCoursePointerId, G.pivot, kPointerSize, &courseValue)};
  static inline constinit std::array<abi::SpriteElement, 1> bar = {
      sprite(Gauge, kDeviationBarId, pix(G.deviationBar), {kDeviationTexture.width / 2, kDeviationTexture.height / 2},
             kPixelsPerDeviation, &deviationValue, 0.0, nullptr, kRadiansPerDegree, &deviationTurn)};
  static inline constinit std::array<abi::NeedleElement, 1> arrow = {
      turning(Gauge, kToFromArrowId, G.pivot, kArrowSize, &arrowValue)};
  static inline constinit std::array<abi::SliderElement, 1> glideslope = {
      slider(Gauge, kGlideslopePointerId, pix(G.glideslope), 0.0, nullptr, kPixelsPerDeviation, &glideslopeValue)};
  static inline constinit std::array<abi::IconElement, 1> flag = {
      icon(Gauge, kNavFlagId, pix(G.navFlag), 2, 0, &navFlagValue)};
  static inline constinit std::array<abi::StringElement, 2> readouts = {
      text(Gauge, {G.course.x, G.course.y}, {G.course.width, G.course.height}, 8, 45, &courseText,
           instruments::kAmberReadout),
      text(Gauge, {G.distance.x, G.distance.y}, {G.distance.width, G.distance.height}, 8, 31, &distanceText,
           instruments::kAmberReadout)};
};

using MainTables = HsiTables<kMain, &gauge_HSI>;
using TwinTables = HsiTables<kTwin, &gauge_HSI_V>;

constinit std::array<abi::IconElement, 1> hsiNight = {icon(&gauge_HSI, kMain.nightId, {0, 0}, 1, 0,
                                                           &family::litOverlay, nullptr,
                                                           abi::kImageTransparent | abi::kImageHidden)};
constinit auto hsiChildren = family::elementList(hsiNight, MainTables::dials, MainTables::bar, MainTables::arrow,
                                                 MainTables::glideslope, MainTables::flag, MainTables::readouts);
constinit abi::StaticImageElement hsiBackground = staticImage(&gauge_HSI, kMain.backgroundId, {0, 0}, hsiChildren.data());
abi::ElementHeader* const hsiElements[] = {&hsiBackground.header, nullptr};

constinit auto hsiVChildren = family::elementList(TwinTables::dials, TwinTables::bar, TwinTables::arrow,
                                                  TwinTables::glideslope, TwinTables::flag, TwinTables::readouts);
constinit abi::StaticImageElement hsiVBackground =
    staticImage(&gauge_HSI_V, kTwin.backgroundId, {0, 0}, hsiVChildren.data());
abi::ElementHeader* const hsiVElements[] = {&hsiVBackground.header, nullptr};

constexpr Rect kDown = kMain.dhDown;
constexpr Rect kUp = kMain.dhUp;
constexpr Rect kFace = kMain.face;
constexpr Rect kTwinFace = kTwin.face;

constinit auto hsiMouse = instruments::mouseRecords(
    std::array{mouseGroup(), mouseTooltip("Horizontal Situation Indicator")},
    instruments::dhKnobGroup(kDown, kUp, "eek DH set knob"),
    std::array{
        mouseEventArea(kFace.x, kFace.y, kFace.width, kFace.height, abi::kCursorHand, abi::kMouseLeftSingle,
                       kFaceEvent),
        mouseEndGroup(),
        mouseEnd(),
    });
abi::MouseRecord hsiVMouse[] = {
    mouseGroup(),
    mouseTooltip("Horizontal Situation Indicator"),
    mouseEventArea(kTwinFace.x, kTwinFace.y, kTwinFace.width, kTwinFace.height, abi::kCursorHand,
                   abi::kMouseLeftSingle, kFaceEvent),
    mouseEndGroup(),
    mouseEnd(),
};

}  // namespace

abi::GaugeHeader gauge_HSI = gaugeHeader("HSI", hsiElements, hsiMouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_HSI_V = gaugeHeader("HSI_V", hsiVElements, hsiVMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
