// The altimeter (`Altimeter`, twin `Altimeter_V`) and the standby altimeter (`StandbyAlt`, twin
// `StandbyAlt_V`): a needle turning once per thousand feet, drums with the altitude in tens of
// feet, the baro windows, and the baro knob whose halves step the host's altimeter setting. The
// altimeter also carries the altitude alert light, lit near (not at) the preselected altitude.

#include "frame/gauge_registry.h"
#include "gauges/instruments/air_data_callbacks.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges {

namespace {

using namespace air_data;

constexpr abi::ValueCallback drumCallback(int index) {
  switch (index) {
    case 0: return &altitudeDrum<0>;
    case 1: return &altitudeDrum<1>;
    case 2: return &altitudeDrum<2>;
    default: return &altitudeDrum<3>;
  }
}

template <std::size_t N>
constexpr std::array<abi::MovingImageElement, N> drums(abi::GaugeHeader* gauge, const DrumLayout (&layout)[N]) {
  std::array<abi::MovingImageElement, N> out{};
  for (std::size_t i = 0; i < N; ++i) {
    out[i] = verticalStrip(gauge, layout[i].stripId, layout[i].at, kAltitudeVariable, 9.99999,
                           drumCallback(layout[i].index));
  }
  return out;
}

constexpr abi::IconElement overlayOf(abi::GaugeHeader* gauge, std::uint32_t id) {
  return icon(gauge, id, {0, 0}, 1, 0, &family::litOverlay, nullptr, abi::kImageTransparent | abi::kImageHidden);
}

constexpr abi::StringElement window(abi::GaugeHeader* gauge, const Rect& r, std::uint32_t variableId,
                                    abi::ValueCallback callback) {
  return text(gauge, {r.x, r.y}, {r.width, r.height}, 8, variableId, callback, instruments::kWhiteReadout);
}

// The baro knob's group: its tooltip and its two halves.
template <const Rect& Down, const Rect& Up>
struct BaroKnob {
  static inline constinit abi::TooltipArgument argument[1] = {tooltipArgument(kBaroMillibarsVariable, baroTooltip)};
  static constexpr int kX = Down.x;
  static constexpr int kY = Down.y < Up.y ? Down.y : Up.y;
  static constexpr int kWidth = Up.x + Up.width - Down.x;
  static constexpr int kHeight = (Down.y + Down.height > Up.y + Up.height ? Down.y + Down.height : Up.y + Up.height) - kY;
};

// An altimeter's mouse table: its reading over the whole face, and the baro knob's two halves
// with the setting's tooltip.
template <const Rect& Down, const Rect& Up>
constexpr std::array<abi::MouseRecord, 9> altimeterMouse(abi::TooltipArgument* reading) {
  using Knob = BaroKnob<Down, Up>;
  return {
      mouseGroup(),
      mouseTooltip("%1!s!", reading, 1),
      mouseGroup(Knob::kX, Knob::kY, Knob::kWidth, Knob::kHeight),
      mouseTooltip("%1!s!", Knob::argument, 1),
      mouseArea(Down.x, Down.y, Down.width, Down.height, abi::kCursorDown, kKnobFlags, &turnBaroKnob<-1>),
      mouseArea(Up.x, Up.y, Up.width, Up.height, abi::kCursorUp, kKnobFlags, &turnBaroKnob<+1>),
      mouseEndGroup(),
      mouseEndGroup(),
      mouseEnd(),
  };
}

template <bool Twin>
struct AltimeterTables {
  static constexpr abi::GaugeHeader* gauge() { return Twin ? &gauge_Altimeter_V : &gauge_Altimeter; }
  static constexpr const AltimeterLayout& kLayout = Twin ? kAltimeterTwin : kAltimeter;

  static inline constinit auto scale = scaleTable(kAltimeterScale);
  static inline constinit std::array<abi::IconElement, 1> overlay = {overlayOf(gauge(), kLayout.overlayId)};
  static inline constinit auto drumElements = drums(gauge(), kAltimeterDrums);
  static inline constinit std::array<abi::StringElement, 2> windows = {
      window(gauge(), kLayout.millibars, kBaroMillibarsVariable, &millibarsWindow),
      window(gauge(), kLayout.inches, kBaroInchesVariable, &inchesWindow)};
  static inline constinit std::array<abi::IconElement, 1> alert = {
      icon(gauge(), kAltitudeAlertId, pix(kLayout.alertLight), 2, kAltitudeVariable, &altitudeAlertLight, nullptr,
           abi::kImageTransparent | abi::kImageBright)};
  static inline constinit std::array<abi::NeedleElement, 1> needles = {
      needleAbout(gauge(), kAltimeterNeedleId, kLayout.pivot, kAltimeterNeedleSize, kAltimeterNeedlePivot,
                  kAltitudeVariable, &altitudeNeedle, scale.data(), scale.size())};
  static constexpr auto makeChildren() {
    if constexpr (Twin) {
      return family::elementList(drumElements, windows, alert, needles);
    } else {
      return family::elementList(overlay, drumElements, windows, alert, needles);
    }
  }
  static inline constinit auto children = makeChildren();
  static inline constinit abi::StaticImageElement background =
      staticImage(gauge(), kLayout.backgroundId, {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};

  static inline constinit abi::TooltipArgument altitudeArgument[1] = {
      tooltipArgument(kAltitudeVariable, altimeterTooltip)};
  static inline constinit auto mouse = altimeterMouse<kLayout.knobDown, kLayout.knobUp>(altitudeArgument);
};

template <bool Twin>
struct StandbyTables {
  static constexpr abi::GaugeHeader* gauge() { return Twin ? &gauge_StandbyAlt_V : &gauge_StandbyAlt; }
  static constexpr const StandbyLayout& kLayout = Twin ? kStandbyAltTwin : kStandbyAlt;

  static inline constinit auto scale = scaleTable(kStandbyScale);
  static inline constinit std::array<abi::IconElement, 1> overlay = {overlayOf(gauge(), kLayout.overlayId)};
  static inline constinit auto drumElements = drums(gauge(), kStandbyDrums);
  static inline constinit std::array<abi::StringElement, 1> windows = {
      window(gauge(), kLayout.millibars, kBaroMillibarsVariable, &millibarsWindow)};
  static inline constinit std::array<abi::NeedleElement, 1> needles = {
      needleAbout(gauge(), kStandbyNeedleId, kLayout.pivot, kStandbyNeedleSize, kStandbyNeedlePivot,
                  kAltitudeVariable, &altitudeNeedle, scale.data(), scale.size())};
  static constexpr auto makeChildren() {
    if constexpr (Twin) {
      return family::elementList(drumElements, windows, needles);
    } else {
      return family::elementList(overlay, drumElements, windows, needles);
    }
  }
  static inline constinit auto children = makeChildren();
  static inline constinit abi::StaticImageElement background =
      staticImage(gauge(), kLayout.backgroundId, {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};

  static inline constinit abi::TooltipArgument altitudeArgument[1] = {
      tooltipArgument(kAltitudeVariable, standbyAltimeterTooltip)};
  static inline constinit auto mouse = altimeterMouse<kLayout.knobDown, kLayout.knobUp>(altitudeArgument);
};

}  // namespace

abi::GaugeHeader gauge_Altimeter = gaugeHeader("Altimeter", AltimeterTables<false>::elements,
                                               AltimeterTables<false>::mouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_Altimeter_V = gaugeHeader("Altimeter_V", AltimeterTables<true>::elements,
                                                 AltimeterTables<true>::mouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_StandbyAlt = gaugeHeader("StandbyAlt", StandbyTables<false>::elements,
                                                StandbyTables<false>::mouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_StandbyAlt_V = gaugeHeader("StandbyAlt_V", StandbyTables<true>::elements,
                                                  StandbyTables<true>::mouse.data(), &quietGaugeCallback);

}  // namespace xaq::gauges
