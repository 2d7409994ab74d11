// The log shown by the desktop's program for text files, through xdg-open: the user hears why
// when there is none.
#include "ui/qt_text_viewer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>
#include <QUrl>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "doubles/recording_debug_log.h"

namespace tarvik::ui {
namespace {

namespace fs = std::filesystem;

class QtTextViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(bin_);
    std::ofstream(log_) << "633.71,13.35,15.00\r\n";
    if (const char* path = std::getenv("PATH")) path_ = path;
    ::setenv("PATH", bin_.c_str(), 1);
  }
  void TearDown() override {
    ::setenv("PATH", path_.c_str(), 1);
    fs::remove_all(folder_);
  }
  // An xdg-open that notes the file it was given and ends with `exit_code`.
  void Opener(int exit_code) {
    const fs::path script = bin_ / "xdg-open";
    std::ofstream(script) << "#!/bin/sh\necho \"$1\" > '" << (folder_ / "opened").string()
                          << "'\nexit " << exit_code << "\n";
    fs::permissions(script, fs::perms::owner_all);
  }
  const fs::path folder_ = fs::path(::testing::TempDir()) / "tarvik-viewer-test";
  const fs::path bin_ = folder_ / "bin";
  const fs::path log_ = folder_ / "Tarvik log.txt";
  std::string path_;
  testing::RecordingDebugLog debug_log_;
  QtTextViewer viewer_{debug_log_};
};

// A file shown is handed to xdg-open as a file URL; an xdg-open that finds no program says so by
// its exit code, and the user and the debug log hear it. The failing run comes second, so that a
// failure wrongly told for the first would be heard before it.
TEST_F(QtTextViewerTest, TheDesktopsProgramIsAskedAndItsFailureIsTold) {
  std::vector<std::string> reasons;
  const auto note = [&](const std::string& why) { reasons.push_back(why); };
  Opener(0);
  viewer_.ShowTextFile(log_.string(), note);
  ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(folder_ / "opened"); }, 5000));
  std::string opened;
  std::getline(std::ifstream(folder_ / "opened"), opened);
  EXPECT_EQ(QUrl(QString::fromStdString(opened)).toLocalFile().toStdString(), log_.string());

  Opener(3);
  viewer_.ShowTextFile(log_.string(), note);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !reasons.empty(); }, 5000));
  EXPECT_EQ(reasons,
            std::vector<std::string>{"xdg-open: no program to open text files was found."});
  EXPECT_EQ(debug_log_.lines,
            std::vector<std::string>{"tarvik: show " + log_.string() +
                                     ": xdg-open: no program to open text files was "
                                     "found."});
}

}  // namespace
}  // namespace tarvik::ui
