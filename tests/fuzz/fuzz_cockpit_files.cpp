// The settings file and the notes file, whatever their bytes: every value read stays in its
// field, the command records never pass their table, the joystick entries stay within 32, and
// every clipboard line ends inside its 50 bytes with at most 45 characters.

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "services/clipboard/clipboard.h"
#include "services/settings/settings_file.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace xaq::services;
  if (size == 0) return 0;
  std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (file == nullptr) return 0;
#if XAQ_FUZZ_COCKPIT_FILE == 1
  CockpitSettings settings;
  readSettings(file, settings);
  XAQ_FUZZ_REQUIRE(settings.commands.count() >= 0 && settings.commands.count() <= kCommandCount);
  xaq::services::datalink::JoystickButtons entries{};
  settings.commands.numberJoystickButtons(entries);
  int entryCount = 0;
  for (int n = 0; n < kCommandCount; ++n) {
    const int entry = settings.commands.joystickEntryOf(n);
    XAQ_FUZZ_REQUIRE(entry >= -1 && entry < 32);
    if (entry >= 0) ++entryCount;
  }
  XAQ_FUZZ_REQUIRE(entryCount <= 32);
#else
  Clipboard::Lines lines{};
  Clipboard::readNotes(file, lines);
  for (const auto& line : lines) {
    const void* end = std::memchr(line.data(), '\0', Clipboard::kKeptChars + 1);
    XAQ_FUZZ_REQUIRE(end != nullptr);
  }
#endif
  std::fclose(file);
  return 0;
}
