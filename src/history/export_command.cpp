#include "history/export_command.h"

#include <optional>

#include "history/history_store.h"

namespace tarvik {

ExportOutcome ExportHistoryCommand(HistoryFolder& folder, Files& files, const std::string& path) {
  if (path.empty()) return {2, "tarvik: --export needs the name of the file to write"};
  HistoryStore store(folder);
  bool write_failed = false;
  bool read_failed = false;
  const std::optional<PlatformError> error =
      files.WriteStreamed(path, [&](const Files::PieceWriter& write) {
        read_failed = !store.ExportAllCsv([&](std::string_view piece) {
          write_failed = write_failed || !write(piece);
          return !write_failed;
        });
        read_failed = read_failed && !write_failed;
        return !read_failed && !write_failed;
      });
  // The cache a listing found stale is written once the export is done, so that the next
  // export reads each string once.
  store.SaveIndex();
  if (!error) return {};
  return {1,
          "tarvik: the history could not be exported to " + path + ": " +
              (read_failed ? "a string in " + folder.Path() + " could not be read" : error->text)};
}

}  // namespace tarvik
