#include "frame/module_lifecycle.h"

#include <new>

#include "frame/host_services.h"
#include "frame/keyboard_commands.h"
#include "services/settings/settings_file.h"
#include "services/sound/sound.h"

namespace xaq::frame {

AircraftState* detail::gAircraft = nullptr;

namespace {

using detail::gAircraft;
AircraftState* gTimerObject = nullptr;
platform::WindowHandle gMainWindow = 0;
bool gCreated = false;
bool gStateSavedThisLoad = false;
// The cockpit's sounds live from creation to destruction, beside the aircraft, on the ports in
// force at creation.
services::Sound* gSound = nullptr;

// The settings file's values where the module keeps them, and the joystick-button entries of
// its assignments handed to the data link's button watch.
void takeSettings(AircraftState& state, const services::CockpitSettings& file) {
  state.settings = file.values;
  state.commands = file.commands;
  state.commands.numberJoystickButtons(state.link.buttons);
  state.flags.enginesOffAtStart = file.values.enginesOff != 0;
  state.flags.darkCockpit = file.values.darkCockpit != 0;
  state.flags.soundVolume = file.values.soundVolume;
}

}  // namespace

platform::WindowHandle hostMainWindow() { return gMainWindow; }

bool moduleCreated() { return gCreated; }

void onCycleTimer(void* context) {
  if (gTimerObject != nullptr && gTimerObject == context) gTimerObject->runCycle();
}

void applyStartupSettings(AircraftState& state) {
  services::Settings startup;
  startup.enginesOff = state.flags.enginesOffAtStart ? 1 : 0;
  startup.darkCockpit = state.flags.darkCockpit ? 1 : 0;
  services::applyStartupSettings(startup, state.effects().events, state.switches);
}

void createModule() {
  if (gCreated) return;
  platform::Ports& ports = platform::ports();

  // The host's main window, for sound and the keyboard hook.
  gMainWindow = ports.windows != nullptr ? ports.windows->find("FS98MAIN") : 0;

  // Sound, with that window; without a device it stays off and every request does nothing.
  if (gSound == nullptr) {
    gSound = new (std::nothrow) services::Sound(ports.sound, ports.resources);
    if (gSound != nullptr) gSound->setUp(gMainWindow);
  }

  // The aircraft and its parts, given what the module learns of its installation once.
  if (gAircraft == nullptr) {
    ModuleEnvironment environment;
    if (ports.files != nullptr) environment.simulatorFolder = ports.files->simulatorFolder();
    gAircraft = new (std::nothrow) AircraftState(environment);
    if (gAircraft == nullptr) return;  // out of memory: stay uncreated and try again later
  }
  gAircraft->connectSound(gSound);

  // The 56 ms cycle.
  gTimerObject = gAircraft;
  if (ports.timer != nullptr) ports.timer->start(kCyclePeriodMs, &onCycleTimer, gAircraft);

  // The settings file; the keyboard hook is installed after it is read; then the volume.
  takeSettings(*gAircraft, services::readSettingsFile(services::settingsFilePath(gAircraft->environment())));
  installKeyboardHook(gMainWindow);
  if (gSound != nullptr) gSound->setVolume(gAircraft->flags.soundVolume);

  applyStartupSettings(*gAircraft);
  gCreated = true;
}

void destroyModule() {
  if (!gCreated) return;
  gCreated = false;
  platform::Ports& ports = platform::ports();
  // The keyboard hook comes off first.
  removeKeyboardHook();
  if (ports.timer != nullptr) ports.timer->stop();
  gTimerObject = nullptr;
  if (gSound != nullptr) gSound->shutDown();
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
  // Released only now: parts released above may still ask for sounds (which go nowhere).
  delete gSound;
  gSound = nullptr;
}

}  // namespace xaq::frame
