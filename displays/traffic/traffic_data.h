#pragma once
// The traffic display's data: the traffic table read from the add-on's list, a screen record per
// target, and the flag that tells the display a new list has come. The list is taken once a
// second of simulation time (the add-on moves its targets once per exchange, and a collision
// avoidance system's surveillance runs at about that rate); each new list is assessed at once.
//
// The display is enabled while the instrument bus is powered: the transponder has no mode
// selector in this cockpit, so nothing else can put the traffic system in standby.

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/cycle_context.h"
#include "displays/traffic/traffic_logic.h"
#include "displays/traffic/traffic_table.h"

namespace xaq::displays {

struct TrafficScreenRecord {
  double x = 0.0, y = 0.0;          // pixels right of and above the own aircraft (the display's)
  std::int32_t onScreen = 0;        // the display's
  std::int32_t inUse = 0;           // the traffic logic's, as the rest below
  std::int32_t threatLevel = 0;
  double relativeAltitudeFt = 0.0;
};

// This cycle's list, when one was asked for: the bytes the link delivered (none when the read
// failed) or nothing asked.
struct TrafficList {
  bool asked = false;
  const std::uint8_t* bytes = nullptr;
  std::size_t size = 0;
};

struct TrafficInputs {
  bool instrumentPower = false;
  OwnAircraft own;
  TrafficList list;
};

struct TrafficState {
  bool displayEnabled = false;
  bool instrumentPower = false;
  TrafficTable table;
  // Where the own aircraft was when the list came: the positions are seen from there.
  OwnAircraft ownAtList;
};

class TrafficData {
 public:
  static constexpr double kListIntervalS = 1.0;

  // Whether this cycle should ask the link for the list.
  bool listDue(const CycleContext& now) const;

  void update(const CycleContext& now, const TrafficInputs& inputs);

  const TrafficState& state() const { return state_; }
  const std::array<TrafficScreenRecord, kTrafficSlots>& screen() const { return screen_; }

  // The display's side: takes (and clears) the new-traffic-data flag, and writes the screen
  // positions into the records when it takes a new list.
  bool takeNewTrafficData();
  bool newTrafficData() const { return newTrafficData_ != 0; }
  TrafficScreenRecord& screenRecord(std::size_t i) { return screen_[i]; }

 private:
  TrafficState state_;
  std::array<TrafficScreenRecord, kTrafficSlots> screen_{};
  std::uint8_t newTrafficData_ = 0;
  double nextListS_ = 0.0;
  bool listTaken_ = false;
};

}  // namespace xaq::displays
