#pragma once
// The real effects doors the frame hands the parts: key events go to the host, lights to the
// light board the annunciators show, sounds to the cockpit's sound service (off until it is
// started, so requests then have no effect).

#include <cstdint>

#include "common/effects.h"
#include "common/light_board.h"
#include "services/sound/sound.h"

namespace xaq::frame {

class FrameEffects final : public HostEventDoor, public LightDoor, public SoundDoor {
 public:
  void trigger(std::uint32_t eventId, std::uint32_t value) override;
  void set(int light) override { lights_.set(light, true); }
  void clear(int light) override { lights_.set(light, false); }
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
  // The module's sound service (null: requests go nowhere).
  void connectSound(services::Sound* sound) { sound_ = sound; }

  Effects doors() { return Effects{*this, *this, *this}; }
  const LightBoard& lights() const { return lights_; }

 private:
  LightBoard lights_;
  services::Sound* sound_ = nullptr;
};

}  // namespace xaq::frame
