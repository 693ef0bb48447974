#pragma once
// Where the overhead's system-owned controls go: the engine start to the engines, the cabin
// pressure knobs to the cabin pressure controller and the wiper selector's mode to the wipers.

#include "systems/air/cabin_pressure.h"
#include "systems/air/wipers.h"
#include "systems/engines/engines.h"
#include "systems/switches/panel_switches.h"

namespace xaq::frame {

class PanelControlRouting final : public systems::PanelControlHandler {
 public:
  PanelControlRouting(systems::Engines& engines, systems::CabinPressure& cabin, systems::Wipers& wipers)
      : engines_(engines), cabin_(cabin), wipers_(wipers) {}

  void engineStart() override { engines_.startSwitch(); }
  void cabinAltitudeStep(int direction) override { cabin_.cabinAltitudeStep(direction); }
  void barometricCorrectionStep(int direction) override { cabin_.barometricCorrectionStep(direction); }
  void cabinAltitudeManualStep(int direction) override { cabin_.manualRateStep(direction); }
  void wiperMode(int mode) override { wipers_.selectMode(mode); }

 private:
  systems::Engines& engines_;
  systems::CabinPressure& cabin_;
  systems::Wipers& wipers_;
};

}  // namespace xaq::frame
