#pragma once
// The cockpit's keyboard and joystick-button commands: which key message is CDU typing and what
// it types, which of the 77 commands a key or a button works, and the action of each command on
// the aircraft. A room plugs its operation in with one line of the action table.

#include <array>
#include <cstdint>

#include "frame/aircraft_state.h"
#include "platform/ports.h"
#include "services/commands/command_table.h"
#include "services/settings/settings_file.h"

namespace xaq::frame {

// A command's action on the aircraft; null for the commands whose controls are not in the
// cockpit yet (their keys are still taken, and do nothing).
using CommandAction = void (*)(AircraftState& a, Effects& effects);
const std::array<CommandAction, services::kCommandCount>& commandActions();

// Windows virtual-key codes the dispatch tests.
namespace vk {
inline constexpr std::uint32_t kShift = 0x10, kControl = 0x11, kAlt = 0x12;
inline constexpr std::uint32_t kLeftShift = 0xA0, kLeftControl = 0xA2, kLeftAlt = 0xA4;
inline constexpr std::uint32_t kLeftWindows = 0x5B, kApplications = 0x5D;
inline constexpr std::uint32_t kCapsLock = 0x14, kNumLock = 0x90, kScrollLock = 0x91;
}  // namespace vk

// The CDU key code a typed key stands for; 0 when the key types nothing.
int cduKeyCode(std::uint32_t virtualKey);

// Whether keys are typed into the CDU now: the lock keys (MCDUMethod not 0) or the left-hand
// modifier keys (MCDUMethod 0) stand exactly as the settings say.
bool cduTyping(const services::Settings& settings, platform::Keyboard& keys);

// Whether a key-down of `virtualKey` works the command assigned `assignment`: its key, with each
// of Shift, Ctrl, Alt (either side), the left Windows key and the Applications key held exactly
// when the assignment asks for it. An assignment without a key never matches.
bool assignmentMatches(const services::Assignment& assignment, std::uint32_t virtualKey, platform::Keyboard& keys);

// One key message through the hook (the host in front): true when the cockpit took the key.
// Key-downs (and their repeats) type or work commands; releases only let go of TCS.
bool dispatchKey(AircraftState& a, platform::Keyboard& keys, std::uint32_t virtualKey, bool down);

// Once per frame (the Post gauge's update): the joystick buttons' commands — the pitch wheel
// every frame while its button is held, TCS while its button or key is held, the others once
// per press — and whether keyboard entry into the CDU is active.
void dispatchFrame(AircraftState& a, platform::Keyboard* keys);

// The hook on the host main window's thread, from module create to destroy. Nothing is
// installed without the window or the keyboard port.
void installKeyboardHook(platform::WindowHandle mainWindow);
void removeKeyboardHook();

}  // namespace xaq::frame
