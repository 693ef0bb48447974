// xaq-artwork OUTDIR: draws every gauge bitmap into OUTDIR (BMP and PNG by resource id, the
// resource script bitmaps.rc and the id list bitmaps.txt).

#include <cstdio>
#include <string>

#include "resources/artwork/families.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: xaq-artwork OUTDIR\n");
    return 2;
  }
  const xaq::art::Registry art = xaq::art::allArtworks();
  for (const std::string& problem : art.problems()) std::fprintf(stderr, "xaq-artwork: %s\n", problem.c_str());
  std::string error;
  if (!xaq::art::writeArtworkFolder(art, argv[1], error)) {
    std::fprintf(stderr, "xaq-artwork: %s\n", error.c_str());
    return 1;
  }
  std::printf("xaq-artwork: %zu bitmaps in %s\n", art.artworks().size(), argv[1]);
  return 0;
}
