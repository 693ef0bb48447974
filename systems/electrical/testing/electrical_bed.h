#pragma once
// A test bed for the electrical system and the APU: the overhead's switches, the engines, the
// ground and the host's switches as the cycle would hand them in, and the two parts run through
// their real update path in cycle order, the APU after the electrical system.

#include <cmath>

#include "common/testing/recording_effects.h"
#include "common/testing/stepped_bed.h"
#include "systems/electrical/apu.h"
#include "systems/electrical/electrical.h"

namespace xaq::systems::testing {

class ElectricalBed : public xaq::testing::SteppedBed<ElectricalBed> {
 public:
  ElectricalBed() {
    // Everything off: each test switches on what it needs.
    sw = PanelSwitchRecord{};
    sw.auxBattery = sw.mainBattery = sw.batteryMaster = 0;
    sw.generatorControl1 = sw.generatorControl2 = sw.acGenerator1 = sw.acGenerator2 = 0;
    sw.primaryInverter = sw.secondaryInverter = 0;
    sw.pitotHeater1 = sw.pitotHeater2 = 0;
    in.switches = &sw;
    in.onGround = true;
    in.outsideAirTempC = 15.0;
    in.hostAvionicsMaster = true;
  }

  ElectricalBed& givenMainBattery() { return sw.batteryMaster = 1, sw.mainBattery = 1, *this; }
  ElectricalBed& givenAuxBattery() { return sw.batteryMaster = 1, sw.auxBattery = 1, *this; }
  ElectricalBed& givenEngine(int engine, double nhPct) {
    in.gasGeneratorPct[engine - 1] = nhPct;
    in.engineRunning[engine - 1] = nhPct > 0.0;
    return *this;
  }
  ElectricalBed& givenDcGenerator(int engine) {
    (engine == 1 ? sw.generatorControl1 : sw.generatorControl2) = 1;
    return *this;
  }
  ElectricalBed& givenAcGenerator(int engine) {
    (engine == 1 ? sw.acGenerator1 : sw.acGenerator2) = 1;
    return *this;
  }
  ElectricalBed& givenParkedOnGroundPower() { return in.parkingBrake = 32767, in.indicatedAirspeedKt = 0, *this; }

  double busVolts(DcBus bus) const { return electrical.state().volts(bus); }
  const ElectricalState& state() const { return electrical.state(); }
  bool lit(int light) const { return fx.lights.isLit(light); }
  int eventCount(std::uint32_t id) const { return fx.eventCount(id); }

  PanelSwitchRecord sw;
  ElectricalInputs in;
  Electrical electrical;
  Apu apu;
  xaq::testing::RecordingEffects fx;
  Effects doors = fx.doors();

 private:
  friend class xaq::testing::SteppedBed<ElectricalBed>;
  void cycle() {
    in.apuLastCycle = apu.state().outputs;
    electrical.update(now, in, doors);
    apu.update(now, ApuInputs{electrical.state().dcPowerAvailable, in.onGround, -300}, doors);
  }
};

}  // namespace xaq::systems::testing
