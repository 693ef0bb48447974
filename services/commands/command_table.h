#pragma once
// The 77 cockpit commands a key or a joystick button can work, and their assignments as the
// settings file gives them. The module carries each command's assignment line in the settings
// file's own format, but never applies those lines itself: a command is assigned only by a line
// of the settings file, and the n-th assignment line of the file belongs to command n.

#include <array>
#include <cstdint>
#include <string_view>

#include "services/datalink/link_values.h"

namespace xaq::services {

inline constexpr int kCommandCount = 77;

struct Command {
  const char* name;         // also what an assignment line begins with
  const char* description;
  const char* line;         // "NAME,description,shift,ctrl,alt,win,menu,key,joystick,button"
};

extern const std::array<Command, kCommandCount> kCommands;

// Command numbers the per-frame joystick dispatch treats on their own.
namespace command {
inline constexpr int kPitchWheelDown = 13;
inline constexpr int kPitchWheelUp = 14;
inline constexpr int kTouchControlSteering = 15;
}  // namespace command

// The eight numbers of an assignment line, as read.
struct Assignment {
  std::int32_t shift = 0;
  std::int32_t ctrl = 0;
  std::int32_t alt = 0;
  std::int32_t win = 0;       // left Windows key
  std::int32_t menu = 0;      // Applications key
  std::int32_t keyCode = 0;   // Windows virtual-key code, 0 = no key
  std::int32_t joystick = 0;  // 1-based, 0 = none
  std::int32_t button = 0;    // 1-based, 0 = none
  bool operator==(const Assignment&) const = default;
};

// Reads an assignment line's numbers into `out`; false when the line does not begin with a
// command name. Numbers that do not parse, and all after them, read 0.
bool parseAssignmentLine(std::string_view line, Assignment& out);

inline constexpr std::size_t kJoystickEntries = std::tuple_size_v<datalink::JoystickButtons>;

class CommandAssignments {
 public:
  // Forgets every assignment (before a settings file is read).
  void reset();
  // Takes the line as the next command's assignment when it is an assignment line; lines past
  // the last command are not kept.
  bool offer(std::string_view line);

  int count() const { return count_; }
  // The command's assignment; all zero (nothing assigned) for commands the file did not reach.
  const Assignment& of(int command) const;

  // Gives each command with a button the next joystick-button entry, in command order, as long
  // as entries are left; the entries are written fresh (released, not registered).
  void numberJoystickButtons(datalink::JoystickButtons& entries);
  // The command's entry index, -1 when it has none.
  int joystickEntryOf(int command) const;

 private:
  std::array<Assignment, kCommandCount> records_{};
  std::array<std::int8_t, kCommandCount> entryOf_ = filledWithNone();
  int count_ = 0;

  static constexpr std::array<std::int8_t, kCommandCount> filledWithNone() {
    std::array<std::int8_t, kCommandCount> a{};
    a.fill(-1);
    return a;
  }
};

}  // namespace xaq::services
