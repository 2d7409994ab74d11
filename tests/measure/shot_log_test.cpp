#include "measure/shot_log.h"

#include <gtest/gtest.h>

#include <vector>

#include "doubles/memory_files.h"

namespace tarvik {
namespace {

using Velocities = std::vector<double>;

// The velocities a log gives, the same read in parts of every size from 1 byte to the whole text.
Velocities Load(const std::string& text) {
  testing::MemoryFiles files;
  files.files["Tarvik.log"] = text;
  std::vector<Velocities> loads;
  for (files.part_size = 1; files.part_size <= text.size() + 1; ++files.part_size) {
    ShotSeries series;
    LoadLog(files, "Tarvik.log", series);
    loads.emplace_back(series.velocities().begin(), series.velocities().end());
    EXPECT_EQ(loads.back(), loads.front()) << "read in parts of " << files.part_size;
  }
  return loads.front();
}

TEST(ShotLogTest, LinesHoldThreeFiguresWithTwoDecimalsAndAreTakenWhileTheyBeginWithADigit) {
  EXPECT_EQ(LogLine(800.9, 21.3206, 15.0), "800.90,21.32,15.00\r\n");
  EXPECT_EQ(LogLine(-1.0, 0.0, 0.06478782), "-1.00,0.00,0.06\r\n");
  EXPECT_FALSE(LogLine(800.9, 1e20, 15.0));  // 29 characters would be passed: no line
  EXPECT_EQ(Load("800.90,21.32,15.00\r\n810.00,21.86,15.00\r\n"), (Velocities{800.9, 810.0}));
  EXPECT_EQ(Load("800.90\r\n\r\n810.00\r\n"), Velocities{800.9});       // CR alone ends it
  EXPECT_EQ(Load("\n800.90\n\n\n810.00"), (Velocities{800.9, 810.0}));  // bare LF runs do not
  for (const char* text : {"", "\n\n"}) EXPECT_EQ(Load(text), Velocities{}) << text;
  // The first line is always taken, a header of words as 0; words further down end the load.
  EXPECT_EQ(Load("velocity,energy,weight\r\n800.90\r\n810\r\n"), (Velocities{0.0, 800.9, 810.0}));
  EXPECT_EQ(Load(" 800.9\r\n 810\r\n"), Velocities{800.9});
  EXPECT_EQ(Load("800.9\r\nnotes\r\n810\r\n"), Velocities{800.9});
  EXPECT_EQ(Load(std::string("800.9\r\n810\0 900\r\n", 17)), (Velocities{800.9, 810.0}));
}

TEST(ShotLogTest, LoadingAddsAfterTheShotsHeldAndOnlyALogThatCanBeReadIsLoadedOrViewed) {
  testing::MemoryFiles files;
  files.files["Tarvik.log"] = files.files["Locked.log"] = "800.90,21.32,15.00\r\n";
  files.locked.insert("Locked.log");  // held by another program
  ShotSeries series;
  series.AppendShot(700.0);
  LoadLog(files, "Tarvik.log", series);
  LoadLog(files, "Tarvik.log", series);
  EXPECT_EQ(Velocities(series.velocities().begin(), series.velocities().end()),
            (Velocities{700.0, 800.9, 800.9}));

  for (const char* log : {"Missing.log", "Locked.log"}) LoadLog(files, log, series);
  testing::RecordingViewer viewer;
  for (const char* log : {"Missing.log", "Locked.log", "Tarvik.log"}) ViewLog(files, viewer, log);
  EXPECT_EQ(viewer.shown, std::vector<std::string>{"Tarvik.log"});
  files.part_size = 4;
  files.fail_after = 2;  // a read fails after part of the log came
  LoadLog(files, "Tarvik.log", series);
  EXPECT_EQ(series.count(), 3);
}

}  // namespace
}  // namespace tarvik
