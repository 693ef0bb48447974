// stowplan on the command line: the payload editor for scripts and for machines without a
// desktop. Same files, same arithmetic and same Save as the window.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "payload/core/key_values.h"
#include "payload/core/payload_editor.h"

namespace fs = std::filesystem;
using namespace xaq::payload;

namespace {

constexpr const char* kUsage =
    "Usage: stowplan [options]\n"
    "Shows the Xaq Orvek's payload as the payload editor window does and, with --save, writes\n"
    "the loads into aircraft.cfg and the weight summary into orvek-300_notes.txt.\n"
    "\n"
    "  --aircraft DIR    aircraft folder holding aircraft.cfg and orvek-300_notes.txt\n"
    "                    (default: the program's folder, then ../../Aircraft/Xaq Orvek)\n"
    "  --settings FILE   settings file (default: stowplan.ini in the program's folder)\n"
    "  --passengers PCT  passenger slider: PCT percent of the seats filled, 0 to 100\n"
    "  --baggage PCT     baggage slider: PCT percent of max_baggage, 0 to 100\n"
    "  --metric          show the weights, and write the notes file, in kilograms\n"
    "  --imperial        show them in pounds (the default)\n"
    "  --save            write aircraft.cfg and the notes file\n"
    "  --help            show this text\n"
    "\n"
    "Sliders not given start where aircraft.cfg's loads put them. aircraft.cfg always holds pounds.\n"
    "Exit status: 0 done; 1 a file could not be read or written (nothing was changed); 2 bad options.\n";

struct Options {
  std::optional<fs::path> aircraftFolder;
  std::optional<fs::path> settingsFile;
  std::optional<int> passengerPercent;
  std::optional<int> baggagePercent;
  WeightUnit unit = WeightUnit::Pounds;
  bool save = false;
  bool help = false;
};

std::optional<int> percentArgument(std::string_view text) {
  auto number = parseNumber(text);
  if (text.empty() || !number || *number != static_cast<int>(*number) || *number < 0 || *number > kSliderMax)
    return std::nullopt;
  return static_cast<int>(*number);
}

// Returns nullopt, after saying why, when the command line cannot be used.
std::optional<Options> parseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    auto value = [&]() -> std::optional<std::string_view> {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "stowplan: %s needs a value\n", argv[i]);
        return std::nullopt;
      }
      return std::string_view(argv[++i]);
    };
    auto percent = [&](std::optional<int>& target) {
      auto text = value();
      if (!text) return false;
      target = percentArgument(*text);
      if (!target) std::fprintf(stderr, "stowplan: %s wants a whole number from 0 to 100, not \"%.*s\"\n",
                                arg.data(), static_cast<int>(text->size()), text->data());
      return target.has_value();
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--aircraft" || arg == "--settings") {
      auto text = value();
      if (!text) return std::nullopt;
      (arg == "--aircraft" ? options.aircraftFolder : options.settingsFile) = fs::path(*text);
    } else if (arg == "--passengers") {
      if (!percent(options.passengerPercent)) return std::nullopt;
    } else if (arg == "--baggage") {
      if (!percent(options.baggagePercent)) return std::nullopt;
    } else if (arg == "--metric" || arg == "--imperial") {
      options.unit = arg == "--metric" ? WeightUnit::Kilograms : WeightUnit::Pounds;
    } else if (arg == "--save") {
      options.save = true;
    } else {
      std::fprintf(stderr, "stowplan: unknown option \"%s\"; see stowplan --help\n", argv[i]);
      return std::nullopt;
    }
  }
  return options;
}

fs::path programFolder(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) self = fs::absolute(argv0, ec);
  return self.parent_path();
}

void show(const PayloadEditor& editor, WeightUnit unit) {
  const PayloadSettings& s = editor.settings();
  const PoundWeights w = editor.weights();
  const ShownWeights shown = editor.shown(unit);
  const UnitTexts& texts = unitTexts(unit);
  const std::string suffix = texts.payloadSuffix;
  const double maxZfw = unit == WeightUnit::Pounds ? s.maxZfw : kilogramsShown(s.maxZfw);
  const bool overZfw = nextZfwColour(ZfwColour::White, w.zeroFuelWeight, s.maxZfw) == ZfwColour::Pink;
  std::printf("%s\n", editor.caption().c_str());
  std::printf("Passengers:        %lld of %s seats (%d %%)\n", static_cast<long long>(w.passengers),
              formatNumber(s.numCoach).c_str(), editor.sliders().passengerPercent);
  std::printf("Passenger weight:  %s%s\n", formatNumber(shown.passengerWeight).c_str(), suffix.c_str());
  std::printf("Baggage:           %s%s (%d %%)\n", formatNumber(shown.baggageWeight).c_str(), suffix.c_str(),
              editor.sliders().baggagePercent);
  std::printf("Zero-fuel weight:  %s%s (max %s)%s\n", formatNumber(shown.zeroFuelWeight).c_str(), suffix.c_str(),
              formatNumber(maxZfw).c_str(), overZfw ? "  ABOVE MAXIMUM" : "");
  std::printf("Max fuel:          %s%s\n", formatNumber(shown.maxFuel).c_str(), suffix.c_str());
  std::printf("%s\n", texts.allValuesNote);
}

}  // namespace

int main(int argc, char** argv) {
  auto options = parseOptions(argc, argv);
  if (!options) return 2;
  if (options->help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  EditorPaths paths = defaultPaths(programFolder(argv[0]));
  if (options->aircraftFolder) paths.aircraftFolder = *options->aircraftFolder;
  if (options->settingsFile) paths.settingsFile = *options->settingsFile;

  DiskFileStore disk;
  std::string error;
  auto editor = PayloadEditor::load(paths, disk, error);
  if (!editor) {
    std::fprintf(stderr, "stowplan: %s\n", error.c_str());
    return 1;
  }
  if (options->passengerPercent) editor->setPassengerPercent(*options->passengerPercent);
  if (options->baggagePercent) editor->setBaggagePercent(*options->baggagePercent);
  show(*editor, options->unit);
  if (options->save) {
    if (!editor->save(options->unit, disk, error)) {
      std::fprintf(stderr, "stowplan: %s\n", error.c_str());
      return 1;
    }
    std::printf("%s\n", kSavedMessage);
  }
  return 0;
}
