// What a shot costs the settings file: the "FPS" and "PDS" writes, one complete new file flushed
// to the disk and renamed over the old one.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "base/number_text.h"
#include "platform/posix/posix_settings_file.h"
#include "settings/settings_store.h"

namespace tarvik {
namespace {

void BM_StoreShotPairInSettingsFile(benchmark::State& state) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("tarvik-bench-" + FormatInt(::getpid()));
  std::filesystem::remove_all(folder);
  SettingsStore store(std::make_unique<posix::SettingsFile>((folder / "Tarvik.reg").string()));
  // A file of normal size: every setting, the last shot and both windows' placements.
  for (const std::string_view name :
       {"Port Name", "Weight", "Calibrate", "Logging", "Log File", "LAW", "Sound", "Metric",
        "Sound Legal", "Sound FAC", "FPS", "PDS"}) {
    store.WriteSettingText(name, "some value");
  }
  for (const std::string_view name :
       {"Big x", "Big y", "Big w", "Big h", "Graph x", "Graph y", "Graph w", "Graph h"}) {
    store.WriteSettingDword(name, 200);
  }
  for (auto _ : state) {
    SettingsBatch shot(store);  // as a shot writes them
    store.WriteSettingText("FPS", " 633.71");
    store.WriteSettingText("PDS", "  13.35");
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StoreShotPairInSettingsFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvik
