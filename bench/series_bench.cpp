// Growing the shot series shot by shot, and recomputing its averages and statistics.
#include <benchmark/benchmark.h>

#include "measure/averages.h"
#include "measure/statistics.h"

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

// The statistics window's recomputation: two passes over the whole series.
void BM_ComputeStatisticsMillionShots(benchmark::State& state) {
  ShotSeries series;
  for (int i = 0; i < kShots; ++i) series.AppendShot(800.0 + (i % 50));
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeStatistics(LastShots(series, 0), 15.0));
  }
}
BENCHMARK(BM_ComputeStatisticsMillionShots)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvik
