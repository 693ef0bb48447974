#include "resources/sounds/voices.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace xaq::sounds {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRate = kSampleRate;

// The same noise on every build: a fixed-seed linear congruential generator.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

std::size_t frames(double seconds) { return static_cast<std::size_t>(std::lround(seconds * kRate)); }

Samples toSamples(const std::vector<double>& signal, double level) {
  Samples out(signal.size());
  for (std::size_t i = 0; i < signal.size(); ++i) {
    out[i] = static_cast<std::int16_t>(std::lround(std::clamp(signal[i] * level, -1.0, 1.0) * 32767.0));
  }
  return out;
}

// A mechanical click: a noise burst through a resonance, decaying in `decayS`.
Samples click(double seconds, double resonanceHz, double decayS, std::uint32_t seed, double level) {
  Noise noise(seed);
  std::vector<double> s(frames(seconds));
  // A two-pole resonator rings at the switch body's frequency.
  const double r = std::exp(-1.0 / (decayS * kRate));
  const double a1 = 2.0 * r * std::cos(2.0 * kPi * resonanceHz / kRate), a2 = -r * r;
  double y1 = 0, y2 = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double excitation = noise.next() * std::exp(-t / (decayS * 0.25));
    const double y = excitation + a1 * y1 + a2 * y2;
    y2 = y1;
    y1 = y;
    s[i] = y;
  }
  double peak = 1e-9;
  for (double v : s) peak = std::max(peak, std::fabs(v));
  for (double& v : s) v /= peak;
  return toSamples(s, level);
}

// Tones one after the other: (frequency, seconds) pairs, each with soft edges.
Samples tones(const std::vector<std::pair<double, double>>& parts, double level) {
  std::vector<double> s;
  for (const auto& [hz, seconds] : parts) {
    const std::size_t n = frames(seconds);
    const double edge = std::min(0.01, seconds / 4);
    for (std::size_t i = 0; i < n; ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double envelope = std::min({1.0, t / edge, (seconds - t) / edge});
      s.push_back(hz > 0 ? std::sin(2 * kPi * hz * t) * envelope : 0.0);
    }
  }
  return toSamples(s, level);
}

// Two struck tones that ring out: the caution chime.
Samples chime(double firstHz, double secondHz, double seconds) {
  std::vector<double> s(frames(seconds));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double v = std::sin(2 * kPi * firstHz * t) * std::exp(-t / 0.35);
    if (t > 0.25) v += std::sin(2 * kPi * secondHz * (t - 0.25)) * std::exp(-(t - 0.25) / 0.35);
    s[i] = v * 0.5 * std::min(1.0, t / 0.003);
  }
  return toSamples(s, 0.8);
}

// A seat's creak: low rumble of filtered noise, swelling and fading.
Samples seat() {
  Noise noise(0x5EA7u);
  std::vector<double> s(frames(0.9));
  double low = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    low += (noise.next() - low) * 0.05;
    const double creak = std::sin(2 * kPi * (180 + 60 * std::sin(2 * kPi * 3 * t)) * t) * 0.3;
    s[i] = (low * 4 + creak) * std::sin(kPi * t / 0.9);
  }
  return toSamples(s, 0.6);
}

// The APU whine at a pitch that moves from `fromHz` to `toHz` over the sound, loudness from
// `fromLevel` to `toLevel`: the fundamental, its third harmonic and a little turbine hiss.
Samples whine(double seconds, double fromHz, double toHz, double fromLevel, double toLevel, std::uint32_t seed,
              bool seamless) {
  Noise noise(seed);
  std::vector<double> s(frames(seconds));
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double x = static_cast<double>(i) / static_cast<double>(s.size());
    // Spool-up and run-down follow an easing curve, not a straight line.
    const double eased = x * x * (3 - 2 * x);
    const double hz = fromHz + (toHz - fromHz) * eased;
    const double level = fromLevel + (toLevel - fromLevel) * eased;
    phase += 2 * kPi * hz / kRate;
    const double hiss = seamless ? 0.0 : noise.next() * 0.08;
    s[i] = level * (0.7 * std::sin(phase) + 0.25 * std::sin(3 * phase) + hiss);
  }
  return toSamples(s, 0.7);
}

Samples callout(int index) {
  // A short pattern per voice slot: a tone whose pitch tells the slots apart.
  const double hz = 500.0 + 60.0 * index;
  return tones({{hz, 0.18}, {0, 0.06}, {hz * 1.25, 0.18}}, 0.5);
}

}  // namespace

Samples voice(const std::string& name) {
  static const std::map<std::string, int> kCallouts = {
      {"A5", 0},          {"A20", 1},           {"A30", 2},         {"A40", 3},       {"A50", 4},
      {"A100", 5},        {"A200", 6},          {"A300", 7},        {"A400", 8},      {"BANKANGLE", 9},
      {"DONTSINK", 10},   {"GEAR", 11},         {"FLAPS", 12},      {"GLIDESLOPE", 13}, {"GLIDESLOPESOFT", 14},
      {"MINIMUMS", 15},   {"PULLUP", 16},       {"SINKRATE", 17},   {"TERRAIN", 18},  {"TERRAINTERRAIN", 19},
      {"TOOLOWTERRAIN", 20}, {"APPRMIN", 21},   {"RETARD", 22},
  };
  if (name == "STOP") return click(0.06, 2300, 0.012, 0x57u, 0.9);
  if (name == "KEY") return click(0.012, 3800, 0.003, 0x4Bu, 0.7);
  if (name == "KLICK") return click(0.03, 1600, 0.008, 0x4Cu, 0.8);
  if (name == "BLIP") return tones({{1000, 0.1}}, 0.5);
  if (name == "ENT") return tones({{880, 0.09}, {1320, 0.1}}, 0.5);
  if (name == "CAUTION") return chime(660, 880, 0.75);
  if (name == "DISCONNECT") return tones({{700, 0.12}, {950, 0.12}, {700, 0.12}, {950, 0.12}, {700, 0.12}, {950, 0.12}}, 0.5);
  if (name == "SEAT") return seat();
  if (name == "APUIN") return whine(8.0, 40, kApuPitchHz, 0.05, 1.0, 0xA1u, false);
  if (name == "APULOOP") return whine(kApuLoopSeconds, kApuPitchHz, kApuPitchHz, 1.0, 1.0, 0xA2u, true);
  if (name == "APUOUT") return whine(6.0, kApuPitchHz, 30, 1.0, 0.0, 0xA3u, false);
  const auto found = kCallouts.find(name);
  return found != kCallouts.end() ? callout(found->second) : Samples{};
}

std::vector<std::uint8_t> waveFile(const Samples& samples) {
  std::vector<std::uint8_t> b;
  auto text = [&](const char* t) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(t[i]));
  };
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  auto u16 = [&](std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  text("RIFF");
  u32(36 + dataBytes);
  text("WAVE");
  text("fmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);
  u32(kSampleRate);
  u32(kSampleRate * 2);
  u16(2);
  u16(16);
  text("data");
  u32(dataBytes);
  for (std::int16_t s : samples) u16(static_cast<std::uint16_t>(s));
  return b;
}

}  // namespace xaq::sounds
