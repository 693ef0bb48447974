#pragma once
// The Linux module's own resources: files in Xaq-Orvek.resources/ beside the module, one folder
// per type (BITMAP/<id>.bmp, WAV/<name>.wav). Each is read once and kept for the module's life.
// A bitmap is served without its file header, as the Windows resource loader serves one.

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/ports.h"

namespace xaq::platform {

class PortableResources final : public ModuleResources {
 public:
  PortableResources();                            // the folder beside this module
  explicit PortableResources(std::string folder);  // any folder (tests)

  ByteView find(const char* type, std::uint32_t id) override;
  ByteView find(const char* type, const char* name) override;

  const std::string& folder() const { return folder_; }

 private:
  ByteView load(const std::string& type, const std::string& name);

  std::string folder_;
  std::mutex mutex_;
  std::map<std::string, std::vector<std::uint8_t>> cache_;  // "TYPE/name"; empty = not there
};

}  // namespace xaq::platform
