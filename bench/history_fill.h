// A history of many strings for the benchmarks: each string a file as the recorder writes it
// (its header, decoded shots with their times, counts and marks, a name on every third string
// and a shot left out on every fifth), written in one append per string.
#ifndef TARVIK_BENCH_HISTORY_FILL_H_
#define TARVIK_BENCH_HISTORY_FILL_H_

#include <memory>
#include <string>

#include "base/number_text.h"
#include "base/platform_error.h"
#include "history/history_folder.h"
#include "history/string_file.h"

namespace tarvik {

// The start of the `index`th string: one every seven minutes from 2026-01-01.
inline LocalTime BenchStringStart(int index) {
  const int minutes = index * 7;
  const int days = minutes / 1440;
  return {2026 + days / 336,
          1 + days / 28 % 12,
          1 + days % 28,
          minutes / 60 % 24,
          minutes % 60,
          index % 60,
          0,
          60};
}

// The records of a string of `shots` shots started at `start`.
inline std::string BenchStringRecords(int index, int shots, LocalTime start) {
  std::string bytes(StringFileHeader());
  for (int n = 1; n <= shots; ++n) {
    KeptShot shot;
    shot.number = n;
    start.second = n % 60;
    start.millisecond = (n * 37) % 1000;
    shot.time = start;
    shot.velocity = 790.0 + (n * 7919 % 2000) / 97.3;
    shot.energy = shot.velocity * shot.velocity * 8.44 / 450240.0;
    shot.weight = 8.44;
    shot.count = 1000 + n * 13 % 500;
    shot.mark = HardwareMark::kMark12;
    bytes += ShotRecord(shot);
  }
  if (index % 5 == 0 && shots > 1) bytes += ShotMarkRecord(ShotMarkKind::kLeftOut, 2, start);
  if (index % 3 == 0) bytes += NameRecord("JSB Exact 8.44, tin " + FormatInt(index), start);
  return bytes;
}

// Writes `strings` strings of `shots_each` shots into the folder; false when it refused one.
inline bool FillHistory(HistoryFolder& folder, int strings, int shots_each) {
  for (int i = 0; i < strings; ++i) {
    const LocalTime start = BenchStringStart(i);
    PlatformError error;
    const std::unique_ptr<HistoryFile> file = folder.CreateString(StringFileName(start, 1), error);
    if (!file || file->AppendDurably(BenchStringRecords(i, shots_each, start))) return false;
  }
  return true;
}

}  // namespace tarvik

#endif  // TARVIK_BENCH_HISTORY_FILL_H_
