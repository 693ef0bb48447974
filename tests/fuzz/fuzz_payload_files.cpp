// The payload editor's readers and writer on any bytes: a settings file, an aircraft
// configuration whose load values are rewritten, a notes file. Nothing may crash, a rewrite may
// touch only the value's own span, and what was written must read back.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "payload/core/key_values.h"
#include "payload/core/notes_file.h"
#include "payload/core/payload_settings.h"
#include "tests/fuzz/fuzz_check.h"

using namespace xaq::payload;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  std::string error;
  if (const auto settings = parseSettings(text, error)) {
    XAQ_FUZZ_REQUIRE(std::fabs(settings->personWeight) <= kLargestSetting);
    XAQ_FUZZ_REQUIRE(std::fabs(settings->maxWeight) <= kLargestSetting);
  } else {
    XAQ_FUZZ_REQUIRE(!error.empty());
  }

  if (const auto number = parseNumber(text)) {
    XAQ_FUZZ_REQUIRE(std::isfinite(*number) && std::fabs(*number) <= kLargestNumber);
  }

  for (std::string_view key : {"station_load.5", "station_load.2", "station_load.3", "empty_weight"}) {
    const auto span = configSpan(text, key);
    std::string rewritten(text);
    const bool written = writeConfigValue(rewritten, key, "1710");
    XAQ_FUZZ_REQUIRE(written == span.has_value());
    if (!span) {
      XAQ_FUZZ_REQUIRE(rewritten == text);
      continue;
    }
    XAQ_FUZZ_REQUIRE(span->begin <= span->end && span->end <= size);
    const std::size_t tail = size - span->end;
    XAQ_FUZZ_REQUIRE(rewritten.size() >= tail);
    XAQ_FUZZ_REQUIRE(std::string_view(rewritten).substr(0, span->begin) == text.substr(0, span->begin));
    XAQ_FUZZ_REQUIRE(std::string_view(rewritten).substr(rewritten.size() - tail) == text.substr(span->end));
    const auto readBack = configValue(rewritten, key);
    XAQ_FUZZ_REQUIRE(readBack.has_value() && *readBack == "1710");
  }

  if (const auto reference = findReferenceText(text)) {
    XAQ_FUZZ_REQUIRE(*reference < size);
    XAQ_FUZZ_REQUIRE(text.substr(*reference).substr(0, kReferenceMarker.size()) == kReferenceMarker);
  }
  const std::string crlf = withCrLfLineEnds(text);
  XAQ_FUZZ_REQUIRE(crlf.size() >= size);
  return 0;
}
