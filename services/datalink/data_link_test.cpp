// The link object's side of the add-on: the conversions of each cycle's reads, reconnecting,
// the aircraft's paths, the joystick hot buttons and the shut-down.

#include "services/datalink/data_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "services/datalink/fake_addon.h"

namespace xaq::services::datalink {
namespace {

class DataLinkTest : public ::testing::Test {
 protected:
  void cycle(int times = 1) {
    for (int i = 0; i < times; ++i) link.update(values, notesPath, buttons);
  }
  void entry(std::size_t index, int joystick, int button) {
    buttons[index].joystick = joystick - 1;
    buttons[index].button = button - 1;
  }
  std::uint32_t slot(int k) const { return addon.get<std::uint32_t>(0x2910 + 4 * k); }

  testing::FakeAddon addon;
  DataLink link;
  AddonValues values;
  std::string notesPath;
  JoystickButtons buttons{};
};

TEST_F(DataLinkTest, ValuesArriveConvertedIntoCockpitUnits) {
  addon.put<double>(0x3070, 10.0);
  addon.put<double>(0x31C8, -12.5);
  addon.put<double>(0x30B0, 0.05);
  addon.put<double>(0x3080, -0.02);
  addon.put<std::uint32_t>(0x02B8, 180 * 128 + 64);
  addon.put<std::uint32_t>(0x02B4, 65536 * 100);          // 100 m/s
  addon.put<std::uint8_t>(0x115E, 4);
  addon.put<std::uint32_t>(0x3BFC, 25000 * 256 + 128);
  addon.put<std::int32_t>(0x085C, -5066000);
  addon.put<std::int32_t>(0x0864, std::numeric_limits<std::int32_t>::min());
  addon.put<std::int32_t>(0x0878, -1463000000);
  addon.put<std::uint16_t>(0x0870, 0xC000);                // 270 degrees
  addon.put<std::uint16_t>(0x0872, 0xC000);                // not wrapped
  addon.put<std::uint16_t>(0x0E9A, 1000);
  addon.put<std::uint16_t>(0x0E9C, 65535);
  addon.put<std::uint16_t>(0x0E9E, 40000);
  addon.put<std::uint16_t>(0x0EAC, 1);
  cycle(2);  // connect, then read

  EXPECT_DOUBLE_EQ(values.accelerationKtPerSec, 10.0 * 0.5924838);
  EXPECT_DOUBLE_EQ(values.verticalSpeedFpm, -750.0);
  EXPECT_DOUBLE_EQ(values.flightPathAngleDeg, 0.05 * 57.295743037293285);
  EXPECT_DOUBLE_EQ(values.angleOfAttackDeg, -0.02 * 57.295743037293285);
  EXPECT_DOUBLE_EQ(values.trueAirspeedKt, 180.5);
  EXPECT_NEAR(values.groundSpeedKt, 194.384, 1e-3);
  EXPECT_EQ(values.timeOfDay, 4);
  EXPECT_DOUBLE_EQ(values.payloadWeightLb, 25000.5);
  EXPECT_DOUBLE_EQ(values.nav1StationLatDeg, -5066000 * 8.998425275576774e-06);
  EXPECT_DOUBLE_EQ(values.nav1StationLonDeg, -180.0);
  EXPECT_DOUBLE_EQ(values.glideslopeLonDeg, -1463000000 * 8.381903171539307e-08);
  EXPECT_DOUBLE_EQ(values.localizerCourseDeg, -90.0);
  EXPECT_DOUBLE_EQ(values.glideslopeAngleDeg, 270.0);
  EXPECT_EQ(values.clouds[0].baseFt, 3280);  // 3280.83, truncated
  EXPECT_EQ(values.clouds[0].topFt, 215009);
  EXPECT_EQ(values.clouds[0].density, 40000);
  EXPECT_EQ(values.clouds[1].topFt, 0);
  EXPECT_EQ(values.clouds[2].topFt, 3);
}

TEST_F(DataLinkTest, LostAddonKeepsTheLastReadingAndReconnectsNextCycle) {
  addon.put<std::uint32_t>(0x02B8, 150 * 128);
  cycle(2);
  addon.put<std::uint32_t>(0x02B8, 160 * 128);
  addon.failNext = 1;
  cycle();
  EXPECT_DOUBLE_EQ(values.trueAirspeedKt, 150);
  EXPECT_FALSE(link.versionOk());
  cycle();  // connects again, on a window looked for afresh
  EXPECT_EQ(addon.served.back().front(), (testing::FakeAddon::Record{1, 0x3304, 4}));
  cycle();
  EXPECT_DOUBLE_EQ(values.trueAirspeedKt, 160);
}

TEST_F(DataLinkTest, SingleRequestsConnectFirstAndReconnectAfterAFailure) {
  const std::int16_t aileron = -3000;
  EXPECT_FALSE(link.singleWrite(0x0BB6, 2, &aileron));  // this call only connects
  EXPECT_TRUE(link.singleWrite(0x0BB6, 2, &aileron));
  std::int16_t back = 0;
  EXPECT_TRUE(link.singleRead(0x0BB6, 2, &back));
  EXPECT_EQ(back, -3000);
  std::vector<std::uint8_t> large(5000);
  EXPECT_FALSE(link.singleRead(0xF000, 5000, large.data()));  // refused, link still fine
  EXPECT_TRUE(link.versionOk());
  addon.failNext = 1;
  EXPECT_FALSE(link.singleRead(0x0BB6, 2, &back));
  EXPECT_FALSE(link.singleRead(0x0BB6, 2, &back));  // reconnects
  EXPECT_TRUE(link.singleRead(0x0BB6, 2, &back));
}

TEST_F(DataLinkTest, NotesFileSitsBesideTheAircraftFileWhateverTheAddonSends) {
  EXPECT_EQ(notesFilePathFor("D:\\Sim\\Aircraft\\A\\a.air"), "D:\\Sim\\Aircraft\\A\\orvek-300_notes.txt");
  EXPECT_EQ(notesFilePathFor("/sim/Aircraft/A/a.air"), "/sim/Aircraft/A/orvek-300_notes.txt");
  EXPECT_EQ(notesFilePathFor("a.air"), "");

  addon.put<std::uint16_t>(0x32FC, 2525);  // any first reading counts as a change
  std::fill_n(addon.memory.begin() + 0x3C00, 0x300, 'x');  // both paths unterminated
  addon.memory[0x3C00 + 10] = '\\';
  cycle(3);
  EXPECT_EQ(values.aircraftFilePath.size(), 256u);
  EXPECT_EQ(values.simulatorFolder.size(), 256u);
  EXPECT_EQ(notesPath, "xxxxxxxxxx\\orvek-300_notes.txt");

  addon.put<std::uint16_t>(0x32FC, 2526);
  addon.putText(0x3C00, "");  // no folder: the notes file stays where it was
  cycle(2);
  EXPECT_EQ(values.aircraftFilePath, "");
  EXPECT_EQ(notesPath, "xxxxxxxxxx\\orvek-300_notes.txt");
}

TEST_F(DataLinkTest, ButtonsTakeFreeSlotsWithinTheAddonsCount) {
  addon.put<std::uint32_t>(0x290C, 0);  // no hot buttons offered yet
  addon.put<std::uint32_t>(0x2910, 0x12345);  // slots 0 and 2 belong to someone else
  addon.put<std::uint32_t>(0x2918, 0x6789A);
  entry(0, 2, 5);
  entry(1, 1, 1);    // button 1 is not watched, nor is an entry nobody filled (entry 2)
  entry(3, 0, 2);    // no joystick
  entry(4, 1, 257);  // past the word's byte
  entry(5, 1, 3);
  cycle(3);
  EXPECT_FALSE(buttons[0].registered);

  addon.put<std::uint32_t>(0x290C, 56);
  cycle();
  EXPECT_EQ(buttons[0].slot, 1);
  EXPECT_EQ(slot(1), ((4u | 0x200u) * 256u) + (1u + 128u));
  EXPECT_EQ(buttons[5].slot, 3);
  EXPECT_EQ(slot(3), ((2u | 0x200u) * 256u) + 128u);
  for (int i : {1, 2, 3, 4}) EXPECT_FALSE(buttons[i].registered) << i;
  EXPECT_EQ(slot(4), 0u);

  entry(6, 1, 4);  // all the add-on's slots taken: slot 4 is free but not the add-on's
  addon.put<std::uint32_t>(0x290C, 4);
  cycle();
  EXPECT_FALSE(buttons[6].registered);
  addon.put<std::uint32_t>(0x290C, 0xFFFFFFFF);  // a nonsense count still ends the search
  for (int k = 0; k < 300; ++k) addon.put<std::uint32_t>(0x2910 + 4 * k, 0x100 + k);
  cycle();
  EXPECT_FALSE(buttons[6].registered);
}

TEST_F(DataLinkTest, PressedFollowsTheChangedBitWhichIsAcknowledged) {
  addon.put<std::uint32_t>(0x290C, 56);
  entry(0, 1, 2);
  cycle(2);
  const std::uint32_t word = slot(0);
  addon.put<std::uint32_t>(0x2910, word | 3u << 24);  // changed, pressed
  cycle();
  EXPECT_TRUE(buttons[0].pressed);
  EXPECT_EQ(slot(0), word | 1u << 25);
  addon.put<std::uint32_t>(0x2910, word);  // pressed bit gone without a change: ignored
  cycle();
  EXPECT_TRUE(buttons[0].pressed);
  addon.put<std::uint32_t>(0x2910, word | 1u << 24);
  cycle();
  EXPECT_FALSE(buttons[0].pressed);
}

TEST_F(DataLinkTest, ShutDownHandsTheSlotsBackOnlyOverAWorkingLink) {
  addon.put<std::uint32_t>(0x290C, 56);
  entry(0, 1, 2);
  entry(1, 1, 3);
  cycle(2);
  link.shutDown(buttons);
  EXPECT_EQ(slot(0) | slot(1), 0u);
  EXPECT_FALSE(buttons[0].registered || buttons[1].registered || link.connected());

  cycle(2);
  addon.failNext = 1;
  cycle();
  const int messages = addon.messages;
  link.shutDown(buttons);
  EXPECT_EQ(addon.messages, messages);
}

}  // namespace
}  // namespace xaq::services::datalink
