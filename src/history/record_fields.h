// The fields of the history's own CSV files (the string files and the summary cache): records
// split at commas and ended by LF (CR LF accepted), a field in double quotes holding commas,
// doubled quotes and line ends; numbers as std::to_chars writes them, "." whatever the locale;
// times in ISO 8601 with milliseconds and their offset from UTC.
#ifndef TARVIK_HISTORY_RECORD_FIELDS_H_
#define TARVIK_HISTORY_RECORD_FIELDS_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/clock.h"

namespace tarvik {

// A record's fields as they stand in the bytes: a quoted one without its outer quotes and with
// its inner quotes still doubled.
struct CsvRecord {
  static constexpr std::size_t kMaxFields = 12;
  std::array<std::string_view, kMaxFields> fields;
  std::array<bool, kMaxFields> quoted{};
};

// Reads the record that begins at `pos`, which must have exactly `count` fields and end with an
// LF: the position after it, or nothing when the record is malformed or has no LF.
std::optional<std::size_t> ReadCsvRecord(std::string_view bytes, std::size_t pos, std::size_t count,
                                         CsvRecord& record);
// The position after the next LF at or after `pos`, or the end.
std::size_t NextLine(std::string_view bytes, std::size_t pos);
// A quoted field's text, its doubled quotes made single.
std::string UnquoteField(std::string_view raw);
// The text in double quotes, its quotes doubled.
void AppendQuoted(std::string& out, std::string_view text);

void AppendInt(std::string& out, std::int64_t value);
// The shortest text that reads back as the same double.
void AppendNumber(std::string& out, double value);
// "2026-12-07T09:30:05.123+01:00"; "Z" for UTC.
void AppendRecordTime(std::string& out, const LocalTime& time);

// Whole fields only: no blanks, no sign but "-" where a value may be negative.
bool ParseInt32(std::string_view field, std::int32_t& value);
bool ParseInt64(std::string_view field, std::int64_t& value);
// A measured value: finite, 0 or more, below a billion, so that any figures of such values stay
// finite.
bool ParseMeasure(std::string_view field, double& value);
bool ParseRecordTime(std::string_view field, LocalTime& time);
// Empty for none, else a time that parses.
bool ParseOptionalTime(std::string_view field, std::optional<LocalTime>& time);

}  // namespace tarvik

#endif  // TARVIK_HISTORY_RECORD_FIELDS_H_
