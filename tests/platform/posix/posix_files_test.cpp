// The shot log's file layer on the real file system: appends that create the file, names of any
// kind, a log read while another program appends to it, and places that cannot be written.
#include "platform/posix/posix_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "base/number_text.h"
#include "measure/shot_log.h"

namespace tarvik::posix {
namespace {

namespace fs = std::filesystem;

class PosixFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(::testing::TempDir()) / ("tarvik-files-" + FormatInt(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    ::chmod(folder_.c_str(), 0700);
    fs::remove_all(folder_);
  }
  std::int32_t Loaded(const std::string& path) {
    ShotSeries series;
    LoadLog(files_, path, series);
    return series.count();
  }

  fs::path folder_;
  PosixFiles files_;
};

TEST_F(PosixFilesTest, AppendsMakeTheFileWhateverItsNameAndOnlyFilesAreRead) {
  const std::string log = (folder_ / "Shots of J\xc3\xb6rg \"ten metres\".log").string();
  AppendLogLine(files_, log, 800.9, 21.32, 15.0);
  AppendLogLine(files_, log, 810.0, 21.86, 15.0);
  EXPECT_EQ(fs::file_size(log), 40u);
  EXPECT_EQ(Loaded(log), 2);
  EXPECT_TRUE(files_.Delete(log));
  EXPECT_FALSE(files_.Delete(log));
  EXPECT_EQ(files_.OpenForReading(folder_.string()), nullptr);  // a folder is no log
  const std::string pipe = (folder_ / "pipe").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(files_.OpenForReading(pipe), nullptr);  // and a pipe holds nothing up
  EXPECT_FALSE(files_.Append(pipe, "x"));
}

TEST_F(PosixFilesTest, LogReadWhileAnotherProgramAppendsGivesWholeShots) {
  const std::string log = (folder_ / "Tarvik.log").string();
  constexpr int kLines = 2000;
  const pid_t writer = ::fork();
  ASSERT_GE(writer, 0);
  if (writer == 0) {
    PosixFiles files;
    for (int i = 0; i < kLines; ++i) AppendLogLine(files, log, 800.9, 21.32, 15.0);
    std::_Exit(0);
  }
  int status = 0;
  std::int32_t last = 0;
  while (::waitpid(writer, &status, WNOHANG) == 0) {
    ShotSeries series;
    LoadLog(files_, log, series);
    for (const double velocity : series.velocities()) ASSERT_EQ(velocity, 800.9);
    ASSERT_GE(series.count(), last);
    last = series.count();
  }
  EXPECT_EQ(Loaded(log), kLines);
}

TEST_F(PosixFilesTest, FolderThatCannotBeWrittenLosesTheLineQuietly) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  ::chmod(folder_.c_str(), 0500);
  EXPECT_FALSE(files_.Append((folder_ / "Tarvik.log").string(), "800.90,21.32,15.00\r\n"));
}

}  // namespace
}  // namespace tarvik::posix
