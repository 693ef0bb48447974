// The module's add-on data link against the add-on stand-in. The module, loaded by the sim host,
// is watched from the add-on's side (what it asked for, cycle by cycle). The link's own code,
// linked into this test and reaching the stand-in through the same portable ports the module
// uses, shows that values set in the flight model arrive in the cockpit's units and that
// joystick buttons come back through the hot-button slots.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "services/datalink/data_link.h"
#include "tests/sil/host_fixture.h"

namespace xaq::sim {
namespace {

using Served = AddonStandIn::ServedRecord;
using services::datalink::AddonValues;
using services::datalink::DataLink;
using services::datalink::JoystickButtons;

struct Request {
  std::uint32_t kind, offset, size;
  bool operator==(const Request&) const = default;
};

std::vector<Request> requests(const std::vector<Served>& batch) {
  std::vector<Request> list;
  for (const Served& r : batch) list.push_back({r.kind, r.offset, r.size});
  return list;
}

// The wipers write their position in a message of its own in each of the module's first 36
// cycles (and while they run).
constexpr std::size_t kWiperStartupWrites = 36;
// The traffic list is read on its own once a second, from the first cycle on.
constexpr std::size_t trafficReadsIn(double seconds) { return static_cast<std::size_t>(seconds - 0.056) + 1; }

const std::vector<Request> kConnect = {{1, 0x3304, 4}, {1, 0x3308, 4}, {2, 0x330A, 2}};

std::vector<Request> cycleReads(bool withPaths) {
  std::vector<Request> list = {{1, 0x32FC, 2}};
  if (withPaths) list.insert(list.end(), {{1, 0x3C00, 256}, {1, 0x3E00, 256}});
  list.insert(list.end(), {{1, 0x3070, 8}, {1, 0x31C8, 8}, {1, 0x30B0, 8}, {1, 0x3080, 8},
                           {1, 0x02B8, 4}, {1, 0x02B4, 4}, {1, 0x115E, 1}, {1, 0x3BFC, 4},
                           {1, 0x085C, 4}, {1, 0x0874, 4}, {1, 0x0864, 4}, {1, 0x0878, 4},
                           {1, 0x0870, 2}, {1, 0x0872, 2}});
  for (std::uint32_t layer : {0x0E9Au, 0x0EA2u, 0x0EAAu}) {
    for (std::uint32_t word = 0; word < 3; ++word) list.push_back({1, layer + 2 * word, 2});
  }
  list.push_back({1, 0x290C, 4});
  return list;
}

// The batches of the link's own exchange, without the flight guidance's single writes of its
// control words (the disconnect byte goes out once on each connection), the wipers' position and
// the traffic list.
std::vector<std::vector<Served>> linkBatches(const std::vector<std::vector<Served>>& served) {
  std::vector<std::vector<Served>> batches;
  for (const auto& batch : served) {
    const bool guidanceWrite = batch.size() == 1 && batch[0].kind == 2 &&
                               (batch[0].offset == 0x310A || batch[0].offset == 0x0BB6 ||
                                batch[0].offset == 0x0BB2 || batch[0].offset == 0x0BC0);
    const bool wiperWrite = batch.size() == 1 && batch[0].kind == 2 && batch[0].offset == 0x37F0;
    const bool trafficRead = batch.size() == 1 && batch[0].kind == 1 && batch[0].offset == 0xF000;
    if (!guidanceWrite && !wiperWrite && !trafficRead) batches.push_back(batch);
  }
  return batches;
}

std::unique_ptr<SimHost> startHost(bool present, std::uint32_t version) {
  HostOptions options = testing::testHostOptions();
  options.addonPresent = present;
  options.addonVersion = version;
  auto host = std::make_unique<SimHost>(options);
  EXPECT_TRUE(host->loaded()) << host->error();
  host->addon.recording = true;  // the module has not run a cycle yet
  return host;
}

TEST(AddonLinkModule, ConnectsThenAsksEachCycleForExactlyTheDescribedReads) {
  auto host = startHost(true, kAddonVersion275);
  host->runFor(0.56);
  ASSERT_EQ(host->cyclesRun(), 10u);
  const auto wiperWrites = std::count_if(host->addon.served.begin(), host->addon.served.end(), [](const auto& batch) {
    return batch.size() == 1 && batch[0].kind == 2 && batch[0].offset == 0x37F0 && batch[0].size == 8;
  });
  EXPECT_EQ(wiperWrites, 10) << "the wipers' position, once a cycle after start";
  const auto served = linkBatches(host->addon.served);
  ASSERT_EQ(served.size(), 10u);  // one message per cycle

  EXPECT_EQ(requests(served[0]), kConnect);
  EXPECT_EQ(host->addon.clientVersion(), 1100);

  // The first counter it sees is a change: the paths follow from the next cycle on.
  EXPECT_EQ(requests(served[1]), cycleReads(false));
  for (std::size_t c = 2; c < served.size(); ++c) EXPECT_EQ(requests(served[c]), cycleReads(true)) << c;
  // No command has a joystick button yet, so no hot-button slot is touched.
  EXPECT_EQ(host->addon.peek(0x2910, 4), 0u);
}

TEST(AddonLinkModule, ReadsThePathsForAHundredCyclesAfterAnAircraftChange) {
  auto host = startHost(true, kAddonVersion275);
  std::vector<std::vector<Served>> served;
  const auto readsPath = [&](std::size_t batch) { return served[batch].size() > cycleReads(false).size(); };
  host->runFor(0.056 * 120);
  served = linkBatches(host->addon.served);
  ASSERT_EQ(served.size(), 120u);
  EXPECT_TRUE(readsPath(2));
  EXPECT_TRUE(readsPath(101));
  EXPECT_FALSE(readsPath(102));

  host->addon.setAircraftPath("/elsewhere/Aircraft/Other/other.air");
  host->addon.served.clear();
  host->runFor(0.056 * 3);
  served = linkBatches(host->addon.served);
  ASSERT_EQ(served.size(), 3u);
  EXPECT_FALSE(readsPath(0));  // sees the new counter
  ASSERT_TRUE(readsPath(1));
  EXPECT_STREQ(reinterpret_cast<const char*>(served[1][1].data.data()), "/elsewhere/Aircraft/Other/other.air");
}

TEST(AddonLinkModule, OlderAddonIsConnectedEveryCycleAndNeverRead) {
  auto host = startHost(true, kAddonVersion274);
  host->runFor(0.56);
  // The wipers' single writes and the traffic list's read find the link not version-ok and
  // connect again as well.
  ASSERT_EQ(host->addon.served.size(), 20u + trafficReadsIn(0.56));
  for (const auto& batch : host->addon.served) EXPECT_EQ(requests(batch), kConnect);
  EXPECT_EQ(host->addon.clientVersion(), 1100);
}

TEST(AddonLinkModule, WithoutAddonWindowEachCycleLooksAgainAndTheCockpitRunsOn) {
  auto host = startHost(false, kAddonVersion275);
  host->runFor(5.6);
  EXPECT_EQ(host->cyclesRun(), 100u);
  EXPECT_EQ(host->addonWindowSearches(), 100u + kWiperStartupWrites + trafficReadsIn(5.6));
  EXPECT_EQ(host->addonMessages(), 0u);
  EXPECT_EQ(host->lastCycleLookups().size(), 149u);
}

// ---- the link's code against the stand-in ----

class AddonLinkCode : public testing::ModuleHost {
 protected:
  void cycle(int times = 1) {
    for (int i = 0; i < times; ++i) link.update(values, notesPath, buttons);
  }
  DataLink link;
  AddonValues values;
  std::string notesPath;
  JoystickButtons buttons{};
};

TEST_F(AddonLinkCode, FlightModelValuesArriveInTheCockpitsUnits) {
  Aircraft& a = host->world.aircraft;
  a.trueAirspeedKt = 187.3;
  a.groundSpeedKt = 201.7;
  a.verticalSpeedFpm = -850;
  a.accelerationFtps2 = 1.5;
  a.pitchDeg = 2;
  a.flightPathDeg = -3;
  a.zeroFuelWeightLb = 33210.4;
  Environment& env = host->world.environment;
  env.clouds[0] = {2500, 6000, 30000};
  env.clouds[2] = {12000, 18500, 200};
  env.timeOfDay = 2;
  NavSignals::Receiver& nav1 = host->world.nav.nav1;
  nav1.stationLatDeg = -33.9461;
  nav1.stationLonDeg = 151.1772;
  nav1.courseDeg = 254.3;
  nav1.glideslopeAngleDeg = 3.0;
  nav1.glideslopeLatDeg = 45.5881;
  nav1.glideslopeLonDeg = -122.6030;
  cycle(3);  // connect, read (the counter starts the path reads), read with paths

  EXPECT_NEAR(values.trueAirspeedKt, 187.3, 0.5 / 128);
  EXPECT_NEAR(values.groundSpeedKt, 201.7, 1e-3);
  EXPECT_NEAR(values.verticalSpeedFpm, -850, 1e-9);
  EXPECT_NEAR(values.accelerationKtPerSec, 1.5 * 3600 / 6076.115, 1e-5);
  EXPECT_NEAR(values.flightPathAngleDeg, -3, 1e-5);
  EXPECT_NEAR(values.angleOfAttackDeg, 5, 1e-5);
  EXPECT_NEAR(values.payloadWeightLb, 33210.4, 0.5 / 256);
  EXPECT_EQ(values.timeOfDay, 2);
  EXPECT_NEAR(values.nav1StationLatDeg, -33.9461, 1e-5);
  EXPECT_NEAR(values.nav1StationLonDeg, 151.1772, 1e-7);
  EXPECT_NEAR(values.localizerCourseDeg, 254.3 - 360, 0.003);
  EXPECT_NEAR(values.glideslopeAngleDeg, 3.0, 0.003);
  EXPECT_NEAR(values.glideslopeLatDeg, 45.5881, 1e-5);
  EXPECT_NEAR(values.glideslopeLonDeg, -122.6030, 1e-7);
  // Whole metres on the add-on's side, whole feet truncated on ours.
  EXPECT_NEAR(values.clouds[0].baseFt, 2500, 3.3);
  EXPECT_NEAR(values.clouds[2].topFt, 18500, 3.3);
  EXPECT_EQ(values.clouds[2].density, 200);

  EXPECT_NE(values.aircraftFilePath.find("/Aircraft/Xaq-Orvek/Xaq-Orvek.air"), std::string::npos);
  EXPECT_EQ(notesPath, values.aircraftFilePath.substr(0, values.aircraftFilePath.rfind('/') + 1) +
                           "orvek-300_notes.txt");
  EXPECT_EQ(values.simulatorFolder.back(), '/');
}

TEST_F(AddonLinkCode, JoystickButtonsRegisterAndTheirPressesComeBack) {
  buttons[0].joystick = 1;  // joystick 2, button 4
  buttons[0].button = 3;
  buttons[1].joystick = 0;  // joystick 1, button 7
  buttons[1].button = 6;
  buttons[2].button = 0;    // button 1 is not watched
  cycle(2);
  ASSERT_TRUE(buttons[0].registered);
  ASSERT_TRUE(buttons[1].registered);
  EXPECT_FALSE(buttons[2].registered);
  EXPECT_EQ(host->addon.peek(0x2910 + 4 * static_cast<std::uint32_t>(buttons[0].slot), 4),
            ((3u | 0x200u) * 256u) + (1u + 128u));
  EXPECT_EQ(host->addon.peek(0x2910 + 4 * static_cast<std::uint32_t>(buttons[1].slot), 4),
            ((6u | 0x200u) * 256u) + 128u);

  host->addon.joystickButton(2, 4, true);
  cycle();
  EXPECT_TRUE(buttons[0].pressed);
  EXPECT_FALSE(buttons[1].pressed);
  cycle();  // held: no new change, still pressed
  EXPECT_TRUE(buttons[0].pressed);
  host->addon.joystickButton(2, 4, false);
  cycle();
  EXPECT_FALSE(buttons[0].pressed);

  link.shutDown(buttons);
  EXPECT_EQ(host->addon.peek(0x2910, 8), 0u);
}

}  // namespace
}  // namespace xaq::sim
