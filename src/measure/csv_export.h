// Shots as a spreadsheet reads them: comma-separated values as RFC 4180 has them (fields with a
// comma, a quote or a line end in double quotes, quotes doubled, lines ended by CR LF), UTF-8,
// numbers with "." whatever the locale, times in ISO 8601 with their offset from UTC. Every
// quantity is given in both unit systems, so a file reads the same whatever the user's units.
#ifndef TARVIK_MEASURE_CSV_EXPORT_H_
#define TARVIK_MEASURE_CSV_EXPORT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "link/hardware_mark.h"

namespace tarvik {

// One shot of a string as it is exported.
struct ExportedShot {
  std::string_view string_id;  // the string's own identifier
  std::string_view name;
  std::int32_t shot = 1;              // its number in the string, from 1
  std::optional<LocalTime> time;      // none for a shot loaded from the log
  double velocity = 0.0;              // fps
  double energy = 0.0;                // ft.lbs
  double weight = 0.0;                // grains
  std::optional<std::int32_t> count;  // the instrument's, none for a loaded shot
  std::optional<HardwareMark> mark;
  bool left_out = false;
  std::string_view notes;
};

// The header line, with its CR LF.
std::string_view CsvHeader();
// The shot's line, with its CR LF.
std::string CsvLine(const ExportedShot& shot);
// The same at the end of `out`, for an export of many lines without a string for each.
void AppendCsvLine(std::string& out, const ExportedShot& shot);
// A field as RFC 4180 writes it: as it is, or quoted with its quotes doubled.
std::string CsvField(std::string_view text);
void AppendCsvField(std::string& out, std::string_view text);
// "2026-12-07T09:30:05+01:00"; "Z" for UTC.
std::string IsoTime(const LocalTime& time);
// With `milliseconds`, "2026-12-07T09:30:05.120+01:00".
void AppendIsoTime(std::string& out, const LocalTime& time, bool milliseconds = false);

}  // namespace tarvik

#endif  // TARVIK_MEASURE_CSV_EXPORT_H_
