#pragma once
// A test bed for the air systems: the panel's switches, the aircraft's altitude, speed and engines
// and the host's flags as the cycle would hand them in, and the parts run through their real
// update path in cycle order (lighting, de-ice, wipers, cabin pressure). The host follows the
// module's toggle events at once, as it does before its next frame.

#include <cmath>
#include <cstdint>

#include "common/testing/recording_effects.h"
#include "common/testing/stepped_bed.h"
#include "systems/air/cabin_pressure.h"
#include "systems/air/deice.h"
#include "systems/air/lighting.h"
#include "systems/air/wipers.h"

namespace xaq::systems::testing {

// The standard atmosphere's pressure in psi at a pressure altitude.
inline double standardPressurePsi(double altitudeFt) {
  return 14.696 * std::pow(1.0 - altitudeFt * 6.8755856e-6, 5.2558797);
}

class AirBed : public xaq::testing::SteppedBed<AirBed> {
 public:
  static constexpr double kTimeSteps[] = {0.028, 0.056, 0.3, 6.0};

  AirBed() {
    cabinIn.dcPowerAvailable = true;
    cabinIn.modeSelector = 2;
    givenOnGround(0.0);
    wiperIn.dcPowerAvailable = true;
    now.nowS = 100.0;
  }

  AirBed& givenOnGround(double fieldFt) {
    cabinIn.onGround = deiceIn.onGround = true;
    return givenAltitude(fieldFt);
  }
  AirBed& givenAirborne(double altitudeFt, double climbFpm = 0.0) {
    cabinIn.onGround = deiceIn.onGround = false;
    cabinIn.verticalSpeedFpm = climbFpm;
    cabinIn.indicatedAirspeedKt = 180.0;
    return givenAltitude(altitudeFt);
  }
  AirBed& givenAltitude(double altitudeFt) {
    cabinIn.altitudeFt = altitudeFt;
    cabinIn.outsidePressurePsi = standardPressurePsi(altitudeFt);
    return *this;
  }
  AirBed& givenEnginesRunning(bool one, bool two) {
    deiceIn.engine1Running = one;
    deiceIn.engine2Running = two;
    return *this;
  }

  // Past the cabin controller's start-up count.
  void start(double dtS = 0.056) { runCycles(CabinPressure::kStartupCycles, dtS); }

  int eventCount(std::uint32_t id) const { return fx.eventCount(id); }
  bool lit(int light) const { return fx.lights.isLit(light); }

  PanelSwitchRecord sw;
  CabinPressureInputs cabinIn;
  DeiceInputs deiceIn{&sw};
  WiperInputs wiperIn;
  LightingInputs lightingIn;
  CabinPressure cabin;
  Deice deice;
  Wipers wipers;
  PanelLighting lighting;
  xaq::testing::RecordingEffects fx;
  Effects doors = fx.doors();

 private:
  friend class xaq::testing::SteppedBed<AirBed>;
  void cycle() {
    lighting.update(now, lightingIn);
    const std::size_t before = fx.events.size();
    deice.update(now, deiceIn, doors);
    for (std::size_t i = before; i < fx.events.size(); ++i) hostPerforms(fx.events[i].first);
    wipers.update(now, wiperIn);
    cabin.update(now, cabinIn, doors);
  }
  void hostPerforms(std::uint32_t event) {
    if (event == kEventPropDeiceToggle) deiceIn.hostPropDeice = !deiceIn.hostPropDeice;
    if (event == kEventStructuralDeiceToggle) deiceIn.hostAirframeDeice = !deiceIn.hostAirframeDeice;
    if (event == kEventPitotHeatOn) deiceIn.hostPitotHeat = true;
    if (event == kEventPitotHeatOff) deiceIn.hostPitotHeat = false;
  }
};

}  // namespace xaq::systems::testing
