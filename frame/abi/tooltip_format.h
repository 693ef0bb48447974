#pragma once
// The host's tooltip text: "%N!s!" inserts argument N's text (1-based), produced by that
// argument's text callback from its host-variable record. Without argument records the text
// shows as it stands.

#include <cstddef>
#include <string>

#include "frame/abi/host_abi.h"

namespace xaq::abi {

// Formats a tooltip record (kind 4). The argument records' variables must already hold their
// values. Inserts that name an argument the record does not have stay as written.
std::string formatTooltip(const MouseRecord& tooltip, GaugeHeader* gauge);

}  // namespace xaq::abi
