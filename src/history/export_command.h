// "tarvik --export FILE": every kept string written to FILE as CSV, with no window and no port,
// for scripts. It only reads the strings (and may write the summary cache anew), so it runs while
// another Tarvik records: a shot being written meanwhile is in the file or not, never torn.
#ifndef TARVIK_HISTORY_EXPORT_COMMAND_H_
#define TARVIK_HISTORY_EXPORT_COMMAND_H_

#include <string>

#include "base/files.h"
#include "history/history_folder.h"

namespace tarvik {

struct ExportOutcome {
  int exit_code = 0;    // 0 when the file was written whole
  std::string message;  // why not, for standard error; empty on success
};

ExportOutcome ExportHistoryCommand(HistoryFolder& folder, Files& files, const std::string& path);

}  // namespace tarvik

#endif  // TARVIK_HISTORY_EXPORT_COMMAND_H_
