// The guidance controller (`autopilot`) and its virtual-cockpit twin (`autopilot_V`): the lit
// panel for night, the pitch wheel's frames, the AP, YD, HSI SEL and NAV SEL lights, and on the
// 2D panel a mouse group per button. Every button calls its flight-guidance operation and clicks
// (sound 26); the pitch wheel's halves repeat while held and make no sound.

#include <array>

#include "common/sound_slots.h"
#include "frame/aircraft_state.h"
#include "frame/gauge_registry.h"
#include "gauges/glareshield/autopilot_layout.h"
#include "gauges/glareshield/glareshield_tables.h"
#include "gauges/kit/switch_family.h"

namespace xaq::gauges {

namespace {

using namespace glareshield;
using frame::AircraftState;
using guidance::FlightGuidance;

// ---- readers ----

int wheelFrame(const AircraftState& a) { return a.guidance.state().pitchWheelFrame; }
int apLight(const AircraftState& a) { return a.guidance.state().autopilotEngaged ? 1 : 0; }
int ydLight(const AircraftState& a) { return a.guidance.state().yawDamperEngaged ? 1 : 0; }
// The side lights: the first lit image for side 0, the second for side 1.
int hsiSelLight(const AircraftState& a) { return a.guidance.state().hsiSel != 0 ? 2 : 1; }
int navSelLight(const AircraftState& a) { return a.guidance.state().navSel != 0 ? 2 : 1; }

// ---- actions ----

template <void (FlightGuidance::*Press)()>
void push(AircraftState& a, Effects& e) {
  (a.guidance.*Press)();
  e.sounds.play(sound::kPushButtonClick);
}

template <void (FlightGuidance::*Turn)()>
void turn(AircraftState& a, Effects&) {
  (a.guidance.*Turn)();
}

struct ApBehaviour {
  ApControl control;
  family::Areas areas;
  abi::MouseCallback first;   // the single area, or the lower half
  abi::MouseCallback second;  // the upper half
  std::uint32_t flags;
};

template <void (FlightGuidance::*Press)()>
constexpr ApBehaviour button(ApControl c) {
  return {c, family::Areas::kOne, &family::operate<&push<Press>>, nullptr, family::kClick};
}

constexpr ApBehaviour kBehaviours[] = {
    button<&FlightGuidance::pressHsiSel>(ApControl::kHsiSel),
    button<&FlightGuidance::pressNavSel>(ApControl::kNavSel),
    button<&FlightGuidance::pressVorLoc>(ApControl::kVl),
    button<&FlightGuidance::pressAux>(ApControl::kAux),
    button<&FlightGuidance::pressHdg>(ApControl::kHdg),
    button<&FlightGuidance::pressNav>(ApControl::kNav),
    button<&FlightGuidance::pressApp>(ApControl::kApp),
    button<&FlightGuidance::pressBc>(ApControl::kBc),
    button<&FlightGuidance::pressIas>(ApControl::kIas),
    button<&FlightGuidance::pressVs>(ApControl::kVs),
    button<&FlightGuidance::pressAlt>(ApControl::kAlt),
    button<&FlightGuidance::pressAltSel>(ApControl::kAltSel),
    button<&FlightGuidance::pressAp>(ApControl::kAp),
    button<&FlightGuidance::pressYd>(ApControl::kYd),
    button<&FlightGuidance::pressStby>(ApControl::kStby),
    // The lower half turns the nose up, the upper half down.
    {ApControl::kPitchWheel, family::Areas::kLowerUpper, &family::operate<&turn<&FlightGuidance::pitchWheelUp>>,
     &family::operate<&turn<&FlightGuidance::pitchWheelDown>>, family::kRepeat},
};

static_assert(layout::indexedByControl(kBehaviours) && std::size(kBehaviours) == std::size(kApControls));

constexpr abi::ValueCallback kLightReaders[] = {&family::lightImage<&hsiSelLight>, &family::lightImage<&navSelLight>,
                                                &family::lightImage<&apLight>, &family::lightImage<&ydLight>};
static_assert(std::size(kLightReaders) == std::size(kApLights));

constexpr std::array<family::Control, kApControlCount> makeControls() {
  std::array<family::Control, kApControlCount> out{};
  for (std::size_t i = 0; i < out.size(); ++i) {
    const ApBehaviour& b = kBehaviours[i];
    out[i] = {kApControls[i].rect, kApControls[i].tooltip, b.areas, b.first, b.second, b.flags};
  }
  return out;
}

constexpr const char* kControllerTooltip = "Guidance controller";

template <bool Vc>
struct AutopilotTables {
  static constexpr abi::GaugeHeader* gauge() { return Vc ? &gauge_autopilot_V : &gauge_autopilot; }

  static constexpr std::array<abi::IconElement, 1> makeOverlay() {
    return {icon(gauge(), Vc ? kAutopilotVOverlayId : kAutopilotOverlayId, {0, 0}, 1, 0, &family::litOverlay, nullptr,
                 abi::kImageTransparent | abi::kImageHidden)};
  }
  static constexpr std::array<abi::IconElement, 2> makeWheel() {
    return family::switchPair(gauge(), kPitchWheelArt, apControl(ApControl::kPitchWheel).rect.origin(),
                              &family::dayImage<&wheelFrame>, &family::nightImage<&wheelFrame>);
  }
  static constexpr std::array<abi::IconElement, std::size(kApLights)> makeLights() {
    std::array<abi::IconElement, std::size(kApLights)> out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
      out[i] = family::light(gauge(), *kApLights[i].images, apControl(kApLights[i].control).rect.origin(),
                             kLightReaders[i]);
    }
    return out;
  }

  static constexpr std::array<family::Control, Vc ? 0 : kApControlCount> kControls = [] {
    if constexpr (Vc) {
      return std::array<family::Control, 0>{};
    } else {
      return makeControls();
    }
  }();

  static inline constinit std::array<abi::IconElement, 1> overlay = makeOverlay();
  static inline constinit std::array<abi::IconElement, 2> wheel = makeWheel();
  static inline constinit std::array<abi::IconElement, std::size(kApLights)> lights = makeLights();
  static inline constinit auto children = family::elementList(overlay, wheel, lights);
  static inline constinit abi::StaticImageElement background =
      staticImage(gauge(), Vc ? kAutopilotVBackgroundId : kAutopilotBackgroundId, {0, 0}, children.data());
  static inline abi::ElementHeader* const elements[] = {&background.header, nullptr};
  static inline constinit auto mouse =
      withGaugeTooltip<family::mouseRecordCount(kControls)>(family::mouseTable<family::mouseRecordCount(kControls)>(kControls),
                                                           kControllerTooltip);
};

}  // namespace

abi::GaugeHeader gauge_autopilot =
    gaugeHeader("autopilot", AutopilotTables<false>::elements, AutopilotTables<false>::mouse.data(), &quietGaugeCallback);
abi::GaugeHeader gauge_autopilot_V =
    gaugeHeader("autopilot_V", AutopilotTables<true>::elements, AutopilotTables<true>::mouse.data(), &quietGaugeCallback);

}  // namespace xaq::gauges
