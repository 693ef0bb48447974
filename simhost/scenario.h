#pragma once
// Scenarios: a small line format (simhost/README.md) with set-up lines, a timeline of actions
// and expectations, a CSV log and gauge images. Runs in simulated time only, so the same file
// gives the same log byte for byte.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "simhost/sim_host.h"

namespace xaq::sim {

struct ScenarioLine {
  double atSeconds = 0;    // host time
  int lineNumber = 0;
  std::vector<std::string> words;
};

struct Scenario {
  std::vector<ScenarioLine> setup;     // before the module is loaded (addon, simfolder) and at time 0
  std::vector<ScenarioLine> timeline;  // sorted by time, file order within one time
  double logEverySeconds = 0;
  std::vector<std::string> logColumns;
  double endSeconds = 0;
  std::string error;                   // the first parse error ("" = fine)
};

// Splits a line into words; "double quoted" words may hold blanks.
std::vector<std::string> splitWords(const std::string& line);

Scenario parseScenario(std::istream& in);

struct RunOptions {
  std::string modulePath;
  std::string simulatorFolder;
  std::string outputFolder;   // log.csv, results.txt, images/
  std::string bitmapFolder;   // "<id>.png" files; empty = placeholders (see bitmapFolderFor)
  bool renderImages = true;   // false: image actions are skipped (benchmarks)
  bool writeSoundMix = true;  // false: sounds.csv only, no sounds.wav (benchmarks)
};

struct RunResult {
  bool ok = false;          // loaded and every expectation held
  int expectations = 0;
  int failures = 0;
  std::string error;
  std::vector<std::string> messages;  // one per failed expectation or bad action
  double simulatedSeconds = 0;
};

RunResult runScenario(const Scenario& scenario, const RunOptions& options);

// The bitmap folder for a `--bitmaps` option: the option's folder, nothing for "none", and
// without one the module's own resources, Xaq-Orvek.resources/BITMAP beside the module.
std::string bitmapFolderFor(const std::string& option, const std::string& modulePath);

// The names `model:NAME` and `set NAME` understand.
std::vector<std::string> modelNames();
bool modelValue(const World& world, const std::string& name, double& value);
bool setModelValue(World& world, const std::string& name, double value);

}  // namespace xaq::sim
