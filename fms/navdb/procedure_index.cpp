#include "fms/navdb/procedure_index.h"

#include "fms/base/text_scan.h"

namespace xaq::fms {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
// A header without a transition may close right after the runway: "]" ends a field too.
bool endsField(char c) { return c == '/' || c == ']' || isBlank(c) || c == '\n' || c == '\r' || c == '\0'; }

// Position after any run of '/' and blanks.
std::size_t skipSeparators(std::string_view s, std::size_t p) {
  while (p < s.size() && (s[p] == '/' || isBlank(s[p]))) ++p;
  return p;
}

ProcedureIndexEntry readHeader(std::string_view line, std::int32_t lineNumber) {
  ProcedureIndexEntry e;
  e.lineNumber = lineNumber;
  std::size_t p = line.find('/');
  if (p == std::string_view::npos) return e;
  std::size_t start = ++p;
  while (p < line.size() && !endsField(line[p])) ++p;
  e.name.assign(line.substr(start, p - start));

  p = skipSeparators(line, p);
  if (p < line.size() && line[p] == 'R') ++p;
  if (p < line.size() && line[p] == 'W') ++p;
  start = p;
  while (p < line.size() && !endsField(line[p])) ++p;
  e.runway.assign(line.substr(start, p - start));

  p = skipSeparators(line, p);
  start = p;
  while (p < line.size() && line[p] != ']' && !isBlank(line[p]) && line[p] != '\n' && line[p] != '\r') ++p;
  e.transition.assign(line.substr(start, p - start));
  return e;
}

}  // namespace

void indexProcedureText(std::string_view text, std::string_view airportIdent,
                        std::vector<ProcedureIndexEntry>& entries) {
  entries.clear();
  LineReader lines(text, kProcedureLineBufferChars);
  bool inAirport = false;
  std::string_view line;
  while (lines.next(line)) {
    if (line.empty() || line[0] != '[') continue;
    const bool ours = line.size() >= 5 && line.substr(1, 4) == airportIdent;
    if (!ours) {
      if (inAirport) return;
      continue;
    }
    if (entries.size() >= kMaxProcedureEntries) return;
    inAirport = true;
    entries.push_back(readHeader(line, static_cast<std::int32_t>(lines.lineNumber())));
  }
}

}  // namespace xaq::fms
