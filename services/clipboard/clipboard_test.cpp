// The clipboard: its first texts, the notes file read every 10 s of simulation time, lines cut
// to 45 characters, a missing file, and the attitude test's 1.2 s hold.

#include "services/clipboard/clipboard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace xaq::services {
namespace {

class ClipboardTest : public ::testing::Test {
 protected:
  ClipboardTest() {
    folder = std::filesystem::temp_directory_path() /
             ("xaq_clipboard_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(folder);
    path = (folder / "orvek-300_notes.txt").string();
    std::filesystem::remove(path);
  }
  ~ClipboardTest() override { std::filesystem::remove_all(folder); }

  void writeNotes(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  // Cycles of dtS from `fromS` up to `toS`.
  void runUntil(double fromS, double toS, double dtS, const std::string& notesPath) {
    for (double t = fromS; t <= toS + 1e-9; t += dtS) clipboard.update(CycleContext{t, dtS}, ClipboardInputs{notesPath});
  }

  std::filesystem::path folder;
  std::string path;
  Clipboard clipboard;
};

TEST_F(ClipboardTest, UntilTheAircraftFolderIsKnownTheFirstTextsShow) {
  writeNotes("never read\n");
  runUntil(0, 30, 0.056, "");
  for (int k = 0; k < Clipboard::kLines; ++k) EXPECT_EQ(clipboard.line(k), "Clipboard line " + std::to_string(k));
  EXPECT_STREQ(clipboard.line(18), "");
  EXPECT_STREQ(clipboard.line(-1), "");
}

TEST_F(ClipboardTest, TheNotesAreReadOnceMoreThan10SecondsHavePassedWhateverTheStep) {
  writeNotes("Orvek 300 Test\r\nREFERENCE INFORMATION\r\nMTOW = 18659 Kgs\r\nZFW  = 12389 Kgs\r\nMax Fuel = 5000\r\n");
  for (double dt : {0.028, 0.056, 0.3, 6.0}) {
    Clipboard c;
    double t = 0;
    for (; t + dt <= 10.0 + 1e-9; t += dt) c.update(CycleContext{t, dt}, ClipboardInputs{path});
    EXPECT_STREQ(c.line(0), "Clipboard line 0") << dt;
    while (std::string(c.line(0)) == "Clipboard line 0" && t < 30) {
      t += dt;
      c.update(CycleContext{t, dt}, ClipboardInputs{path});
    }
    EXPECT_GT(t, 10.0) << dt;
    EXPECT_LE(t, 10.0 + dt + 1e-9) << dt;
    EXPECT_STREQ(c.line(0), "Orvek 300 Test");
    EXPECT_STREQ(c.line(2), "MTOW = 18659 Kgs");
    EXPECT_STREQ(c.line(4), "Max Fuel = 5000");
    for (int k = 5; k < Clipboard::kLines; ++k) EXPECT_STREQ(c.line(k), "") << k;
  }
}

TEST_F(ClipboardTest, ASaveShowsAtTheNextReadAndAMissingFileLeavesTheLines) {
  writeNotes("first\n");
  runUntil(0, 10.1, 0.1, path);
  EXPECT_STREQ(clipboard.line(0), "first");
  writeNotes("second\n");
  runUntil(10.2, 19.9, 0.1, path);
  EXPECT_STREQ(clipboard.line(0), "first") << "not yet 10 s since the last read";
  runUntil(20.0, 20.3, 0.1, path);
  EXPECT_STREQ(clipboard.line(0), "second");
  std::filesystem::remove(path);
  runUntil(20.4, 45, 0.1, path);
  EXPECT_STREQ(clipboard.line(0), "second");
}

TEST_F(ClipboardTest, LongLinesKeep45CharactersAndOnlyTheFirst18LinesCount) {
  std::string text = std::string(60, 'x') + "\n" + std::string(5000, 'y') + "z\n";
  for (int k = 2; k < 25; ++k) text += "line " + std::to_string(k) + "\n";
  writeNotes(text);
  runUntil(0, 10.1, 0.1, path);
  EXPECT_EQ(clipboard.line(0), std::string(45, 'x'));
  EXPECT_EQ(clipboard.line(1), std::string(45, 'y'));
  EXPECT_STREQ(clipboard.line(2), "line 2") << "the rest of an overlong line is no line of its own";
  EXPECT_STREQ(clipboard.line(17), "line 17");
}

TEST_F(ClipboardTest, AClockThatWentBackStillRereadsTheNotes) {
  writeNotes("before\n");
  runUntil(500, 511, 0.5, path);
  EXPECT_STREQ(clipboard.line(0), "before");
  writeNotes("after the reload\n");
  runUntil(0, 10.5, 0.5, path);
  EXPECT_STREQ(clipboard.line(0), "after the reload");
}

}  // namespace
}  // namespace xaq::services
