// One frame of the attitude director at the EADI screen's native 259 x 200 on an ILS approach:
// banked and pitched with the ladder numbered, the director's bars, all four modes with a box,
// the runway rising, decision height alerting, both deviation pointers and "AP ENG"; on the
// cairo canvas and on the recording canvas.

#include <benchmark/benchmark.h>

#include <vector>

#include "displays/glass/eadi_display.h"
#include "platform/portable/cairo_canvas.h"
#include "platform/testing/recording_canvas.h"

namespace {

using namespace xaq;

constexpr int kWidth = 259;
constexpr int kHeight = 200;

displays::EadiInputs onTheApproach() {
  displays::EadiInputs in;
  in.powered = true;
  in.brightness = 1.0;
  in.pitchUpDeg = -2.5;
  in.bankRightDeg = 12.0;
  in.turnRate = 240;
  in.fdOn = in.fdValid = true;
  in.fdPitchCommandDeg = -3.0;
  in.fdBankCommandDeg = 5.0;
  in.modeTexts = {"", "LOC", "", "GS"};
  in.verticalModeBox = true;
  in.indicatedAirspeedKt = 131;
  in.speedTargetKt = 127;
  in.radioAltitudeFt = 180;
  in.decisionHeightFt = 200;
  in.verticalSpeedFpm = -700;
  in.glideslopeValid = true;
  in.glideslopeDeviation = 14;
  in.localizerDeviation = -6;
  in.navFlags = displays::kNavLocalizerBit;
  in.autopilotEngaged = true;
  return in;
}

void runFrames(benchmark::State& state, platform::CanvasFactory* canvases) {
  std::vector<std::uint32_t> pixels(kWidth * kHeight);
  int token = 0;
  std::uint32_t flags = 0;
  displays::GlassElement element;
  element.surface = {&token, kWidth, kHeight, kWidth * 4, 32, reinterpret_cast<std::uint8_t*>(pixels.data())};
  element.imageFlags = &flags;
  displays::EadiDisplay display(canvases);
  display.setElement(&element);
  display.setInputs(onTheApproach());
  for (auto _ : state) {
    display.frame();
    benchmark::DoNotOptimize(pixels.data());
  }
}

void BM_EadiFrameCairo(benchmark::State& state) { runFrames(state, &platform::cairoCanvases()); }
BENCHMARK(BM_EadiFrameCairo)->Unit(benchmark::kMicrosecond);

void BM_EadiFrameRecording(benchmark::State& state) {
  platform::testing::RecordingCanvas canvas;
  runFrames(state, &canvas);
}
BENCHMARK(BM_EadiFrameRecording)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
