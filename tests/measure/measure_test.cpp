#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_text.h"
#include "doubles/memory_files.h"
#include "measure/averages.h"
#include "measure/shot.h"
#include "measure/shot_log.h"
#include "measure/shot_series.h"
#include "measure/units.h"

namespace tarvik {
namespace {

TEST(MakeShotTest, DigitCountTellsTheMarkAndItsConstant) {
  const auto expect = [](std::initializer_list<int> digit_counts, HardwareMark mark, double k) {
    for (const int digits : digit_counts) {
      const Shot shot = MakeShot({999, digits}, 0, 15.0);
      EXPECT_EQ(shot.mark, mark) << digits << " digits";
      EXPECT_DOUBLE_EQ(shot.velocity, k / 999.0) << digits << " digits";
    }
  };
  expect({1, 3, 7, 154}, HardwareMark::kMark4, 795300.0);
  expect({4, 5}, HardwareMark::kMark12, 792133.0);
  expect({6}, HardwareMark::kMark3, 789800.0);
  EXPECT_STREQ(MarkLabel(HardwareMark::kMark12), "1/2");
}

TEST(MakeShotTest, CalibrationIsSubtractedSeventyEightFoldAndNeverOverflows) {
  EXPECT_DOUBLE_EQ(MakeShot({1000, 4}, -50, 15.0).velocity, (792133.0 + 3900.0) / 1000.0);
  EXPECT_DOUBLE_EQ(MakeShot({1, 1}, std::numeric_limits<std::int32_t>::min(), 15.0).velocity,
                   795300.0 + 2147483648.0 * 78.0);
  EXPECT_DOUBLE_EQ(MakeShot({1, 1}, std::numeric_limits<std::int32_t>::max(), 15.0).velocity,
                   795300.0 - 2147483647.0 * 78.0);
}

TEST(ShotEnergyTest, FlooredEnergyUsesWholeFps) {
  EXPECT_EQ(FormatMeasurement(FlooredShotEnergy(800.9, 15.0)), "  21.32");
  EXPECT_EQ(FormatMeasurement(ShotEnergy(800.9, 15.0)), "  21.37");
  // Floor, not truncation: a negative velocity goes down to the next whole number.
  EXPECT_DOUBLE_EQ(FlooredShotEnergy(-0.5, 450240.0), 1.0);
}

TEST(MeasurementFieldTextTest, AbsurdValuesNeverOverrunTheField) {
  EXPECT_EQ(MeasurementFieldText(633.7115), " 633.71");
  EXPECT_EQ(MeasurementFieldText(1e25), "10000000000000000905969664.00");  // 29 characters
  EXPECT_EQ(MeasurementFieldText(1e26), kOverflowText);
  EXPECT_EQ(MeasurementFieldText(ShotEnergy(800.0, 1e300)), kOverflowText);
}

TEST(ComputeAveragesTest, AverageEnergyIsTheEnergyOfTheFlooredMean) {
  ShotSeries series;
  EXPECT_EQ(ComputeAverages(series, 15.0).shots, 0);
  for (double v : {800.0, 810.0, 790.5}) series.AppendShot(v);
  const Averages three = ComputeAverages(series, 15.0);
  // The average energy is that of 800 fps, the floored mean.
  EXPECT_EQ(
      FormatInt(three.shots) + FormatFixed(three.velocity, 2, 7) + FormatFixed(three.energy, 2, 7),
      "3 800.17  21.32");
  EXPECT_EQ(FormatFixed(ComputeAverages(series, 30.0).energy, 2), "42.64");
}

using Velocities = std::vector<double>;

// The velocities a log gives. Reads split anywhere are checked by the corpus of shot_log_fuzz.
Velocities Load(const std::string& text) {
  testing::MemoryFiles files;
  files.files["Tarvik.log"] = text;
  ShotSeries series;
  LoadLog(files, "Tarvik.log", series);
  return {series.velocities().begin(), series.velocities().end()};
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

// A line of any length gives the velocity ParseDecimal reads from the whole line at once, however
// the reads split it: far past the reader's parts (64 KiB) and past the digits a double can tell
// apart. The line after it is read as usual.
TEST(ShotLogTest, AFirstFieldOfAnyLengthReadsAsTheWholeLineDoes) {
  const std::string far(1'000'000, '0');
  const double infinity = std::numeric_limits<double>::infinity();
  const struct {
    std::string line;
    double velocity;
  } cases[] = {
      {std::string(5000, '0') + "123,1,1", 123.0},
      // Across the end of the line's beginning the reader keeps whole (64 bytes), and past it.
      {std::string(62, '0') + "812.5,21.32,15.00", 812.5},
      {"812.5," + std::string(100, 'x'), 812.5},
      {"1234567890123456789012345678901234567890123456789012345678901234567890",
       1234567890123456789012345678901234567890123456789012345678901234567890.0},
      {far + "812.5,21.32,15.00", 812.5},
      {std::string(70'000, ' ') + "-812.5", -812.5},
      {"0." + far + "1e1000001,1", 1.0},
      {"1" + far + "e-1000000", 1.0},
      {"1e" + far + "2,1,1", 100.0},
      {"1" + far, infinity},
      {"0." + far + "1", 0.0},
      {"1e" + std::string(5000, '9'), infinity},
      {"1e-" + std::string(5000, '9'), 0.0},
      // 2^53 + 1 lies halfway between two doubles: a digit a million places on decides the way.
      {"9007199254740993." + far, 9007199254740992.0},
      {"9007199254740993." + far + "1", 9007199254740994.0},
  };
  for (const auto& [line, velocity] : cases) {
    SCOPED_TRACE(line.substr(0, 20) + "... (" + std::to_string(line.size()) + " bytes)");
    EXPECT_EQ(ParseDecimal(line), velocity);
    const std::string text = line + "\r\n800.5,21.32,15.00\r\n";
    for (const std::size_t part : {4096, 4 << 20}) {
      testing::MemoryFiles files;
      files.files["Tarvik.log"] = text;
      files.part_size = part;
      ShotSeries series;
      LoadLog(files, "Tarvik.log", series);
      EXPECT_EQ(Velocities(series.velocities().begin(), series.velocities().end()),
                (Velocities{velocity, 800.5}))
          << "reads of " << part;
    }
    LogReader reader;
    Velocities by_character;
    for (const char c : text) reader.Feed(std::string_view(&c, 1), by_character);
    reader.Finish(by_character);
    EXPECT_EQ(by_character, (Velocities{velocity, 800.5}));
  }
}

TEST(ShotLogTest, LoadingAddsAfterTheShotsHeldAndOnlyALogThatCanBeReadIsLoadedOrViewed) {
  testing::MemoryFiles files;
  files.files["Tarvik.log"] = files.files["Locked.log"] = "800.90,21.32,15.00\r\n";
  files.locked.insert("Locked.log");  // held by another program
  ShotSeries series;
  series.AppendShot(700.0);
  for (const char* log : {"Missing.log", "Locked.log", "Tarvik.log"}) LoadLog(files, log, series);
  EXPECT_EQ(Velocities(series.velocities().begin(), series.velocities().end()),
            (Velocities{700.0, 800.9}));
  testing::RecordingViewer viewer;
  for (const char* log : {"Missing.log", "Locked.log", "Tarvik.log"}) ViewLog(files, viewer, log);
  EXPECT_EQ(viewer.shown, std::vector<std::string>{"Tarvik.log"});
  files.part_size = 4;
  files.fail_after = 2;  // a read fails after part of the log came
  LoadLog(files, "Tarvik.log", series);
  EXPECT_EQ(series.count(), 2);
}

}  // namespace
}  // namespace tarvik
