// xaq-sounds OUTDIR: writes the cockpit's 34 sounds as OUTDIR/<name>.wav and the resource script
// sounds.rc that links them into the Windows module as "WAV" resources by name.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "resources/sounds/voices.h"
#include "services/sound/sound.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: xaq-sounds OUTDIR\n");
    return 2;
  }
  const std::filesystem::path folder = std::filesystem::absolute(argv[1]);
  std::filesystem::create_directories(folder);
  std::ofstream script(folder / "sounds.rc", std::ios::binary);
  script << "// Made by xaq-sounds; do not edit.\n";
  for (const char* name : xaq::services::kSoundNames) {
    const xaq::sounds::Samples samples = xaq::sounds::voice(name);
    if (samples.empty()) {
      std::fprintf(stderr, "xaq-sounds: no sound for %s\n", name);
      return 1;
    }
    const std::vector<std::uint8_t> image = xaq::sounds::waveFile(samples);
    const std::filesystem::path file = folder / (std::string(name) + ".wav");
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(image.data()),
                                                static_cast<std::streamsize>(image.size()));
    script << name << " WAV \"" << file.generic_string() << "\"\n";
  }
  return script ? 0 : 1;
}
