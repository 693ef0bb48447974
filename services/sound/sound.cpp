#include "services/sound/sound.h"

#include <algorithm>
#include <cmath>

namespace xaq::services {

std::int32_t attenuationFor(std::int32_t volumeSetting) {
  const std::int32_t setting = std::clamp(volumeSetting, 1, 100);
  // 20 log10(setting / 100), with the division taken out of the logarithm so that 10 % is
  // exactly -20 dB.
  const double decibels = 20.0 * (std::log10(static_cast<double>(setting)) - 2.0);
  return 100 * static_cast<std::int32_t>(std::trunc(decibels));
}

Sound::Sound(platform::SoundDevice* device, platform::ModuleResources* resources)
    : device_(device), resources_(resources) {}

Sound::~Sound() { shutDown(); }

void Sound::setUp(platform::WindowHandle hostWindow) {
  if (ready_ || device_ == nullptr) return;
  if (!device_->open(hostWindow)) return;
  for (int slot = 0; slot < kSoundSlots; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    loaded_[i] = false;
    if (resources_ == nullptr) continue;
    WaveImage image;
    if (!parseWaveImage(resources_->find(kSoundResourceType, kSoundNames[i]), image)) continue;
    if (!device_->load(slot, image.format, image.samples)) continue;
    images_[i] = image;
    loaded_[i] = true;
  }
  ready_ = true;
}

bool Sound::loaded(int slot) const { return slot >= 0 && slot < kSoundSlots && loaded_[static_cast<std::size_t>(slot)]; }

bool Sound::usable(int slot) const { return ready_ && loaded(slot); }

bool Sound::start(int slot, bool loop) {
  if (!usable(slot)) return false;
  switch (device_->play(slot, loop)) {
    case platform::SoundDevice::PlayOutcome::kPlaying:
      return true;
    case platform::SoundDevice::PlayOutcome::kLost:
      // Once per call: the buffer's memory back, the samples in again, then from the start.
      return device_->restore(slot, images_[static_cast<std::size_t>(slot)].samples) &&
             device_->play(slot, loop) == platform::SoundDevice::PlayOutcome::kPlaying;
    case platform::SoundDevice::PlayOutcome::kFailed:
      break;
  }
  return false;
}

bool Sound::play(int slot) { return start(slot, false); }

bool Sound::playLooped(int slot) { return start(slot, true); }

bool Sound::stop(int slot) { return usable(slot) && device_->stop(slot); }

bool Sound::setSlotVolume(int slot, std::int32_t hundredthsOfDecibel) {
  return usable(slot) && device_->setAttenuation(slot, hundredthsOfDecibel);
}

void Sound::setVolume(std::int32_t volumeSetting) {
  if (!ready_) return;
  const std::int32_t attenuation = attenuationFor(volumeSetting);
  for (int slot = 0; slot < kSoundSlots; ++slot) setSlotVolume(slot, attenuation);
}

bool Sound::shutDown() {
  if (ready_) device_->close();
  ready_ = false;
  loaded_.fill(false);
  images_.fill(WaveImage{});
  return true;
}

}  // namespace xaq::services
