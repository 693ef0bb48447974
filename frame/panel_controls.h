#pragma once
// Where the overhead's system-owned controls go: the engine start to the engines, the cabin
// pressure knobs and the wiper mode to the switches' held values until their systems take them.

#include "systems/engines/engines.h"
#include "systems/switches/panel_switches.h"

namespace xaq::frame {

class PanelControlRouting final : public systems::PanelControlHandler {
 public:
  PanelControlRouting(systems::Engines& engines, systems::PanelControlHandler& held) : engines_(engines), held_(held) {}

  void engineStart() override { engines_.startSwitch(); }
  void cabinAltitudeStep(int direction) override { held_.cabinAltitudeStep(direction); }
  void barometricCorrectionStep(int direction) override { held_.barometricCorrectionStep(direction); }
  void cabinAltitudeManualStep(int direction) override { held_.cabinAltitudeManualStep(direction); }
  void wiperMode(int mode) override { held_.wiperMode(mode); }

 private:
  systems::Engines& engines_;
  systems::PanelControlHandler& held_;
};

}  // namespace xaq::frame
