#include "history/history_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "doubles/memory_history_folder.h"
#include "history/string_file.h"

namespace tarvik {
namespace {

using testing::MemoryHistoryFolder;

LocalTime At(int day, int minute, int second = 0) {
  return {2026, 12, day, 9, minute, second, 0, 60};
}

KeptShot Shot(std::int32_t number, double velocity, const LocalTime& time) {
  KeptShot shot;
  shot.number = number;
  shot.time = time;
  shot.velocity = velocity;
  shot.energy = 12.5;
  shot.weight = 8.44;
  shot.count = 1000 + number;
  shot.mark = HardwareMark::kMark3;
  return shot;
}

class HistoryStoreTest : public ::testing::Test {
 protected:
  // A string file of shots of these velocities, started at `start`.
  void Add(const std::string& id, const LocalTime& start, std::vector<double> velocities) {
    std::string bytes(StringFileHeader());
    std::int32_t number = 0;
    for (const double velocity : velocities) bytes += ShotRecord(Shot(++number, velocity, start));
    folder_.strings[id + ".csv"] = {bytes, ++modified_};
  }
  void Append(const std::string& id, const std::string& bytes) {
    auto& file = folder_.strings[id + ".csv"];
    file.bytes += bytes;
    file.modified = ++modified_;
  }
  // A listing, and its cache written as the window does once the list is shown.
  std::vector<StringSummary> Listed() {
    std::vector<StringSummary> list = store_.List();
    store_.SaveIndex();
    return list;
  }
  std::vector<std::string> Ids() {
    std::vector<std::string> ids;
    for (const StringSummary& summary : Listed()) ids.push_back(summary.id);
    return ids;
  }
  std::string ExportAll() {
    std::string out;
    EXPECT_TRUE(store_.ExportAllCsv([&](std::string_view piece) {
      out += piece;
      return true;
    }));
    return out;
  }

  MemoryHistoryFolder folder_;
  HistoryStore store_{folder_};
  std::int64_t modified_ = 1000;
};

TEST_F(HistoryStoreTest, ListsKeptStringsNewestFirstWithTheirFigures) {
  Add("b", At(7, 30), {800.0, 810.0, 820.0});
  Add("a", At(8, 0), {700.0});
  Add("c", At(7, 30), {750.0});                      // the same start as b: by id
  Add("d", {2026, 12, 7, 10, 0, 0, 0, 180}, {1.0});  // 07:00 UTC, the oldest
  Add("empty", At(9, 0), {});                        // a file whose first shot never arrived
  folder_.strings["notes.txt"] = {"x", 1};
  EXPECT_EQ(Ids(), (std::vector<std::string>{"a", "c", "b", "d"}));
  const StringSummary b = store_.List()[2];  // its figures are Summarize's (KeptStringTest)
  EXPECT_EQ(b.shots, 3);
  EXPECT_EQ(b.started, At(7, 30));
}

TEST_F(HistoryStoreTest, AGoodCacheSparesReadingAnyFileAndAStaleOneIsReadAgain) {
  Add("a", At(7, 0), {800.0});
  Add("b", At(7, 1), {800.0, 802.0});
  const std::vector<StringSummary> first = Listed();
  ASSERT_EQ(folder_.reads, 2);
  ASSERT_TRUE(folder_.index);
  EXPECT_EQ(Listed(), first);
  EXPECT_EQ(folder_.reads, 2) << "no file read twice";

  Append("b", ShotRecord(Shot(3, 810.0, At(7, 2))));
  EXPECT_EQ(Listed()[0].shots, 3) << "an appended file is read again";
  EXPECT_EQ(folder_.reads, 3);

  folder_.strings["a.csv"].modified = ++modified_;  // touched, same size
  Listed();
  EXPECT_EQ(folder_.reads, 4);
  Listed();
  EXPECT_EQ(folder_.reads, 4) << "the cache was brought up to date";
}

TEST_F(HistoryStoreTest, StringsRememberedAsTheyCloseOrChangeSpareReadingTheirFiles) {
  Add("a", At(7, 0), {800.0});
  Add("b", At(7, 1), {800.0, 802.0});
  store_.Remember("a");
  store_.Remember("b");
  store_.Remember("gone");
  ASSERT_TRUE(folder_.index);
  ASSERT_EQ(folder_.reads, 2);
  const std::vector<StringSummary> list = store_.List();
  EXPECT_EQ(folder_.reads, 2);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].shots, 2);

  // A line torn by a crash takes no line after it along; the last line of a file counts.
  *folder_.index += "\"b.csv\",9";
  Append("a", ShotRecord(Shot(2, 810.0, At(7, 2))));
  store_.Remember("a");
  ASSERT_FALSE(store_.SetName("b", "JSB", At(7, 5)));
  EXPECT_EQ(folder_.reads, 5) << "a's file, and b's read to append the name and to remember it";
  EXPECT_EQ(store_.List()[1].shots, 2);
  EXPECT_EQ(store_.List()[0].name, "JSB");
  EXPECT_EQ(folder_.reads, 5);

  // The listing folds the repeated lines into one a file, once it is shown.
  const std::string appended = *folder_.index;
  store_.List();
  EXPECT_EQ(*folder_.index, appended) << "written only when the window says the list is shown";
  store_.SaveIndex();
  EXPECT_EQ(std::ranges::count(*folder_.index, '\n'), 3);
  folder_.index.reset();
  store_.SaveIndex();
  EXPECT_FALSE(folder_.index) << "written once";
  store_.List();
  EXPECT_EQ(folder_.reads, 7) << "no cache: every file read again";
}

// A first listing of many strings reads them on several threads: each string once, each as
// it would be read alone, and one that cannot be read left out until it can.
TEST_F(HistoryStoreTest, AFirstListingOfManyStringsReadsEachOnceAsAlone) {
  constexpr int kStrings = 2000;
  for (int i = 0; i < kStrings; ++i) {
    std::string id = "s";
    id += std::to_string(10000 + i);
    Add(id, At(1 + i / 60 % 28, i % 60, i % 7), {800.0 + i % 13, 790.0 + i % 5, 805.5});
  }
  folder_.strings["s10007.csv"].bytes = "garbage";
  const std::vector<StringSummary> list = Listed();
  EXPECT_EQ(folder_.reads, kStrings);
  ASSERT_EQ(list.size(), kStrings - 1u);
  EXPECT_TRUE(std::ranges::is_sorted(list, ListedBefore));
  for (const StringSummary& summary : list) ASSERT_EQ(store_.Summary(summary.id), summary);
  EXPECT_FALSE(store_.Summary("s10007").has_value());
  EXPECT_FALSE(store_.Summary("gone").has_value());
}

// A record written and cut off again between a file's listing and its reading can leave it at
// the size and time listed: what was read is shown, but never kept in the cache under that entry.
TEST_F(HistoryStoreTest, AFileReadAtAnotherSizeThanListedIsNeverCachedUnderThatEntry) {
  class Passing : public MemoryHistoryFolder {
   public:
    std::optional<std::string> ReadString(std::string_view name) override {
      auto bytes = MemoryHistoryFolder::ReadString(name);
      if (bytes) *bytes += std::exchange(passing, "");
      return bytes;
    }
    std::string passing;
  } folder;
  HistoryStore store(folder);
  folder.strings["a.csv"] = {std::string(StringFileHeader()) + ShotRecord(Shot(1, 800.0, At(7, 0))),
                             1};
  folder.passing = ShotRecord(Shot(2, 810.0, At(7, 0)));
  store.Remember("a");
  EXPECT_FALSE(folder.index);
  folder.passing = ShotRecord(Shot(2, 810.0, At(7, 0)));
  EXPECT_EQ(store.List().at(0).shots, 2);
  store.SaveIndex();
  EXPECT_EQ(store.List().at(0).shots, 1);
  EXPECT_EQ(folder.reads, 3);
}

TEST_F(HistoryStoreTest, ADamagedCacheIsRebuiltAndADamagedLineCostsOneFile) {
  Add("a", At(7, 0), {800.0});
  Add("b", At(7, 1), {800.0});
  const std::vector<StringSummary> list = Listed();
  const std::string good_index = *folder_.index;

  folder_.index = "garbage\n" + good_index;
  EXPECT_EQ(Listed(), list);
  EXPECT_EQ(folder_.reads, 4) << "an index without its header is no index";
  EXPECT_EQ(*folder_.index, good_index);

  std::string damaged = good_index;
  damaged.replace(damaged.find("\"a.csv\","), 8, "\"a.csv\",x");
  folder_.index = damaged;
  EXPECT_EQ(Listed(), list);
  EXPECT_EQ(folder_.reads, 5);
  EXPECT_EQ(*folder_.index, good_index);
}

TEST_F(HistoryStoreTest, AFailedCacheWriteIsHarmless) {
  Add("a", At(7, 0), {800.0});
  folder_.full = true;
  EXPECT_EQ(Ids(), std::vector<std::string>{"a"});
  EXPECT_FALSE(folder_.index);
  folder_.full = false;
  EXPECT_EQ(Ids(), std::vector<std::string>{"a"});
  EXPECT_TRUE(folder_.index);
}

TEST_F(HistoryStoreTest, NameAndNotesAreAppendedAfterCuttingATornRecord) {
  Add("a", At(7, 0), {800.0, 801.0});
  Append("a", "shot,3,2026-12-07T09:");  // a crash in the middle of a record
  ASSERT_FALSE(store_.SetName("a", "JSB, \"heavy\"", At(7, 5)));
  ASSERT_FALSE(store_.SetNotes("a", "line 1\r\nline 2", At(7, 6)));
  const auto string = store_.Load("a");
  ASSERT_TRUE(string);
  EXPECT_EQ(string->name, "JSB, \"heavy\"");
  EXPECT_EQ(string->notes, "line 1\r\nline 2");
  EXPECT_EQ(string->shots.size(), 2u);
  EXPECT_EQ(folder_.strings["a.csv"].bytes.find("shot,3"), std::string::npos);
  EXPECT_EQ(store_.List()[0].name, "JSB, \"heavy\"");
  EXPECT_TRUE(store_.SetName("gone", "x", At(7, 7))) << "no such string";
  EXPECT_FALSE(store_.Load("gone"));
}

TEST_F(HistoryStoreTest, ADeletedStringIsMovedAsideAndLeavesTheCache) {
  Add("a", At(7, 0), {800.0});
  Add("b", At(7, 1), {800.0});
  Listed();
  ASSERT_FALSE(store_.Delete("a"));
  ASSERT_EQ(folder_.deleted.size(), 1u);
  EXPECT_EQ(folder_.deleted[0].first, "a.csv");
  EXPECT_EQ(folder_.index->find("a.csv"), std::string::npos);
  EXPECT_EQ(Ids(), std::vector<std::string>{"b"});
  EXPECT_EQ(folder_.reads, 2);
  EXPECT_TRUE(store_.Delete("a"));
}

TEST_F(HistoryStoreTest, ExportsEveryShotOldestStringFirst) {
  Add("2026-12-08_090000", At(8, 0), {633.7115});
  Add("2026-12-07_093000", At(7, 30), {800.0, 810.5, 820.0});
  KeptShot loaded = Shot(4, 700.0, At(7, 30));
  loaded.time.reset();
  loaded.count.reset();
  loaded.mark.reset();
  loaded.loaded = true;
  Append("2026-12-07_093000",
         ShotRecord(loaded) + ShotMarkRecord(ShotMarkKind::kLeftOut, 1, At(7, 31)) +
             ShotMarkRecord(ShotMarkKind::kUndone, 2, At(7, 32)) +
             NameRecord("JSB, 8.44", At(7, 33)) + NotesRecord("calm", At(7, 34)));
  EXPECT_EQ(ExportAll(),
            "string,name,shot,time,velocity_fps,velocity_ms,energy_ftlbs,energy_j,weight_gr,"
            "weight_g,count,mark,left_out,notes\r\n"
            "2026-12-07_093000,\"JSB, 8.44\",1,2026-12-07T09:30:00+01:00,800.00,243.84,12.50,16.95,"
            "8.44,0.547,1001,3,1,calm\r\n"
            "2026-12-07_093000,\"JSB, 8.44\",2,2026-12-07T09:30:00+01:00,810.50,247.04,12.50,16.95,"
            "8.44,0.547,1002,3,1,calm\r\n"
            "2026-12-07_093000,\"JSB, 8.44\",3,2026-12-07T09:30:00+01:00,820.00,249.94,12.50,16.95,"
            "8.44,0.547,1003,3,0,calm\r\n"
            "2026-12-07_093000,\"JSB, 8.44\",4,,700.00,213.36,12.50,16.95,8.44,0.547,,,0,calm\r\n"
            "2026-12-08_090000,,1,2026-12-08T09:00:00+01:00,633.71,193.16,12.50,16.95,8.44,0.547,"
            "1001,3,0,\r\n");
}

TEST_F(HistoryStoreTest, ExportComesInPiecesAndStopsWhenTold) {
  std::vector<double> velocities(3000, 800.0);
  Add("a", At(7, 0), velocities);
  Add("b", At(7, 1), velocities);
  std::vector<std::size_t> pieces;
  std::string whole;
  const std::vector<std::string> ids = {"a", "b"};
  ASSERT_TRUE(store_.ExportCsv(ids, [&](std::string_view piece) {
    pieces.push_back(piece.size());
    whole += piece;
    return true;
  }));
  ASSERT_GT(pieces.size(), 3u);
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
    EXPECT_GE(pieces[i], 64u * 1024);
    EXPECT_LT(pieces[i], 65u * 1024);
  }
  EXPECT_EQ(std::count(whole.begin(), whole.end(), '\n'), 6001);
  int calls = 0;
  EXPECT_FALSE(store_.ExportCsv(ids, [&](std::string_view) { return ++calls < 2; }));
  EXPECT_EQ(calls, 2);
  const std::vector<std::string> missing = {"a", "gone"};
  EXPECT_FALSE(store_.ExportCsv(missing, [](std::string_view) { return true; }));
}

}  // namespace
}  // namespace tarvik
