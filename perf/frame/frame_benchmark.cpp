// One full simulation cycle of the aircraft state object: the 149 host-variable lookups through
// the panel-service table, their conversions, and every part's update.

#include <benchmark/benchmark.h>

#include <array>

#include "frame/aircraft_state.h"
#include "frame/host_services.h"
#include "services/datalink/fake_addon.h"

namespace {

using namespace xaq;

std::array<double, 909> gValues{};

void XAQ_HOSTCALL lookup(abi::HostVarRecord* record) { record->value = gValues[record->id % gValues.size()]; }

// Runs cycles on one aircraft, the host answering every lookup from gValues.
void runCycles(benchmark::State& state) {
  std::array<void*, abi::kPanelServiceCount> services{};
  services[abi::kServiceLookupVariable] = reinterpret_cast<void*>(&lookup);
  ImportTable.panelServices = services.data();
  for (std::size_t i = 0; i < gValues.size(); ++i) gValues[i] = static_cast<double>(i) * 1.5;
  frame::AircraftState aircraft{ModuleEnvironment{}};
  double t = 0.0;
  aircraft.runCycle();  // with an add-on present, this one connects
  for (auto _ : state) {
    t += 0.056;
    gValues[604] = t;
    aircraft.runCycle();
    benchmark::DoNotOptimize(aircraft.link.samples.aircraftWeightLb);
    benchmark::DoNotOptimize(aircraft.link.addon.trueAirspeedKt);
  }
  ImportTable.panelServices = nullptr;
}

void BM_FullCycle(benchmark::State& state) { runCycles(state); }
BENCHMARK(BM_FullCycle);

// The same with the add-on connected: the cycle's batch of reads goes out and comes back.
void BM_FullCycleWithAddon(benchmark::State& state) {
  services::datalink::testing::FakeAddon addon;
  runCycles(state);
}
BENCHMARK(BM_FullCycleWithAddon);

void BM_SampleOnly(benchmark::State& state) {
  frame::HostLink link;
  double t = 0.0;
  for (auto _ : state) {
    t += 0.056;
    link.sample([](abi::HostVarRecord* r, void* c) { r->value = *static_cast<double*>(c) + r->id; }, &t);
    benchmark::DoNotOptimize(link.samples.verticalSpeedTrend);
  }
}
BENCHMARK(BM_SampleOnly);

}  // namespace

BENCHMARK_MAIN();
