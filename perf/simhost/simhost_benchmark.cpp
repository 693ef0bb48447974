// The demo scenario from cold and dark to the landing, every gauge's elements updated each frame
// as the host does but no images drawn (nor the sound mix written): how many simulated seconds
// the sim host runs per wall-clock second (goal: 1000 or more).

#include <benchmark/benchmark.h>

#include <filesystem>
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
  options.writeSoundMix = false;
  // The demo writes its settings file into the run's own copy of the simulator folder.
  const std::filesystem::path out = std::filesystem::temp_directory_path() / "xaq-simhost-benchmark";
  options.outputFolder = out.string();
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
