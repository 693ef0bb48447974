// Navigation data files and the receivers the host computes from them.

#include <gtest/gtest.h>

#include <cmath>

#include "simhost/flight_model.h"
#include "simhost/navaids.h"

namespace xaq::sim {
namespace {

NavData testData() { return NavData::load(std::string(XAQ_SIM_FOLDER) + "/Xaq/NavData"); }

TEST(NavDataFiles, ReadTheDocumentedLineGrammar) {
  const NavData data = testData();
  ASSERT_EQ(data.vors.size(), 2u);  // the lower-case line is no data
  EXPECT_EQ(data.vors[0].ident, "TST");
  EXPECT_EQ(data.vors[0].frequency, 11390u);
  ASSERT_EQ(data.ndbs.size(), 1u);
  EXPECT_EQ(data.ndbs[0].frequency, 3505u);
  const Runway* r09 = data.findRunway("XTST", "09");
  ASSERT_NE(r09, nullptr);
  EXPECT_EQ(r09->ilsFrequency, 11030u);
  EXPECT_EQ(r09->elevationFt, 100);
  const Runway* r27 = data.findRunway("XTST", "27");
  ASSERT_NE(r27, nullptr);
  EXPECT_EQ(r27->ilsFrequency, 0u);
  EXPECT_TRUE(NavData::load("/nonexistent").vors.empty());

  Station s;
  EXPECT_FALSE(parseStationLine("; comment", s, 100));
  EXPECT_FALSE(parseStationLine("", s, 100));
  EXPECT_TRUE(parseStationLine("ABC 1.5 2.5 113.05", s, 100));
  EXPECT_EQ(s.frequency, 11305u);
}

TEST(Frequencies, BcdAsTheHostHoldsIt) {
  EXPECT_EQ(bcdFromNavFrequency(11390), 0x1390u);
  EXPECT_EQ(navFrequencyFromBcd(0x1390), 11390u);
  EXPECT_EQ(adfFrequencyFromBcd(0x0350, 0x0005), 3505u);
  EXPECT_EQ(adfFrequencyFromBcd(0x0234, 0x0100), 12340u);
}

class Receivers : public ::testing::Test {
 protected:
  void SetUp() override { placeOnGround(world, 0, 0, 90, 0); }
  void tune(std::uint32_t mhz100, double obs, double lat, double lon, double altitude = 0) {
    world.radios.nav1Bcd = bcdFromNavFrequency(mhz100);
    world.radios.obs1Deg = obs;
    world.aircraft.latDeg = lat;
    world.aircraft.lonDeg = lon;
    world.aircraft.altitudeFt = altitude;
    updateReceivers(world, data);
  }
  World world;
  NavData data = testData();
};

TEST_F(Receivers, VorToFromAndDeviationSides) {
  tune(11390, 90, 0.05, 0);  // north of the course to a station due east
  const auto& rx = world.nav.nav1;
  EXPECT_TRUE(rx.received);
  EXPECT_EQ(rx.toFrom, 1);
  EXPECT_GT(rx.deviation, 20);  // the course lies to the right
  EXPECT_NEAR(rx.dmeNm, 60.1, 0.5);

  tune(11390, 270, 0.05, 0);  // the same place on the reciprocal: FROM, course to the left
  EXPECT_EQ(world.nav.nav1.toFrom, 2);
  EXPECT_LT(world.nav.nav1.deviation, -20);

  tune(11390, 90, 0.05, 2.0);  // past the station: FROM on 090, still north of it
  EXPECT_EQ(world.nav.nav1.toFrom, 2);
  EXPECT_GT(world.nav.nav1.deviation, 20);
}

TEST_F(Receivers, OutOfRangeAndUntunedStationsGiveNothing) {
  tune(10800, 0, 0, 0);
  EXPECT_FALSE(world.nav.nav1.received);
  EXPECT_LT(world.nav.nav1.dmeNm, 0);
  tune(11700, 0, 0, 0);
  EXPECT_FALSE(world.nav.nav1.received);
}

TEST_F(Receivers, LocalizerAndGlideslope) {
  // 5 NM out on the extended centre line, on the 3-degree path.
  const double distanceFt = (5.0 + 1000.0 / 6076.12) * 6076.12;
  tune(11030, 0, 0, -5.0 / 60.0, 100 + distanceFt * std::tan(3.0 * 3.14159265358979 / 180));
  const auto& rx = world.nav.nav1;
  EXPECT_TRUE(rx.localizer);
  EXPECT_TRUE(rx.glideslope);
  EXPECT_NEAR(rx.deviation, 0, 2);
  EXPECT_NEAR(rx.glideslopeDeviation, 0, 3);

  tune(11030, 0, 0.01, -5.0 / 60.0, 3000);  // north of the centre line and high
  EXPECT_GT(world.nav.nav1.deviation, 60);
  EXPECT_EQ(world.nav.nav1.glideslopeDeviation, 127);

  tune(11030, 0, 0, 0.2);  // behind the antenna: back course
  EXPECT_TRUE(world.nav.nav1.backCourse);
  EXPECT_FALSE(world.nav.nav1.glideslope);
}

TEST_F(Receivers, AdfPointsAtTheBeacon) {
  world.radios.adfBcd = 0x0350;
  world.radios.adfExtendedBcd = 0x0005;
  world.aircraft.headingTrueDeg = 0;
  updateReceivers(world, data);
  EXPECT_GT(world.nav.adfSignal, 2);
  EXPECT_NEAR(world.nav.adfRelativeDeg, 45, 0.5);
}

}  // namespace
}  // namespace xaq::sim
