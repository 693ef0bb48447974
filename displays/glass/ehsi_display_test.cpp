// The heading display through the recording canvas: what it draws for a given aircraft, and that
// every frame leaves no object behind.

#include "displays/glass/ehsi_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "platform/testing/recording_canvas.h"

namespace xaq::displays {
namespace {

using platform::Point;
using platform::testing::RecordingCanvas;
using Shape = RecordingCanvas::Shape;

constexpr int kWidth = 258, kHeight = 190;
constexpr double kRad = std::numbers::pi / 180.0;

struct Bed {
  RecordingCanvas canvas;
  std::uint32_t flags = kImageOnScreenBit;
  int token = 0;
  GlassElement element{{&token, kWidth, kHeight, kWidth * 4, 32, nullptr}, &flags};
  EhsiDisplay display{&canvas};
  EhsiInputs in;

  Bed() {
    in.powered = true;
    in.brightness = 1.0;
    in.headingDeg = 0.0;
    in.dmeNm = -1.0;
  }
  void draw() { display.drawFrame(&element, in); }
  void arc() { in.arcMode = true; }
  void map() { in.arcMode = in.mapOn = true; }

  const RecordingCanvas::Text* find(const std::string& s) const {
    for (const auto& t : canvas.texts) {
      if (t.text == s) return &t;
    }
    return nullptr;
  }
  bool has(const std::string& s) const { return find(s) != nullptr; }
  int count(Shape::Type type, Colour pen) const {
    int n = 0;
    for (const auto& s : canvas.shapes) n += s.type == type && s.pen && s.penColour == pen ? 1 : 0;
    return n;
  }
  // The card's centre and radius as the display lays them out.
  double cardY() const { return in.arcMode ? std::round(0.62 * kHeight * 1.36) : kHeight / 2.0; }
  double cardR() const { return std::round((in.arcMode ? 0.5 : 0.31) * kHeight * 1.36); }
  Point onCard(double angleDeg, double radius) const {
    return {static_cast<std::int32_t>(std::round(kWidth / 2.0 + radius * std::sin(angleDeg * kRad))),
            static_cast<std::int32_t>(std::round(cardY() - radius * std::cos(angleDeg * kRad)))};
  }
  bool lineEndsAt(Point p, Colour pen) const {
    for (const auto& s : canvas.shapes) {
      if (s.type == Shape::Type::kLine && s.penColour == pen && s.points[1].x == p.x && s.points[1].y == p.y) return true;
    }
    return false;
  }
};

constexpr Colour kWhite = 0xFFFFFF, kCyan = 0xFFFF00, kAmber = 0x00C0FF, kMagenta = 0xFF00FF;

TEST(EhsiRangeRing, IsLabelledWithHalfTheMapRangeOnlyOnTheArc) {
  const struct {
    double range;
    const char* label;
  } steps[] = {{300, "150"}, {200, "100"}, {100, "50"}, {50, "25"}, {25, "12.5"}, {20, "10"}, {10, "5"}, {5, "2.5"}};
  for (const auto& step : steps) {
    Bed bed;
    bed.arc();
    bed.in.mapRangeNm = step.range;
    bed.draw();
    EXPECT_TRUE(bed.has(step.label)) << step.range;
  }
  Bed rose;
  rose.in.mapRangeNm = 300;
  rose.draw();
  EXPECT_FALSE(rose.has("150")) << "the full rose has no range ring";
}

TEST(EhsiMap, PlacesWaypointsByBearingAndDistanceAndKeepsFarOnesOnTheEdge) {
  Bed bed;
  bed.map();
  bed.in.mapRangeNm = 300;
  bed.in.headingDeg = 90;
  bed.in.activeWaypointIndex = 4;
  bed.in.mapSlots = {EhsiMapSlot{4, 90.0, 150.0}, EhsiMapSlot{5, 90.0, 700.0}, EhsiMapSlot{-1, 0.0, 10.0}};
  bed.draw();
  // The route line runs from the aircraft to the active waypoint, half the range ahead, and on
  // to the far one, which stands on the card's edge.
  EXPECT_TRUE(bed.lineEndsAt(bed.onCard(0, bed.cardR() / 2), kWhite));
  EXPECT_TRUE(bed.lineEndsAt(bed.onCard(0, bed.cardR()), kWhite));
  EXPECT_TRUE(bed.has("05"));
  EXPECT_TRUE(bed.has("06"));
  EXPECT_EQ(bed.count(Shape::Type::kLine, kWhite) > 0, true);
  EXPECT_EQ(bed.count(Shape::Type::kPolygon, kMagenta), 2) << "the active waypoint's diamond and the heading bug";

  // Twice the range is still drawn by its distance; just beyond it goes to the edge.
  Bed boundary;
  boundary.map();
  boundary.in.mapRangeNm = 10;
  boundary.in.mapSlots = {EhsiMapSlot{0, 0.0, 20.0}, EhsiMapSlot{1, 0.0, 20.01}, EhsiMapSlot{}};
  boundary.draw();
  EXPECT_TRUE(boundary.lineEndsAt(boundary.onCard(0, 2 * boundary.cardR()), kWhite));
  EXPECT_TRUE(boundary.lineEndsAt(boundary.onCard(0, boundary.cardR()), kWhite));
}

TEST(EhsiMap, ShowsTheTunedVorWhereTheProjectionPutsIt) {
  Bed bed;
  bed.map();
  bed.in.mapRangeNm = 50;
  bed.in.nav1Valid = true;
  bed.in.aircraft = {45.0, -122.0};
  bed.in.vor1 = {true, {45.25, -122.0}};  // 15 NM north, dead ahead on a northerly heading
  bed.draw();
  ASSERT_EQ(bed.count(Shape::Type::kPolygon, kCyan), 1);
  bed.in.nav1Valid = false;
  bed.draw();
  EXPECT_EQ(bed.count(Shape::Type::kPolygon, kCyan), 0) << "no station without a signal";
}

TEST(EhsiCard, OnTheArcDrawsOnlyTheTicksWithin45DegreesOfTheHeading) {
  Bed bed;
  bed.arc();
  bed.in.headingDeg = 45;
  bed.draw();
  const double r = bed.cardR();
  for (int tick = 0; tick <= 90; tick += 5) {
    EXPECT_TRUE(bed.lineEndsAt(bed.onCard(tick - 45.0, r), kWhite)) << tick;
  }
  EXPECT_FALSE(bed.lineEndsAt(bed.onCard(50.0, r), kWhite)) << "095";
  EXPECT_FALSE(bed.lineEndsAt(bed.onCard(-50.0, r), kWhite)) << "355";

  Bed rose;
  rose.in.headingDeg = 45;
  rose.draw();
  EXPECT_TRUE(rose.lineEndsAt(rose.onCard(50.0, rose.cardR()), kWhite)) << "the rose has all 72 ticks";
}

TEST(EhsiCard, LabelsTurnWithTheCard) {
  Bed bed;
  bed.in.headingDeg = 30;
  bed.draw();
  for (const char* label : {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"}) {
    EXPECT_TRUE(bed.has(label)) << label;
  }
  // "E" stands 60 degrees clockwise of the lubber line: its text turns 60 degrees clockwise,
  // which is 300 degrees the other way round.
  ASSERT_NE(bed.find("E"), nullptr);
  EXPECT_EQ(bed.find("E")->face, "Arial");
  EXPECT_EQ(bed.find("E")->escapementTenths, 3000);
  EXPECT_EQ(bed.find("3")->escapementTenths, 0) << "the label at the lubber line stands upright";
}

TEST(EhsiBearingPointers, ShowOnlyForAValidSourceAndNeverOnTheMap) {
  Bed vor;
  vor.in.nav1Valid = true;
  vor.in.nav1BearingDeg = 120;
  vor.draw();
  EXPECT_GT(vor.count(Shape::Type::kLine, kCyan), 0);
  vor.in.nav1Valid = false;
  vor.draw();
  EXPECT_EQ(vor.count(Shape::Type::kLine, kCyan), 0) << "no pointer without the receiver";
  vor.in.nav1Valid = true;
  vor.map();
  vor.draw();
  EXPECT_EQ(vor.count(Shape::Type::kLine, kCyan), 0) << "no pointer on the map";

  Bed adf;
  adf.in.bearingSource1 = kBearingAdf;
  adf.in.adfSignal = 2.0;
  adf.draw();
  EXPECT_EQ(adf.count(Shape::Type::kLine, kCyan), 0) << "signal 2.0 is not above the limit";
  adf.in.adfSignal = 2.01;
  adf.draw();
  EXPECT_GT(adf.count(Shape::Type::kLine, kCyan), 0);

  Bed fms;
  fms.in.bearingSource1 = kBearingFms;
  fms.in.nav1Valid = true;
  fms.draw();
  EXPECT_EQ(fms.count(Shape::Type::kLine, kCyan), 0) << "an FMS source has only its legend";
  EXPECT_TRUE(fms.has("FMS1"));
}

TEST(EhsiFields, TimeToGoFallsBackToAmberDashesAnd999) {
  Bed bed;
  bed.in.timeToGo = true;
  bed.in.groundSpeedKt = 120;
  bed.draw();
  ASSERT_NE(bed.find("--"), nullptr);
  EXPECT_EQ(bed.find("--")->colour, kAmber);
  EXPECT_FALSE(bed.has("0.0 NM")) << "a negative DME shows no distance";

  bed.in.dmeNm = 30.0;
  bed.draw();
  EXPECT_TRUE(bed.has("15 MIN"));
  EXPECT_TRUE(bed.has("30.0 NM"));
  bed.in.groundSpeedKt = 0.99;
  bed.draw();
  EXPECT_TRUE(bed.has("999 MIN"));

  bed.in.fmsSource = true;
  bed.in.fmsValid = true;
  bed.in.fmsDistanceNm = 0.0001;
  bed.draw();
  EXPECT_TRUE(bed.has("--")) << "the FMS distance must exceed 0.0001 NM";

  bed.in.timeToGo = false;
  bed.in.groundSpeedKt = 212.5;
  bed.draw();
  EXPECT_TRUE(bed.has("GSPD"));
  EXPECT_TRUE(bed.has("213 KTS"));
}

TEST(EhsiFields, NameTheFlightManagementOrTheNavReceiverAsTheSource) {
  Bed nav;
  nav.in.selectedCourseDeg = 99.6;
  nav.in.headingBugDeg = 359.7;
  nav.draw();
  EXPECT_TRUE(nav.has("CRS"));
  EXPECT_TRUE(nav.has("100"));
  EXPECT_TRUE(nav.has("000")) << "the bug's readout folds 360 onto 0";
  ASSERT_NE(nav.find("NAV1"), nullptr);
  EXPECT_EQ(nav.find("NAV1")->colour, kWhite);
  EXPECT_FALSE(nav.has("DTRK"));

  Bed fms;
  fms.in.fmsSource = true;
  fms.in.fmsValid = true;
  fms.in.fmsDesiredTrackDeg = 254.2;
  fms.in.fmsDistanceNm = 12.34;
  fms.in.dmeNm = 40.0;
  fms.draw();
  EXPECT_TRUE(fms.has("DTRK"));
  EXPECT_TRUE(fms.has("254"));
  EXPECT_TRUE(fms.has("12.3 NM")) << "the FMS distance, not the DME";
  ASSERT_NE(fms.find("FMS1"), nullptr);
  EXPECT_EQ(fms.find("FMS1")->colour, kCyan);
  fms.in.fmsValid = false;
  fms.draw();
  EXPECT_TRUE(fms.has("---"));
  EXPECT_FALSE(fms.has("12.3 NM"));
}

TEST(EhsiCoursePointer, ShowsTheToFromArrowAheadOrBehindAndGoesAwayOnTheMap) {
  constexpr Colour kGreen = 0x00FF00;
  Bed bed;
  bed.in.selectedCourseDeg = 0;
  bed.in.toFrom = kToFromNone;
  bed.draw();
  EXPECT_EQ(bed.count(Shape::Type::kPolygon, kGreen), 1) << "the arrow head only";
  const double r = bed.cardR();
  const auto tipAt = [&](const Bed& b, double along) {
    const Point p = b.onCard(0, along);
    for (const auto& s : b.canvas.shapes) {
      if (s.type == Shape::Type::kPolygon && s.penColour == kGreen && s.points[0].x == p.x && s.points[0].y == p.y) return true;
    }
    return false;
  };
  bed.in.toFrom = kToFromTo;
  bed.draw();
  EXPECT_TRUE(tipAt(bed, 0.32 * r));
  bed.in.toFrom = kToFromFrom;
  bed.draw();
  EXPECT_TRUE(tipAt(bed, -0.32 * r));
  bed.map();
  bed.draw();
  EXPECT_EQ(bed.count(Shape::Type::kPolygon, kGreen), 0);
}

TEST(EhsiFrame, LeavesNoObjectBehindInAnyModeAndStaysDarkUnpowered) {
  for (int mode = 0; mode < 4; ++mode) {
    Bed bed;
    bed.in.arcMode = mode >= 1;
    bed.in.mapOn = mode == 2;
    bed.in.powered = mode != 3;
    bed.in.nav1Valid = bed.in.nav2Valid = true;
    bed.in.glideslopeValid = true;
    bed.in.mapSlots = {EhsiMapSlot{0, 10, 5}, EhsiMapSlot{1, 20, 50}, EhsiMapSlot{2, 30, 500}};
    bed.in.vor1 = bed.in.vor2 = {true, {0.1, 0.1}};
    bed.draw();
    bed.draw();
    EXPECT_TRUE(bed.canvas.live.empty()) << mode;
    EXPECT_EQ(bed.canvas.badDeletes, 0) << mode;
    EXPECT_EQ(bed.canvas.badSelects, 0) << mode;
    EXPECT_FALSE(bed.canvas.clipSelected) << mode;
    EXPECT_EQ(bed.flags & kImageOnScreenBit, 0u) << mode;
    if (mode == 3) {
      EXPECT_TRUE(bed.canvas.texts.empty());
      EXPECT_EQ(bed.canvas.shapes.size(), 1u) << "only the black clear";
    }
  }
}

TEST(EhsiGlideslope, PointerFollowsTheDeviationOnlyWhileValid) {
  constexpr Colour kGreen = 0x00FF00;
  Bed bed;
  bed.in.glideslopeDeviation = 200;  // beyond full scale
  bed.draw();
  EXPECT_FALSE(bed.has("G"));
  bed.in.glideslopeValid = true;
  bed.draw();
  ASSERT_TRUE(bed.has("G"));
  const std::int32_t full = static_cast<std::int32_t>(std::round(0.16 * kHeight * 1.36));
  bool atFullScale = false;
  for (const auto& s : bed.canvas.shapes) {
    atFullScale |= s.type == Shape::Type::kPolygon && s.penColour == kGreen && s.points[0].y == kHeight / 2 + full;
  }
  EXPECT_TRUE(atFullScale) << "held at full scale, below the centre";
}

}  // namespace
}  // namespace xaq::displays
