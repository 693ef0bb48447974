#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fms/navdb/import/nav_writer.h"
#include "fms/navdb/import/source_text.h"
#include "fms/navdb/nav_database.h"
#include "fms/navdb/nav_file_parsers.h"
#include "fms/testing/temp_folder.h"

namespace xaq::fms::navimport {
namespace {

std::string fixtureText(const std::string& name) { return readSourceText(std::string(XAQ_NAVIMPORT_FIXTURES) + "/" + name); }

ImportSources sources(const char* nav, const char* fix, const char* awy, const char* apt) {
  ImportSources s;
  s.navaids = readNavaids(fixtureText(nav), nav);
  s.fixes = readFixes(fixtureText(fix), fix);
  s.airways = readAirways(fixtureText(awy), awy);
  s.airports = readAirports(fixtureText(apt), apt);
  return s;
}

ImportOptions options() {
  ImportOptions o;
  o.date = {2026, 3, 1};
  return o;
}

bool foundAt(NavDatabase& db, const std::string& ident, std::uint32_t mask, double lat, double lon) {
  for (const NavRecord& r : db.findByIdent(ident, mask, {lat, lon})) {
    if (distanceNm({r.latitude, r.longitude}, {lat, lon}) < 0.01) return true;
  }
  return false;
}

// Imports the fixtures, writes the folder and loads it with the module's own loader: every
// record written is found again by its identifier at its position.
TEST(ImportRoundTrip, EveryImportedRecordIsFoundByIdentifierAtItsPosition) {
  const testing::TempFolder sim;
  const ImportSources s = sources("nav810.dat", "fix600.dat", "awy640.dat", "apt1000.dat");
  const NavDataFiles files = buildNavData(s, options());
  writeNavDataFolder(sim.path(), files);
  NavDatabase db(sim.path());

  ASSERT_EQ(db.vors().size(), 2u);
  ASSERT_EQ(db.ndbs().size(), 1u);
  EXPECT_EQ(db.vors()[0].frequency, 11680);  // SEA sorts before SY
  EXPECT_EQ(db.ndbs()[0].frequency, 3620);
  EXPECT_EQ(db.expiry().day, 17);
  EXPECT_EQ(db.expiry().month, 10);
  EXPECT_EQ(db.expiry().year, 13);
  for (const Navaid& n : s.navaids.navaids) {
    if (n.kind == NavaidKind::Localizer) continue;
    EXPECT_TRUE(foundAt(db, n.ident, n.kind == NavaidKind::Vor ? 2 : 1, n.latDeg, n.lonDeg)) << n.ident;
  }
  // Names the grammar cannot hold as they are: '-' and lower case, and one over 11 characters.
  ASSERT_EQ(db.waypoints().size(), 5u);  // "-DASH" cannot start a record
  EXPECT_EQ(files.counts.unnamed, 1u);
  for (const Fix& f : s.fixes.fixes) {
    const std::string ident = fileIdent(f.ident);
    if (ident.empty()) continue;
    EXPECT_TRUE(foundAt(db, ident, 4, f.latDeg, f.lonDeg)) << ident;
  }
  EXPECT_TRUE(foundAt(db, "AB_CD", 4, 47.0, -122.0));
  EXPECT_TRUE(foundAt(db, "LOWER", 4, 47.1, -122.1));
  EXPECT_TRUE(foundAt(db, "VERYLONGFIX", 4, 47.2, -122.2));
  // The coded name is found but never listed.
  EXPECT_TRUE(foundAt(db, "4620N", 4, 46.0, -120.0));
  EXPECT_EQ(db.namedWaypoints().size(), 4u);

  for (const Airport& a : s.airports.airports) EXPECT_TRUE(foundAt(db, a.ident, 8, a.latDeg, a.lonDeg)) << a.ident;
  const auto& sea = db.runwaysOfAirport("KSEA");
  ASSERT_EQ(sea.size(), 2u);
  EXPECT_EQ(sea[0].runwayDesignator, "16L");
  EXPECT_EQ(sea[0].frequency, 11030);  // the localizer's frequency on its runway
  EXPECT_EQ(sea[0].runwayValue3, 433);
  EXPECT_NEAR(sea[0].runwayValue1, 180 - 15, 3);  // about 180 true, 15 east variation
  EXPECT_NEAR(sea[0].runwayValue2, 11900, 100);
  EXPECT_EQ(sea[1].frequency, 0);
  // The displaced threshold of 34R lies 261.82 m up the runway from its end.
  EXPECT_NEAR(distanceNm({sea[1].latitude, sea[1].longitude}, {47.43119, -122.308}) * 1852.0, 261.82, 2.0);

  // Airways: every point of every piece finds its airway through it.
  ASSERT_EQ(files.counts.airwayPieces, 3u);
  ASSERT_EQ(db.airways().size(), 3u);
  for (const Airway& a : db.airways()) {
    for (const AirwayPoint& p : a.points) {
      bool hit = false;
      for (const Airway* h : db.airwaysThrough(p.ident.view(), {p.latitude, p.longitude})) hit = hit || h == &a;
      EXPECT_TRUE(hit) << a.name.str() << " " << p.ident.str();
    }
  }
  EXPECT_EQ(db.airways()[0].name, "V23");
  EXPECT_EQ(db.airways()[0].points.size(), 4u);
  EXPECT_EQ(db.airways()[1].name, "V23");  // the branch: a piece of its own, not glued on
  EXPECT_EQ(db.airways()[1].points.size(), 2u);
}

TEST(ImportRoundTrip, RecentVersionsPlaceAirwaysFromTheFixAndNavaidFiles) {
  const testing::TempFolder sim;
  const ImportSources s = sources("nav1150.dat", "fix1200.dat", "awy1100.dat", "apt1000.dat");
  const NavDataFiles files = buildNavData(s, options());
  EXPECT_EQ(files.counts.unknownSegmentEnds, 1u);
  writeNavDataFolder(sim.path(), files);
  NavDatabase db(sim.path());
  ASSERT_EQ(db.airways().size(), 1u);
  const Airway& v495 = db.airways()[0];
  ASSERT_EQ(v495.points.size(), 3u);
  EXPECT_EQ(v495.points[0].ident, "PDX");
  EXPECT_FLOAT_EQ(static_cast<float>(v495.points[2].latitude), 45.5f);
  const auto& pdx = db.runwaysOfAirport("KPDX");
  ASSERT_EQ(pdx.size(), 2u);
  EXPECT_EQ(pdx[0].frequency, 11190);
}

TEST(ImportRegion, OnlyRecordsInsideTheBoxAreWrittenAndTheBoxMayCrossTheDateLine) {
  ImportOptions o = options();
  o.region = {false, 45.0, -122.5, 48.0, -121.5};
  const NavDataFiles files = buildNavData(sources("nav810.dat", "fix600.dat", "awy640.dat", "apt1000.dat"), o);
  EXPECT_EQ(files.counts.vors, 1u);  // Sydney is outside
  EXPECT_EQ(files.counts.waypoints, 3u);  // ALDER lies north and 4620N east of the box
  // Segments with an end outside are left out: V23 keeps AAA-BBB-CCC, V4 keeps AAA-BBB.
  EXPECT_EQ(files.counts.airwayPieces, 2u);
  EXPECT_EQ(files.counts.airwayPoints, 5u);
  Region pacific{false, -50.0, 170.0, 0.0, -170.0};
  EXPECT_TRUE(pacific.contains(-33.0, 175.0));
  EXPECT_TRUE(pacific.contains(-33.0, -175.0));
  EXPECT_FALSE(pacific.contains(-33.0, 151.0));
}

TEST(ImportOutput, TheValidityLineGivesTheCyclesEndToTheLoader) {
  const std::string line = airacLine(2601);
  EXPECT_EQ(line, ";AIRAC 2601 XAQ-NAVIMPORT, VALID 22-JAN-2026 - 19-FEB-2026\r\n");
  ExpiryDate e;
  readValidityLine(line.substr(0, line.size() - 1), e);
  EXPECT_EQ(e.day, 19);
  EXPECT_EQ(e.month, 2);
  EXPECT_EQ(e.year, 26);
  EXPECT_EQ(airacLine(2014), ";AIRAC 2014 XAQ-NAVIMPORT, VALID 31-DEC-2020 - 28-JAN-2021\r\n");
  ExpiryDate untouched;
  readValidityLine(airacLine(0), untouched);
  EXPECT_EQ(untouched.day, 1);
}

TEST(ImportOutput, AFolderThatCannotBeWrittenIsLeftAsItWas) {
  const testing::TempFolder sim;
  sim.write("Xaq/NavData/xaqvor.dat", "old\n");
  // The last file's name is taken by a folder: nothing may be renamed over the old set before
  // every new file is known to go in.
  std::filesystem::create_directories(sim.path() + "/Xaq/NavData/xaqawy.dat/inside");
  const NavDataFiles files = buildNavData(sources("nav810.dat", "fix600.dat", "awy640.dat", "apt1000.dat"), options());
  EXPECT_THROW(writeNavDataFolder(sim.path(), files), ImportError);
  EXPECT_EQ(readSourceText(sim.path() + "/Xaq/NavData/xaqvor.dat"), "old\n");
  for (const auto& entry : std::filesystem::directory_iterator(sim.path() + "/Xaq/NavData")) {
    EXPECT_EQ(entry.path().filename().string().find(".partial"), std::string::npos) << entry.path();
  }
}

}  // namespace
}  // namespace xaq::fms::navimport
