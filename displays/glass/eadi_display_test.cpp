// The attitude director's screen through the recording canvas: what each rule draws and what it
// leaves out, and that a frame leaves no object behind.

#include "displays/glass/eadi_display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/testing/recording_canvas.h"

namespace xaq::displays {
namespace {

using platform::testing::RecordingCanvas;
using Shape = RecordingCanvas::Shape;

constexpr Colour kMagentaPen = 0xFF00FF;
constexpr Colour kAmberPen = 0x00C0FF;

struct Screen {
  RecordingCanvas canvas;
  std::uint32_t flags = kImageOnScreenBit;
  int token = 0;
  GlassElement element{{&token, 259, 200, 259 * 4, 32, nullptr}, &flags};
  EadiDisplay display{&canvas};
  EadiInputs in;

  Screen() {
    display.setElement(&element);
    in.powered = true;
    in.brightness = 1.0;
    in.radioAltitudeFt = 3000.0;
    in.modeTexts = {"VOR", "HDG", "GS", "ALT"};
  }
  void draw() {
    display.setInputs(in);
    display.frame();
  }
  int texts(const std::string& s) const {
    return static_cast<int>(std::count_if(canvas.texts.begin(), canvas.texts.end(),
                                          [&](const RecordingCanvas::Text& t) { return t.text == s; }));
  }
  const RecordingCanvas::Text* find(const std::string& s) const {
    for (const auto& t : canvas.texts) {
      if (t.text == s) return &t;
    }
    return nullptr;
  }
  int shapes(Shape::Type type, Colour pen) const {
    return static_cast<int>(std::count_if(canvas.shapes.begin(), canvas.shapes.end(), [&](const Shape& s) {
      return s.type == type && s.pen && s.penColour == pen;
    }));
  }
  // A level line centred on the screen's middle at height `y`.
  bool levelLineAt(int y) const {
    return std::any_of(canvas.shapes.begin(), canvas.shapes.end(), [&](const Shape& s) {
      return s.type == Shape::Type::kLine && s.points[0].y == y && s.points[1].y == y &&
             std::abs(s.points[0].x + s.points[1].x - 259) <= 1;
    });
  }
  // The screen row of the ladder's rung for `rungDeg` with the wings level.
  int rungY(double rungDeg) const {
    return toPixel(100.0 - 0.04 * 0.295 * 259.0 * (rungDeg - in.pitchUpDeg));
  }
};

TEST(EadiLadder, DrawsTheRungsWithinTwentyFiveDegreesOfThePitchOnly) {
  Screen s;
  s.draw();
  EXPECT_TRUE(s.levelLineAt(s.rungY(20)));
  EXPECT_TRUE(s.levelLineAt(s.rungY(-20)));
  EXPECT_FALSE(s.levelLineAt(s.rungY(25))) << "exactly at the limit";
  EXPECT_FALSE(s.levelLineAt(s.rungY(-25)));
  EXPECT_EQ(s.texts("20"), 4) << "both ends of the climb and the dive rung";
  EXPECT_EQ(s.texts("30"), 0);

  s.in.pitchUpDeg = 12.0;
  s.draw();
  EXPECT_TRUE(s.levelLineAt(s.rungY(35)));
  EXPECT_FALSE(s.levelLineAt(s.rungY(40)));
  EXPECT_FALSE(s.levelLineAt(s.rungY(-15)));
  EXPECT_EQ(s.texts("30"), 2);
  EXPECT_EQ(s.texts("10"), 4) << "the numbers show the rung, not its sign";
}

TEST(EadiHeights, ShowsTheRadioAltitudeBelow2500FeetRoundedByItsBand) {
  EXPECT_EQ(eadiRadioAltitudeReadout(2499.0), 2500);
  EXPECT_EQ(eadiRadioAltitudeReadout(200.0), 200);
  EXPECT_EQ(eadiRadioAltitudeReadout(197.4), 195);
  EXPECT_EQ(eadiRadioAltitudeReadout(197.5), 200);
  EXPECT_EQ(eadiRadioAltitudeReadout(204.9), 200) << "tens above 200 ft";
  EXPECT_EQ(eadiRadioAltitudeReadout(205.0), 210);

  Screen s;
  s.in.radioAltitudeFt = 2500.0;
  s.draw();
  EXPECT_EQ(s.texts("RA"), 0);
  s.in.radioAltitudeFt = 2499.0;
  s.draw();
  ASSERT_NE(s.find("2500"), nullptr);
  EXPECT_EQ(s.find("2500")->colour, 0xFFFF00u) << "cyan";
  EXPECT_EQ(s.texts("RA"), 1);
}

TEST(EadiHeights, DecisionHeightFieldAndAlertFollowTheirRules) {
  Screen s;
  s.in.decisionHeightFt = 0;
  s.in.radioAltitudeFt = 50.0;
  s.in.verticalSpeedFpm = -700.0;
  s.draw();
  EXPECT_EQ(s.texts(" DH"), 0) << "no DH field at all at DH 0";
  EXPECT_EQ(s.texts("DH"), 0);
  EXPECT_EQ(s.shapes(Shape::Type::kRectangle, kAmberPen), 0);

  s.in.decisionHeightFt = 200;
  s.in.radioAltitudeFt = 150.0;
  s.draw();
  EXPECT_EQ(s.texts(" DH"), 1);
  EXPECT_EQ(s.texts("200"), 1);
  EXPECT_EQ(s.shapes(Shape::Type::kRectangle, kAmberPen), 1);
  ASSERT_NE(s.find("DH"), nullptr) << "below the decision height";
  EXPECT_EQ(s.find("DH")->colour, 0x00C0FFu);

  s.in.radioAltitudeFt = 250.0;  // within 100 ft above it: the box alone
  s.draw();
  EXPECT_EQ(s.shapes(Shape::Type::kRectangle, kAmberPen), 1);
  EXPECT_EQ(s.texts("DH"), 0);
  s.in.radioAltitudeFt = 300.0;
  s.draw();
  EXPECT_EQ(s.shapes(Shape::Type::kRectangle, kAmberPen), 0);
  s.in.radioAltitudeFt = 150.0;
  s.in.verticalSpeedFpm = -50.0;  // not descending fast enough
  s.draw();
  EXPECT_EQ(s.shapes(Shape::Type::kRectangle, kAmberPen), 0);
}

TEST(EadiDirector, DrawsTheBarsOnlyWhileOnAndValidAndKeepsThemOnTheSphere) {
  Screen s;
  s.in.fdOn = true;
  s.in.fdValid = false;
  s.draw();
  EXPECT_EQ(s.shapes(Shape::Type::kLine, kMagentaPen), 0) << "on but invalid";
  s.in.fdOn = false;
  s.in.fdValid = true;
  s.draw();
  EXPECT_EQ(s.shapes(Shape::Type::kLine, kMagentaPen), 0) << "off";

  s.in.fdOn = true;
  s.in.fdBankCommandDeg = 5.0;  // 5 degrees right of the wings: the bar moves right
  s.in.fdPitchCommandDeg = 90.0;  // far above: held at the bar's half-length
  s.draw();
  ASSERT_EQ(s.shapes(Shape::Type::kLine, kMagentaPen), 2);
  const double r = 0.295 * 259.0;
  for (const Shape& l : s.canvas.shapes) {
    if (l.type != Shape::Type::kLine || l.penColour != kMagentaPen) continue;
    if (l.points[0].x == l.points[1].x) {
      EXPECT_EQ(l.points[0].x, toPixel(129.5 + 5 * 0.02 * r));
    } else {
      EXPECT_EQ(l.points[0].y, toPixel(100.0 - 0.45 * r));
    }
  }
}

TEST(EadiAnnunciations, ApEngAndTheModeBoxesOnlyWithTheirFlags) {
  Screen s;
  s.draw();
  EXPECT_EQ(s.texts("AP ENG"), 0);
  EXPECT_EQ(s.shapes(Shape::Type::kRectangle, 0x00FF00), 0);
  ASSERT_NE(s.find("HDG"), nullptr);
  EXPECT_EQ(s.find("HDG")->colour, 0x00FF00u) << "active modes green";
  EXPECT_EQ(s.find("VOR")->colour, 0xFFFFFFu) << "armed modes white";

  s.in.autopilotEngaged = true;
  s.in.lateralModeBox = true;
  s.draw();
  ASSERT_NE(s.find("AP ENG"), nullptr);
  EXPECT_EQ(s.find("AP ENG")->colour, 0x00FF00u);
  ASSERT_EQ(s.shapes(Shape::Type::kRectangle, 0x00FF00), 1);
  const auto box = std::find_if(s.canvas.shapes.begin(), s.canvas.shapes.end(), [](const Shape& sh) {
    return sh.type == Shape::Type::kRectangle && sh.penColour == 0x00FF00;
  });
  EXPECT_EQ(box->points[0].x, toPixel(0.25 * 259)) << "round mode text 2";

  s.in.lateralModeBox = false;
  s.in.verticalModeBox = true;
  s.draw();
  ASSERT_EQ(s.shapes(Shape::Type::kRectangle, 0x00FF00), 1);
  const auto second = std::find_if(s.canvas.shapes.begin(), s.canvas.shapes.end(), [](const Shape& sh) {
    return sh.type == Shape::Type::kRectangle && sh.penColour == 0x00FF00;
  });
  EXPECT_EQ(second->points[0].x, toPixel(0.75 * 259)) << "round mode text 4";
}

TEST(EadiLocalizer, FollowsTheNavigationSource) {
  EadiInputs in;
  in.localizerDeviation = 20;
  in.fmsCrossTrackNm = 0.1;
  EXPECT_FALSE(eadiLocalizerShown(in)) << "NAV without a localizer";
  in.navFlags = kNavLocalizerBit;
  EXPECT_TRUE(eadiLocalizerShown(in));
  EXPECT_EQ(eadiLocalizerDeviation(in), 20);
  in.navSource = 3;
  EXPECT_FALSE(eadiLocalizerShown(in)) << "FMS not valid";
  in.fmsValid = true;
  EXPECT_TRUE(eadiLocalizerShown(in));
  EXPECT_NEAR(eadiLocalizerDeviation(in), 12.8, 1e-12);
  in.navSource = 1;
  EXPECT_FALSE(eadiLocalizerShown(in));
}

TEST(EadiFrame, ReleasesEveryObjectItMadeAndStaysDarkWithoutPower) {
  Screen s;
  s.in.fdOn = s.in.fdValid = s.in.autopilotEngaged = true;
  s.in.decisionHeightFt = 200;
  s.in.radioAltitudeFt = 120;
  s.in.verticalSpeedFpm = -600;
  s.in.glideslopeValid = true;
  s.in.navFlags = kNavLocalizerBit;
  s.in.bankRightDeg = -30;
  s.draw();
  EXPECT_GT(s.canvas.created, 10u);
  EXPECT_TRUE(s.canvas.live.empty()) << s.canvas.live.size() << " objects left";
  EXPECT_EQ(s.canvas.badDeletes, 0);
  EXPECT_EQ(s.canvas.badSelects, 0);
  EXPECT_EQ(s.flags & kImageOnScreenBit, 0u);
  EXPECT_EQ(s.display.penCount() + s.display.brushCount() + s.display.fontCount(), 0);

  s.in.powered = false;
  s.canvas.created = 0;
  s.draw();
  EXPECT_EQ(s.canvas.created, 0u) << "only the black clear";
  ASSERT_EQ(s.canvas.shapes.size(), 1u);
  EXPECT_TRUE(s.canvas.texts.empty());
}

TEST(EadiBrightness, TheFirstFrameAtADimmedBrightnessDrawsItsTextsDimmedToo) {
  Screen s;
  s.in.brightness = 0.5;
  s.draw();
  const RecordingCanvas::Text* first = s.find("HDG");
  ASSERT_NE(first, nullptr);
  const Colour firstColour = first->colour;
  EXPECT_EQ(firstColour, scaledColour(glassPalette(1.0)[kGreen], 0.5)) << "the palette is made at this frame's brightness";
  s.canvas.texts.clear();
  s.draw();
  ASSERT_NE(s.find("HDG"), nullptr);
  EXPECT_EQ(s.find("HDG")->colour, firstColour) << "every frame at one brightness looks the same";
}

}  // namespace
}  // namespace xaq::displays
