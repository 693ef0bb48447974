#pragma once
// Step 1 of every cycle: look up the sampled host variables, always in the same order, convert
// each into HostSamples, then derive the time step, trends and the values built from them.

#include <array>
#include <cstdint>
#include <span>

#include "frame/abi/host_abi.h"
#include "frame/host_samples.h"

namespace xaq::frame {

inline constexpr int kHostVariableCount = 908;
inline constexpr int kSampledLookups = 149;

// One record per host variable id 1..908, in id order, in the module's writable data.
class HostVariableTable {
 public:
  HostVariableTable();
  abi::HostVarRecord& record(std::uint32_t id) { return records_[id - 1]; }

 private:
  std::array<abi::HostVarRecord, kHostVariableCount> records_;
};

// The host variable ids in lookup order.
std::span<const std::uint16_t> sampledIds();

// Everything the sampling step carries from one cycle to the next.
struct SamplingHistory {
  double previousElapsedSeconds = 0.0;
  bool sampledBefore = false;
  TrendRate verticalSpeed;  // host variable 65
  TrendRate airspeed;       // host variable 61
  TrendRate bank;           // host variable 80
};

using LookupFunction = void (*)(abi::HostVarRecord* record, void* context);

// Performs the lookups through `lookup` and fills `samples`. `addonPayloadLb` is the add-on's
// weight value (already in pounds) that joins the fuel in the aircraft weight.
void sampleHostVariables(HostVariableTable& table, HostSamples& samples, SamplingHistory& history,
                         double addonPayloadLb, LookupFunction lookup, void* context);

}  // namespace xaq::frame
