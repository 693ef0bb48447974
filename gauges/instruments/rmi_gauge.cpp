// The radio magnetic indicator (`RMI`) and its virtual-cockpit twins (`RMI_V` without the source
// knobs, `RMI_G` with them). The card turns with the gyro heading; each needle shows its source's
// bearing, smoothed once by the radio and again by the needle; the twins share the needles.

#include "displays/analog/hsi_values.h"
#include "common/rounding.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/instruments/rmi_layout.h"
#include "gauges/instruments/instrument_kit.h"
#include "gauges/kit/gauge_kit.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges {

namespace {

using frame::AircraftState;
using instruments::followTarget;
using namespace rmi;

constexpr double kNeedleRateDegPerS = 400.0;

AngleSlewLimiter gCard{kNeedleRateDegPerS};
AngleSlewLimiter gLeftNeedle{kNeedleRateDegPerS};
AngleSlewLimiter gRightNeedle{kNeedleRateDegPerS};


double XAQ_HOSTCALL cardValue(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  return followTarget(gCard, *a, wrap360(360.0 - hostValue(element)));
}

double XAQ_HOSTCALL leftNeedleValue(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  const systems::RadiosState& r = a->radios.state();
  return followTarget(gLeftNeedle, *a,
                      displays::rmiNeedleDeg(a->rmiSources.left, r.nav1BearingDeg, r.adfBearingDeg[0], hostValue(element)));
}

double XAQ_HOSTCALL rightNeedleValue(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  const systems::RadiosState& r = a->radios.state();
  return followTarget(gRightNeedle, *a,
                      displays::rmiNeedleDeg(a->rmiSources.right, r.nav2BearingDeg, r.adfBearingDeg[1], hostValue(element)));
}

// Image index 0 for source 1, 1 for any other.
int leftIndex(const AircraftState& a) { return a.rmiSources.left == 1 ? 0 : 1; }
int rightIndex(const AircraftState& a) { return a.rmiSources.right == 1 ? 0 : 1; }

template <int (*Index)(const AircraftState&)>
double XAQ_HOSTCALL knobImage(abi::ElementHeader*) {
  const AircraftState* a = aircraft();
  return a != nullptr ? Index(*a) : 0.0;
}

// The lit image with the panel lights on, the unlit one otherwise.
template <int (*Index)(const AircraftState&), bool Lit>
double XAQ_HOSTCALL annunciatorImage(abi::ElementHeader* element) {
  const AircraftState* a = aircraft();
  const bool night = a != nullptr && a->nightImages();
  setHidden(element, night != Lit);
  return a != nullptr ? Index(*a) : 0.0;
}

template <bool Left>
std::int32_t XAQ_HOSTCALL turnSourceKnob(abi::PixPoint*, std::uint32_t) {
  AircraftState* a = aircraft();
  if (a == nullptr) return 0;
  int& source = Left ? a->rmiSources.left : a->rmiSources.right;
  source = displays::toggledRmiSource(source);
  a->effects().sounds.play(sound::kSwitchClick);
  return 0;
}

constexpr abi::NeedleElement rmiNeedle(abi::GaugeHeader* gauge, std::uint32_t id, Point pivot, Size size,
                                       Point bitmapPivot, abi::ValueCallback callback) {
  return needle(gauge, NeedleLayout{id, pivot, size, bitmapPivot}, kHeadingVariable, callback, nullptr, 0);
}

// One RMI's moving parts, in drawing order: the card, the needles, the knobs, the annunciators.
template <const Geometry& G, abi::GaugeHeader* Gauge, bool Knobs>
struct RmiTables {
  static constexpr Point kCardPivot{kCardSize.width / 2, kCardSize.height / 2};
  static inline constinit std::array<abi::NeedleElement, 1> card = {
      rmiNeedle(Gauge, kCardId, G.pivot, kCardSize, kCardPivot, &cardValue)};
  static inline constinit std::array<abi::NeedleElement, 2> needles = {
      rmiNeedle(Gauge, kLeftNeedleId, G.pivot, kNeedleSize, kNeedlePivot, &leftNeedleValue),
      rmiNeedle(Gauge, kRightNeedleId, G.pivot, kNeedleSize, kNeedlePivot, &rightNeedleValue)};
  static inline constinit std::array<abi::IconElement, Knobs ? 2 : 0> knobs = [] {
    std::array<abi::IconElement, Knobs ? 2 : 0> k{};
    if constexpr (Knobs) {
      k[0] = icon(Gauge, kLeftKnobId, pix(G.leftKnob), 2, 0, &knobImage<&leftIndex>);
      k[1] = icon(Gauge, kRightKnobId, pix(G.rightKnob), 2, 0, &knobImage<&rightIndex>);
    }
    return k;
  }();
  static inline constinit std::array<abi::IconElement, 4> annunciators = {
      icon(Gauge, kRightSourceUnlitId, pix(G.rightAnnunciator), 2, 0, &annunciatorImage<&rightIndex, false>),
      icon(Gauge, kRightSourceLitId, pix(G.rightAnnunciator), 2, 0, &annunciatorImage<&rightIndex, true>, nullptr,
           abi::kImageTransparent | abi::kImageBright | abi::kImageHidden),
      icon(Gauge, kLeftSourceUnlitId, pix(G.leftAnnunciator), 2, 0, &annunciatorImage<&leftIndex, false>),
      icon(Gauge, kLeftSourceLitId, pix(G.leftAnnunciator), 2, 0, &annunciatorImage<&leftIndex, true>, nullptr,
           abi::kImageTransparent | abi::kImageBright | abi::kImageHidden)};
};

using MainTables = RmiTables<kMain, &gauge_RMI, true>;
using TwinVTables = RmiTables<kTwinV, &gauge_RMI_V, false>;
using TwinGTables = RmiTables<kTwinG, &gauge_RMI_G, true>;

// The main panel's lit face, shown at night.
constinit std::array<abi::IconElement, 1> rmiNight = {icon(&gauge_RMI, kMain.nightId, {0, 0}, 1, 0,
                                                           &family::litOverlay, nullptr,
                                                           abi::kImageTransparent | abi::kImageHidden)};
constinit auto rmiChildren =
    family::elementList(rmiNight, MainTables::card, MainTables::needles, MainTables::knobs, MainTables::annunciators);
constinit abi::StaticImageElement rmiBackground = staticImage(&gauge_RMI, kMain.backgroundId, {0, 0}, rmiChildren.data());
abi::ElementHeader* const rmiElements[] = {&rmiBackground.header, nullptr};

constinit auto rmiVChildren = family::elementList(TwinVTables::card, TwinVTables::needles, TwinVTables::annunciators);
constinit abi::StaticImageElement rmiVBackground =
    staticImage(&gauge_RMI_V, kTwinV.backgroundId, {0, 0}, rmiVChildren.data());
abi::ElementHeader* const rmiVElements[] = {&rmiVBackground.header, nullptr};

constinit auto rmiGChildren =
    family::elementList(TwinGTables::card, TwinGTables::needles, TwinGTables::knobs, TwinGTables::annunciators);
constinit abi::StaticImageElement rmiGBackground =
    staticImage(&gauge_RMI_G, kTwinG.backgroundId, {0, 0}, rmiGChildren.data());
abi::ElementHeader* const rmiGElements[] = {&rmiGBackground.header, nullptr};

constexpr std::uint32_t kKnobFlags = abi::kMouseLeftSingle;

template <const Geometry& G>
constexpr std::array<abi::MouseRecord, 10> knobMouseTable() {
  const Rect l = G.leftKnobArea;
  const Rect r = G.rightKnobArea;
  return {mouseGroup(),
          mouseTooltip("Radio Magnetic Indicator"),
          mouseGroup(l.x, l.y, l.width, l.height),
          mouseArea(l.x, l.y, l.width, l.height, abi::kCursorHand, kKnobFlags, &turnSourceKnob<true>),
          mouseEndGroup(),
          mouseGroup(r.x, r.y, r.width, r.height),
          mouseArea(r.x, r.y, r.width, r.height, abi::kCursorHand, kKnobFlags, &turnSourceKnob<false>),
          mouseEndGroup(),
          mouseEndGroup(),
          mouseEnd()};
}

constinit auto rmiMouse = knobMouseTable<kMain>();
constinit auto rmiGMouse = knobMouseTable<kTwinG>();
abi::MouseRecord rmiVMouse[] = {mouseGroup(), mouseTooltip("Radio Magnetic Indicator"), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_RMI = gaugeHeader("RMI", rmiElements, rmiMouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_RMI_V = gaugeHeader("RMI_V", rmiVElements, rmiVMouse, &quietGaugeCallback);
abi::GaugeHeader gauge_RMI_G = gaugeHeader("RMI_G", rmiGElements, rmiGMouse.data(), &quietGaugeCallback);

}  // namespace xaq::gauges
