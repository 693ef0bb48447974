#pragma once
// A test bed for the engine controls: the panel switches, the two main buses and a host whose
// engines answer the module's commands the simplest way (a starter and an open fuel lever light
// an engine off unless the host holds it failed), run through the real update path.

#include <cmath>
#include <cstdint>

#include "common/testing/recording_effects.h"
#include "systems/engines/engines.h"

namespace xaq::systems::testing {

class EnginesBed {
 public:
  EnginesBed() {
    electrical.busVolts[static_cast<int>(DcBus::kLeftMain)] = 28.0;
    electrical.busVolts[static_cast<int>(DcBus::kRightMain)] = 28.0;
    in.conditionLever = {16384, 16384};
    in.oilPressurePsi = {60, 60};
    in.air = {0, 15, 15};
  }

  EnginesBed& givenMainBus(int engine, double volts) {
    electrical.busVolts[static_cast<int>(engine == 1 ? DcBus::kLeftMain : DcBus::kRightMain)] = volts;
    return *this;
  }
  EnginesBed& givenAirborne() { return in.onGround = false, *this; }
  EnginesBed& givenRunning(int engine, bool running) { return in.running[engine - 1] = running, *this; }
  EnginesBed& givenAir(double altitudeFt, double oatC, double standardC) {
    in.air = {altitudeFt, oatC, standardC};
    return *this;
  }

  // The overhead's clicks.
  void selectLeft() { switches.engineStartSelectLeft(doors); }
  void selectRight() { switches.engineStartSelectRight(doors); }
  void pushStart() { engines.startSwitch(); }
  int select() const { return switches.state().engineStartSelect; }

  // n cycles of dtS each, the clock advancing before every cycle. With `hostAnswers` the host
  // side follows the module's events after each cycle.
  void runCycles(int n, double dtS = 0.056) {
    for (int i = 0; i < n; ++i) {
      now.dtS = dtS;
      now.nowS += dtS;
      const std::size_t before = fx.events.size();
      switches.update(now, doors);
      engines.update(now, in, doors);
      if (hostAnswers) answer(before);
    }
  }

  int eventCount(std::uint32_t id) const {
    int n = 0;
    for (const auto& e : fx.events) n += e.first == id ? 1 : 0;
    return n;
  }
  int eventCount(std::uint32_t id, std::uint32_t value) const {
    int n = 0;
    for (const auto& e : fx.events) n += e.first == id && e.second == value ? 1 : 0;
    return n;
  }
  bool lit(int light) const { return fx.lights.isLit(light); }

  PanelSwitches switches;
  ElectricalState electrical;
  EnginesInputs in;
  Engines engines{switches, electrical};
  xaq::testing::RecordingEffects fx;
  Effects doors = fx.doors();
  CycleContext now;
  bool hostAnswers = false;
  std::array<bool, 2> starterOn{};

 private:
  void answer(std::size_t from) {
    starterOn = {};
    for (std::size_t k = from; k < fx.events.size(); ++k) {
      const auto [id, value] = fx.events[k];
      for (int e = 0; e < 2; ++e) {
        if (id == kEngineFailureToggleEvent[e]) in.hostEngineFailed[e] = !in.hostEngineFailed[e];
        if (id == kStarterEvent[e]) starterOn[e] = value != 0;
      }
    }
    for (int e = 0; e < 2; ++e) {
      if (in.hostEngineFailed[e]) in.running[e] = false;
      else if (starterOn[e] && in.conditionLever[e] > 200) in.running[e] = true;
    }
  }
};

}  // namespace xaq::systems::testing
