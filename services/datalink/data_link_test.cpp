// The link object's side of the add-on: connecting and reconnecting, the reads of each cycle and
// their conversions, the aircraft's paths, the joystick hot buttons and the shut-down.

#include "services/datalink/data_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "services/datalink/fake_addon.h"

namespace xaq::services::datalink {
namespace {

using testing::FakeAddon;
using Record = FakeAddon::Record;

class DataLinkTest : public ::testing::Test {
 protected:
  void cycle(int times = 1) {
    for (int i = 0; i < times; ++i) link.update(values, notesPath, buttons);
  }
  bool readsOffset(const std::vector<Record>& batch, std::uint32_t offset) {
    return std::any_of(batch.begin(), batch.end(),
                       [offset](const Record& r) { return r.kind == 1 && r.offset == offset; });
  }
  JoystickButton& entry(std::size_t index, int joystick, int button) {
    buttons[index].joystick = joystick - 1;
    buttons[index].button = button - 1;
    return buttons[index];
  }

  FakeAddon addon;
  DataLink link;
  AddonValues values;
  std::string notesPath;
  JoystickButtons buttons{};
};

const std::vector<Record> kConnect = {{1, 0x3304, 4}, {1, 0x3308, 4}, {2, 0x330A, 2}};

TEST_F(DataLinkTest, ConnectsFirstThenReadsExactlyTheCyclesValues) {
  cycle();
  ASSERT_EQ(addon.served.size(), 1u);
  EXPECT_EQ(addon.served[0], kConnect);
  EXPECT_TRUE(link.connected());
  EXPECT_TRUE(link.versionOk());

  cycle();
  ASSERT_EQ(addon.served.size(), 2u);
  const std::vector<Record> expected = {
      {1, 0x32FC, 2}, {1, 0x3070, 8}, {1, 0x31C8, 8}, {1, 0x30B0, 8}, {1, 0x3080, 8},
      {1, 0x02B8, 4}, {1, 0x02B4, 4}, {1, 0x115E, 1}, {1, 0x3BFC, 4}, {1, 0x085C, 4},
      {1, 0x0874, 4}, {1, 0x0864, 4}, {1, 0x0878, 4}, {1, 0x0870, 2}, {1, 0x0872, 2},
      {1, 0x0E9A, 2}, {1, 0x0E9C, 2}, {1, 0x0E9E, 2}, {1, 0x0EA2, 2}, {1, 0x0EA4, 2},
      {1, 0x0EA6, 2}, {1, 0x0EAA, 2}, {1, 0x0EAC, 2}, {1, 0x0EAE, 2}, {1, 0x290C, 4}};
  EXPECT_EQ(addon.served[1], expected);
}

TEST_F(DataLinkTest, ValuesArriveConvertedIntoCockpitUnits) {
  addon.put<double>(0x3070, 10.0);                       // ft/s per second
  addon.put<double>(0x31C8, -12.5);                      // ft/s
  addon.put<double>(0x30B0, 0.05);                       // rad
  addon.put<double>(0x3080, -0.02);
  addon.put<std::uint32_t>(0x02B8, 180 * 128 + 64);      // 180.5 kt
  addon.put<std::uint32_t>(0x02B4, 65536 * 100);         // 100 m/s
  addon.put<std::uint8_t>(0x115E, 4);
  addon.put<std::uint32_t>(0x3BFC, 25000 * 256 + 128);   // 25000.5 lb
  addon.put<std::int32_t>(0x085C, -5066000);             // about 45.6 deg south
  addon.put<std::int32_t>(0x0874, 5066000);
  addon.put<std::int32_t>(0x0864, std::numeric_limits<std::int32_t>::min());  // 180 W
  addon.put<std::int32_t>(0x0878, -1463000000);          // about 122.6 W
  addon.put<std::uint16_t>(0x0870, 0xC000);              // 270 deg
  addon.put<std::uint16_t>(0x0872, 546);                 // about 3 deg
  addon.put<std::uint16_t>(0x0E9A, 1000);                // 3280.83 ft, truncated
  addon.put<std::uint16_t>(0x0E9C, 65535);
  addon.put<std::uint16_t>(0x0E9E, 40000);
  addon.put<std::uint16_t>(0x0EAA, 1);
  addon.put<std::uint16_t>(0x0EAE, 7);
  cycle(2);

  EXPECT_DOUBLE_EQ(values.accelerationKtPerSec, 10.0 * 0.5924838);
  EXPECT_DOUBLE_EQ(values.verticalSpeedFpm, -750.0);
  EXPECT_DOUBLE_EQ(values.flightPathAngleDeg, 0.05 * 57.295743037293285);
  EXPECT_DOUBLE_EQ(values.angleOfAttackDeg, -0.02 * 57.295743037293285);
  EXPECT_DOUBLE_EQ(values.trueAirspeedKt, 180.5);
  EXPECT_DOUBLE_EQ(values.groundSpeedKt, 6553600 * 2.966070556640625e-05);
  EXPECT_NEAR(values.groundSpeedKt, 194.38, 0.01);
  EXPECT_EQ(values.timeOfDay, 4);
  EXPECT_DOUBLE_EQ(values.payloadWeightLb, 25000.5);
  EXPECT_DOUBLE_EQ(values.nav1StationLatDeg, -5066000 * 8.998425275576774e-06);
  EXPECT_DOUBLE_EQ(values.glideslopeLatDeg, 5066000 * 8.998425275576774e-06);
  EXPECT_DOUBLE_EQ(values.nav1StationLonDeg, -180.0);
  EXPECT_DOUBLE_EQ(values.glideslopeLonDeg, -1463000000 * 8.381903171539307e-08);
  EXPECT_DOUBLE_EQ(values.localizerCourseDeg, -90.0);
  EXPECT_DOUBLE_EQ(values.glideslopeAngleDeg, 546 * 0.0054931640625);
  EXPECT_EQ(values.clouds[0].baseFt, 3280);
  EXPECT_EQ(values.clouds[0].topFt, 215009);  // 65535 m, truncated
  EXPECT_EQ(values.clouds[0].density, 40000);
  EXPECT_EQ(values.clouds[1].baseFt, 0);
  EXPECT_EQ(values.clouds[2].baseFt, 3);
  EXPECT_EQ(values.clouds[2].density, 7);
}

TEST_F(DataLinkTest, LostAddonKeepsTheLastReadingAndReconnectsNextCycle) {
  addon.put<std::uint32_t>(0x02B8, 150 * 128);
  cycle(2);
  ASSERT_DOUBLE_EQ(values.trueAirspeedKt, 150);

  addon.put<std::uint32_t>(0x02B8, 160 * 128);
  addon.failNext = 1;
  cycle();
  EXPECT_DOUBLE_EQ(values.trueAirspeedKt, 150);
  EXPECT_FALSE(link.versionOk());

  const std::size_t served = addon.served.size();
  cycle();  // reconnects on a window found afresh
  ASSERT_EQ(addon.served.size(), served + 1);
  EXPECT_EQ(addon.served.back(), kConnect);
  cycle();
  EXPECT_DOUBLE_EQ(values.trueAirspeedKt, 160);
}

TEST_F(DataLinkTest, OlderAddonConnectsEveryCycleButIsNeverRead) {
  addon.put<std::uint32_t>(0x3304, 0x27400000);
  addon.put<std::uint32_t>(0x02B8, 150 * 128);
  cycle(4);
  ASSERT_EQ(addon.served.size(), 4u);
  for (const auto& batch : addon.served) EXPECT_EQ(batch, kConnect);
  EXPECT_TRUE(link.connected());
  EXPECT_FALSE(link.versionOk());
  EXPECT_EQ(values.trueAirspeedKt, 0);
}

TEST_F(DataLinkTest, WithoutAddonWindowEveryCallLooksAgainAndSendsNothing) {
  addon.present = false;
  cycle(3);
  std::uint16_t word = 0;
  EXPECT_FALSE(link.singleRead(0x0BB6, 2, &word));
  EXPECT_FALSE(link.singleWrite(0x0BB6, 2, &word));
  EXPECT_EQ(addon.searches, 5);
  EXPECT_EQ(addon.messages, 0);
  EXPECT_FALSE(link.connected());
  link.shutDown(buttons);  // harmless when never connected
  EXPECT_EQ(addon.messages, 0);
}

TEST_F(DataLinkTest, SingleRequestsConnectFirstAndReconnectAfterAFailure) {
  const std::int16_t aileron = -3000;
  EXPECT_FALSE(link.singleWrite(0x0BB6, 2, &aileron));  // this call only connects
  EXPECT_TRUE(link.singleWrite(0x0BB6, 2, &aileron));
  EXPECT_EQ(addon.get<std::int16_t>(0x0BB6), -3000);
  std::int16_t back = 0;
  EXPECT_TRUE(link.singleRead(0x0BB6, 2, &back));
  EXPECT_EQ(back, -3000);
  EXPECT_EQ(addon.served.back(), (std::vector<Record>{{1, 0x0BB6, 2}}));

  // A request too large for the buffer is refused and the link stays usable.
  std::vector<std::uint8_t> large(5000);
  EXPECT_FALSE(link.singleRead(0xF000, 5000, large.data()));
  EXPECT_TRUE(link.versionOk());

  addon.failNext = 1;
  EXPECT_FALSE(link.singleRead(0x0BB6, 2, &back));
  EXPECT_FALSE(link.versionOk());
  EXPECT_FALSE(link.singleRead(0x0BB6, 2, &back));  // reconnects
  EXPECT_TRUE(link.singleRead(0x0BB6, 2, &back));
}

TEST_F(DataLinkTest, PathsAreReadForAHundredCyclesAfterEachAircraftChange) {
  addon.put<std::uint16_t>(0x32FC, 1);
  addon.putText(0x3C00, "C:\\FS2002\\Aircraft\\Orvek 300\\orvek.air");
  addon.putText(0x3E00, "C:\\FS2002\\");
  cycle(2);  // connect, then the first counter
  EXPECT_FALSE(readsOffset(addon.served.back(), 0x3C00));
  EXPECT_TRUE(notesPath.empty());

  cycle();
  EXPECT_TRUE(readsOffset(addon.served.back(), 0x3C00));
  EXPECT_TRUE(readsOffset(addon.served.back(), 0x3E00));
  EXPECT_EQ(notesPath, "C:\\FS2002\\Aircraft\\Orvek 300\\orvek-300_notes.txt");
  EXPECT_EQ(values.aircraftFilePath, "C:\\FS2002\\Aircraft\\Orvek 300\\orvek.air");
  EXPECT_EQ(values.simulatorFolder, "C:\\FS2002\\");

  addon.putText(0x3C00, "/sim/Aircraft/other/other.air");  // late, same counter: still taken
  cycle(99);
  EXPECT_TRUE(readsOffset(addon.served.back(), 0x3C00));
  EXPECT_EQ(notesPath, "/sim/Aircraft/other/orvek-300_notes.txt");
  cycle();
  EXPECT_FALSE(readsOffset(addon.served.back(), 0x3C00));

  addon.put<std::uint16_t>(0x32FC, 2);
  addon.putText(0x3C00, "");  // a path without a folder leaves the notes file where it was
  cycle(2);
  EXPECT_TRUE(readsOffset(addon.served.back(), 0x3C00));
  EXPECT_EQ(values.aircraftFilePath, "");
  EXPECT_EQ(notesPath, "/sim/Aircraft/other/orvek-300_notes.txt");
}

TEST_F(DataLinkTest, UnterminatedPathIsTakenUpToItsField) {
  addon.put<std::uint16_t>(0x32FC, 1);
  std::fill_n(addon.memory.begin() + 0x3C00, 0x300, 'x');  // both paths, no terminator anywhere
  addon.memory[0x3C00 + 10] = '/';
  cycle(3);
  EXPECT_EQ(values.aircraftFilePath.size(), 256u);
  EXPECT_EQ(values.simulatorFolder.size(), 256u);
  EXPECT_EQ(notesPath, "xxxxxxxxxx/orvek-300_notes.txt");
}

TEST_F(DataLinkTest, NotesFileSitsBesideTheAircraftFile) {
  EXPECT_EQ(notesFilePathFor("D:\\Sim\\Aircraft\\A\\a.air"), "D:\\Sim\\Aircraft\\A\\orvek-300_notes.txt");
  EXPECT_EQ(notesFilePathFor("D:\\a.air"), "D:\\orvek-300_notes.txt");
  EXPECT_EQ(notesFilePathFor("/home/pilot/sim/Aircraft/A/a.air"), "/home/pilot/sim/Aircraft/A/orvek-300_notes.txt");
  EXPECT_EQ(notesFilePathFor("a.air"), "");
  EXPECT_EQ(notesFilePathFor(""), "");
}

class HotButtonTest : public DataLinkTest {
 protected:
  static constexpr std::uint32_t kSlot0 = 0x2910;
  void SetUp() override { addon.put<std::uint32_t>(0x290C, 56); }
  std::uint32_t slot(int k) const { return addon.get<std::uint32_t>(kSlot0 + 4 * k); }
};

TEST_F(HotButtonTest, ButtonsTakeTheFreeSlotsInOrderOnce) {
  addon.put<std::uint32_t>(kSlot0, 0x12345);      // slots 0 and 2 belong to someone else
  addon.put<std::uint32_t>(kSlot0 + 8, 0x6789A);
  entry(0, 2, 5);
  entry(1, 1, 1);   // button 1: not watched
  entry(3, 1, 3);
  cycle(2);

  EXPECT_TRUE(buttons[0].registered);
  EXPECT_EQ(buttons[0].slot, 1);
  EXPECT_EQ(slot(1), ((4u | 0x200u) * 256u) + (1u + 128u));
  EXPECT_FALSE(buttons[1].registered);
  EXPECT_FALSE(buttons[2].registered);  // never filled: reads as button 1 too
  EXPECT_TRUE(buttons[3].registered);
  EXPECT_EQ(buttons[3].slot, 3);
  EXPECT_EQ(slot(3), ((2u | 0x200u) * 256u) + 128u);
  EXPECT_EQ(slot(4), 0u);

  const std::size_t before = addon.reads().size();
  cycle();  // registered entries are not registered again: no slot search
  const std::vector<Record> reads = addon.reads();
  const auto slotSearches = std::count_if(reads.begin() + static_cast<std::ptrdiff_t>(before), reads.end(),
                                          [](const Record& r) { return r.offset >= 0x2910 && r.offset < 0x29F0; });
  EXPECT_EQ(slotSearches, 2);  // only the two watched slots
}

TEST_F(HotButtonTest, PressedFlagFollowsTheChangedBitAndTheChangeIsAcknowledged) {
  entry(0, 1, 2);
  cycle(2);
  ASSERT_TRUE(buttons[0].registered);
  const std::uint32_t word = slot(0);

  addon.put<std::uint32_t>(kSlot0, word | 3u << 24);  // changed, pressed
  cycle();
  EXPECT_TRUE(buttons[0].pressed);
  EXPECT_EQ(slot(0), word | 1u << 25);

  addon.put<std::uint32_t>(kSlot0, word);  // pressed bit gone but no change reported
  cycle();
  EXPECT_TRUE(buttons[0].pressed);

  addon.put<std::uint32_t>(kSlot0, word | 1u << 24);  // changed, released
  cycle();
  EXPECT_FALSE(buttons[0].pressed);
  EXPECT_EQ(slot(0), word);
}

TEST_F(HotButtonTest, SearchStaysWithinTheAddonsSlots) {
  entry(0, 1, 2);
  addon.put<std::uint32_t>(0x290C, 0);  // no hot buttons offered
  cycle(3);
  EXPECT_FALSE(buttons[0].registered);

  addon.put<std::uint32_t>(0x290C, 4);
  for (int k = 0; k < 4; ++k) addon.put<std::uint32_t>(kSlot0 + 4 * k, 0x100 + k);
  cycle();
  EXPECT_FALSE(buttons[0].registered);  // slot 4 is free but not the add-on's
  EXPECT_EQ(slot(4), 0u);

  addon.put<std::uint32_t>(0x290C, 0xFFFFFFFF);  // nonsense count: the search is still bounded
  for (int k = 0; k < 300; ++k) addon.put<std::uint32_t>(kSlot0 + 4 * k, 0x100 + k);
  cycle();
  EXPECT_FALSE(buttons[0].registered);
  std::uint32_t highestSlot = 0;
  for (const Record& r : addon.reads()) {
    if (r.offset >= kSlot0 && r.offset < 0x3000) highestSlot = std::max(highestSlot, r.offset);
  }
  EXPECT_EQ(highestSlot, kSlot0 + 4 * 255);
}

TEST_F(HotButtonTest, EntriesThatDoNotFitTheWordAreNotWatched) {
  entry(0, 0, 2);     // no joystick
  entry(1, 129, 2);   // joystick number past the word's byte
  entry(2, 1, 257);   // button number past the word's byte
  cycle(2);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(buttons[i].registered) << i;
  EXPECT_EQ(slot(0), 0u);
}

TEST_F(HotButtonTest, ShutDownFreesTheSlotsAndCloses) {
  entry(0, 1, 2);
  entry(1, 1, 3);
  cycle(2);
  ASSERT_TRUE(buttons[0].registered && buttons[1].registered);
  link.shutDown(buttons);
  EXPECT_EQ(slot(0), 0u);
  EXPECT_EQ(slot(1), 0u);
  EXPECT_FALSE(buttons[0].registered || buttons[1].registered);
  EXPECT_FALSE(link.connected());
  const int messages = addon.messages;
  link.shutDown(buttons);
  EXPECT_EQ(addon.messages, messages);
}

TEST_F(HotButtonTest, ShutDownAfterALostAddonWritesNothing) {
  entry(0, 1, 2);
  cycle(2);
  addon.failNext = 1;
  cycle();
  const int messages = addon.messages;
  link.shutDown(buttons);
  EXPECT_EQ(addon.messages, messages);
  EXPECT_TRUE(buttons[0].registered);  // nothing was handed back, so nothing is forgotten
}

}  // namespace
}  // namespace xaq::services::datalink
