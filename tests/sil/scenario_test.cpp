// The scenario format: timing, repeats, quoting, errors, and a run whose expectations fail
// when they should.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "simhost/scenario.h"
#include "tests/sil/host_fixture.h"

namespace xaq::sim {
namespace {

Scenario parse(const std::string& text) {
  std::istringstream in(text);
  return parseScenario(in);
}

TEST(ScenarioFormat, TimelineIsOrderedAndRepeatsExpand) {
  const Scenario s = parse(
      "runway XTST 09   # set-up line\n"
      "at 5 event 66374 1\n"
      "after 2 click Overhead 10 20 right hold 0.5\n"
      "at 1 every 0.5 until 2 event 65932 1\n"
      "log 0.5 var:61 model:bank\n");
  ASSERT_TRUE(s.error.empty()) << s.error;
  ASSERT_EQ(s.setup.size(), 1u);
  ASSERT_EQ(s.timeline.size(), 5u);
  EXPECT_EQ(s.timeline[0].atSeconds, 1);
  EXPECT_EQ(s.timeline[2].atSeconds, 2);
  EXPECT_EQ(s.timeline[3].words[0], "event");
  EXPECT_EQ(s.timeline[4].atSeconds, 7);  // "after" counts from the line before it
  EXPECT_EQ(s.timeline[4].words[0], "click");
  EXPECT_EQ(s.endSeconds, 7);
  EXPECT_EQ(s.logColumns.size(), 2u);
}

TEST(ScenarioFormat, QuotedWordsAndComments) {
  EXPECT_EQ(splitWords("clicktip Pedestal \"Parking brake\" left # the lever"),
            (std::vector<std::string>{"clicktip", "Pedestal", "Parking brake", "left"}));
  EXPECT_TRUE(splitWords("   # only a comment").empty());
}

TEST(ScenarioFormat, BadLinesAreReportedWithTheirNumber) {
  EXPECT_EQ(parse("at x event 1\n").error.rfind("line 1", 0), 0u);
  EXPECT_EQ(parse("\nat 1 every 0 until 5 event 1\n").error.rfind("line 2", 0), 0u);
  EXPECT_FALSE(parse("log 0 var:61\n").error.empty());
  EXPECT_FALSE(parse("at -1 event 1\n").error.empty());
}

TEST(ScenarioRun, FailedExpectationsAndUnknownActionsAreCounted) {
  const std::filesystem::path out = std::filesystem::temp_directory_path() / "simhost_scenario_run";
  const Scenario s = parse(
      "at 0.5 var 61 = 150\n"
      "at 1 expect delivered 61 = 150\n"
      "at 1 expect delivered 61 = 151\n"
      "at 1 expect model onGround = 1\n"
      "at 1 frobnicate\n"
      "at 1 expect event 66508 225\n"
      "at 1 expect event 66374 1\n"  // the module brings the host's battery master in step
      "at 1 expect lookups = 149\n");
  RunOptions options;
  options.modulePath = XAQ_MODULE_PATH;
  options.simulatorFolder = XAQ_SIM_FOLDER;
  options.outputFolder = out.string();
  const RunResult r = runScenario(s, options);
  EXPECT_TRUE(r.error.empty()) << r.error;
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.expectations, 6);
  EXPECT_EQ(r.failures, 1);
  EXPECT_EQ(r.messages.size(), 2u);  // the failure and the unknown action
  std::filesystem::remove_all(out);
}

TEST(ModelFields, EveryNameReadsAndSettableNamesWrite) {
  World w;
  for (const std::string& name : modelNames()) {
    double v = 0;
    EXPECT_TRUE(modelValue(w, name, v)) << name;
  }
  EXPECT_TRUE(setModelValue(w, "bank", 12));
  EXPECT_EQ(w.aircraft.bankDeg, 12);
  EXPECT_FALSE(setModelValue(w, "ias", 100)) << "derived values are read-only";
}

}  // namespace
}  // namespace xaq::sim
