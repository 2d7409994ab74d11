// Recording a shot as the program does after each one: a line appended and synced to the disk.
// Each RecordShot is timed alone; the median and the 95th percentile of 1,000 shots are reported
// in microseconds. On the disk under the build directory (/0), where the sync dominates, and in
// /dev/shm (/1), where a sync costs nothing, for the recorder's own share. Then the history
// window's listing on the same disk.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "base/clock.h"
#include "base/number_text.h"
#include "history/history_store.h"
#include "history/string_recorder.h"
#include "history_fill.h"
#include "platform/posix/posix_history_folder.h"

namespace tarvik {
namespace {

void BM_RecordThousandShots(benchmark::State& state) {
  const std::filesystem::path folder =
      std::filesystem::path(TARVIK_BENCH_FOLDER) / ("record-bench-" + FormatInt(::getpid()));
  SystemClock clock;
  std::vector<double> micros;
  for (auto _ : state) {
    std::filesystem::remove_all(folder);
    posix::PosixHistoryFolder history(folder.string());
    StringRecorder recorder(history, clock);
    micros.clear();
    for (int i = 0; i < 1000; ++i) {
      KeptShot shot;
      shot.time = clock.LocalNow();
      shot.velocity = 780.0 + (i % 40) * 0.37;
      shot.energy = 15.2;
      shot.weight = 15.89;
      shot.count = 1015 + i % 40;
      shot.mark = HardwareMark::kMark4;
      const auto start = std::chrono::steady_clock::now();
      recorder.RecordShot(shot);
      micros.push_back(
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
              .count());
    }
    if (recorder.holding()) state.SkipWithError("the disk refused a record");
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["p95_us"] = micros[micros.size() * 95 / 100];
  state.counters["max_us"] = micros.back();
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecordThousandShots)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// The history window's listing of 10,000 strings of 100 shots on the disk, without the
// summary cache (every file read and parsed, /1) and with it (/2); /0 reads the files alone.
void BM_ListOnDisk(benchmark::State& state) {
  const std::filesystem::path folder =
      std::filesystem::path(TARVIK_BENCH_FOLDER) / ("list-bench-" + FormatInt(::getpid()));
  std::filesystem::remove_all(folder);
  posix::PosixHistoryFolder history(folder.string());
  if (!FillHistory(history, 10'000, 100)) state.SkipWithError("the history could not be filled");
  ::sync();  // a history the user opens is on the disk already
  HistoryStore store(history);
  if (state.range(0) == 2) {
    store.List();
    store.SaveIndex();
  }
  for (auto _ : state) {
    if (state.range(0) == 0) {
      std::size_t bytes = 0;
      for (const HistoryEntry& entry : history.ListStrings()) {
        bytes += history.ReadString(entry.name).value_or("").size();
      }
      benchmark::DoNotOptimize(bytes);
    } else {
      if (state.range(0) == 1) {
        state.PauseTiming();
        history.WriteIndex("");
        state.ResumeTiming();
      }
      benchmark::DoNotOptimize(store.List());
    }
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ListOnDisk)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvik
