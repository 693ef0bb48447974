#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <climits>
#include <cstring>
#include <string>

#include "fms/base/text_scan.h"
#include "fms/navdb/nav_file_parsers.h"
#include "fms/navdb/procedure_index.h"

namespace xaq::fms {
namespace {

std::vector<NavRecord> vorsOf(std::string_view text) {
  std::vector<NavRecord> vors;
  ExpiryDate expiry;
  parseVorFile(text, vors, expiry);
  return vors;
}

TEST(NavFileGrammar, OnlyLinesStartingWithDigitOrCapitalAreRecords) {
  const auto vors = vorsOf(
      "; comment\n"
      "\n"
      "lower 1.0 2.0 110.00\n"
      " SPACE 1.0 2.0 110.00\n"
      "-DASH 1.0 2.0 110.00\n"
      "0ZERO 1.0 2.0 110.00\n"
      "ZED 1.0 2.0 110.00\n"
      "@AT 1.0 2.0 110.00\n"
      "[BRACKET 1.0 2.0 110.00\n");
  ASSERT_EQ(vors.size(), 3u);
  EXPECT_EQ(vors[0].ident, "0ZERO");
  EXPECT_EQ(vors[1].ident, "ZED");
  EXPECT_EQ(vors[2].ident, "@AT");
  EXPECT_EQ(countDataLines("A\n;B\nc\nD"), 2u);
}

TEST(NavFileGrammar, FrequencyFractionIsReadAsAnInteger) {
  const auto vors = vorsOf("ABC 45.5 -73.25 113.9\nDEF 45.5 -73.25 113.90\nGHI 1 2 108.05 NAME\n");
  ASSERT_EQ(vors.size(), 3u);
  EXPECT_EQ(vors[0].frequency, 11309);
  EXPECT_EQ(vors[1].frequency, 11390);
  EXPECT_EQ(vors[2].frequency, 10805);
  EXPECT_EQ(vors[0].type, FacilityType::Vor);
  EXPECT_DOUBLE_EQ(vors[0].latitude, 45.5);
  EXPECT_DOUBLE_EQ(vors[0].longitude, -73.25);

  std::vector<NavRecord> ndbs;
  parseNdbFile("XY 1 2 350.5\nZZ 1 2 1750.0\n", ndbs);
  ASSERT_EQ(ndbs.size(), 2u);
  EXPECT_EQ(ndbs[0].frequency, 3505);
  EXPECT_EQ(ndbs[1].frequency, 17500);
}

TEST(NavFileGrammar, CoordinatesAreSinglePrecisionWidened) {
  const auto vors = vorsOf("ABC 47.4354 -122.3097 116.80\n");
  ASSERT_EQ(vors.size(), 1u);
  EXPECT_EQ(vors[0].latitude, static_cast<double>(47.4354f));
  EXPECT_EQ(vors[0].longitude, static_cast<double>(-122.3097f));
}

TEST(FieldScanner, DecimalsRoundExactlyAsTheStandardConversion) {
  // Coordinates of every shape: the fast conversion must agree with std::from_chars bit for bit.
  std::uint64_t state = 12345;
  auto next = [&state] { return state = state * 6364136223846793005ull + 1442695040888963407ull; };
  // Each number is read where it ends the text (the digit loops must watch the end), before a
  // line end and before more text (they may rely on the non-digit that follows).
  for (int i = 0; i < 200000; ++i) {
    const int whole = static_cast<int>(next() >> 40) % 181;
    const int places = static_cast<int>(next() >> 60) % 10;
    std::string number = std::to_string(whole) + ".";
    for (int d = 0; d < places; ++d) number += static_cast<char>('0' + (next() >> 59) % 10);
    const bool negative = (next() >> 63) != 0;
    float reference = -2.0f;
    std::from_chars(number.data(), number.data() + number.size(), reference);
    if (negative) reference = -reference;
    for (const char* after : {"", "\r", " 1"}) {
      const std::string text = (negative ? "-" : "") + number + after;
      float fast = -1.0f;
      FieldScanner scanner(text);
      ASSERT_TRUE(scanner.readFloat(fast)) << text;
      ASSERT_EQ(fast, reference) << text;
      ASSERT_EQ(scanner.position(), text.size() - std::strlen(after)) << text;
    }
  }
  // Shapes off the fast path: long digit strings, exponents, zeros with a sign.
  for (const char* text : {"1234567890123456.5", "0.0000000000000001234", "12345678901234567890",
                           "47.000000000000000001", "4.5e1", "-0", "-0.0", "+7.25", ".5", "5."}) {
    for (const char* after : {"", "\r"}) {
      const std::string line = std::string(text) + after;
      float fast = -1.0f, reference = -2.0f;
      const char* digits = text + (text[0] == '-' || text[0] == '+');
      std::from_chars(digits, text + std::strlen(text), reference);
      if (text[0] == '-') reference = -reference;
      FieldScanner scanner(line);
      ASSERT_TRUE(scanner.readFloat(fast)) << text;
      EXPECT_EQ(std::bit_cast<std::uint32_t>(fast), std::bit_cast<std::uint32_t>(reference)) << text;
      EXPECT_EQ(scanner.position(), std::strlen(text)) << text;
    }
  }
  // Nothing to read leaves the value alone, whatever ends the text.
  for (const char* text : {"", "-", ".", "-.", "x1", "-\r", ".\r"}) {
    float value = 3.0f;
    FieldScanner scanner(text);
    EXPECT_FALSE(scanner.readFloat(value)) << text;
    EXPECT_EQ(value, 3.0f);
  }
  std::int32_t held = 0;
  FieldScanner big("99999999999");
  ASSERT_TRUE(big.readInt(held));
  EXPECT_EQ(held, INT_MAX);
  // A float exactly halfway between two floats, written out in full, still rounds to even.
  float half = 0.0f;
  FieldScanner tie("16777217.0");
  ASSERT_TRUE(tie.readFloat(half));
  EXPECT_EQ(half, 16777216.0f);
  float withExponent = 0.0f;
  FieldScanner exp("4.5e1,");
  ASSERT_TRUE(exp.readFloat(withExponent));
  EXPECT_EQ(withExponent, 45.0f);
  EXPECT_TRUE(exp.literal(','));
}

TEST(NavFileGrammar, MissingNumbersKeepTheValuesOfTheLineBefore) {
  const auto vors = vorsOf("AAA 10.0 20.0 112.30\nBBB 11.0\nCCC 12.0 21.0 114\nDDD x 1 2\n");
  ASSERT_EQ(vors.size(), 4u);
  EXPECT_DOUBLE_EQ(vors[1].latitude, 11.0);
  EXPECT_DOUBLE_EQ(vors[1].longitude, 20.0);
  EXPECT_EQ(vors[1].frequency, 11230);
  EXPECT_EQ(vors[2].frequency, 11430);  // the fraction of the line before
  EXPECT_DOUBLE_EQ(vors[3].latitude, 12.0);
}

TEST(NavFileGrammar, OverlongIdentifiersAreCutAndHugeNumbersHeld) {
  const auto vors = vorsOf("ABCDEFGHIJKLMNOPQRSTUVWXYZ 1 2 99999999999.99999999999\nNAN nan inf 1.1\n");
  ASSERT_EQ(vors.size(), 2u);
  EXPECT_EQ(vors[0].ident, "ABCDEFGHIJK");
  EXPECT_EQ(vors[0].frequency, INT_MAX);
  EXPECT_DOUBLE_EQ(vors[1].latitude, 1.0);  // "nan" is no coordinate: the line before's value stays
}

TEST(NavFileGrammar, ValidityLineSetsTheExpiryDate) {
  std::vector<NavRecord> vors;
  ExpiryDate expiry;
  parseVorFile(";AIRAC 2503 EFFECTIVE 20-MAR-2025 - 16-APR-2025 SAMPLE DATA SET\n", vors, expiry);
  EXPECT_EQ(expiry.day, 16);
  EXPECT_EQ(expiry.month, 4);
  EXPECT_EQ(expiry.year, 25);

  ExpiryDate untouched;
  readValidityLine(";AIRAC 2503 - 16-APR-2025\n", untouched);  // shorter than 44 characters
  readValidityLine(";AIRAC 2503 EFFECTIVE 20-MAR-2025 -16-APR-2025 SAMPLE DATA SET\n", untouched);  // no "- "
  readValidityLine(";AIRAC 2503 EFFECTIVE 20-MAR-2025 SAMPLE DATA SET .......... - 16-\n", untouched);  // too little after it
  EXPECT_EQ(untouched.day, 1);
  EXPECT_EQ(untouched.month, 1);
  EXPECT_EQ(untouched.year, 1);

  ExpiryDate oddMonth;
  readValidityLine(";AIRAC 2503 EFFECTIVE 20-MAR-2025 - 07-Apr-99 SAMPLE DATA SET....\n", oddMonth);
  EXPECT_EQ(oddMonth.day, 7);
  EXPECT_EQ(oddMonth.month, 1);  // letters must match in capitals
  EXPECT_EQ(oddMonth.year, 99);
}

TEST(WaypointFile, CodedNamesAreFoundButNotNamed) {
  std::vector<NavRecord> wpts;
  std::vector<std::uint32_t> named;
  parseWaypointFile("5010N 50 -10\n50N40 50 -40\nABCDE 1 2\nD123 1 2\nD123A 1 2\nD12X 1 2\n", wpts, named);
  ASSERT_EQ(wpts.size(), 6u);
  ASSERT_EQ(named.size(), 2u);
  EXPECT_EQ(wpts[named[0]].ident, "ABCDE");
  EXPECT_EQ(wpts[named[1]].ident, "D12X");
  EXPECT_TRUE(isCodedName("4720W"));
  EXPECT_TRUE(isCodedName("47S12"));
  EXPECT_FALSE(isCodedName("472W"));
  EXPECT_FALSE(isCodedName("47X12"));
  EXPECT_FALSE(isCodedName("D"));
  EXPECT_FALSE(isCodedName("D12"));
  EXPECT_TRUE(isCodedName("D999XYZ"));  // judged on the first five characters
  EXPECT_FALSE(isCodedName("DD123"));
  EXPECT_FALSE(isCodedName("1234"));
  EXPECT_FALSE(isCodedName("1234X"));
  EXPECT_FALSE(isCodedName("4W720"));
  EXPECT_FALSE(isCodedName("47S1"));
}

TEST(WaypointFile, NameEndsAtADashSoASouthernLatitudeMayTouchIt) {
  std::vector<NavRecord> wpts;
  std::vector<std::uint32_t> named;
  parseWaypointFile("WOLLI-33.9 151.2\n", wpts, named);
  ASSERT_EQ(wpts.size(), 1u);
  EXPECT_EQ(wpts[0].ident, "WOLLI");
  EXPECT_NEAR(wpts[0].latitude, -33.9, 1e-5);
  EXPECT_NEAR(wpts[0].longitude, 151.2, 1e-5);
}

TEST(RunwayFile, IlsFrequencyAndLastValueBelongToTheirOwnLine) {
  std::vector<NavRecord> rwys;
  parseRunwayFile("KSEA 16L 47.46 -122.31 163 11901 111.70 433\nKSEA 16R 47.47 -122.32 163 8500\nKSEA 34 47.44\n",
                  rwys);
  ASSERT_EQ(rwys.size(), 3u);
  EXPECT_EQ(rwys[0].ident, "KSEA");
  EXPECT_EQ(rwys[0].runwayDesignator, "16L");
  EXPECT_EQ(rwys[0].frequency, 11170);
  EXPECT_EQ(rwys[0].runwayValue1, 163);
  EXPECT_EQ(rwys[0].runwayValue2, 11901);
  EXPECT_EQ(rwys[0].runwayValue3, 433);
  EXPECT_EQ(rwys[1].frequency, 0);
  EXPECT_EQ(rwys[1].runwayValue3, 0);
  EXPECT_EQ(rwys[1].runwayValue2, 8500);
  // Position and the first two values carry over; ILS and the last value do not.
  EXPECT_EQ(rwys[2].runwayValue2, 8500);
  EXPECT_DOUBLE_EQ(rwys[2].longitude, static_cast<double>(-122.32f));
  EXPECT_EQ(rwys[2].type, FacilityType::Runway);
}

// A line of exactly n characters before its line end: group, name, then the comma fields.
std::string airwayLine(std::string_view group, std::string_view name, std::string_view fix, std::size_t n) {
  std::string line = std::string(group) + " " + std::string(name);
  line.resize(9, ' ');
  line += ",0010,H," + std::string(fix) + ",47.5,-122.25";
  if (line.size() < n) line.insert(9, n - line.size(), ' ');
  return line;
}

TEST(AirwayFile, LinesShorterThan42CharactersWithTheLineEndAreIgnored) {
  std::vector<Airway> airways;
  const std::string shortLine = airwayLine("K01", "V23", "SHORT", 40);
  const std::string longLine = airwayLine("K01", "V23", "LONG", 41);
  ASSERT_EQ(shortLine.size(), 40u);
  ASSERT_EQ(longLine.size(), 41u);
  parseAirwayFile(shortLine + "\n" + longLine + "\n", airways);
  ASSERT_EQ(airways.size(), 1u);
  ASSERT_EQ(airways[0].points.size(), 1u);
  EXPECT_EQ(airways[0].points[0].ident, "LONG");
  EXPECT_DOUBLE_EQ(airways[0].points[0].latitude, 47.5);
  EXPECT_DOUBLE_EQ(airways[0].points[0].longitude, -122.25);

  // Read as bytes, a DOS line end still counts as one character.
  std::string dos = longLine + "\r\n";
  dos.resize(foldCrLf(dos.data(), dos.size()));
  airways.clear();
  parseAirwayFile(dos, airways);
  EXPECT_EQ(airways.size(), 1u);
}

TEST(AirwayFile, GroupCodeAndNameTogetherDelimitAnAirway) {
  std::vector<Airway> airways;
  std::string text = "; header comment that is long enough to be a line of the file\n";
  text += airwayLine("K01", "V23", "AAA", 45) + "\n";
  text += airwayLine("K01", "V23", "BBB", 45) + "\n";
  text += airwayLine("K02", "V23", "CCC", 45) + "\n";  // same name, other group: a new airway
  text += airwayLine("K02", "J5", "DDD", 45) + "\n";
  text += "K02 J5   this line has no fields separated by commas at all\n";
  text += airwayLine("K02", "J5", "EEE", 45);  // last line without a line end
  parseAirwayFile(text, airways);
  ASSERT_EQ(airways.size(), 3u);
  EXPECT_EQ(airways[0].name, "V23");
  EXPECT_EQ(airways[0].points.size(), 2u);
  EXPECT_EQ(airways[1].points.size(), 1u);
  EXPECT_EQ(airways[2].name, "J5");
  ASSERT_EQ(airways[2].points.size(), 2u);
  EXPECT_EQ(airways[2].points[1].ident, "EEE");
}

TEST(LineReader, TablesAreSizedForEveryPieceTheReaderReturns) {
  // The line-end count behind the table sizes, across the eight-character steps and the blocks
  // of 255 steps it sums them in.
  std::uint64_t state = 99;
  for (const std::size_t size : {0u, 1u, 7u, 8u, 9u, 2039u, 2040u, 2041u, 5000u}) {
    std::string text(size, 'A');
    std::size_t expected = 0;
    for (char& c : text) {
      state = state * 6364136223846793005ull + 1442695040888963407ull;
      if ((state >> 61) == 0) c = '\n';
      else if ((state >> 61) == 1) c = static_cast<char>(0x8a);  // '\n' with the high bit set
      expected += c == '\n' ? 1 : 0;
    }
    EXPECT_EQ(countChar(text, '\n'), expected) << size;
  }
  // Overlong lines and a missing last line end give records of their own; the tables hold them.
  std::vector<NavRecord> wpts;
  std::vector<std::uint32_t> named;
  const std::string text = std::string(600, 'W') + "\nA 1 2\nB 3 4";
  parseWaypointFile(text, wpts, named);
  EXPECT_EQ(wpts.size(), countDataLines(text));
  EXPECT_EQ(wpts.size(), 5u);
}

TEST(LineReader, LongLinesArriveInPiecesOfTheBufferSize) {
  const std::string text = std::string(300, 'A') + "\nB\n";
  LineReader reader(text, 255);
  std::string_view piece;
  ASSERT_TRUE(reader.next(piece));
  EXPECT_EQ(piece.size(), 254u);
  ASSERT_TRUE(reader.next(piece));
  EXPECT_EQ(piece.size(), 47u);  // the remaining 46 characters and the line end
  ASSERT_TRUE(reader.next(piece));
  EXPECT_EQ(piece, "B\n");
  EXPECT_FALSE(reader.next(piece));
  EXPECT_EQ(reader.lineNumber(), 3u);
}

TEST(LineReader, ADosLineEndCountsAsOneCharacterWithoutAFoldingPass) {
  // A piece of 253 characters and "\r\n" fills the buffer exactly; with one more character the
  // line is cut and its end arrives as a piece of its own.
  const std::string full = std::string(253, 'A') + "\r\n";
  const std::string over = std::string(254, 'B') + "\r\n";
  const std::string text = full + over + "C\r\r\n" + "lone\rcarriage\n";
  LineReader reader(text, 255);
  std::string_view piece;
  ASSERT_TRUE(reader.next(piece));
  EXPECT_EQ(piece.size(), 254u);
  EXPECT_EQ(piece.back(), '\r');  // the line end, standing for the folded '\n'
  ASSERT_TRUE(reader.next(piece));
  EXPECT_EQ(piece, std::string(254, 'B'));
  ASSERT_TRUE(reader.next(piece));
  EXPECT_EQ(piece, "\r");
  ASSERT_TRUE(reader.next(piece));
  EXPECT_EQ(piece, "C\r\r");  // only the '\r' before the '\n' is part of the line end
  ASSERT_TRUE(reader.next(piece));
  EXPECT_EQ(piece, "lone\rcarriage\n");
  EXPECT_FALSE(reader.next(piece));

  // The files' length rules hold with either line end: 40 characters and the line end are too
  // few for an airway line, 41 are enough.
  for (const char* end : {"\n", "\r\n"}) {
    std::vector<Airway> airways;
    parseAirwayFile(std::string("K1L V23  ,0010,L,BLI,48.945400,-122.5803") + end +  // 40
                        "K1L V23  ,0010,L,BLI,48.945400,-122.58030" + end,               // 41
                    airways);
    ASSERT_EQ(airways.size(), 1u) << end;
    EXPECT_EQ(airways[0].points.size(), 1u);
    EXPECT_EQ(airways[0].points[0].ident, "BLI");
    std::vector<NavRecord> runways;
    parseRunwayFile(std::string("KPDX 10R 45.5 -122.6 100 11000 111.90 24") + end + "KPDX 28L 45.5 -122.5 280 11000" + end, runways);
    ASSERT_EQ(runways.size(), 2u);
    EXPECT_EQ(runways[0].runwayValue3, 24);
    EXPECT_EQ(runways[1].frequency, 0);
    EXPECT_EQ(runways[1].runwayDesignator, "28L");
  }
}

TEST(ProcedureIndex, HeadersOfOneAirportAreIndexedWithTheirLineNumbers) {
  const std::string text =
      "[KPDX/LAVAA7/10R/]\n"
      "1,FIX,...\n"
      "[KSEA/HAROB6/RW16L/ELN]\n"
      "1,SEA,...\n"
      "2,ELN,...\n"
      "[KSEA/SUMMA2/ALL]\n"
      "[KSEA/A_VERY_LONG_PROCEDURE_NAME/16B/AN_EVEN_LONGER_TRANSITION_NAME_THAN_FITS]\n"
      "[KYKM/YKM1/27/]\n"
      "[KSEA/LATER1/34R/]\n";
  std::vector<ProcedureIndexEntry> entries;
  indexProcedureText(text, "KSEA", entries);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "HAROB6");
  EXPECT_EQ(entries[0].runway, "16L");
  EXPECT_EQ(entries[0].transition, "ELN");
  EXPECT_EQ(entries[0].lineNumber, 3);
  EXPECT_EQ(entries[1].runway, "ALL");
  EXPECT_EQ(entries[1].transition, "");
  EXPECT_EQ(entries[1].lineNumber, 6);
  EXPECT_EQ(entries[2].name, "A_VERY_LONG_PR");
  EXPECT_EQ(entries[2].transition.size(), 27u);
}

TEST(ProcedureIndex, The990thHeaderEndsTheIndex) {
  std::string text;
  for (int i = 0; i < 1200; ++i) text += "[KSEA/P" + std::to_string(i) + "/ALL/]\n";
  std::vector<ProcedureIndexEntry> entries;
  indexProcedureText(text, "KSEA", entries);
  ASSERT_EQ(entries.size(), 989u);
  EXPECT_EQ(entries.back().name, "P988");
}

}  // namespace
}  // namespace xaq::fms
