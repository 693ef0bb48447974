// The overhead panel (`Overhead`) and its seven virtual-cockpit pieces (`VCOverhead1` ... 7), one
// piece per panel section. Every table is built from the same section layouts and the same
// control behaviours, so a switch on a piece is the switch on the panel: same tooltip, same
// operation, same images.

#include "frame/gauge_registry.h"
#include "gauges/kit/switch_family.h"
#include "gauges/overhead/overhead_controls.h"
#include "gauges/overhead/overhead_layout.h"

namespace xaq::gauges {

namespace {

using namespace overhead;

constexpr int kWholePanel = -1;

constexpr bool onThis(Section section, int gaugeSection) {
  return gaugeSection == kWholePanel || section == gaugeSection;
}

constexpr std::size_t at(Ctl c) { return static_cast<std::size_t>(c); }

constexpr abi::GaugeHeader* gaugeOf(int section) {
  switch (section) {
    case kDcElectrical: return &gauge_VCOverhead1;
    case kAcElectrical: return &gauge_VCOverhead2;
    case kIceProtection: return &gauge_VCOverhead3;
    case kLighting: return &gauge_VCOverhead4;
    case kEngineStartApu: return &gauge_VCOverhead5;
    case kAirConditioning: return &gauge_VCOverhead6;
    case kCabinSigns: return &gauge_VCOverhead7;
    default: return &gauge_Overhead;
  }
}

constexpr TextStyle kDigits{0x0000B0FF, 0x00101010, "Quartz", 700,
                            abi::kTextRight | abi::kTextVerticalCenter | abi::kTextSingleLine};

// One gauge's tables: the whole panel (kWholePanel) or one section's piece.
template <int S>
struct Tables {
  static constexpr bool kWhole = S == kWholePanel;
  static constexpr std::size_t kImages = 2 * countOn(kControls, S, &hasImages);
  static constexpr std::size_t kLampCount = countOn(kLamps, S);
  static constexpr std::size_t kReadoutCount = countOn(kReadouts, S);
  static constexpr std::size_t kDialCount = countOn(kDials, S);
  static constexpr std::size_t kControlCount = countOn(kControls, S) + (kWhole ? 1 : 0);

  static constexpr std::uint32_t backgroundId() { return kWhole ? kPanelBackgroundId : kSectionLayouts[S].backgroundId; }

  static constexpr std::array<abi::IconElement, 1> makeOverlay() {
    return {icon(gaugeOf(S), kWhole ? kPanelOverlayId : backgroundId() + 1, {0, 0}, 1, 0, &family::litOverlay,
                 nullptr, abi::kImageTransparent | abi::kImageHidden)};
  }

  static constexpr std::array<abi::IconElement, kImages> makeImages() {
    std::array<abi::IconElement, kImages> out{};
    std::size_t i = 0;
    for (const ControlLayout& c : kControls) {
      if (!onThis(c.section, S) || !hasImages(c)) continue;
      const ControlBehaviour& b = kBehaviours[at(c.control)];
      const auto pair = family::switchPair(gaugeOf(S), *c.images, onGauge(c.section, c.rect.origin(), kWhole),
                                           b.day, b.night);
      out[i++] = pair[0];
      out[i++] = pair[1];
    }
    return out;
  }

  static constexpr std::array<abi::IconElement, kLampCount> makeLamps() {
    std::array<abi::IconElement, kLampCount> out{};
    std::size_t i = 0;
    for (const LampLayout& l : kLamps) {
      if (!onThis(l.section, S)) continue;
      out[i++] = family::light(gaugeOf(S), *l.images, onGauge(l.section, l.rect.origin(), kWhole),
                               kLampImages[static_cast<std::size_t>(l.lamp)]);
    }
    return out;
  }

  static constexpr std::array<abi::StringElement, kReadoutCount> makeReadouts() {
    std::array<abi::StringElement, kReadoutCount> out{};
    std::size_t i = 0;
    for (const ReadoutLayout& r : kReadouts) {
      if (!onThis(r.section, S)) continue;
      const Point p = onGauge(r.section, r.rect.origin(), kWhole);
      out[i++] = text(gaugeOf(S), pix(p), {r.rect.width, r.rect.height}, kReadoutLength, 0,
                      kReadoutTexts[static_cast<std::size_t>(r.readout)], kDigits);
    }
    return out;
  }

  using Scale = std::array<abi::ScalePoint, kDialMarks>;

  static constexpr std::array<Scale, kDialCount> makeScales() {
    std::array<Scale, kDialCount> out{};
    std::size_t i = 0;
    for (const DialLayout& d : kDials) {
      if (!onThis(d.section, S)) continue;
      const Point pivot = onGauge(d.section, d.pivot, kWhole);
      for (std::size_t m = 0; m < kDialMarks; ++m) {
        const layout::ScaleMark& mark = (*d.scale)[m];
        out[i][m] = abi::ScalePoint{{pivot.x + mark.point.x, pivot.y + mark.point.y}, mark.value, 0.0};
      }
      ++i;
    }
    return out;
  }

  static constexpr std::array<abi::NeedleElement, kDialCount> makeNeedles(std::array<Scale, kDialCount>& scales) {
    std::array<abi::NeedleElement, kDialCount> out{};
    std::size_t i = 0;
    for (const DialLayout& d : kDials) {
      if (!onThis(d.section, S)) continue;
      const layout::NeedleLayout n{kBatteryNeedleId, onGauge(d.section, d.pivot, kWhole), kBatteryNeedleSize,
                                   kBatteryNeedlePivot};
      out[i] = needle(gaugeOf(S), n, 0, kDialNeedles[static_cast<std::size_t>(d.dial)], scales[i].data(),
                      scales[i].size());
      ++i;
    }
    return out;
  }

  static constexpr std::array<family::Control, kControlCount> makeControls() {
    std::array<family::Control, kControlCount> out{};
    std::size_t i = 0;
    for (const ControlLayout& c : kControls) {
      if (!onThis(c.section, S)) continue;
      const ControlBehaviour& b = kBehaviours[at(c.control)];
      out[i++] = {onGauge(c.section, c.rect, kWhole), c.tooltip, b.areas, b.first, b.second, b.flags};
    }
    if constexpr (kWhole) out[i++] = family::hostEventStrip(kViewStrip, kViewForwardEvent);
    return out;
  }

  static constexpr std::array<family::Control, kControlCount> kMouseControls = makeControls();

  static inline constinit std::array<abi::IconElement, 1> overlay = makeOverlay();
  static inline constinit std::array<abi::IconElement, kImages> images = makeImages();
  static inline constinit std::array<abi::IconElement, kLampCount> lamps = makeLamps();
  static inline constinit std::array<abi::StringElement, kReadoutCount> readouts = makeReadouts();
  static inline constinit std::array<Scale, kDialCount> scales = makeScales();
  static inline constinit std::array<abi::NeedleElement, kDialCount> needles = makeNeedles(scales);
  static inline constinit auto children = family::elementList(overlay, images, lamps, readouts, needles);
  static inline constinit abi::StaticImageElement background =
      staticImage(gaugeOf(S), backgroundId(), {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};
  static inline constinit auto mouse =
      family::mouseTable<family::mouseRecordCount(kMouseControls)>(kMouseControls);
};

template <int S>
constexpr abi::GaugeHeader header(const char* name) {
  return gaugeHeader(name, Tables<S>::elements, Tables<S>::mouse.data(), &quietGaugeCallback);
}

}  // namespace

abi::GaugeHeader gauge_Overhead = header<kWholePanel>("Overhead");
abi::GaugeHeader gauge_VCOverhead1 = header<kDcElectrical>("VCOverhead1");
abi::GaugeHeader gauge_VCOverhead2 = header<kAcElectrical>("VCOverhead2");
abi::GaugeHeader gauge_VCOverhead3 = header<kIceProtection>("VCOverhead3");
abi::GaugeHeader gauge_VCOverhead4 = header<kLighting>("VCOverhead4");
abi::GaugeHeader gauge_VCOverhead5 = header<kEngineStartApu>("VCOverhead5");
abi::GaugeHeader gauge_VCOverhead6 = header<kAirConditioning>("VCOverhead6");
abi::GaugeHeader gauge_VCOverhead7 = header<kCabinSigns>("VCOverhead7");

}  // namespace xaq::gauges
