// Writes the sample variation grid: magdec_gen <coefficient file> <output file> [decimal year].
// Run once; its output is committed as resources/simfolder/Scenery/magdec.bgl.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fms/base/file_io.h"
#include "fms/magvar/tools/magdec_writer.h"
#include "fms/magvar/tools/wmm_model.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <WMM.COF> <magdec.bgl> [decimal year]\n", argv[0]);
    return 2;
  }
  const auto text = xaq::fms::readWholeFile(argv[1]);
  if (!text) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const auto model = xaq::fms::tools::WmmModel::parse(*text);
  if (!model) {
    std::fprintf(stderr, "no coefficients in %s\n", argv[1]);
    return 1;
  }
  const double year = argc > 3 ? std::atof(argv[3]) : model->epoch();
  const std::string file = xaq::fms::tools::buildMagdecFile(*model, year);
  std::FILE* out = std::fopen(argv[2], "wb");
  if (out == nullptr || std::fwrite(file.data(), 1, file.size(), out) != file.size() || std::fclose(out) != 0) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  std::printf("wrote %s (%zu bytes, epoch %.1f)\n", argv[2], file.size(), year);
  return 0;
}
