// A string's file: comma-separated values a spreadsheet opens, one record a line, appended as the
// string goes on and never rewritten. Its first line names the columns; then each line is a shot,
// a mark on an earlier shot (left out, taken in, undone) or the string's name or notes, the later
// one counting. Reading takes every line that makes sense and passes over the rest: a line torn
// by a crash (without its line end, or short of fields), a hand-edited one that no longer parses,
// garbage. Exactly what a line must hold is told beside the reader.
#ifndef TARVIK_HISTORY_STRING_FILE_H_
#define TARVIK_HISTORY_STRING_FILE_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "history/kept_string.h"

namespace tarvik {

enum class ShotMarkKind { kLeftOut, kTakenIn, kUndone };

// The first line of every string file, with its line end.
std::string_view StringFileHeader();
// A record's line, with its line end.
std::string ShotRecord(const KeptShot& shot);
std::string ShotMarkRecord(ShotMarkKind kind, std::int32_t number, const LocalTime& time);
std::string NameRecord(std::string_view name, const LocalTime& time);
std::string NotesRecord(std::string_view notes, const LocalTime& time);

// The string that a file's bytes hold, as far as they make sense; `id` is the file's name
// without ".csv".
KeptString ParseStringFile(std::string_view id, std::string_view bytes);

// The file name of a string started at `time`: "2026-12-07_093005.csv", or with "-2", "-3" ...
// before ".csv" for the `attempt`th try when that name was taken.
std::string StringFileName(const LocalTime& time, int attempt);

}  // namespace tarvik

#endif  // TARVIK_HISTORY_STRING_FILE_H_
