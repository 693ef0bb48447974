// The host's aircraft and engines: the start sequence, the take-off and the turn direction.

#include <gtest/gtest.h>

#include "simhost/atmosphere.h"
#include "simhost/engines.h"
#include "simhost/flight_model.h"
#include "simhost/key_events.h"
#include "simhost/pilot.h"

namespace xaq::sim {
namespace {

void run(World& w, double seconds, Pilot* pilot = nullptr, int starterEvent = 0) {
  const double dt = 0.028;
  for (double t = 0; t < seconds; t += dt) {
    if (starterEvent != 0) applyKeyEvent(w, static_cast<std::uint32_t>(starterEvent), 1);
    w.simSeconds += dt;
    if (pilot != nullptr) pilot->fly(w, dt);
    stepEngines(w, dt);
    stepFlightModel(w, dt);
  }
}

World coldOnRunway() {
  World w;
  placeOnGround(w, 45.5, -122.6, 100, 24);
  return w;
}

TEST(EngineStart, StarterLightsWithFuelAndSettlesAtIdle) {
  World w = coldOnRunway();
  applyKeyEvent(w, 66374, 1);  // battery master
  run(w, 10, nullptr, 65932);
  EXPECT_NEAR(w.engines[0].nhPct, EngineLimits::kStarterNhPct, 2);
  EXPECT_FALSE(w.engines[0].combustion) << "no fuel yet";

  applyKeyEvent(w, 65983, 1);  // fuel on
  double peakItt = 0;
  for (int i = 0; i < 40; ++i) {
    run(w, 0.5, nullptr, 65932);
    peakItt = std::max(peakItt, w.engines[0].ittC);
  }
  EXPECT_TRUE(w.engines[0].combustion);
  EXPECT_NEAR(w.engines[0].nhPct, EngineLimits::kIdleNhPct, 1.5);
  EXPECT_GT(peakItt, 600);
  run(w, 20);  // starter released
  EXPECT_NEAR(w.engines[0].nhPct, EngineLimits::kIdleNhPct, 0.5);
  EXPECT_GT(w.engines[0].oilPressurePsi, 50);
  EXPECT_NEAR(w.engines[0].propRpm, 1200, 5);
  EXPECT_FALSE(w.engines[1].combustion);

  applyKeyEvent(w, 65987, 1);  // fuel off
  run(w, 30);
  EXPECT_FALSE(w.engines[0].combustion);
  EXPECT_LT(w.engines[0].nhPct, 10);
}

TEST(EngineStart, AFailedEngineNeitherLightsOffNorKeepsBurning) {
  World w = coldOnRunway();
  applyKeyEvent(w, 66374, 1);  // battery master
  applyKeyEvent(w, 65983, 1);  // fuel on
  applyKeyEvent(w, 66313, 1);  // engine 1 failed
  run(w, 15, nullptr, 65932);
  EXPECT_NEAR(w.engines[0].nhPct, EngineLimits::kStarterNhPct, 2) << "the starter still turns it";
  EXPECT_FALSE(w.engines[0].combustion);

  applyKeyEvent(w, 66313, 1);  // repaired: the turning starter lights it
  run(w, 2, nullptr, 65932);
  EXPECT_TRUE(w.engines[0].combustion);
  run(w, 20);
  EXPECT_TRUE(w.engines[0].combustion) << "no starter needed once it burns";

  applyKeyEvent(w, 66313, 1);
  run(w, 0.1);
  EXPECT_FALSE(w.engines[0].combustion);
  EXPECT_FALSE(w.engines[1].failed);
}

TEST(EngineStart, FuelWithoutTheStarterLightsNothing) {
  World w = coldOnRunway();
  applyKeyEvent(w, 66374, 1);
  applyKeyEvent(w, 65988, 1);
  w.engines[1].nhPct = 20;  // spinning down from a start
  run(w, 5);
  EXPECT_FALSE(w.engines[1].combustion);
}

TEST(EngineStart, StarterNeedsTheBattery) {
  World w = coldOnRunway();
  run(w, 5, nullptr, 65938);
  EXPECT_LT(w.engines[1].nhPct, 0.1);
}

World idlingOnRunway() {
  World w = coldOnRunway();
  for (Engine& e : w.engines) {
    e.combustion = true;
    e.mixture = 16384;
    e.nhPct = 65;
  }
  return w;
}

TEST(Flight, TakeOffClimbAndTurnTowardTheTarget) {
  World w = idlingOnRunway();
  w.controls.parkingBrake = false;
  w.controls.flapHandle = 5461;
  w.controls.throttle = 16383;
  Pilot pilot;
  pilot.targets = PilotTargets{true, 100, 2000, 170};
  run(w, 100, &pilot);
  EXPECT_FALSE(w.aircraft.onGround);
  EXPECT_GT(w.aircraft.altitudeFt, 1000);
  EXPECT_NEAR(w.aircraft.headingTrueDeg, 100, 3);

  pilot.targets.headingMagDeg = 190;  // a right turn
  run(w, 10, &pilot);
  EXPECT_GT(w.aircraft.bankDeg, 10);
  EXPECT_GT(w.aircraft.headingTrueDeg, 105);
  run(w, 60, &pilot);
  EXPECT_NEAR(w.aircraft.headingTrueDeg, 190, 3);
  EXPECT_NEAR(airData(w).indicatedAltitudeFt, 2000, 100);
}

TEST(Flight, ParkedAircraftStaysPutWithEnginesAtIdle) {
  World w = idlingOnRunway();
  const double lat = w.aircraft.latDeg;
  run(w, 30);
  EXPECT_EQ(w.aircraft.latDeg, lat);
  EXPECT_TRUE(w.aircraft.onGround);
}

TEST(KeyEvents, FlapDetentsStopAtTheEnds) {
  World w;
  for (int i = 0; i < 5; ++i) applyKeyEvent(w, 65758, 1);
  EXPECT_EQ(w.controls.flapHandle, 16383);
  applyKeyEvent(w, 65759, 1);
  EXPECT_EQ(w.controls.flapHandle, 10922);
  for (int i = 0; i < 5; ++i) applyKeyEvent(w, 65759, 1);
  EXPECT_EQ(w.controls.flapHandle, 0);
  EXPECT_FALSE(applyKeyEvent(w, 12345, 1));
}

TEST(KeyEvents, AileronSetTakesTheRollRightValue) {
  World w;
  applyKeyEvent(w, 65695, static_cast<std::uint32_t>(-3000));
  EXPECT_EQ(w.controls.aileron, 3000);  // a negative value rolls left
  applyKeyEvent(w, 65820, static_cast<std::uint32_t>(-8191));
  EXPECT_EQ(w.controls.throttle, -8191);
}

}  // namespace
}  // namespace xaq::sim
