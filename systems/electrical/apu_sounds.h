#pragma once
// The APU's three sounds: the start whine once, the running loop, the shut-down whine once. The
// APU tells which phase it enters; each phase's sound starts only when the phase is new, and
// the sounds of the earlier phases are stopped and silenced so they never overlap.

#include <cstdint>

#include "common/effects.h"
#include "common/sound_slots.h"

namespace xaq::systems {

class ApuSounds {
 public:
  // The attenuation the APU plays its sounds at (hundredths of a decibel).
  void setVolume(std::int32_t hundredthsOfDecibel) { volume_ = hundredthsOfDecibel; }

  void enterStarting(SoundDoor& sounds);
  void enterRunning(SoundDoor& sounds);
  void enterStopping(SoundDoor& sounds);

  bool starting() const { return starting_; }
  bool running() const { return running_; }
  bool stopping() const { return stopping_; }

 private:
  std::int32_t volume_ = 0;
  bool starting_ = false;
  bool running_ = false;
  bool stopping_ = false;
};

}  // namespace xaq::systems
