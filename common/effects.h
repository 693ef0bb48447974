#pragma once
// The doors through which the parts act on the world: host key events, the caution and warning
// lights, and cockpit sounds. A part's update takes an Effects& and never calls the host, the
// annunciators or the sound device directly; the frame hands the real doors in, tests hand in
// recorders (common/testing/recording_effects.h).

#include <cstdint>

namespace xaq {

class HostEventDoor {
 public:
  virtual ~HostEventDoor() = default;
  // The host performs the event before its next frame.
  virtual void trigger(std::uint32_t eventId, std::uint32_t value) = 0;
};

// Caution and warning lights by light index.
class LightDoor {
 public:
  virtual ~LightDoor() = default;
  virtual void set(int light) = 0;
  virtual void clear(int light) = 0;
  void show(int light, bool on) { on ? set(light) : clear(light); }
};

// Cockpit sounds by slot (0-33); while sound is off the requests have no effect.
class SoundDoor {
 public:
  virtual ~SoundDoor() = default;
  virtual void play(int slot) = 0;
  virtual void loop(int slot) = 0;
  virtual void stop(int slot) = 0;
  // The slot's own volume in hundredths of a decibel (0 full ... -10000 silent).
  virtual void volume(int slot, std::int32_t hundredthsOfDecibel) = 0;
};

struct Effects {
  HostEventDoor& events;
  LightDoor& lights;
  SoundDoor& sounds;
};

}  // namespace xaq
