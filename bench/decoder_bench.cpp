// Received readings through the decoder alone, and through the whole road of a shot: decoding,
// the main window's fields and averages, with the world outside the core stubbed.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "base/number_text.h"
#include "base/sound.h"
#include "bench_doubles.h"
#include "dialogs/main_window.h"
#include "link/shot_decoder.h"

namespace tarvik {
namespace {

// About 1 MB of readings as the instrument sends them: six digits, carriage return, line feed.
std::string MegabyteOfReadings() {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> count(900, 1400);
  std::string stream;
  while (stream.size() < 1'000'000) {
    std::string digits = FormatInt(count(random));
    stream += std::string(6 - digits.size(), '0') + digits + "\r\n";
  }
  return stream;
}

void BM_DecodeMegabyte(benchmark::State& state) {
  const std::string stream = MegabyteOfReadings();
  std::size_t readings = 0;
  for (auto _ : state) {
    ShotDecoder decoder;
    ReceiveBuffer buffer;
    readings = 0;
    for (std::size_t offset = 0; offset < stream.size();) {
      offset += static_cast<std::size_t>(
          buffer.Append(std::string_view(stream).substr(offset, ReceiveBuffer::kSize)));
      readings += decoder.DecodeReceived(buffer).size();
    }
  }
  state.counters["readings"] = static_cast<double>(readings);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(stream.size()));
}
BENCHMARK(BM_DecodeMegabyte)->Unit(benchmark::kMillisecond);

// Argument 0: every shot stays in the series, so each shot's refresh of the averages runs over
// a series that grows to 125,000 shots. Argument N: the series is reset every N shots, as a
// shooter's session would be, which leaves the cost of a shot's own steps. The second argument
// opens the statistics window, which recomputes over the whole series after every shot too.
void BM_ShotRoadMegabyte(benchmark::State& state) {
  const std::int32_t reset_every = static_cast<std::int32_t>(state.range(0));
  const bool statistics_open = state.range(1) != 0;
  const std::string stream = MegabyteOfReadings();
  StreamPlatform platform(stream);
  NullSurface surface;
  SettingsStore store(nullptr);  // a store that could not be opened
  NullClock clock;
  SilentSoundPlayer sound;
  NullMessageBox message_box;
  NullFiles files;
  NullViewer viewer;
  NullWindows windows;
  NullFileDialogs file_dialogs;
  NullHelp help;
  DiscardingHistoryFolder history;
  std::int64_t shots = 0;
  for (auto _ : state) {
    AppState app(platform);
    MainWindow window(
        surface, app,
        {store, clock, sound, message_box, files, viewer, windows, file_dialogs, help, history});
    window.Initialize();
    if (statistics_open) {
      window.Command(static_cast<int>(MainWindowId::kAdvancedStatistics), Notification::kMenu);
    }
    platform.Rewind();
    shots = 0;
    while (!platform.AtEnd()) {
      window.Tick(MainWindow::kTimerId);
      if (reset_every > 0 && app.series.count() >= reset_every) {
        shots += app.series.count();
        window.Command(static_cast<int>(MainWindowId::kReset), Notification::kMenu);
      }
    }
    shots += app.series.count();
    benchmark::DoNotOptimize(app.last_shot.velocity);
  }
  state.counters["shots"] = static_cast<double>(shots);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(stream.size()));
}
BENCHMARK(BM_ShotRoadMegabyte)
    ->Args({0, 0})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvik
