#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "frame/host_sampling.h"

namespace xaq::frame {
namespace {

// Samples one cycle with the given host values (every other variable reads 0).
class Sampler {
 public:
  HostSamples& cycle(const std::map<std::uint32_t, double>& values, double payloadLb = 0.0) {
    values_ = values;
    sampleHostVariables(table_, samples_, history_, payloadLb, &lookup, this);
    return samples_;
  }

 private:
  static void lookup(abi::HostVarRecord* record, void* context) {
    auto& values = static_cast<Sampler*>(context)->values_;
    auto found = values.find(record->id);
    record->value = found != values.end() ? found->second : 0.0;
  }
  HostVariableTable table_;
  HostSamples samples_;
  SamplingHistory history_;
  std::map<std::uint32_t, double> values_;
};

TEST(HostSampling, ConvertsTheHostsUnits) {
  Sampler sampler;
  const HostSamples& s = sampler.cycle({
      {614, 100.0},                    // metres
      {71, 47.5 / 8.998425276e-06},    // latitude units
      {64, 65536},                     // Mach 3.2
      {156, 16384}, {261, 8192},       // torque, 16384 = 100 %
      {562, 144.0 * 60},               // oil pressure in pounds per square foot
      {304, 100}, {303, 10},           // tank gallons
      {791, 1234.5},                   // total fuel, already pounds
      {350, 0.0625},                   // TAT / 256
      {342, 1013.25 * 16},             // millibars x 16
      {631, 700.5}, {688, -2.5},       // ITT, rounded half away from zero
      {82, -5}, {79, 365}, {344, 720}, // wrapped into 0..360
      {60, 1}, {868, 0.5}, {364, 0},   // flags
      {881, 3}, {874, 0},
  });
  EXPECT_NEAR(s.radioAltitudeFt, 328.0839895, 1e-9);
  EXPECT_NEAR(s.latitudeDeg, 47.5, 1e-9);
  EXPECT_NEAR(s.mach, 3.2, 1e-4);
  EXPECT_DOUBLE_EQ(s.torquePct[0], 100.0);
  EXPECT_DOUBLE_EQ(s.torquePct[3], 50.0);
  EXPECT_NEAR(s.oilPressurePsi[0], 60.0, 1e-6);
  EXPECT_NEAR(s.leftTankLb, 669.9219, 1e-9);
  EXPECT_NEAR(s.rightTankLb, 66.99219, 1e-9);
  EXPECT_DOUBLE_EQ(s.totalFuelLb, 1234.5);
  EXPECT_DOUBLE_EQ(s.totalAirTempC, 16.0);
  EXPECT_DOUBLE_EQ(s.outsidePressureMb, 1013.25);
  EXPECT_DOUBLE_EQ(s.ittC[0], 701.0);
  EXPECT_DOUBLE_EQ(s.ittC[3], -3.0);
  EXPECT_DOUBLE_EQ(s.magneticVariationDeg, 355.0);
  EXPECT_DOUBLE_EQ(s.bankDeg, 5.0);
  EXPECT_DOUBLE_EQ(s.windDirectionDeg, 0.0);
  EXPECT_TRUE(s.onGround);
  EXPECT_TRUE(s.passengerDoorOpen);
  EXPECT_FALSE(s.batteryMaster);
  EXPECT_TRUE(s.audioPanel[7]);
  EXPECT_FALSE(s.audioPanel[0]);
}

TEST(HostSampling, LongitudeComesFrom48BitTurnsAndWrapsIntoPlusMinus180) {
  Sampler sampler;
  // The host's unit factor is 2^-48 to ten digits, so positions agree to a few metres.
  const double turn = std::ldexp(1.0, 48);
  EXPECT_NEAR(sampler.cycle({{72, turn * (10.0 / 360.0)}}).longitudeDeg, 10.0, 1e-4);
  EXPECT_NEAR(sampler.cycle({{72, turn * (190.0 / 360.0)}}).longitudeDeg, -170.0, 1e-4);
  EXPECT_NEAR(sampler.cycle({{72, turn * (350.0 / 360.0)}}).longitudeDeg, -10.0, 1e-4);
  EXPECT_NEAR(sampler.cycle({{72, -turn * (122.31 / 360.0)}}).longitudeDeg, -122.31, 1e-4);
  EXPECT_NEAR(sampler.cycle({{72, turn * (180.01 / 360.0)}}).longitudeDeg, -179.99, 1e-4);
  // A 32-bit latitude word of the southern hemisphere.
  EXPECT_NEAR(sampler.cycle({{71, -33.95 / 8.998425276e-06}}).latitudeDeg, -33.95, 1e-9);
}

TEST(HostSampling, TimeStepComesFromTheElapsedTimeVariable) {
  Sampler sampler;
  EXPECT_DOUBLE_EQ(sampler.cycle({{604, 100.0}}).timeStepSeconds, 0.0) << "no step before a previous sample";
  EXPECT_NEAR(sampler.cycle({{604, 100.056}}).timeStepSeconds, 0.056, 1e-9);
  const HostSamples& paused = sampler.cycle({{604, 100.056}});
  EXPECT_DOUBLE_EQ(paused.timeStepSeconds, 0.0);
  EXPECT_TRUE(paused.pauseFlags[0]);
  EXPECT_FALSE(paused.pauseFlags[1]);
  const HostSamples& jumped = sampler.cycle({{604, 50.0}});
  EXPECT_TRUE(jumped.pauseFlags[1]);
}

TEST(HostSampling, TrendsSpanTheLastFiveSamples) {
  Sampler sampler;
  double t = 10.0;
  // Vertical speed climbing 100 fpm per 0.1 s cycle.
  for (int i = 0; i < 6; ++i) {
    sampler.cycle({{604, t}, {65, 100.0 * i}, {61, 150.0}});
    t += 0.1;
  }
  const HostSamples& s = sampler.cycle({{604, t}, {65, 600.0}, {61, 150.0}});
  EXPECT_NEAR(s.verticalSpeedTrend, 1000.0, 1e-6);
  EXPECT_NEAR(s.airspeedTrend, 0.0, 1e-9);
  EXPECT_NEAR(s.accelerationKtPerSec, 0.0, 1e-9);
}

TEST(TrendRate, DivisorIsRaisedToAMinimumWhenTimeStandsStill) {
  TrendRate trend;
  for (int i = 0; i < 5; ++i) trend.push(0.0, 0.0);
  EXPECT_DOUBLE_EQ(trend.push(1e-9, 0.0), 1.0);
  TrendRate fresh;
  // Before five samples the zero-filled history counts as the oldest values.
  EXPECT_DOUBLE_EQ(fresh.push(2.0, 0.5), 2.0 / 0.5);
}

TEST(HostSampling, WeightNavigationFlagsAndAirData) {
  Sampler sampler;
  const HostSamples& s = sampler.cycle({{791, 4000}, {46, 0x80 | 0x01}, {61, 200},
                                        {342, 1013.25 * 16}, {341, 15}, {343, 20},
                                        {344, 90}, {81, 90}, {82, 0}},
                                       31000.0);
  EXPECT_DOUBLE_EQ(s.aircraftWeightLb, 35000.0);
  EXPECT_TRUE(s.nav1SignalValid);
  EXPECT_TRUE(s.nav1LocalizerTuned);
  EXPECT_NEAR(s.trueAirspeedKt, 200.0, 1e-6) << "standard sea level: TAS = IAS";
  EXPECT_NEAR(s.headwindKt, 20.0, 1e-9);
  const HostSamples& high = sampler.cycle({{61, 200}, {342, 572.0 * 16}, {341, -4.8}, {46, 0}});
  EXPECT_GT(high.trueAirspeedKt, 250.0);
  EXPECT_LT(high.trueAirspeedKt, 270.0);
  EXPECT_FALSE(high.nav1SignalValid);
  EXPECT_FALSE(high.nav1LocalizerTuned);
}

}  // namespace
}  // namespace xaq::frame
