#pragma once
// The index of one airport's departure or arrival procedures: one entry per header line of the
// procedure file, pointing at the line where the procedure's legs begin.

#include <cstdint>
#include <string_view>
#include <vector>

#include "fms/base/fixed_text.h"

namespace xaq::fms {

struct ProcedureIndexEntry {
  FixedText<4> runway;       // "ALL", or a designator such as 27B for both 27L and 27R
  FixedText<14> name;
  FixedText<27> transition;  // empty when the header has none
  std::int32_t lineNumber = 0;  // 1-based number of the header line
};

enum class ProcedureKind { Departure, Arrival };

// At most this many entries are kept for one airport.
inline constexpr std::size_t kMaxProcedureEntries = 989;
inline constexpr std::size_t kProcedureLineBufferChars = 1001;

// Reads "[AIRP/NAME/RWY/TRANS]" headers of one airport from a procedure file's text. Headers of
// the airport stand together: the first header of another airport after them ends the index.
void indexProcedureText(std::string_view text, std::string_view airportIdent,
                        std::vector<ProcedureIndexEntry>& entries);

}  // namespace xaq::fms
