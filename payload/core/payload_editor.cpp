#include "payload/core/payload_editor.h"

#include "payload/core/key_values.h"
#include "payload/core/notes_file.h"

namespace fs = std::filesystem;

namespace xaq::payload {

namespace {

constexpr const char* kNothingSaved = " Nothing was saved.";

std::optional<double> configNumber(const std::string& text, const char* key, const fs::path& file,
                                   std::string& error) {
  std::string value = configValue(text, key).value_or("");
  auto number = parseNumber(value);
  if (!number) error = quotedPath(file) + ": " + key + " is not a number: \"" + value + "\".";
  return number;
}

}  // namespace

EditorPaths defaultPaths(const fs::path& programFolder) {
  return {programFolder / kSettingsFileName, programFolder / ".." / ".." / "Aircraft" / "Xaq Orvek"};
}

std::optional<PayloadEditor> PayloadEditor::load(const EditorPaths& paths, FileStore& files,
                                                 std::string& error) {
  auto settingsText = files.read(paths.settingsFile, error);
  if (!settingsText) return std::nullopt;
  std::string problem;
  auto settings = parseSettings(*settingsText, problem);
  if (!settings) {
    error = quotedPath(paths.settingsFile) + ": " + problem + ".";
    return std::nullopt;
  }
  auto configBytes = files.read(paths.configFile(), error);
  if (!configBytes) return std::nullopt;

  PayloadEditor editor;
  editor.paths_ = paths;
  editor.settings_ = *settings;
  editor.configText_ = withCrLfLineEnds(*configBytes);
  auto passengerLoad = configNumber(editor.configText_, "station_load.5", paths.configFile(), error);
  auto baggageLoad = configNumber(editor.configText_, "station_load.2", paths.configFile(), error);
  if (!passengerLoad || !baggageLoad) return std::nullopt;
  editor.sliders_ = slidersFromLoads(editor.settings_, *passengerLoad, *baggageLoad);
  return editor;
}

void PayloadEditor::setPassengerPercent(int percent) { sliders_.passengerPercent = clampPercent(percent); }

void PayloadEditor::setBaggagePercent(int percent) { sliders_.baggagePercent = clampPercent(percent); }

bool PayloadEditor::save(WeightUnit unit, FileStore& files, std::string& error) {
  const fs::path configFile = paths_.configFile();
  const fs::path notesFile = paths_.notesFile();
  const PoundWeights w = weights();

  // Only the loads and the empty weight carry information; the two cleared stations may be
  // absent from a configuration that never had them.
  std::string config = configText_;
  struct Entry {
    const char* key;
    std::string value;
    bool required;
  };
  const Entry entries[] = {
      {"empty_weight", formatNumber(settings_.zeroWeight), true},
      {"station_load.4", "", false},
      {"station_load.5", formatNumber(w.passengerWeight), true},
      {"station_load.3", "", false},
      {"station_load.2", formatNumber(w.baggageWeight), true},
  };
  for (const Entry& entry : entries) {
    if (!writeConfigValue(config, entry.key, entry.value) && entry.required) {
      error = quotedPath(configFile) + " has no \"" + entry.key + " =\" entry." + kNothingSaved;
      return false;
    }
  }

  auto oldNotes = files.read(notesFile, error);
  if (!oldNotes) {
    error += kNothingSaved;
    return false;
  }
  auto reference = findReferenceText(*oldNotes);
  if (!reference) {
    error = quotedPath(notesFile) + " has no line of 31 dashes starting the reference text." + kNothingSaved;
    return false;
  }
  std::string notes = composeNotes(settings_.aircraftName, showWeights(settings_, w, unit), unit,
                                   std::string_view(*oldNotes).substr(*reference));

  // Both new files are staged before either old one is touched.
  std::string oldConfig;
  if (auto bytes = files.read(configFile, error)) {
    oldConfig = std::move(*bytes);
  } else {
    error += kNothingSaved;
    return false;
  }
  if (!files.stage(configFile, config, error)) {
    error = "Cannot save: " + error + kNothingSaved;
    return false;
  }
  if (!files.stage(notesFile, notes, error)) {
    files.discard(configFile);
    error = "Cannot save: " + error + kNothingSaved;
    return false;
  }
  if (!files.commit(configFile, error)) {
    files.discard(notesFile);
    error = "Cannot save: " + error + kNothingSaved;
    return false;
  }
  if (!files.commit(notesFile, error)) {
    std::string restoreError;
    bool restored = files.stage(configFile, oldConfig, restoreError) && files.commit(configFile, restoreError);
    error.insert(0, "Cannot save: ");
    if (restored) {
      error += kNothingSaved;
    } else {
      error.append(" ").append(quotedPath(configFile));
      error.append(" was already replaced and could not be restored: ").append(restoreError);
    }
    return false;
  }
  configText_ = std::move(config);
  return true;
}

}  // namespace xaq::payload
