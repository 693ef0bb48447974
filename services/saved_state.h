#pragma once
// The cockpit's keyed store of a few selections. It keeps nothing between sessions: a fetch
// always yields the caller's default and a store has no effect, so the cockpit always starts
// from its defaults. The location record names where a store would live.

#include <cstdint>

namespace xaq::services {

struct StoreLocation {
  char fileName[256];    // "last.sta"
  char folderName[256];  // "Orvek"
};
static_assert(sizeof(StoreLocation) == 512);

class SavedState {
 public:
  SavedState();

  const StoreLocation& location() const { return location_; }
  StoreLocation* locationRecord() { return &location_; }

  std::int32_t fetch(const char* key, std::int32_t defaultValue) const;
  void store(const char* key, std::int32_t value);

 private:
  StoreLocation location_{};
};

}  // namespace xaq::services
