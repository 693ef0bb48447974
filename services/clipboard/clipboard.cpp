#include "services/clipboard/clipboard.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "common/format_text.h"
#include "services/text_lines.h"

namespace xaq::services {

namespace {
// The notes file is read a line of up to this many characters at a time; what a line holds
// beyond it is passed over with the rest of the line.
constexpr std::size_t kNotesLineChars = 1023;
}  // namespace

Clipboard::Clipboard() {
  for (int k = 0; k < kLines; ++k) {
    formatText(lines_[static_cast<std::size_t>(k)].data(), kLineBytes, "Clipboard line %d", k);
  }
}

void Clipboard::update(const CycleContext& now, const ClipboardInputs& inputs) {
  // A clock that went back (a flight reloaded) restarts the wait for the next read from the new
  // time, instead of freezing it until the old time comes round again.
  if (now.nowS < lastNotesReadS_) lastNotesReadS_ = now.nowS;

  if (now.nowS - lastNotesReadS_ > kNotesReadEveryS && !inputs.notesFilePath.empty()) {
    lastNotesReadS_ = now.nowS;
    const std::string path(inputs.notesFilePath);
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
      readNotes(file, lines_);
      std::fclose(file);
    }
  }
}

const char* Clipboard::line(int k) const {
  return k >= 0 && k < kLines ? lines_[static_cast<std::size_t>(k)].data() : "";
}

void Clipboard::readNotes(std::FILE* file, Lines& lines) {
  std::string text;
  for (auto& slot : lines) {
    slot.fill('\0');
    if (!readTextLine(file, text, kNotesLineChars)) continue;
    std::memcpy(slot.data(), text.data(), std::min(text.size(), kKeptChars));
  }
}

}  // namespace xaq::services
