// The demo scenario from cold and dark to the landing, without images: how many simulated
// seconds the sim host runs per wall-clock second (goal: 200 or more).

#include <benchmark/benchmark.h>

#include <fstream>

#include "simhost/scenario.h"

namespace {

void demoScenario(benchmark::State& state) {
  std::ifstream in(XAQ_DEMO_SCENARIO);
  const xaq::sim::Scenario scenario = xaq::sim::parseScenario(in);
  xaq::sim::RunOptions options;
  options.modulePath = XAQ_MODULE_PATH;
  options.simulatorFolder = XAQ_SIM_FOLDER;
  options.renderImages = false;
  double simulated = 0;
  for (auto _ : state) {
    const xaq::sim::RunResult result = xaq::sim::runScenario(scenario, options);
    if (!result.error.empty()) {
      state.SkipWithError(result.error.c_str());
      return;
    }
    simulated += result.simulatedSeconds;
  }
  state.counters["sim_seconds_per_wall_second"] = benchmark::Counter(simulated, benchmark::Counter::kIsRate);
}
BENCHMARK(demoScenario)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
