// The overhead's electrical readouts, needles and switchlights from the published state.

#include "systems/electrical/electrical_indications.h"

#include <gtest/gtest.h>

#include <cmath>

namespace xaq::systems {
namespace {

struct Readouts : ::testing::Test {
  Readouts() {
    e.dcPowerAvailable = true;
    e.busVolts = {28.0, 27.0, 26.8, 24.0, 23.04, 0.0};
    e.loads.leftTru = 0.35;
    e.loads.dcGenerator1 = 0.42;
    e.loads.dcGenerator2 = 0.126;
    e.loads.rightTru = 0.0;
    e.loads.apuGenerator = 0.7;
    e.loads.mainBattery = 0.8;
    e.ac.gen1PhaseVolts = {115.0, 114.0, 113.0};
    e.ac.gen2PhaseVolts = {112.0, 111.0, 110.0};
    e.ac.gen1PhaseLoads = {0.11, 0.12, 0.13};
    e.inverters = {115.0, 98.57, 0.0, 0.168, 0.2, 0.0};
  }
  ElectricalState e;
  PanelSwitchRecord s;
};

TEST_F(Readouts, TheDcVoltmeterReadsTheSelectedBusInItsOwnOrder) {
  const char* expected[] = {" 26.8", " 28.0", " 27.0", " 23.0", " 24.0", "  0.0"};
  for (int sel = 0; sel < 6; ++sel) {
    s.busVoltageMonitor = sel;
    EXPECT_EQ(meterText(dcVoltmeterReading(e, s)), expected[sel]) << sel;
  }
  s.busVoltageMonitor = 9;  // a position the selector does not have reads nothing on the bus
  EXPECT_EQ(meterText(dcVoltmeterReading(e, s)), "  0.0");
}

TEST_F(Readouts, TheDcLoadMeterShowsTheApuGeneratorOnRequest) {
  const char* expected[] = {" 0.35", " 0.42", " 0.13", " 0.00"};
  for (int sel = 0; sel < 4; ++sel) {
    s.loadMonitor = sel;
    EXPECT_EQ(meterText(dcLoadMeterReading(e, s)), expected[sel]) << sel;
  }
  e.apu.loadDisplayRequest = true;
  s.loadMonitor = 2;
  EXPECT_EQ(meterText(dcLoadMeterReading(e, s)), " 0.70");
  EXPECT_EQ(meterText(mainBatteryLoadReading(e, s)), " 0.80");
  EXPECT_EQ(meterText(auxBatteryLoadReading(e, s)), " 0.00");
}

TEST_F(Readouts, AcMetersRunCBAOfGenerator1ThenABCOfGenerator2) {
  const char* volts[] = {"113.0", "114.0", "115.0", "112.0", "111.0", "110.0"};
  for (int sel = 0; sel < 6; ++sel) {
    s.phaseSelector = sel;
    EXPECT_EQ(meterText(acVoltmeterReading(e, s)), volts[sel]) << sel;
  }
  s.phaseSelector = 1;
  EXPECT_EQ(meterText(acLoadMeterReading(e, s)), " 0.12");
  s.inverterSelector = 1;
  EXPECT_EQ(meterText(inverterVoltmeterReading(e, s)), " 98.6");
  EXPECT_EQ(meterText(inverterLoadMeterReading(e, s)), " 0.20");
  s.inverterSelector = 0;
  EXPECT_EQ(meterText(inverterLoadMeterReading(e, s)), " 0.17");
}

TEST_F(Readouts, TestSwitchesShowTheirPatternsAndNoPowerShowsNothing) {
  s.dcMeterTest = 1;
  EXPECT_EQ(meterText(dcVoltmeterReading(e, s)), " 88.8");
  EXPECT_EQ(meterText(dcLoadMeterReading(e, s)), "+8.88");
  EXPECT_EQ(meterText(mainBatteryLoadReading(e, s)), "+8.88");
  EXPECT_EQ(meterText(acVoltmeterReading(e, s)), "113.0") << "the AC meters have their own test switch";
  s.acMeterTest = 14;
  EXPECT_EQ(meterText(acVoltmeterReading(e, s)), "888.8");
  EXPECT_EQ(meterText(acLoadMeterReading(e, s)), "+8.88");
  EXPECT_EQ(meterText(inverterVoltmeterReading(e, s)), "888.8");
  EXPECT_EQ(meterText(inverterLoadMeterReading(e, s)), "+8.88");
  e.dcPowerAvailable = false;
  for (auto reading : {dcVoltmeterReading, dcLoadMeterReading, mainBatteryLoadReading, auxBatteryLoadReading,
                       acVoltmeterReading, acLoadMeterReading, inverterVoltmeterReading, inverterLoadMeterReading}) {
    EXPECT_EQ(meterText(reading(e, s)), "");
  }
}

TEST_F(Readouts, AReadingTooLargeForTheFormatIsHeldToTheBuffer) {
  e.busVolts[0] = 1e300;
  s.busVoltageMonitor = 1;
  EXPECT_LT(meterText(dcVoltmeterReading(e, s)).size(), 32u);
  e.busVolts[0] = std::nan("");
  EXPECT_EQ(meterText(dcVoltmeterReading(e, s)), "  0.0");
}

TEST_F(Readouts, BatteryTemperatureNeedlesRunFromOneAt15DownToZeroAt80) {
  struct Case {
    double c, value;
  } cases[] = {{10, 1.0}, {15, 1.0}, {47.5, 0.5}, {80, 0.0}, {95, 0.0}, {28, 1.0 - 13.0 / 65.0}};
  for (const Case& k : cases) {
    e.mainBatteryTempC = k.c;
    e.auxBatteryTempC = k.c;
    EXPECT_NEAR(mainBatteryTempNeedle(e, s), k.value, 1e-12) << k.c;
    EXPECT_NEAR(auxBatteryTempNeedle(e, s), k.value, 1e-12) << k.c;
  }
  s.batteryTempTest = 3;
  EXPECT_NEAR(mainBatteryTempNeedle(e, s), 1.0 - 55.0 / 65.0, 1e-12) << "the test shows 70 degrees";
  e.dcPowerAvailable = false;
  EXPECT_EQ(mainBatteryTempNeedle(e, s), 1.0);
}

TEST_F(Readouts, ExternalPowerSwitchlightsNeedPowerTheSwitchAndTheSupply) {
  e.externalPowerAvailable = e.acExternalPowerAvailable = true;
  EXPECT_FALSE(dcExternalPowerLit(e, s));
  s.externalPowerDc = 1;
  EXPECT_TRUE(dcExternalPowerLit(e, s));
  EXPECT_FALSE(acExternalPowerLit(e, s));
  s.externalPowerAc = 1;
  EXPECT_TRUE(acExternalPowerLit(e, s));
  e.acExternalPowerAvailable = false;
  EXPECT_FALSE(acExternalPowerLit(e, s));
  e.dcPowerAvailable = false;
  EXPECT_FALSE(dcExternalPowerLit(e, s));
}

}  // namespace
}  // namespace xaq::systems
