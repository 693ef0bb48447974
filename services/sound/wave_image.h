#pragma once
// A WAV resource as the sound buffers need it: the format block and the samples of its data
// chunk, found by walking the RIFF chunks. Anything that is not a well-formed RIFF WAVE image
// with both chunks inside its bytes is refused.

#include "platform/ports.h"

namespace xaq::services {

struct WaveImage {
  platform::WaveFormat format;
  platform::ByteView samples;  // inside the resource's bytes
};

bool parseWaveImage(platform::ByteView riff, WaveImage& out);

}  // namespace xaq::services
