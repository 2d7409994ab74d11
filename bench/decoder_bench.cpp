// Decoding received readings with every per-shot call outside the core stubbed.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "base/number_text.h"
#include "bench_doubles.h"
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

// Argument 0: every shot stays in the series, so each shot's refresh of the averages runs over
// a series that grows to 125,000 shots. Argument N: the series is reset every N shots, as a
// shooter's session would be, which leaves the decoder's own cost.
void BM_DecodeMegabyte(benchmark::State& state) {
  const std::int32_t reset_every = static_cast<std::int32_t>(state.range(0));
  const std::string stream = MegabyteOfReadings();
  AppSettings settings;
  NullView view;
  PendingShotHooks hooks;
  NullClock clock;
  SilentSoundPlayer sound;
  std::int64_t shots = 0;
  for (auto _ : state) {
    shots = 0;
    LastShot last_shot;
    ShotSeries series;
    ReceiveBuffer buffer;
    DecoderState decoder;
    ShotContext context{settings, last_shot, series, view, hooks, clock, sound};
    for (std::size_t offset = 0; offset < stream.size();) {
      offset += static_cast<std::size_t>(
          buffer.Append(std::string_view(stream).substr(offset, ReceiveBuffer::kSize)));
      DecodeReceived(buffer, decoder, context);
      if (reset_every > 0 && series.count() >= reset_every) {
        shots += series.count();
        series.ResetSeries();
      }
    }
    shots += series.count();
    benchmark::DoNotOptimize(last_shot.velocity);
  }
  state.counters["shots"] = static_cast<double>(shots);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(stream.size()));
}
BENCHMARK(BM_DecodeMegabyte)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvik
