// The traffic logic and the traffic data: the threat levels at their thresholds, what is not
// considered, how the list from the link is read and how often it is asked for.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "displays/traffic/testing_traffic_list.h"
#include "displays/traffic/traffic_data.h"

namespace xaq::displays {
namespace {

using testing::ListedTarget;
using testing::trafficList;

// The own aircraft heads north at 0 kt; a target straight ahead at `rangeNm` flying south at
// `closureKt` closes at exactly that rate.
constexpr double kOwnLat = 45.0, kOwnLon = -122.0, kOwnAlt = 5000.0;

OwnAircraft own(double speedKt = 0.0, double headingDeg = 0.0) {
  return {kOwnLat, kOwnLon, kOwnAlt, headingDeg, speedKt};
}

TrafficRecord ahead(double rangeNm, double closureKt, double aboveFt) {
  TrafficRecord t;
  t.id = 7;
  t.latDeg = static_cast<float>(kOwnLat + rangeNm / 60.0);
  t.lonDeg = static_cast<float>(kOwnLon);
  t.altitudeFt = static_cast<float>(kOwnAlt + aboveFt);
  t.headingDeg = 180;
  t.groundSpeedKt = static_cast<std::uint16_t>(closureKt);
  return t;
}

// Range for a time to closest approach of `tauS` at 200 kt.
double rangeForTau(double tauS) { return tauS * 200.0 / 3600.0; }

TEST(TrafficLogic, AResolutionAdvisoryNeedsATauUnder25SecondsAndLessThan600Feet) {
  EXPECT_EQ(assessTarget(ahead(rangeForTau(24.8), 200, 0), own()).threatLevel, kResolutionAdvisory);
  EXPECT_EQ(assessTarget(ahead(rangeForTau(25.2), 200, 0), own()).threatLevel, kTrafficAdvisory);
  EXPECT_EQ(assessTarget(ahead(rangeForTau(20), 200, 599), own()).threatLevel, kResolutionAdvisory);
  EXPECT_EQ(assessTarget(ahead(rangeForTau(20), 200, -601), own()).threatLevel, kTrafficAdvisory);
}

TEST(TrafficLogic, ATrafficAdvisoryNeedsATauUnder40SecondsAndLessThan850Feet) {
  EXPECT_EQ(assessTarget(ahead(rangeForTau(39.8), 200, 0), own()).threatLevel, kTrafficAdvisory);
  EXPECT_EQ(assessTarget(ahead(rangeForTau(40.2), 200, 0), own()).threatLevel, kProximate);
  EXPECT_EQ(assessTarget(ahead(rangeForTau(30), 200, 849), own()).threatLevel, kTrafficAdvisory);
  EXPECT_EQ(assessTarget(ahead(rangeForTau(30), 200, -851), own()).threatLevel, kProximate);
}

TEST(TrafficLogic, ProximateTrafficIsWithinSixMilesAnd1200Feet) {
  EXPECT_EQ(assessTarget(ahead(5.95, 0, 0), own()).threatLevel, kProximate);
  EXPECT_EQ(assessTarget(ahead(6.05, 0, 0), own()).threatLevel, kOtherTraffic);
  EXPECT_EQ(assessTarget(ahead(3, 0, 1199), own()).threatLevel, kProximate);
  EXPECT_EQ(assessTarget(ahead(3, 0, -1201), own()).threatLevel, kOtherTraffic);
}

TEST(TrafficLogic, TrafficBeyondTenMilesOr2700FeetIsNotConsidered) {
  EXPECT_TRUE(assessTarget(ahead(9.95, 0, 0), own()).inUse);
  EXPECT_FALSE(assessTarget(ahead(10.05, 0, 0), own()).inUse);
  const TrafficAssessment near = assessTarget(ahead(3, 0, 2699), own());
  EXPECT_TRUE(near.inUse);
  EXPECT_NEAR(near.relativeAltitudeFt, 2699.0, 1e-3);
  EXPECT_FALSE(assessTarget(ahead(3, 0, -2701), own()).inUse);
}

TEST(TrafficLogic, DivergingTrafficIsNeverAnAdvisoryHoweverNear) {
  TrafficRecord away = ahead(0.5, 0, 0);
  away.headingDeg = 0;
  away.groundSpeedKt = 250;  // flying away ahead of a slower own aircraft
  EXPECT_EQ(assessTarget(away, own(150)).threatLevel, kProximate);
  EXPECT_LT(assessTarget(away, own(150)).closureKt, 0.0);
  // The same geometry with the own aircraft faster: now it closes at 100 kt, tau 18 s.
  EXPECT_EQ(assessTarget(away, own(350)).threatLevel, kResolutionAdvisory);
  // Passing abeam on a parallel course: the range is not shrinking.
  TrafficRecord abeam = ahead(0, 0, 0);
  abeam.lonDeg = static_cast<float>(kOwnLon + 0.5 / 60.0 / std::cos(kOwnLat * 3.14159265358979 / 180.0));
  abeam.headingDeg = 0;
  abeam.groundSpeedKt = 200;
  EXPECT_EQ(assessTarget(abeam, own(200)).threatLevel, kProximate);
}

TEST(TrafficLogic, ClosureComesFromBothVelocities) {
  // Head-on, 150 kt each: 300 kt of closure.
  const TrafficAssessment a = assessTarget(ahead(2, 150, 0), own(150));
  EXPECT_NEAR(a.closureKt, 300.0, 0.5);
  EXPECT_NEAR(a.rangeNm, 2.0, 1e-3);
  EXPECT_EQ(a.threatLevel, kResolutionAdvisory);  // 24 s
}

TEST(TrafficLogic, EmptySlotsAndUnusableRecordsAreNotInUse) {
  TrafficRecord empty = ahead(1, 200, 0);
  empty.id = 0;
  EXPECT_FALSE(assessTarget(empty, own()).inUse);
  TrafficRecord garbled = ahead(1, 200, 0);
  garbled.latDeg = std::numeric_limits<float>::quiet_NaN();
  EXPECT_FALSE(assessTarget(garbled, own()).inUse);
  garbled = ahead(1, 200, 0);
  garbled.altitudeFt = std::numeric_limits<float>::infinity();
  EXPECT_FALSE(assessTarget(garbled, own()).inUse);
}

TEST(TrafficList, AShortOrGarbledListIsNeverReadPastItsEnd) {
  auto bytes = trafficList({{1, 45.0f, -122.0f, 5000}, {2, 45.1f, -122.0f, 5000}}, 0xFFFF);
  TrafficTable table;
  // The count claims 65535; the bytes hold two records and then the rest of the slots.
  EXPECT_TRUE(readTrafficList(bytes.data(), bytes.size(), table));
  EXPECT_EQ(table.count, kTrafficSlots);
  // Cut to two and a half records: only the two whole ones count.
  std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + 4 + 2 * 40 + 20);
  EXPECT_TRUE(readTrafficList(cut.data(), cut.size(), table));
  EXPECT_EQ(table.count, 2);
  EXPECT_EQ(table.records[1].id, 2u);
  EXPECT_EQ(table.records[2].id, 0u) << "slots past the count are emptied";
  // Too short for its header: invalid and empty.
  EXPECT_FALSE(readTrafficList(cut.data(), 3, table));
  EXPECT_FALSE(table.valid);
  EXPECT_EQ(table.count, 0);
  EXPECT_FALSE(readTrafficList(nullptr, 100, table));
}

TEST(TrafficList, RecordsKeepEveryFieldAndACallsignOfFifteenCharactersStaysTerminated) {
  auto bytes = trafficList({{0x01020304, 45.25f, -122.5f, 6500, 275, 180, -1200, "ABCDEFGHIJKLMNOPQ"}});
  bytes[4 + 37] = 3;  // COM1 byte
  TrafficTable table;
  ASSERT_TRUE(readTrafficList(bytes.data(), bytes.size(), table));
  const TrafficRecord& r = table.records[0];
  EXPECT_EQ(r.id, 0x01020304u);
  EXPECT_EQ(r.latDeg, 45.25f);
  EXPECT_EQ(r.lonDeg, -122.5f);
  EXPECT_EQ(r.altitudeFt, 6500.0f);
  EXPECT_EQ(r.headingDeg, 275);
  EXPECT_EQ(r.groundSpeedKt, 180);
  EXPECT_EQ(r.verticalSpeedFpm, -1200);
  EXPECT_STREQ(r.atcId.data(), "ABCDEFGHIJKLMNO");
  EXPECT_EQ(r.com1, 3);
}

// The traffic data through its cycles.
struct TrafficBed {
  TrafficData data;
  double nowS = 0.0;
  std::vector<std::uint8_t> list = trafficList({});
  bool linkUp = true;
  bool powered = true;
  int listsAsked = 0;

  void runFor(double seconds, double dtS) {
    const int cycles = dtS > 0 ? static_cast<int>(std::lround(seconds / dtS)) : 5;
    for (int i = 0; i < cycles; ++i) {
      nowS += dtS;
      const CycleContext now{nowS, dtS, dtS == 0.0, 1.0};
      TrafficInputs in{powered, own(), {}};
      if (data.listDue(now)) {
        ++listsAsked;
        in.list = {true, linkUp ? list.data() : nullptr, linkUp ? list.size() : 0};
      }
      data.update(now, in);
    }
  }
};

TEST(TrafficData, TheListIsAskedForOnceASecondWhateverTheFrameTime) {
  for (const double dt : {0.028, 0.056, 0.3, 6.0}) {
    TrafficBed bed;
    bed.runFor(dt > 1.0 ? 60.0 : 12.0, dt);
    const double seconds = dt > 1.0 ? 60.0 : 12.0;
    const double expected = dt > 1.0 ? seconds / dt : seconds;
    EXPECT_NEAR(bed.listsAsked, expected, 1.0) << "dt " << dt;
  }
  TrafficBed still;
  still.runFor(0, 0.0);
  EXPECT_EQ(still.listsAsked, 1) << "a clock standing still asks once";
}

TEST(TrafficData, EachNewListIsAssessedAndFlaggedForTheDisplay) {
  TrafficBed bed;
  ListedTarget threat{9, static_cast<float>(kOwnLat + 1.0 / 60.0), static_cast<float>(kOwnLon), 5300, 180, 200};
  ListedTarget empty{0, static_cast<float>(kOwnLat + 1.0 / 60.0), static_cast<float>(kOwnLon), 5000, 180, 200};
  bed.list = trafficList({empty, threat});
  bed.runFor(0.056, 0.056);
  EXPECT_TRUE(bed.data.newTrafficData());
  EXPECT_EQ(bed.data.screen()[0].inUse, 0) << "identifier 0 is an empty slot";
  EXPECT_EQ(bed.data.screen()[1].inUse, 1);
  EXPECT_EQ(bed.data.screen()[1].threatLevel, kResolutionAdvisory);
  EXPECT_NEAR(bed.data.screen()[1].relativeAltitudeFt, 300.0, 1e-3);
  EXPECT_TRUE(bed.data.takeNewTrafficData());
  EXPECT_FALSE(bed.data.newTrafficData());
  bed.runFor(0.5, 0.056);
  EXPECT_FALSE(bed.data.newTrafficData()) << "no new list within the second";
  bed.runFor(0.6, 0.056);
  EXPECT_TRUE(bed.data.newTrafficData());
}

TEST(TrafficData, AFailedReadLeavesTheTableInvalidAndTheDisplayFollowsThePower) {
  TrafficBed bed;
  bed.list = trafficList({{3, static_cast<float>(kOwnLat), static_cast<float>(kOwnLon), 5000}});
  bed.runFor(0.056, 0.056);
  EXPECT_TRUE(bed.data.state().table.valid);
  EXPECT_TRUE(bed.data.state().displayEnabled);
  bed.linkUp = false;
  bed.powered = false;
  bed.runFor(1.2, 0.056);
  EXPECT_FALSE(bed.data.state().table.valid);
  EXPECT_EQ(bed.data.state().table.count, 0);
  EXPECT_EQ(bed.data.screen()[0].inUse, 0);
  EXPECT_FALSE(bed.data.state().displayEnabled);
}

}  // namespace
}  // namespace xaq::displays
