#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

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

TEST(HostSampling, TrendsSpanTheLastFiveSamplesOverIrregularSteps) {
  Sampler sampler;
  // Vertical speed climbing 1000 fpm per second, sampled at uneven intervals.
  const double steps[] = {0.05, 0.02, 0.3, 0.056, 0.11, 0.028, 0.4, 0.07};
  double t = 10.0;
  sampler.cycle({{604, t}, {65, 0.0}, {61, 150.0}, {80, 10.0}});
  for (double dt : steps) {
    t += dt;
    const HostSamples& s = sampler.cycle({{604, t}, {65, 1000.0 * (t - 10.0)}, {61, 150.0 + 2.0 * (t - 10.0)}, {80, 10.0}});
    EXPECT_NEAR(s.verticalSpeedTrend, 1000.0, 1e-6) << dt;
    EXPECT_NEAR(s.accelerationKtPerSec, 2.0, 1e-9) << dt;
    EXPECT_NEAR(s.bankTrend, 0.0, 1e-9);
  }
}

TEST(HostSampling, TheFirstCyclesShowNoJumpFromZero) {
  Sampler sampler;
  double t = 50.0;
  for (int i = 0; i < 5; ++i, t += 0.056) {
    const HostSamples& s = sampler.cycle({{604, t}, {61, 150.0}, {65, -700.0}, {80, 25.0}});
    EXPECT_DOUBLE_EQ(s.accelerationKtPerSec, 0.0) << "cycle " << i;
    EXPECT_DOUBLE_EQ(s.verticalSpeedTrend, 0.0);
    EXPECT_DOUBLE_EQ(s.bankTrend, 0.0);
  }
}

TEST(TrendRate, ReadsZeroWhileTheStepsAddUpToNoTime) {
  TrendRate trend;
  trend.push(0.0, 0.0);
  EXPECT_DOUBLE_EQ(trend.push(5.0, 0.0), 0.0) << "a change with no time passed is no rate";
  EXPECT_DOUBLE_EQ(trend.push(5.0, -3.0), 0.0) << "nor with the clock gone back";
  TrendRate fresh;
  EXPECT_DOUBLE_EQ(fresh.push(2.0, 0.5), 0.0) << "the first sample fills the history";
  EXPECT_DOUBLE_EQ(fresh.push(3.0, 0.5), 2.0);
}

// Where each sampled host variable must land. A value given to one variable alone must show in
// its own field and in no other: a swapped engine index or a neighbour's field fails here.
struct Destination {
  std::uint32_t id;
  const char* field;
  double (*read)(const HostSamples&);
};
#define F(id, expr) Destination{id, #expr, [](const HostSamples& s) { return static_cast<double>(s.expr); }}
const Destination kDestinations[] = {
    F(61, indicatedAirspeedKt),
    F(64, mach),
    F(81, headingMagDeg),
    F(74, altitudeFt),
    F(614, radioAltitudeFt),
    F(65, verticalSpeedFpm),
    F(70, turnRate),
    F(71, latitudeDeg),
    F(72, longitudeDeg),
    F(82, magneticVariationDeg),
    F(60, onGround),
    F(78, attitudePitchDeg),
    F(80, attitudeBankDeg),
    F(77, pitchDeg),
    F(79, bankDeg),
    F(103, hostAutopilot),
    F(114, hostYawDamper),
    F(107, headingBugDeg),
    F(105, hostNavHold),
    F(112, hostApproachHold),
    F(113, hostBackCourseHold),
    F(793, hostFdPitchDeg),
    F(794, hostFdBankDeg),
    F(624, nhPct[0]),
    F(643, nhPct[1]),
    F(662, nhPct[2]),
    F(681, nhPct[3]),
    F(625, nlPct[0]),
    F(644, nlPct[1]),
    F(663, nlPct[2]),
    F(682, nlPct[3]),
    F(638, fuelFlowPph[0]),
    F(657, fuelFlowPph[1]),
    F(676, fuelFlowPph[2]),
    F(695, fuelFlowPph[3]),
    F(631, ittC[0]),
    F(650, ittC[1]),
    F(669, ittC[2]),
    F(688, ittC[3]),
    F(156, torquePct[0]),
    F(191, torquePct[1]),
    F(226, torquePct[2]),
    F(261, torquePct[3]),
    F(700, propRpm[0]),
    F(708, propRpm[1]),
    F(716, propRpm[2]),
    F(724, propRpm[3]),
    F(130, conditionLever[0]),
    F(165, conditionLever[1]),
    F(200, conditionLever[2]),
    F(235, conditionLever[3]),
    F(561, oilTemperature[0]),
    F(571, oilTemperature[1]),
    F(581, oilTemperature[2]),
    F(591, oilTemperature[3]),
    F(562, oilPressurePsi[0]),
    F(572, oilPressurePsi[1]),
    F(582, oilPressurePsi[2]),
    F(592, oilPressurePsi[3]),
    F(129, propLever[0]),
    F(164, propLever[1]),
    F(199, propLever[2]),
    F(234, propLever[3]),
    F(131, engineRunning[0]),
    F(166, engineRunning[1]),
    F(201, engineRunning[2]),
    F(236, engineRunning[3]),
    F(564, engineFailed[0]),
    F(574, engineFailed[1]),
    F(584, engineFailed[2]),
    F(594, engineFailed[3]),
    F(707, autofeatherArmed[0]),
    F(715, autofeatherArmed[1]),
    F(723, autofeatherArmed[2]),
    F(731, autofeatherArmed[3]),
    F(741, autofeatherSwitch),
    F(791, totalFuelLb),
    F(304, leftTankLb),
    F(303, rightTankLb),
    F(313, aileronPosition),
    F(317, elevatorPosition),
    F(318, elevatorTrimPosition),
    F(325, spoilerHandle),
    F(328, flapHandle),
    F(333, gearLeft),
    F(334, gearRight),
    F(332, gearNose),
    F(331, gearHandle),
    F(323, parkingBrake),
    F(868, passengerDoorOpen),
    F(824, hydraulicAvailable),
    F(364, batteryMaster),
    F(740, avionicsMaster),
    F(604, elapsedSeconds),
    F(745, dayOfMonth),
    F(746, month),
    F(747, year),
    F(749, daylightSaving),
    F(3, localHour),
    F(6, zuluOffsetHours),
    F(4, localMinute),
    F(5, localSecond),
    F(336, simulationRate),
    F(24, nav1Bcd),
    F(27, nav2Bcd),
    F(23, com1Bcd),
    F(870, com2Bcd),
    F(16, adfBcd),
    F(18, adfExtendedBcd),
    F(550, nav1BearingDeg),
    F(59, nav2BearingDeg),
    F(39, adfBearingDeg),
    F(43, nav1ToFrom),
    F(52, nav2ToFrom),
    F(44, glideslopeReceived),
    F(46, nav1Flags),
    F(55, nav2Flags),
    F(20, adfSignal),
    F(45, nav1CourseDeg),
    F(31, dme1Nm),
    F(35, dme2Nm),
    F(40, nav1Deviation),
    F(41, glideslopeDeviation),
    F(354, markerBeacon),
    F(38, transponderBcd),
    F(874, audioPanel[0]),
    F(875, audioPanel[1]),
    F(876, audioPanel[2]),
    F(877, audioPanel[3]),
    F(878, audioPanel[4]),
    F(879, audioPanel[5]),
    F(880, audioPanel[6]),
    F(881, audioPanel[7]),
    F(904, propDeice),
    F(905, airframeDeice),
    F(13, pitotHeat),
    F(10, panelLights),
    F(11, strobeLights),
    F(368, beaconLights),
    F(621, instrumentLights),
    F(14, landingLights),
    F(622, flareLights),
    F(341, outsideAirTempC),
    F(350, totalAirTempC),
    F(342, outsidePressureMb),
    F(800, standardTempC),
    F(343, windSpeedKt),
    F(344, windDirectionDeg),
};
#undef F

TEST(HostSampling, EverySampledVariableLandsInExactlyItsOwnField) {
  std::set<std::uint32_t> sampled(sampledIds().begin(), sampledIds().end());
  std::set<std::uint32_t> covered;
  for (const Destination& d : kDestinations) covered.insert(d.id);
  EXPECT_EQ(sampled, covered) << "every sampled id has its destination here";
  for (const Destination& d : kDestinations) {
    Sampler sampler;
    const HostSamples& s = sampler.cycle({{d.id, 300.0}});
    EXPECT_NE(d.read(s), 0.0) << d.id << " does not reach " << d.field;
    for (const Destination& other : kDestinations) {
      if (other.id != d.id && std::string(other.field) != d.field) {
        EXPECT_EQ(other.read(s), 0.0) << d.id << " also lands in " << other.field;
      }
    }
  }
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
