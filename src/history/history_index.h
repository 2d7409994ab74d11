// The summary cache, "index.csv": one line per string file with the file's name, size and time
// of change and the string's summary, so that a list of the history reads one small file instead
// of every string. It is only a cache: a line that does not parse is passed over, and the files
// are read again wherever it does not match them. A string closed is added as a line at the
// end; of lines for the same file, the last counts.
#ifndef TARVIK_HISTORY_HISTORY_INDEX_H_
#define TARVIK_HISTORY_HISTORY_INDEX_H_

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "history/history_folder.h"
#include "history/kept_string.h"

namespace tarvik {

struct IndexEntry {
  HistoryEntry file;
  std::int32_t recorded = 0;  // shot records in the file, counted or not
  StringSummary summary;      // its id is the file's name without ".csv"
  friend bool operator==(const IndexEntry&, const IndexEntry&) = default;
};

// The entries of a cache's bytes; none when its first line is not this version's header.
std::vector<IndexEntry> ParseIndex(std::string_view bytes);
std::string IndexText(std::span<const IndexEntry> entries);
// The cache's first line, and one entry's line, both with their line ends.
std::string_view IndexHeader();
void AppendIndexLine(std::string& out, const IndexEntry& entry);

// A string file's name for its id, and the id in a file's name ("" when it is no string file).
std::string StringFileOf(std::string_view id);
std::string StringIdOf(std::string_view file);

}  // namespace tarvik

#endif  // TARVIK_HISTORY_HISTORY_INDEX_H_
