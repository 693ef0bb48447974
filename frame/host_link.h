#pragma once
// The link object: the first part of the aircraft state. It holds what the module reads from the
// outside each cycle — the host-variable samples and the add-on's values — and the notes-file
// path and joystick-button entries that the cockpit services use.

#include <array>
#include <cstdint>
#include <string>

#include "frame/host_sampling.h"
#include "services/datalink/data_link.h"

namespace xaq::frame {

using services::datalink::AddonValues;
using services::datalink::JoystickButton;

struct HostLink {
  HostLink() = default;
  // Released with the aircraft: the add-on gets its hot-button slots back.
  ~HostLink() { dataLink.shutDown(buttons); }
  HostLink(const HostLink&) = delete;
  HostLink& operator=(const HostLink&) = delete;

  HostVariableTable variables;
  HostSamples samples;
  SamplingHistory history;
  AddonValues addon;
  std::string notesFilePath;
  services::datalink::JoystickButtons buttons{};
  services::datalink::DataLink dataLink;

  // Cycle step 1: the 149 lookups through the host's panel services.
  void sample();
  // The same with another lookup routine (the cycle benchmark, tests of the conversions).
  void sample(LookupFunction lookup, void* context);
  // Cycle step 2: the add-on data link exchange.
  void exchange() { dataLink.update(addon, notesFilePath, buttons); }
};

}  // namespace xaq::frame
