// The engine switch panels: Bypass, ECU and Feather on the 2D panel, BypassV and ECU_V in the
// virtual cockpit. Each is a plate with its lit overlay, the switch images (day and night) or
// switchlights of its controls, and a mouse group per control; the ECU and Feather plates end in
// a strip the host answers with its own event. The twins show the same images without areas.

#include "frame/gauge_registry.h"
#include "gauges/engine/engine_controls.h"

namespace xaq::gauges {

namespace {

using namespace engine;

constexpr std::size_t at(Ctl c) { return static_cast<std::size_t>(c); }

template <typename T, std::size_t N>
constexpr std::size_t countOn(const T (&table)[N], Panel p, bool lights) {
  std::size_t n = 0;
  for (const T& t : table) n += t.panel == p && isLight(t) == lights ? 1 : 0;
  return n;
}
template <std::size_t N>
constexpr std::size_t lampsOn(const LampLayout (&table)[N], Panel p) {
  std::size_t n = 0;
  for (const LampLayout& l : table) n += l.panel == p ? 1 : 0;
  return n;
}

constexpr abi::GaugeHeader* gaugeOf(Panel p, bool twin) {
  switch (p) {
    case kBypassPanel: return twin ? &gauge_BypassV : &gauge_Bypass;
    case kEcuPanel: return twin ? &gauge_ECU_V : &gauge_ECU;
    case kFeatherPanel: return &gauge_Feather;
    case kPanels: break;
  }
  return nullptr;
}

// One gauge: a panel's 2D gauge, or its twin (no mouse areas).
template <Panel P, bool Twin>
struct Tables {
  static constexpr abi::GaugeHeader* gauge() { return gaugeOf(P, Twin); }
  static constexpr std::size_t kImages = 2 * countOn(kControls, P, false);
  static constexpr std::size_t kLights = countOn(kControls, P, true) + lampsOn(kLamps, P);
  static constexpr std::uint32_t backgroundId() {
    return Twin ? kPanelLayouts[P].twinBackgroundId : kPanelLayouts[P].backgroundId;
  }
  static constexpr bool kStrip = !Twin && kPanelLayouts[P].hostEvent != 0;
  static constexpr std::size_t kControlCount = (Twin ? 0 : countOn(kControls, P, false) + countOn(kControls, P, true)) +
                                               (kStrip ? 1 : 0);

  static constexpr std::array<abi::IconElement, 1> makeOverlay() {
    return {icon(gauge(), backgroundId() + 1, {0, 0}, 1, 0, &family::litOverlay, nullptr,
                 abi::kImageTransparent | abi::kImageHidden)};
  }
  static constexpr std::array<abi::IconElement, kImages> makeImages() {
    std::array<abi::IconElement, kImages> out{};
    std::size_t i = 0;
    for (const ControlLayout& c : kControls) {
      if (c.panel != P || isLight(c)) continue;
      const ControlBehaviour& b = kBehaviours[at(c.control)];
      const auto pair = family::switchPair(gauge(), *c.images, c.rect.origin(), b.day, b.night);
      out[i++] = pair[0];
      out[i++] = pair[1];
    }
    return out;
  }
  static constexpr std::array<abi::IconElement, kLights> makeLights() {
    std::array<abi::IconElement, kLights> out{};
    std::size_t i = 0;
    for (const ControlLayout& c : kControls) {
      if (c.panel == P && isLight(c)) {
        out[i++] = family::light(gauge(), *c.images, c.rect.origin(), kBehaviours[at(c.control)].light);
      }
    }
    for (std::size_t k = 0; k < std::size(kLamps); ++k) {
      if (kLamps[k].panel == P) out[i++] = family::light(gauge(), *kLamps[k].images, kLamps[k].rect.origin(), kLampImages[k]);
    }
    return out;
  }
  static constexpr std::array<family::Control, kControlCount> makeControls() {
    std::array<family::Control, kControlCount> out{};
    if constexpr (!Twin) {
      std::size_t i = 0;
      for (const ControlLayout& c : kControls) {
        if (c.panel != P) continue;
        const ControlBehaviour& b = kBehaviours[at(c.control)];
        out[i++] = {c.rect, c.tooltip, b.areas, b.first, b.second, b.flags};
      }
      if constexpr (kStrip) out[i++] = family::hostEventStrip(kPanelLayouts[P].hostStrip, kPanelLayouts[P].hostEvent);
    }
    return out;
  }

  static constexpr std::array<family::Control, kControlCount> kMouseControls = makeControls();
  static inline constinit std::array<abi::IconElement, 1> overlay = makeOverlay();
  static inline constinit std::array<abi::IconElement, kImages> images = makeImages();
  static inline constinit std::array<abi::IconElement, kLights> lights = makeLights();
  static inline constinit auto children = family::elementList(overlay, images, lights);
  static inline constinit abi::StaticImageElement background =
      staticImage(gauge(), backgroundId(), {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};
  static inline constinit auto mouse = family::mouseTable<family::mouseRecordCount(kMouseControls)>(kMouseControls);
};

template <Panel P, bool Twin>
constexpr abi::GaugeHeader header(const char* name) {
  return gaugeHeader(name, Tables<P, Twin>::elements, Tables<P, Twin>::mouse.data(), &quietGaugeCallback);
}

}  // namespace

abi::GaugeHeader gauge_Bypass = header<kBypassPanel, false>("Bypass");
abi::GaugeHeader gauge_BypassV = header<kBypassPanel, true>("BypassV");
abi::GaugeHeader gauge_ECU = header<kEcuPanel, false>("ECU");
abi::GaugeHeader gauge_ECU_V = header<kEcuPanel, true>("ECU_V");
abi::GaugeHeader gauge_Feather = header<kFeatherPanel, false>("Feather");

}  // namespace xaq::gauges
