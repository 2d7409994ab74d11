// Any bytes as a string file and as the summary cache: nothing crashes, shot numbers are unique,
// every figure of the counted shots is finite, and what was read, written again by the
// program's own writers, reads back the same.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "history/history_index.h"
#include "history/kept_string.h"
#include "history/string_file.h"

namespace {

using tarvik::KeptShot;
using tarvik::KeptString;

bool Finite(const std::optional<double>& value) { return !value || std::isfinite(*value); }

bool FiniteSummary(const tarvik::StringSummary& summary) {
  return Finite(summary.average) && Finite(summary.extreme_spread) &&
         Finite(summary.standard_deviation);
}

// The string's records as the recorder and the store write them.
std::string Written(const KeptString& string) {
  const tarvik::LocalTime time{2026, 12, 7, 9, 30, 5, 123, 60};
  std::string bytes(tarvik::StringFileHeader());
  for (const KeptShot& shot : string.shots) {
    bytes += tarvik::ShotRecord(shot);
    if (shot.left_out)
      bytes += tarvik::ShotMarkRecord(tarvik::ShotMarkKind::kLeftOut, shot.number, time);
    if (shot.undone)
      bytes += tarvik::ShotMarkRecord(tarvik::ShotMarkKind::kUndone, shot.number, time);
  }
  return bytes + tarvik::NameRecord(string.name, time) + tarvik::NotesRecord(string.notes, time);
}

void CheckStringFile(std::string_view bytes) {
  const KeptString string = tarvik::ParseStringFile("fuzz", bytes);
  std::set<std::int32_t> numbers;
  for (const KeptShot& shot : string.shots) {
    FuzzCheck(shot.number >= 1 && numbers.insert(shot.number).second, "shot numbers unique");
  }
  FuzzCheck(FiniteSummary(tarvik::Summarize(string)), "figures finite");
  const KeptString again = tarvik::ParseStringFile("fuzz", Written(string));
  FuzzCheck(again.shots == string.shots, "shots read back the same");
  FuzzCheck(again.name == string.name && again.notes == string.notes, "texts read back the same");
}

void CheckIndex(std::string_view bytes) {
  const auto entries = tarvik::ParseIndex(bytes);
  for (const auto& entry : entries) FuzzCheck(FiniteSummary(entry.summary), "cache finite");
  FuzzCheck(tarvik::ParseIndex(tarvik::IndexText(entries)) == entries, "cache reads back");
}

}  // namespace

int FuzzStringFile(const std::uint8_t* data, std::size_t size) {
  // In a buffer of its exact size, so that the sanitizer sees any read past the bytes.
  const std::unique_ptr<char[]> copy(new char[size]);
  std::copy_n(reinterpret_cast<const char*>(data), size, copy.get());
  const std::string_view bytes(copy.get(), size);
  CheckStringFile(bytes);
  CheckIndex(bytes);
  return 0;
}
