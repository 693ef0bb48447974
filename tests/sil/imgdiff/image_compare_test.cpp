// The golden-image comparison: what counts as the same picture, and the diff it leaves.

#include "tests/sil/imgdiff/image_compare.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace xaq::golden {
namespace {

Image filled(int w, int h, std::uint32_t argb) { return Image{w, h, std::vector<std::uint32_t>(w * h, argb)}; }

TEST(ImageCompare, ToleratesSmallShiftsAndFewStrayPixelsOnly) {
  const Image reference = filled(40, 50, 0xFF808080);  // 2000 pixels: 10 may differ
  EXPECT_TRUE(compare(reference, reference, {}).matches);

  Image shifted = reference;
  for (auto& p : shifted.argb) p = 0xFF888078;  // every channel within 8
  Comparison c = compare(shifted, reference, {});
  EXPECT_TRUE(c.matches);
  EXPECT_EQ(c.differing, 0u);
  EXPECT_EQ(c.largest, 8);

  Image stray = reference;
  for (int i = 0; i < 10; ++i) stray.argb[i * 37] = 0xFFFFFFFF;
  EXPECT_TRUE(compare(stray, reference, {}).matches);
  stray.argb[999] = 0xFF000000;  // the eleventh
  c = compare(stray, reference, {});
  EXPECT_FALSE(c.matches);
  EXPECT_EQ(c.differing, 11u);
  EXPECT_EQ(c.diff.argb[999], 0xFFFF2020u);
  EXPECT_NE(c.diff.argb[998], 0xFFFF2020u);

  Image transparent = reference;
  for (int i = 0; i < 100; ++i) transparent.argb[i] = 0x00808080;  // the same colour, keyed out
  EXPECT_FALSE(compare(transparent, reference, {}).matches);

  EXPECT_FALSE(compare(filled(40, 49, 0xFF808080), reference, {}).sameSize);
  EXPECT_FALSE(compare(filled(40, 49, 0xFF808080), reference, {}).matches);
}

TEST(ImageCompare, PngWrittenIsReadBackPixelForPixel) {
  Image image = filled(3, 2, 0xFF102030);
  image.argb[4] = 0xFFFF0000;
  const std::string path = (std::filesystem::temp_directory_path() / ("xaq_imgdiff_" + std::to_string(getpid()) + ".png")).string();
  ASSERT_TRUE(writePng(image, path));
  const auto back = readPng(path);
  std::filesystem::remove(path);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->argb, image.argb);
  EXPECT_FALSE(readPng(path).has_value());
}

}  // namespace
}  // namespace xaq::golden
