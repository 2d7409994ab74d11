#include "history/string_file.h"

#include <cstddef>
#include <unordered_map>

#include "history/record_fields.h"

namespace tarvik {
namespace {

// A record's fields, in the order of the header.
enum Field : std::size_t {
  kRecord,
  kShot,
  kTime,
  kVelocity,
  kEnergy,
  kWeight,
  kCalibration,
  kCount,
  kMark,
  kOrigin,
  kText,
  kFieldCount
};

std::string MarkRecordLine(std::string_view kind, std::int32_t number, const LocalTime& time) {
  std::string line(kind);
  line += ',';
  AppendInt(line, number);
  line += ',';
  AppendRecordTime(line, time);
  line += ",,,,,,,,\n";
  return line;
}

std::string TextRecordLine(std::string_view kind, std::string_view text, const LocalTime& time) {
  std::string line(kind);
  line += ",,";
  AppendRecordTime(line, time);
  line += ",,,,,,,,";
  AppendQuoted(line, text);
  line += '\n';
  return line;
}

bool ParseMark(std::string_view field, std::optional<HardwareMark>& mark) {
  if (field.empty()) {
    mark.reset();
    return true;
  }
  for (const HardwareMark candidate :
       {HardwareMark::kMark12, HardwareMark::kMark3, HardwareMark::kMark4}) {
    if (field == MarkLabel(candidate)) {
      mark = candidate;
      return true;
    }
  }
  return false;
}

// The fields from `first` to `last` are all empty and none is quoted.
bool Empty(const CsvRecord& record, std::size_t first, std::size_t last) {
  for (std::size_t i = first; i <= last; ++i) {
    if (!record.fields[i].empty() || record.quoted[i]) return false;
  }
  return true;
}

bool Unquoted(const CsvRecord& record, std::size_t last) {
  for (std::size_t i = 0; i <= last; ++i) {
    if (record.quoted[i]) return false;
  }
  return true;
}

bool ParseShot(const CsvRecord& record, KeptShot& shot) {
  const auto& f = record.fields;
  if (!Unquoted(record, kText) || !f[kText].empty()) return false;
  std::int32_t count = 0;
  if (!ParseInt32(f[kShot], shot.number) || shot.number < 1 ||
      !ParseOptionalTime(f[kTime], shot.time) || !ParseMeasure(f[kVelocity], shot.velocity) ||
      !ParseMeasure(f[kEnergy], shot.energy) || !ParseMeasure(f[kWeight], shot.weight) ||
      !ParseInt32(f[kCalibration], shot.calibration) || !ParseMark(f[kMark], shot.mark)) {
    return false;
  }
  if (!f[kCount].empty()) {
    if (!ParseInt32(f[kCount], count) || count < 0) return false;
    shot.count = count;
  }
  if (f[kOrigin] != "decoded" && f[kOrigin] != "loaded") return false;
  shot.loaded = f[kOrigin] == "loaded";
  return true;
}

// The string as its records make it: shots by number (numbers are 1, 2, 3... in a file the
// program wrote, so they index the shots directly until a file proves otherwise).
class StringBuilder {
 public:
  explicit StringBuilder(std::string_view id) { string_.id = std::string(id); }

  // False when the record does not count.
  bool Take(const CsvRecord& record) {
    const std::string_view kind = record.fields[kRecord];
    if (kind == "shot") return TakeShot(record);
    if (kind == "out" || kind == "in" || kind == "undo") return TakeMark(record, kind);
    if (kind == "name") return TakeText(record, string_.name);
    if (kind == "notes") return TakeText(record, string_.notes);
    return false;
  }
  KeptString Finish() { return std::move(string_); }

 private:
  bool TakeShot(const CsvRecord& record) {
    KeptShot shot;
    if (!ParseShot(record, shot) || Find(shot.number) != nullptr) return false;
    const std::size_t size = string_.shots.size();
    if (dense_ && static_cast<std::size_t>(shot.number) != size + 1) {
      dense_ = false;
      for (std::size_t i = 0; i < size; ++i) by_number_[string_.shots[i].number] = i;
    }
    if (!dense_) by_number_[shot.number] = size;
    Started(shot.time);
    string_.shots.push_back(shot);
    return true;
  }

  bool TakeMark(const CsvRecord& record, std::string_view kind) {
    std::int32_t number = 0;
    std::optional<LocalTime> time;
    if (!Unquoted(record, kText) || !Empty(record, kVelocity, kText) ||
        !ParseInt32(record.fields[kShot], number) ||
        !ParseOptionalTime(record.fields[kTime], time)) {
      return false;
    }
    KeptShot* shot = Find(number);
    if (shot == nullptr) return false;
    if (kind == "undo") {
      shot->undone = true;
    } else {
      shot->left_out = kind == "out";
    }
    Started(time);
    return true;
  }

  bool TakeText(const CsvRecord& record, std::string& text) {
    std::optional<LocalTime> time;
    if (!Unquoted(record, kOrigin) || !Empty(record, kShot, kShot) ||
        !Empty(record, kVelocity, kOrigin) || !record.quoted[kText] ||
        !ParseOptionalTime(record.fields[kTime], time)) {
      return false;
    }
    text = UnquoteField(record.fields[kText]);
    Started(time);
    return true;
  }

  KeptShot* Find(std::int32_t number) {
    if (dense_) {
      if (number < 1 || static_cast<std::size_t>(number) > string_.shots.size()) return nullptr;
      return &string_.shots[static_cast<std::size_t>(number) - 1];
    }
    const auto found = by_number_.find(number);
    return found == by_number_.end() ? nullptr : &string_.shots[found->second];
  }

  void Started(const std::optional<LocalTime>& time) {
    if (!string_.started) string_.started = time;
  }

  KeptString string_;
  bool dense_ = true;
  std::unordered_map<std::int32_t, std::size_t> by_number_;  // once not dense
};

}  // namespace

std::string_view StringFileHeader() {
  return "record,shot,time,velocity_fps,energy_ftlbs,weight_gr,calibration,count,mark,origin,"
         "text\n";
}

std::string ShotRecord(const KeptShot& shot) {
  std::string line = "shot,";
  line.reserve(112);
  AppendInt(line, shot.number);
  line += ',';
  if (shot.time) AppendRecordTime(line, *shot.time);
  line += ',';
  AppendNumber(line, shot.velocity);
  line += ',';
  AppendNumber(line, shot.energy);
  line += ',';
  AppendNumber(line, shot.weight);
  line += ',';
  AppendInt(line, shot.calibration);
  line += ',';
  if (shot.count) AppendInt(line, *shot.count);
  line += ',';
  if (shot.mark) line += MarkLabel(*shot.mark);
  line += shot.loaded ? ",loaded,\n" : ",decoded,\n";
  return line;
}

std::string ShotMarkRecord(ShotMarkKind kind, std::int32_t number, const LocalTime& time) {
  switch (kind) {
    case ShotMarkKind::kLeftOut:
      return MarkRecordLine("out", number, time);
    case ShotMarkKind::kTakenIn:
      return MarkRecordLine("in", number, time);
    case ShotMarkKind::kUndone:
      break;
  }
  return MarkRecordLine("undo", number, time);
}

std::string NameRecord(std::string_view name, const LocalTime& time) {
  return TextRecordLine("name", name, time);
}

std::string NotesRecord(std::string_view notes, const LocalTime& time) {
  return TextRecordLine("notes", notes, time);
}

// A line counts when it is a whole record: it ends with LF (CR LF accepted), has exactly the
// header's 11 fields, and each field parses for its kind of record. A shot's number is new in
// the file, a mark names a shot already read, and only a name's or notes' text is quoted (and
// always). Anything else is passed over from its first line to that line's end, so that a torn
// or hand-edited record never takes the lines after it with it.
KeptString ParseStringFile(std::string_view id, std::string_view bytes) {
  StringBuilder builder(id);
  CsvRecord record;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const auto next = ReadCsvRecord(bytes, pos, kFieldCount, record);
    pos = next && builder.Take(record) ? *next : NextLine(bytes, pos);
  }
  return builder.Finish();
}

std::string StringFileName(const LocalTime& time, int attempt) {
  std::string name;
  AppendRecordTime(name, time);  // "2026-12-07T09:30:05.123..." cut to its date and seconds
  std::string file =
      name.substr(0, 10) + "_" + name.substr(11, 2) + name.substr(14, 2) + name.substr(17, 2);
  if (attempt > 1) {
    file += '-';
    AppendInt(file, attempt);
  }
  return file + ".csv";
}

}  // namespace tarvik
