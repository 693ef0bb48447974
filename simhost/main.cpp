// xaq-simhost: runs a scenario against the gauge module, or prints the host's tables.

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "simhost/scenario.h"
#include "simhost/tables.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: xaq-simhost --module Xaq-Orvek.so --scenario FILE [--simfolder DIR] [--out DIR]\n"
               "                   [--bitmaps DIR|none] [--no-images]\n"
               "       xaq-simhost --tables\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  xaq::sim::RunOptions options;
  std::string scenarioPath;
  std::string bitmaps;  // "" = the module's own, "none" = placeholders
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : std::string(); };
    if (arg == "--tables") {
      std::cout << xaq::sim::tablesMarkdown();
      return 0;
    }
    if (arg == "--module") options.modulePath = value();
    else if (arg == "--scenario") scenarioPath = value();
    else if (arg == "--simfolder") options.simulatorFolder = value();
    else if (arg == "--out") options.outputFolder = value();
    else if (arg == "--bitmaps") bitmaps = value();
    else if (arg == "--no-images") options.renderImages = false;
    else return usage();
  }
  if (options.modulePath.empty() || scenarioPath.empty()) return usage();
  options.bitmapFolder = xaq::sim::bitmapFolderFor(bitmaps, options.modulePath);
  std::ifstream in(scenarioPath);
  if (!in) {
    std::fprintf(stderr, "xaq-simhost: cannot read %s\n", scenarioPath.c_str());
    return 2;
  }
  const xaq::sim::Scenario scenario = xaq::sim::parseScenario(in);
  const xaq::sim::RunResult result = xaq::sim::runScenario(scenario, options);
  if (!result.error.empty()) {
    std::fprintf(stderr, "xaq-simhost: %s\n", result.error.c_str());
    return 2;
  }
  for (const std::string& m : result.messages) std::fprintf(stderr, "xaq-simhost: %s\n", m.c_str());
  std::printf("%s: %.1f simulated seconds, %d expectations, %d failed\n", scenarioPath.c_str(),
              result.simulatedSeconds, result.expectations, result.failures);
  if (!options.outputFolder.empty()) std::printf("output: %s\n", options.outputFolder.c_str());
  return result.ok ? 0 : 1;
}
