#pragma once
// The real effects doors the frame hands the parts: key events go to the host, lights to the
// annunciators (so the quiet start and the master latches apply to every light), sounds to the cockpit's sound service (off until it is
// started, so requests then have no effect).

#include <cstdint>

#include "common/effects.h"
#include "services/sound/sound.h"

namespace xaq::frame {

class FrameEffects final : public HostEventDoor, public LightDoor, public SoundDoor {
 public:
  void trigger(std::uint32_t eventId, std::uint32_t value) override;
  void set(int light) override {
    if (lights_ != nullptr) lights_->set(light);
  }
  void clear(int light) override {
    if (lights_ != nullptr) lights_->clear(light);
  }
  void play(int slot) override {
    if (sound_ != nullptr) sound_->play(slot);
  }
  void loop(int slot) override {
    if (sound_ != nullptr) sound_->playLooped(slot);
  }
  void stop(int slot) override {
    if (sound_ != nullptr) sound_->stop(slot);
  }
  void volume(int slot, std::int32_t hundredthsOfDecibel) override {
    if (sound_ != nullptr) sound_->setSlotVolume(slot, hundredthsOfDecibel);
  }
  // The annunciators (null: lights go nowhere).
  void connectLights(LightDoor* lights) { lights_ = lights; }
  // The module's sound service (null: requests go nowhere).
  void connectSound(services::Sound* sound) { sound_ = sound; }

  Effects doors() { return Effects{*this, *this, *this}; }

 private:
  LightDoor* lights_ = nullptr;
  services::Sound* sound_ = nullptr;
};

}  // namespace xaq::frame
