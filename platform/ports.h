#pragma once
// The module's only doors to the outside world. Everything above platform/ talks to the operating
// system through these small interfaces; the Windows build serves them with real Win32 calls, the
// Linux build with whatever program plays the host (the sim host), and tests with fakes.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/canvas.h"

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

// Keystrokes on the host's window: a hook on the host's main thread and the key states.
class Keyboard {
 public:
  // Called for every key message the hook sees; returns true when the module consumed the key.
  using KeyHandler = bool (*)(void* context, std::uint32_t virtualKey, bool down, bool repeat);

  virtual ~Keyboard() = default;
  virtual bool installHook(std::uint32_t threadId, KeyHandler handler, void* context) = 0;
  virtual void removeHook() = 0;
  virtual bool isDown(std::uint32_t virtualKey) = 0;     // the key is held now
  virtual bool isToggled(std::uint32_t virtualKey) = 0;  // caps lock and the like
};

// The format block of a PCM WAV image (the WAVEFORMATEX fields a sound buffer needs).
struct WaveFormat {
  std::uint16_t formatTag = 0;
  std::uint16_t channels = 0;
  std::uint32_t samplesPerSecond = 0;
  std::uint32_t averageBytesPerSecond = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
};

// Cockpit sounds: one buffer per slot, filled from a WAV image's samples.
class SoundDevice {
 public:
  enum class PlayOutcome { kPlaying, kLost, kFailed };

  virtual ~SoundDevice() = default;
  // Opens the default device for the host's window with the primary buffer playing; false when
  // there is no device (sound stays off).
  virtual bool open(WindowHandle owner) = 0;
  // Releases every slot's buffer, then the device.
  virtual void close() = 0;
  // A buffer of the samples' size and format holding a copy of them; false leaves the slot empty.
  virtual bool load(int slot, const WaveFormat& format, ByteView samples) = 0;
  // Rewinds the slot's buffer and plays it once or looped; kLost when its memory was taken away.
  virtual PlayOutcome play(int slot, bool loop) = 0;
  // Gets a lost buffer's memory back and copies the samples in again.
  virtual bool restore(int slot, ByteView samples) = 0;
  virtual bool stop(int slot) = 0;
  // Hundredths of a decibel, 0 (full) ... -10000 (silence); false when the device refused.
  virtual bool setAttenuation(int slot, std::int32_t hundredthsOfDecibel) = 0;
};

// The ports in force. The drawing canvas for the glass displays comes with them: it is opened on
// the drawing surface the host hands each glass element (see platform/canvas.h).
struct Ports {
  CycleTimer* timer = nullptr;
  HostWindows* windows = nullptr;
  AddonTransport* addon = nullptr;
  SimulatorFiles* files = nullptr;
  ModuleResources* resources = nullptr;
  Keyboard* keyboard = nullptr;
  SoundDevice* sound = nullptr;
  CanvasFactory* canvases = nullptr;  // the glass displays' drawing
};

// The ports of this build (Win32 or portable), unless a test installed its own.
Ports& ports();

// Replaces the ports (tests); passing a default-constructed Ports restores the build's own.
void installPorts(const Ports& replacement);

// The build's own ports, implemented by platform/win32 or platform/portable.
Ports defaultPorts();

}  // namespace xaq::platform
