// The shot table's figures kept shot by shot: the cost of a shot at strings of growing length.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "measure/shot_figures.h"

namespace tarvik {
namespace {

std::vector<double> Velocities(std::int64_t shots) {
  std::mt19937 random(307);
  std::uniform_real_distribution<double> spread(400.0, 1200.0);
  std::vector<double> velocities(static_cast<std::size_t>(shots));
  for (double& v : velocities) v = spread(random);
  return velocities;
}

// Builds a string of range(0) shots from nothing; the time a shot (items) stays the same from
// ten thousand shots to a million.
void BM_ShotFiguresAdd(benchmark::State& state) {
  const std::vector<double> velocities = Velocities(state.range(0));
  ShotFigures figures;
  for (auto _ : state) {
    figures.Clear();
    for (const double v : velocities) figures.Add(v, 15.89);
    benchmark::DoNotOptimize(figures.velocity().Get());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ShotFiguresAdd)->Arg(10'000)->Arg(100'000)->Arg(1'000'000);

}  // namespace
}  // namespace tarvik
