// The history at its largest: 10,000 strings of 100 shots. Listing it with and without the
// summary cache, exporting it all, and reading string files, per byte. Each benchmark works on a
// HistoryFolder, here the memory one (the disk's own cost is not in these figures).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "doubles/memory_history_folder.h"
#include "history/history_store.h"
#include "history/string_file.h"
#include "history_fill.h"

namespace tarvik {
namespace {

constexpr int kStrings = 10'000;
constexpr int kShotsEach = 100;

void ListHistory(benchmark::State& state, HistoryFolder& folder, bool warm) {
  HistoryStore store(folder);
  store.List();
  store.SaveIndex();
  for (auto _ : state) {
    if (!warm) folder.WriteIndex("");
    const auto list = store.List();
    if (list.size() != kStrings) state.SkipWithError("the history did not list whole");
  }
}

void BM_ListCold(benchmark::State& state) {
  testing::MemoryHistoryFolder folder;
  FillHistory(folder, kStrings, kShotsEach);
  ListHistory(state, folder, false);
}
BENCHMARK(BM_ListCold)->Unit(benchmark::kMillisecond);

void BM_ListWarm(benchmark::State& state) {
  testing::MemoryHistoryFolder folder;
  FillHistory(folder, kStrings, kShotsEach);
  ListHistory(state, folder, true);
}
BENCHMARK(BM_ListWarm)->Unit(benchmark::kMillisecond);

void BM_ExportAll(benchmark::State& state) {
  testing::MemoryHistoryFolder folder;
  FillHistory(folder, kStrings, kShotsEach);
  HistoryStore store(folder);
  store.List();
  store.SaveIndex();
  std::int64_t bytes = 0;
  for (auto _ : state) {
    const bool whole = store.ExportAllCsv([&](std::string_view piece) {
      bytes += static_cast<std::int64_t>(piece.size());
      return true;
    });
    if (!whole) state.SkipWithError("the export stopped");
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ExportAll)->Unit(benchmark::kMillisecond);

// One file of a million shot lines.
void BM_ParseMillionShotFile(benchmark::State& state) {
  const std::string bytes = BenchStringRecords(0, 1'000'000, BenchStringStart(0));
  for (auto _ : state) {
    const KeptString string = ParseStringFile("bench", bytes);
    if (string.shots.size() != 1'000'000) state.SkipWithError("shots were lost");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseMillionShotFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvik
