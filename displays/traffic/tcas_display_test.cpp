// The traffic picture through the recording canvas: labels, symbols and colours per threat
// level, where a target lands, when the screen positions are worked out and what is left behind.

#include "displays/traffic/tcas_display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "displays/traffic/testing_traffic_list.h"
#include "platform/testing/recording_canvas.h"

namespace xaq::displays {
namespace {

using platform::testing::RecordingCanvas;
using Shape = RecordingCanvas::Shape;
using testing::ListedTarget;
using testing::trafficList;

constexpr double kLat = 45.0, kLon = -122.0, kAlt = 5000.0;
constexpr int kSize = 116;  // the TCAS screen
constexpr Colour kRed = 0x0000FF, kAmber = 0x00C0FF, kCyan = 0xFFFF00;

ListedTarget northOf(double nm, double aboveFt, std::uint16_t closureKt = 0, std::int16_t vsFpm = 0) {
  return {5, static_cast<float>(kLat + nm / 60.0), static_cast<float>(kLon), static_cast<float>(kAlt + aboveFt), 180,
          closureKt, vsFpm, "TGT"};
}

struct Bed {
  RecordingCanvas canvas;
  std::uint32_t flags = kImageOnScreenBit;
  int token = 0;
  GlassElement element{{&token, kSize, kSize, kSize * 4, 32, nullptr}, &flags};
  TrafficData traffic;
  TcasDisplay display{&canvas, traffic};
  double nowS = 0;
  bool powered = true;

  Bed() { display.setElement(&element); }
  void list(const std::vector<ListedTarget>& targets, bool linkUp = true) {
    const auto bytes = trafficList(targets);
    nowS += 1.0;
    traffic.update({nowS, 1.0, false, 1.0},
                   {powered, {kLat, kLon, kAlt, 0.0, 0.0}, {true, linkUp ? bytes.data() : nullptr, linkUp ? bytes.size() : 0}});
  }
  void frame() { display.frame(); }

  // Symbols: anything filled or outlined larger than a ring dot.
  std::vector<Shape> symbols() const {
    std::vector<Shape> out;
    for (const Shape& s : canvas.shapes) {
      if (s.type == Shape::Type::kPolygon) out.push_back(s);
      if ((s.type == Shape::Type::kRectangle || s.type == Shape::Type::kEllipse) && s.points[1].x - s.points[0].x > 2 &&
          s.points[1].x - s.points[0].x < kSize)
        out.push_back(s);
    }
    return out;
  }
  int count(Shape::Type type) const {
    return static_cast<int>(std::count_if(canvas.shapes.begin(), canvas.shapes.end(),
                                          [type](const Shape& s) { return s.type == type; }));
  }
};

TEST(TcasLabel, ShowsHundredsOfFeetSignedInTwoDigitsFrom100FeetAway) {
  char out[8];
  const std::pair<double, const char*> cases[] = {
      {150, "+01"}, {50, ""}, {-150, "-01"}, {-50, ""}, {99.9, ""}, {100, "+01"}, {-100, "-01"},
      {-99.9, ""}, {1299, "+12"}, {-2650, "-26"}, {1e9, "+999"}};
  for (const auto& [feet, text] : cases) {
    relativeAltitudeLabel(feet, out);
    EXPECT_STREQ(out, text) << feet;
  }
}

TEST(TcasDisplay, DrawsTheLabelAboveTrafficAboveAndBelowTrafficBelowButNoneAt50Feet) {
  Bed bed;
  bed.list({northOf(3, 150)});
  bed.frame();
  ASSERT_EQ(bed.canvas.texts.size(), 1u);
  EXPECT_EQ(bed.canvas.texts[0].text, "+01");
  EXPECT_EQ(bed.canvas.texts[0].base, platform::TextBase::kBottom);
  EXPECT_EQ(bed.canvas.texts[0].fontHeight, 12);  // round(0.1 × 116)
  bed.list({northOf(3, -150)});
  bed.frame();
  ASSERT_EQ(bed.canvas.texts.size(), 1u);
  EXPECT_EQ(bed.canvas.texts[0].text, "-01");
  EXPECT_EQ(bed.canvas.texts[0].base, platform::TextBase::kTop);
  bed.list({northOf(3, 50)});
  bed.frame();
  EXPECT_TRUE(bed.canvas.texts.empty());
  EXPECT_EQ(bed.symbols().size(), 1u) << "the symbol is still there";
}

TEST(TcasDisplay, ATargetSevenMilesAheadSitsOnTheTopEdge) {
  Bed bed;
  bed.list({northOf(7, 0)});
  bed.frame();
  const auto symbols = bed.symbols();
  ASSERT_EQ(symbols.size(), 1u);
  ASSERT_EQ(symbols[0].points.size(), 4u);  // the outline diamond of other traffic
  EXPECT_EQ(symbols[0].points[1].y, 0) << "its centre row is the top row";
  EXPECT_EQ(symbols[0].points[0].x, kSize / 2);
  EXPECT_EQ(bed.traffic.screen()[0].onScreen, 1);
}

TEST(TcasDisplay, EachThreatLevelHasItsSymbolAndColour) {
  struct Case {
    ListedTarget target;
    Shape::Type type;
    bool filled;
    Colour colour;
  };
  const Case cases[] = {
      {northOf(1, 300, 200), Shape::Type::kRectangle, true, kRed},     // tau 18 s
      {northOf(2, 300, 200), Shape::Type::kEllipse, true, kAmber},     // tau 36 s
      {northOf(4, 300, 0), Shape::Type::kPolygon, true, kCyan},        // proximate
      {northOf(8, 300, 0), Shape::Type::kPolygon, false, kCyan},       // other traffic
  };
  for (const Case& c : cases) {
    Bed bed;
    bed.list({c.target});
    bed.frame();
    const auto symbols = bed.symbols();
    ASSERT_EQ(symbols.size(), 1u);
    EXPECT_EQ(symbols[0].type, c.type);
    EXPECT_EQ(symbols[0].brush, c.filled);
    if (c.filled) {
      EXPECT_EQ(symbols[0].brushColour, c.colour);
    }
    EXPECT_EQ(symbols[0].penColour, c.colour);
    ASSERT_EQ(bed.canvas.texts.size(), 1u);
    EXPECT_EQ(bed.canvas.texts[0].colour, c.colour);
    EXPECT_EQ(bed.canvas.texts[0].text, "+03");
  }
}

TEST(TcasDisplay, ALevelAboveThreeDrawsNoSymbolButItsLabelAndArrow) {
  Bed bed;
  bed.list({northOf(3, -400, 0, -800)});
  bed.traffic.screenRecord(0).threatLevel = 4;
  bed.frame();
  EXPECT_TRUE(bed.symbols().empty());
  ASSERT_EQ(bed.canvas.texts.size(), 1u);
  EXPECT_EQ(bed.canvas.texts[0].text, "-04");
  EXPECT_EQ(bed.count(Shape::Type::kLine), 3 + 3) << "own symbol and the arrow's shaft and head";
}

TEST(TcasDisplay, TrendArrowsNeedMoreThan100FeetPerMinute) {
  const std::pair<std::int16_t, int> cases[] = {{101, 3}, {100, 0}, {-100, 0}, {-101, 3}};
  for (const auto& [vs, arrowLines] : cases) {
    Bed bed;
    bed.list({northOf(3, 0, 0, vs)});
    bed.frame();
    EXPECT_EQ(bed.count(Shape::Type::kLine), 3 + arrowLines) << vs;
  }
  // Up arrow: its head is at the top of the shaft.
  Bed bed;
  bed.list({northOf(3, 0, 0, 1500)});
  bed.frame();
  const Shape& shaft = bed.canvas.shapes[bed.canvas.shapes.size() - 3];
  EXPECT_LT(shaft.points[1].y, shaft.points[0].y);
}

TEST(TcasDisplay, WithoutUsableTrafficOnlyTheOwnAircraftAndTheRingAreDrawn) {
  const auto onlyOwnAndRing = [](Bed& bed, const char* why) {
    bed.frame();
    EXPECT_TRUE(bed.symbols().empty()) << why;
    EXPECT_TRUE(bed.canvas.texts.empty()) << why;
    EXPECT_EQ(bed.count(Shape::Type::kLine), 3) << why;
    EXPECT_EQ(bed.count(Shape::Type::kEllipse), 12) << why;
    EXPECT_FALSE(bed.canvas.clipSelected) << why;
  };
  Bed none;
  none.list({});
  onlyOwnAndRing(none, "count 0");
  Bed invalid;
  invalid.list({northOf(3, 0)}, false);
  onlyOwnAndRing(invalid, "invalid table");
  Bed disabled;
  disabled.powered = false;
  disabled.list({northOf(3, 0)});
  onlyOwnAndRing(disabled, "display disabled");
}

TEST(TcasDisplay, TheRingDotsSitAFifthOfTheWidthFromTheOwnAircraft) {
  Bed bed;
  bed.list({});
  bed.frame();
  int dots = 0;
  for (const Shape& s : bed.canvas.shapes) {
    if (s.type != Shape::Type::kEllipse) continue;
    const double dx = (s.points[0].x + s.points[1].x) / 2.0 - 58, dy = (s.points[0].y + s.points[1].y) / 2.0 - 81;
    EXPECT_NEAR(std::hypot(dx, dy), 0.2 * kSize, 1.0);
    EXPECT_EQ(s.points[1].x - s.points[0].x, 2);
    ++dots;
  }
  EXPECT_EQ(dots, 12);
}

TEST(TcasDisplay, ScreenPositionsAreWorkedOutOnlyWhenANewListArrives) {
  Bed bed;
  bed.list({northOf(3, 0)});
  bed.frame();
  const double y = bed.traffic.screen()[0].y;
  EXPECT_NEAR(y, 3 * 81 / 7.0, 0.05);
  EXPECT_FALSE(bed.traffic.newTrafficData()) << "the display clears the flag";
  bed.traffic.screenRecord(0).y = 10.0;  // stands for a position the display keeps between lists
  bed.frame();
  EXPECT_EQ(bed.traffic.screen()[0].y, 10.0);
  bed.list({northOf(3, 0)});
  bed.frame();
  EXPECT_NEAR(bed.traffic.screen()[0].y, y, 1e-9);
}

TEST(TcasDisplay, EveryObjectIsReleasedAndAnUnpoweredDisplayIsDarkFromItsFirstFrame) {
  Bed bed;
  bed.list({northOf(1, 300, 200, 500), northOf(2, -300, 200), northOf(4, 0), northOf(8, 900)});
  bed.frame();
  EXPECT_TRUE(bed.canvas.live.empty());
  EXPECT_EQ(bed.canvas.badDeletes, 0);
  EXPECT_EQ(bed.canvas.badSelects, 0);
  EXPECT_FALSE(bed.canvas.clipSelected) << "the clip is taken off";
  EXPECT_EQ(bed.flags, 0u) << "a frame that drew clears the on-screen bit";
  EXPECT_EQ(bed.canvas.shapes[1].penColour, 0xFFFFFFu) << "powered: the own symbol is white";

  bed.powered = false;
  bed.list({northOf(1, 300, 200)});
  bed.frame();
  EXPECT_EQ(bed.canvas.shapes[1].penColour, 0u) << "the own symbol is dark at once";
  for (const auto& t : bed.canvas.texts) EXPECT_EQ(t.colour, 0u) << t.text;
  EXPECT_TRUE(bed.canvas.live.empty());
}

}  // namespace
}  // namespace xaq::displays
