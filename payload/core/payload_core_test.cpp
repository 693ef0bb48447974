#include <gtest/gtest.h>

#include "payload/core/key_values.h"
#include "payload/core/load_plan.h"
#include "payload/core/notes_file.h"
#include "payload/core/payload_settings.h"

namespace xaq::payload {
namespace {

PayloadSettings orvek() {
  PayloadSettings s;
  s.aircraftName = "Orvek 300";
  s.personWeight = 190;
  s.numCoach = 43;
  s.maxZfw = 31500;
  s.maxBaggage = 2000;
  s.maxFuel = 5700;
  s.zeroWeight = 25000;
  s.maxWeight = 41100;
  return s;
}

TEST(PayloadKeys, SettingsValueIsTheRestOfTheLineAfterTheFirstEqualsFollowingTheKey) {
  const std::string ini = "; person_weight is per head\r\nperson_weight = 190 \r\nnum_coach=43\r\n";
  // The key's first occurrence is in the comment; its "=" is the one on the next line.
  EXPECT_EQ(settingsValue(ini, "person_weight"), "190");
  EXPECT_EQ(settingsValue(ini, "num_coach"), "43");
  EXPECT_EQ(settingsValue(ini, "max_fuel"), std::nullopt);
  EXPECT_EQ(settingsValue("aircraft_name=\r\n", "aircraft_name"), "");
}

TEST(PayloadKeys, ConfigValueEndsAtTheCommaOrTheLineEnd) {
  const std::string cfg = "empty_weight=  25000\r\nstation_load.5=   3990, -5.0, 0.0\r\nx=1,2\r\n";
  EXPECT_EQ(configValue(cfg, "station_load.5"), "3990");
  // Without a comma on its line the value must not run on into the next line's text.
  EXPECT_EQ(configValue(cfg, "empty_weight"), "25000");
  EXPECT_EQ(configValue(cfg, "station_load.3"), std::nullopt);
}

TEST(PayloadKeys, WriterRightAlignsInTheSevenCharacterSpanAndLeavesTheLineRest) {
  std::string cfg = "a=1\r\nstation_load.5=   3990, -5.0, 0.0, 0.0   // cabin\r\nb=2\r\n";
  ASSERT_TRUE(writeConfigValue(cfg, "station_load.5", "1710"));
  EXPECT_EQ(cfg, "a=1\r\nstation_load.5=   1710, -5.0, 0.0, 0.0   // cabin\r\nb=2\r\n");
  ASSERT_TRUE(writeConfigValue(cfg, "station_load.5", ""));
  EXPECT_EQ(cfg, "a=1\r\nstation_load.5=       , -5.0, 0.0, 0.0   // cabin\r\nb=2\r\n");
  EXPECT_FALSE(writeConfigValue(cfg, "station_load.9", "1"));
}

TEST(PayloadKeys, ValueWiderThanItsSpanReplacesTheWholeSpanWithoutTouchingTheRest) {
  std::string cfg = "station_load.5=   3990, -5.0\r\nstation_load.2=  1, 3.0\r\n";
  ASSERT_TRUE(writeConfigValue(cfg, "station_load.5", "12345678"));
  ASSERT_TRUE(writeConfigValue(cfg, "station_load.2", "4000"));
  EXPECT_EQ(cfg, "station_load.5=12345678, -5.0\r\nstation_load.2=4000, 3.0\r\n");
  // The wider value reads back whole, so a second save finds the same span again.
  EXPECT_EQ(configValue(cfg, "station_load.5"), "12345678");
  ASSERT_TRUE(writeConfigValue(cfg, "station_load.5", "5"));
  EXPECT_EQ(cfg, "station_load.5=       5, -5.0\r\nstation_load.2=4000, 3.0\r\n");
}

TEST(PayloadKeys, NumbersReadLikeTheFilesHoldThem) {
  EXPECT_EQ(parseNumber(""), 0.0);
  EXPECT_EQ(parseNumber(" 190 "), 190.0);
  EXPECT_EQ(parseNumber("+22.5 lbs"), 22.5);
  EXPECT_EQ(parseNumber("-3e2"), -300.0);
  EXPECT_EQ(parseNumber("7e"), 7.0);
  for (const char* bad : {"abc", ".", "-", "inf", "nan", "1e20", "99999999999999999999"})
    EXPECT_EQ(parseNumber(bad), std::nullopt) << bad;
  EXPECT_EQ(formatNumber(1710), "1710");
  EXPECT_EQ(formatNumber(1714.5), "1714.5");
  EXPECT_EQ(formatNumber(-0.0), "0");
}

TEST(PayloadSettingsFile, MissingKeysAreZeroAndNonNumbersAreNamed) {
  std::string error;
  auto s = parseSettings("aircraft_name = Orvek 300\nmax_weight=41100.6\n", error);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->aircraftName, "Orvek 300");
  EXPECT_EQ(s->personWeight, 0);
  EXPECT_EQ(s->maxWeight, 41101);  // a whole number

  EXPECT_FALSE(parseSettings("person_weight=heavy\n", error));
  EXPECT_NE(error.find("person_weight"), std::string::npos);
  EXPECT_FALSE(parseSettings("num_coach=2e9\n", error));
  EXPECT_NE(error.find("num_coach is out of range"), std::string::npos);
}

TEST(PayloadArithmetic, FortyThreeSeatsAtHalfGiveTwentyOnePassengersAndSeatsOneToTwentyOne) {
  PoundWeights w = computeWeights(orvek(), {50, 0});
  EXPECT_EQ(w.passengers, 21);
  EXPECT_EQ(w.passengerWeight, 21 * 190);
  EXPECT_TRUE(seatShown(1, w.passengers));
  EXPECT_TRUE(seatShown(21, w.passengers));
  EXPECT_FALSE(seatShown(22, w.passengers));
  EXPECT_FALSE(seatShown(kSeatImages, computeWeights(orvek(), {100, 0}).passengers));
  EXPECT_EQ(barWidth(201, 50), 100);
}

TEST(PayloadArithmetic, ZeroFuelWeightAndMaxFuel) {
  PayloadSettings s = orvek();
  PoundWeights w = computeWeights(s, {50, 29});  // 21 x 190 and 580 lbs
  EXPECT_EQ(w.baggageWeight, 580);
  EXPECT_EQ(w.zeroFuelWeight, 25000 + 3990 + 580);
  EXPECT_EQ(w.maxFuel, 5700);  // room for 11530 lbs, but the tanks hold 5700

  s.maxWeight = 30000;
  EXPECT_EQ(computeWeights(s, {50, 29}).maxFuel, 30000 - 29570);
  s.zeroWeight = 25000.5;  // room 429.5 rounds away from zero
  EXPECT_EQ(computeWeights(s, {50, 29}).maxFuel, 430);
}

TEST(PayloadArithmetic, ZeroFuelWeightColourKeepsItsColourWhenExactlyAtTheLimit) {
  EXPECT_EQ(nextZfwColour(ZfwColour::White, 31501, 31500), ZfwColour::Pink);
  EXPECT_EQ(nextZfwColour(ZfwColour::Pink, 31499, 31500), ZfwColour::White);
  EXPECT_EQ(nextZfwColour(ZfwColour::Pink, 31500, 31500), ZfwColour::Pink);
  EXPECT_EQ(nextZfwColour(ZfwColour::White, 31500, 31500), ZfwColour::White);
}

TEST(PayloadArithmetic, SlidersStartFromTheConfigurationLoads) {
  PayloadSettings s = orvek();
  SliderPositions p = slidersFromLoads(s, 3990, 1000);
  EXPECT_EQ(p.passengerPercent, 49);  // 21 of 43 seats
  EXPECT_EQ(p.baggagePercent, 50);
  EXPECT_EQ(passengersAt(s, p.passengerPercent), 21);
  // Over capacity or negative loads stay on the scale; zero divisors do not divide.
  EXPECT_EQ(slidersFromLoads(s, 1e6, -5).passengerPercent, 100);
  EXPECT_EQ(slidersFromLoads(s, 1e6, -5).baggagePercent, 0);
  s.personWeight = 0;
  s.maxBaggage = 0;
  p = slidersFromLoads(s, 3990, 1000);
  EXPECT_EQ(p.passengerPercent, 0);
  EXPECT_EQ(p.baggagePercent, 0);
}

TEST(PayloadArithmetic, MetricFiguresAreTimesPoint454CutToWholeNumbers) {
  PayloadSettings s = orvek();
  PoundWeights w = computeWeights(s, {50, 50});  // 3990 + 1000 lbs
  ShownWeights kg = showWeights(s, w, WeightUnit::Kilograms);
  EXPECT_EQ(kg.passengerWeight, 1811);  // 1811.46
  EXPECT_EQ(kg.baggageWeight, 454);     // exactly 454, not 453
  EXPECT_EQ(kg.zeroFuelWeight, 13615);  // 29990 x 0.454 = 13615.46
  EXPECT_EQ(kg.maxFuel, 2587);          // 5700 x 0.454 = 2587.8, below 18659 - 13615
  EXPECT_EQ(kg.maxWeight, 18659);       // 41100 x 0.454 = 18659.4
  s.maxWeight = 31000;                  // 14074 - 13615 = 459 kg of room
  EXPECT_EQ(showWeights(s, w, WeightUnit::Kilograms).maxFuel, 459);
  ShownWeights lbs = showWeights(s, w, WeightUnit::Pounds);
  EXPECT_EQ(lbs.zeroFuelWeight, 29990);
}

TEST(PayloadNotes, HeaderReplacesEverythingAboveTheDashesLine) {
  ShownWeights shown{3990, 1000, 29990, 5700, 41100};
  const std::string reference = "-------------------------------\nV1 105\n";
  EXPECT_EQ(composeNotes("Orvek 300", shown, WeightUnit::Pounds, reference),
            "Orvek 300\r\nREFERENCE INFORMATION\r\nMTOW = 41100 lbs\r\nZFW  = 29990 lbs\r\n"
            "Max Fuel = 5700 lbs\r\n-------------------------------\nV1 105\n");
  EXPECT_NE(composeNotes("O", shown, WeightUnit::Kilograms, "").find("ZFW  = 29990 Kgs\r\n"), std::string::npos);

  EXPECT_EQ(findReferenceText("a\r\nb -------------------------------\r\n"), std::nullopt);
  EXPECT_EQ(findReferenceText("a\r\n------------------------------\r\n"), std::nullopt);  // 30
  EXPECT_EQ(findReferenceText("ab\r\n----------------------------------\r\n"), 4u);
}

TEST(PayloadNotes, LineEndsBecomeCrLfAndAFinalLineEndIsKept) {
  EXPECT_EQ(withCrLfLineEnds("a\nb\r\nc"), "a\r\nb\r\nc");
  EXPECT_EQ(withCrLfLineEnds("a\n"), "a\r\n");
  EXPECT_EQ(withCrLfLineEnds("a\rb"), "a\rb");
}

}  // namespace
}  // namespace xaq::payload
