// Writes the world-sized navigation data set into <folder>/Xaq/NavData.
#include <cstdio>

#include "perf/fms/world_generator.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <simulator folder>\n", argv[0]);
    return 2;
  }
  return xaq::fms::perf::generateWorld(argv[1]) ? 0 : 1;
}
