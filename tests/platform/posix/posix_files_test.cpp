// The shot log's files on the real file system: any name, no folders or pipes, a second writer.
#include "platform/posix/posix_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <utility>

#include "base/number_text.h"
#include "measure/shot_log.h"

namespace tarvik::posix {
namespace {

namespace fs = std::filesystem;

class PosixFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(folder_); }
  void TearDown() override { fs::remove_all(folder_); }

  const fs::path folder_ = ::testing::TempDir() + "tarvik-files-" + FormatInt(::getpid());
  PosixFiles files_;
};

TEST_F(PosixFilesTest, AppendsMakeAnyNamedFileOnlyFilesAreReadAndAReadOnlyFolderLosesTheLine) {
  const std::string log = (folder_ / "Shots of J\xc3\xb6rg \"ten metres\".log").string();
  AppendLogLine(files_, log, 800.9, 21.32, 15.0);
  AppendLogLine(files_, log, 810.0, 21.86, 15.0);
  EXPECT_EQ(fs::file_size(log), 40u);
  ShotSeries series;
  LoadLog(files_, log, series);
  EXPECT_EQ(series.count(), 2);
  EXPECT_TRUE(files_.Delete(log) && !files_.Delete(log));
  EXPECT_EQ(files_.OpenForReading(folder_.string()), nullptr);  // a folder is no log
  const std::string pipe = (folder_ / "pipe").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(files_.OpenForReading(pipe), nullptr);  // and a pipe holds nothing up
  EXPECT_FALSE(files_.Append(pipe, "x"));

  if (::geteuid() == 0) return;    // root writes into read-only folders
  ::chmod(folder_.c_str(), 0500);  // a folder that cannot be written loses the line quietly
  EXPECT_FALSE(files_.Append((folder_ / "Tarvik.log").string(), "800.90,21.32,15.00\r\n"));
  ::chmod(folder_.c_str(), 0700);
}

TEST_F(PosixFilesTest, LogReadWhileAnotherProgramAppendsGivesWholeShots) {
  const std::string log = (folder_ / "Tarvik.log").string();
  const pid_t writer = ::fork();
  ASSERT_GE(writer, 0);
  if (writer == 0) {
    for (int i = 0; i < 2000; ++i) AppendLogLine(files_, log, 800.9, 21.32, 15.0);
    std::_Exit(0);
  }
  for (std::int32_t last = 0; ::waitpid(writer, nullptr, WNOHANG) == 0;) {
    ShotSeries series;
    LoadLog(files_, log, series);
    for (const double velocity : series.velocities()) ASSERT_EQ(velocity, 800.9);
    ASSERT_GE(series.count(), std::exchange(last, series.count()));
  }
  ShotSeries all;
  LoadLog(files_, log, all);
  EXPECT_EQ(all.count(), 2000);
}

}  // namespace
}  // namespace tarvik::posix
