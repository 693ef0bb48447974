// The oil indicators: EngOil1 carries both engines' oil pressure and temperature dials, its
// virtual-cockpit twins EngOil1_V and EngOil2_V one engine's pair each. Every dial is a needle
// on its scale table with a tooltip naming its engine and value; the plates have lit overlays.

#include <array>
#include <string>

#include "frame/gauge_registry.h"
#include "gauges/engine/engine_layout.h"
#include "gauges/kit/switch_family.h"
#include "systems/engines/oil_indication.h"

namespace xaq::gauges {

namespace {

using namespace engine;

constexpr std::uint32_t kOilPressureVariable[2] = {562, 572};
constexpr std::uint32_t kOilTemperatureVariable[2] = {561, 571};

double shownValue(const frame::AircraftState* a, OilDial d) {
  const bool powered = a != nullptr && family::dcPowerAvailable(*a);
  const int e = engineOf(d);
  if (isPressure(d)) return systems::oilPressureShownPsi(a != nullptr ? a->link.samples.oilPressurePsi[e] : 0.0, powered);
  return systems::oilTemperatureShownC(a != nullptr ? a->engines.state().oilTempC[e] : 0.0, powered);
}

template <OilDial D>
double XAQ_HOSTCALL oilNeedle(abi::ElementHeader*) {
  return shownValue(aircraft(), D);
}

template <OilDial D>
const char* XAQ_HOSTCALL oilTooltip(double, std::uint32_t, const char*, abi::HostVarRecord*, abi::GaugeHeader*) {
  static std::array<char, 64> text{};
  const double v = shownValue(aircraft(), D);
  const int e = engineOf(D);
  const std::string s = isPressure(D) ? systems::oilPressureTooltip(e, v) : systems::oilTemperatureTooltip(e, v);
  s.copy(text.data(), text.size() - 1);
  text[std::min(s.size(), text.size() - 1)] = '\0';
  return text.data();
}

constexpr abi::ValueCallback kNeedles[] = {&oilNeedle<OilDial::kPressure1>, &oilNeedle<OilDial::kTemperature1>,
                                           &oilNeedle<OilDial::kPressure2>, &oilNeedle<OilDial::kTemperature2>};
constexpr abi::TooltipTextCallback kTooltips[] = {
    &oilTooltip<OilDial::kPressure1>, &oilTooltip<OilDial::kTemperature1>, &oilTooltip<OilDial::kPressure2>,
    &oilTooltip<OilDial::kTemperature2>};

constexpr abi::GaugeHeader* gaugeOf(OilGauge g) {
  return g == kEngOil1 ? &gauge_EngOil1 : (g == kEngOil1Twin ? &gauge_EngOil1_V : &gauge_EngOil2_V);
}

constexpr std::uint32_t variableOf(int dial) {
  const auto d = static_cast<OilDial>(dial);
  return isPressure(d) ? kOilPressureVariable[engineOf(d)] : kOilTemperatureVariable[engineOf(d)];
}

// Both scales have as many points as the longer one; the shorter repeats its last point.
constexpr std::size_t kScalePoints = std::size(kPressureScale);
static_assert(std::size(kTemperatureScale) <= kScalePoints);

template <OilGauge G>
struct OilTables {
  static constexpr OilGaugeLayout kLayout = kOilGauges[G];
  static constexpr std::size_t kDials = static_cast<std::size_t>(kOilGauges[G].dialCount);
  using Scale = std::array<abi::ScalePoint, kScalePoints>;

  static constexpr std::array<Scale, kDials> makeScales() {
    std::array<Scale, kDials> out{};
    for (std::size_t k = 0; k < kDials; ++k) {
      const int dial = kLayout.firstDial + static_cast<int>(k);
      const Point pivot = dialPivot(dial, kLayout.firstDial);
      const bool pressure = isPressure(static_cast<OilDial>(dial));
      const ScaleMark* marks = pressure ? kPressureScale : kTemperatureScale;
      const std::size_t n = pressure ? std::size(kPressureScale) : std::size(kTemperatureScale);
      for (std::size_t m = 0; m < kScalePoints; ++m) {
        const ScaleMark& mark = marks[m < n ? m : n - 1];
        out[k][m] = abi::ScalePoint{{pivot.x + mark.point.x, pivot.y + mark.point.y}, mark.value, 0.0};
      }
    }
    return out;
  }
  static constexpr std::size_t scaleSize(int dial) {
    return isPressure(static_cast<OilDial>(dial)) ? std::size(kPressureScale) : std::size(kTemperatureScale);
  }
  static constexpr std::array<abi::NeedleElement, kDials> makeNeedles(std::array<Scale, kDials>& scales) {
    std::array<abi::NeedleElement, kDials> out{};
    for (std::size_t k = 0; k < kDials; ++k) {
      const int dial = kLayout.firstDial + static_cast<int>(k);
      const NeedleLayout n{kOilNeedleId, dialPivot(dial, kLayout.firstDial), kOilNeedle.bitmapSize,
                           kOilNeedle.bitmapPivot};
      out[k] = needle(gaugeOf(G), n, 0, kNeedles[dial], scales[k].data(), scaleSize(dial));
    }
    return out;
  }
  static constexpr std::array<abi::TooltipArgument, kDials> makeArguments() {
    std::array<abi::TooltipArgument, kDials> out{};
    for (std::size_t k = 0; k < kDials; ++k) {
      const int dial = kLayout.firstDial + static_cast<int>(k);
      out[k] = tooltipArgument(variableOf(dial), kTooltips[dial]);
    }
    return out;
  }
  static constexpr std::size_t kMouseRecords = 3 + 3 * kDials;
  static constexpr std::array<abi::MouseRecord, kMouseRecords> makeMouse(std::array<abi::TooltipArgument, kDials>& args) {
    std::array<abi::MouseRecord, kMouseRecords> t{};
    std::size_t i = 0;
    t[i++] = mouseGroup();
    for (std::size_t k = 0; k < kDials; ++k) {
      t[i++] = mouseGroup(static_cast<int>(k) * kDialCell.width, 0, kDialCell.width, kDialCell.height);
      t[i++] = mouseTooltip("%1!s!", &args[k], 1);
      t[i++] = mouseEndGroup();
    }
    t[i++] = mouseEndGroup();
    t[i++] = mouseEnd();
    return t;
  }

  static inline constinit std::array<abi::IconElement, 1> overlay = {
      icon(gaugeOf(G), kLayout.backgroundId + 1, {0, 0}, 1, 0, &family::litOverlay, nullptr,
           abi::kImageTransparent | abi::kImageHidden)};
  static inline constinit std::array<Scale, kDials> scales = makeScales();
  static inline constinit std::array<abi::NeedleElement, kDials> needles = makeNeedles(scales);
  static inline constinit auto children = family::elementList(overlay, needles);
  static inline constinit abi::StaticImageElement background =
      staticImage(gaugeOf(G), kLayout.backgroundId, {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};
  static inline constinit std::array<abi::TooltipArgument, kDials> arguments = makeArguments();
  static inline constinit std::array<abi::MouseRecord, kMouseRecords> mouse = makeMouse(arguments);
};

template <OilGauge G>
constexpr abi::GaugeHeader header() {
  return gaugeHeader(kOilGauges[G].name, OilTables<G>::elements, OilTables<G>::mouse.data(), &quietGaugeCallback);
}

}  // namespace

abi::GaugeHeader gauge_EngOil1 = header<kEngOil1>();
abi::GaugeHeader gauge_EngOil1_V = header<kEngOil1Twin>();
abi::GaugeHeader gauge_EngOil2_V = header<kEngOil2Twin>();

}  // namespace xaq::gauges
