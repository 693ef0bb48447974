// The warning and caution panels: `WarningLights` on the 2D panel (the warning row above the
// caution grid, and the host's view strip at its right end), `Warning_V` and `Caution_V` in the
// virtual cockpit. The backgrounds carry every legend unlit; each light is a lit cell on top,
// shown while its light is on and the panel has DC power.

#include <array>
#include <cstddef>

#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/annunciators/warning_layout.h"
#include "gauges/kit/gauge_kit.h"

namespace xaq::gauges {

namespace {

namespace ap = annunciator_panels;

// The lit cell's own bitmap tells which light it shows.
int lightOfBitmap(std::uint32_t resourceId) {
  if (resourceId >= ap::kLitCautionBaseId) return static_cast<int>(resourceId - ap::kLitCautionBaseId);
  return lights::kWarningBase + static_cast<int>(resourceId - ap::kLitWarningBaseId);
}

double XAQ_HOSTCALL litCellValue(abi::ElementHeader* element) {
  const frame::AircraftState* a = aircraft();
  const bool shown = a != nullptr && a->electrical.state().dcPowerAvailable &&
                     a->annunciators.state().lit(lightOfBitmap(element->resourceId));
  setHidden(element, !shown);
  return 0.0;
}

template <std::size_t N>
constexpr int lightsIn(const ap::Cell (&cells)[N]) {
  int n = 0;
  for (const ap::Cell& c : cells) n += c.light != 0 ? 1 : 0;
  return n;
}

// One hidden icon per cell with a light, at the cell's place on the background.
template <int Count, std::size_t N, typename Place>
constexpr std::array<abi::IconElement, Count> litCells(abi::GaugeHeader* gauge, const ap::Cell (&cells)[N],
                                                       abi::PixPoint origin, Place place) {
  std::array<abi::IconElement, Count> out{};
  int k = 0;
  for (std::size_t i = 0; i < N; ++i) {
    if (cells[i].light == 0) continue;
    const layout::Point at = place(layout::Point{origin.x, origin.y}, static_cast<int>(i));
    out[static_cast<std::size_t>(k++)] = icon(gauge, ap::litBitmapId(cells[i].light), pix(at), 1, 0, &litCellValue,
                                              nullptr, abi::kImageHidden);
  }
  return out;
}

template <std::size_t N, std::size_t M>
constexpr std::array<abi::ElementHeader*, N + M + 1> childList(std::array<abi::IconElement, N>& first,
                                                               std::array<abi::IconElement, M>& second) {
  std::array<abi::ElementHeader*, N + M + 1> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = &first[i].header;
  for (std::size_t i = 0; i < M; ++i) out[N + i] = &second[i].header;
  return out;
}

constexpr int kWarnings = lightsIn(ap::kWarningRow);
constexpr int kCautions = lightsIn(ap::kCautionGrid);
static_assert(kWarnings == ap::kWarningLights && kCautions == ap::kCautionLights);
constexpr auto kRowPlace = [](layout::Point o, int i) { return ap::warningCellAt(o, i); };
constexpr auto kGridPlace = [](layout::Point o, int i) { return ap::cautionCellAt(o, i); };

// 2D panel.
constinit std::array<abi::IconElement, kWarnings> panelWarnings =
    litCells<kWarnings>(&gauge_WarningLights, ap::kWarningRow, pix(ap::kPanelWarningRow), kRowPlace);
constinit std::array<abi::IconElement, kCautions> panelCautions =
    litCells<kCautions>(&gauge_WarningLights, ap::kCautionGrid, pix(ap::kPanelCautionGrid), kGridPlace);
constinit std::array<abi::ElementHeader*, kWarnings + kCautions + 1> panelLights = childList(panelWarnings, panelCautions);
constinit abi::StaticImageElement panelBackground =
    staticImage(&gauge_WarningLights, ap::kWarningLightsBackgroundId, {0, 0}, panelLights.data());
abi::ElementHeader* const panelElements[] = {&panelBackground.header, nullptr};

abi::MouseRecord panelMouse[] = {
    mouseGroup(),
    mouseEventArea(ap::kPanelContentWidth, 0, ap::kViewStripWidth, ap::kPanelSize.height, abi::kCursorHand,
                   abi::kMouseLeftSingle, ap::kViewEvent),
    mouseEndGroup(),
    mouseEnd(),
};

// Virtual cockpit.
constinit std::array<abi::IconElement, kWarnings> vcWarnings =
    litCells<kWarnings>(&gauge_Warning_V, ap::kWarningRow, pix(ap::kVcWarningRow), kRowPlace);
constinit std::array<abi::IconElement, 0> noCells{};
constinit std::array<abi::ElementHeader*, kWarnings + 1> vcWarningLights = childList(vcWarnings, noCells);
constinit abi::StaticImageElement vcWarningBackground =
    staticImage(&gauge_Warning_V, ap::kWarningVBackgroundId, {0, 0}, vcWarningLights.data());
abi::ElementHeader* const vcWarningElements[] = {&vcWarningBackground.header, nullptr};
abi::MouseRecord vcWarningMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

constinit std::array<abi::IconElement, kCautions> vcCautions =
    litCells<kCautions>(&gauge_Caution_V, ap::kCautionGrid, pix(ap::kVcCautionGrid), kGridPlace);
constinit std::array<abi::ElementHeader*, kCautions + 1> vcCautionLights = childList(vcCautions, noCells);
constinit abi::StaticImageElement vcCautionBackground =
    staticImage(&gauge_Caution_V, ap::kCautionVBackgroundId, {0, 0}, vcCautionLights.data());
abi::ElementHeader* const vcCautionElements[] = {&vcCautionBackground.header, nullptr};
abi::MouseRecord vcCautionMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_WarningLights =
    gaugeHeader("WarningLights", panelElements, panelMouse, &quietGaugeCallback);
abi::GaugeHeader gauge_Warning_V = gaugeHeader("Warning_V", vcWarningElements, vcWarningMouse, &quietGaugeCallback);
abi::GaugeHeader gauge_Caution_V = gaugeHeader("Caution_V", vcCautionElements, vcCautionMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
