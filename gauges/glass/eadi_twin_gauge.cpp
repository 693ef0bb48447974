// The virtual-cockpit attitude director (`EADI_V`): what the drawn attitude display shows, as
// bitmaps and text elements. The bars, the localizer and the fast/slow pointer come from the same
// rules as the electromechanical director; each pointer follows through its own limiter.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "common/format_text.h"
#include "displays/analog/attitude_director.h"
#include "displays/glass/eadi_display.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/glass/eadi_twin_layout.h"
#include "gauges/instruments/director_pointers.h"
#include "gauges/instruments/instrument_kit.h"
#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges {

namespace {

using frame::AircraftState;
using instruments::instrumentPower;
using instruments::poweredPointer;
using instruments::ReadoutText;
using instruments::slewedPointer;
using namespace eadi_twin;

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kPointerRatePerS = 400.0;
constexpr std::uint32_t kGlideslopeValidBit = 0x40;

SlewLimiter gPitchBar{kPointerRatePerS};
SlewLimiter gRollBar{kPointerRatePerS};
SlewLimiter gLocalizer{kPointerRatePerS};
SlewLimiter gGlideslope{kPointerRatePerS};
SlewLimiter gFastSlow{kPointerRatePerS};

const frame::HostSamples& samples(const AircraftState& a) { return a.link.samples; }

bool glideslopeValid(const AircraftState& a) { return (a.eadiInputs().navFlags & kGlideslopeValidBit) != 0; }

// Hides the element without power (or without an aircraft); the aircraft while powered.
const AircraftState* poweredAircraft(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  const bool powered = a != nullptr && instrumentPower(*a);
  setHidden(element, !powered);
  return powered ? a : nullptr;
}

double XAQ_HOSTCALL spherePitch(abi::ElementHeader* element) {
  const AircraftState* a = poweredAircraft(element);
  return a == nullptr ? 0.0 : displays::spherePitchTargetDeg(samples(*a).pitchDeg, false);
}

double XAQ_HOSTCALL sphereTurn(abi::ElementHeader* element) {
  const AircraftState* a = poweredAircraft(element);
  return a == nullptr ? 0.0 : -displays::sphereBankTargetDeg(samples(*a).bankDeg, false);
}

double XAQ_HOSTCALL bankNeedle(abi::ElementHeader* element) {
  const AircraftState* a = poweredAircraft(element);
  return a == nullptr ? 0.0 : displays::sphereBankTargetDeg(samples(*a).bankDeg, false);
}

double XAQ_HOSTCALL poweredIcon(abi::ElementHeader* element) {
  poweredAircraft(element);
  return 0.0;
}

double XAQ_HOSTCALL glideslopeScale(abi::ElementHeader* element) {
  const AircraftState* a = poweredAircraft(element);
  setHidden(element, a == nullptr || !glideslopeValid(*a));
  return 0.0;
}

// The glideslope pointer and its scale follow the receiver's glideslope-valid bit.
displays::DeviationPointer glideslopeByFlag(const AircraftState& a) {
  displays::DeviationPointer p = instruments::glideslopePointer(a);
  p.shown = glideslopeValid(a);
  return p;
}

// Rises toward the aircraft symbol below 200 ft of radio altitude.
double XAQ_HOSTCALL runway(abi::ElementHeader* element) {
  const AircraftState* a = poweredAircraft(element);
  if (a == nullptr) return 0.0;
  const double ra = samples(*a).radioAltitudeFt;
  const bool shown = std::isfinite(ra) && ra < displays::kRisingRunwayBelowFt;
  setHidden(element, !shown);
  return shown ? std::max(ra, 0.0) * 0.005 : 0.0;
}

int decisionHeightFt(const AircraftState& a) { return a.efisControls.settings().decisionHeightFt; }

template <int Index>
ReadoutText modeText(const AircraftState& a, abi::ElementHeader*) {
  const std::string_view text = a.eadiInputs().modeTexts[Index];
  ReadoutText out{};
  formatText(out.data(), out.size(), "%.*s", static_cast<int>(text.size()), text.data());
  return out;
}

template <char First, char Second>
ReadoutText label(const AircraftState&, abi::ElementHeader*) {
  return {First, Second, '\0'};
}

// At or below a decision height that is set. The alert's box overlaps the radio-altitude readout,
// so it is drawn after it and hidden while there is no alert: it then covers only the readout's
// leading zero (an alert means a radio altitude under 1000 ft), and nothing otherwise.
ReadoutText dhAlert(const AircraftState& a, abi::ElementHeader* element) {
  const double ra = samples(a).radioAltitudeFt;
  const int dh = decisionHeightFt(a);
  const bool alert = displays::decisionHeightSet(dh) && std::isfinite(ra) && ra <= dh;
  setHidden(element, !alert);
  if (alert) return {'D', 'H', '\0'};
  return {};
}

ReadoutText radioAltitude(const AircraftState& a, abi::ElementHeader*) {
  ReadoutText out{};
  formatText(out.data(), out.size(), "%s", displays::radioAltitudeText(true, samples(a).radioAltitudeFt).data());
  return out;
}

ReadoutText decisionHeight(const AircraftState& a, abi::ElementHeader*) {
  ReadoutText out{};
  formatText(out.data(), out.size(), "%s", displays::decisionHeightText(true, decisionHeightFt(a)).data());
  return out;
}

constexpr std::uint32_t kAlign = abi::kTextLeft | abi::kTextVerticalCenter | abi::kTextSingleLine;
constexpr std::uint32_t kRightAlign = abi::kTextRight | abi::kTextVerticalCenter | abi::kTextSingleLine;
constexpr TextStyle kWhite{0x00FFFFFF, 0x00101010, "Glass Gauge", 400, kAlign};
constexpr TextStyle kGreen{0x0000FF00, 0x00101010, "Glass Gauge", 400, kAlign};
constexpr TextStyle kYellow{0x0000FFFF, 0x00101010, "Glass Gauge", 400, kAlign};
constexpr TextStyle kCyan{0x00FFFF00, 0x00101010, "Glass Gauge", 400, kRightAlign};

constexpr abi::PixPoint box(Size s) { return {s.width, s.height}; }

template <instruments::ReadoutSource Source>
constexpr abi::StringElement twinText(Point at, Size size, const TextStyle& style) {
  return text(&gauge_EADI_V, pix(at), box(size), 16, 0, &instruments::poweredReadout<Source>, style);
}

constinit abi::SpriteElement sphere =
    sprite(&gauge_EADI_V, kSphereId, pix(kSphereAt), {kSphereTexture.width / 2, kSphereTexture.height / 2}, 0.0,
           nullptr, -kSpherePixelsPerDegree, &spherePitch, kRadiansPerDegree, &sphereTurn);
constinit abi::IconElement symbols = icon(&gauge_EADI_V, kSymbolsId, {0, 0}, 1, 0, &poweredIcon);
constinit abi::NeedleElement bank =
    needle(&gauge_EADI_V, layout::NeedleLayout{kBankNeedleId, kPivot, kBankNeedleSize,
                                               {kBankNeedleSize.width / 2, kBankNeedleSize.height / 2}},
           79, &bankNeedle, nullptr, 0);
constinit abi::IconElement fastSlowScale =
    icon(&gauge_EADI_V, kFastSlowScaleId, pix(kFastSlowScaleAt), 1, 0, &poweredIcon);
constinit abi::IconElement glideslopeFlag =
    icon(&gauge_EADI_V, kGlideslopeScaleId, pix(kGlideslopeScaleAt), 1, 0, &glideslopeScale);
constinit abi::SliderElement fastSlowPointer =
    slider(&gauge_EADI_V, kFastSlowId, pix(kFastSlowAt), 0.0, nullptr, -kFastSlowPxPerKt,
           &slewedPointer<&poweredPointer<&instruments::fastSlowPointer>, gFastSlow>);
constinit abi::SliderElement glideslopePointer =
    slider(&gauge_EADI_V, kGlideslopeId, pix(kGlideslopeAt), 0.0, nullptr, kGlideslopeTravelPx / 127.0,
           &slewedPointer<&poweredPointer<&glideslopeByFlag>, gGlideslope>);
constinit abi::SliderElement localizerPointer =
    slider(&gauge_EADI_V, kLocalizerId, pix(kLocalizerAt), kLocalizerTravelPx / 127.0,
           &slewedPointer<&poweredPointer<&instruments::localizerPointer>, gLocalizer>, 0.0, nullptr);
constinit abi::SliderElement runwaySymbol =
    slider(&gauge_EADI_V, kRunwayId, pix(kRunwayAt), 0.0, nullptr, kRunwayTravelPx / 0.995, &runway);
constinit abi::SliderElement pitchBarSlider =
    slider(&gauge_EADI_V, kPitchBarId, pix(kPitchBarAt), 0.0, nullptr, kBarTravelPx,
           &slewedPointer<&instruments::pitchBarPointer, gPitchBar>);
constinit abi::SliderElement rollBarSlider =
    slider(&gauge_EADI_V, kRollBarId, pix(kRollBarAt), kBarTravelPx,
           &slewedPointer<&instruments::rollBarPointer, gRollBar>, 0.0, nullptr);

constinit abi::StringElement mode1 = twinText<&modeText<0>>(kModeTextAt[0], kModeTextSize, kWhite);
constinit abi::StringElement mode2 = twinText<&modeText<1>>(kModeTextAt[1], kModeTextSize, kGreen);
constinit abi::StringElement mode3 = twinText<&modeText<2>>(kModeTextAt[2], kModeTextSize, kWhite);
constinit abi::StringElement mode4 = twinText<&modeText<3>>(kModeTextAt[3], kModeTextSize, kGreen);
constinit abi::StringElement dhLabel = twinText<&label<'D', 'H'>>(kDhLabelAt, kLabelSize, kWhite);
constinit abi::StringElement raLabel = twinText<&label<'R', 'A'>>(kRaLabelAt, kLabelSize, kWhite);
constinit abi::StringElement raReadout = twinText<&radioAltitude>(kRadioAltitudeAt, kRadioAltitudeSize, kCyan);
constinit abi::StringElement dhReadout = twinText<&decisionHeight>(kDecisionHeightAt, kDecisionHeightSize, kCyan);
constinit abi::StringElement dhAlertText = twinText<&dhAlert>(kDhAlertAt, kLabelSize, kYellow);

abi::ElementHeader* const face[] = {
    &sphere.header,         &symbols.header,          &bank.header,           &fastSlowScale.header,
    &glideslopeFlag.header, &fastSlowPointer.header,  &glideslopePointer.header, &localizerPointer.header,
    &runwaySymbol.header,   &pitchBarSlider.header,   &rollBarSlider.header,  &mode1.header,
    &mode2.header,          &mode3.header,            &mode4.header,          &dhLabel.header,
    &raLabel.header,        &raReadout.header,        &dhAlertText.header,    &dhReadout.header,
    nullptr};
constinit abi::StaticImageElement background = staticImage(&gauge_EADI_V, kBackgroundId, {0, 0}, face);
abi::ElementHeader* const elements[] = {&background.header, nullptr};

abi::MouseRecord mouse[] = {
    mouseGroup(),
    mouseTooltip("Electronic attitude director indicator (EADI)"),
    mouseEndGroup(),
    mouseEnd(),
};

}  // namespace

abi::GaugeHeader gauge_EADI_V = gaugeHeader("EADI_V", elements, mouse, &quietGaugeCallback);

}  // namespace xaq::gauges
