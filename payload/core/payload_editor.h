#pragma once
// One editing session: the settings and configuration as loaded, the two slider positions, and
// Save. Shared by the window and the command-line front end.

#include <filesystem>
#include <optional>
#include <string>

#include "payload/core/file_store.h"
#include "payload/core/load_plan.h"
#include "payload/core/payload_settings.h"

namespace xaq::payload {

inline constexpr const char* kSettingsFileName = "stowplan.ini";
inline constexpr const char* kConfigFileName = "aircraft.cfg";
inline constexpr const char* kNotesFileName = "orvek-300_notes.txt";
inline constexpr const char* kCaptionPrefix = "Veltran Payload Editor - ";
inline constexpr const char* kSavedMessage = "Aircraft.cfg Saved";

struct EditorPaths {
  std::filesystem::path settingsFile;
  std::filesystem::path aircraftFolder;
  std::filesystem::path configFile() const { return aircraftFolder / kConfigFileName; }
  std::filesystem::path notesFile() const { return aircraftFolder / kNotesFileName; }
};

// The installed layout: stowplan.ini beside the program, the aircraft two folders up and then
// in Aircraft\Xaq Orvek.
EditorPaths defaultPaths(const std::filesystem::path& programFolder);

class PayloadEditor {
 public:
  // Reads stowplan.ini and aircraft.cfg; on failure returns nullopt and a message naming the
  // file and what is wrong.
  static std::optional<PayloadEditor> load(const EditorPaths& paths, FileStore& files, std::string& error);

  const PayloadSettings& settings() const { return settings_; }
  const EditorPaths& paths() const { return paths_; }
  std::string caption() const { return kCaptionPrefix + settings_.aircraftName; }

  SliderPositions sliders() const { return sliders_; }
  void setPassengerPercent(int percent);
  void setBaggagePercent(int percent);

  PoundWeights weights() const { return computeWeights(settings_, sliders_); }
  ShownWeights shown(WeightUnit unit) const { return showWeights(settings_, weights(), unit); }

  // Writes the loads into aircraft.cfg and the summary into the notes file, each replaced
  // atomically. Either both files are replaced or, as far as the file system allows, neither;
  // on failure `error` says which file and why.
  bool save(WeightUnit unit, FileStore& files, std::string& error);

  // The configuration text Save starts from (lines joined with CR LF).
  const std::string& configText() const { return configText_; }

 private:
  EditorPaths paths_;
  PayloadSettings settings_;
  std::string configText_;
  SliderPositions sliders_;
};

}  // namespace xaq::payload
