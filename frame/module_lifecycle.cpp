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

  // The host's main window, for sound and the keyboard hook.
  gMainWindow = ports.windows != nullptr ? ports.windows->find("FS98MAIN") : 0;

  // Sound starts here with that window.

  // The aircraft and its parts, given what the module learns of its installation once.
  if (gAircraft == nullptr) {
    ModuleEnvironment environment;
    if (ports.files != nullptr) environment.simulatorFolder = ports.files->simulatorFolder();
    gAircraft = new (std::nothrow) AircraftState(environment);
    if (gAircraft == nullptr) return;  // out of memory: stay uncreated and try again later
  }

  // The 56 ms cycle.
  gTimerObject = gAircraft;
  if (ports.timer != nullptr) ports.timer->start(kCyclePeriodMs, &onCycleTimer, gAircraft);

  // The settings file, keyboard hook and sound volume are applied here.

  applyStartupSettings(*gAircraft);
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
  // Callbacks that run while the parts are released (the data link's shut-down among them) must
  // find no aircraft: the pointer is cleared before destruction begins.
  AircraftState* releasing = gAircraft;
  gAircraft = nullptr;
  if (releasing != nullptr) {
    if (!gStateSavedThisLoad) {
      releasing->saveState();
      gStateSavedThisLoad = true;
    }
    delete releasing;  // members go in reverse order of construction
  }
}

}  // namespace xaq::frame
