// The made sounds: every slot has one in the format the module expects, the same bytes on every
// run, and the APU's three sounds meet at one pitch with a loop that repeats without a seam.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "resources/sounds/voices.h"
#include "services/sound/sound.h"

namespace xaq::sounds {
namespace {

// Frequency from the upward zero crossings of the fundamental over [from, from + seconds).
double pitchHz(const Samples& s, double fromS, double seconds) {
  const auto begin = static_cast<std::size_t>(fromS * kSampleRate);
  const auto end = std::min(s.size(), begin + static_cast<std::size_t>(seconds * kSampleRate));
  // Smoothed first, so the harmonic and the hiss do not add crossings.
  double smooth = 0, previous = 0;
  int crossings = 0;
  for (std::size_t i = begin; i < end; ++i) {
    smooth += (s[i] - smooth) * 0.25;
    if (previous < 0 && smooth >= 0) ++crossings;
    previous = smooth;
  }
  return crossings / seconds;
}

TEST(Sounds, EverySlotHasAWaveOfTheModulesFormat) {
  for (const char* name : services::kSoundNames) {
    const std::vector<std::uint8_t> file = waveFile(voice(name));
    services::WaveImage image;
    ASSERT_TRUE(services::parseWaveImage({file.data(), file.size()}, image)) << name;
    EXPECT_EQ(image.format.formatTag, 1) << name;
    EXPECT_EQ(image.format.channels, 1) << name;
    EXPECT_EQ(image.format.samplesPerSecond, 22050u) << name;
    EXPECT_EQ(image.format.bitsPerSample, 16) << name;
    EXPECT_GT(image.samples.size, 200u) << name;
    EXPECT_EQ(voice(name), voice(name)) << name << " is made the same way every time";
  }
  EXPECT_TRUE(voice("NOSUCH").empty());
}

TEST(Sounds, ClicksAreShortAndTheKeyClickShorterThanTheSwitch) {
  EXPECT_LT(voice("KEY").size(), voice("STOP").size());
  EXPECT_LT(voice("STOP").size(), kSampleRate / 10);
}

TEST(Sounds, TheApuStartRunAndStopMeetAtOnePitch) {
  const Samples start = voice("APUIN"), loop = voice("APULOOP"), stop = voice("APUOUT");
  const double startS = static_cast<double>(start.size()) / kSampleRate;
  EXPECT_NEAR(pitchHz(start, startS - 0.2, 0.2), kApuPitchHz, kApuPitchHz * 0.05);
  EXPECT_NEAR(pitchHz(loop, 0, kApuLoopSeconds), kApuPitchHz, kApuPitchHz * 0.02);
  EXPECT_NEAR(pitchHz(stop, 0, 0.2), kApuPitchHz, kApuPitchHz * 0.05);
  EXPECT_LT(pitchHz(start, 0, 0.5), kApuPitchHz / 3) << "the start spools up";
  // Looping: the last sample leads into the first as any two neighbours inside the loop do.
  int largestStep = 0;
  for (std::size_t i = 1; i < loop.size(); ++i) largestStep = std::max(largestStep, std::abs(loop[i] - loop[i - 1]));
  EXPECT_LE(std::abs(loop.front() - loop.back()), largestStep);
}

}  // namespace
}  // namespace xaq::sounds
