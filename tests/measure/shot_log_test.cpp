#include "measure/shot_log.h"

#include <gtest/gtest.h>

#include <vector>

#include "doubles/memory_files.h"

namespace tarvik {
namespace {

using Velocities = std::vector<double>;

TEST(LogLineTest, ThreeFiguresWithTwoDecimalsAndNoLineForAbsurdValues) {
  EXPECT_EQ(LogLine(800.9, 21.3206, 15.0), "800.90,21.32,15.00\r\n");
  EXPECT_EQ(LogLine(-1.0, 0.0, 0.06478782), "-1.00,0.00,0.06\r\n");
  EXPECT_FALSE(LogLine(800.9, 1e20, 15.0));  // 29 characters would be passed
}

// The velocities a log gives, read in parts of every size from 1 byte to the whole text.
Velocities Load(const std::string& text) {
  Velocities first;
  for (std::size_t part = 1; part <= text.size() + 1; ++part) {
    testing::MemoryFiles files;
    files.files["Tarvik.log"] = text;
    files.part_size = part;
    ShotSeries series;
    LoadLog(files, "Tarvik.log", series);
    const Velocities loaded(series.velocities().begin(), series.velocities().end());
    if (part == 1) first = loaded;
    EXPECT_EQ(loaded, first) << "read in parts of " << part;
  }
  return first;
}

TEST(LoadLogTest, LinesAreTakenWhileTheyBeginWithADigit) {
  EXPECT_EQ(Load("800.90,21.32,15.00\r\n810.00,21.86,15.00\r\n"), (Velocities{800.9, 810.0}));
  EXPECT_EQ(Load("800.90\r\n\r\n810.00\r\n"), Velocities{800.9});       // CR alone ends it
  EXPECT_EQ(Load("\n800.90\n\n\n810.00"), (Velocities{800.9, 810.0}));  // bare LF runs do not
  EXPECT_EQ(Load(""), Velocities{});
  EXPECT_EQ(Load("\n\n"), Velocities{});
  // The first line is always taken, a header of words as 0; words further down end the load.
  EXPECT_EQ(Load("velocity,energy,weight\r\n800.90\r\n810\r\n"), (Velocities{0.0, 800.9, 810.0}));
  EXPECT_EQ(Load(" 800.9\r\n 810\r\n"), Velocities{800.9});
  EXPECT_EQ(Load("800.9\r\nnotes\r\n810\r\n"), Velocities{800.9});
  EXPECT_EQ(Load(std::string("800.9\r\n810\0 900\r\n", 17)), (Velocities{800.9, 810.0}));
}

TEST(LoadLogTest, LoadingAddsAfterTheShotsHeldOrNothingWhenTheLogCannotBeRead) {
  testing::MemoryFiles files;
  files.files["Tarvik.log"] = "800.90,21.32,15.00\r\n";
  ShotSeries series;
  series.AppendShot(700.0);
  LoadLog(files, "Tarvik.log", series);
  LoadLog(files, "Tarvik.log", series);
  EXPECT_EQ(Velocities(series.velocities().begin(), series.velocities().end()),
            (Velocities{700.0, 800.9, 800.9}));

  LoadLog(files, "Missing.log", series);
  files.locked.insert("Tarvik.log");
  LoadLog(files, "Tarvik.log", series);
  files.locked.clear();
  files.part_size = 4;
  files.fail_after = 2;  // a read fails after part of the log came
  LoadLog(files, "Tarvik.log", series);
  EXPECT_EQ(series.count(), 3);
}

TEST(ViewLogTest, TheEditorOpensOnlyALogThatCanBeRead) {
  testing::MemoryFiles files;
  testing::RecordingViewer viewer;
  ViewLog(files, viewer, "My Shots.log");
  files.files["My Shots.log"] = "";
  ViewLog(files, viewer, "My Shots.log");
  EXPECT_EQ(viewer.shown, std::vector<std::string>{"My Shots.log"});
}

}  // namespace
}  // namespace tarvik
