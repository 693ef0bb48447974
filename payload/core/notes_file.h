#pragma once
// The notes file the cockpit's clipboard shows: five header lines with the weight summary that
// every save replaces, then the aircraft's own reference text, kept byte for byte.

#include <optional>
#include <string>
#include <string_view>

#include "payload/core/load_plan.h"

namespace xaq::payload {

// The line that starts the reference text: 31 dashes.
inline constexpr std::string_view kReferenceMarker = "-------------------------------";

// Offset of the first line that begins with the marker; nullopt when there is none.
std::optional<std::size_t> findReferenceText(std::string_view notes);

// The new notes file: header lines with CR LF ends, followed by `referenceText` unchanged.
std::string composeNotes(const std::string& aircraftName, const ShownWeights& shown, WeightUnit unit,
                         std::string_view referenceText);

// Text as lines joined with CR LF; a final line end is kept, a missing one not added.
std::string withCrLfLineEnds(std::string_view text);

}  // namespace xaq::payload
