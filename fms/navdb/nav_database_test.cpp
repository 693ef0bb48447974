#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fms/navdb/nav_database.h"
#include "fms/testing/temp_folder.h"

namespace xaq::fms {
namespace {

using testing::TempFolder;

constexpr std::uint32_t kNdb = typeBit(FacilityType::Ndb);
constexpr std::uint32_t kVor = typeBit(FacilityType::Vor);
constexpr std::uint32_t kWpt = typeBit(FacilityType::Intersection);
constexpr std::uint32_t kApt = typeBit(FacilityType::Airport);

// A small complete data set; tests remove or replace files of it.
void writeDataSet(const TempFolder& sim) {
  sim.write("Xaq/NavData/xaqvor.dat",
            ";AIRAC 2503 EFFECTIVE 20-MAR-2025 - 16-APR-2025 TEST DATA SET\n"
            "ABC 10.0 10.0 112.00\n"
            "ABC 45.0 -73.0 113.00\n"
            "XYZ 45.5 -73.5 114.10\n");
  sim.write("Xaq/NavData/xaqndb.dat", "ABC 45.1 -73.1 350.5\nQQ 45.2 -73.2 400.0\n");
  sim.write("Xaq/NavData/xaqwpt.dat",
            "4510N 45.0 -10.0\n"
            "45N73 45.0 -73.0\n"
            "ABC 44.0 -73.0\n"
            "D090 45.0 -72.9\n"
            "FARAWAY 10.0 150.0\n"
            "NEAR 45.3 -73.3\n");
  sim.write("Xaq/NavData/xaqapt.dat", "CYUL 45.47 -73.74 118\nKBTV 44.47 -73.15 335\n");
  sim.write("Xaq/NavData/xaqrwy.dat",
            "CYUL 06L 45.46 -73.75 60 11000 110.90 118\nKBTV 15 44.48 -73.16 150 8300\nCYUL 24R 45.48 -73.73 240 11000\n");
  sim.write("Xaq/NavData/xaqawy.dat",
            "K01 V1   ,0010,H,ABC,45.0,-73.0,\n"  // short: ignored
            "K01 V1   ,0010,H,NEAR             ,45.3,-73.3\n"
            "K01 V1   ,0020,H,XYZ              ,45.5,-73.5\n"
            "K01 J9   ,0010,H,XYZ              ,45.5,-73.5\n"
            "K01 J9   ,0020,H,XYZ              ,45.5,-73.5\n"
            "K01 Q7   ,0010,H,XYZ              ,10.0,10.0\n");
}

TEST(NavDatabase, DuplicateIdentifiersComeNearestFirstFromEveryMaskedTable) {
  TempFolder sim;
  writeDataSet(sim);
  NavDatabase db(sim.path());
  const auto& vors = db.findByIdent("ABC", kVor, {45.0, -73.0});
  ASSERT_EQ(vors.size(), 2u);
  EXPECT_DOUBLE_EQ(vors[0].latitude, 45.0);
  EXPECT_DOUBLE_EQ(vors[0].distance, 0.0);
  EXPECT_GT(vors[1].distance, 2000.0);

  const auto& fromFarAway = db.findByIdent("ABC", kVor, {10.0, 10.5});
  EXPECT_DOUBLE_EQ(fromFarAway[0].latitude, 10.0);

  const auto& all = db.findByIdent("ABC", kNdb | kVor | kWpt | kApt, {45.0, -73.0});
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(all[0].type, FacilityType::Vor);
  EXPECT_EQ(all[1].type, FacilityType::Ndb);
  EXPECT_EQ(all[2].type, FacilityType::Intersection);
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](auto& a, auto& b) { return a.distance < b.distance; }));

  EXPECT_TRUE(db.findByIdent("abc", kAllSearchableTypes, {}).empty());  // case matters
  EXPECT_TRUE(db.findByIdent("AB", kAllSearchableTypes, {}).empty());
  EXPECT_TRUE(db.findByIdent("CYUL", kVor | kNdb | kWpt, {}).empty());
  EXPECT_EQ(db.findByIdent("CYUL", kApt, {}).size(), 1u);
  EXPECT_EQ(db.findByIdent("", kAllSearchableTypes, {}).size(), 0u);
}

TEST(NavDatabase, CodedWaypointsAreFoundButNeverListed) {
  TempFolder sim;
  writeDataSet(sim);
  NavDatabase db(sim.path());
  EXPECT_EQ(db.findByIdent("D090", kWpt, {}).size(), 1u);
  EXPECT_EQ(db.findByIdent("45N73", kWpt, {}).size(), 1u);

  const auto& listed = db.listByCategory({45.0, -73.0}, kWpt);
  std::vector<std::string> names;
  for (const NavRecord& r : listed) names.push_back(r.ident.str());
  // FARAWAY lies beyond the listing radius; the coded names are never listed.
  EXPECT_EQ(names, (std::vector<std::string>{"NEAR", "ABC"}));
}

TEST(NavDatabase, ListsAreSortedByDistanceFromTheReference) {
  TempFolder sim;
  writeDataSet(sim);
  NavDatabase db(sim.path());
  const auto& list = db.listByCategory({45.5, -73.5}, kNdb | kVor | kApt);
  ASSERT_EQ(list.size(), 3u + 2u + 2u);
  EXPECT_EQ(list[0].ident, "XYZ");
  EXPECT_TRUE(std::is_sorted(list.begin(), list.end(), [](auto& a, auto& b) { return a.distance < b.distance; }));
}

TEST(NavDatabase, RunwaysComeInFileOrderWithTheirIlsFrequencies) {
  TempFolder sim;
  writeDataSet(sim);
  NavDatabase db(sim.path());
  const auto& rwys = db.runwaysOfAirport("CYUL");
  ASSERT_EQ(rwys.size(), 2u);
  EXPECT_EQ(rwys[0].runwayDesignator, "06L");
  EXPECT_EQ(rwys[0].frequency, 11090);
  EXPECT_EQ(rwys[1].runwayDesignator, "24R");
  EXPECT_EQ(rwys[1].frequency, 0);
  EXPECT_TRUE(db.runwaysOfAirport("KSEA").empty());
}

TEST(NavDatabase, AirwaysThroughAFixMatchNameAndPositionOncePerAirway) {
  TempFolder sim;
  writeDataSet(sim);
  NavDatabase db(sim.path());
  // The fix idents carry trailing blanks in this file: they are part of the field.
  EXPECT_TRUE(db.airwaysThrough("XYZ", {45.5, -73.5}).empty());

  // Each line padded well past the minimum length with a trailing field.
  const char* pad = ",..........";
  sim.write("Xaq/NavData/xaqawy.dat",
            std::string("K01 V1   ,0010,H,NEAR,45.3,-73.3") + pad + "\n" +
            "K01 V1   ,0020,H,XYZ,45.5,-73.5" + pad + "\n" +
            "K01 J9   ,0010,H,XYZ,45.5,-73.5" + pad + "\n" +
            "K01 J9   ,0020,H,XYZ,45.52,-73.5" + pad + "\n" +
            "K01 Q7   ,0010,H,XYZ,45.6,-73.5" + pad + "\n" +  // 6 NM away: another XYZ
            "K01 Q8   ,0010,H,NEAR,45.3,-73.3" + pad + "\n");
  NavDatabase db2(sim.path());
  ASSERT_EQ(db2.airways().size(), 4u);
  const auto& hits = db2.airwaysThrough("XYZ", {45.5, -73.5});
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_EQ(hits[0]->name, "V1");
  EXPECT_EQ(hits[1]->name, "J9");
  EXPECT_EQ(db2.airwaysThrough("NEAR", {45.3, -73.3}).size(), 2u);
}

TEST(NavDatabase, AMissingFileEndsTheLoadingChain) {
  TempFolder sim;
  writeDataSet(sim);
  sim.remove("Xaq/NavData/xaqndb.dat");
  NavDatabase db(sim.path());
  EXPECT_EQ(db.vors().size(), 3u);
  EXPECT_TRUE(db.ndbs().empty());
  EXPECT_TRUE(db.waypoints().empty());
  EXPECT_TRUE(db.airports().empty());
  EXPECT_TRUE(db.runways().empty());
  EXPECT_TRUE(db.airways().empty());
  EXPECT_EQ(db.expiry().day, 16);

  sim.remove("Xaq/NavData/xaqvor.dat");
  NavDatabase empty(sim.path());
  EXPECT_TRUE(empty.vors().empty());
  EXPECT_TRUE(empty.waypoints().empty());
  EXPECT_TRUE(empty.findByIdent("ABC", kAllSearchableTypes, {}).empty());
  EXPECT_EQ(empty.expiry().month, 1);
}

TEST(NavDatabase, AnUnsortedFileLosesSomeIdentifiersButNeverMisbehaves) {
  TempFolder sim;
  writeDataSet(sim);
  // BBB and CCC swapped.
  sim.write("Xaq/NavData/xaqvor.dat", "AAA 1 1 110.00\nCCC 2 2 111.00\nBBB 3 3 112.00\nDDD 4 4 113.00\nEEE 5 5 114.00\n");
  NavDatabase db(sim.path());
  EXPECT_EQ(db.vors().size(), 5u);
  EXPECT_EQ(db.findByIdent("AAA", kVor, {}).size(), 1u);
  EXPECT_EQ(db.findByIdent("DDD", kVor, {}).size(), 1u);
  EXPECT_TRUE(db.findByIdent("BBB", kVor, {}).empty());
  EXPECT_TRUE(db.findByIdent("CCC", kVor, {}).empty());
}

TEST(NavDatabase, ProceduresAreIndexedFromTheDepartureOrArrivalFile) {
  TempFolder sim;
  writeDataSet(sim);
  NavDatabase db(sim.path());
  EXPECT_TRUE(db.indexProcedures("CYUL", ProcedureKind::Departure).empty());
  EXPECT_NE(db.procedureFile().find("xaqSid.dat"), std::string::npos);

  sim.write("Xaq/NavData/xaqStar.dat", "; arrivals\n[CYUL/BOXUM4/ALL/]\n1,BOXUM,0\n[CYUL/BOXUM4/ALL/ANCOL]\n");
  const auto& arrivals = db.indexProcedures("CYUL", ProcedureKind::Arrival);
  ASSERT_EQ(arrivals.size(), 2u);
  EXPECT_EQ(arrivals[1].transition, "ANCOL");
  EXPECT_EQ(arrivals[1].lineNumber, 4);
}

TEST(SampleDataSet, EveryRecordIsFoundByItsIdentifier) {
  NavDatabase db(XAQ_SAMPLE_SIM_FOLDER);
  ASSERT_GE(db.vors().size(), 10u);
  ASSERT_GE(db.ndbs().size(), 6u);
  ASSERT_GE(db.airports().size(), 3u);
  ASSERT_FALSE(db.runways().empty());
  ASSERT_GE(db.airways().size(), 3u);
  EXPECT_GT(db.expiry().year, 1);
  EXPECT_LT(db.namedWaypoints().size(), db.waypoints().size());

  auto checkTable = [&](const std::vector<NavRecord>& table, std::uint32_t mask) {
    for (const NavRecord& r : table) {
      const auto& found = db.findByIdent(r.ident.view(), mask, {r.latitude, r.longitude});
      ASSERT_FALSE(found.empty()) << r.ident.view() << " is out of order";
      EXPECT_DOUBLE_EQ(found[0].distance, 0.0);
    }
  };
  checkTable(db.vors(), kVor);
  checkTable(db.ndbs(), kNdb);
  checkTable(db.waypoints(), kWpt);
  checkTable(db.airports(), kApt);

  // Every airport has runways, an ILS somewhere, and every airway point is a known fix.
  for (const NavRecord& apt : db.airports()) {
    const auto& rwys = db.runwaysOfAirport(apt.ident.view());
    EXPECT_GE(rwys.size(), 2u) << apt.ident.view();
    EXPECT_TRUE(std::any_of(rwys.begin(), rwys.end(), [](auto& r) { return r.frequency > 0; }));
  }
  for (const Airway& a : db.airways()) {
    EXPECT_GE(a.points.size(), 2u);
    for (const AirwayPoint& p : a.points) {
      const auto& fixes = db.findByIdent(p.ident.view(), kVor | kNdb | kWpt, {p.latitude, p.longitude});
      ASSERT_FALSE(fixes.empty()) << a.name.view() << " " << p.ident.view();
      EXPECT_LT(fixes[0].distance, 0.1) << a.name.view() << " " << p.ident.view();
    }
  }
}

}  // namespace
}  // namespace xaq::fms
