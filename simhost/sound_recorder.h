#pragma once
// The sim host's sound device: it keeps each slot's samples as the module loads them and records
// every call with the simulation time (slot, operation, attenuation), so a scenario can expect
// "slot 25 played at 12.3 s". At the end of a run it writes the list (sounds.csv) and what the
// cockpit would have sounded like (sounds.wav: the plays mixed, 22.05 kHz 16-bit mono).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace xaq::sim {

struct SoundCall {
  double simSeconds = 0;
  int slot = -1;          // -1 for the device's own calls (open, close)
  std::string operation;  // open, close, load, play, loop, restore, stop, volume
  std::int32_t attenuation = 0;  // for volume
};

class SoundRecorder {
 public:
  static constexpr int kSlots = 34;
  static constexpr std::uint32_t kMixRate = 22050;

  bool deviceAvailable = true;  // false: opening fails, as without a sound card

  // The calls the module's portable sound port makes; non-zero = success.
  int open(double nowS);
  void close(double nowS);
  int load(double nowS, int slot, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
           const std::uint8_t* samples, std::size_t size);
  int play(double nowS, int slot, bool loop);
  int restore(double nowS, int slot, const std::uint8_t* samples, std::size_t size);
  int stop(double nowS, int slot);
  int setVolume(double nowS, int slot, std::int32_t attenuation);

  const std::vector<SoundCall>& calls() const { return calls_; }
  bool open() const { return open_; }

  // "time,slot,operation,attenuation" lines.
  bool writeList(const std::string& path) const;
  // The plays mixed up to `endS`; false when nothing played.
  bool writeMix(const std::string& path, double endS) const;

 private:
  struct Slot {
    bool loaded = false;
    std::vector<std::int16_t> samples;  // at kMixRate, mono
  };
  bool valid(int slot) const { return open_ && slot >= 0 && slot < kSlots && slots_[static_cast<std::size_t>(slot)].loaded; }
  void record(double nowS, int slot, const char* operation, std::int32_t attenuation = 0);

  bool open_ = false;
  std::array<Slot, kSlots> slots_{};
  std::vector<SoundCall> calls_;
};

}  // namespace xaq::sim
