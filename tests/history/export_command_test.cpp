// The command line's export: the whole history into a file, or a message and a failing status.
#include "history/export_command.h"

#include <gtest/gtest.h>

#include <string>

#include "doubles/memory_files.h"
#include "doubles/memory_history_folder.h"
#include "history/string_file.h"
#include "measure/csv_export.h"

namespace tarvik::testing {
namespace {

TEST(ExportCommandTest, WritesEveryStringOrSaysWhyAndLeavesTheOldFile) {
  MemoryHistoryFolder folder;
  MemoryFiles files;
  KeptShot shot;
  shot.velocity = 800.0;
  folder.strings["2026-12-07_093000.csv"].bytes =
      std::string(StringFileHeader()) + ShotRecord(shot);
  ExportOutcome outcome = ExportHistoryCommand(folder, files, "all.csv");
  EXPECT_EQ(outcome.exit_code, 0) << outcome.message;
  EXPECT_TRUE(files.files["all.csv"].starts_with(CsvHeader()));
  EXPECT_NE(files.files["all.csv"].find("2026-12-07_093000,,1,"), std::string::npos);
  const int reads = folder.reads;
  ExportHistoryCommand(folder, files, "again.csv");
  EXPECT_EQ(folder.reads, reads + 1) << "the first export left the cache for the next";

  files.files["locked.csv"] = "an older export";
  files.locked.insert("locked.csv");
  outcome = ExportHistoryCommand(folder, files, "locked.csv");
  EXPECT_EQ(outcome.exit_code, 1);
  EXPECT_NE(outcome.message.find("Permission denied"), std::string::npos);
  EXPECT_EQ(files.files["locked.csv"], "an older export");

  EXPECT_EQ(ExportHistoryCommand(folder, files, "").exit_code, 2);
}

}  // namespace
}  // namespace tarvik::testing
