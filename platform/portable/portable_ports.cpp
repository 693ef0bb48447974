// Ports served by the program that plays the host on Linux (see portable_os.h).

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/portable/cairo_canvas.h"
#include "platform/portable/portable_os.h"
#include "platform/portable/portable_resources.h"
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

// The host program's thread hook. Messages with a hook code other than 0 are not the module's to
// look at and pass on untouched.
class PortableKeyboard final : public Keyboard {
 public:
  bool installHook(std::uint32_t threadId, KeyHandler handler, void* context) override {
    removeHook();
    const XaqPortableOs* os = hostOs();
    if (os == nullptr || os->setKeyboardHook == nullptr || handler == nullptr) return false;
    handler_ = handler;
    context_ = context;
    id_ = os->setKeyboardHook(os->host, threadId, &onKey, this);
    return id_ != 0;
  }
  void removeHook() override {
    const XaqPortableOs* os = hostOs();
    if (id_ != 0 && os != nullptr && os->removeKeyboardHook != nullptr) os->removeKeyboardHook(os->host, id_);
    id_ = 0;
    handler_ = nullptr;
  }
  bool isDown(std::uint32_t virtualKey) override { return (state(virtualKey) & 0x8000) != 0; }
  bool isToggled(std::uint32_t virtualKey) override { return (state(virtualKey) & 0x0001) != 0; }

 private:
  static std::intptr_t onKey(void* self, int code, std::uintptr_t virtualKey, std::intptr_t keyData) {
    auto* keyboard = static_cast<PortableKeyboard*>(self);
    if (code != 0 || keyboard == nullptr || keyboard->handler_ == nullptr) return 0;
    const auto flags = static_cast<std::uint32_t>(keyData);
    const bool down = (flags & 0x80000000u) == 0;
    const bool repeat = down && (flags & 0x40000000u) != 0;
    return keyboard->handler_(keyboard->context_, static_cast<std::uint32_t>(virtualKey), down, repeat) ? 1 : 0;
  }
  static std::int16_t state(std::uint32_t virtualKey) {
    const XaqPortableOs* os = hostOs();
    if (os == nullptr || os->keyState == nullptr || virtualKey > 0xFF) return 0;
    return os->keyState(os->host, static_cast<int>(virtualKey));
  }

  std::uintptr_t id_ = 0;
  KeyHandler handler_ = nullptr;
  void* context_ = nullptr;
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

class PortableSound final : public SoundDevice {
 public:
  bool open(WindowHandle owner) override {
    const XaqPortableOs* os = hostOs();
    return os != nullptr && os->soundOpen != nullptr && os->soundOpen(os->host, owner) != 0;
  }
  void close() override {
    const XaqPortableOs* os = hostOs();
    if (os != nullptr && os->soundClose != nullptr) os->soundClose(os->host);
  }
  bool load(int slot, const WaveFormat& format, ByteView samples) override {
    const XaqPortableOs* os = hostOs();
    return os != nullptr && os->soundLoad != nullptr &&
           os->soundLoad(os->host, slot, format.channels, format.samplesPerSecond, format.bitsPerSample,
                         samples.data, samples.size) != 0;
  }
  PlayOutcome play(int slot, bool loop) override {
    const XaqPortableOs* os = hostOs();
    if (os == nullptr || os->soundPlay == nullptr) return PlayOutcome::kFailed;
    switch (os->soundPlay(os->host, slot, loop ? 1 : 0)) {
      case kXaqSoundPlaying:
        return PlayOutcome::kPlaying;
      case kXaqSoundLost:
        return PlayOutcome::kLost;
      default:
        return PlayOutcome::kFailed;
    }
  }
  bool restore(int slot, ByteView samples) override {
    const XaqPortableOs* os = hostOs();
    return os != nullptr && os->soundRestore != nullptr &&
           os->soundRestore(os->host, slot, samples.data, samples.size) != 0;
  }
  bool stop(int slot) override {
    const XaqPortableOs* os = hostOs();
    return os != nullptr && os->soundStop != nullptr && os->soundStop(os->host, slot) != 0;
  }
  bool setAttenuation(int slot, std::int32_t hundredthsOfDecibel) override {
    const XaqPortableOs* os = hostOs();
    return os != nullptr && os->soundSetVolume != nullptr &&
           os->soundSetVolume(os->host, slot, hundredthsOfDecibel) != 0;
  }
};

// The folder holding this module (or the program, when the ports are linked into it).
std::string thisModuleFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<const void*>(&thisModuleFolder), &info) == 0 || info.dli_fname == nullptr) return {};
  const std::string path(info.dli_fname);
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// A type or name becomes one file name in one folder: nothing that climbs out or reaches across.
bool plainName(const std::string& name) {
  return !name.empty() && name.size() <= 128 && name.find('/') == std::string::npos &&
         name.find('\\') == std::string::npos && name.find("..") == std::string::npos;
}

constexpr std::size_t kBitmapFileHeaderBytes = 14;
constexpr std::size_t kMaxResourceBytes = 64u << 20;  // larger than any bitmap or sound we ship

std::string resourceFolder() {
  const std::string module = thisModuleFolder();
  return module.empty() ? std::string() : module + "/Xaq-Orvek.resources";
}

}  // namespace

PortableResources::PortableResources() : PortableResources(resourceFolder()) {}

PortableResources::PortableResources(std::string folder) : folder_(std::move(folder)) {}

ByteView PortableResources::find(const char* type, std::uint32_t id) {
  return type != nullptr ? load(type, std::to_string(id) + (std::strcmp(type, "BITMAP") == 0 ? ".bmp" : "")) : ByteView{};
}

ByteView PortableResources::find(const char* type, const char* name) {
  if (type == nullptr || name == nullptr) return {};
  const char* extension = std::strcmp(type, "WAV") == 0 ? ".wav" : std::strcmp(type, "BITMAP") == 0 ? ".bmp" : "";
  return load(type, std::string(name) + extension);
}

ByteView PortableResources::load(const std::string& type, const std::string& name) {
  if (folder_.empty() || !plainName(type) || !plainName(name)) return {};
  std::lock_guard<std::mutex> lock(mutex_);
  const std::string key = type + "/" + name;
  auto found = cache_.find(key);
  if (found == cache_.end()) {
    std::vector<std::uint8_t> bytes;
    if (std::FILE* file = std::fopen((folder_ + "/" + key).c_str(), "rb")) {
      std::uint8_t chunk[4096];
      std::size_t got = 0;
      while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0 && bytes.size() < kMaxResourceBytes) {
        bytes.insert(bytes.end(), chunk, chunk + got);
      }
      const bool tooBig = bytes.size() >= kMaxResourceBytes || std::ferror(file) != 0;
      std::fclose(file);
      if (tooBig) bytes.clear();
    }
    // The Windows loader hands out a bitmap from its info header on; so does this port.
    if (type == "BITMAP") {
      if (bytes.size() > kBitmapFileHeaderBytes && bytes[0] == 'B' && bytes[1] == 'M') {
        bytes.erase(bytes.begin(), bytes.begin() + kBitmapFileHeaderBytes);
      } else {
        bytes.clear();
      }
    }
    found = cache_.emplace(key, std::move(bytes)).first;
  }
  if (found->second.empty()) return {};
  return ByteView{found->second.data(), found->second.size()};
}

Ports defaultPorts() {
  static PortableTimer timer;
  static PortableWindows windows;
  static PortableAddon addon;
  static PortableFiles files;
  static PortableResources resources;
  static PortableSound sound;
  static PortableKeyboard keyboard;
  Ports ports{&timer, &windows, &addon, &files, &resources};
  ports.sound = &sound;
  ports.keyboard = &keyboard;
  ports.canvases = &cairoCanvases();
  return ports;
}

}  // namespace xaq::platform
