// The engine dials of the centre panel (Torque1 ... FF2) and their virtual-cockpit twins: a
// pointer on the dial's scale, a readout of the same value, a tooltip, and (all but fuel flow) a
// test button that drives both to the test value for a second. The torque dials add the ECU's
// reference pointer, the ITT dials the over-temperature light. A gauge and its twin share one
// reading, so a test started on either shows on both.

#include <string>

#include "displays/engine/engine_reading.h"
#include "displays/engine/engine_texts.h"
#include "frame/gauge_registry.h"
#include "gauges/engine/engine_dials_layout.h"
#include "gauges/instruments/instrument_kit.h"
#include "gauges/kit/switch_family.h"
#include "gauges/kit/text_memo.h"

namespace xaq::gauges {

namespace {

using namespace engine_dials;
using displays::EngineReading;
using displays::PropSpeedReading;
using frame::AircraftState;

// One reading per gauge pair member: the engine index is fixed here, the tests start clear.
EngineReading gReadings[kDialCount][2] = {
    {{EngineQuantity::kTorque, 1}, {EngineQuantity::kTorque, 2}},
    {{EngineQuantity::kPropSpeed, 1}, {EngineQuantity::kPropSpeed, 2}},
    {{EngineQuantity::kItt, 1}, {EngineQuantity::kItt, 2}},
    {{EngineQuantity::kNh, 1}, {EngineQuantity::kNh, 2}},
    {{EngineQuantity::kNl, 1}, {EngineQuantity::kNl, 2}},
    {{EngineQuantity::kFuelFlow, 1}, {EngineQuantity::kFuelFlow, 2}},
};
PropSpeedReading gPropSpeed[2] = {PropSpeedReading(1), PropSpeedReading(2)};

EngineReading& readingOf(Dial d, int e) { return d == kPropSpeed ? gPropSpeed[e].reading() : gReadings[d][e]; }

displays::EngineValues engineValues(const AircraftState& a, int e) {
  const frame::HostSamples& s = a.link.samples;
  return {s.torquePct[e], s.propRpm[e], s.propLever[e], s.ittC[e], s.nhPct[e], s.nlPct[e], s.fuelFlowPph[e]};
}

double shownValue(Dial d, int e, const AircraftState& a) {
  const displays::EngineValues v = engineValues(a, e);
  if (d == kPropSpeed) {
    return gPropSpeed[e].read(v.propRpm, v.governorInput, a.link.samples.indicatedAirspeedKt, a.simTimeS());
  }
  return gReadings[d][e].read(displays::engineValueOf(kDials[d].quantity, v), a.simTimeS());
}

template <Dial D, int E>
double XAQ_HOSTCALL pointer(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return displays::heldOnScale(kDials[D].quantity, shownValue(D, E, *a));
}

template <int E>
double XAQ_HOSTCALL torqueReference(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return displays::torqueReferenceShownPct(a->engines.state().referenceTorquePct,
                                           gReadings[kTorque][E].testShowing(a->simTimeS()));
}

template <Dial D, int E>
double XAQ_HOSTCALL readout(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  // Without the aircraft the propeller and fuel flow readouts answer 1, the others 0.
  if (a == nullptr) return D == kPropSpeed || D == kFuelFlow ? 1.0 : 0.0;
  static TextMemo<double, bool> memo;
  const double value = shownValue(D, E, *a);
  const bool powered = instruments::instrumentPower(*a);
  const char* text =
      memo.text([&] { return displays::engineReadoutText(kDials[D].quantity, value, powered); }, value, powered);
  writeText(abi::elementAs<abi::StringElement>(element), text);
  return 0.0;
}

template <int E>
double XAQ_HOSTCALL ittLight(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return displays::ittOverTemperature(shownValue(kItt, E, *a), instruments::instrumentPower(*a)) ? 1.0 : 0.0;
}

// The tooltip argument's buffer: the host copies the text before it asks again.
template <Dial D, int E>
const char* XAQ_HOSTCALL tooltip(double, std::uint32_t, const char*, abi::HostVarRecord*, abi::GaugeHeader*) {
  static char text[80];
  text[0] = '\0';
  const AircraftState* a = aircraft();
  if (a == nullptr) return text;
  const std::string s = displays::engineTooltipText(kDials[D].quantity, E + 1, shownValue(D, E, *a));
  const std::size_t n = s.copy(text, sizeof text - 1);
  text[n] = '\0';
  return text;
}

template <Dial D, int E>
std::int32_t XAQ_HOSTCALL pressTest(abi::PixPoint*, std::uint32_t) {
  if (AircraftState* a = aircraft()) {
    readingOf(D, E).pressTest(a->simTimeS());
    a->effects().sounds.play(26);
  }
  return 0;
}

constexpr TextStyle readoutStyle(Dial d) {
  if (d != kTorque) return instruments::kAmberReadout;
  return {kTorqueReadoutColour, instruments::kReadoutBackground, "Quartz", 400, instruments::kReadoutAlignment};
}

constexpr abi::GaugeHeader* kHeaders[kDialCount][2][2] = {
    {{&gauge_Torque1, &gauge_Torque1_V}, {&gauge_Torque2, &gauge_Torque2_V}},
    {{&gauge_PropRPM1, &gauge_PropRPM1_V}, {&gauge_PropRPM2, &gauge_PropRPM2_V}},
    {{&gauge_ITT1, &gauge_ITT1_V}, {&gauge_ITT2, &gauge_ITT2_V}},
    {{&gauge_NH1, &gauge_NH1_V}, {&gauge_NH2, &gauge_NH2_V}},
    {{&gauge_NL1, &gauge_NL1_V}, {&gauge_NL2, &gauge_NL2_V}},
    {{&gauge_FF1, &gauge_FF1_V}, {&gauge_FF2, &gauge_FF2_V}},
};

template <Dial D, int E, bool Twin>
struct DialTables {
  static constexpr const DialLayout& kDial = kDials[D];
  static constexpr const EngineGaugeLayout& kGauge = Twin ? kDial.twin[E] : kDial.gauge[E];
  static constexpr bool kTest = hasTest(kGauge);
  static constexpr std::size_t kMarks = kDial.markCount;
  static constexpr abi::GaugeHeader* gauge() { return kHeaders[D][E][Twin ? 1 : 0]; }

  static constexpr std::array<abi::ScalePoint, kMarks> makeScale() {
    std::array<abi::ScalePoint, kMarks> out{};
    for (std::size_t i = 0; i < kMarks; ++i) {
      const ScaleMark& m = kDial.marks[i];
      out[i] = abi::ScalePoint{{kGauge.pivot.x + m.point.x, kGauge.pivot.y + m.point.y}, m.value, 0.0};
    }
    return out;
  }

  static inline constinit std::array<abi::ScalePoint, kMarks> scale = makeScale();
  static inline constinit std::array<abi::ScalePoint, kMarks> referenceScale = makeScale();
  static inline constinit std::array<abi::IconElement, Twin ? 0 : 1> overlay = [] {
    std::array<abi::IconElement, Twin ? 0 : 1> out{};
    for (auto& e : out) {
      e = icon(gauge(), kDial.overlayId, {0, 0}, 1, 0, &family::litOverlay, nullptr,
               abi::kImageTransparent | abi::kImageHidden);
    }
    return out;
  }();
  static inline constinit std::array<abi::StaticImageElement, 1> face = {
      staticImage(gauge(), kDial.faceId, pix(facePosition(kDial, kGauge.pivot)), nullptr, abi::kImageTransparent)};
  static inline constinit std::array<abi::StaticImageElement, kTest ? 1 : 0> testButton = [] {
    std::array<abi::StaticImageElement, kTest ? 1 : 0> out{};
    for (auto& e : out) {
      e = staticImage(gauge(), kTestButtonId, pix(testButtonPosition(kGauge.test)), nullptr, abi::kImageTransparent);
    }
    return out;
  }();
  static inline constinit std::array<abi::IconElement, D == kItt ? 1 : 0> light = [] {
    std::array<abi::IconElement, D == kItt ? 1 : 0> out{};
    for (auto& e : out) {
      e = icon(gauge(), kIttLightId, {kGauge.pivot.x + kIttLightOffset.x, kGauge.pivot.y + kIttLightOffset.y}, 2, 0,
               &ittLight<E>, nullptr, abi::kImageTransparent | abi::kImageBright);
    }
    return out;
  }();
  static inline constinit std::array<abi::StringElement, 1> text = {
      gauges::text(gauge(), pix(readoutPosition(kGauge.pivot)), {kReadoutSize.width, kReadoutSize.height}, 8,
                   kDial.variable[E], &readout<D, E>, readoutStyle(D))};
  static inline constinit std::array<abi::NeedleElement, D == kTorque ? 1 : 0> reference = [] {
    std::array<abi::NeedleElement, D == kTorque ? 1 : 0> out{};
    const NeedleLayout bug{kTorqueReferenceId, kGauge.pivot, kTorqueReferenceSize, kTorqueReferencePivot};
    for (auto& e : out) e = needle(gauge(), bug, 0, &torqueReference<E>, referenceScale.data(), kMarks);
    return out;
  }();
  static inline constinit std::array<abi::NeedleElement, 1> pointerNeedle = {
      needle(gauge(), needleAt(kDial.needleId, kGauge.pivot), kDial.variable[E], &pointer<D, E>, scale.data(), kMarks)};
  static inline constinit auto children = family::elementList(overlay, face, testButton, light, text, reference,
                                                              pointerNeedle);
  static inline constinit abi::StaticImageElement background =
      staticImage(gauge(), kGauge.backgroundId, {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};

  // Mouse: the test button first (the host takes the first area under the pointer), then the
  // dial with its reading and, on the main panel, the host's event area.
  static constexpr bool kDialEventArea = kDial.dialEvent && !Twin;
  static constexpr std::size_t kMouseRecords = 3 + (kTest ? 4 : 0) + 3 + (kDialEventArea ? 1 : 0);
  static inline constinit std::array<abi::TooltipArgument, 1> arguments = {
      tooltipArgument(kDial.variable[E], &tooltip<D, E>)};
  static constexpr std::array<abi::MouseRecord, kMouseRecords> makeMouse() {
    std::array<abi::MouseRecord, kMouseRecords> t{};
    std::size_t i = 0;
    t[i++] = mouseGroup();
    if constexpr (kTest) {
      const Rect& r = kGauge.test;
      t[i++] = mouseGroup(r.x, r.y, r.width, r.height);
      t[i++] = mouseTooltip("Test button");
      t[i++] = mouseArea(r.x, r.y, r.width, r.height, abi::kCursorHand, family::kRepeat, &pressTest<D, E>);
      t[i++] = mouseEndGroup();
    }
    const Rect dial = dialRect(kDial, kGauge.pivot);
    t[i++] = mouseGroup(dial.x, dial.y, dial.width, dial.height);
    t[i++] = mouseTooltip("%1!s!", arguments.data(), 1);
    if constexpr (kDialEventArea) {
      t[i++] = mouseEventArea(dial.x, dial.y, dial.width, dial.height, abi::kCursorHand, family::kClick, kDialEvent);
    }
    t[i++] = mouseEndGroup();
    t[i++] = mouseEndGroup();
    t[i++] = mouseEnd();
    return t;
  }
  static inline constinit std::array<abi::MouseRecord, kMouseRecords> mouse = makeMouse();
};

template <Dial D, int E, bool Twin>
constexpr abi::GaugeHeader header() {
  using T = DialTables<D, E, Twin>;
  return gaugeHeader(T::kGauge.name, T::elements, T::mouse.data(), &quietGaugeCallback);
}

}  // namespace

#define XAQ_ENGINE_DIAL(name, dial, engine)                                  \
  abi::GaugeHeader gauge_##name = header<dial, engine, false>();             \
  abi::GaugeHeader gauge_##name##_V = header<dial, engine, true>();
XAQ_ENGINE_DIAL(Torque1, kTorque, 0)
XAQ_ENGINE_DIAL(Torque2, kTorque, 1)
XAQ_ENGINE_DIAL(PropRPM1, kPropSpeed, 0)
XAQ_ENGINE_DIAL(PropRPM2, kPropSpeed, 1)
XAQ_ENGINE_DIAL(ITT1, kItt, 0)
XAQ_ENGINE_DIAL(ITT2, kItt, 1)
XAQ_ENGINE_DIAL(NH1, kNh, 0)
XAQ_ENGINE_DIAL(NH2, kNh, 1)
XAQ_ENGINE_DIAL(NL1, kNl, 0)
XAQ_ENGINE_DIAL(NL2, kNl, 1)
XAQ_ENGINE_DIAL(FF1, kFuelFlow, 0)
XAQ_ENGINE_DIAL(FF2, kFuelFlow, 1)
#undef XAQ_ENGINE_DIAL

}  // namespace xaq::gauges
