// Painting the graph window's pictures of a million shots on a canvas that only counts calls.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

#include "bench_doubles.h"
#include "dialogs/graph_painter.h"

namespace tarvik {
namespace {

constexpr int kShots = 1'000'000;
constexpr CanvasSize kSize{800, 600};

// Velocities of a long string of pellets, 780 to 820 fps.
std::vector<double> Velocities() {
  std::mt19937 random(307);
  std::uniform_real_distribution<double> spread(780.0, 820.0);
  std::vector<double> velocities(kShots);
  for (double& v : velocities) v = spread(random);
  return velocities;
}

void BM_GraphSequentialMillionShots(benchmark::State& state) {
  const std::vector<double> velocities = Velocities();
  CountingCanvas canvas(kSize);
  for (auto _ : state) DrawSequentialGraph(canvas, velocities, kSize, state.range(0) != 0);
  state.counters["calls"] =
      benchmark::Counter(static_cast<double>(canvas.calls), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GraphSequentialMillionShots)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_GraphHistogramMillionShots(benchmark::State& state) {
  const std::vector<double> velocities = Velocities();
  CountingCanvas canvas(kSize);
  for (auto _ : state) DrawHistogram(canvas, velocities, kSize, state.range(0) != 0);
  state.counters["calls"] =
      benchmark::Counter(static_cast<double>(canvas.calls), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GraphHistogramMillionShots)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvik
