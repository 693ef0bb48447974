// The electrical system through its cycle: sources onto buses, loads, temperatures, the host's
// switches and the cautions.

#include "systems/electrical/electrical.h"

#include <gtest/gtest.h>

#include "common/light_ids.h"
#include "systems/electrical/testing/electrical_bed.h"

namespace xaq::systems {
namespace {

using testing::ElectricalBed;
namespace c = lights::caution;

constexpr double kLoadNoHeaters = 0.70;

TEST(ElectricalBatteries, EachBatteryAndBusTieCombinationFeedsItsBuses) {
  struct Case {
    int master, main, aux, tie;
    double leftMain, essentials, rightMain;
  } cases[] = {
      {1, 1, 0, 0, 0, 24, 24}, {1, 1, 0, 1, 24, 24, 24}, {1, 0, 1, 0, 0, 24, 0}, {1, 0, 1, 1, 0, 24, 0},
      {1, 1, 1, 0, 0, 24, 24}, {0, 1, 1, 1, 0, 0, 0},    {1, 0, 0, 1, 0, 0, 0},
  };
  for (const Case& k : cases) {
    ElectricalBed bed;
    bed.sw.batteryMaster = k.master, bed.sw.mainBattery = k.main, bed.sw.auxBattery = k.aux, bed.sw.mainBusTie = k.tie;
    bed.runCycles(1);
    SCOPED_TRACE(::testing::Message() << k.master << k.main << k.aux << k.tie);
    EXPECT_EQ(bed.busVolts(DcBus::kLeftMain), k.leftMain);
    EXPECT_EQ(bed.busVolts(DcBus::kLeftEssential), k.essentials);
    EXPECT_EQ(bed.busVolts(DcBus::kRightEssential), k.essentials);
    EXPECT_EQ(bed.busVolts(DcBus::kRightMain), k.rightMain);
    EXPECT_EQ(bed.busVolts(DcBus::kLeftSecondary), 0.0);
    EXPECT_EQ(bed.busVolts(DcBus::kRightSecondary), 0.0);
    EXPECT_EQ(bed.state().dcPowerAvailable, k.essentials > 0);
    EXPECT_EQ(bed.lit(c::kDcBus), k.leftMain == 0 || k.rightMain == 0);
  }
}

TEST(ElectricalGenerators, AnEngineAtFortyPercentFeedsEveryBusAtFullVoltage) {
  ElectricalBed bed;
  bed.givenEngine(1, 40.0).givenDcGenerator(1).runCycles(1);
  EXPECT_DOUBLE_EQ(bed.busVolts(DcBus::kLeftMain), 28.0);
  EXPECT_DOUBLE_EQ(bed.busVolts(DcBus::kRightMain), 28.0);
  EXPECT_DOUBLE_EQ(bed.busVolts(DcBus::kLeftSecondary), 28.0);
  EXPECT_DOUBLE_EQ(bed.busVolts(DcBus::kRightSecondary), 28.0);
  EXPECT_DOUBLE_EQ(bed.busVolts(DcBus::kLeftEssential), 27.0);
  EXPECT_DOUBLE_EQ(bed.busVolts(DcBus::kRightEssential), 27.0);
  EXPECT_DOUBLE_EQ(bed.state().loads.dcGenerator1, kLoadNoHeaters * 1.2) << "alone on its side";
  EXPECT_FALSE(bed.lit(c::kDcGen1));
  EXPECT_TRUE(bed.lit(c::kDcGen2));
  EXPECT_TRUE(bed.lit(c::kAcGen1)) << "its AC generator switch is off";
}

TEST(ElectricalGenerators, AGeneratorComesOnLineBetween37Point1And37Point2Percent) {
  for (int engine : {1, 2}) {
    ElectricalBed below, above;
    below.givenEngine(engine, 37.1).givenDcGenerator(engine).runCycles(1);
    above.givenEngine(engine, 37.2).givenDcGenerator(engine).runCycles(1);
    EXPECT_FALSE(below.state().dcPowerAvailable) << engine;
    EXPECT_TRUE(above.state().dcPowerAvailable) << engine;
    EXPECT_NEAR(above.busVolts(DcBus::kLeftMain), 24.08, 1e-9);
    EXPECT_NEAR(above.busVolts(DcBus::kLeftEssential), 23.08, 1e-9);
  }
}

TEST(ElectricalGenerators, AnAcGeneratorPutsItsSecondaryBusAt26Point8) {
  ElectricalBed bed;
  bed.givenEngine(1, 45).givenEngine(2, 45).givenAcGenerator(1).givenDcGenerator(2).runCycles(1);
  EXPECT_DOUBLE_EQ(bed.busVolts(DcBus::kLeftSecondary), 26.8);
  EXPECT_DOUBLE_EQ(bed.busVolts(DcBus::kRightSecondary), 28.0);
  EXPECT_DOUBLE_EQ(bed.busVolts(DcBus::kLeftMain), 28.0);
  EXPECT_NEAR(bed.state().ac.gen1PhaseVolts[0], 115.0, 1e-9);
  EXPECT_EQ(bed.state().ac.gen2PhaseVolts[2], 0.0);
  EXPECT_FALSE(bed.lit(c::kLeftAcBus));
  EXPECT_TRUE(bed.lit(c::kRightAcBus));
  EXPECT_FALSE(bed.lit(c::kLeftTru));
  EXPECT_TRUE(bed.lit(c::kRightTru));
}

TEST(ElectricalGenerators, OnlyTheSecondEngineFeedsTheLeftBusesToo) {
  ElectricalBed bed;
  bed.givenEngine(2, 40).givenDcGenerator(2).runCycles(1);
  EXPECT_DOUBLE_EQ(bed.busVolts(DcBus::kLeftMain), 28.0);
  EXPECT_DOUBLE_EQ(bed.busVolts(DcBus::kLeftSecondary), 28.0);
  EXPECT_DOUBLE_EQ(bed.busVolts(DcBus::kLeftEssential), 27.0);
  EXPECT_DOUBLE_EQ(bed.state().loads.dcGenerator2, kLoadNoHeaters * 1.2);
  EXPECT_EQ(bed.state().loads.dcGenerator1, 0.0);
}

TEST(ElectricalLoads, ATruCarriesDoubleWhenItsDcGeneratorIsOff) {
  ElectricalBed bed;
  bed.givenEngine(1, 60).givenEngine(2, 60).givenAcGenerator(1).givenAcGenerator(2).runCycles(1);
  EXPECT_DOUBLE_EQ(bed.state().loads.leftTru, kLoadNoHeaters / 4 * 2);
  EXPECT_DOUBLE_EQ(bed.state().loads.rightTru, kLoadNoHeaters / 4 * 2);
  EXPECT_NEAR(bed.state().ac.gen1PhaseLoads[1], kLoadNoHeaters / 2 * 0.32, 1e-12);
  EXPECT_EQ(bed.state().loads.mainBattery, 0.0);
}

TEST(ElectricalLoads, BothGeneratorsOfBothEnginesShareTheLoadWithoutBalancing) {
  ElectricalBed bed;
  bed.givenEngine(1, 60).givenEngine(2, 60);
  bed.givenDcGenerator(1).givenDcGenerator(2).givenAcGenerator(1).givenAcGenerator(2);
  bed.sw.pitotHeater1 = bed.sw.pitotHeater2 = 1;
  bed.sw.antiCollisionLight = 2;
  bed.runCycles(1);
  const double load = 0.75 + 0.05 + 0.02;
  EXPECT_DOUBLE_EQ(bed.state().loads.dcGenerator1, load / 2);
  EXPECT_DOUBLE_EQ(bed.state().loads.dcGenerator2, load / 2);
  EXPECT_DOUBLE_EQ(bed.state().loads.leftTru, load / 4);
  EXPECT_NEAR(bed.state().inverters.auxLoad, load / 2 * 0.4, 1e-12);
}

TEST(ElectricalLoads, BatteriesCarryTheLoadOnlyWhileNoGeneratorDoes) {
  ElectricalBed both;
  both.givenMainBattery().givenAuxBattery().runCycles(1);
  EXPECT_DOUBLE_EQ(both.state().loads.mainBattery, kLoadNoHeaters / 2);
  EXPECT_DOUBLE_EQ(both.state().loads.auxBattery, kLoadNoHeaters / 2);
  ElectricalBed aux;
  aux.givenAuxBattery().runCycles(1);
  EXPECT_DOUBLE_EQ(aux.state().loads.auxBattery, kLoadNoHeaters);
  EXPECT_EQ(aux.state().loads.mainBattery, 0.0);
  ElectricalBed charged;
  charged.givenMainBattery().givenEngine(1, 50).givenDcGenerator(1).runCycles(1);
  EXPECT_EQ(charged.state().loads.mainBattery, 0.0);
}

TEST(ElectricalGroundPower, ParkedWithTheBrakeSetGroundPowerHoldsEveryBusAndTakesTheLoad) {
  ElectricalBed bed;
  bed.givenMainBattery().givenParkedOnGroundPower().givenEngine(1, 50).givenDcGenerator(1);
  bed.sw.externalPowerDc = 1;
  bed.runCycles(1);
  EXPECT_TRUE(bed.state().externalPowerAvailable);
  for (double v : bed.state().busVolts) EXPECT_DOUBLE_EQ(v, 28.0);
  EXPECT_EQ(bed.state().loads.dcGenerator1, 0.0);
  EXPECT_EQ(bed.state().loads.mainBattery, 0.0);

  bed.in.parkingBrake = 0;  // brake released: the ground power unit is gone
  bed.givenEngine(1, 0).runCycles(1);
  EXPECT_FALSE(bed.state().externalPowerAvailable);
  EXPECT_EQ(bed.busVolts(DcBus::kLeftMain), 0.0);
  EXPECT_EQ(bed.busVolts(DcBus::kRightMain), 24.0);
}

TEST(ElectricalGroundPower, GroundPowerNeedsTheAircraftAtRestAndTheBrakeSet) {
  ElectricalBed rolling;
  rolling.givenParkedOnGroundPower();
  rolling.in.indicatedAirspeedKt = 0.5;
  rolling.sw.externalPowerDc = 1;
  rolling.runCycles(1);
  EXPECT_FALSE(rolling.state().externalPowerAvailable);
  EXPECT_FALSE(rolling.state().dcPowerAvailable);
  ElectricalBed atRest;
  atRest.givenParkedOnGroundPower();
  atRest.in.indicatedAirspeedKt = 0.49;
  atRest.sw.externalPowerDc = 1;
  atRest.runCycles(1);
  EXPECT_TRUE(atRest.state().dcPowerAvailable);
  EXPECT_DOUBLE_EQ(atRest.state().loads.mainBattery, 0.0) << "no battery switched on";
}

TEST(ElectricalGroundPower, AcGroundPowerFeedsBothAcSystemsAndTheDcBuses) {
  ElectricalBed bed;
  bed.givenParkedOnGroundPower().givenEngine(1, 60).givenAcGenerator(1);
  bed.sw.externalPowerAc = 1;
  bed.runCycles(1);
  for (double v : bed.state().busVolts) EXPECT_DOUBLE_EQ(v, 28.0);
  for (double v : bed.state().ac.gen2PhaseVolts) EXPECT_DOUBLE_EQ(v, 115.0);
  for (double v : bed.state().ac.gen1PhaseLoads) EXPECT_EQ(v, 0.0);
  EXPECT_FALSE(bed.lit(c::kRightAcBus));
  EXPECT_TRUE(bed.lit(c::kRightTru)) << "the TRU caution reads the generators, not ground power";
}

TEST(ElectricalTemperatures, BatteryTemperaturesFollowTheirLoadAtATenthOfADegreePerSecond) {
  for (double dt : {0.028, 0.056, 0.3, 6.0}) {
    ElectricalBed bed;
    bed.givenMainBattery();
    bed.runCycles(1, dt);  // the limiters' time origin
    EXPECT_DOUBLE_EQ(bed.state().mainBatteryTempC, 25.0);
    bed.runFor(6.0, dt);
    // Target 0.7 x 20 + (15 + 100) x 0.2 = 37: rising 0.6 degrees in 6 s; the idle aux battery
    // cools toward 23.
    EXPECT_NEAR(bed.state().mainBatteryTempC, 25.6, 1e-9) << dt;
    EXPECT_NEAR(bed.state().auxBatteryTempC, 24.4, 1e-9) << dt;
    bed.runFor(600.0, dt);
    EXPECT_DOUBLE_EQ(bed.state().mainBatteryTempC, 37.0) << dt;
    EXPECT_DOUBLE_EQ(bed.state().auxBatteryTempC, 23.0) << dt;
  }
}

TEST(ElectricalHostSwitches, TheMasterAndAvionicsEventsGoOnlyWhileTheHostDiffers) {
  ElectricalBed bed;
  bed.givenMainBattery();
  bed.in.hostBatteryMaster = true;
  bed.in.hostAvionicsMaster = true;
  bed.runCycles(3);
  EXPECT_EQ(bed.eventCount(66374), 0);
  EXPECT_EQ(bed.eventCount(66293), 0);
  bed.in.hostBatteryMaster = false;
  bed.in.hostAvionicsMaster = false;
  bed.runCycles(2);
  EXPECT_EQ(bed.eventCount(66374), 2);
  EXPECT_EQ(bed.eventCount(66293), 2);
  bed.sw.batteryMaster = 0;  // the panel goes dark: now the host's off switch agrees
  bed.in.hostAvionicsMaster = true;
  bed.runCycles(2);
  EXPECT_EQ(bed.eventCount(66374), 2);
  EXPECT_EQ(bed.eventCount(66293), 2);
  for (const auto& e : bed.fx.events) EXPECT_EQ(e.second, 1u);
}

TEST(ElectricalHydraulics, TheHostsHydraulicsAreToggledOnlyWhenTheyDisagree) {
  ElectricalBed bed;
  bed.in.hostHydraulicAvailable = 1.0;
  bed.runCycles(1);  // no engine, on the ground: no hydraulic power, host says available
  EXPECT_EQ(bed.eventCount(66309), 1);
  bed.in.hostHydraulicAvailable = 0.0;
  bed.runCycles(1);
  EXPECT_EQ(bed.eventCount(66309), 1);
  EXPECT_TRUE(bed.lit(c::kFlapPower));
  EXPECT_TRUE(bed.lit(c::kRudderHyd2));

  bed.givenEngine(2, 60).runCycles(1);
  EXPECT_EQ(bed.eventCount(66309), 2);
  EXPECT_TRUE(bed.lit(c::kRollSpoilerInboardHyd));
  EXPECT_FALSE(bed.lit(c::kRollSpoilerOutboardHyd));
  EXPECT_FALSE(bed.lit(c::kEngHydPump2));
  EXPECT_TRUE(bed.lit(c::kEngHydPump1));

  ElectricalBed airborne;
  airborne.givenMainBattery();
  airborne.in.onGround = false;
  airborne.runCycles(1);
  EXPECT_TRUE(airborne.state().hydraulicPower[0] && airborne.state().hydraulicPower[1]);
  EXPECT_FALSE(airborne.lit(c::kFlapPower));
  EXPECT_TRUE(airborne.lit(c::kEngHydPump1));
}

TEST(ElectricalCautions, InverterCautionsFollowTheirVoltage) {
  ElectricalBed bed;
  bed.givenMainBattery().runCycles(1);
  // 24 V essential buses give 98.6 V; the left main is dead, so the auxiliary inverter is too.
  EXPECT_TRUE(bed.lit(c::kPriInv));
  bed.sw.primaryInverter = 1;
  bed.runCycles(1);
  EXPECT_NEAR(bed.state().inverters.primaryVolts, 24 * 115.0 / 28, 1e-9);
  EXPECT_FALSE(bed.lit(c::kPriInv));
  EXPECT_TRUE(bed.lit(c::kSecInv));
  EXPECT_TRUE(bed.lit(c::kAuxInv));
  EXPECT_FALSE(bed.lit(c::kLeft26Ac)) << "one inverter still feeds the 26 V AC buses";
  bed.sw.primaryInverter = 0;
  bed.runCycles(1);
  EXPECT_TRUE(bed.lit(c::kLeft26Ac));
  EXPECT_TRUE(bed.lit(c::kRight26Ac));
}

TEST(ElectricalCautions, SwitchPositionCautions) {
  ElectricalBed bed;
  bed.givenMainBattery();
  bed.sw.emergencyLights = 0;
  bed.runCycles(1);
  EXPECT_FALSE(bed.lit(c::kMainBattery));
  EXPECT_TRUE(bed.lit(c::kAuxBattery));
  EXPECT_TRUE(bed.lit(c::kEmergencyLightsDisarmed));
  EXPECT_TRUE(bed.lit(c::kPitotHeat1)) << "powered essential bus, heater off";
  EXPECT_TRUE(bed.lit(c::kPitotHeat2));
  bed.sw.emergencyLights = 1;
  bed.sw.pitotHeater1 = bed.sw.pitotHeater2 = 1;
  bed.runCycles(1);
  EXPECT_FALSE(bed.lit(c::kEmergencyLightsDisarmed));
  EXPECT_FALSE(bed.lit(c::kPitotHeat1));
  EXPECT_FALSE(bed.lit(c::kPitotHeat2));
  bed.sw.pitotHeater1 = 0;
  bed.sw.batteryMaster = 0;
  bed.runCycles(1);
  EXPECT_FALSE(bed.lit(c::kPitotHeat1)) << "no power, no heater caution";
}

TEST(ElectricalInputs, ValuesTheHostCannotMeanLeaveTheGeneratorsDead) {
  ElectricalBed bed;
  bed.givenEngine(1, std::nan("")).givenEngine(2, -1e300).givenDcGenerator(1).givenDcGenerator(2);
  bed.in.outsideAirTempC = std::nan("");
  bed.runCycles(3);
  EXPECT_FALSE(bed.state().dcPowerAvailable);
  EXPECT_EQ(bed.state().loads.dcGenerator1, 0.0);
}

}  // namespace
}  // namespace xaq::systems
