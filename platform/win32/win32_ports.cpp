// Ports served by the real Win32 API, inside the host's process.

#include <windows.h>

#include <cstring>
#include <string>

#include "platform/ports.h"
#include "platform/win32/win32_sound.h"
#include "platform/win32/gdi_canvas.h"

namespace xaq::platform {

namespace {

// A thread timer has no context argument; the module runs one cycle timer at a time.
TickFunction gTick = nullptr;
void* gTickContext = nullptr;

void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (gTick != nullptr) gTick(gTickContext);
}

HMODULE thisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&onTimer), &module);
  return module;
}

class Win32Timer final : public CycleTimer {
 public:
  bool start(std::uint32_t periodMs, TickFunction tick, void* context) override {
    stop();
    gTick = tick;
    gTickContext = context;
    id_ = SetTimer(nullptr, 0, periodMs, &onTimer);
    return id_ != 0;
  }
  void stop() override {
    if (id_ != 0) KillTimer(nullptr, id_);
    id_ = 0;
    gTick = nullptr;
    gTickContext = nullptr;
  }

 private:
  UINT_PTR id_ = 0;
};

class Win32Windows final : public HostWindows {
 public:
  WindowHandle find(const char* className) override {
    return reinterpret_cast<WindowHandle>(FindWindowA(className, nullptr));
  }
  bool isForeground(WindowHandle window) override {
    return window != 0 && reinterpret_cast<WindowHandle>(GetForegroundWindow()) == window;
  }
  std::uint32_t threadOf(WindowHandle window) override {
    return GetWindowThreadProcessId(reinterpret_cast<HWND>(window), nullptr);
  }
};

class Win32Addon final : public AddonTransport {
 public:
  std::intptr_t exchange(WindowHandle window, std::uint32_t message, std::size_t usedBytes,
                         void* buffer) override {
    if (window == 0) return 0;
    return SendMessageA(reinterpret_cast<HWND>(window), message, static_cast<WPARAM>(usedBytes),
                        reinterpret_cast<LPARAM>(buffer));
  }
};

// A WH_KEYBOARD hook on the host's main thread, owned by the module loaded under its own name or
// its sister's (no hook when neither is loaded). One hook at a time, like the cycle timer.
HHOOK gHook = nullptr;
Keyboard::KeyHandler gKeyHandler = nullptr;
void* gKeyContext = nullptr;

LRESULT CALLBACK onKeyMessage(int code, WPARAM virtualKey, LPARAM keyData) {
  if (code == 0 && gKeyHandler != nullptr) {
    const auto flags = static_cast<std::uint32_t>(keyData);
    const bool down = (flags & 0x80000000u) == 0;
    const bool repeat = down && (flags & 0x40000000u) != 0;
    if (gKeyHandler(gKeyContext, static_cast<std::uint32_t>(virtualKey), down, repeat)) return 1;
  }
  return CallNextHookEx(gHook, code, virtualKey, keyData);
}

class Win32Keyboard final : public Keyboard {
 public:
  bool installHook(std::uint32_t threadId, KeyHandler handler, void* context) override {
    removeHook();
    HMODULE module = GetModuleHandleA("Xaq-Orvek.gau");
    if (module == nullptr) module = GetModuleHandleA("Xaq-Tamsel.gau");
    if (module == nullptr || handler == nullptr) return false;
    gKeyHandler = handler;
    gKeyContext = context;
    gHook = SetWindowsHookExA(WH_KEYBOARD, &onKeyMessage, module, threadId);
    if (gHook == nullptr) gKeyHandler = nullptr;
    return gHook != nullptr;
  }
  void removeHook() override {
    if (gHook != nullptr) UnhookWindowsHookEx(gHook);
    gHook = nullptr;
    gKeyHandler = nullptr;
    gKeyContext = nullptr;
  }
  bool isDown(std::uint32_t virtualKey) override {
    return (GetAsyncKeyState(static_cast<int>(virtualKey)) & 0x8000) != 0;
  }
  bool isToggled(std::uint32_t virtualKey) override { return (GetKeyState(static_cast<int>(virtualKey)) & 1) != 0; }
};

class Win32Files final : public SimulatorFiles {
 public:
  std::string simulatorFolder() override {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::string folder(path, length);
    const auto slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
  }
};

class Win32Resources final : public ModuleResources {
 public:
  ByteView find(const char* type, std::uint32_t id) override {
    return load(FindResourceA(thisModule(), MAKEINTRESOURCEA(id), type));
  }
  ByteView find(const char* type, const char* name) override {
    if (type == nullptr || name == nullptr) return {};
    if (std::strcmp(type, "WAV") != 0) return load(thisModule(), FindResourceA(thisModule(), name, type));
    // Sounds come from the module loaded under its own name, or under its sister's.
    for (const char* moduleName : {"XAQ-ORVEK.gau", "XAQ-TAMSEL.gau"}) {
      HMODULE module = GetModuleHandleA(moduleName);
      if (module == nullptr) continue;
      if (ByteView found = load(module, FindResourceA(module, name, type))) return found;
    }
    return {};
  }

 private:
  ByteView load(HRSRC found) { return load(thisModule(), found); }
  static ByteView load(HMODULE module, HRSRC found) {
    if (found == nullptr) return {};
    HGLOBAL handle = LoadResource(module, found);
    const void* data = handle != nullptr ? LockResource(handle) : nullptr;
    if (data == nullptr) return {};
    return ByteView{static_cast<const std::uint8_t*>(data), SizeofResource(module, found)};
  }
};

}  // namespace

Ports defaultPorts() {
  static Win32Timer timer;
  static Win32Windows windows;
  static Win32Addon addon;
  static Win32Files files;
  static Win32Resources resources;
  static Win32Keyboard keyboard;
  Ports ports{&timer, &windows, &addon, &files, &resources, &keyboard};
  ports.canvases = &gdiCanvases();
  ports.sound = &win32SoundDevice();
  return ports;
}

}  // namespace xaq::platform
