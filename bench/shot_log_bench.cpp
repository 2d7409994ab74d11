// Loading a large shot log back into the series, from a real file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/number_text.h"
#include "measure/shot_log.h"
#include "platform/posix/posix_files.h"

namespace tarvik {
namespace {

void BM_LoadMillionLineLog(benchmark::State& state) {
  const auto path =
      std::filesystem::temp_directory_path() / ("tarvik-bench-" + FormatInt(::getpid()) + ".log");
  {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < 1'000'000; ++i) out << *LogLine(780.0 + (i % 40) * 0.5, 20.5, 15.0);
  }
  posix::PosixFiles files;
  for (auto _ : state) {
    ShotSeries series;
    LoadLog(files, path.string(), series);
    if (series.count() != 1'000'000) state.SkipWithError("the log did not load whole");
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadMillionLineLog)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvik
