// The attitude director indicator (`ADI`) and its virtual-cockpit twin (`ADI_V`): the sphere and
// bank pointer at 70 degrees a second, the flight-director bars from the flight guidance's
// commands, the localizer (or the flight management's cross-track), glideslope and fast/slow
// pointers, the inclinometer, the DH and test lights and the radio-altitude and DH readouts.
// The twins share every callback and limiter.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/instruments/adi_layout.h"
#include "gauges/instruments/director_pointers.h"
#include "gauges/instruments/instrument_kit.h"
#include "gauges/kit/gauge_kit.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges {

namespace {

using frame::AircraftState;
using instruments::followTarget;
using instruments::slewedPointer;
using namespace adi;

constexpr double kAttitudeRateDegPerS = 70.0;
constexpr double kPointerRatePerS = 400.0;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr std::uint32_t kFaceEvent = 65907;

SlewLimiter gSpherePitch{kAttitudeRateDegPerS};
SlewLimiter gSphereBank{kAttitudeRateDegPerS};
SlewLimiter gBankNeedle{kAttitudeRateDegPerS};
SlewLimiter gPitchBar{kPointerRatePerS};
SlewLimiter gRollBar{kPointerRatePerS};
SlewLimiter gLocalizer{kPointerRatePerS};
SlewLimiter gGlideslope{kPointerRatePerS};
SlewLimiter gFastSlow{kPointerRatePerS};


const frame::HostSamples& samples(const AircraftState& a) { return a.link.samples; }

double XAQ_HOSTCALL spherePitch(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return followTarget(gSpherePitch, *a,
                      displays::spherePitchTargetDeg(samples(*a).pitchDeg, a->attitudeTest.pressed()));
}

double XAQ_HOSTCALL sphereTurn(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return -followTarget(gSphereBank, *a,
                       displays::sphereBankTargetDeg(samples(*a).bankDeg, a->attitudeTest.pressed()));
}

double XAQ_HOSTCALL bankNeedle(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return followTarget(gBankNeedle, *a,
                      displays::sphereBankTargetDeg(samples(*a).bankDeg, a->attitudeTest.pressed()));
}

// The ball as the host gives it, through the slider's own record.
double XAQ_HOSTCALL ball(abi::ElementHeader* element) {
  auto* s = abi::elementAs<abi::SliderElement>(element);
  if (aircraft() == nullptr || s == nullptr || !std::isfinite(s->xVariable.value)) return 0.0;
  return std::clamp(s->xVariable.value, -127.0, 127.0);
}

int decisionHeightFt(const AircraftState& a) { return a.efisControls.settings().decisionHeightFt; }

double XAQ_HOSTCALL dhLight(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return displays::decisionHeightLight(instruments::instrumentPower(*a), decisionHeightFt(*a),
                                       samples(*a).radioAltitudeFt, samples(*a).verticalSpeedFpm)
             ? 1.0
             : 0.0;
}

double XAQ_HOSTCALL testLight(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  return a != nullptr && instruments::instrumentPower(*a) && a->attitudeTest.pressed() ? 1.0 : 0.0;
}

double XAQ_HOSTCALL testFlag(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  return a != nullptr && a->attitudeTest.pressed() ? 1.0 : 0.0;
}

double XAQ_HOSTCALL radioAltitudeText(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  auto* s = abi::elementAs<abi::StringElement>(element);
  if (a == nullptr) {
    writeText(s, "");
  } else {
    writeText(s, displays::radioAltitudeText(instruments::instrumentPower(*a), samples(*a).radioAltitudeFt).data());
  }
  return 0.0;
}

double XAQ_HOSTCALL decisionHeightText(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  auto* s = abi::elementAs<abi::StringElement>(element);
  if (a == nullptr) {
    writeText(s, "");
  } else {
    writeText(s, displays::decisionHeightText(instruments::instrumentPower(*a), decisionHeightFt(*a)).data());
  }
  return 0.0;
}

std::int32_t XAQ_HOSTCALL pressTest(abi::PixPoint*, std::uint32_t) {
  if (AircraftState* a = aircraft()) a->attitudeTest.press(a->simTimeS(), samples(*a).pitchDeg, samples(*a).bankDeg);
  return 0;
}

constexpr std::uint32_t kLit = abi::kImageTransparent | abi::kImageBright;

// One ADI's moving parts over the sphere and the face, in drawing order.
template <abi::GaugeHeader* Gauge>
struct AdiTables {
  static inline constinit std::array<abi::SpriteElement, 1> sphere = {
      sprite(Gauge, kSphereId, pix(kSphereAt), {kSphereTexture.width / 2, kSphereTexture.height / 2}, 0.0, nullptr,
             -kSpherePixelsPerDegree, &spherePitch, kRadiansPerDegree, &sphereTurn)};
  static inline constinit std::array<abi::NeedleElement, 1> bank = {
      needle(Gauge, layout::NeedleLayout{kBankNeedleId, kPivot, kBankNeedleSize,
                                         {kBankNeedleSize.width / 2, kBankNeedleSize.height / 2}},
             79, &bankNeedle, nullptr, 0)};
  static inline constinit std::array<abi::SliderElement, 6> pointers = {
      slider(Gauge, kPitchBarId, pix(kPitchBarAt), 0.0, nullptr, kBarTravelPx,
             &slewedPointer<&instruments::pitchBarPointer, gPitchBar>),
      slider(Gauge, kRollBarId, pix(kRollBarAt), kBarTravelPx, &slewedPointer<&instruments::rollBarPointer, gRollBar>,
             0.0, nullptr),
      slider(Gauge, kLocalizerId, pix(kLocalizerAt), kLocalizerTravelPx / 127.0,
             &slewedPointer<&instruments::localizerPointer, gLocalizer>, 0.0, nullptr),
      slider(Gauge, kGlideslopeId, pix(kGlideslopeAt), 0.0, nullptr, kGlideslopeTravelPx / 127.0,
             &slewedPointer<&instruments::glideslopePointer, gGlideslope>),
      slider(Gauge, kFastSlowId, pix(kFastSlowAt), 0.0, nullptr, -kFastSlowPxPerKt,
             &slewedPointer<&instruments::fastSlowPointer, gFastSlow>),
      [] {
        abi::SliderElement e = slider(Gauge, kBallId, pix(kBallAt), kBallTravelPx / 127.0, &ball, 0.0, nullptr);
        e.xVariable = variable(69);
        return e;
      }()};
  static inline constinit std::array<abi::IconElement, 3> lights = {
      icon(Gauge, kDhLightId, pix(kDhLightAt), 2, 0, &dhLight, nullptr, kLit),
      icon(Gauge, kTestLightId, pix(kTestLightAt), 2, 0, &testLight, nullptr, kLit),
      icon(Gauge, kTestFlagId, pix(kTestFlagAt), 2, 0, &testFlag)};
  static inline constinit std::array<abi::StringElement, 2> readouts = {
      text(Gauge, pix(kRadioAltitude.origin()), {kRadioAltitude.width, kRadioAltitude.height}, 8, 614,
           &radioAltitudeText, instruments::kAmberReadout),
      text(Gauge, pix(kDecisionHeight.origin()), {kDecisionHeight.width, kDecisionHeight.height}, 8, 0,
           &decisionHeightText, instruments::kAmberReadout)};
};

using MainTables = AdiTables<&gauge_ADI>;
using TwinTables = AdiTables<&gauge_ADI_V>;

constinit std::array<abi::StaticImageElement, 1> adiFace = {staticImage(&gauge_ADI, kFaceId, {0, 0}, nullptr,
                                                                        abi::kImageTransparent)};
constinit std::array<abi::IconElement, 1> adiNight = {icon(&gauge_ADI, kNightFaceId, {0, 0}, 1, 0,
                                                           &family::litOverlay, nullptr,
                                                           abi::kImageTransparent | abi::kImageHidden)};
constinit auto adiChildren = family::elementList(MainTables::sphere, adiFace, adiNight, MainTables::bank,
                                                 MainTables::pointers, MainTables::lights, MainTables::readouts);
constinit abi::StaticImageElement adiBackground = staticImage(&gauge_ADI, kBackgroundId, {0, 0}, adiChildren.data());
abi::ElementHeader* const adiElements[] = {&adiBackground.header, nullptr};

constinit std::array<abi::StaticImageElement, 1> adiVFace = {staticImage(&gauge_ADI_V, kFaceId, {0, 0}, nullptr,
                                                                         abi::kImageTransparent)};
constinit auto adiVChildren = family::elementList(TwinTables::sphere, adiVFace, TwinTables::bank,
                                                  TwinTables::pointers, TwinTables::lights, TwinTables::readouts);
constinit abi::StaticImageElement adiVBackground =
    staticImage(&gauge_ADI_V, kTwinBackgroundId, {0, 0}, adiVChildren.data());
abi::ElementHeader* const adiVElements[] = {&adiVBackground.header, nullptr};

constexpr std::uint32_t kRepeat = abi::kMouseLeftSingle | abi::kMouseRepeat;

constinit auto adiMouse = instruments::mouseRecords(
    std::array{
        mouseGroup(),
        mouseTooltip("Attitude director indicator"),
        mouseGroup(kTestSwitch.x, kTestSwitch.y, kTestSwitch.width, kTestSwitch.height),
        mouseTooltip("Attitude test switch"),
        mouseArea(kTestSwitch.x, kTestSwitch.y, kTestSwitch.width, kTestSwitch.height, abi::kCursorHand, kRepeat,
                  &pressTest),
        mouseEndGroup(),
    },
    instruments::dhKnobGroup(kDhDown, kDhUp, "DH set knob"),
    std::array{
        mouseEventArea(kFace.x, kFace.y, kFace.width, kFace.height, abi::kCursorHand, abi::kMouseLeftSingle,
                       kFaceEvent),
        mouseEndGroup(),
        mouseEnd(),
    });
abi::MouseRecord adiVMouse[] = {
    mouseGroup(),
    mouseTooltip("Attitude director indicator"),
    mouseEventArea(kFace.x, kFace.y, kFace.width, kFace.height, abi::kCursorHand, abi::kMouseLeftSingle, kFaceEvent),
    mouseEndGroup(),
    mouseEnd(),
};

}  // namespace

abi::GaugeHeader gauge_ADI = gaugeHeader("ADI", adiElements, adiMouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_ADI_V = gaugeHeader("ADI_V", adiVElements, adiVMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
