// The portable canvas against GDI's geometry, pixel by pixel, and a test pattern of every drawing
// call compared with its reference image (tests/sil/golden/canvas/). To take a new reference, run
// the test with XAQ_BLESS_CANVAS=1 and look at the image before committing it.

#include "platform/portable/cairo_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "tests/sil/imgdiff/image_compare.h"

namespace xaq::platform {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kYellow = 0x00FFFF;
constexpr Colour kMagenta = 0xFF00FF;
constexpr Colour kCyan = 0xFFFF00;

// A 32-bit surface, black, and the canvas open on it for one frame.
class Board {
 public:
  Board(int width, int height) : pixels_(static_cast<std::size_t>(width * height), 0) {
    surface_.width = width;
    surface_.height = height;
    surface_.pitch = width * 4;
    surface_.bits = reinterpret_cast<std::uint8_t*>(pixels_.data());
    canvas = cairoCanvases().open(surface_);
  }
  ~Board() { close(); }
  Board(const Board&) = delete;
  Board& operator=(const Board&) = delete;

  void close() {
    if (canvas != nullptr) cairoCanvases().close(canvas);
    canvas = nullptr;
  }
  // The pixel as a COLORREF (the surface holds 0x00RRGGBB).
  Colour at(int x, int y) const {
    const std::uint32_t p = pixels_[static_cast<std::size_t>(y * surface_.width + x)] & 0xFFFFFF;
    return ((p & 0xFF) << 16) | (p & 0xFF00) | (p >> 16);
  }
  bool lit(int x, int y) const { return at(x, y) != 0; }
  // The bounding box of the non-black pixels inside [l, r) x [t, b).
  struct Box {
    int l = 1 << 20, t = 1 << 20, r = -1, b = -1;
  };
  Box inkIn(int l, int t, int r, int b) const {
    Box box;
    for (int y = t; y < b; ++y) {
      for (int x = l; x < r; ++x) {
        if (!lit(x, y)) continue;
        box = {std::min(box.l, x), std::min(box.t, y), std::max(box.r, x + 1), std::max(box.b, y + 1)};
      }
    }
    return box;
  }
  golden::Image image() const {
    golden::Image img;
    img.width = surface_.width;
    img.height = surface_.height;
    for (std::uint32_t p : pixels_) img.argb.push_back(0xFF000000u | (p & 0xFFFFFF));
    return img;
  }
  // Solid fill with no outline, as the displays' panels are drawn.
  void fillWith(Colour c) {
    canvas->select(canvas->stockObject(StockObject::kNullPen));
    brush_ = canvas->createBrush(c);
    canvas->select(brush_);
  }
  void penOf(Colour c, int width = 1) {
    pen_ = canvas->createPen(c, width);
    canvas->select(pen_);
    canvas->select(canvas->stockObject(StockObject::kNullBrush));
  }

  Canvas* canvas = nullptr;

 private:
  std::vector<std::uint32_t> pixels_;
  Surface surface_;
  CanvasObject brush_ = 0, pen_ = 0;
};

TEST(CairoCanvas, BoxesIncludeTheirLeftAndTopEdgeAndExcludeTheRightAndBottom) {
  Board board(40, 40);
  ASSERT_NE(board.canvas, nullptr);
  board.fillWith(kWhite);
  board.canvas->rectangle(0, 0, 10, 10);
  board.canvas->ellipse(20, 20, 30, 30);
  // An outlined rectangle: the pen runs on the box's inner edge.
  board.penOf(kRed);
  board.canvas->rectangle(12, 0, 18, 6);
  board.close();
  for (int i = 0; i < 10; ++i) {
    EXPECT_TRUE(board.lit(i, 0) && board.lit(0, i) && board.lit(9, i) && board.lit(i, 9)) << i;
    EXPECT_FALSE(board.lit(10, i) || board.lit(i, 10)) << i;
  }
  const Board::Box e = board.inkIn(19, 19, 31, 31);
  EXPECT_EQ(e.l, 20);
  EXPECT_EQ(e.t, 20);
  EXPECT_EQ(e.r, 30) << "pixel 30 is outside the ellipse";
  EXPECT_EQ(e.b, 30);
  EXPECT_TRUE(board.lit(25, 25));
  EXPECT_FALSE(board.lit(20, 20)) << "the box's corner is outside the ellipse";
  EXPECT_EQ(board.at(12, 0), kRed);
  EXPECT_EQ(board.at(17, 5), kRed);
  EXPECT_FALSE(board.lit(18, 3));
  EXPECT_FALSE(board.lit(14, 3)) << "a null brush leaves the inside alone";
}

TEST(CairoCanvas, ArcsRunCounterClockwiseFromTheStartRadialAndLinesStopShortOfTheirEnd) {
  Board board(100, 60);
  ASSERT_NE(board.canvas, nullptr);
  board.penOf(kGreen);
  // Circle box 0..40: from the right radial to the top radial is the upper-right quarter.
  board.canvas->arc(0, 0, 40, 40, {40, 20}, {20, 0});
  // The same radials the other way round: the other three quarters.
  board.canvas->arc(50, 0, 90, 40, {70, 0}, {90, 20});
  board.canvas->moveTo(0, 50);
  board.canvas->lineTo(10, 50);
  board.canvas->lineTo(10, 58);
  board.close();
  // Upper right, lower right, lower left, upper left of each circle, on the circle.
  const auto quarterLit = [&](int cx, int dx, int dy) { return board.inkIn(cx + dx - 3, 20 + dy - 3, cx + dx + 4, 20 + dy + 4).r >= 0; };
  EXPECT_TRUE(quarterLit(20, 14, -14));
  EXPECT_FALSE(quarterLit(20, 14, 14));
  EXPECT_FALSE(quarterLit(20, -14, 14));
  EXPECT_FALSE(quarterLit(20, -14, -14));
  EXPECT_FALSE(quarterLit(70, 14, -14));
  EXPECT_TRUE(quarterLit(70, 14, 14));
  EXPECT_TRUE(quarterLit(70, -14, 14));
  EXPECT_TRUE(quarterLit(70, -14, -14));
  EXPECT_TRUE(board.lit(0, 50));
  EXPECT_TRUE(board.lit(9, 50));
  EXPECT_TRUE(board.lit(10, 50)) << "the second line starts there";
  EXPECT_TRUE(board.lit(10, 57));
  EXPECT_FALSE(board.lit(10, 58)) << "the last point is not painted";
  EXPECT_FALSE(board.lit(11, 50));
}

TEST(CairoCanvas, TextStandsAtItsReferencePointByAlignmentAndEscapementTurnsItCounterClockwise) {
  Board board(200, 120);
  ASSERT_NE(board.canvas, nullptr);
  Canvas& c = *board.canvas;
  const CanvasObject flat = c.createFont({"Glass Gauge", 16, 400, 0});
  const CanvasObject up = c.createFont({"Glass Gauge", 16, 400, 900});
  c.setTextColour(kWhite);
  c.select(flat);
  c.setTextAlign(TextAlign::kLeft, TextBase::kTop);
  c.textOut(10, 10, "HI", 2);
  c.setTextAlign(TextAlign::kRight, TextBase::kBaseline);
  c.textOut(190, 40, "HI", 2);
  c.setTextAlign(TextAlign::kCentre, TextBase::kTop);
  c.textOut(100, 60, "HIH", 3);
  c.select(up);
  c.setTextAlign(TextAlign::kLeft, TextBase::kTop);
  c.textOut(20, 110, "HI", 2);
  c.select(c.stockObject(StockObject::kSystemFont));
  c.deleteObject(flat);
  c.deleteObject(up);
  board.close();

  const Board::Box left = board.inkIn(0, 0, 100, 45);
  EXPECT_GE(left.l, 10);
  EXPECT_LE(left.l, 13);
  EXPECT_GT(left.t, 10) << "top alignment: the cell's top at y, the capitals below";
  EXPECT_LE(left.b, 26);
  const Board::Box right = board.inkIn(100, 0, 200, 45);
  EXPECT_LE(right.r, 190);
  EXPECT_GE(right.r, 186);
  EXPECT_EQ(right.b, 40) << "baseline alignment: capitals end on the line above y";
  const Board::Box centre = board.inkIn(60, 55, 140, 80);
  EXPECT_LE(std::abs((centre.l + centre.r) - 200), 2);
  // 90 degrees counter-clockwise: the text runs up the screen from the reference point and the
  // cell hangs to its right.
  const Board::Box rotated = board.inkIn(0, 70, 60, 120);
  EXPECT_GE(rotated.l, 20);
  EXPECT_LE(rotated.r, 37);
  EXPECT_LE(rotated.b, 110);
  EXPECT_LT(rotated.t, 100) << "two characters tall, upwards";
}

TEST(CairoCanvas, AnIntersectedClipKeepsOnlyWhatIsInsideBothShapes) {
  Board board(60, 60);
  ASSERT_NE(board.canvas, nullptr);
  Canvas& c = *board.canvas;
  const CanvasObject circle = c.createEllipticRegion(0, 0, 60, 60);
  const CanvasObject band = c.createRectRegion(0, 20, 60, 40);
  const CanvasObject both = c.createRectRegion(0, 0, 0, 0);
  ASSERT_TRUE(c.intersectRegions(both, circle, band));
  c.selectClip(both);
  board.fillWith(kYellow);
  c.rectangle(0, 0, 60, 60);
  c.selectClip(0);
  c.deleteObject(circle);
  c.deleteObject(band);
  c.deleteObject(both);
  board.close();
  EXPECT_TRUE(board.lit(30, 20));
  EXPECT_TRUE(board.lit(30, 39));
  EXPECT_FALSE(board.lit(30, 19)) << "in the circle, above the band";
  EXPECT_FALSE(board.lit(30, 40)) << "the band's bottom edge is excluded";
  EXPECT_FALSE(board.lit(0, 21)) << "in the band, outside the circle";
  EXPECT_TRUE(board.lit(2, 30));
  EXPECT_FALSE(board.lit(59, 21));
}

// Every call the displays make, in one picture.
void drawPattern(Canvas& c) {
  const CanvasObject panel = c.createBrush(0x303030);
  c.select(c.stockObject(StockObject::kNullPen));
  c.select(panel);
  c.rectangle(0, 0, 256, 160);

  // Clip: an ellipse cut by a band, filled, then the frame of both shapes.
  const CanvasObject circle = c.createEllipticRegion(8, 8, 72, 72);
  const CanvasObject band = c.createRectRegion(8, 24, 72, 56);
  const CanvasObject clip = c.createRectRegion(0, 0, 0, 0);
  c.intersectRegions(clip, circle, band);
  c.selectClip(clip);
  const CanvasObject cyan = c.createBrush(kCyan);
  c.select(cyan);
  c.rectangle(0, 0, 80, 80);
  c.selectClip(0);
  const CanvasObject white = c.createPen(kWhite, 1);
  c.select(white);
  c.select(c.stockObject(StockObject::kNullBrush));
  c.ellipse(8, 8, 72, 72);
  c.rectangle(8, 24, 72, 56);

  // Arcs both ways between the same radials, a thick pen.
  const CanvasObject green = c.createPen(kGreen, 3);
  c.select(green);
  c.arc(88, 8, 152, 72, {152, 40}, {120, 8});
  const CanvasObject magenta = c.createPen(kMagenta, 1);
  c.select(magenta);
  c.arc(92, 12, 148, 68, {120, 12}, {148, 40});

  // Polygon and lines.
  const CanvasObject red = c.createBrush(kRed);
  c.select(red);
  c.select(white);
  const Point triangle[] = {{168, 64}, {200, 8}, {232, 64}};
  c.polygon(triangle, 3);
  c.select(c.stockObject(StockObject::kBlackPen));
  c.moveTo(168, 70);
  c.lineTo(248, 70);
  c.select(magenta);
  c.moveTo(240, 8);
  c.lineTo(240, 64);

  // Text: three alignments on one mark, the baseline, and escapement.
  const CanvasObject small = c.createFont({"Glass Gauge", 14, 400, 0});
  const CanvasObject bold = c.createFont({"Courier New", 16, 700, 0});
  const CanvasObject up = c.createFont({"Glass Gauge", 14, 400, 900});
  const CanvasObject slant = c.createFont({"Quartz", 14, 400, 450});
  c.select(white);
  c.moveTo(128, 80);
  c.lineTo(128, 152);
  c.moveTo(8, 120);
  c.lineTo(248, 120);
  c.select(small);
  c.setTextColour(kGreen);
  c.setTextAlign(TextAlign::kLeft, TextBase::kTop);
  c.textOut(128, 84, "LEFT", 4);
  c.setTextColour(kYellow);
  c.setTextAlign(TextAlign::kRight, TextBase::kTop);
  c.textOut(128, 100, "RIGHT", 5);
  c.select(bold);
  c.setTextColour(kCyan);
  c.setTextAlign(TextAlign::kCentre, TextBase::kBaseline);
  c.textOut(128, 120, "CENTRE", 6);
  c.select(up);
  c.setTextColour(kMagenta);
  c.setTextAlign(TextAlign::kLeft, TextBase::kBaseline);
  c.textOut(24, 152, "UP", 2);
  c.select(slant);
  c.setTextColour(kBlue | 0x8080);
  c.setTextAlign(TextAlign::kLeft, TextBase::kTop);
  c.textOut(180, 150, "45\xB0", 3);

  c.select(c.stockObject(StockObject::kSystemFont));
  c.select(c.stockObject(StockObject::kBlackPen));
  c.select(c.stockObject(StockObject::kBlackBrush));
  for (CanvasObject o : {panel, circle, band, clip, cyan, white, green, magenta, red, small, bold, up, slant}) {
    c.deleteObject(o);
  }
}

TEST(CairoCanvas, TestPatternMatchesItsReference) {
  Board board(256, 160);
  ASSERT_NE(board.canvas, nullptr);
  drawPattern(*board.canvas);
  board.close();
  const golden::Image actual = board.image();
  ASSERT_TRUE(golden::writePng(actual, XAQ_CANVAS_OUT "/cairo_pattern.png"));
  if (std::getenv("XAQ_BLESS_CANVAS") != nullptr) {
    ASSERT_TRUE(golden::writePng(actual, XAQ_CANVAS_REFERENCE));
    GTEST_SKIP() << "reference written: " << XAQ_CANVAS_REFERENCE;
  }
  const auto reference = golden::readPng(XAQ_CANVAS_REFERENCE);
  ASSERT_TRUE(reference.has_value()) << XAQ_CANVAS_REFERENCE;
  const golden::Comparison result = golden::compare(actual, *reference, golden::Tolerance{});
  if (!result.matches && result.sameSize) golden::writePng(result.diff, XAQ_CANVAS_OUT "/cairo_pattern.diff.png");
  EXPECT_TRUE(result.matches) << result.differing << " pixels differ, by up to " << result.largest
                              << "; see " XAQ_CANVAS_OUT "/cairo_pattern.diff.png";
}

}  // namespace
}  // namespace xaq::platform
