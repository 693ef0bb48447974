#pragma once
// A sim host with the real module loaded, on the test navigation data.

#include <gtest/gtest.h>

#include <memory>

#include "simhost/sim_host.h"

namespace xaq::sim::testing {

inline HostOptions testHostOptions() {
  HostOptions options;
  options.modulePath = XAQ_MODULE_PATH;
  options.simulatorFolder = XAQ_SIM_FOLDER;
  return options;
}

class ModuleHost : public ::testing::Test {
 protected:
  void SetUp() override {
    host = std::make_unique<SimHost>(testHostOptions());
    ASSERT_TRUE(host->loaded()) << host->error();
  }
  void TearDown() override { host.reset(); }
  // A cockpit of its own, a simulated second after loading (so each gauge starts as it loads).
  void restart() {
    host.reset();
    host = std::make_unique<SimHost>(testHostOptions());
    ASSERT_TRUE(host->loaded()) << host->error();
    host->runFor(1.0);
  }
  std::unique_ptr<SimHost> host;
};

}  // namespace xaq::sim::testing
