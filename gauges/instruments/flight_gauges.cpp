// The vertical speed indicator (`VSI`), the powered flight control surfaces indicator (`PFCS`),
// the turn and slip indicator (`TurnSlip`), their virtual-cockpit twins, and the standby
// magnetic compass of the virtual cockpit (`Compass_V`). None has anything to click.

#include "frame/gauge_registry.h"
#include "gauges/instruments/air_data_callbacks.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges {

namespace {

using namespace air_data;
using displays::SpoilerPanel;

constexpr abi::IconElement overlayOf(abi::GaugeHeader* gauge, std::uint32_t id) {
  return icon(gauge, id, {0, 0}, 1, 0, &family::litOverlay, nullptr, abi::kImageTransparent | abi::kImageHidden);
}

// A dial's background over its moving parts, with its lit overlay on the main panel only.
template <bool Twin, std::size_t N, typename... Parts>
constexpr auto dialChildren(std::array<abi::IconElement, 1>& overlay, Parts&... parts) {
  if constexpr (Twin) {
    return family::elementList(parts...);
  } else {
    return family::elementList(overlay, parts...);
  }
}

template <bool Twin>
struct VsiTables {
  static constexpr abi::GaugeHeader* gauge() { return Twin ? &gauge_VSI_V : &gauge_VSI; }
  static constexpr const DialLayout& kLayout = Twin ? kVsiTwin : kVsi;
  static inline constinit auto scale = scaleTable(kVsiScale);
  static inline constinit std::array<abi::IconElement, 1> overlay = {overlayOf(gauge(), kLayout.overlayId)};
  static inline constinit std::array<abi::NeedleElement, 1> needles = {
      needleAbout(gauge(), kVsiNeedleId, kVsiPivot, kVsiNeedleSize, kVsiNeedlePivot, kVerticalSpeedVariable,
                  vsiNeedle, scale.data(), scale.size())};
  static inline constinit auto children = dialChildren<Twin, 1>(overlay, needles);
  static inline constinit abi::StaticImageElement background =
      staticImage(gauge(), kLayout.backgroundId, {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};
  static inline constinit abi::TooltipArgument argument[1] = {
      tooltipArgument(kVerticalSpeedVariable, verticalSpeedTooltip)};
  static inline constinit abi::MouseRecord mouse[] = {mouseGroup(), mouseTooltip("%1!s!", argument, 1),
                                                      mouseEndGroup(), mouseEnd()};
};

template <bool Twin>
struct PfcsTables {
  static constexpr abi::GaugeHeader* gauge() { return Twin ? &gauge_PFCS_V : &gauge_PFCS; }
  static constexpr const DialLayout& kLayout = Twin ? kPfcsTwin : kPfcs;
  static inline constinit auto rudderScale = scaleTable(kRudderScale);
  static inline constinit auto leftOutboardScale = scaleTable(kSpoilers[0].scale);
  static inline constinit auto leftInboardScale = scaleTable(kSpoilers[1].scale);
  static inline constinit auto rightInboardScale = scaleTable(kSpoilers[2].scale);
  static inline constinit auto rightOutboardScale = scaleTable(kSpoilers[3].scale);
  static constexpr abi::NeedleElement spoiler(int i, abi::ValueCallback callback, abi::ScalePoint* scale) {
    return needleAbout(gauge(), kSpoilerNeedleId, kSpoilers[i].pivot, kSpoilerNeedleSize, kSpoilerNeedlePivot,
                       kAileronVariable, callback, scale, 2);
  }
  static inline constinit std::array<abi::IconElement, 1> overlay = {overlayOf(gauge(), kLayout.overlayId)};
  static inline constinit std::array<abi::NeedleElement, 5> needles = {
      needleAbout(gauge(), kRudderNeedleId, kRudderPivot, kRudderNeedleSize, kRudderNeedlePivot, kRudderVariable,
                  rudderNeedle, rudderScale.data(), rudderScale.size()),
      spoiler(0, spoilerNeedle<SpoilerPanel::kLeftOutboard>, leftOutboardScale.data()),
      spoiler(1, spoilerNeedle<SpoilerPanel::kLeftInboard>, leftInboardScale.data()),
      spoiler(2, spoilerNeedle<SpoilerPanel::kRightInboard>, rightInboardScale.data()),
      spoiler(3, spoilerNeedle<SpoilerPanel::kRightOutboard>, rightOutboardScale.data()),
  };
  static inline constinit auto children = dialChildren<Twin, 1>(overlay, needles);
  static inline constinit abi::StaticImageElement background =
      staticImage(gauge(), kLayout.backgroundId, {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};
  static inline constinit abi::MouseRecord mouse[] = {
      mouseGroup(), mouseTooltip("Powered Flight Control Surfaces Indicator"), mouseEndGroup(), mouseEnd()};
};

constexpr abi::SliderElement ball(abi::GaugeHeader* gauge) {
  abi::SliderElement e = slider(gauge, kBallId, pix(kBall), kBallPixelsPerUnit, &ballPosition, 0.0, nullptr);
  e.xVariable = variable(kBallVariable);
  return e;
}

template <bool Twin>
struct TurnSlipTables {
  static constexpr abi::GaugeHeader* gauge() { return Twin ? &gauge_TurnSlip_V : &gauge_TurnSlip; }
  static constexpr const DialLayout& kLayout = Twin ? kTurnSlipTwin : kTurnSlip;
  static inline constinit auto scale = scaleTable(kTurnScale);
  static inline constinit std::array<abi::IconElement, 1> overlay = {overlayOf(gauge(), kLayout.overlayId)};
  static inline constinit std::array<abi::SliderElement, 1> balls = {ball(gauge())};
  static inline constinit std::array<abi::NeedleElement, 1> needles = {
      needleAbout(gauge(), kTurnNeedleId, kTurnPivot, kTurnNeedleSize, kTurnNeedlePivot, kTurnRateVariable,
                  turnNeedle, scale.data(), scale.size())};
  static inline constinit auto children = dialChildren<Twin, 2>(overlay, balls, needles);
  static inline constinit abi::StaticImageElement background =
      staticImage(gauge(), kLayout.backgroundId, {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};
  static inline constinit abi::MouseRecord mouse[] = {mouseGroup(), mouseTooltip("Turn and slip indicator"),
                                                      mouseEndGroup(), mouseEnd()};
};

constexpr abi::MovingImageElement compassCardElement() {
  abi::MovingImageElement e =
      movingImage(&gauge_Compass_V, kCompassCardId, pix(kCompassWindow), {0.0, 360.0}, &compassCard, {}, nullptr);
  e.xVariable = variable(kCompassHeadingVariable);
  return e;
}
constinit std::array<abi::MovingImageElement, 1> compassCardElements = {compassCardElement()};
constinit auto compassChildren = family::elementList(compassCardElements);
constinit abi::StaticImageElement compassBackground =
    staticImage(&gauge_Compass_V, kCompassBackgroundId, {0, 0}, compassChildren.data());
abi::ElementHeader* const compassElements[] = {&compassBackground.header, nullptr};
abi::MouseRecord compassMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_VSI = gaugeHeader("VSI", VsiTables<false>::elements, VsiTables<false>::mouse, &quietGaugeCallback);
abi::GaugeHeader gauge_VSI_V = gaugeHeader("VSI_V", VsiTables<true>::elements, VsiTables<true>::mouse, &quietGaugeCallback);
abi::GaugeHeader gauge_PFCS = gaugeHeader("PFCS", PfcsTables<false>::elements, PfcsTables<false>::mouse, &quietGaugeCallback);
abi::GaugeHeader gauge_PFCS_V = gaugeHeader("PFCS_V", PfcsTables<true>::elements, PfcsTables<true>::mouse, &quietGaugeCallback);
abi::GaugeHeader gauge_TurnSlip = gaugeHeader("TurnSlip", TurnSlipTables<false>::elements, TurnSlipTables<false>::mouse,
                                              &quietGaugeCallback);
abi::GaugeHeader gauge_TurnSlip_V = gaugeHeader("TurnSlip_V", TurnSlipTables<true>::elements,
                                                TurnSlipTables<true>::mouse, &quietGaugeCallback);
abi::GaugeHeader gauge_Compass_V = gaugeHeader("Compass_V", compassElements, compassMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
