// Speed of the history diagram: a random-walk history of 1e5, 1e6 and 1e7
// points drawn on the history picture of the main window (offscreen, 600
// pixels wide: our code and Qt's painter) and on a RecordingSurface (our
// code, every call logged), and the decimation alone. Figures: milliseconds
// per drawing, the drawing calls per drawing, and the picture's pixel columns.
// A plain min/max pass over the same points is the yardstick.
//
//   build/test/bench/loading_draw_bench --benchmark_min_time=1

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "loading/decimated_history.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_services.h"
#include "platform/draw/forwarding_surface.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "support/fake_host.h"
#include "support/recording_surface.h"
#include "window_bench.h"

namespace {

// A random walk of n points with normal steps, kept within -300 .. 400.
const std::vector<float>& RandomWalk(int32_t n) {
  static std::map<int32_t, std::vector<float>> cache;
  auto [it, fresh] = cache.try_emplace(n);
  if (!fresh) return it->second;
  std::vector<float>& h = it->second;
  h.assign(static_cast<size_t>(n) + 2, 0.0f);
  std::mt19937 rng(1600);
  std::normal_distribution<float> step(0.0f, 4.0f);
  float x = 0;
  for (int32_t j = 1; j <= n; ++j) {
    x += step(rng);
    if (x > 400 || x < -300) x = 0;
    h[static_cast<size_t>(j)] = x;
  }
  return h;
}

// The program with its main window sized so that the history picture is
// about 600 pixels wide, holding batch 1 with a history of n points.
struct Program {
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
  int32_t loaded = 0;

  Program() {
    main.Move(0, 0, 19500, 14400);
    state.analysisOptions.LoadingType = 1;
    state.loadingDbState.SelectedLoadingBatch = 1;
  }

  void Load(int32_t n) {
    if (loaded == n) return;
    const std::vector<float>& h = RandomWalk(n);
    state.loadingData.HistoryPoints = h;  // as the history reader holds it
    state.loadingDatabase.BatchPointCount[1] = n;
    state.loadingDatabase.BatchHistoryMax[1] = *std::max_element(h.begin() + 1, h.end() - 1);
    state.loadingDatabase.BatchHistoryMin[1] = *std::min_element(h.begin() + 1, h.end() - 1);
    loaded = n;
  }
};

// Counts the drawing calls on the way to the picture.
class CountingSurface : public ForwardingSurface {
 public:
  explicit CountingSurface(Surface& target) : target_(target) {}
  using ForwardingSurface::LineTo;
  int64_t calls = 0;

  void Line(double x1, double y1, double x2, double y2, int32_t c = -1, LineKind k = kSegment) override {
    ++calls;
    target_.Line(x1, y1, x2, y2, c, k);
  }
  void LineTo(double x2, double y2, int32_t c = -1) override {
    ++calls;
    target_.LineTo(x2, y2, c);
  }
  void PSet(double x, double y, int32_t c = -1) override {
    ++calls;
    target_.PSet(x, y, c);
  }
  void Print(const std::string& text, bool keepPen = false) override {
    ++calls;
    target_.Print(text, keepPen);
  }

 protected:
  Surface& Target() override { return target_; }
  const Surface& Target() const override { return target_; }

 private:
  Surface& target_;
};

int64_t DrawingCalls(const RecordingSurface& s) {
  return std::count_if(s.log.begin(), s.log.end(), [](const std::string& l) {
    return l.rfind("Line", 0) == 0 || l.rfind("PSet", 0) == 0 || l.rfind("Print", 0) == 0;
  });
}

void Report(benchmark::State& state, int64_t calls, double columns) {
  state.counters["calls"] = static_cast<double>(calls);
  state.counters["columns"] = columns;
  state.counters["points/s"] =
      benchmark::Counter(static_cast<double>(state.range(0)) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_HistoryDiagramOnThePicture(benchmark::State& state) {
  Program& p = TheProgram<Program>();
  p.Load(static_cast<int32_t>(state.range(0)));
  PictureBox& pic = p.main.loadingFrames().Pic_Hist;
  CountingSurface counting(pic.surface());
  for (auto _ : state) {
    counting.calls = 0;
    DrawHistoryDiagram(p.main, counting, 1);
  }
  Report(state, counting.calls, pic.surface().ScaleXToPixels(pic.surface().ScaleWidth()));
}

void BM_HistoryDiagramRecorded(benchmark::State& state) {
  Program& p = TheProgram<Program>();
  p.Load(static_cast<int32_t>(state.range(0)));
  PictureBox& pic = p.main.loadingFrames().Pic_Hist;
  DrawHistoryDiagram(p.main, pic.surface(), 1);  // places the picture
  RecordingSurface s(pic.Width(), pic.Height());
  for (auto _ : state) {
    s.ClearLog();
    DrawHistoryDiagram(p.main, s, 1);
  }
  Report(state, DrawingCalls(s), pic.Width() / 15);
}

void BM_DecimatedHistoryAlone(benchmark::State& state) {
  const int32_t n = static_cast<int32_t>(state.range(0));
  const std::vector<float>& h = RandomWalk(n);
  RecordingSurface s(9000, 4500);  // 600 pixels
  s.Scale(0, 4500, 9000, 0);
  const float xStep = 0.85f * 9000 / static_cast<float>(n - 1);
  for (auto _ : state) {
    s.ClearLog();
    DrawDecimatedHistory(s, 900, 2000, xStep, 2, 0xC000C0, 1, n, 1, h);
  }
  Report(state, DrawingCalls(s), 600);
}

void BM_PlainMinMax(benchmark::State& state) {
  const std::vector<float>& h = RandomWalk(static_cast<int32_t>(state.range(0)));
  for (auto _ : state) {
    const auto [lo, hi] = std::minmax_element(h.begin() + 1, h.end() - 1);
    benchmark::DoNotOptimize(*lo + *hi);
  }
  Report(state, 0, 0);
}

BENCHMARK(BM_HistoryDiagramOnThePicture)->Arg(100'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryDiagramRecorded)->Arg(100'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecimatedHistoryAlone)->Arg(100'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainMinMax)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks<Program>(argc, argv); }
