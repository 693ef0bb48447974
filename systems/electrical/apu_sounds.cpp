#include "systems/electrical/apu_sounds.h"

namespace xaq::systems {

void ApuSounds::enterStarting(SoundDoor& sounds) {
  if (starting_) return;
  sounds.volume(sound::kApuStart, volume_);
  sounds.play(sound::kApuStart);
  starting_ = true;
  // A new start may end in a new shut-down, which must be heard again.
  stopping_ = false;
}

void ApuSounds::enterRunning(SoundDoor& sounds) {
  sounds.stop(sound::kApuStart);
  sounds.volume(sound::kApuStart, sound::kSilence);
  if (!running_) {
    sounds.volume(sound::kApuRunning, volume_);
    sounds.loop(sound::kApuRunning);
  }
  running_ = true;
  stopping_ = false;
}

void ApuSounds::enterStopping(SoundDoor& sounds) {
  sounds.stop(sound::kApuStart);
  sounds.volume(sound::kApuStart, sound::kSilence);
  sounds.stop(sound::kApuRunning);
  sounds.volume(sound::kApuRunning, sound::kSilence);
  if (!stopping_) {
    sounds.volume(sound::kApuShutDown, volume_);
    sounds.play(sound::kApuShutDown);
  }
  stopping_ = true;
  starting_ = false;
  running_ = false;
}

}  // namespace xaq::systems
