// xaq-magdec: writes the simulator's variation grid (Scenery/magdec.bgl) from the World Magnetic
// Model at a date.
//
//   xaq-magdec [--date YYYY-MM-DD] [--coefficients WMM.COF] <simulator folder | file.bgl>
//   xaq-magdec <WMM.COF> <magdec.bgl> [decimal year]      (the generator's first form)

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fms/base/file_io.h"
#include "fms/magvar/tools/decimal_date.h"
#include "fms/magvar/tools/magdec_writer.h"
#include "fms/magvar/tools/wmm_model.h"

namespace {

using namespace xaq::fms::tools;
namespace fs = std::filesystem;

// The model is fitted for five years from its epoch.
constexpr double kModelYears = 5.0;

int usage(const char* program) {
  std::fprintf(stderr,
               "usage: %s [--date YYYY-MM-DD] [--coefficients WMM.COF] <simulator folder | file.bgl>\n"
               "       writes <simulator folder>/Scenery/magdec.bgl (or the named file) for the date (default: today)\n",
               program);
  return 2;
}

// Written beside the target and renamed over it, so a failed run leaves the old grid in place.
bool writeReplacing(const fs::path& target, const std::string& bytes) {
  std::error_code ec;
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  const fs::path temporary = target.string() + ".partial";
  std::FILE* out = std::fopen(temporary.string().c_str(), "wb");
  bool ok = out != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  if (out != nullptr) ok = std::fclose(out) == 0 && ok;
  if (ok) fs::rename(temporary, target, ec);
  if (!ok || ec) {
    fs::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string coefficientFile, target;
  std::optional<CalendarDate> date;
  std::optional<double> year;
  if (args.size() >= 2 && args[0].rfind("--", 0) != 0) {
    coefficientFile = args[0];
    target = args[1];
    if (args.size() > 2) year = std::atof(args[2].c_str());
  } else {
    for (std::size_t i = 0; i < args.size(); ++i) {
      if (args[i] == "--date" && i + 1 < args.size()) {
        date = parseIsoDate(args[++i]);
        if (!date) {
          std::fprintf(stderr, "xaq-magdec: --date wants a date as YYYY-MM-DD, not \"%s\"\n", args[i].c_str());
          return 1;
        }
      } else if (args[i] == "--coefficients" && i + 1 < args.size()) {
        coefficientFile = args[++i];
      } else if (args[i].rfind("--", 0) == 0 || !target.empty()) {
        return usage(argv[0]);
      } else {
        target = args[i];
      }
    }
  }
  if (target.empty()) return usage(argv[0]);

  std::string text(builtInWmmCoefficients());
  if (!coefficientFile.empty()) {
    const auto read = xaq::fms::readWholeFile(coefficientFile);
    if (!read) {
      std::fprintf(stderr, "xaq-magdec: cannot read %s\n", coefficientFile.c_str());
      return 1;
    }
    text = *read;
  }
  const auto model = WmmModel::parse(text);
  if (!model) {
    std::fprintf(stderr, "xaq-magdec: no coefficients in %s\n", coefficientFile.empty() ? "the built-in model" : coefficientFile.c_str());
    return 1;
  }
  const double at = year ? *year : decimalYear(date ? *date : today());
  if (at < model->epoch() || at > model->epoch() + kModelYears) {
    std::fprintf(stderr, "xaq-magdec: %.2f is outside the model's years %.1f to %.1f\n", at, model->epoch(),
                 model->epoch() + kModelYears);
    return 1;
  }
  fs::path output(target);
  if (output.extension() != ".bgl") output = output / "Scenery" / "magdec.bgl";
  const std::string file = buildMagdecFile(*model, at);
  if (!writeReplacing(output, file)) {
    std::fprintf(stderr, "xaq-magdec: cannot write %s\n", output.string().c_str());
    return 1;
  }
  std::printf("wrote %s (%zu bytes, year %.2f)\n", output.string().c_str(), file.size(), at);
  return 0;
}
