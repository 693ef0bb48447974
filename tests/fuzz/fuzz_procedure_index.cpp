// Fuzz target: the procedure file's header index. The first input byte picks the airport
// identifier among a few, the rest is the file.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fms/navdb/procedure_index.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static constexpr std::string_view kAirports[] = {"KSEA", "KPDX", "", "K", "KSEA/"};
  const std::string_view airport = kAirports[data[0] % 5];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  std::vector<xaq::fms::ProcedureIndexEntry> entries;
  xaq::fms::indexProcedureText(text, airport, entries);
  XAQ_FUZZ_REQUIRE(entries.size() <= xaq::fms::kMaxProcedureEntries);
  std::int32_t lastLine = 0;
  for (const auto& e : entries) {
    XAQ_FUZZ_REQUIRE(e.lineNumber > lastLine);
    lastLine = e.lineNumber;
    xaq::fms::fuzz::requireTerminated(e.runway);
    xaq::fms::fuzz::requireTerminated(e.name);
    xaq::fms::fuzz::requireTerminated(e.transition);
  }
  return 0;
}
