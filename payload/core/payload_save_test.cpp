#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "payload/core/payload_editor.h"

namespace fs = std::filesystem;

namespace xaq::payload {
namespace {

std::string slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void spit(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// A copy of the test installation in a fresh folder per test.
class PayloadSave : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("stowplan-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root);
    fs::copy(XAQ_PAYLOAD_TESTDATA, root, fs::copy_options::recursive);
    paths = {root / "stowplan.ini", root / "aircraft"};
    oldConfig = slurp(paths.configFile());
    oldNotes = slurp(paths.notesFile());
  }
  void TearDown() override { fs::remove_all(root); }

  PayloadEditor loaded() {
    std::string error;
    auto editor = PayloadEditor::load(paths, disk, error);
    EXPECT_TRUE(editor) << error;
    return *editor;
  }

  void expectUntouched() {
    EXPECT_EQ(slurp(paths.configFile()), oldConfig);
    EXPECT_EQ(slurp(paths.notesFile()), oldNotes);
    EXPECT_FALSE(fs::exists(stagingPath(paths.configFile())));
    EXPECT_FALSE(fs::exists(stagingPath(paths.notesFile())));
  }

  fs::path root;
  EditorPaths paths;
  DiskFileStore disk;
  std::string oldConfig, oldNotes;
};

std::string lineOf(const std::string& text, const std::string& key) {
  std::size_t at = text.find(key);
  return at == std::string::npos ? "" : text.substr(at, text.find("\r\n", at) - at);
}

TEST_F(PayloadSave, WritesTheLoadsIntoTheirSpansAndOnlyThere) {
  PayloadEditor editor = loaded();
  EXPECT_EQ(editor.caption(), "Veltran Payload Editor - Orvek 300 Test");
  EXPECT_EQ(editor.sliders().passengerPercent, 49);
  editor.setPassengerPercent(21);  // 9 passengers: 1710 lbs
  editor.setBaggagePercent(29);    // 580 lbs
  std::string error;
  ASSERT_TRUE(editor.save(WeightUnit::Pounds, disk, error)) << error;

  std::string expected = oldConfig;
  auto replace = [&](const std::string& from, const std::string& to) {
    expected.replace(expected.find(from), from.size(), to);
  };
  replace("station_load.2=   1000,", "station_load.2=    580,");
  replace("station_load.5=   3990,", "station_load.5=   1710,");
  EXPECT_EQ(slurp(paths.configFile()), expected);
  EXPECT_EQ(lineOf(expected, "station_load.5"), "station_load.5=   1710, -5.0, 0.0, 0.0   // cabin");
  EXPECT_EQ(slurp(paths.notesFile()),
            "Orvek 300 Test\r\nREFERENCE INFORMATION\r\nMTOW = 41100 lbs\r\nZFW  = 27290 lbs\r\n"
            "Max Fuel = 5700 lbs\r\n" + oldNotes.substr(oldNotes.find("-----")));
}

TEST_F(PayloadSave, SavingTwiceLeavesOneHeaderBlockAndTheCargoStationsCleared) {
  spit(paths.configFile(), "empty_weight=      1,\nstation_load.2=1000,\nstation_load.3=  500, 1\n"
                           "station_load.4=    7, 2\nstation_load.5=3990, 3\n");
  spit(paths.notesFile(), "stale header\n-------------------------------\nreference\n");
  PayloadEditor editor = loaded();
  std::string error;
  ASSERT_TRUE(editor.save(WeightUnit::Kilograms, disk, error)) << error;
  ASSERT_TRUE(editor.save(WeightUnit::Kilograms, disk, error)) << error;
  const std::string notes = slurp(paths.notesFile());
  EXPECT_EQ(notes.find("REFERENCE INFORMATION"), notes.rfind("REFERENCE INFORMATION"));
  EXPECT_EQ(notes.find("stale"), std::string::npos);
  EXPECT_NE(notes.find("MTOW = 18659 Kgs\r\nZFW  = 13615 Kgs\r\n"), std::string::npos);
  EXPECT_EQ(slurp(paths.configFile()), "empty_weight=  25000,\r\nstation_load.2=1000,\r\nstation_load.3=     , 1\r\n"
                                       "station_load.4=     , 2\r\nstation_load.5=3990, 3\r\n");
}

// Fails one chosen step and otherwise does what the disk does.
class FailingStore : public DiskFileStore {
 public:
  enum class Step { StageNotes, CommitConfig, CommitNotes };
  explicit FailingStore(Step step) : step_(step) {}
  bool stage(const fs::path& target, std::string_view bytes, std::string& error) override {
    if (step_ == Step::StageNotes && target.filename() == kNotesFileName) return error = "disk full", false;
    return DiskFileStore::stage(target, bytes, error);
  }
  bool commit(const fs::path& target, std::string& error) override {
    bool config = target.filename() == kConfigFileName;
    if ((step_ == Step::CommitConfig && config) || (step_ == Step::CommitNotes && !config)) {
      discard(target);
      return error = "rename refused", false;
    }
    return DiskFileStore::commit(target, error);
  }

 private:
  Step step_;
};

TEST_F(PayloadSave, AFailedWriteLeavesBothFilesAsTheyWere) {
  using Step = FailingStore::Step;
  for (Step step : {Step::StageNotes, Step::CommitConfig, Step::CommitNotes}) {
    PayloadEditor editor = loaded();
    editor.setPassengerPercent(100);
    FailingStore store(step);
    std::string error;
    EXPECT_FALSE(editor.save(WeightUnit::Pounds, store, error));
    EXPECT_NE(error.find("Nothing was saved"), std::string::npos) << error;
    expectUntouched();
  }
}

TEST_F(PayloadSave, AnUnwritableFolderIsReportedAndChangesNothing) {
  PayloadEditor editor = loaded();
  fs::create_directory(stagingPath(paths.notesFile()));  // the staging file cannot be created
  std::string error;
  EXPECT_FALSE(editor.save(WeightUnit::Pounds, disk, error));
  EXPECT_NE(error.find("orvek-300_notes.txt.saving"), std::string::npos) << error;
  fs::remove(stagingPath(paths.notesFile()));
  expectUntouched();
}

TEST_F(PayloadSave, AReadOnlyConfigurationIsStillReplaced) {
  fs::permissions(paths.configFile(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  PayloadEditor editor = loaded();
  editor.setBaggagePercent(0);
  std::string error;
  ASSERT_TRUE(editor.save(WeightUnit::Pounds, disk, error)) << error;
  EXPECT_NE(slurp(paths.configFile()).find("station_load.2=      0,"), std::string::npos);
}

TEST_F(PayloadSave, TheLargestLoadItCanWriteReadsBackIntoAWiderSpan) {
  spit(paths.settingsFile, "person_weight=1e9\nnum_coach=1e9\nmax_baggage=1e9\nzero_weight=1e9\n");
  PayloadEditor editor = loaded();
  editor.setPassengerPercent(100);
  std::string error;
  ASSERT_TRUE(editor.save(WeightUnit::Pounds, disk, error)) << error;
  const std::string config = slurp(paths.configFile());
  EXPECT_NE(config.find("station_load.5=1000000000000000000, -5.0, 0.0, 0.0   // cabin\r\n"), std::string::npos);
  EXPECT_EQ(loaded().sliders().passengerPercent, 100);
}

TEST_F(PayloadSave, MissingOrMalformedFilesAreNamedAndNothingIsWritten) {
  std::string error;
  {
    EditorPaths wrong = paths;
    wrong.settingsFile = root / "nowhere.ini";
    EXPECT_FALSE(PayloadEditor::load(wrong, disk, error));
    EXPECT_NE(error.find("nowhere.ini\" was not found"), std::string::npos) << error;
  }
  spit(paths.notesFile(), "no reference text\r\n");
  PayloadEditor editor = loaded();
  EXPECT_FALSE(editor.save(WeightUnit::Pounds, disk, error));
  EXPECT_NE(error.find("31 dashes"), std::string::npos) << error;
  EXPECT_EQ(slurp(paths.configFile()), oldConfig);

  fs::remove(paths.notesFile());
  EXPECT_FALSE(editor.save(WeightUnit::Pounds, disk, error));
  EXPECT_NE(error.find("orvek-300_notes.txt\" was not found"), std::string::npos) << error;
  EXPECT_EQ(slurp(paths.configFile()), oldConfig);

  spit(paths.configFile(), "empty_weight=1,\r\nstation_load.2=  1,\r\n");  // no passenger station
  spit(paths.notesFile(), oldNotes);
  editor = loaded();
  EXPECT_FALSE(editor.save(WeightUnit::Pounds, disk, error));
  EXPECT_NE(error.find("station_load.5"), std::string::npos) << error;
  EXPECT_EQ(slurp(paths.notesFile()), oldNotes);

  spit(paths.configFile(), "station_load.5= lots,\r\n");
  EXPECT_FALSE(PayloadEditor::load(paths, disk, error));
  EXPECT_NE(error.find("aircraft.cfg\": station_load.5 is not a number"), std::string::npos) << error;
}

}  // namespace
}  // namespace xaq::payload
