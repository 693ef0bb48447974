// The art kit and the flaps artwork: files the host can load, marks where the needle points,
// needles that turn about the right pixel, and a registry the build can trust.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "gauges/instruments/flaps_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/art_testing.h"
#include "resources/artwork/families.h"

namespace xaq::art {
namespace {

namespace fs = std::filesystem;
namespace flaps = gauges::flaps;

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::vector<std::uint8_t> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ArtBitmap, BmpIsUncompressedBottomUpAndReadsBack) {
  Bitmap b{5, 3, {}};  // 15 bytes a row: padded to 16
  for (int i = 0; i < 15; ++i) b.pixels.push_back(Rgb{static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i), 7});
  const std::vector<std::uint8_t> bmp = encodeBmp(b);
  ASSERT_EQ(bmp.size(), 14u + 40u + 16u * 3u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(le32(bmp, 2), bmp.size());
  EXPECT_EQ(le32(bmp, 10), 54u);
  EXPECT_EQ(le32(bmp, 14), 40u);
  EXPECT_EQ(le32(bmp, 18), 5u);
  EXPECT_EQ(le32(bmp, 22), 3u);  // positive height: the bottom row comes first
  EXPECT_EQ(bmp[28], 24);
  EXPECT_EQ(le32(bmp, 30), 0u);
  // First stored pixel is the bottom-left one, blue first.
  EXPECT_EQ(bmp[54], b.at(0, 2).b);
  EXPECT_EQ(bmp[55], b.at(0, 2).g);
  EXPECT_EQ(bmp[56], b.at(0, 2).r);

  const auto back = decodeBmp(bmp);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->width, 5);
  EXPECT_EQ(back->height, 3);
  EXPECT_EQ(back->pixels, b.pixels);

  std::vector<std::uint8_t> shortened(bmp.begin(), bmp.end() - 1);
  EXPECT_FALSE(decodeBmp(shortened).has_value());
}

TEST(ArtBitmap, KeyingMakesFaintPixelsTransparentAndDrawnBlackNearBlack) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 3, 1);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.3);
  cairo_rectangle(cr, 0, 0, 1, 1);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_rectangle(cr, 1, 0, 1, 1);
  cairo_fill(cr);
  cairo_set_source_rgba(cr, 1, 0.5, 0, 0.8);
  cairo_rectangle(cr, 2, 0, 1, 1);
  cairo_fill(cr);
  cairo_destroy(cr);
  const Bitmap b = keyedBitmap(s);
  cairo_surface_destroy(s);
  EXPECT_TRUE(b.at(0, 0).transparent());
  EXPECT_EQ(b.at(1, 0), (Rgb{0x10, 0x10, 0x10}));
  EXPECT_EQ(b.at(2, 0).r, 255);  // its own colour, not darkened by the coverage
  EXPECT_NEAR(b.at(2, 0).g, 128, 2);
}

TEST(ArtRegistry, RefusesDuplicatesAndWritesEveryIdInOrder) {
  Registry bad;
  bad.add(5, {2, 2}, nullptr);
  bad.add(5, {2, 2}, nullptr);
  bad.add(6, {0, 2}, nullptr);
  EXPECT_EQ(bad.problems().size(), 2u);
  std::string error;
  const fs::path out = fs::temp_directory_path() / ("xaq_artwork_" + std::to_string(getpid()));
  fs::remove_all(out);
  EXPECT_FALSE(writeArtworkFolder(bad, out.string(), error));
  EXPECT_FALSE(fs::exists(out / "bitmaps.rc"));

  Registry art;
  art.add(30, {4, 2}, [](cairo_t* cr) {
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_rectangle(cr, 0, 0, 2, 2);
    cairo_fill(cr);
  });
  art.add(7, {3, 3}, nullptr);
  ASSERT_TRUE(writeArtworkFolder(art, out.string(), error)) << error;
  const std::vector<std::uint8_t> rc = readFile(out / "bitmaps.rc");
  const std::string script(rc.begin(), rc.end());
  EXPECT_NE(script.find("\n7 BITMAP \"7.bmp\"\n30 BITMAP \"30.bmp\"\n"), std::string::npos) << script;
  const std::vector<std::uint8_t> list = readFile(out / "bitmaps.txt");
  EXPECT_EQ(std::string(list.begin(), list.end()), "7\n30\n");

  const auto bmp = decodeBmp(readFile(out / "30.bmp"));
  ASSERT_TRUE(bmp.has_value());
  EXPECT_EQ(bmp->at(0, 0), (Rgb{255, 0, 0}));
  EXPECT_TRUE(bmp->at(3, 1).transparent());
  // The PNG carries the same picture, with alpha 0 where the BMP has the transparent colour.
  cairo_surface_t* png = cairo_image_surface_create_from_png((out / "30.png").c_str());
  ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
  const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(png));
  EXPECT_EQ(row[0], 0xFFFF0000u);
  EXPECT_EQ(row[3] >> 24, 0u);
  cairo_surface_destroy(png);
  fs::remove_all(out);
}

TEST(ArtFlaps, EveryLayoutIdIsDrawnAtItsSizeAndTheOutputIsTheSameEveryRun) {
  const Registry art = allArtworks();
  EXPECT_TRUE(art.problems().empty());
  const struct {
    std::uint32_t id;
    Size size;
  } expected[] = {{flaps::kBackgroundId, flaps::kBackgroundSize},
                  {flaps::kNeedleId, flaps::kNeedle.bitmapSize},
                  {flaps::kLightingOverlayId, flaps::kBackgroundSize},
                  {flaps::kTwinBackgroundId, flaps::kTwinBackgroundSize},
                  {flaps::kTwinNeedleId, flaps::kTwinNeedle.bitmapSize}};
  for (const auto& e : expected) {
    const Artwork* a = art.find(e.id);
    ASSERT_NE(a, nullptr) << e.id;
    EXPECT_EQ(a->size.width, e.size.width) << e.id;
    EXPECT_EQ(a->size.height, e.size.height) << e.id;
    EXPECT_EQ(encodeBmp(render(*a)), encodeBmp(render(*a))) << e.id;
  }
  // Backgrounds and the lit face cover the whole gauge: nothing of them may key out.
  for (std::uint32_t id : {flaps::kBackgroundId, flaps::kLightingOverlayId, flaps::kTwinBackgroundId}) {
    const Bitmap b = drawn(id);
    EXPECT_EQ(std::count_if(b.pixels.begin(), b.pixels.end(), [](Rgb c) { return c.transparent(); }), 0) << id;
  }
}

// A mark's tick lies on the ray from the pivot through the mark's point, and the face is dark
// a little to either side of it.
void expectTicksOnTheirRays(std::uint32_t id, Size size, Point pivot,
                            std::span<const ScaleMark> marks) {
  const Bitmap b = drawn(id);
  const DialGeometry dial = dialGeometry(size, pivot, marks);
  constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
  for (const ScaleMark& m : marks) {
    const double angle = markAngleDeg(pivot, m.point);
    auto sample = [&](double deg, double r) {
      return b.at(static_cast<int>(std::floor(pivot.x + std::sin(deg * kDegToRad) * r)),
                  static_cast<int>(std::floor(pivot.y - std::cos(deg * kDegToRad) * r)));
    };
    for (double r = dial.tickInner + 1.5; r <= dial.tickOuter - 1.5; r += 1.0) {
      EXPECT_GT(brightness(sample(angle, r)), 160) << id << " mark " << m.value << " r " << r;
    }
    const double r = (dial.tickInner + dial.minorInner) / 2;
    EXPECT_LT(brightness(sample(angle + 6, r)), 80) << id << " mark " << m.value;
    EXPECT_LT(brightness(sample(angle - 6, r)), 80) << id << " mark " << m.value;
  }
}

TEST(ArtFlaps, TicksLieOnTheScaleTablesRaysOnBothDialsDayAndNight) {
  expectTicksOnTheirRays(flaps::kBackgroundId, flaps::kBackgroundSize, flaps::kNeedle.pivot, flaps::kScale);
  expectTicksOnTheirRays(flaps::kLightingOverlayId, flaps::kBackgroundSize, flaps::kNeedle.pivot, flaps::kScale);
  expectTicksOnTheirRays(flaps::kTwinBackgroundId, flaps::kTwinBackgroundSize, flaps::kTwinNeedle.pivot,
                         flaps::kTwinScale.mark);
  // The night face is lit green-warm, the day face white.
  const DialGeometry dial = dialGeometry(flaps::kBackgroundSize, flaps::kNeedle.pivot, flaps::kScale);
  const int y = static_cast<int>(flaps::kNeedle.pivot.y - (dial.tickInner + dial.tickOuter) / 2);
  const Rgb day = drawn(flaps::kBackgroundId).at(flaps::kNeedle.pivot.x, y);
  const Rgb night = drawn(flaps::kLightingOverlayId).at(flaps::kNeedle.pivot.x, y);
  EXPECT_GT(day.b, 200);
  EXPECT_GT(night.g, night.b + 40);
}

TEST(ArtFlaps, NeedlesPointStraightUpFromTheirPivot) {
  for (const NeedleLayout& layout : {flaps::kNeedle, flaps::kTwinNeedle}) {
    const Bitmap b = drawn(layout.bitmapId);
    const int px = layout.bitmapPivot.x, py = layout.bitmapPivot.y;
    EXPECT_FALSE(b.at(px, py).transparent());
    EXPECT_GT(brightness(b.at(px, py / 2)), 180);  // the pointer itself is light
    int top = b.height;
    for (int y = 0; y < b.height && top == b.height; ++y) {
      for (int x = 0; x < b.width; ++x) {
        if (!b.at(x, y).transparent()) top = y;
      }
    }
    EXPECT_LE(top, 2);
    // Symmetric about the pivot's vertical: the needle's axis is the line through the pivot.
    for (int y = 0; y < b.height; ++y) {
      for (int k = 0; k < px && px + k < b.width; ++k) {
        EXPECT_EQ(b.at(px - 1 - k, y).transparent(), b.at(px + k, y).transparent()) << "row " << y << " offset " << k;
      }
    }
    EXPECT_TRUE(b.at(0, 0).transparent());
    EXPECT_TRUE(b.at(b.width - 1, 0).transparent());
  }
}

TEST(ArtKit, LitLightIsBrighterThanUnlitWithTheSameLens) {
  auto paint = [](bool lit) {
    Registry art;
    art.add(1, {40, 20}, [lit](cairo_t* cr) { drawLight(cr, {40, 20}, "GEAR", rgb(0x30D040), lit); });
    return render(*art.find(1));
  };
  const Bitmap lit = paint(true), unlit = paint(false);
  EXPECT_GT(lit.at(4, 3).g, 150);
  EXPECT_LT(unlit.at(4, 3).g, 80);
  // Legend: dark letters on the lit lens, light letters on the dark one.
  auto extremes = [](const Bitmap& b) {
    std::pair<int, int> range{255, 0};
    for (int x = 6; x < 34; ++x) {
      range.first = std::min(range.first, brightness(b.at(x, 10)));
      range.second = std::max(range.second, brightness(b.at(x, 10)));
    }
    return range;
  };
  EXPECT_LT(extremes(lit).first, 60);
  EXPECT_GT(extremes(unlit).second, brightness(unlit.at(4, 3)) + 40);
}

}  // namespace
}  // namespace xaq::art
