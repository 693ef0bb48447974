#pragma once
// The clipboard: the 18 lines of the aircraft's notes file (the payload editor's weight summary
// and reference text), read again every 10 seconds so a save in the editor shows while the
// simulator runs. The clipboard gauge shows the first 16. (The decision height is the display
// controls' own setting.)

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "common/cycle_context.h"

namespace xaq::services {

struct ClipboardInputs {
  std::string_view notesFilePath;  // empty until the data link has found the aircraft's folder
};

class Clipboard {
 public:
  static constexpr int kLines = 18;
  static constexpr int kShownLines = 16;
  static constexpr std::size_t kLineBytes = 50;
  static constexpr std::size_t kKeptChars = 45;
  static constexpr double kNotesReadEveryS = 10.0;
  using Lines = std::array<std::array<char, kLineBytes>, kLines>;

  Clipboard();

  void update(const CycleContext& now, const ClipboardInputs& inputs);

  // Line k of the clipboard, "" outside 0 ... 17.
  const char* line(int k) const;

  // The first 18 lines of an open notes file, each cut to 45 characters; slots past the file's
  // end become empty.
  static void readNotes(std::FILE* file, Lines& lines);

  std::uint8_t flags = 0;

 private:
  Lines lines_{};
  double lastNotesReadS_ = 0.0;
};

}  // namespace xaq::services
