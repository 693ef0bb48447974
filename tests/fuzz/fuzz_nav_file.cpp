// Fuzz target for the navigation data file parsers; XAQ_FUZZ_NAV_FILE picks the file kind, so
// each parser gets its own binary and corpus.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fms/navdb/nav_file_parsers.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

enum NavFileKind { kVorFile = 1, kNdbFile, kWaypointFile, kAirportFile, kRunwayFile, kAirwayFile };
constexpr NavFileKind kKind = static_cast<NavFileKind>(XAQ_FUZZ_NAV_FILE);

using namespace xaq::fms;

[[maybe_unused]] void checkRecords(std::string_view text, const std::vector<NavRecord>& records) {
  // Exactly one record per data line, whatever the line holds.
  XAQ_FUZZ_REQUIRE(records.size() == countDataLines(text));
  for (const NavRecord& r : records) {
    fuzz::requireTerminated(r.ident);
    fuzz::requireTerminated(r.runwayDesignator);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<NavRecord> records;
  if constexpr (kKind == kVorFile) {
    ExpiryDate expiry;
    parseVorFile(text, records, expiry);
    checkRecords(text, records);
  } else if constexpr (kKind == kNdbFile) {
    parseNdbFile(text, records);
    checkRecords(text, records);
  } else if constexpr (kKind == kWaypointFile) {
    std::vector<std::uint32_t> named;
    parseWaypointFile(text, records, named);
    checkRecords(text, records);
    for (const std::uint32_t i : named) XAQ_FUZZ_REQUIRE(i < records.size());
  } else if constexpr (kKind == kAirportFile) {
    parseAirportFile(text, records);
    checkRecords(text, records);
  } else if constexpr (kKind == kRunwayFile) {
    parseRunwayFile(text, records);
    checkRecords(text, records);
  } else {
    std::vector<Airway> airways;
    parseAirwayFile(text, airways);
    for (const Airway& a : airways) {
      XAQ_FUZZ_REQUIRE(!a.points.empty());
      fuzz::requireTerminated(a.name);
      for (const AirwayPoint& p : a.points) fuzz::requireTerminated(p.ident);
    }
  }
  return 0;
}
