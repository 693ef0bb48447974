// Where the heading display's inputs come from: the navigation source, the receivers' validity
// and the second station, which the map places from the navigation database.

#include <gtest/gtest.h>

#include <vector>

#include "frame/wiring.h"

namespace xaq::frame {
namespace {

fms::NavRecord vor(double lat, double lon, std::int32_t frequency) {
  fms::NavRecord r;
  r.type = fms::FacilityType::Vor;
  r.latitude = lat;
  r.longitude = lon;
  r.frequency = frequency;
  return r;
}

struct Sources {
  HostSamples samples;
  services::datalink::AddonValues addon;
  systems::RadiosState radios;
  displays::EfisSettings settings;
  guidance::FlightGuidanceState guidance;
  fms::GuidanceOutput fms;
  std::vector<fms::NavRecord> vors = {vor(45.75, -122.59, 11660), vor(47.0, -122.0, 11660), vor(45.6, -122.6, 11390)};

  Sources() {
    samples.latitudeDeg = 45.59;
    samples.longitudeDeg = -122.60;
    samples.nav2Bcd = 0x1660;  // 116.60
    samples.nav2Flags = 1;
    settings.mapOn = settings.arcMode = true;
  }
  displays::EhsiInputs inputs(bool powered = true) const {
    return ehsiInputs({samples, addon, radios, settings, 0.8, powered, guidance, fms, 2, vors});
  }
};

TEST(EhsiWiring, PlacesTheSecondStationAtTheNearestVorOnItsFrequencyOnlyForTheMap) {
  Sources s;
  displays::EhsiInputs in = s.inputs();
  ASSERT_TRUE(in.vor2.known);
  EXPECT_DOUBLE_EQ(in.vor2.position.latDeg, 45.75) << "the nearer of the two on 116.60";
  EXPECT_FALSE(in.vor1.known) << "the add-on has reported no NAV 1 station";

  s.samples.nav2Flags = 0;
  EXPECT_FALSE(s.inputs().vor2.known) << "no signal, no station";
  s.samples.nav2Flags = 1;
  s.settings.mapOn = false;
  EXPECT_FALSE(s.inputs().vor2.known) << "looked up only while the map is on";
  s.settings.mapOn = true;
  s.samples.nav2Bcd = 0x1080;  // 110.80: nothing in the database
  EXPECT_FALSE(s.inputs().vor2.known);
}

TEST(EhsiWiring, TakesTheFlightManagementAsSourceAndGoesDarkUnpowered) {
  Sources s;
  s.guidance.navSource = guidance::kNavSourceFms;
  s.fms.guidanceValid = true;
  s.fms.mapSlots[0] = {3, 45.0, 12.0};
  displays::EhsiInputs in = s.inputs();
  EXPECT_TRUE(in.fmsSource);
  EXPECT_EQ(in.mapSlots[0].waypointIndex, 3);
  EXPECT_EQ(in.activeWaypointIndex, 2);
  EXPECT_DOUBLE_EQ(in.brightness, 0.8);
  EXPECT_DOUBLE_EQ(s.inputs(false).brightness, 0.0);
  s.guidance.navSource = guidance::kNavSourceVorLoc;
  EXPECT_FALSE(s.inputs().fmsSource);
}

}  // namespace
}  // namespace xaq::frame
