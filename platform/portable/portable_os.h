#pragma once
// On Linux the module has no Win32 underneath it: the program that plays the host (the sim host)
// serves the few operating-system calls the module needs through this table. The host program
// exports it as the C symbol `xaqPortableOs` (link with -rdynamic); the module looks it up at
// first use. Without it the module runs as if the OS offered no timer, windows or files.
//
// Plain C types only: the table crosses from one binary into another.

#include <stddef.h>
#include <stdint.h>

extern "C" {

enum { kXaqPortableOsVersion = 3 };

enum { kXaqSoundFailed = 0, kXaqSoundPlaying = 1, kXaqSoundLost = 2 };

struct XaqPortableOs {
  uint32_t version;  // kXaqPortableOsVersion
  void* host;        // handed back as the first argument of every call

  // Thread timer: calls tick(context) from the host's loop every periodMs of simulated time.
  uintptr_t (*setTimer)(void* host, uint32_t periodMs, void (*tick)(void* context), void* context);
  void (*killTimer)(void* host, uintptr_t timerId);

  // Top-level windows of the host process, by class name; 0 = none.
  uintptr_t (*findWindow)(void* host, const char* className);
  uintptr_t (*foregroundWindow)(void* host);
  uint32_t (*windowThread)(void* host, uintptr_t window);
  intptr_t (*sendMessage)(void* host, uintptr_t window, uint32_t message, uintptr_t wParam,
                          intptr_t lParam);

  // Full path of the host program's executable (the simulator's folder is its directory).
  // Returns the length written, 0 on failure; always zero-terminates when size > 0.
  size_t (*programFileName)(void* host, char* buffer, size_t size);

  // Version 2: the keyboard. A thread keyboard hook on the host's thread: hook(context, code,
  // virtualKey, keyData) sees every key message (keyData as the Win32 lParam: bit 31 set on
  // release); a non-zero result swallows the key. keyState answers like GetKeyState (bit 15 set
  // while the key is down).
  uintptr_t (*setKeyboardHook)(void* host, uint32_t threadId,
                               intptr_t (*hook)(void* context, int code, uintptr_t virtualKey,
                                                intptr_t keyData),
                               void* context);
  void (*removeKeyboardHook)(void* host, uintptr_t hookId);
  int16_t (*keyState)(void* host, int virtualKey);

  // Version 3: sound. One buffer per slot (0-33); the host plays or records what is asked.
  // Non-zero results mean success; soundPlay answers kXaqSound*.
  int (*soundOpen)(void* host, uintptr_t window);
  void (*soundClose)(void* host);
  int (*soundLoad)(void* host, int slot, uint16_t channels, uint32_t samplesPerSecond,
                   uint16_t bitsPerSample, const uint8_t* samples, size_t size);
  int (*soundPlay)(void* host, int slot, int loop);  // from the start
  int (*soundRestore)(void* host, int slot, const uint8_t* samples, size_t size);
  int (*soundStop)(void* host, int slot);
  int (*soundSetVolume)(void* host, int slot, int32_t hundredthsOfDecibel);
};

}  // extern "C"
