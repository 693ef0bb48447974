#include "frame/module_lifecycle.h"

#include <new>

#include "frame/host_services.h"

namespace xaq::frame {

namespace {

AircraftState* gAircraft = nullptr;
AircraftState* gTimerObject = nullptr;
platform::WindowHandle gMainWindow = 0;
bool gCreated = false;
bool gStateSavedThisLoad = false;

constexpr std::uint32_t kEventEngineShutdown1 = 65987;
constexpr std::uint32_t kEventEngineShutdown2 = 65992;

}  // namespace

AircraftState* aircraft() { return gAircraft; }

platform::WindowHandle hostMainWindow() { return gMainWindow; }

bool moduleCreated() { return gCreated; }

void onCycleTimer(void* context) {
  if (gTimerObject != nullptr && gTimerObject == context) gTimerObject->runCycle();
}

void applyStartupSettings(AircraftState& state) {
  if (state.flags.enginesOffAtStart || state.flags.darkCockpit) {
    triggerKeyEvent(kEventEngineShutdown1, 1);
    triggerKeyEvent(kEventEngineShutdown2, 1);
  }
  // With a dark cockpit the panel switches go to their off positions here.
}

void createModule() {
  if (gCreated) return;
  platform::Ports& ports = platform::ports();

  // 1. The host's main window, for sound and the keyboard hook.
  gMainWindow = ports.windows != nullptr ? ports.windows->find("FS98MAIN") : 0;

  // 2. Sound starts here with that window.

  // 3. The aircraft and its parts.
  if (gAircraft == nullptr) {
    gAircraft = new (std::nothrow) AircraftState();
    if (gAircraft == nullptr) return;  // out of memory: stay uncreated and try again later
  }

  // 4. The 56 ms cycle.
  gTimerObject = gAircraft;
  if (ports.timer != nullptr) ports.timer->start(kCyclePeriodMs, &onCycleTimer, gAircraft);

  // 5-6. The settings file, keyboard hook and sound volume are applied here.

  // 7. Start-up settings.
  applyStartupSettings(*gAircraft);

  // 8.
  gCreated = true;
}

void destroyModule() {
  if (!gCreated) return;
  gCreated = false;
  platform::Ports& ports = platform::ports();
  // The keyboard hook comes off first.
  if (ports.timer != nullptr) ports.timer->stop();
  gTimerObject = nullptr;
  // Sound shuts down here.
  if (gAircraft != nullptr) {
    if (!gStateSavedThisLoad) {
      gAircraft->saveState();
      gStateSavedThisLoad = true;
    }
    delete gAircraft;  // members go in reverse order of construction
  }
  gAircraft = nullptr;
}

}  // namespace xaq::frame
