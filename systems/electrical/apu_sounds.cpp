#include "systems/electrical/apu_sounds.h"

namespace xaq::systems {

void ApuSounds::enterStarting(SoundDoor& sounds) {
  if (starting_) return;
  sounds.volume(apu_sound::kStart, volume_);
  sounds.play(apu_sound::kStart);
  starting_ = true;
  // A new start may end in a new shut-down, which must be heard again.
  stopping_ = false;
}

void ApuSounds::enterRunning(SoundDoor& sounds) {
  sounds.stop(apu_sound::kStart);
  sounds.volume(apu_sound::kStart, apu_sound::kSilence);
  if (!running_) {
    sounds.volume(apu_sound::kRunning, volume_);
    sounds.loop(apu_sound::kRunning);
  }
  running_ = true;
  stopping_ = false;
}

void ApuSounds::enterStopping(SoundDoor& sounds) {
  sounds.stop(apu_sound::kStart);
  sounds.volume(apu_sound::kStart, apu_sound::kSilence);
  sounds.stop(apu_sound::kRunning);
  sounds.volume(apu_sound::kRunning, apu_sound::kSilence);
  if (!stopping_) {
    sounds.volume(apu_sound::kShutDown, volume_);
    sounds.play(apu_sound::kShutDown);
  }
  stopping_ = true;
  starting_ = false;
  running_ = false;
}

}  // namespace xaq::systems
