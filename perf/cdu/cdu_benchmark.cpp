// One frame of the control-display unit: the FPL page of a five-waypoint plan (its busiest page)
// and the NAV page, on the cairo canvas at the screen's native 233 x 140 and on the recording
// canvas.

#include <benchmark/benchmark.h>

#include <vector>

#include "fms/cdu/cdu.h"
#include "platform/portable/cairo_canvas.h"
#include "platform/testing/recording_canvas.h"

namespace {

using namespace xaq;

constexpr int kWidth = 233;
constexpr int kHeight = 140;

class Unit {
 public:
  explicit Unit(platform::CanvasFactory* canvases) : cdu_(core_, canvases, radios_), pixels_(kWidth * kHeight) {
    element_.surface = {&token_, kWidth, kHeight, kWidth * 4, 32, reinterpret_cast<std::uint8_t*>(pixels_.data())};
    element_.imageFlags = &flags_;
    cycle(0.0);
    cycle(8.5);  // self-test done: INIT
    const char* idents[] = {"BTG", "OLM", "SEA", "PAE", "BLI"};
    for (const char* ident : idents) {
      const auto& found = core_.database().findByIdent(ident, fms::kAllSearchableTypes, {45.6, -122.6});
      if (!found.empty()) core_.plan().insert(core_.plan().count(), fms::NavPoint::fromRecord(found.front()));
    }
  }
  void show(int functionKey) {
    cdu_.pressKey(functionKey);
    cycle(9.0);
    cycle(9.1);
  }
  void frame() {
    cdu_.draw(&element_);
    benchmark::DoNotOptimize(pixels_.data());
  }

 private:
  void cycle(double t) {
    fms::CduInputs in;
    in.avionicsPowered = true;
    in.guidance.present = {45.5887, -122.5975};
    in.fuelOnBoardLb = 4000;
    in.fuelFlowPph = 900;
    in.groundSpeedKt = 220;
    cdu_.update({t, 0.056}, in);
  }

  fms::FmsCore core_{XAQ_SAMPLE_SIM_FOLDER};
  fms::HeldCduRadios radios_;
  fms::Cdu cdu_;
  std::vector<std::uint32_t> pixels_;
  displays::GlassElement element_;
  std::uint32_t flags_ = 0;
  int token_ = 0;
};

void runFrames(benchmark::State& state, platform::CanvasFactory* canvases, int functionKey) {
  Unit unit(canvases);
  unit.show(functionKey);
  for (auto _ : state) unit.frame();
}

void BM_CduFrameCairoFpl(benchmark::State& state) { runFrames(state, &platform::cairoCanvases(), fms::key::kFpl); }
BENCHMARK(BM_CduFrameCairoFpl)->Unit(benchmark::kMicrosecond);

void BM_CduFrameCairoNav(benchmark::State& state) { runFrames(state, &platform::cairoCanvases(), fms::key::kNav); }
BENCHMARK(BM_CduFrameCairoNav)->Unit(benchmark::kMicrosecond);

void BM_CduFrameRecordingFpl(benchmark::State& state) {
  platform::testing::RecordingCanvas canvas;
  runFrames(state, &canvas, fms::key::kFpl);
}
BENCHMARK(BM_CduFrameRecordingFpl)->Unit(benchmark::kMicrosecond);

void BM_CduFrameRecordingNav(benchmark::State& state) {
  platform::testing::RecordingCanvas canvas;
  runFrames(state, &canvas, fms::key::kNav);
}
BENCHMARK(BM_CduFrameRecordingNav)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
