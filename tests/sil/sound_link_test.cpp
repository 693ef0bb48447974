// The cockpit's sound service against the sim host's recording device: the module's own set-up
// (every slot loaded from its resources, the volume of its settings), and the service linked into
// this test, reaching the device through the same portable ports, playing at simulation times
// the recorder stamps, in order, and mixed into the run's sound file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/portable/portable_resources.h"
#include "services/sound/sound.h"
#include "systems/electrical/apu_sounds.h"
#include "tests/sil/host_fixture.h"

namespace xaq::sim {
namespace {

class SoundLink : public testing::ModuleHost {};

// The sound door the APU plays through, onto the service under test.
struct ServiceDoor final : SoundDoor {
  explicit ServiceDoor(services::Sound& s) : sound(s) {}
  void play(int slot) override { sound.play(slot); }
  void loop(int slot) override { sound.playLooped(slot); }
  void stop(int slot) override { sound.stop(slot); }
  void volume(int slot, std::int32_t attenuation) override { sound.setSlotVolume(slot, attenuation); }
  services::Sound& sound;
};

TEST_F(SoundLink, TheModuleLoadsEverySlotAndAppliesTheDefaultVolume) {
  const std::vector<SoundCall>& calls = host->sound.calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front().operation, "open");
  for (int slot = 0; slot < services::kSoundSlots; ++slot) {
    const auto loaded = std::count_if(calls.begin(), calls.end(), [&](const SoundCall& c) {
      return c.slot == slot && c.operation == "load";
    });
    EXPECT_EQ(loaded, 1) << slot;
    const auto volume = std::find_if(calls.begin(), calls.end(), [&](const SoundCall& c) {
      return c.slot == slot && c.operation == "volume";
    });
    ASSERT_NE(volume, calls.end()) << slot;
    EXPECT_EQ(volume->attenuation, -100) << "no settings file: volume 80";
  }
}

TEST_F(SoundLink, PlaysAreStampedWithSimulationTimeInTheOrderAsked) {
  const std::string resources = std::filesystem::path(XAQ_MODULE_PATH).parent_path().string() + "/Xaq-Orvek.resources";
  platform::PortableResources files(resources);
  services::Sound sound(platform::ports().sound, &files);
  sound.setUp(SimHost::kMainWindow);
  ASSERT_TRUE(sound.ready());
  host->runFor(12.3);
  const double clickAtS = host->world.simSeconds;
  EXPECT_TRUE(sound.play(services::sound::kSwitchClick));
  systems::ApuSounds apu;
  ServiceDoor door{sound};
  apu.enterStarting(door);
  host->runFor(8.0);
  apu.enterRunning(door);
  host->runFor(3.0);
  apu.enterStopping(door);
  host->runFor(1.0);

  std::vector<std::pair<int, std::string>> plays;
  for (const SoundCall& c : host->sound.calls()) {
    if (c.operation == "play" || c.operation == "loop" || c.operation == "stop") plays.emplace_back(c.slot, c.operation);
    if (c.slot == 25 && c.operation == "play") {
      EXPECT_NEAR(c.simSeconds, clickAtS, 1e-9);
    }
  }
  const std::vector<std::pair<int, std::string>> expected = {
      {25, "play"}, {30, "play"}, {30, "stop"}, {31, "loop"}, {30, "stop"}, {31, "stop"}, {32, "play"}};
  EXPECT_EQ(plays, expected);
  const std::string mix = ::testing::TempDir() + "xaq_sound_link.wav";
  EXPECT_TRUE(host->sound.writeMix(mix, host->world.simSeconds));
  EXPECT_GT(std::filesystem::file_size(mix), 44u + 2u * 22050u * 24u);
  std::filesystem::remove(mix);
}

}  // namespace
}  // namespace xaq::sim
