#include <gtest/gtest.h>
#include <zlib.h>

#include <fstream>
#include <iterator>
#include <string>

#include "fms/navdb/import/airway_chain.h"
#include "fms/navdb/import/source_text.h"
#include "fms/navdb/import/xplane_readers.h"
#include "fms/testing/temp_folder.h"

namespace xaq::fms::navimport {
namespace {

std::string fixture(const std::string& name) { return std::string(XAQ_NAVIMPORT_FIXTURES) + "/" + name; }
std::string fixtureText(const std::string& name) { return readSourceText(fixture(name)); }

// The message an import of the fixture stops with, or "" when it goes through.
template <typename Read>
std::string failureOf(const std::string& name, Read read) {
  try {
    read(fixtureText(name), name);
  } catch (const ImportError& e) {
    return e.what();
  }
  return "";
}

TEST(NavaidReader, Version810KeepsVorsNdbsAndLocalizersAndPassesOverTheRest) {
  const NavaidFile f = readNavaids(fixtureText("nav810.dat"), "nav810.dat");
  EXPECT_EQ(f.header.version, 810);
  EXPECT_EQ(f.header.airacCycle, 1310);
  EXPECT_EQ(f.rows, 6u);
  ASSERT_EQ(f.navaids.size(), 4u);  // the glide slope and the DME are not used
  EXPECT_EQ(f.navaids[0].kind, NavaidKind::Ndb);
  EXPECT_EQ(f.navaids[0].frequency, 362);
  EXPECT_EQ(f.navaids[1].ident, "SEA");
  EXPECT_EQ(f.navaids[1].frequency, 11680);
  EXPECT_EQ(f.navaids[1].name, "SEATTLE VORTAC");
  EXPECT_DOUBLE_EQ(f.navaids[1].latDeg, 47.43538889);
  EXPECT_EQ(f.navaids[2].kind, NavaidKind::Localizer);
  EXPECT_EQ(f.navaids[2].airport, "KSEA");
  EXPECT_EQ(f.navaids[2].runway, "16L");
  EXPECT_DOUBLE_EQ(f.navaids[3].latDeg, -33.9461);
}

TEST(NavaidReader, Version1150ReadsRegionsBeforeTheName) {
  const NavaidFile f = readNavaids(fixtureText("nav1150.dat"), "nav1150.dat");
  EXPECT_EQ(f.header.airacCycle, 1802);
  ASSERT_EQ(f.navaids.size(), 3u);  // the approach path point (14) is not used
  EXPECT_EQ(f.navaids[0].region, "K1");
  EXPECT_EQ(f.navaids[0].name, "LAKER NDB");
  EXPECT_EQ(f.navaids[1].name, "PORTLAND VORTAC");
  EXPECT_EQ(f.navaids[2].airport, "KPDX");
  EXPECT_EQ(f.navaids[2].runway, "10R");
}

TEST(FixReader, Versions600And1200) {
  const FixFile old = readFixes(fixtureText("fix600.dat"), "fix600.dat");
  ASSERT_EQ(old.fixes.size(), 6u);
  EXPECT_EQ(old.fixes[2].ident, "AB-CD");
  const FixFile recent = readFixes(fixtureText("fix1200.dat"), "fix1200.dat");
  ASSERT_EQ(recent.fixes.size(), 2u);
  EXPECT_EQ(recent.fixes[0].ident, "PAEBB");
  EXPECT_EQ(recent.fixes[1].region, "K1");
}

TEST(AirwayReader, Version640SplitsSharedNamesAnd1100LeavesPositionsOpen) {
  const AirwayFile old = readAirways(fixtureText("awy640.dat"), "awy640.dat");
  ASSERT_EQ(old.segments.size(), 5u);
  EXPECT_EQ(old.segments[1].names, (std::vector<std::string>{"V23", "V4"}));
  EXPECT_TRUE(old.segments[3].high);
  EXPECT_TRUE(old.segments[0].from.positioned);
  const AirwayFile recent = readAirways(fixtureText("awy1100.dat"), "awy1100.dat");
  ASSERT_EQ(recent.segments.size(), 3u);
  EXPECT_FALSE(recent.segments[0].from.positioned);
  EXPECT_EQ(recent.segments[0].from.fixKind, 3);
  EXPECT_EQ(recent.segments[1].to.region, "K1");
}

TEST(AirportReader, RunwaysPositionsAndWhatIsPassedOver) {
  const AirportFile f = readAirports(fixtureText("apt1000.dat"), "apt1000.dat");
  EXPECT_EQ(f.heliports, 1u);
  ASSERT_EQ(f.airports.size(), 3u);
  const Airport& sea = f.airports[0];
  EXPECT_EQ(sea.ident, "KSEA");
  EXPECT_EQ(sea.elevationFt, 433);
  EXPECT_EQ(sea.name, "Seattle Tacoma Intl");
  ASSERT_EQ(sea.runways.size(), 1u);
  EXPECT_EQ(sea.runways[0].ends[1].designator, "34R");
  EXPECT_DOUBLE_EQ(sea.runways[0].ends[1].displacedM, 261.82);
  // No datum: the middle of the runway, not the tower.
  EXPECT_NEAR(sea.latDeg, (47.4638 + 47.43119) / 2, 1e-9);
  ASSERT_EQ(f.airports[1].runways.size(), 1u);  // the seaplane base's water runway
  EXPECT_EQ(f.airports[1].runways[0].ends[0].designator, "04W");
  // The datum wins over the runways.
  EXPECT_DOUBLE_EQ(f.airports[2].latDeg, 45.5887);
  EXPECT_DOUBLE_EQ(f.airports[2].lonDeg, -122.5975);
}

TEST(SourceReaders, MalformedInputNamesTheFileAndLine) {
  EXPECT_EQ(failureOf("nav_bad_latitude.dat", readNavaids),
            "nav_bad_latitude.dat line 5: the latitude \"forty\" is not a number");
  EXPECT_EQ(failureOf("fix_cut_short.dat", readFixes),
            "fix_cut_short.dat line 5: the file ends without its closing \"99\" line: it was cut short");
  EXPECT_EQ(failureOf("apt_short_runway.dat", readAirports),
            "apt_short_runway.dat line 5: a land runway row has 16 fields, needs at least 26");
  EXPECT_EQ(failureOf("nav_unknown_version.dat", readNavaids),
            "nav_unknown_version.dat line 2: version 700 is not one this importer reads (810, 1100, 1150)");
  // A file of another kind is refused at its version line.
  EXPECT_NE(failureOf("fix600.dat", readNavaids).find("version 600 is not one"), std::string::npos);
  EXPECT_THROW(readSourceText(fixture("no-such-file.dat")), ImportError);
}

TEST(SourceText, GzippedInputReadsAsThePlainFileAndDamageIsReported) {
  const testing::TempFolder folder;
  const std::string plain = fixtureText("awy640.dat");
  const std::string packed = folder.path() + "/awy.dat.gz";
  gzFile out = gzopen(packed.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  ASSERT_EQ(gzwrite(out, plain.data(), static_cast<unsigned>(plain.size())), static_cast<int>(plain.size()));
  gzclose(out);
  EXPECT_EQ(readSourceText(packed), plain);

  // The same stream cut short: a download that stopped half way is not taken for the data.
  std::ifstream in(packed, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  folder.write("cut.dat.gz", bytes.substr(0, bytes.size() / 2));
  EXPECT_THROW(readSourceText(folder.path() + "/cut.dat.gz"), ImportError);
}

TEST(AirwayChain, SegmentsInAnyOrderBecomeOrderedPiecesUsingEachSegmentOnce) {
  const AirwayFile f = readAirways(fixtureText("awy640.dat"), "awy640.dat");
  const auto pieces = chainAirways(f.segments);
  // V23: AAA-BBB-CCC-DDD with a branch BBB-FFF; V4: AAA-BBB-EEE. Walks start at the ends.
  std::vector<std::string> v23, v4;
  std::size_t v23Segments = 0;
  for (const AirwayPiece& p : pieces) {
    std::string run;
    for (const PiecePoint& q : p.points) run += q.ident + " ";
    if (p.name == "V23") {
      v23.push_back(run);
      v23Segments += p.points.size() - 1;
    } else {
      v4.push_back(run);
    }
  }
  EXPECT_EQ(v23Segments, 4u);
  ASSERT_EQ(v23.size(), 2u);
  EXPECT_EQ(v23[0], "AAA BBB CCC DDD ");
  EXPECT_EQ(v23[1], "FFF BBB ");
  ASSERT_EQ(v4.size(), 1u);
  EXPECT_EQ(v4[0], "AAA BBB EEE ");
}

}  // namespace
}  // namespace xaq::fms::navimport
