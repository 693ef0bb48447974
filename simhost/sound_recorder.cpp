#include "simhost/sound_recorder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "common/format_text.h"

namespace xaq::sim {

int SoundRecorder::open(double nowS) {
  record(nowS, -1, "open");
  open_ = deviceAvailable;
  return open_ ? 1 : 0;
}

void SoundRecorder::close(double nowS) {
  record(nowS, -1, "close");
  open_ = false;
  for (Slot& s : slots_) s = Slot{};
}

int SoundRecorder::load(double nowS, int slot, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                        const std::uint8_t* samples, std::size_t size) {
  if (!open_ || slot < 0 || slot >= kSlots || samples == nullptr || channels == 0 || rate == 0 ||
      (bits != 8 && bits != 16)) {
    return 0;
  }
  record(nowS, slot, "load");
  // Down to one channel at the mix rate (nearest sample): enough to hear and to measure.
  const std::size_t frameBytes = static_cast<std::size_t>(channels) * (bits / 8);
  const std::size_t frames = size / frameBytes;
  Slot& s = slots_[static_cast<std::size_t>(slot)];
  s.samples.clear();
  const auto outFrames = static_cast<std::size_t>(static_cast<double>(frames) * kMixRate / rate);
  for (std::size_t i = 0; i < outFrames; ++i) {
    const std::size_t from = std::min(frames - 1, static_cast<std::size_t>(static_cast<double>(i) * rate / kMixRate));
    const std::uint8_t* p = samples + from * frameBytes;
    s.samples.push_back(bits == 16 ? static_cast<std::int16_t>(p[0] | p[1] << 8)
                                   : static_cast<std::int16_t>((p[0] - 128) * 256));
  }
  s.loaded = true;
  return 1;
}

int SoundRecorder::play(double nowS, int slot, bool loop) {
  if (!valid(slot)) return 0;
  record(nowS, slot, loop ? "loop" : "play");
  return 1;
}

int SoundRecorder::restore(double nowS, int slot, const std::uint8_t*, std::size_t) {
  if (!valid(slot)) return 0;
  record(nowS, slot, "restore");
  return 1;
}

int SoundRecorder::stop(double nowS, int slot) {
  if (!valid(slot)) return 0;
  record(nowS, slot, "stop");
  return 1;
}

int SoundRecorder::setVolume(double nowS, int slot, std::int32_t attenuation) {
  // The device takes 0 ... -10000 only, as the real one does.
  if (!valid(slot) || attenuation > 0 || attenuation < -10000) return 0;
  record(nowS, slot, "volume", attenuation);
  return 1;
}

void SoundRecorder::record(double nowS, int slot, const char* operation, std::int32_t attenuation) {
  calls_.push_back(SoundCall{nowS, slot, operation, attenuation});
}

bool SoundRecorder::writeList(const std::string& path) const {
  std::ofstream out(path, std::ios::binary);
  if (!out) return false;
  out << "time,slot,operation,attenuation\n";
  char line[96];
  for (const SoundCall& c : calls_) {
    formatText(line, sizeof line, "%.3f,%d,%s,%d\n", c.simSeconds, c.slot, c.operation.c_str(), c.attenuation);
    out << line;
  }
  return static_cast<bool>(out);
}

bool SoundRecorder::writeMix(const std::string& path, double endS) const {
  if (endS <= 0) return false;
  const auto total = static_cast<std::size_t>(endS * kMixRate);
  std::vector<double> mix(total, 0.0);
  // Each play sounds from its time until its slot's next play, loop or stop (or its end).
  std::array<std::int32_t, kSlots> volume{};
  bool played = false;
  for (std::size_t i = 0; i < calls_.size(); ++i) {
    const SoundCall& c = calls_[i];
    if (c.slot < 0) continue;
    if (c.operation == "volume") volume[static_cast<std::size_t>(c.slot)] = c.attenuation;
    if (c.operation != "play" && c.operation != "loop") continue;
    double untilS = endS;
    for (std::size_t j = i + 1; j < calls_.size(); ++j) {
      const SoundCall& later = calls_[j];
      if (later.slot == c.slot && (later.operation == "play" || later.operation == "loop" || later.operation == "stop")) {
        untilS = later.simSeconds;
        break;
      }
    }
    const std::vector<std::int16_t>& samples = slots_[static_cast<std::size_t>(c.slot)].samples;
    if (samples.empty()) continue;
    const double gain = std::pow(10.0, volume[static_cast<std::size_t>(c.slot)] / 2000.0);
    const auto from = static_cast<std::size_t>(c.simSeconds * kMixRate);
    const auto until = std::min(total, static_cast<std::size_t>(untilS * kMixRate));
    for (std::size_t at = from, k = 0; at < until; ++at, ++k) {
      if (k >= samples.size()) {
        if (c.operation != "loop") break;
        k = 0;
      }
      mix[at] += samples[k] * gain;
    }
    played = true;
  }
  if (!played) return false;
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i))); };
  auto u16 = [&](std::uint16_t v) { out.put(static_cast<char>(v)); out.put(static_cast<char>(v >> 8)); };
  const auto dataBytes = static_cast<std::uint32_t>(total * 2);
  out.write("RIFF", 4);
  u32(36 + dataBytes);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1); u16(1); u32(kMixRate); u32(kMixRate * 2); u16(2); u16(16);
  out.write("data", 4);
  u32(dataBytes);
  // The samples go out in one write: byte by byte through the stream took longer than the run.
  std::vector<char> data(total * 2);
  for (std::size_t i = 0; i < total; ++i) {
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(std::clamp(mix[i], -32768.0, 32767.0)));
    data[2 * i] = static_cast<char>(v);
    data[2 * i + 1] = static_cast<char>(v >> 8);
  }
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  return static_cast<bool>(out);
}

}  // namespace xaq::sim
