// The advisory display (`Advisory`, and `AdvisoryV` in the virtual cockpit): four lines in the
// display's font over its dark screen, and the two black overlays that blank the lateral and
// vertical active modes while they flash. Every element is blank without DC power.

#include <array>

#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/glareshield/advisory_layout.h"
#include "gauges/glareshield/glareshield_tables.h"
#include "gauges/glareshield/glareshield_texts.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges {

namespace {

using namespace glareshield;

constexpr std::uint16_t kLineLength = 31;

template <AdvisoryElement Which>
double XAQ_HOSTCALL advisoryText(abi::ElementHeader* element) {
  const frame::AircraftState* a = aircraft();
  auto* s = abi::elementAs<abi::StringElement>(element);
  if (a == nullptr) {
    writeText(s, "");
    return 0.0;
  }
  const bool powered = family::dcPowerAvailable(*a);
  const guidance::AdvisoryState& state = a->advisory.state();
  setHidden(element, !advisoryElementShown(state, powered, Which));
  writeText(s, advisoryElementText(state, powered, Which).data());
  return 0.0;
}

constexpr TextStyle style(std::uint32_t colour, std::uint32_t alignment) {
  return {colour, kAdvisoryBackgroundColour, kAdvisoryFont, 400,
          alignment | abi::kTextVerticalCenter | abi::kTextSingleLine};
}

template <bool Vc>
struct AdvisoryTables {
  static constexpr abi::GaugeHeader* gauge() { return Vc ? &gauge_AdvisoryV : &gauge_Advisory; }

  static constexpr abi::StringElement line(int i, abi::ValueCallback callback) {
    const Rect r = kAdvisoryLines[i].box;
    return text(gauge(), {r.x, r.y}, {r.width, r.height}, kLineLength, 0, callback,
                style(kAdvisoryLines[i].colour, abi::kTextLeft));
  }
  static constexpr abi::StringElement overlay(Rect r, std::uint32_t alignment, abi::ValueCallback callback) {
    abi::StringElement e =
        text(gauge(), {r.x, r.y}, {r.width, r.height}, kLineLength, 0, callback, style(kFlashColour, alignment));
    e.header.imageFlags |= abi::kImageHidden;
    return e;
  }

  static inline constinit std::array<abi::StringElement, 6> texts = {
      line(0, &advisoryText<AdvisoryElement::kLine1>),
      line(1, &advisoryText<AdvisoryElement::kLine2>),
      line(2, &advisoryText<AdvisoryElement::kLine3>),
      line(3, &advisoryText<AdvisoryElement::kLine4>),
      overlay(kLateralFlashBox, abi::kTextLeft, &advisoryText<AdvisoryElement::kLateralFlash>),
      overlay(kVerticalFlashBox, abi::kTextRight, &advisoryText<AdvisoryElement::kVerticalFlash>),
  };
  static inline constinit auto children = family::elementList(texts);
  static inline constinit abi::StaticImageElement background =
      staticImage(gauge(), Vc ? kAdvisoryVBackgroundId : kAdvisoryBackgroundId, {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};
  static inline abi::MouseRecord mouse[] = {mouseGroup(), mouseTooltip("Advisory display"), mouseEndGroup(), mouseEnd()};
};

}  // namespace

abi::GaugeHeader gauge_Advisory =
    gaugeHeader("Advisory", AdvisoryTables<false>::elements, AdvisoryTables<false>::mouse, &quietGaugeCallback);
abi::GaugeHeader gauge_AdvisoryV =
    gaugeHeader("AdvisoryV", AdvisoryTables<true>::elements, AdvisoryTables<true>::mouse, &quietGaugeCallback);

}  // namespace xaq::gauges
