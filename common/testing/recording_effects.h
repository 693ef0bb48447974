#pragma once
// Effects doors that remember what a part did, for the parts' test beds.

#include <cstdint>
#include <utility>
#include <vector>

#include "common/effects.h"
#include "common/light_board.h"

namespace xaq::testing {

class RecordingEffects final : public HostEventDoor, public LightDoor, public SoundDoor {
 public:
  enum class SoundAction { kPlay, kLoop, kStop, kVolume };
  struct SoundRequest {
    SoundAction action;
    int slot;
    std::int32_t attenuation = 0;  // for kVolume
    bool operator==(const SoundRequest&) const = default;
  };

  void trigger(std::uint32_t eventId, std::uint32_t value) override { events.emplace_back(eventId, value); }
  void set(int light) override { lights.set(light, true); }
  void clear(int light) override { lights.set(light, false); }
  void play(int slot) override { sounds.push_back({SoundAction::kPlay, slot}); }
  void loop(int slot) override { sounds.push_back({SoundAction::kLoop, slot}); }
  void stop(int slot) override { sounds.push_back({SoundAction::kStop, slot}); }
  void volume(int slot, std::int32_t attenuation) override {
    sounds.push_back({SoundAction::kVolume, slot, attenuation});
  }

  Effects doors() { return Effects{*this, *this, *this}; }

  // How many times the part sent this host event.
  int eventCount(std::uint32_t id) const {
    int n = 0;
    for (const auto& e : events) n += e.first == id ? 1 : 0;
    return n;
  }

  std::vector<std::pair<std::uint32_t, std::uint32_t>> events;
  LightBoard lights;
  std::vector<SoundRequest> sounds;
};

}  // namespace xaq::testing
