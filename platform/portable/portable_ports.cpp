// Ports served by the program that plays the host on Linux (see portable_os.h).

#include <dlfcn.h>

#include <cstring>
#include <string>

#include "platform/portable/portable_os.h"
#include "platform/ports.h"

namespace xaq::platform {

namespace {

const XaqPortableOs* hostOs() {
  static const XaqPortableOs* table = [] {
    auto* found = static_cast<const XaqPortableOs*>(dlsym(RTLD_DEFAULT, "xaqPortableOs"));
    return found != nullptr && found->version == kXaqPortableOsVersion ? found : nullptr;
  }();
  return table;
}

class PortableTimer final : public CycleTimer {
 public:
  bool start(std::uint32_t periodMs, TickFunction tick, void* context) override {
    stop();
    const XaqPortableOs* os = hostOs();
    if (os == nullptr || os->setTimer == nullptr) return false;
    id_ = os->setTimer(os->host, periodMs, tick, context);
    return id_ != 0;
  }
  void stop() override {
    const XaqPortableOs* os = hostOs();
    if (id_ != 0 && os != nullptr && os->killTimer != nullptr) os->killTimer(os->host, id_);
    id_ = 0;
  }

 private:
  std::uintptr_t id_ = 0;
};

class PortableWindows final : public HostWindows {
 public:
  WindowHandle find(const char* className) override {
    const XaqPortableOs* os = hostOs();
    return os != nullptr && os->findWindow != nullptr ? os->findWindow(os->host, className) : 0;
  }
  bool isForeground(WindowHandle window) override {
    const XaqPortableOs* os = hostOs();
    return window != 0 && os != nullptr && os->foregroundWindow != nullptr &&
           os->foregroundWindow(os->host) == window;
  }
  std::uint32_t threadOf(WindowHandle window) override {
    const XaqPortableOs* os = hostOs();
    return os != nullptr && os->windowThread != nullptr ? os->windowThread(os->host, window) : 0;
  }
};

class PortableAddon final : public AddonTransport {
 public:
  std::intptr_t exchange(WindowHandle window, std::uint32_t message, std::size_t usedBytes,
                         void* buffer) override {
    const XaqPortableOs* os = hostOs();
    if (os == nullptr || os->sendMessage == nullptr || window == 0) return 0;
    return os->sendMessage(os->host, window, message, usedBytes,
                           reinterpret_cast<std::intptr_t>(buffer));
  }
};

class PortableFiles final : public SimulatorFiles {
 public:
  std::string simulatorFolder() override {
    const XaqPortableOs* os = hostOs();
    if (os == nullptr || os->programFileName == nullptr) return {};
    char path[1024] = {};
    if (os->programFileName(os->host, path, sizeof path) == 0) return {};
    path[sizeof path - 1] = '\0';
    std::string folder(path);
    const auto slash = folder.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
  }
};

// Resources are compiled into the Linux module by the resources room; until it registers a
// table nothing is found.
class PortableResources final : public ModuleResources {
 public:
  ByteView find(const char*, std::uint32_t) override { return {}; }
  ByteView find(const char*, const char*) override { return {}; }
};

}  // namespace

Ports defaultPorts() {
  static PortableTimer timer;
  static PortableWindows windows;
  static PortableAddon addon;
  static PortableFiles files;
  static PortableResources resources;
  return Ports{&timer, &windows, &addon, &files, &resources};
}

}  // namespace xaq::platform
