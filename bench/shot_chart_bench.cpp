// Painting the shot table's chart of long strings on a canvas that only counts calls.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

#include "bench_doubles.h"
#include "dialogs/shot_chart.h"

namespace tarvik {
namespace {

constexpr CanvasSize kSize{800, 300};

// range(0) shots of 780 to 820 fps, one in fifty left out, one selected.
void BM_ShotChart(benchmark::State& state) {
  const auto shots = static_cast<std::size_t>(state.range(0));
  std::mt19937 random(307);
  std::uniform_real_distribution<double> spread(780.0, 820.0);
  std::vector<double> velocities(shots);
  std::vector<std::uint8_t> left_out(shots);
  for (std::size_t i = 0; i < shots; ++i) {
    velocities[i] = spread(random);
    left_out[i] = i % 50 == 0 ? 1 : 0;
  }
  const ChartInput input{.velocities = velocities,
                         .left_out = left_out,
                         .average = 800.0,
                         .standard_deviation = 11.5,
                         .selected = static_cast<int>(shots / 2),
                         .unit = "fps",
                         .shot_axis = "Shot"};
  CountingCanvas canvas(kSize);
  for (auto _ : state) benchmark::DoNotOptimize(PaintShotChart(canvas, input));
  state.counters["calls"] =
      benchmark::Counter(static_cast<double>(canvas.calls), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ShotChart)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvik
