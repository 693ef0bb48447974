#pragma once
// Creating and destroying the aircraft state object, and the module-wide pointer to it that
// every callback tests before doing anything.

#include "frame/aircraft_state.h"
#include "platform/ports.h"

namespace xaq::frame {

inline constexpr std::uint32_t kCyclePeriodMs = 56;

namespace detail {
// Set by createModule() and destroyModule() only; read through aircraft().
extern AircraftState* gAircraft;
}  // namespace detail

// The aircraft state, or null before creation and after destruction. Every element callback of
// every frame asks, so it is inline.
inline AircraftState* aircraft() { return detail::gAircraft; }

// The host's main window ("FS98MAIN") as found at creation; 0 when there is none.
platform::WindowHandle hostMainWindow();

// Runs at most once while created; later calls return at once.
void createModule();

// Only when created: stops everything, saves, releases the parts in reverse order.
void destroyModule();

bool moduleCreated();

// Start-up settings: with engines off at start or a dark cockpit the host shuts the engines down.
void applyStartupSettings(AircraftState& state);

// The timer's callback: one cycle on the object the timer was started for, if it is still set.
void onCycleTimer(void* context);

}  // namespace xaq::frame
