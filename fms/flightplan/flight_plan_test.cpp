#include <gtest/gtest.h>

#include <string>

#include "fms/flightplan/flight_plan.h"
#include "fms/magvar/magnetic_variation.h"
#include "fms/testing/grid_file.h"

namespace xaq::fms {
namespace {

NavPoint fix(std::string_view ident, double lat, double lon, FacilityType type = FacilityType::Intersection) {
  NavRecord r;
  r.type = type;
  r.ident.assign(ident);
  r.latitude = lat;
  r.longitude = lon;
  return NavPoint::fromRecord(r);
}
NavPoint airport(std::string_view ident, double lat, double lon) { return fix(ident, lat, lon, FacilityType::Airport); }

// Five waypoints one degree of longitude apart along the equator.
void fillFive(FlightPlan& plan) {
  for (int i = 0; i < 5; ++i) plan.insert(i, fix("WP" + std::to_string(i + 1), 0.0, i));
}

TEST(FlightPlanEditing, FirstInsertionsSetTheActiveIndex) {
  FlightPlan plan;
  EXPECT_EQ(plan.activeIndex(), 1);
  ASSERT_TRUE(plan.insert(0, fix("A", 0, 0)));
  EXPECT_EQ(plan.count(), 1);
  EXPECT_EQ(plan.activeIndex(), 0);
  ASSERT_TRUE(plan.insert(1, fix("B", 0, 1)));
  EXPECT_EQ(plan.activeIndex(), 1);
}

TEST(FlightPlanEditing, InsertingBeforeTheActiveWaypointMakesItActive) {
  FlightPlan plan;
  fillFive(plan);
  plan.setActiveIndex(3);
  ASSERT_TRUE(plan.insert(2, fix("NEW", 0.5, 1.5)));
  EXPECT_EQ(plan.activeIndex(), 2);
  EXPECT_EQ(plan.leg(2).toPoint.ident, "NEW");
  EXPECT_EQ(plan.leg(2).fromPoint.ident, "WP2");
  EXPECT_EQ(plan.leg(3).fromPoint.ident, "NEW");
  ASSERT_TRUE(plan.insert(5, fix("AFTER", 0, 9)));
  EXPECT_EQ(plan.activeIndex(), 2);
}

TEST(FlightPlanEditing, RemovingKeepsTheActiveWaypoint) {
  FlightPlan plan;
  fillFive(plan);
  plan.setActiveIndex(2);
  ASSERT_TRUE(plan.remove(2));  // the active one: the following waypoint becomes active
  EXPECT_EQ(plan.activeIndex(), 2);
  EXPECT_EQ(plan.leg(2).toPoint.ident, "WP4");
  EXPECT_EQ(plan.leg(2).fromPoint.ident, "WP2");
  ASSERT_TRUE(plan.remove(0));  // before it: the same waypoint stays active
  EXPECT_EQ(plan.activeIndex(), 1);
  EXPECT_EQ(plan.leg(1).toPoint.ident, "WP4");
  ASSERT_TRUE(plan.remove(2));  // after it: no change
  EXPECT_EQ(plan.activeIndex(), 1);
  EXPECT_EQ(plan.count(), 2);
  EXPECT_FALSE(plan.remove(2));
  EXPECT_FALSE(plan.remove(-1));
  EXPECT_FALSE(plan.insert(4, fix("GAP", 0, 0)));
  EXPECT_FALSE(plan.insert(-1, fix("NEG", 0, 0)));
  EXPECT_EQ(plan.count(), 2);
}

TEST(FlightPlanEditing, RemoveRangeJoinsAWaypointToALaterLine) {
  FlightPlan plan;
  fillFive(plan);
  ASSERT_TRUE(plan.removeRange(1, 4));
  ASSERT_EQ(plan.count(), 2);
  EXPECT_EQ(plan.leg(1).toPoint.ident, "WP5");
  EXPECT_EQ(plan.leg(1).fromPoint.ident, "WP1");
  EXPECT_NEAR(plan.leg(1).length, 4 * 60.0, 0.5);
  EXPECT_TRUE(plan.removeRange(1, 99));
  EXPECT_EQ(plan.count(), 1);
  EXPECT_FALSE(plan.removeRange(3, 4));
}

TEST(FlightPlanLegs, LengthsCoursesAndRemainingDistances) {
  MagneticVariation variation;
  ASSERT_TRUE(variation.loadFromBytes(testing::uniformGridFile(10.0)));
  FlightPlan plan(&variation);
  fillFive(plan);
  EXPECT_DOUBLE_EQ(plan.leg(0).length, FlightPlan::kNoPositionLegLengthNm);  // from nowhere
  EXPECT_DOUBLE_EQ(plan.leg(0).course, 0.0);
  for (int i = 1; i < 5; ++i) {
    EXPECT_NEAR(plan.leg(i).length, 60.0, 0.05);
    EXPECT_NEAR(plan.leg(i).course, 80.0, 0.01);  // 090 true less 10 east (to the grid's resolution)
  }
  EXPECT_DOUBLE_EQ(plan.leg(4).remaining, 0.0);
  EXPECT_NEAR(plan.leg(1).remaining, 3 * plan.leg(4).length, 1e-9);
  EXPECT_NEAR(plan.leg(0).remaining, 4 * plan.leg(4).length, 1e-9);

  // A point without a position makes both legs it belongs to 8.0 long.
  NavPoint nowhere;
  nowhere.ident.assign("(3000FT)");
  ASSERT_TRUE(plan.insert(2, nowhere));
  EXPECT_DOUBLE_EQ(plan.leg(2).length, 8.0);
  EXPECT_DOUBLE_EQ(plan.leg(3).length, 8.0);
  EXPECT_NEAR(plan.leg(0).remaining, 8.0 + 8.0 + 3 * 60.0, 0.2);
}

TEST(FlightPlanAirports, ReplacingTheOriginClearsItsRunwayAndDeparture) {
  FlightPlan plan;
  ASSERT_TRUE(plan.insert(0, airport("KSEA", 47.45, -122.31)));
  ASSERT_TRUE(plan.insert(1, airport("KPDX", 45.59, -122.60)));
  EXPECT_EQ(plan.origin.ident, "KSEA");
  EXPECT_EQ(plan.destination.ident, "KPDX");
  plan.origin.runway.assign("16L");
  plan.origin.procedure.assign("SUMMA2");
  plan.origin.transition.assign("ELN");
  plan.destination.runway.assign("10R");

  ASSERT_TRUE(plan.insert(1, fix("OLM", 46.97, -122.90)));  // en route: nothing changes
  EXPECT_EQ(plan.origin.runway, "16L");
  EXPECT_EQ(plan.origin.procedure, "SUMMA2");
  EXPECT_EQ(plan.destination.runway, "10R");

  ASSERT_TRUE(plan.remove(0));
  ASSERT_TRUE(plan.insert(0, airport("KBFI", 47.53, -122.30)));
  EXPECT_EQ(plan.origin.ident, "KBFI");
  EXPECT_EQ(plan.origin.runway, "");
  EXPECT_EQ(plan.origin.procedure, "");
  EXPECT_EQ(plan.origin.transition, "");
  EXPECT_EQ(plan.destination.runway, "10R");
  EXPECT_EQ(plan.destination.ident, "KPDX");
}

TEST(FlightPlanAirports, AnOriginRemovedAndPutBackIsTheOriginAgain) {
  FlightPlan plan;
  ASSERT_TRUE(plan.insert(0, airport("KSEA", 47.45, -122.31)));
  ASSERT_TRUE(plan.insert(1, fix("OLM", 46.97, -122.90)));
  ASSERT_TRUE(plan.remove(0));
  EXPECT_EQ(plan.origin.ident, "");
  ASSERT_TRUE(plan.insert(0, airport("KSEA", 47.45, -122.31)));
  EXPECT_EQ(plan.origin.ident, "KSEA");
  plan.reset();
  EXPECT_EQ(plan.count(), 0);
  EXPECT_EQ(plan.activeIndex(), 1);
  EXPECT_EQ(plan.origin.ident, "");
  EXPECT_EQ(plan.lastOriginIdent(), "xxxxxxxx");
}

TEST(FlightPlanDirectTo, LineThreeOfFiveGoesThroughThePresentPosition) {
  FlightPlan plan;
  fillFive(plan);
  ASSERT_TRUE(plan.directTo(2, {1.0, 1.5}));
  ASSERT_EQ(plan.count(), 6);
  EXPECT_EQ(plan.leg(2).toPoint.ident, "(PPOS)");
  EXPECT_DOUBLE_EQ(plan.leg(2).toPoint.latitude, 1.0);
  EXPECT_EQ(plan.leg(2).legKind, LegKind::Normal);
  EXPECT_EQ(plan.leg(3).toPoint.ident, "WP3");
  EXPECT_EQ(plan.leg(3).legKind, LegKind::DirectTo);
  EXPECT_EQ(plan.leg(3).via, "(DIRECT)");
  EXPECT_EQ(plan.leg(3).fromPoint.ident, "(PPOS)");
  EXPECT_EQ(plan.activeIndex(), 2);
  EXPECT_FALSE(plan.directTo(6, {0, 0}));  // no waypoint there
}

TEST(FlightPlanDirectTo, AWaypointNotInThePlanFollowsThePresentPosition) {
  FlightPlan plan;
  ASSERT_TRUE(plan.directToNew(fix("SEA", 47.4, -122.3), {47.0, -122.0}));  // empty plan
  ASSERT_EQ(plan.count(), 2);
  EXPECT_EQ(plan.leg(0).toPoint.ident, "(PPOS)");
  EXPECT_EQ(plan.leg(1).legKind, LegKind::DirectTo);
  EXPECT_EQ(plan.activeIndex(), 0);

  FlightPlan five;
  fillFive(five);
  five.setActiveIndex(3);
  ASSERT_TRUE(five.directToNew(fix("OFF", 2, 2), {1, 1}));
  ASSERT_EQ(five.count(), 7);
  EXPECT_EQ(five.leg(3).toPoint.ident, "(PPOS)");
  EXPECT_EQ(five.leg(4).toPoint.ident, "OFF");
  EXPECT_EQ(five.leg(4).via, "(DIRECT)");
  EXPECT_EQ(five.leg(5).toPoint.ident, "WP4");
  EXPECT_EQ(five.activeIndex(), 3);
}

TEST(FlightPlanCapacity, TheHundredAndFirstInsertionAndDirectToIntoAFullPlanAreRefused) {
  FlightPlan plan;
  for (int i = 0; i < FlightPlan::kMaxLegs; ++i) ASSERT_TRUE(plan.insert(i, fix("F" + std::to_string(i), 0, i * 0.1)));
  EXPECT_TRUE(plan.isFull());
  EXPECT_FALSE(plan.insert(50, fix("X", 0, 0)));
  EXPECT_EQ(plan.count(), 100);

  // The "(PPOS)" point does not fit, so the target stays an ordinary leg.
  plan.setActiveIndex(10);
  EXPECT_FALSE(plan.directTo(40, {1, 1}));
  EXPECT_EQ(plan.count(), 100);
  EXPECT_EQ(plan.leg(40).legKind, LegKind::Normal);
  EXPECT_EQ(plan.leg(40).via, "");
  EXPECT_EQ(plan.activeIndex(), 10);

  ASSERT_TRUE(plan.remove(99));
  EXPECT_FALSE(plan.directToNew(fix("NEW", 1, 1), {1, 1}));  // needs two free legs
  EXPECT_EQ(plan.count(), 99);
  EXPECT_TRUE(plan.directTo(40, {1, 1}));
  EXPECT_EQ(plan.count(), 100);
}

Airway testAirway() {
  Airway a;
  a.name.assign("V23");
  for (int i = 0; i < 5; ++i) {
    AirwayPoint& p = a.points.emplace_back();
    p.ident.assign("AW" + std::to_string(i));
    p.latitude = 45.0 + i;
    p.longitude = -122.0;
  }
  return a;
}

TEST(FlightPlanAirways, PointsBetweenEntryAndExitGoInInOrderOfFlight) {
  FlightPlan plan;
  plan.insert(0, fix("START", 44, -122));
  plan.insert(1, fix("END", 50, -122));
  const Airway airway = testAirway();
  int at = 1;
  ASSERT_TRUE(plan.insertAirway(at, airway, 0, 3));
  EXPECT_EQ(at, 4);
  ASSERT_EQ(plan.count(), 5);
  EXPECT_EQ(plan.leg(1).toPoint.ident, "AW1");
  EXPECT_EQ(plan.leg(3).toPoint.ident, "AW3");
  EXPECT_EQ(plan.leg(3).via, "V23");
  EXPECT_EQ(plan.leg(3).toPoint.facilityType, 32);
  EXPECT_EQ(plan.leg(4).toPoint.ident, "END");

  FlightPlan back;
  int b = 0;
  ASSERT_TRUE(back.insertAirway(b, airway, 4, 1));
  ASSERT_EQ(back.count(), 3);
  EXPECT_EQ(back.leg(0).toPoint.ident, "AW3");
  EXPECT_EQ(back.leg(2).toPoint.ident, "AW1");
  EXPECT_FALSE(back.insertAirway(b, airway, 2, 2));
  EXPECT_FALSE(back.insertAirway(b, airway, 0, 5));
}

TEST(FlightPlanAirways, AnAirwayThatDoesNotFitIsNotInsertedAtAll) {
  FlightPlan plan;
  for (int i = 0; i < 98; ++i) plan.insert(i, fix("F", 0, i * 0.1));
  int at = 5;
  EXPECT_FALSE(plan.insertAirway(at, testAirway(), 0, 3));
  EXPECT_EQ(plan.count(), 98);
  EXPECT_EQ(at, 5);
}

TEST(FlightPlanOverfly, OnlyEnRouteWaypointsThatAreNotAirportsToggle) {
  FlightPlan plan;
  plan.insert(0, airport("KSEA", 47.45, -122.31));
  plan.insert(1, fix("OLM", 46.97, -122.90));
  plan.insert(2, fix("PAE", 47.9, -122.3));
  EXPECT_FALSE(plan.toggleOverfly(0));
  ASSERT_TRUE(plan.toggleOverfly(1));
  EXPECT_TRUE(plan.leg(1).toPoint.overfly);
  EXPECT_TRUE(plan.leg(2).fromPoint.overfly);
  ASSERT_TRUE(plan.toggleOverfly(1));
  EXPECT_FALSE(plan.leg(1).toPoint.overfly);
  EXPECT_FALSE(plan.toggleOverfly(3));
}

}  // namespace
}  // namespace xaq::fms
