#pragma once
// A sim host with the real module loaded, on the test navigation data.

#include <gtest/gtest.h>

#include <memory>

#include "simhost/flight_model.h"
#include "simhost/sim_host.h"

namespace xaq::sim::testing {

inline HostOptions testHostOptions() {
  HostOptions options;
  options.modulePath = XAQ_MODULE_PATH;
  options.simulatorFolder = XAQ_SIM_FOLDER;
  return options;
}

// The aircraft in level flight at 5000 ft and 190 kt heading east, gear up, both engines running,
// the pilot holding it there.
inline void putInCruise(SimHost& host) {
  World& w = host.world;
  placeOnGround(w, 45.0, -122.0, 90, 0);
  w.aircraft.onGround = false;
  w.aircraft.altitudeFt = 5000;
  w.aircraft.trueAirspeedKt = 190;
  w.aircraft.pitchDeg = 2.5;
  w.controls.gearHandle = 0;
  w.controls.gearPosition = {0, 0, 0};
  w.controls.parkingBrake = false;
  w.engines[0].combustion = w.engines[1].combustion = true;
  w.engines[0].mixture = w.engines[1].mixture = 16384;
  w.engines[0].nhPct = w.engines[1].nhPct = 85;
  w.engines[0].propRpm = w.engines[1].propRpm = 1200;
  host.pilot.targets = PilotTargets{true, 90, 5000, 190};
}

class ModuleHost : public ::testing::Test {
 protected:
  void SetUp() override {
    host = std::make_unique<SimHost>(testHostOptions());
    ASSERT_TRUE(host->loaded()) << host->error();
  }
  void TearDown() override { host.reset(); }
  // A cockpit of its own, a simulated second after loading (so each gauge starts as it loads).
  void restart() {
    host.reset();
    host = std::make_unique<SimHost>(testHostOptions());
    ASSERT_TRUE(host->loaded()) << host->error();
    host->runFor(1.0);
  }
  std::unique_ptr<SimHost> host;
};

}  // namespace xaq::sim::testing
