#pragma once
// The exterior lights kept in step with the host's, in the panel switch update: strobe and
// beacon are never both on, the anti-collision switch shows what the host has on, and the flare
// lights burn only with the flare switch and the landing lights both on.

#include <cstdint>

#include "systems/switches/panel_switches.h"

namespace xaq::systems {

inline constexpr std::uint32_t kEventToggleFlareLights = 66377;

struct HostExteriorLights {
  bool strobe = false;    // host variable 11
  bool beacon = false;    // 368
  bool landing = false;   // 14
  bool flare = false;     // 622
};

class LightingSync final : public LightingSynchronisation {
 public:
  // The cycle hands the host's lights in before the panel switch update.
  void hostLights(const HostExteriorLights& lights) { host_ = lights; }
  void synchronise(const CycleContext& now, PanelSwitchRecord& switches, Effects& effects) override;

 private:
  HostExteriorLights host_;
};

}  // namespace xaq::systems
