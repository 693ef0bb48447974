#pragma once
// The module's only doors to the outside world. Everything above platform/ talks to the operating
// system through these small interfaces; the Windows build serves them with real Win32 calls, the
// Linux build with whatever program plays the host (the sim host), and tests with fakes.

#include <cstddef>
#include <cstdint>
#include <string>

namespace xaq::platform {

using WindowHandle = std::uintptr_t;  // 0 = no window
using TickFunction = void (*)(void* context);

// A timer on the host's main thread that calls back through that thread's message loop.
class CycleTimer {
 public:
  virtual ~CycleTimer() = default;
  // Starts (or restarts) the timer; false when no timer could be had.
  virtual bool start(std::uint32_t periodMs, TickFunction tick, void* context) = 0;
  virtual void stop() = 0;
};

// Top-level windows of the host process: the simulator's main window and the add-on's window.
class HostWindows {
 public:
  virtual ~HostWindows() = default;
  virtual WindowHandle find(const char* className) = 0;
  virtual bool isForeground(WindowHandle window) = 0;
  virtual std::uint32_t threadOf(WindowHandle window) = 0;
};

// The add-on data link: hands a request buffer to the add-on window in one synchronous message.
class AddonTransport {
 public:
  virtual ~AddonTransport() = default;
  // Returns the add-on's answer (1 = success).
  virtual std::intptr_t exchange(WindowHandle window, std::uint32_t message, std::size_t usedBytes,
                                 void* buffer) = 0;
};

// The simulator's installation: its folder (with a trailing separator) as the host reports it.
class SimulatorFiles {
 public:
  virtual ~SimulatorFiles() = default;
  virtual std::string simulatorFolder() = 0;
};

struct ByteView {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  explicit operator bool() const { return data != nullptr; }
};

// The module's own resources (bitmaps and sounds) by type name and numeric id or name.
class ModuleResources {
 public:
  virtual ~ModuleResources() = default;
  virtual ByteView find(const char* type, std::uint32_t id) = 0;
  virtual ByteView find(const char* type, const char* name) = 0;
};

// The set of ports in force. Keyboard hook, sound device and drawing canvas join this set as the
// rooms that need them are built.
struct Ports {
  CycleTimer* timer = nullptr;
  HostWindows* windows = nullptr;
  AddonTransport* addon = nullptr;
  SimulatorFiles* files = nullptr;
  ModuleResources* resources = nullptr;
};

// The ports of this build (Win32 or portable), unless a test installed its own.
Ports& ports();

// Replaces the ports (tests); passing a default-constructed Ports restores the build's own.
void installPorts(const Ports& replacement);

// The build's own ports, implemented by platform/win32 or platform/portable.
Ports defaultPorts();

}  // namespace xaq::platform
