// One frame of the traffic picture at the TCAS screen's native 116 x 116 with sixteen targets
// around the own aircraft, from other traffic to resolution advisories, labels and trend arrows
// on each; on the cairo canvas and on the recording canvas.

#include <benchmark/benchmark.h>

#include <vector>

#include "displays/traffic/tcas_display.h"
#include "displays/traffic/testing_traffic_list.h"
#include "platform/portable/cairo_canvas.h"
#include "platform/testing/recording_canvas.h"

namespace {

using namespace xaq;

constexpr int kSize = 116;
constexpr double kLat = 45.0, kLon = -122.0, kAlt = 5000.0;

std::vector<displays::testing::ListedTarget> busySky() {
  std::vector<displays::testing::ListedTarget> targets;
  for (int i = 0; i < 16; ++i) {
    const double north = ((i % 4) - 1.5) * 0.9 / 60.0;
    const double east = ((i / 4) - 1.5) * 1.2 / 60.0;
    targets.push_back({static_cast<std::uint32_t>(i + 1), static_cast<float>(kLat + north),
                       static_cast<float>(kLon + east), static_cast<float>(kAlt + (i - 8) * 150.0),
                       static_cast<std::uint16_t>((i * 45) % 360), static_cast<std::uint16_t>(120 + 20 * i),
                       static_cast<std::int16_t>((i % 3 - 1) * 800), "TGT"});
  }
  return targets;
}

void runFrames(benchmark::State& state, platform::CanvasFactory* canvases) {
  std::vector<std::uint32_t> pixels(kSize * kSize);
  int token = 0;
  std::uint32_t flags = 0;
  displays::GlassElement element;
  element.surface = {&token, kSize, kSize, kSize * 4, 32, reinterpret_cast<std::uint8_t*>(pixels.data())};
  element.imageFlags = &flags;
  displays::TrafficData traffic;
  const auto bytes = displays::testing::trafficList(busySky());
  traffic.update({1.0, 1.0, false, 1.0}, {true, {kLat, kLon, kAlt, 0.0, 0.0}, {true, bytes.data(), bytes.size()}});
  displays::TcasDisplay display(canvases, traffic);
  display.setElement(&element);
  for (auto _ : state) {
    display.frame();
    benchmark::DoNotOptimize(pixels.data());
  }
}

void BM_TcasFrameCairo(benchmark::State& state) { runFrames(state, &platform::cairoCanvases()); }
BENCHMARK(BM_TcasFrameCairo)->Unit(benchmark::kMicrosecond);

void BM_TcasFrameRecording(benchmark::State& state) {
  platform::testing::RecordingCanvas canvas;
  runFrames(state, &canvas);
}
BENCHMARK(BM_TcasFrameRecording)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
