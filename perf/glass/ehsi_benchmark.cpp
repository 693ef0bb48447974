// One frame of the heading display at the EHSI screen's native 258 x 190: the full rose with both
// bearing pointers, the course and glideslope, and the map on the arc with a station and three
// waypoints; on the cairo canvas and on the recording canvas.

#include <benchmark/benchmark.h>

#include <vector>

#include "displays/glass/ehsi_display.h"
#include "platform/portable/cairo_canvas.h"
#include "platform/testing/recording_canvas.h"

namespace {

using namespace xaq;

constexpr int kWidth = 258;
constexpr int kHeight = 190;

displays::EhsiInputs busyAircraft(bool map) {
  displays::EhsiInputs in;
  in.powered = true;
  in.brightness = 1.0;
  in.arcMode = in.mapOn = map;
  in.headingDeg = 84.6;
  in.headingBugDeg = 120;
  in.selectedCourseDeg = 85;
  in.navDeviation = 40;
  in.toFrom = displays::kToFromTo;
  in.glideslopeValid = true;
  in.glideslopeDeviation = -30;
  in.nav1Valid = in.nav2Valid = true;
  in.nav1BearingDeg = 90;
  in.nav2BearingDeg = 300;
  in.dmeNm = 12.4;
  in.groundSpeedKt = 150;
  in.timeToGo = true;
  in.bearingSource2 = displays::kBearingVor;
  in.mapRangeNm = 50;
  in.vor1 = {true, {45.7, -122.6}};
  in.aircraft = {45.59, -122.6};
  in.magneticVariationDeg = 15;
  in.mapSlots = {displays::EhsiMapSlot{1, 80, 20}, displays::EhsiMapSlot{2, 60, 70}, displays::EhsiMapSlot{3, 40, 400}};
  in.activeWaypointIndex = 1;
  return in;
}

void runFrames(benchmark::State& state, platform::CanvasFactory* canvases, bool map) {
  std::vector<std::uint32_t> pixels(kWidth * kHeight);
  int token = 0;
  std::uint32_t flags = 0;
  displays::GlassElement element;
  element.surface = {&token, kWidth, kHeight, kWidth * 4, 32, reinterpret_cast<std::uint8_t*>(pixels.data())};
  element.imageFlags = &flags;
  displays::EhsiDisplay display(canvases);
  const displays::EhsiInputs in = busyAircraft(map);
  for (auto _ : state) {
    display.drawFrame(&element, in);
    benchmark::DoNotOptimize(pixels.data());
  }
}

void BM_EhsiFrameCairoRose(benchmark::State& state) { runFrames(state, &platform::cairoCanvases(), false); }
BENCHMARK(BM_EhsiFrameCairoRose)->Unit(benchmark::kMicrosecond);

void BM_EhsiFrameCairoMap(benchmark::State& state) { runFrames(state, &platform::cairoCanvases(), true); }
BENCHMARK(BM_EhsiFrameCairoMap)->Unit(benchmark::kMicrosecond);

void BM_EhsiFrameRecordingRose(benchmark::State& state) {
  platform::testing::RecordingCanvas canvas;
  runFrames(state, &canvas, false);
}
BENCHMARK(BM_EhsiFrameRecordingRose)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
