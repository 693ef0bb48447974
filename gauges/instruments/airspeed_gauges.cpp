// The airspeed indicator (`Airspeed`), its virtual-cockpit twin (`Airspeed_V`) and the further 2D
// variant (`Airspeed_G`): the airspeed needle over the 0 .. 400 kt dial, the red-and-white Vmo
// needle falling with altitude, the speed strip with the last two digits of the airspeed, and
// the bug set by the knob at the lower left (left half down, right half up, 5 kt a detent).

#include "frame/gauge_registry.h"
#include "gauges/instruments/air_data_callbacks.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges {

namespace {

using namespace air_data;

enum class Variant { kMain, kTwin, kG };

template <Variant V>
struct AirspeedTables {
  static constexpr abi::GaugeHeader* gauge() {
    return V == Variant::kMain ? &gauge_Airspeed : V == Variant::kTwin ? &gauge_Airspeed_V : &gauge_Airspeed_G;
  }
  static constexpr const AirspeedLayout& kLayout = V == Variant::kMain ? kAirspeed : V == Variant::kTwin ? kAirspeedTwin
                                                                                                        : kAirspeedG;
  static constexpr auto makeScale() {
    if constexpr (V == Variant::kMain) return scaleTable(kAirspeedScale);
    if constexpr (V == Variant::kTwin) return scaleTable(kAirspeedTwinScale.mark);
    if constexpr (V == Variant::kG) return scaleTable(kAirspeedGScale);
  }
  // One table for each needle: the host writes the degrees it works out into it.
  static inline constinit auto needleScale = makeScale();
  static inline constinit auto vmoScale = makeScale();
  static inline constinit auto bugScale = makeScale();

  static inline constinit std::array<abi::IconElement, 1> overlay = {
      icon(gauge(), kLayout.overlayId, {0, 0}, 1, 0, &family::litOverlay, nullptr,
           abi::kImageTransparent | abi::kImageHidden)};
  static inline constinit std::array<abi::StaticImageElement, 1> faceMask = {
      staticImage(gauge(), kFaceMaskId, pix(kLayout.faceMask), nullptr, abi::kImageTransparent)};
  static inline constinit std::array<abi::MovingImageElement, 1> strip = {
      verticalStrip(gauge(), kSpeedStripId, kLayout.speedStrip, kAirspeedVariable, 99.99999999, &speedStrip)};
  static inline constinit std::array<abi::NeedleElement, 4> needles = {
      needleAbout(gauge(), kAirspeedNeedleId, kLayout.pivot, kAirspeedNeedleSize, kAirspeedNeedlePivot,
                  kAirspeedVariable, airspeedNeedle, needleScale.data(), needleScale.size()),
      needleAbout(gauge(), kVmoNeedleId, kLayout.pivot, kAirspeedNeedleSize, kAirspeedNeedlePivot,
                  kAltitudeVariable, vmoNeedle, vmoScale.data(), vmoScale.size()),
      needleAbout(gauge(), kBugId, kLayout.pivot, kBugSize, kBugPivot, kTickVariable, bugNeedle, bugScale.data(),
                  bugScale.size()),
      needleAbout(gauge(), kBugKnobId, kLayout.bugKnob, kBugKnobSize, kBugKnobPivot, kTickVariable, bugKnobNeedle,
                  nullptr, 0),
  };
  static constexpr auto makeChildren() {
    if constexpr (V == Variant::kTwin) {
      return family::elementList(faceMask, strip, needles);
    } else {
      return family::elementList(overlay, faceMask, strip, needles);
    }
  }
  static inline constinit auto children = makeChildren();
  static inline constinit abi::StaticImageElement background =
      staticImage(gauge(), kLayout.backgroundId, {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};

  static inline constinit abi::TooltipArgument speedArgument[1] = {
      tooltipArgument(kAirspeedVariable, airspeedTooltip)};
  static inline constinit abi::MouseRecord mouse[] = {
      mouseGroup(),
      mouseTooltip("%1!s!", speedArgument, 1),
      mouseArea(kLayout.knobDown.x, kLayout.knobDown.y, kLayout.knobDown.width, kLayout.knobDown.height,
                abi::kCursorDown, kKnobFlags, &turnBugKnob<-1>),
      mouseArea(kLayout.knobUp.x, kLayout.knobUp.y, kLayout.knobUp.width, kLayout.knobUp.height, abi::kCursorUp,
                kKnobFlags, &turnBugKnob<+1>),
      mouseEndGroup(),
      mouseEnd(),
  };
};

}  // namespace

abi::GaugeHeader gauge_Airspeed = gaugeHeader("Airspeed", AirspeedTables<Variant::kMain>::elements,
                                              AirspeedTables<Variant::kMain>::mouse, &quietGaugeCallback);
abi::GaugeHeader gauge_Airspeed_V = gaugeHeader("Airspeed_V", AirspeedTables<Variant::kTwin>::elements,
                                                AirspeedTables<Variant::kTwin>::mouse, &quietGaugeCallback);
abi::GaugeHeader gauge_Airspeed_G = gaugeHeader("Airspeed_G", AirspeedTables<Variant::kG>::elements,
                                                AirspeedTables<Variant::kG>::mouse, &quietGaugeCallback);

}  // namespace xaq::gauges
