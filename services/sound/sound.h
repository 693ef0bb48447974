#pragma once
// The cockpit's sounds: 34 slots, each a WAV resource of the module by name with its own buffer
// on the sound device. Set up with the host's window when the module is created, shut down when
// it is destroyed. Without a device (or before set-up, or after shut-down) sound is off: every
// call then does nothing and reports false.

#include <array>
#include <cstdint>

#include "common/sound_slots.h"

#include "platform/ports.h"
#include "services/sound/wave_image.h"

namespace xaq::services {

inline constexpr int kSoundSlots = 34;
inline constexpr char kSoundResourceType[] = "WAV";

// The resource name of each slot, in slot order.
inline constexpr std::array<const char*, kSoundSlots> kSoundNames = {
    "A5",        "A20",       "A30",      "A40",        "A50",       "A100",           "A200",
    "A300",      "A400",      "BANKANGLE", "DONTSINK",  "GEAR",      "FLAPS",          "GLIDESLOPE",
    "GLIDESLOPESOFT", "MINIMUMS", "PULLUP", "SINKRATE", "TERRAIN",   "TERRAINTERRAIN", "TOOLOWTERRAIN",
    "APPRMIN",   "KLICK",     "BLIP",     "ENT",        "STOP",      "KEY",            "DISCONNECT",
    "CAUTION",   "SEAT",      "APUIN",    "APULOOP",    "APUOUT",    "RETARD",
};

namespace sound = ::xaq::sound;

inline constexpr std::int32_t kDefaultSoundVolume = 80;

// The attenuation of a volume setting in percent, in hundredths of a decibel: 20 log10 of the
// fraction, cut toward zero to whole decibels. Settings below 1 count as 1 and above 100 as 100
// (louder than full would be a positive attenuation, which the device refuses).
std::int32_t attenuationFor(std::int32_t volumeSetting);

class Sound {
 public:
  // Either port may be null: sound then stays off.
  Sound(platform::SoundDevice* device, platform::ModuleResources* resources);
  ~Sound();
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  // Opens the device for the host's window and loads every slot; off when the device fails.
  void setUp(platform::WindowHandle hostWindow);
  bool ready() const { return ready_; }
  bool loaded(int slot) const;

  // From the beginning, once or looped; a lost buffer is restored once and played again.
  bool play(int slot);
  bool playLooped(int slot);
  bool stop(int slot);
  bool setSlotVolume(int slot, std::int32_t hundredthsOfDecibel);
  // The module-wide setting (percent) applied to every slot.
  void setVolume(std::int32_t volumeSetting);
  bool shutDown();

 private:
  bool usable(int slot) const;
  bool start(int slot, bool loop);

  platform::SoundDevice* device_;
  platform::ModuleResources* resources_;
  bool ready_ = false;
  std::array<WaveImage, kSoundSlots> images_{};
  std::array<bool, kSoundSlots> loaded_{};
};

}  // namespace xaq::services
