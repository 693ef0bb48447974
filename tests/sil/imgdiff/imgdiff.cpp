// xaq-imgdiff ACTUAL REFERENCE [--diff OUT.png] [--tolerance N] [--max-fraction F]
// Exit status: 0 the images match, 1 they differ (OUT.png shows where), 2 one cannot be read or
// the sizes differ.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/sil/imgdiff/image_compare.h"

int main(int argc, char** argv) {
  std::string actualPath, referencePath, diffPath;
  xaq::golden::Tolerance tolerance;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--diff" && hasValue) diffPath = argv[++i];
    else if (arg == "--tolerance" && hasValue) tolerance.channel = std::atoi(argv[++i]);
    else if (arg == "--max-fraction" && hasValue) tolerance.differingFraction = std::atof(argv[++i]);
    else if (actualPath.empty()) actualPath = arg;
    else if (referencePath.empty()) referencePath = arg;
    else actualPath.clear(), referencePath.clear(), i = argc;
  }
  if (actualPath.empty() || referencePath.empty()) {
    std::fprintf(stderr, "usage: xaq-imgdiff ACTUAL REFERENCE [--diff OUT.png] [--tolerance N] [--max-fraction F]\n");
    return 2;
  }
  const auto actual = xaq::golden::readPng(actualPath);
  const auto reference = xaq::golden::readPng(referencePath);
  if (!actual || !reference) {
    std::fprintf(stderr, "xaq-imgdiff: cannot read %s\n", (!actual ? actualPath : referencePath).c_str());
    return 2;
  }
  const xaq::golden::Comparison c = xaq::golden::compare(*actual, *reference, tolerance);
  if (!c.sameSize) {
    std::fprintf(stderr, "xaq-imgdiff: %s is %dx%d, the reference %dx%d\n", actualPath.c_str(), actual->width,
                 actual->height, reference->width, reference->height);
    return 2;
  }
  std::printf("%s: %zu of %zu pixels differ by more than %d (largest difference %d)\n", actualPath.c_str(),
              c.differing, actual->argb.size(), tolerance.channel, c.largest);
  if (c.matches) return 0;
  if (!diffPath.empty() && xaq::golden::writePng(c.diff, diffPath)) std::printf("diff: %s\n", diffPath.c_str());
  return 1;
}
