#pragma once
// The cockpit's 34 sounds, made from fixed formulas (and a fixed-seed noise source) at build
// time: clicks for switches, push buttons and keys, a chime, a seat creak, the APU's start,
// run and shut-down whine at one pitch, and simple tone patterns for the rest.

#include <cstdint>
#include <string>
#include <vector>

namespace xaq::sounds {

inline constexpr std::uint32_t kSampleRate = 22050;

using Samples = std::vector<std::int16_t>;  // mono, kSampleRate

// The APU's running pitch: the start whine ends on it, the loop holds it, the shut-down begins
// on it. The loop holds a whole number of its cycles, so it repeats without a seam.
inline constexpr double kApuPitchHz = 420.0;
inline constexpr double kApuLoopSeconds = 2.0;

// The sound of one slot by its resource name (empty for an unknown name).
Samples voice(const std::string& name);

// A RIFF WAVE image: PCM, 1 channel, 16 bits, kSampleRate.
std::vector<std::uint8_t> waveFile(const Samples& samples);

}  // namespace xaq::sounds
