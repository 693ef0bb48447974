// The sound slots against a recording device: set-up, the volume formula, lost buffers, sound
// off, the WAV reader, and the APU's sequence of sounds.

#include "services/sound/sound.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>


namespace xaq::services {
namespace {

std::vector<std::uint8_t> wav(std::size_t sampleBytes, bool withPadChunk = false) {
  std::vector<std::uint8_t> b;
  auto text = [&](const char* t) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(t[i]));
  };
  auto u32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i))); };
  auto u16 = [&](std::uint16_t v) { b.push_back(static_cast<std::uint8_t>(v)); b.push_back(static_cast<std::uint8_t>(v >> 8)); };
  text("RIFF");
  u32(0);
  text("WAVE");
  if (withPadChunk) {
    text("LIST");
    u32(3);
    text("abc");
  }
  text("fmt ");
  u32(16);
  u16(1); u16(1); u32(22050); u32(44100); u16(2); u16(16);
  text("data");
  u32(static_cast<std::uint32_t>(sampleBytes));
  for (std::size_t i = 0; i < sampleBytes; ++i) b.push_back(static_cast<std::uint8_t>(i));
  const auto riffSize = static_cast<std::uint32_t>(b.size() - 8);
  std::memcpy(b.data() + 4, &riffSize, 4);
  return b;
}

struct FakeResources final : platform::ModuleResources {
  platform::ByteView find(const char*, std::uint32_t) override { return {}; }
  platform::ByteView find(const char* type, const char* name) override {
    if (std::strcmp(type, "WAV") != 0) return {};
    auto f = files.find(name);
    return f == files.end() ? platform::ByteView{} : platform::ByteView{f->second.data(), f->second.size()};
  }
  std::map<std::string, std::vector<std::uint8_t>> files;
};

struct FakeDevice final : platform::SoundDevice {
  bool open(platform::WindowHandle owner) override {
    calls.push_back("open " + std::to_string(owner));
    return opens;
  }
  void close() override { calls.push_back("close"); }
  bool load(int slot, const platform::WaveFormat& format, platform::ByteView samples) override {
    calls.push_back("load " + std::to_string(slot));
    lastFormat = format;
    loadedBytes[slot] = samples.size;
    return true;
  }
  PlayOutcome play(int slot, bool loop) override {
    calls.push_back((loop ? "loop " : "play ") + std::to_string(slot));
    if (lostPlays > 0) {
      --lostPlays;
      return PlayOutcome::kLost;
    }
    return PlayOutcome::kPlaying;
  }
  bool restore(int slot, platform::ByteView samples) override {
    calls.push_back("restore " + std::to_string(slot) + " " + std::to_string(samples.size));
    return restores;
  }
  bool stop(int slot) override {
    calls.push_back("stop " + std::to_string(slot));
    return true;
  }
  bool setAttenuation(int slot, std::int32_t a) override {
    attenuation[slot] = a;
    return true;
  }
  bool opens = true;
  bool restores = true;
  int lostPlays = 0;
  std::vector<std::string> calls;
  std::map<int, std::size_t> loadedBytes;
  std::map<int, std::int32_t> attenuation;
  platform::WaveFormat lastFormat;
};

TEST(SoundVolume, TheSettingBecomesWholeDecibelsOfAttenuation) {
  EXPECT_EQ(attenuationFor(100), 0);
  EXPECT_EQ(attenuationFor(80), -100);
  EXPECT_EQ(attenuationFor(50), -600);
  EXPECT_EQ(attenuationFor(10), -2000);
  EXPECT_EQ(attenuationFor(1), -4000);
  EXPECT_EQ(attenuationFor(89), -100);   // -1.01 dB
  EXPECT_EQ(attenuationFor(90), 0);      // -0.92 dB cut toward zero
  EXPECT_EQ(attenuationFor(0), -4000);
  EXPECT_EQ(attenuationFor(-50), -4000);
  // Above full: counted as full (a positive attenuation would be refused by the device).
  EXPECT_EQ(attenuationFor(101), 0);
  EXPECT_EQ(attenuationFor(2147483647), 0);
}

class SoundTest : public ::testing::Test {
 protected:
  SoundTest() {
    for (const char* name : kSoundNames) resources.files[name] = wav(100);
    resources.files.erase("A20");
    resources.files["KEY"] = wav(456);
  }
  FakeResources resources;
  FakeDevice device;
  Sound sound{&device, &resources};
};

TEST_F(SoundTest, SetUpLoadsEverySlotItFindsAndVolumeReachesEachLoadedOne) {
  sound.setUp(0x1001);
  ASSERT_TRUE(sound.ready());
  EXPECT_EQ(device.calls.front(), "open 4097");
  EXPECT_EQ(device.loadedBytes.size(), 33u);
  EXPECT_FALSE(sound.loaded(1));
  EXPECT_EQ(device.loadedBytes[26], 456u);
  EXPECT_EQ(device.lastFormat.samplesPerSecond, 22050u);
  EXPECT_EQ(device.lastFormat.bitsPerSample, 16);
  sound.setVolume(50);
  EXPECT_EQ(device.attenuation.size(), 33u);
  EXPECT_EQ(device.attenuation[0], -600);
  EXPECT_EQ(device.attenuation[33], -600);
  EXPECT_FALSE(sound.play(1)) << "a slot without its resource stays silent";
  EXPECT_FALSE(sound.play(34));
  EXPECT_FALSE(sound.play(-1));
}

TEST_F(SoundTest, PlayRewindsAndALostBufferIsRestoredOncePerCall) {
  sound.setUp(1);
  device.calls.clear();
  EXPECT_TRUE(sound.play(25));
  EXPECT_TRUE(sound.playLooped(31));
  device.lostPlays = 1;
  EXPECT_TRUE(sound.play(26));
  EXPECT_EQ(device.calls, (std::vector<std::string>{"play 25", "loop 31", "play 26", "restore 26 456", "play 26"}));
  device.calls.clear();
  device.lostPlays = 2;
  EXPECT_FALSE(sound.play(26)) << "lost again after the restore";
  device.restores = false;
  device.lostPlays = 1;
  EXPECT_FALSE(sound.play(26));
  EXPECT_EQ(device.calls, (std::vector<std::string>{"play 26", "restore 26 456", "play 26", "play 26", "restore 26 456"}));
}

TEST_F(SoundTest, WithSoundOffEveryCallReportsFalseAndReachesNoDevice) {
  device.opens = false;
  sound.setUp(1);
  EXPECT_FALSE(sound.ready());
  device.calls.clear();
  EXPECT_FALSE(sound.play(25));
  EXPECT_FALSE(sound.playLooped(25));
  EXPECT_FALSE(sound.stop(25));
  EXPECT_FALSE(sound.setSlotVolume(25, -100));
  sound.setVolume(100);
  EXPECT_TRUE(device.calls.empty());
  EXPECT_TRUE(device.attenuation.empty());

  Sound noPorts(nullptr, nullptr);
  noPorts.setUp(1);
  EXPECT_FALSE(noPorts.play(25));
}

TEST_F(SoundTest, ShutDownReleasesOnceAndLeavesSoundOff) {
  sound.setUp(1);
  EXPECT_TRUE(sound.shutDown());
  EXPECT_TRUE(sound.shutDown());
  EXPECT_EQ(std::count(device.calls.begin(), device.calls.end(), "close"), 1);
  EXPECT_FALSE(sound.play(25));
}

TEST(WaveImage, TheFormatAndDataChunksAreFoundPastOtherChunks) {
  const std::vector<std::uint8_t> image = wav(10, true);
  WaveImage parsed;
  ASSERT_TRUE(parseWaveImage({image.data(), image.size()}, parsed));
  EXPECT_EQ(parsed.samples.size, 10u);
  EXPECT_EQ(parsed.samples.data[9], 9);
  EXPECT_EQ(parsed.format.channels, 1);
  EXPECT_EQ(parsed.format.blockAlign, 2);
}

TEST(WaveImage, ImagesThatPromiseMoreThanTheyHoldAreRefused) {
  std::vector<std::uint8_t> image = wav(10);
  WaveImage parsed;
  EXPECT_FALSE(parseWaveImage({image.data(), image.size() - 1}, parsed)) << "data chunk cut short";
  EXPECT_FALSE(parseWaveImage({image.data(), 11}, parsed));
  EXPECT_FALSE(parseWaveImage({}, parsed));
  image[36 + 4] = 0xFF, image[36 + 7] = 0xFF;  // the data chunk's size far beyond the end
  EXPECT_FALSE(parseWaveImage({image.data(), image.size()}, parsed));
  std::vector<std::uint8_t> noData = wav(0);
  EXPECT_FALSE(parseWaveImage({noData.data(), noData.size()}, parsed));
}

}  // namespace
}  // namespace xaq::services
