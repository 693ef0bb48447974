#pragma once
// The host-variable, key-event and add-on offset tables as Markdown (simhost/README.md is made
// from this output; a test keeps the two in step).

#include <string>

namespace xaq::sim {

std::string tablesMarkdown();

}  // namespace xaq::sim
