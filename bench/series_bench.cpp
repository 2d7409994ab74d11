// Growing the shot series shot by shot, and recomputing its averages.
#include <benchmark/benchmark.h>

#include "measure/averages.h"

namespace tarvik {
namespace {

constexpr int kShots = 1'000'000;

void BM_AppendMillionShots(benchmark::State& state) {
  for (auto _ : state) {
    ShotSeries series;
    for (int i = 0; i < kShots; ++i) series.AppendShot(800.0 + (i % 50));
    benchmark::DoNotOptimize(series.at(kShots - 1));
  }
}
BENCHMARK(BM_AppendMillionShots)->Unit(benchmark::kMillisecond);

void BM_ComputeAveragesMillionShots(benchmark::State& state) {
  ShotSeries series;
  for (int i = 0; i < kShots; ++i) series.AppendShot(800.0 + (i % 50));
  for (auto _ : state) benchmark::DoNotOptimize(ComputeAverages(series, 15.0));
}
BENCHMARK(BM_ComputeAveragesMillionShots)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvik
