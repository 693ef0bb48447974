// The glass toolkit through the recording canvas: the palette, the frame's steps and the
// objects made during a frame.

#include "displays/glass/glass_display.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/testing/recording_canvas.h"

namespace xaq::displays {
namespace {

using platform::testing::RecordingCanvas;

class Scribble final : public GlassDisplay {
 public:
  using GlassDisplay::GlassDisplay;
  int pens = 0, brushes = 0, fonts = 0;
  bool draws = true;
  int drawn = 0;
  double seenWidth = 0, seenCentreY = 0;

 protected:
  void draw() override {
    ++drawn;
    seenWidth = width;
    seenCentreY = centreY;
    for (int i = 0; i < pens; ++i) canvas().select(makePen(colour(kGreen), 0.5, 2));
    for (int i = 0; i < brushes; ++i) canvas().select(makeBrush(colour(kAmber), 1.0));
    for (int i = 0; i < fonts; ++i) canvas().select(makeFont(12, 400, "Glass Gauge"));
    if (draws) {
      canvas().rectangle(0, 0, 10, 10);
      changed = true;
    }
  }
};

struct Bed {
  RecordingCanvas canvas;
  std::uint32_t flags = kImageOnScreenBit | 0x20u;
  int token = 0;
  GlassElement element{{&token, 200, 120, 800, 32, nullptr}, &flags};
  Scribble display{&canvas};
  Bed() { display.setElement(&element); }
};

TEST(GlassPalette, FollowsTheBrightnessInTheDimmedHalf) {
  const auto half = glassPalette(0.5);
  EXPECT_EQ(half[13], rgb(127, 96, 0));
  EXPECT_EQ(half[15], rgb(112, 84, 54));
  EXPECT_EQ(half[8], rgb(127, 127, 127));
  EXPECT_EQ(half[5], 0x00C0FFu) << "the full colours do not dim";
  for (int i = 8; i < 16; ++i) EXPECT_EQ(glassPalette(0.0)[static_cast<std::size_t>(i)], 0u) << i;
  EXPECT_EQ(glassPalette(1.0)[15], rgb(225, 169, 109));
  EXPECT_EQ(scaledColour(0x00FF8040, 0.5), rgb(32, 64, 127));
}

TEST(GlassFrame, ReleasesEveryObjectItMadeAndClearsTheOnScreenBitAfterDrawing) {
  Bed bed;
  bed.display.pens = 3;
  bed.display.brushes = 2;
  bed.display.fonts = 4;
  bed.display.frame();
  EXPECT_EQ(bed.canvas.created, 9u);
  EXPECT_TRUE(bed.canvas.live.empty()) << "every pen, brush and font deleted at the end of the frame";
  EXPECT_EQ(bed.canvas.badDeletes, 0);
  EXPECT_EQ(bed.display.penCount() + bed.display.brushCount() + bed.display.fontCount(), 0);
  EXPECT_EQ(bed.flags, 0x20u);
  EXPECT_EQ(bed.display.seenWidth, 200.0);
  EXPECT_EQ(bed.display.seenCentreY, 60.0);
  EXPECT_EQ(bed.canvas.framesOpened, bed.canvas.framesClosed);
}

TEST(GlassFrame, AFrameThatDrawsNothingLeavesTheFlagsAlone) {
  Bed bed;
  bed.display.draws = false;
  bed.display.frame();
  EXPECT_EQ(bed.flags, kImageOnScreenBit | 0x20u);
  EXPECT_EQ(bed.display.penCount(), 0);
}

TEST(GlassFrame, IsSkippedWithoutElementDeviceContextOrCanvas) {
  Bed bed;
  bed.element.surface.deviceContext = nullptr;
  bed.display.frame();
  bed.display.setElement(nullptr);
  bed.display.frame();
  bed.element.surface.deviceContext = &bed.token;
  bed.display.setElement(&bed.element);
  bed.canvas.refuse = true;
  bed.display.frame();
  EXPECT_EQ(bed.display.drawn, 0);
  EXPECT_EQ(bed.flags, kImageOnScreenBit | 0x20u);
  Scribble orphan{nullptr};
  orphan.setElement(&bed.element);
  orphan.frame();
  EXPECT_EQ(orphan.drawn, 0);
}

TEST(GlassFrame, MoreObjectsThanTheListsHoldFallBackToStockObjectsAndLeakNothing) {
  Bed bed;
  bed.display.pens = GlassDisplay::kMaxObjects + 40;
  bed.display.fonts = GlassDisplay::kMaxObjects + 1;
  bed.display.frame();
  EXPECT_EQ(bed.canvas.created, static_cast<std::size_t>(2 * GlassDisplay::kMaxObjects));
  EXPECT_TRUE(bed.canvas.live.empty());
  EXPECT_EQ(bed.canvas.badSelects, 0);
}

TEST(GlassPixels, RoundHalfAwayFromZero) {
  EXPECT_EQ(toPixel(2.5), 3);
  EXPECT_EQ(toPixel(-2.5), -3);
  EXPECT_EQ(toPixel(2.49), 2);
  EXPECT_EQ(toPixel(std::nan("")), 0);
  EXPECT_EQ(toPixel(1e300), 1000000000);
}

}  // namespace
}  // namespace xaq::displays
