// Growing the shot series shot by shot, and recomputing its averages.
#include <benchmark/benchmark.h>

#include "bench_doubles.h"
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

void BM_RefreshAveragesMillionShots(benchmark::State& state) {
  ShotSeries series;
  for (int i = 0; i < kShots; ++i) series.AppendShot(800.0 + (i % 50));
  NullView view;
  for (auto _ : state) RefreshAverages(series, 15.0, false, view);
}
BENCHMARK(BM_RefreshAveragesMillionShots)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvik
