#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "frame/gauge_registry.h"
#include "frame/host_services.h"
#include "frame/module_lifecycle.h"
#include "frame/test_host.h"
#include "tests/contract/host_contract.h"

namespace xaq::frame {
namespace {

using testing::TestHost;

class ModuleTest : public ::testing::Test {
 protected:
  void TearDown() override { Linkage.moduleDeinit(); }
  TestHost host;
};

abi::GaugeHeader* gaugeNamed(const char* name) {
  for (int i = 0; Linkage.gauges[i] != nullptr; ++i) {
    if (std::strcmp(Linkage.gauges[i]->name, name) == 0) return Linkage.gauges[i];
  }
  return nullptr;
}

// ---- linkage and registry ----

TEST(Linkage, HandsTheHostExactly103WellFormedGaugesInOrder) {
  EXPECT_EQ(ImportTable.slotId, 0x0Fu);
  EXPECT_EQ(ImportTable.endId, 0u);
  EXPECT_EQ(Linkage.moduleId, 0x13u);
  EXPECT_EQ(Linkage.moduleVersion, 0x800u);
  EXPECT_NE(Linkage.moduleInit, nullptr);
  EXPECT_NE(Linkage.moduleDeinit, nullptr);

  int count = 0;
  while (Linkage.gauges[count] != nullptr) ++count;
  ASSERT_EQ(count, 103);
  for (int i = 0; i < count; ++i) EXPECT_STREQ(Linkage.gauges[i]->name, contract::kGaugeNames[i]);

  std::set<std::string> names;
  const abi::GaugeHeader* first = Linkage.gauges[0];
  for (int i = 0; i < count; ++i) {
    const abi::GaugeHeader* g = Linkage.gauges[i];
    SCOPED_TRACE(g->name);
    names.insert(g->name);
    EXPECT_EQ(g->version, 800u);
    EXPECT_EQ(g->defaultSize, 100u);
    EXPECT_EQ(g->reserved40, 0u);
    ASSERT_NE(g->elements, nullptr);
    ASSERT_NE(g->elements[0], nullptr);
    EXPECT_EQ(g->elements[0]->kind, abi::kStaticImage);
    EXPECT_EQ(g->elements[1], nullptr) << "exactly one top element";
    EXPECT_NE(g->callback, nullptr);
    // The same seven common routines in every header.
    EXPECT_EQ(g->queryRoutine, first->queryRoutine);
    EXPECT_EQ(g->installRoutine, first->installRoutine);
    EXPECT_EQ(g->killRoutine, first->killRoutine);
    // Mouse table: the outer group first, closed, then the end record.
    ASSERT_NE(g->mouseTable, nullptr);
    const abi::MouseRecord* m = g->mouseTable;
    EXPECT_EQ(m[0].kind, abi::kMouseGroup);
    EXPECT_EQ(m[0].x | m[0].y | m[0].width | m[0].height, 0);
    int depth = 0, records = 0;
    for (; m[records].kind != abi::kMouseEnd; ++records) {
      if (m[records].kind == abi::kMouseGroup) ++depth;
      if (m[records].kind == abi::kMouseEndGroup) --depth;
      ASSERT_GE(depth, 0);
      ASSERT_LT(records, 1000);
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(m[records - 1].kind, abi::kMouseEndGroup);
  }
  EXPECT_EQ(names.size(), 103u) << "gauge names are unique";
}

TEST_F(ModuleTest, CommonRoutinesForwardToTheirServicesWithTheFirstGaugesTopElement) {
  abi::GaugeHeader* g = gaugeNamed("FMC");
  ASSERT_NE(g, nullptr);
  g->queryRoutine();
  g->installRoutine(7);
  g->initializeRoutine();
  g->updateRoutine();
  g->generateRoutine(9);
  g->drawRoutine();
  g->killRoutine();
  ASSERT_EQ(host.elementCalls.size(), 7u);
  for (const auto& call : host.elementCalls) EXPECT_EQ(call.second, Linkage.gauges[0]->elements[0]);
  EXPECT_EQ(host.elementCalls[1].first, 7);
  EXPECT_EQ(host.elementCalls[4].first, 9);
}

TEST_F(ModuleTest, GaugeCallbacksIgnoreServicesTheyDoNotHandle) {
  for (int i = 0; Linkage.gauges[i] != nullptr; ++i) {
    abi::GaugeHeader* g = Linkage.gauges[i];
    for (std::int32_t service : {0, 1, 4, 5, 7, 8, 9, 11, 12, 13, 14, 15, 99, -1}) {
      g->callback(g, service, 0);
    }
  }
  EXPECT_EQ(aircraft(), nullptr);
  EXPECT_TRUE(host.events.empty());
  EXPECT_TRUE(host.lookups.empty());
}

// ---- create, destroy, Post ----

TEST_F(ModuleTest, InitCreatesOnceFindsTheHostWindowAndStartsThe56msTimer) {
  Linkage.moduleInit();
  AircraftState* state = aircraft();
  ASSERT_NE(state, nullptr);
  EXPECT_EQ(host.windows.lastClass, "FS98MAIN");
  EXPECT_EQ(hostMainWindow(), host.windows.mainWindow);
  EXPECT_EQ(host.timer.period, 56u);
  EXPECT_EQ(host.timer.starts, 1);

  Linkage.moduleInit();
  EXPECT_EQ(aircraft(), state) << "a second init does nothing";
  EXPECT_EQ(host.timer.starts, 1);
  EXPECT_TRUE(host.lookups.empty()) << "no cycle runs at creation";
  EXPECT_TRUE(host.events.empty()) << "no start-up settings by default";
}

TEST_F(ModuleTest, DestroyStopsTheCycleAndClearsThePointer) {
  Linkage.moduleInit();
  host.timer.fire();
  EXPECT_EQ(host.lookups.size(), 149u);
  void* oldContext = host.timer.context;
  Linkage.moduleDeinit();
  EXPECT_EQ(aircraft(), nullptr);
  EXPECT_EQ(host.timer.stops, 1);
  host.lookups.clear();
  onCycleTimer(oldContext);  // a late tick after deinit
  EXPECT_TRUE(host.lookups.empty());
  Linkage.moduleDeinit();  // destroy without create does nothing
  EXPECT_EQ(host.timer.stops, 1);
}

TEST_F(ModuleTest, PostInstallCreatesAndSendsThePanelSetupEvents) {
  abi::GaugeHeader* post = gaugeNamed("Post");
  ASSERT_NE(post, nullptr);
  post->callback(post, abi::kServiceInstall, 0);
  EXPECT_NE(aircraft(), nullptr);
  const std::vector<std::pair<std::uint32_t, std::uint32_t>> expected = {
      {66508, 55}, {66508, 65}, {66508, 10}, {66508, 125}, {66508, 225}};
  EXPECT_EQ(host.events, expected);
  // Installing again (already created) sends them again but creates nothing new.
  post->callback(post, abi::kServiceInstall, 0);
  EXPECT_EQ(host.events.size(), 10u);
  EXPECT_EQ(host.timer.starts, 1);
}

TEST_F(ModuleTest, PostIgnoresTheServicesItDoesNotActOn) {
  abi::GaugeHeader* post = gaugeNamed("Post");
  for (std::int32_t service : std::initializer_list<std::int32_t>{abi::kServiceInit, abi::kServicePreDraw, abi::kServicePanelOpen,
                               abi::kServicePanelClose, 4, 5, 7, 8, 9, 11, 12, 13}) {
    post->callback(post, service, 0);
    EXPECT_EQ(aircraft(), nullptr) << service;
  }
  Linkage.moduleInit();
  host.events.clear();
  AircraftState* state = aircraft();
  for (std::int32_t service : {abi::kServiceInit, abi::kServicePreDraw, abi::kServicePanelOpen, abi::kServicePanelClose}) {
    post->callback(post, service, 0);
  }
  EXPECT_EQ(aircraft(), state);
  EXPECT_TRUE(host.events.empty());
  EXPECT_TRUE(host.lookups.empty());
}

TEST_F(ModuleTest, PostUpdateCreatesAMissingAircraftWithoutRunningACycle) {
  abi::GaugeHeader* post = gaugeNamed("Post");
  post->callback(post, abi::kServicePreUpdate, 0);
  EXPECT_NE(aircraft(), nullptr);
  EXPECT_TRUE(host.lookups.empty());
  EXPECT_TRUE(host.events.empty());
  AircraftState* state = aircraft();
  post->callback(post, abi::kServicePreUpdate, 0);
  EXPECT_EQ(aircraft(), state);
  // Re-created after a destroy.
  Linkage.moduleDeinit();
  post->callback(post, abi::kServicePreUpdate, 0);
  EXPECT_NE(aircraft(), nullptr);
}

TEST_F(ModuleTest, StartupSettingsShutTheEnginesDown) {
  Linkage.moduleInit();
  AircraftState& state = *aircraft();
  applyStartupSettings(state);
  EXPECT_TRUE(host.events.empty());
  state.flags.darkCockpit = true;
  applyStartupSettings(state);
  state.flags.darkCockpit = false;
  state.flags.enginesOffAtStart = true;
  applyStartupSettings(state);
  const std::vector<std::pair<std::uint32_t, std::uint32_t>> expected = {
      {65987, 1}, {65992, 1}, {65987, 1}, {65992, 1}};
  EXPECT_EQ(host.events, expected);
}

TEST_F(ModuleTest, SavedSelectionsComeBackAsDefaultsAfterDestroyAndCreate) {
  Linkage.moduleInit();
  AircraftState* state = aircraft();
  EXPECT_EQ(state->airspeedBug.bugKt(), 180);
  EXPECT_EQ(state->rmiSources.left, 2);
  EXPECT_EQ(state->rmiSources.right, 1);
  EXPECT_STREQ(state->flags.storeLocation->fileName, "last.sta");
  EXPECT_STREQ(state->flags.storeLocation->folderName, "Orvek");
  EXPECT_EQ(state->flags.soundVolume, 80);
  EXPECT_FALSE(state->flags.fmcKeyboardActive);
  EXPECT_EQ(state->altitudePreselector.valueFt(), 10000);
  state->airspeedBug.stepUp();
  state->rmiSources.left = 1;
  Linkage.moduleDeinit();
  Linkage.moduleInit();
  EXPECT_EQ(aircraft()->airspeedBug.bugKt(), 180);
  EXPECT_EQ(aircraft()->rmiSources.left, 2);
}

TEST_F(ModuleTest, TheCduTakesKeysOnceItsGaugeWasDrawnShownOrHidden) {
  abi::GaugeHeader* fmc = gaugeNamed("FMC");
  fmc->callback(fmc, abi::kServicePreDraw, 0);  // no aircraft yet: nothing to mark
  Linkage.moduleInit();
  AircraftState& s = *aircraft();
  for (std::int32_t service : {abi::kServiceInit, abi::kServicePreUpdate, abi::kServicePostDraw}) {
    fmc->callback(fmc, service, 0);
  }
  EXPECT_FALSE(s.flags.fmcKeyboardActive);
  for (std::int32_t service : {abi::kServicePreDraw, abi::kServicePanelOpen, abi::kServicePanelClose}) {
    s.flags.fmcKeyboardActive = false;
    fmc->callback(fmc, service, 0);
    EXPECT_TRUE(s.flags.fmcKeyboardActive) << service;
    host.timer.fire();
    EXPECT_TRUE(s.flags.fmcKeyboardActive) << "stays set";
  }
}

// ---- the cycle ----

TEST_F(ModuleTest, EachCycleLooksUpThe149VariablesInTheHostsOrder) {
  const std::vector<std::uint32_t> expected(std::begin(contract::kLookupOrder),
                                            std::end(contract::kLookupOrder));
  Linkage.moduleInit();
  host.timer.fire();
  EXPECT_EQ(host.lookups, expected);
  host.lookups.clear();
  host.timer.fire();
  EXPECT_EQ(host.lookups, expected);
}

TEST_F(ModuleTest, TheCycleFeedsTheSpeedTargetFromWeightAndFlaps) {
  Linkage.moduleInit();
  host.values[791] = 5000;  // pounds of fuel
  aircraft()->link.addon.payloadWeightLb = 30000;
  host.timer.fire();
  const AircraftState& s = *aircraft();
  EXPECT_DOUBLE_EQ(s.link.samples.aircraftWeightLb, 35000);
  EXPECT_NEAR(s.airspeedBug.speedTargetKt(), 136 - 5000 * 0.0017692307692307693, 1e-9);
  host.values[328] = 16353;
  host.timer.fire();
  EXPECT_NEAR(s.airspeedBug.speedTargetKt(), 136 - 5000 * 0.0017692307692307693 - 30, 1e-9);
  host.values[328] = 16352;
  host.timer.fire();
  EXPECT_NEAR(s.airspeedBug.speedTargetKt(), 136 - 5000 * 0.0017692307692307693 - 22, 1e-9);
  host.values[328] = 12253;
  host.timer.fire();
  EXPECT_NEAR(s.airspeedBug.speedTargetKt(), 136 - 5000 * 0.0017692307692307693, 1e-9);
}

TEST(PowerEdge, RunsPowerUpAndPowerDownOncePerEdge) {
  PowerEdge edge;
  int ups = 0, downs = 0;
  auto up = [&] { ++ups; };
  auto down = [&] { ++downs; };
  edge.update(false, up, down);
  EXPECT_EQ(ups + downs, 0) << "starting unpowered is no edge";
  for (int i = 0; i < 5; ++i) edge.update(true, up, down);
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(downs, 0);
  for (int i = 0; i < 3; ++i) edge.update(false, up, down);
  EXPECT_EQ(downs, 1);
  edge.update(true, up, down);
  edge.update(false, up, down);
  EXPECT_EQ(ups, 2);
  EXPECT_EQ(downs, 2);
}

TEST_F(ModuleTest, DcPowerCopyFollowsThePowerEdgesInTheCycle) {
  Linkage.moduleInit();
  AircraftState& s = *aircraft();
  Effects e = s.effects();
  s.switches.toggle(&systems::PanelSwitchRecord::batteryMaster, e);  // the panel starts dark
  host.timer.fire();
  EXPECT_FALSE(s.electrical.state().dcPowerAvailable);
  EXPECT_FALSE(s.flags.dcPowerCopy);
  s.switches.toggle(&systems::PanelSwitchRecord::batteryMaster, e);
  host.timer.fire();
  EXPECT_TRUE(s.flags.dcPowerCopy);
  s.flags.dcPowerCopy = false;  // only an edge sets it: a steady supply leaves it alone
  host.timer.fire();
  EXPECT_FALSE(s.flags.dcPowerCopy);
  s.flags.dcPowerCopy = true;
  s.switches.toggle(&systems::PanelSwitchRecord::batteryMaster, e);
  host.timer.fire();
  EXPECT_FALSE(s.flags.dcPowerCopy);
}

}  // namespace
}  // namespace xaq::frame
