// Values set in the flight model reach the module's lookups in the host's units; converted by
// the factors the module applies they give back what the flight model holds.

#include <gtest/gtest.h>

#include <cmath>

#include "simhost/atmosphere.h"
#include "simhost/flight_model.h"
#include "simhost/geo.h"
#include "simhost/key_events.h"
#include "tests/sil/host_fixture.h"

namespace xaq::sim {
namespace {

using RoundTrip = testing::ModuleHost;

double delivered(const SimHost& host, std::uint32_t id) {
  double value = std::nan("");
  EXPECT_TRUE(host.delivered(id, value)) << "host variable " << id << " never looked up";
  return value;
}

TEST_F(RoundTrip, ModuleLooksUpItsVariablesEveryCycleInItsOrder) {
  host->runFor(5.6);
  EXPECT_EQ(host->cyclesRun(), 100u);  // one cycle per 56 ms of host time
  const std::vector<std::uint32_t>& ids = host->lastCycleLookups();
  ASSERT_EQ(ids.size(), 149u);
  EXPECT_EQ(ids[0], 61u);
  EXPECT_EQ(ids[4], 614u);
  EXPECT_EQ(ids[8], 72u);
  EXPECT_EQ(ids[148], 344u);
}

TEST_F(RoundTrip, PostGaugeSendsItsSetUpEventsThroughTheTrigger) {
  std::vector<std::uint32_t> values;
  for (const SentEvent& e : host->events()) {
    if (e.id == 66508) values.push_back(e.value);
  }
  EXPECT_EQ(values, (std::vector<std::uint32_t>{55, 65, 10, 125, 225}));
}

TEST_F(RoundTrip, PositionAltitudeAttitudeSpeedAndFrequencyArriveConverted) {
  World& w = host->world;
  placeOnGround(w, 45.5881, -122.6030, 100, 24);
  w.aircraft.onGround = false;
  w.aircraft.altitudeFt = 3000;
  w.aircraft.pitchDeg = 5;
  w.aircraft.bankDeg = -12;
  w.aircraft.trueAirspeedKt = 180;
  w.environment.magneticVariationDeg = 15.5;
  w.environment.temperatureDeviationC = 10;
  w.paused = true;  // hold the state still while the module samples it
  ASSERT_TRUE(applyKeyEvent(w, 65708, 0x1190));  // NAV 1 111.90
  host->runFor(0.112);
  const AirData air = airData(w);

  EXPECT_NEAR(delivered(*host, 71) * 8.998425276e-06, 45.5881, 1e-5);
  // The module's factor is 8e-8 (relative) short of 2^-48: about 2e-5 degrees over half a turn.
  EXPECT_NEAR(wrap180(delivered(*host, 72) * 3.552713385e-15 * 360), -122.6030, 3e-5);
  EXPECT_NEAR(delivered(*host, 614) * 3.280839895, 3000 - 24, 1e-6);
  EXPECT_NEAR(delivered(*host, 74), 3000, 1e-9);  // standard altimeter setting
  EXPECT_NEAR(-delivered(*host, 77), 5, 1e-12);   // the host's pitch is nose-down positive
  EXPECT_NEAR(delivered(*host, 79), -12, 1e-12);
  EXPECT_NEAR(delivered(*host, 81), 100 - 15.5, 1e-9);
  EXPECT_NEAR(delivered(*host, 61), air.indicatedAirspeedKt, 1e-9);
  EXPECT_LT(delivered(*host, 61), 180);  // warmer and higher: indicated below true
  EXPECT_NEAR(delivered(*host, 64) * 4.8828870069e-05, air.mach, 1e-6);
  EXPECT_NEAR(delivered(*host, 342) * 0.0625, air.pressureMb, 1e-9);
  EXPECT_NEAR(delivered(*host, 350) * 256, air.totalAirTempC, 1e-9);

  const auto bcd = static_cast<std::uint32_t>(delivered(*host, 24));
  EXPECT_EQ((((bcd >> 12) & 15) + 10) * 10 + ((bcd >> 8) & 15), 111u);  // MHz
  EXPECT_EQ(((bcd >> 4) & 15) * 10 + (bcd & 15), 90u);                   // hundredths
}

TEST_F(RoundTrip, EngineAndFuelValuesArriveInHostUnits) {
  World& w = host->world;
  w.engines[0].torquePct = 62.5;
  w.engines[0].oilPressurePsi = 55;
  w.engines[0].oilTempC = 81;
  w.aircraft.leftTankGal = 300;
  w.paused = true;
  host->runFor(0.112);
  EXPECT_NEAR(delivered(*host, 156) * 0.006103515625, 62.5, 1e-9);
  EXPECT_NEAR(delivered(*host, 562) * 0.006944444444, 55, 1e-6);
  EXPECT_NEAR(delivered(*host, 561) * 2.7, 81, 1e-9);
  EXPECT_NEAR(delivered(*host, 304) * 6.699219, 300 * kLbPerGallon, 1e-9);
  EXPECT_NEAR(delivered(*host, 791), (300 + w.aircraft.rightTankGal) * kLbPerGallon, 1e-9);
}

TEST_F(RoundTrip, ElapsedTimeFollowsRateAndStopsWhilePaused) {
  host->runFor(1.12);
  const double t0 = delivered(*host, 604);
  host->world.simulationRate = 512;
  host->runFor(1.12);
  const double t1 = delivered(*host, 604);
  EXPECT_NEAR(t1 - t0, 2.24, 0.12);
  host->world.paused = true;
  host->runFor(1.12);
  EXPECT_EQ(delivered(*host, 604), host->world.simSeconds);
  EXPECT_NEAR(delivered(*host, 604), t1, 0.12);
}

TEST_F(RoundTrip, OverridesPinWhatTheModuleReads) {
  host->overrides[61] = 321;
  host->runFor(0.112);
  EXPECT_EQ(delivered(*host, 61), 321);
  host->overrides.erase(61);
  host->runFor(0.112);
  EXPECT_EQ(delivered(*host, 61), 0);
}

}  // namespace
}  // namespace xaq::sim
