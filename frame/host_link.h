#pragma once
// The link object: the first part of the aircraft state. It holds what the module reads from the
// outside each cycle — the host-variable samples and the add-on's values — and the notes-file
// path and joystick-button entries that the cockpit services use.

#include <array>
#include <cstdint>
#include <string>

#include "frame/host_sampling.h"

namespace xaq::frame {

// Values the add-on data link reads each cycle (zero until it has read them).
struct AddonValues {
  double payloadWeightLb = 0.0;  // the add-on's weight word / 256
};

struct JoystickButton {
  std::int32_t joystick = 0;  // joystick number - 1
  std::int32_t button = 0;    // button number - 1
  bool pressed = false;
  bool pressedBefore = false;
  std::int32_t slot = 0;      // the add-on's hot-button slot
  bool registered = false;
};

struct HostLink {
  HostVariableTable variables;
  HostSamples samples;
  SamplingHistory history;
  AddonValues addon;
  std::string notesFilePath;
  std::array<JoystickButton, 32> buttons{};

  // Cycle step 1: the 149 lookups through the host's panel services.
  void sample();
  // The same with another lookup routine (the cycle benchmark, tests of the conversions).
  void sample(LookupFunction lookup, void* context);
};

}  // namespace xaq::frame
