// The Linux module's resource port on a folder laid out as the build lays it out beside the module.

#include "platform/portable/portable_resources.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace xaq::platform {
namespace {

namespace fs = std::filesystem;

std::uint32_t le32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24; }

void writeFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class PortableResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("xaq_resources_" + std::to_string(getpid()));
    fs::remove_all(root_);
    folder_ = root_ / "Xaq-Orvek.resources";
    fs::create_directories(folder_ / "BITMAP");
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
  fs::path folder_;
};

TEST_F(PortableResourcesTest, ServesAGeneratedBitmapFromItsInfoHeaderOnAndKeepsIt) {
  fs::copy_file(fs::path(XAQ_BITMAP_DIR) / "8220.bmp", folder_ / "BITMAP" / "8220.bmp");
  PortableResources resources(folder_.string());
  const ByteView bitmap = resources.find("BITMAP", 8220);
  ASSERT_TRUE(bitmap);
  ASSERT_GE(bitmap.size, 40u);
  EXPECT_EQ(le32(bitmap.data), 40u);       // BITMAPINFOHEADER, as FindResource hands it out
  EXPECT_EQ(le32(bitmap.data + 4), 192u);  // the flaps dial
  EXPECT_EQ(le32(bitmap.data + 8), 150u);
  EXPECT_EQ(bitmap.size, fs::file_size(folder_ / "BITMAP" / "8220.bmp") - 14);

  // Read once: the bytes stay where they are for the module's life, even if the file goes.
  fs::remove(folder_ / "BITMAP" / "8220.bmp");
  const ByteView again = resources.find("BITMAP", 8220);
  EXPECT_EQ(again.data, bitmap.data);
  EXPECT_EQ(again.size, bitmap.size);
}

TEST_F(PortableResourcesTest, ServesSoundsByNameAndNothingForWhatIsMissingOrMalformed) {
  writeFile(folder_ / "WAV" / "gear_horn.wav", "RIFF....WAVEfmt ");
  writeFile(folder_ / "BITMAP" / "9000.bmp", "not a bitmap");
  writeFile(folder_ / "BITMAP" / "9001.bmp", "");
  writeFile(root_ / "secret.wav", "outside the folder");
  fs::create_directories(folder_ / "BITMAP" / "9002.bmp");  // a folder where a file should be
  PortableResources resources(folder_.string());

  const ByteView horn = resources.find("WAV", "gear_horn");
  ASSERT_TRUE(horn);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(horn.data), horn.size), "RIFF....WAVEfmt ");

  EXPECT_FALSE(resources.find("WAV", "missing"));
  EXPECT_FALSE(resources.find("BITMAP", 8220u));
  EXPECT_FALSE(resources.find("BITMAP", 9000u));
  EXPECT_FALSE(resources.find("BITMAP", 9001u));
  EXPECT_FALSE(resources.find("BITMAP", 9002u));
  for (const char* name : {"../secret", "../../Xaq-Orvek.resources/WAV/gear_horn", "WAV/gear_horn", "..", "",
                           "a\\b"}) {
    EXPECT_FALSE(resources.find("WAV", name)) << name;
  }
  EXPECT_FALSE(resources.find("..", "secret"));
  EXPECT_FALSE(resources.find("WAV/..", "secret"));
  EXPECT_FALSE(resources.find(nullptr, "gear_horn"));
  EXPECT_FALSE(resources.find("WAV", nullptr));

  PortableResources nowhere((root_ / "no such folder").string());
  EXPECT_FALSE(nowhere.find("WAV", "gear_horn"));
  EXPECT_FALSE(nowhere.find("BITMAP", 8220u));
}

TEST(PortableResourcesFolder, IsBesideTheBinaryHoldingThePorts) {
  // Linked into this test program, the ports look beside the program.
  char self[4096] = {};
  ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
  const PortableResources resources;
  EXPECT_EQ(fs::weakly_canonical(resources.folder()), fs::weakly_canonical(fs::path(self).parent_path() / "Xaq-Orvek.resources"));
}

}  // namespace
}  // namespace xaq::platform
