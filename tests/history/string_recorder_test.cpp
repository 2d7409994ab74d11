// The recorder over a history folder in memory: the numbers and rows of shots, the file a string
// gets, and what happens to records while the disk refuses them.
#include "history/string_recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "doubles/fake_clock.h"
#include "doubles/memory_history_folder.h"
#include "history/history_store.h"
#include "history/string_file.h"

namespace tarvik {
namespace {

using testing::FakeClock;
using testing::MemoryHistoryFolder;

class StringRecorderTest : public ::testing::Test {
 protected:
  KeptShot Decoded(double velocity) {
    KeptShot shot;
    shot.number = 99;  // the recorder numbers them
    shot.time = clock_.LocalNow();
    shot.velocity = velocity;
    shot.energy = velocity / 50;
    shot.weight = 15.89;
    shot.count = 1000;
    shot.mark = HardwareMark::kMark4;
    clock_.SleepMs(1500);
    return shot;
  }
  static KeptShot Loaded(double velocity) {
    KeptShot shot;
    shot.velocity = velocity;
    shot.loaded = true;
    return shot;
  }
  // The string a file holds, read back as the history reads it.
  KeptString Read(const std::string& name) {
    return ParseStringFile(name.substr(0, name.size() - 4), folder_.strings.at(name).bytes);
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& [name, file] : folder_.strings) names.push_back(name);
    return names;
  }
  // Shot numbers with their state: "1", "2u" undone, "3o" left out.
  static std::string Numbers(const KeptString& string) {
    std::string text;
    for (const KeptShot& shot : string.shots) {
      text +=
          std::to_string(shot.number) + (shot.undone ? "u" : "") + (shot.left_out ? "o" : "") + " ";
    }
    return text;
  }

  FakeClock clock_;
  MemoryHistoryFolder folder_;
};

TEST_F(StringRecorderTest, NumbersNeverComeBackAndMarksFollowTheTablesRows) {
  StringRecorder recorder(folder_, clock_);
  recorder.StartString("Pellets, 4.5 mm", "Cold\n\"wet\" day");
  EXPECT_TRUE(folder_.strings.empty());
  recorder.RecordShot(Decoded(780));
  EXPECT_EQ(folder_.syncs, 1);  // header, name, notes and the shot in one write
  EXPECT_EQ(Names(), std::vector<std::string>{"2026-12-07_093000.csv"});
  EXPECT_EQ(recorder.current_id(), "2026-12-07_093000");
  recorder.RecordShot(Decoded(781));
  recorder.RecordShot(Decoded(782));
  recorder.RecordUndo(clock_.LocalNow());  // shot 3
  recorder.RecordShot(Decoded(783));       // shot 4, in row 2
  const std::vector<std::int32_t> rows = {0, 2, 3, -1};
  recorder.RecordLeftOut(rows, true, clock_.LocalNow());  // rows 3 and -1 do not exist
  recorder.RecordLeftOut(std::vector<std::int32_t>{0}, false, clock_.LocalNow());
  recorder.RecordUndo(clock_.LocalNow());                                         // shot 4
  recorder.RecordUndo(clock_.LocalNow());                                         // shot 2
  recorder.RecordLeftOut(std::vector<std::int32_t>{1}, true, clock_.LocalNow());  // no row 1
  EXPECT_EQ(folder_.syncs, 9);

  const KeptString string = Read("2026-12-07_093000.csv");
  EXPECT_EQ(Numbers(string), "1 2u 3u 4uo ");
  EXPECT_EQ(string.name, "Pellets, 4.5 mm");
  EXPECT_EQ(string.notes, "Cold\n\"wet\" day");
  EXPECT_EQ(string.shots[0].count, 1000);
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kNone);
  EXPECT_FALSE(recorder.holding());
}

TEST_F(StringRecorderTest, EachStringGetsAFileOfItsOwnAtItsFirstShot) {
  StringRecorder recorder(folder_, clock_);
  recorder.StartString("never shot", "");
  recorder.CloseString();
  EXPECT_TRUE(folder_.strings.empty());  // a string without a shot is not kept

  folder_.strings["2026-12-07_093000.csv"];  // taken: the string goes to "-2"
  recorder.RecordShot(Decoded(700));
  recorder.CloseString();
  EXPECT_EQ(recorder.current_id(), "");
  recorder.RecordUndo(clock_.LocalNow());  // no row left in the closed string
  recorder.RecordShot(Decoded(701));
  EXPECT_EQ(recorder.current_id(), "2026-12-07_093001");
  recorder.RecordShot(Decoded(702));
  EXPECT_EQ(Names(), (std::vector<std::string>{"2026-12-07_093000-2.csv", "2026-12-07_093000.csv",
                                               "2026-12-07_093001.csv"}));
  EXPECT_EQ(Numbers(Read("2026-12-07_093000-2.csv")), "1 ");
  EXPECT_EQ(Numbers(Read("2026-12-07_093001.csv")), "1 2 ");
  EXPECT_EQ(Read("2026-12-07_093001.csv").name, "");  // unnamed after a reset
}

TEST_F(StringRecorderTest, StringsGoIntoTheSummaryCacheAsTheyCloseSoAFirstListReadsNoFile) {
  {
    StringRecorder recorder(folder_, clock_);
    recorder.RecordShot(Decoded(700));
    recorder.StartString("next", "");
    ASSERT_TRUE(folder_.index);
    recorder.RecordShot(Decoded(701));
    recorder.RecordShot(Decoded(702));
  }  // the program ends
  const int reads = folder_.reads;
  const std::vector<StringSummary> list = HistoryStore(folder_).List();
  EXPECT_EQ(folder_.reads, reads);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].name, "next");
  EXPECT_EQ(list[0].shots, 2);
}

TEST_F(StringRecorderTest, LoadedShotsGoDownInOneWriteUnderTheClocksTime) {
  StringRecorder recorder(folder_, clock_);
  clock_.SleepMs(65'000);
  const std::vector<KeptShot> shots = {Loaded(600), Loaded(601), Loaded(602)};
  recorder.RecordShots(shots);
  recorder.RecordShots({});
  EXPECT_EQ(folder_.syncs, 1);
  const KeptString string = Read("2026-12-07_093105.csv");
  EXPECT_EQ(Numbers(string), "1 2 3 ");
  EXPECT_TRUE(string.shots[2].loaded);
  EXPECT_FALSE(string.shots[2].time.has_value());
  EXPECT_EQ(string.shots[2].velocity, 602);
}

TEST_F(StringRecorderTest, AFullDiskHoldsRecordsInOrderAndTouchesNothingKept) {
  StringRecorder recorder(folder_, clock_);
  recorder.RecordShot(Decoded(800));
  recorder.RecordShot(Decoded(801));
  const std::string kept = folder_.strings.begin()->second.bytes;

  folder_.full = true;
  folder_.partial_bytes = 7;  // each failed write leaves a torn start of a line
  recorder.RecordShot(Decoded(802));
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kCannotWrite);
  EXPECT_EQ(recorder.last_error()->code, testing::kNoSpace);
  recorder.RecordShot(Decoded(803));
  recorder.RecordLeftOut(std::vector<std::int32_t>{0}, true, clock_.LocalNow());
  recorder.RecordUndo(clock_.LocalNow());  // shot 4
  recorder.Retry();
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kNone);  // told once only
  EXPECT_TRUE(recorder.holding());
  EXPECT_EQ(folder_.strings.begin()->second.bytes, kept);

  folder_.full = false;
  const int syncs = folder_.syncs;
  recorder.RecordShot(Decoded(804));  // behind the held ones, never before them
  recorder.Retry();
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kWritingAgain);
  EXPECT_EQ(folder_.syncs, syncs + 1);
  EXPECT_FALSE(recorder.holding());
  EXPECT_FALSE(recorder.last_error().has_value());
  const std::string& bytes = folder_.strings.begin()->second.bytes;
  EXPECT_EQ(bytes.substr(0, kept.size()), kept);
  EXPECT_EQ(Numbers(Read(folder_.strings.begin()->first)), "1o 2 3 4u 5 ");
  recorder.Retry();
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kNone);

  // Written again, a new refusal is told again.
  folder_.full = true;
  recorder.RecordShot(Decoded(805));
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kCannotWrite);
}

TEST_F(StringRecorderTest, HeldRecordsReachTheirOwnStringsFileEvenWhenItCouldNotBeMade) {
  StringRecorder recorder(folder_, clock_);
  folder_.full = true;
  recorder.StartString("first", "");
  recorder.RecordShot(Decoded(700));
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kCannotWrite);
  EXPECT_TRUE(folder_.strings.empty());
  EXPECT_EQ(recorder.current_id(), "");
  recorder.RecordShot(Decoded(701));
  recorder.StartString("second", "its notes");
  recorder.RecordShot(Decoded(702));
  recorder.CloseString();
  recorder.RecordShot(Decoded(703));

  folder_.full = false;
  recorder.Retry();
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kWritingAgain);
  EXPECT_EQ(Names(), (std::vector<std::string>{"2026-12-07_093000.csv", "2026-12-07_093003.csv",
                                               "2026-12-07_093004.csv"}));
  EXPECT_EQ(Read("2026-12-07_093000.csv").name, "first");
  EXPECT_EQ(Numbers(Read("2026-12-07_093000.csv")), "1 2 ");
  EXPECT_EQ(Read("2026-12-07_093003.csv").notes, "its notes");
  EXPECT_EQ(Read("2026-12-07_093003.csv").shots.at(0).velocity, 702);
  EXPECT_EQ(Read("2026-12-07_093004.csv").shots.at(0).velocity, 703);
  EXPECT_EQ(recorder.current_id(), "2026-12-07_093004");
}

// Names but no room for bytes, as a file system with inodes left and no blocks.
class RoomForNamesOnly : public MemoryHistoryFolder {
 public:
  std::unique_ptr<HistoryFile> CreateString(std::string_view name, PlatformError& error) override {
    const bool was_full = std::exchange(full, false);
    std::unique_ptr<HistoryFile> file = MemoryHistoryFolder::CreateString(name, error);
    full = was_full;
    return file;
  }
};

TEST_F(StringRecorderTest, AFileMadeButNotWrittenGetsItsHeaderAndNameOnRetry) {
  RoomForNamesOnly folder;
  StringRecorder recorder(folder, clock_);
  recorder.StartString("named", "");
  folder.full = true;
  folder.partial_bytes = 30;
  recorder.RecordShot(Decoded(650));
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kCannotWrite);
  EXPECT_EQ(folder.strings.at("2026-12-07_093000.csv").bytes, "");  // the torn part is cut
  folder.full = false;
  recorder.Retry();
  const std::string& bytes = folder.strings.at("2026-12-07_093000.csv").bytes;
  EXPECT_TRUE(bytes.starts_with(StringFileHeader()));
  const KeptString string = ParseStringFile("2026-12-07_093000", bytes);
  EXPECT_EQ(string.name, "named");
  EXPECT_EQ(Numbers(string), "1 ");
}

TEST_F(StringRecorderTest, ASecondProgramIsToldOnceAndBothKeepTheirStringsApart) {
  folder_.held_elsewhere = true;
  StringRecorder first(folder_, clock_);
  EXPECT_EQ(first.TakeNotice(), RecorderNotice::kShared);
  EXPECT_EQ(first.TakeNotice(), RecorderNotice::kNone);
  StringRecorder second(folder_, clock_);
  first.RecordShot(Decoded(700));
  clock_.SleepMs(-1500);  // the same second for the other program's first shot
  second.RecordShot(Decoded(710));
  first.RecordShot(Decoded(701));
  EXPECT_EQ(Numbers(Read("2026-12-07_093000.csv")), "1 2 ");
  EXPECT_EQ(Read("2026-12-07_093000-2.csv").shots.at(0).velocity, 710);
}

}  // namespace
}  // namespace tarvik
