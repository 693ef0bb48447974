#include "systems/air/lighting_sync.h"

namespace xaq::systems {

void LightingSync::synchronise(const CycleContext&, PanelSwitchRecord& switches, Effects& effects) {
  if (host_.strobe && host_.beacon) effects.events.trigger(kEventToggleBeacon, 1);
  switches.antiCollisionLight = host_.strobe ? 1 : (host_.beacon ? 2 : 0);

  const bool flareWanted = switches.flareLandingLights != 0 && host_.landing;
  if (flareWanted != host_.flare) effects.events.trigger(kEventToggleFlareLights, 1);
}

}  // namespace xaq::systems
