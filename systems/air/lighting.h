#pragma once
// The panel lighting state: the instrument and flood lighting as the host keeps them, whether it
// is daylight outside, and from those the night-images flag every gauge with day and night
// artwork follows. Daylight comes from the add-on while it is connected; otherwise from the sun
// at the aircraft's place and date, worked out again whenever the host's minute changes.

#include <cstdint>

#include "common/cycle_context.h"
#include "systems/air/sun.h"

namespace xaq::systems {

// The add-on's time-of-day code: 1 day, 2 dusk or dawn, 4 night.
inline constexpr std::uint8_t kAddonDaytime = 1;

struct LightingInputs {
  bool instrumentLights = false;   // host variable 621
  bool floodLights = false;        // host variable 10
  bool dcPowerLastCycle = false;   // the electrical system updates after the lighting
  bool addonConnected = false;
  std::uint8_t addonTimeOfDay = 0;
  // The host's clock and calendar (3, 4, 5; 745, 746, 747), its zone (6) and the position.
  int localHour = 0;
  int localMinute = 0;
  int localSecond = 0;
  double utcOffsetHours = 0;       // UTC = local time - offset
  CalendarDate date;
  double latitudeDeg = 0;
  double longitudeDeg = 0;
};

struct LightingState {
  bool nightImages = false;
  bool instrumentLighting = false;
  bool floodLighting = false;
  bool daylight = true;
};

class PanelLighting {
 public:
  static constexpr double kDaylightAfterSunriseH = 1.5;
  static constexpr double kDaylightBeforeSunsetH = 1.0;

  void update(const CycleContext& now, const LightingInputs& in);
  const LightingState& state() const { return state_; }

 private:
  LightingState state_;
  int lastMinute_ = -1;
};

// Daylight at `utcHours` (0 ... 24) of a day with these sun events: between sunrise + 1.5 h and
// sunset - 1 h. Events are on the same UTC date and may lie outside 0 ... 24.
bool daylightAt(const SunEvents& sun, double utcHours);

}  // namespace xaq::systems
