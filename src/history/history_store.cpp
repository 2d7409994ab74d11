#include "history/history_store.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>

#include "base/parallel_for.h"
#include "history/history_index.h"
#include "history/string_file.h"
#include "measure/csv_export.h"

namespace tarvik {
namespace {

// What an export hands on at a time.
constexpr std::size_t kExportPiece = 64 * 1024;

// Days from 1970-01-01 of a date in the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t year_of_era = year - era * 400;
  const std::int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

// The moment in milliseconds since 1970 UTC, so that strings started either side of a change of
// the clock's offset are ordered as they happened.
std::int64_t UtcMs(const LocalTime& time) {
  const std::int64_t minutes = DaysFromCivil(time.year, time.month, time.day) * 1440 +
                               time.hour * 60 + time.minute - time.utc_offset_minutes;
  return (minutes * 60 + time.second) * 1000 + time.millisecond;
}

std::int32_t RecordedShots(const KeptString& string) {
  return static_cast<std::int32_t>(string.shots.size());
}

// The entry of a file read after it was listed as `file`. Bytes of another size than listed were
// written (or cut) in between, and may come back to the listed size within one tick of the file's
// clock: such an entry is never found to match again, and the next list reads the file anew.
IndexEntry EntryOf(HistoryEntry file, std::string_view bytes) {
  const KeptString string = ParseStringFile(StringIdOf(file.name), bytes);
  if (static_cast<std::int64_t>(bytes.size()) != file.size) file.size = -1;
  return {std::move(file), RecordedShots(string), Summarize(string)};
}

// The fewest strings worth a thread of their own: the few that changed since the last listing
// are read on the caller's thread, the thousands of a first listing on every core.
constexpr std::size_t kStringsPerThread = 256;

// Each string file's entry: the cache's where it matches the file, else read again. True in
// `changed` when the cache no longer says the same.
std::vector<IndexEntry> CurrentEntries(HistoryFolder& folder, bool& changed) {
  std::unordered_map<std::string, IndexEntry> cached;
  {
    std::vector<IndexEntry> lines = ParseIndex(folder.ReadIndex().value_or(""));
    for (IndexEntry& entry : lines) cached.insert_or_assign(entry.file.name, std::move(entry));
    // Lines added as strings closed are folded into one a file.
    if (cached.size() != lines.size()) changed = true;
  }
  // In the folder's order, the cache's entry where it still holds, else read below; an entry
  // left without a file name is none.
  const std::vector<HistoryEntry> files = folder.ListStrings();
  std::vector<IndexEntry> entries(files.size());
  std::vector<std::size_t> stale;
  std::size_t reused = 0;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (StringIdOf(files[i].name).empty()) continue;
    const auto found = cached.find(files[i].name);
    if (found != cached.end() && found->second.file == files[i]) {
      entries[i] = std::move(found->second);
      ++reused;
    } else {
      stale.push_back(i);
    }
  }
  if (reused != cached.size() || !stale.empty()) changed = true;
  // A file that cannot be read stays out of the list (and so out of the cache) until it can.
  ParallelFor(stale.size(), kStringsPerThread, [&](std::size_t n) {
    const HistoryEntry& file = files[stale[n]];
    const auto bytes = folder.ReadString(file.name);
    if (bytes) entries[stale[n]] = EntryOf(file, *bytes);
  });
  std::erase_if(entries, [](const IndexEntry& entry) { return entry.file.name.empty(); });
  return entries;
}

// A record appended after a torn one would be glued to it and lost with it: the file is cut back
// to after its last line end first.
std::optional<PlatformError> AppendRecord(HistoryFolder& folder, std::string_view id,
                                          std::string_view record) {
  const std::string file_name = StringFileOf(id);
  PlatformError error;
  const std::unique_ptr<HistoryFile> file = folder.OpenString(file_name, error);
  if (!file) return error;
  const auto bytes = folder.ReadString(file_name);
  if (!bytes) return PlatformError{};
  std::int64_t whole = static_cast<std::int64_t>(bytes->size());
  if (!bytes->empty() && bytes->back() != '\n') {
    const std::size_t last_lf = bytes->rfind('\n');
    whole = last_lf == std::string::npos ? 0 : static_cast<std::int64_t>(last_lf + 1);
    if (auto cut = file->Truncate(whole)) return cut;
  }
  std::optional<PlatformError> failed = file->AppendDurably(record);
  // A part that a failed write put down is cut off again, so the next record starts a line.
  if (failed) file->Truncate(whole);
  return failed;
}

}  // namespace

bool ListedBefore(const StringSummary& a, const StringSummary& b) {
  const std::int64_t a_ms = a.started ? UtcMs(*a.started) : INT64_MIN;
  const std::int64_t b_ms = b.started ? UtcMs(*b.started) : INT64_MIN;
  if (a_ms != b_ms) return a_ms > b_ms;
  return a.id > b.id;
}

std::vector<StringSummary> HistoryStore::List() {
  bool changed = false;
  const std::vector<IndexEntry> entries = CurrentEntries(folder_, changed);
  if (changed) unsaved_index_ = IndexText(entries);
  std::vector<StringSummary> list;
  list.reserve(entries.size());
  for (const IndexEntry& entry : entries) {
    // A file whose first shot was cut off by a crash holds no string.
    if (entry.recorded > 0) list.push_back(entry.summary);
  }
  std::sort(list.begin(), list.end(), ListedBefore);
  return list;
}

// A failed write leaves the old cache, which the next list finds stale again.
void HistoryStore::SaveIndex() {
  if (unsaved_index_) folder_.WriteIndex(*std::exchange(unsaved_index_, std::nullopt));
}

// The file's entry is taken before it is read: should the file change in between, the entry no
// longer matches it, and the next list reads it again.
void HistoryStore::Remember(std::string_view id) {
  const std::string file_name = StringFileOf(id);
  const std::optional<HistoryEntry> file = folder_.StatString(file_name);
  if (!file) return;
  const auto bytes = folder_.ReadString(file_name);
  if (!bytes) return;
  const IndexEntry entry = EntryOf(*file, *bytes);
  if (entry.file.size < 0) return;
  // The line starts on a line of its own, so that one torn by a crash never takes it along.
  std::string line = "\n";
  AppendIndexLine(line, entry);
  folder_.AppendIndex(IndexHeader(), line);
}

std::optional<StringSummary> HistoryStore::Summary(std::string_view id) {
  const std::optional<KeptString> string = Load(id);
  if (!string || RecordedShots(*string) == 0) return std::nullopt;
  return Summarize(*string);
}

std::optional<KeptString> HistoryStore::Load(std::string_view id) {
  const auto bytes = folder_.ReadString(StringFileOf(id));
  if (!bytes) return std::nullopt;
  return ParseStringFile(id, *bytes);
}

std::optional<PlatformError> HistoryStore::SetName(std::string_view id, std::string_view name,
                                                   const LocalTime& time) {
  return RememberIfWritten(id, AppendRecord(folder_, id, NameRecord(name, time)));
}

std::optional<PlatformError> HistoryStore::SetNotes(std::string_view id, std::string_view notes,
                                                    const LocalTime& time) {
  return RememberIfWritten(id, AppendRecord(folder_, id, NotesRecord(notes, time)));
}

std::optional<PlatformError> HistoryStore::RememberIfWritten(std::string_view id,
                                                             std::optional<PlatformError> failure) {
  if (!failure) Remember(id);
  return failure;
}

std::optional<PlatformError> HistoryStore::Delete(std::string_view id) {
  const std::string file_name = StringFileOf(id);
  if (auto error = folder_.MoveStringAside(file_name)) return error;
  std::vector<IndexEntry> entries = ParseIndex(folder_.ReadIndex().value_or(""));
  const auto gone = std::remove_if(entries.begin(), entries.end(), [&](const IndexEntry& entry) {
    return entry.file.name == file_name;
  });
  if (gone != entries.end()) {
    entries.erase(gone, entries.end());
    folder_.WriteIndex(IndexText(entries));
  }
  return std::nullopt;
}

bool HistoryStore::ExportCsv(std::span<const std::string> ids,
                             const std::function<bool(std::string_view)>& write) {
  std::string piece(CsvHeader());
  piece.reserve(kExportPiece + 1024);
  for (const std::string& id : ids) {
    const std::optional<KeptString> string = Load(id);
    if (!string) return false;
    ExportedShot exported;
    exported.string_id = string->id;
    exported.name = string->name;
    exported.notes = string->notes;
    for (const KeptShot& shot : string->shots) {
      exported.shot = shot.number;
      exported.time = shot.time;
      exported.velocity = shot.velocity;
      exported.energy = shot.energy;
      exported.weight = shot.weight;
      exported.count = shot.count;
      exported.mark = shot.mark;
      exported.left_out = !shot.counted();
      AppendCsvLine(piece, exported);
      if (piece.size() >= kExportPiece) {
        if (!write(piece)) return false;
        piece.clear();
      }
    }
  }
  return write(piece);
}

bool HistoryStore::ExportAllCsv(const std::function<bool(std::string_view)>& write) {
  const std::vector<StringSummary> list = List();
  std::vector<std::string> ids;
  ids.reserve(list.size());
  for (auto it = list.rbegin(); it != list.rend(); ++it) ids.push_back(it->id);
  return ExportCsv(ids, write);
}

}  // namespace tarvik
