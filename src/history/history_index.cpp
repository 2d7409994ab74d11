#include "history/history_index.h"

#include <cstddef>
#include <optional>

#include "history/record_fields.h"

namespace tarvik {
namespace {

constexpr std::string_view kHeader =
    "file,size,modified,recorded,started,shots,average,extreme_spread,standard_deviation,name,"
    "notes\n";

enum Field : std::size_t {
  kFile,
  kSize,
  kModified,
  kRecorded,
  kStarted,
  kShots,
  kAverage,
  kSpread,
  kDeviation,
  kName,
  kNotes,
  kFieldCount
};

constexpr std::string_view kExtension = ".csv";

void AppendOptional(std::string& out, const std::optional<double>& value) {
  if (value) AppendNumber(out, *value);
}

bool ParseOptional(std::string_view field, std::optional<double>& value) {
  if (field.empty()) {
    value.reset();
    return true;
  }
  double read = 0.0;
  if (!ParseMeasure(field, read)) return false;
  value = read;
  return true;
}

bool ParseEntry(const CsvRecord& record, IndexEntry& entry) {
  const auto& f = record.fields;
  for (std::size_t i = kSize; i <= kDeviation; ++i) {
    if (record.quoted[i]) return false;
  }
  if (!record.quoted[kFile] || !record.quoted[kName] || !record.quoted[kNotes]) return false;
  entry.file.name = UnquoteField(f[kFile]);
  StringSummary& summary = entry.summary;
  summary.id = StringIdOf(entry.file.name);
  if (summary.id.empty() || !ParseInt64(f[kSize], entry.file.size) ||
      !ParseInt64(f[kModified], entry.file.modified) || !ParseInt32(f[kRecorded], entry.recorded) ||
      !ParseOptionalTime(f[kStarted], summary.started) || !ParseInt32(f[kShots], summary.shots) ||
      !ParseOptional(f[kAverage], summary.average) ||
      !ParseOptional(f[kSpread], summary.extreme_spread) ||
      !ParseOptional(f[kDeviation], summary.standard_deviation)) {
    return false;
  }
  summary.name = UnquoteField(f[kName]);
  summary.notes = UnquoteField(f[kNotes]);
  return true;
}

}  // namespace

std::vector<IndexEntry> ParseIndex(std::string_view bytes) {
  std::vector<IndexEntry> entries;
  if (!bytes.starts_with(kHeader)) return entries;
  CsvRecord record;
  std::size_t pos = kHeader.size();
  while (pos < bytes.size()) {
    const auto next = ReadCsvRecord(bytes, pos, kFieldCount, record);
    IndexEntry entry;
    if (next && ParseEntry(record, entry)) {
      entries.push_back(std::move(entry));
      pos = *next;
    } else {
      pos = NextLine(bytes, pos);
    }
  }
  return entries;
}

std::string IndexText(std::span<const IndexEntry> entries) {
  std::string text(kHeader);
  for (const IndexEntry& entry : entries) AppendIndexLine(text, entry);
  return text;
}

std::string_view IndexHeader() { return kHeader; }

void AppendIndexLine(std::string& out, const IndexEntry& entry) {
  const StringSummary& summary = entry.summary;
  AppendQuoted(out, entry.file.name);
  out += ',';
  AppendInt(out, entry.file.size);
  out += ',';
  AppendInt(out, entry.file.modified);
  out += ',';
  AppendInt(out, entry.recorded);
  out += ',';
  if (summary.started) AppendRecordTime(out, *summary.started);
  out += ',';
  AppendInt(out, summary.shots);
  out += ',';
  AppendOptional(out, summary.average);
  out += ',';
  AppendOptional(out, summary.extreme_spread);
  out += ',';
  AppendOptional(out, summary.standard_deviation);
  out += ',';
  AppendQuoted(out, summary.name);
  out += ',';
  AppendQuoted(out, summary.notes);
  out += '\n';
}

std::string StringFileOf(std::string_view id) { return std::string(id) + ".csv"; }

std::string StringIdOf(std::string_view file) {
  if (file.size() <= kExtension.size() || !file.ends_with(kExtension)) return {};
  return std::string(file.substr(0, file.size() - kExtension.size()));
}

}  // namespace tarvik
