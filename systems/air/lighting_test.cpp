#include "systems/air/lighting.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/testing/recording_effects.h"
#include "systems/air/lighting_sync.h"
#include "systems/air/sun.h"

namespace xaq::systems {
namespace {

struct Almanac {
  const char* place;
  double latitudeDeg, longitudeDeg;
  CalendarDate date;
  double sunriseUtcH, sunsetUtcH;  // sunset may run past 24 into the next UTC day
};

constexpr double hm(int h, int m) { return h + m / 60.0; }

// Published sunrise and sunset (upper limb on the horizon, standard refraction), as given by
// the U.S. Naval Observatory's "Sun and Moon Data for One Day" and timeanddate.com's tables,
// converted to UTC: London (GMT, BST = UTC+1), New York (EST UTC-5, EDT UTC-4), Sydney (AEST
// UTC+10).
const Almanac kAlmanac[] = {
    {"London, summer solstice", 51.5074, -0.1278, {21, 6, 2024}, hm(3, 43), hm(20, 21)},
    {"London, winter solstice", 51.5074, -0.1278, {21, 12, 2024}, hm(8, 4), hm(15, 54)},
    {"New York, summer solstice", 40.7128, -74.0060, {21, 6, 2024}, hm(9, 25), hm(24, 31)},
    {"New York, winter solstice", 40.7128, -74.0060, {21, 12, 2024}, hm(12, 17), hm(21, 32)},
    {"Sydney, winter solstice", -33.8688, 151.2093, {21, 6, 2024}, hm(-3, 0), hm(6, 54)},
};

TEST(SunEvents, SunriseAndSunsetAgreeWithTheAlmanacWithinTwoMinutes) {
  for (const Almanac& a : kAlmanac) {
    const auto sun = sunEvents(a.date, a.latitudeDeg, a.longitudeDeg, kAlmanacHorizonDeg);
    ASSERT_TRUE(sun) << a.place;
    EXPECT_NEAR(sun->sunriseUtcHours, a.sunriseUtcH, 2.0 / 60.0) << a.place;
    EXPECT_NEAR(sun->sunsetUtcHours, a.sunsetUtcH, 2.0 / 60.0) << a.place;
  }
}

TEST(SunEvents, ThePanelLightingsHorizonMakesTheDayAMinuteOrTwoShorterAtEachEnd) {
  for (const Almanac& a : kAlmanac) {
    const auto almanac = sunEvents(a.date, a.latitudeDeg, a.longitudeDeg, kAlmanacHorizonDeg);
    const auto lighting = sunEvents(a.date, a.latitudeDeg, a.longitudeDeg);
    ASSERT_TRUE(almanac && lighting);
    const double later = (lighting->sunriseUtcHours - almanac->sunriseUtcHours) * 60.0;
    const double earlier = (almanac->sunsetUtcHours - lighting->sunsetUtcHours) * 60.0;
    EXPECT_GT(later, 0.8) << a.place;
    EXPECT_LT(later, 3.0) << a.place;
    EXPECT_NEAR(earlier, later, 0.3) << a.place;
  }
}

TEST(SunEvents, PolarDayAndNightAndImpossibleInputsHaveNoEvents) {
  EXPECT_FALSE(sunEvents({21, 6, 2024}, 78.2, 15.6));   // Longyearbyen, midnight sun
  EXPECT_FALSE(sunEvents({21, 12, 2024}, 78.2, 15.6));  // and polar night
  EXPECT_TRUE(sunEvents({21, 3, 2024}, 78.2, 15.6));
  EXPECT_FALSE(sunEvents({0, 0, 0}, 45.0, 0.0));
  EXPECT_FALSE(sunEvents({1, 13, 2024}, 45.0, 0.0));
  EXPECT_FALSE(sunEvents({1, 1, 2024}, std::nan(""), 0.0));
  EXPECT_FALSE(sunEvents({1, 1, 2024}, 95.0, 0.0));
}

TEST(Daylight, ItIsDaylightFromSunrisePlusOneAndAHalfHoursToSunsetLessOne) {
  const SunEvents sun{6.0, 18.0};
  EXPECT_FALSE(daylightAt(sun, 7.49));
  EXPECT_TRUE(daylightAt(sun, 7.51));
  EXPECT_TRUE(daylightAt(sun, 16.99));
  EXPECT_FALSE(daylightAt(sun, 17.01));
  // Events that fall across UTC midnight.
  const SunEvents west{13.0, 27.5};
  EXPECT_TRUE(daylightAt(west, 2.0));
  EXPECT_FALSE(daylightAt(west, 3.0));
  EXPECT_TRUE(daylightAt(west, 15.0));
  const SunEvents east{-3.0, 7.0};
  EXPECT_TRUE(daylightAt(east, 23.0));
  EXPECT_FALSE(daylightAt(east, 6.5));
}

class PanelLightingTest : public ::testing::Test {
 protected:
  PanelLightingTest() {
    in.instrumentLights = in.floodLights = in.dcPowerLastCycle = true;
    in.date = {21, 12, 2024};
    in.latitudeDeg = 51.5074;  // London: daylight 09:34 ... 14:54 UTC
    in.longitudeDeg = -0.1278;
  }
  void at(int hour, int minute) {
    in.localHour = hour;
    in.localMinute = minute;
    lighting.update(now, in);
  }
  LightingInputs in;
  PanelLighting lighting;
  CycleContext now;
};

TEST_F(PanelLightingTest, WithoutTheAddOnDaylightComesFromTheSunAtTheHostsTimeAndPlace) {
  at(9, 31);
  EXPECT_FALSE(lighting.state().daylight);
  EXPECT_TRUE(lighting.state().nightImages);
  at(9, 38);
  EXPECT_TRUE(lighting.state().daylight);
  EXPECT_FALSE(lighting.state().nightImages);
  at(14, 50);
  EXPECT_TRUE(lighting.state().daylight);
  at(14, 58);
  EXPECT_FALSE(lighting.state().daylight);
  // New York's local clock is five hours behind UTC: 10:00 there is daylight.
  in.latitudeDeg = 40.7128;
  in.longitudeDeg = -74.0060;
  in.utcOffsetHours = -5.0;
  at(10, 0);
  EXPECT_TRUE(lighting.state().daylight);
  at(17, 1);
  EXPECT_FALSE(lighting.state().daylight);
}

TEST_F(PanelLightingTest, TheSunIsWorkedOutAgainOnlyWhenTheHostsMinuteChanges) {
  at(12, 0);
  ASSERT_TRUE(lighting.state().daylight);
  in.longitudeDeg = 150.0;  // the other side of the world, within the same minute
  at(12, 0);
  EXPECT_TRUE(lighting.state().daylight);
  at(12, 1);
  EXPECT_FALSE(lighting.state().daylight);
}

TEST_F(PanelLightingTest, TheAddOnsTimeOfDayDecidesWhileItIsConnected) {
  at(12, 0);
  in.addonConnected = true;
  for (auto [code, daylight] : {std::pair{std::uint8_t{1}, true}, {std::uint8_t{2}, false}, {std::uint8_t{4}, false}}) {
    in.addonTimeOfDay = code;
    at(12, 0);
    EXPECT_EQ(lighting.state().daylight, daylight) << int{code};
  }
  in.addonConnected = false;
  at(12, 0);
  EXPECT_TRUE(lighting.state().daylight) << "the sun again, at once";
}

TEST_F(PanelLightingTest, NightImagesNeedTheNightBothLightingsAndPower) {
  in.addonConnected = true;
  in.addonTimeOfDay = 4;
  at(0, 0);
  EXPECT_TRUE(lighting.state().nightImages);
  for (bool LightingInputs::*flag :
       {&LightingInputs::instrumentLights, &LightingInputs::floodLights, &LightingInputs::dcPowerLastCycle}) {
    in.*flag = false;
    at(0, 0);
    EXPECT_FALSE(lighting.state().nightImages);
    in.*flag = true;
  }
  in.addonTimeOfDay = 1;
  at(0, 0);
  EXPECT_FALSE(lighting.state().nightImages);
}

TEST_F(PanelLightingTest, WhereTheSunNeitherRisesNorSetsItCountsAsDaylight) {
  in.latitudeDeg = 78.2;
  in.longitudeDeg = 15.6;
  at(0, 0);
  EXPECT_TRUE(lighting.state().daylight);
}

class LightingSyncTest : public ::testing::Test {
 protected:
  int count(std::uint32_t id) const { return fx.eventCount(id); }
  void sync(HostExteriorLights host) {
    lights.hostLights(host);
    lights.synchronise(now, sw, doors);
  }
  PanelSwitchRecord sw;
  LightingSync lights;
  xaq::testing::RecordingEffects fx;
  Effects doors = fx.doors();
  CycleContext now;
};

TEST_F(LightingSyncTest, TheAntiCollisionSwitchShowsTheHostsStrobeOrElseBeacon) {
  sync({.strobe = true});
  EXPECT_EQ(sw.antiCollisionLight, 1);
  sync({.beacon = true});
  EXPECT_EQ(sw.antiCollisionLight, 2);
  sync({});
  EXPECT_EQ(sw.antiCollisionLight, 0);
  EXPECT_TRUE(fx.events.empty());
}

TEST_F(LightingSyncTest, StrobeAndBeaconTogetherTurnTheBeaconOff) {
  sync({.strobe = true, .beacon = true});
  EXPECT_EQ(count(kEventToggleBeacon), 1);
  EXPECT_EQ(sw.antiCollisionLight, 1);
}

TEST_F(LightingSyncTest, TheFlareLightsBurnOnlyWithTheFlareSwitchAndTheLandingLights) {
  sw.flareLandingLights = 1;
  sync({.landing = false, .flare = false});
  EXPECT_EQ(count(kEventToggleFlareLights), 0);
  sync({.landing = true, .flare = false});
  EXPECT_EQ(count(kEventToggleFlareLights), 1);
  sync({.landing = true, .flare = true});
  EXPECT_EQ(count(kEventToggleFlareLights), 1);
  sw.flareLandingLights = 0;
  sync({.landing = true, .flare = true});
  EXPECT_EQ(count(kEventToggleFlareLights), 2);
  sw.flareLandingLights = 1;
  sync({.landing = false, .flare = true});
  EXPECT_EQ(count(kEventToggleFlareLights), 3);
}

}  // namespace
}  // namespace xaq::systems
