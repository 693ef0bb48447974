#pragma once
// The aircraft state object: every part of the simulated aircraft, built in a fixed order, run
// once per 56 ms cycle, released in reverse order. Parts are members so that the language's
// construction and destruction order is the aircraft's: keep the declaration order as it is.

#include <cstdint>

#include "displays/analog/airspeed_bug.h"
#include "frame/host_link.h"
#include "services/saved_state.h"

namespace xaq::frame {

// Turns the rising and falling edges of DC power into one power-up or power-down each.
class PowerEdge {
 public:
  template <typename Up, typename Down>
  void update(bool powered, Up&& powerUp, Down&& powerDown) {
    if (powered && !previous_) powerUp();
    if (!powered && previous_) powerDown();
    previous_ = powered;
  }
  bool previous() const { return previous_; }

 private:
  bool previous_ = false;
};

// Item 26: flags the whole module shares.
struct ModuleFlags {
  bool fmcKeyboardActive = false;
  bool enginesOffAtStart = false;
  bool darkCockpit = false;
  bool dcPowerCopy = false;
  std::int32_t soundVolume = 80;
  services::StoreLocation* storeLocation = nullptr;
};

class AircraftState {
 public:
  AircraftState();
  ~AircraftState();
  AircraftState(const AircraftState&) = delete;
  AircraftState& operator=(const AircraftState&) = delete;

  // One cycle: sample, exchange with the add-on, update the parts in order, power edges.
  void runCycle();

  // Saves the selections that survive a destroy (once per module lifetime).
  void saveState();

  // Written by the electrical system each cycle; every powered part tests it.
  bool dcPowerAvailable = false;

 private:
  // The store is built before every part because parts fetch their saved values while they are
  // constructed; the module-wide flags point at its location record.
  services::SavedState savedState_;

 public:
  HostLink link;                                    // 1
  // 2 warnings and cautions: annunciation room
  displays::AirspeedBug airspeedBug{savedState_};   // 3
  std::uint32_t smallRecord[4] = {};                // 4
  // 5 radios: switches room
  displays::RmiSources rmiSources{savedState_};     // 6
  // 7 panel switches, 8 electrical system, 9 panel lighting and daylight: systems rooms
  std::int32_t guidanceCounter = 10000;             // 10
  // 11 clock, 12 landing-gear indication, 13 attitude-director settings and clipboard,
  // 14 advisory display, 15 flight guidance, 16 de-ice sequencer, 17 APU, 18 wipers,
  // 19 cabin pressure controller, 20 engines, 21 weather radar picture, 22 fuel transfer,
  // 23 EFIS display-control panel, 24 traffic display data, 25 flight management
  ModuleFlags flags;                                // 26

 private:
  PowerEdge powerEdge_;
  bool stateSaved_ = false;
};

}  // namespace xaq::frame
