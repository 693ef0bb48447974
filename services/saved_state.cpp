#include "services/saved_state.h"

#include <cstring>

namespace xaq::services {

SavedState::SavedState() {
  std::strncpy(location_.fileName, "last.sta", sizeof location_.fileName - 1);
  std::strncpy(location_.folderName, "Orvek", sizeof location_.folderName - 1);
}

std::int32_t SavedState::fetch(const char*, std::int32_t defaultValue) const { return defaultValue; }

void SavedState::store(const char*, std::int32_t) {}

}  // namespace xaq::services
