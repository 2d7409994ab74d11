// The history folder on a real Windows file system (or Wine's), in a temporary folder whose name
// is not ASCII, as a user's profile may be.
#include "platform/win32/win32_history_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "base/number_text.h"
#include "doubles/fake_clock.h"
#include "history/string_file.h"
#include "history/string_recorder.h"

namespace tarvik::win32 {
namespace {

namespace fs = std::filesystem;

class Win32HistoryFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::remove_all(root_); }
  void TearDown() override { fs::remove_all(root_); }
  // The folder as the program names it, in UTF-8.
  std::string Folder() const {
    const std::u8string text = (root_ / L"Dorvex" / L"Tarvik").u8string();
    return {text.begin(), text.end()};
  }
  std::string ReadFile(const fs::path& path) const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static KeptShot Shot(double velocity) {
    KeptShot shot;
    shot.time = LocalTime{2026, 12, 7, 9, 30, 5, 123, 60};
    shot.velocity = velocity;
    return shot;
  }

  const fs::path root_ = fs::path(::testing::TempDir()) /
                         (L"tarvik-gesch\u00e4ft-" + std::to_wstring(GetCurrentProcessId()));
  testing::FakeClock clock_;
};

TEST_F(Win32HistoryFolderTest, StringFilesAreMadeOnceAppendedCutListedAndMovedAside) {
  Win32HistoryFolder folder(Folder());
  EXPECT_TRUE(folder.ListStrings().empty());
  PlatformError error;
  auto file = folder.CreateString("a.csv", error);
  ASSERT_NE(file, nullptr) << error.text;
  EXPECT_EQ(folder.CreateString("a.csv", error), nullptr);
  EXPECT_EQ(error.code, ERROR_FILE_EXISTS);
  EXPECT_EQ(file->AppendDurably("one\r\ntwo\r\n"), std::nullopt);
  EXPECT_EQ(file->Truncate(5), std::nullopt);
  EXPECT_EQ(file->AppendDurably("three\n"), std::nullopt);  // at the end, after the cut
  EXPECT_EQ(file->Size(), 11);
  auto again = folder.OpenString("a.csv", error);
  ASSERT_NE(again, nullptr) << error.text;
  EXPECT_EQ(again->AppendDurably("four\n"), std::nullopt);
  EXPECT_EQ(folder.ReadString("a.csv"), "one\r\nthree\nfour\n");
  EXPECT_EQ(folder.OpenString("b.csv", error), nullptr);
  EXPECT_EQ(folder.ReadString("..\\lock"), std::nullopt);
  EXPECT_EQ(folder.CreateString("../x.csv", error), nullptr);

  fs::create_directory(root_ / L"Dorvex" / L"Tarvik" / L"strings" / L"folder.csv");
  const auto entries = folder.ListStrings();
  ASSERT_EQ(entries.size(), 1U);
  EXPECT_EQ(entries[0].name, "a.csv");
  EXPECT_EQ(entries[0].size, 16);  // while the file is still open
  EXPECT_GT(entries[0].modified, 0);
  EXPECT_EQ(folder.StatString("a.csv"), entries[0]);
  EXPECT_EQ(folder.StatString("folder.csv"), std::nullopt);
  again.reset();
  file.reset();

  EXPECT_EQ(folder.MoveStringAside("a.csv"), std::nullopt);
  ASSERT_NE(folder.CreateString("a.csv", error), nullptr);
  EXPECT_EQ(folder.MoveStringAside("a.csv"), std::nullopt);
  const fs::path deleted = root_ / L"Dorvex" / L"Tarvik" / L"deleted";
  EXPECT_EQ(ReadFile(deleted / L"a.csv"), "one\r\nthree\nfour\n");
  EXPECT_TRUE(fs::exists(deleted / L"a-2.csv"));
  EXPECT_TRUE(folder.MoveStringAside("a.csv").has_value());
  EXPECT_TRUE(folder.ListStrings().empty());
}

TEST_F(Win32HistoryFolderTest, TheIndexIsAppendedToAndReplacedWholeAndHeldByOneProgram) {
  Win32HistoryFolder folder(Folder());
  EXPECT_EQ(folder.ReadIndex(), std::nullopt);
  EXPECT_EQ(folder.AppendIndex("head\n", "a\n"), std::nullopt);
  EXPECT_EQ(folder.AppendIndex("head\n", "b\n"), std::nullopt);
  EXPECT_EQ(folder.ReadIndex(), "head\na\nb\n");
  EXPECT_EQ(folder.WriteIndex("first, long\n"), std::nullopt);
  EXPECT_EQ(folder.WriteIndex("second\n"), std::nullopt);
  EXPECT_EQ(folder.ReadIndex(), "second\n");
  EXPECT_FALSE(fs::exists(root_ / L"Dorvex" / L"Tarvik" / L"index.csv.new"));
  {
    Win32HistoryFolder other(Folder());
    EXPECT_TRUE(other.TakeHold());
    EXPECT_TRUE(other.TakeHold());
    EXPECT_FALSE(folder.TakeHold());
  }
  EXPECT_TRUE(folder.TakeHold());
}

TEST_F(Win32HistoryFolderTest, TheRecorderMovesOnToTheNextNameWhenOneIsTaken) {
  Win32HistoryFolder folder(Folder());
  Win32HistoryFolder others(Folder());  // another program's
  StringRecorder first(folder, clock_);
  StringRecorder second(others, clock_);
  EXPECT_EQ(second.TakeNotice(), RecorderNotice::kShared);
  first.RecordShot(Shot(700));
  second.RecordShot(Shot(710));  // started in the same second
  first.RecordShot(Shot(701));
  EXPECT_EQ(second.current_id(), "2026-12-07_093005-2");
  const KeptString string =
      ParseStringFile(first.current_id(), *folder.ReadString("2026-12-07_093005.csv"));
  ASSERT_EQ(string.shots.size(), 2U);
  EXPECT_EQ(string.shots[1].velocity, 701);
  EXPECT_EQ(first.TakeNotice(), RecorderNotice::kNone);
}

TEST(Win32HistoryPathTest, TheFolderIsUnderTheRoamingApplicationData) {
  const std::string path = UserHistoryPath();
  EXPECT_TRUE(path.ends_with("\\Dorvex\\Tarvik")) << path;
  EXPECT_GT(path.size(), std::string_view("C:\\\\Dorvex\\Tarvik").size());
}

}  // namespace
}  // namespace tarvik::win32
