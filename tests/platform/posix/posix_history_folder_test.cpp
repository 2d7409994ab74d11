// The history folder on the real file system: a temporary folder, a small file system filled to
// the last byte and one mounted read-only, another process holding the folder.
#include "platform/posix/posix_history_folder.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "doubles/fake_clock.h"
#include "history/string_file.h"
#include "history/string_recorder.h"

namespace tarvik::posix {
namespace {

namespace fs = std::filesystem;

class PosixHistoryFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("tarvik-history-" + FormatInt(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override {
    if (mounted_) ::umount(root_.c_str());
    fs::remove_all(root_);
  }
  // A tmpfs of 64 KiB over the temporary folder; false when this process may not mount.
  bool MountSmallFileSystem() {
    mounted_ = ::mount("tmpfs", root_.c_str(), "tmpfs", 0, "size=64k") == 0;
    return mounted_;
  }
  void Remount(bool read_only) {
    const unsigned long flags = MS_REMOUNT | (read_only ? MS_RDONLY : 0);
    ASSERT_EQ(::mount("tmpfs", root_.c_str(), "tmpfs", flags, "size=64k"), 0) << errno;
  }
  std::string Folder() const { return (root_ / "Dorvex" / "Tarvik").string(); }
  std::string ReadFile(const fs::path& path) const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static KeptShot Shot(double velocity) {
    KeptShot shot;
    shot.time = LocalTime{2026, 12, 7, 9, 30, 5, 123, 60};
    shot.velocity = velocity;
    shot.count = 1000;
    return shot;
  }

  fs::path root_;
  bool mounted_ = false;
  testing::FakeClock clock_;
};

#define SKIP_WITHOUT_MOUNT()                                                         \
  if (!MountSmallFileSystem())                                                       \
  GTEST_SKIP() << "mounting a tmpfs is not permitted here (" << std::strerror(errno) \
               << "): run as root for the real full and read-only file systems"

TEST_F(PosixHistoryFolderTest, StringFilesAreMadeOnceAppendedCutListedAndMovedAside) {
  PosixHistoryFolder folder(Folder());
  EXPECT_TRUE(folder.ListStrings().empty());  // no folder yet
  PlatformError error;
  auto file = folder.CreateString("a.csv", error);
  ASSERT_NE(file, nullptr) << error.text;
  EXPECT_EQ(folder.CreateString("a.csv", error), nullptr);
  EXPECT_EQ(error.code, EEXIST);
  EXPECT_EQ(file->AppendDurably("one\ntwo\n"), std::nullopt);
  EXPECT_EQ(file->Truncate(4), std::nullopt);
  EXPECT_EQ(file->AppendDurably("three\n"), std::nullopt);  // at the end, after the cut
  EXPECT_EQ(file->Size(), 10);
  auto again = folder.OpenString("a.csv", error);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->AppendDurably("four\n"), std::nullopt);
  EXPECT_EQ(folder.ReadString("a.csv"), "one\nthree\nfour\n");
  EXPECT_EQ(folder.OpenString("b.csv", error), nullptr);
  EXPECT_EQ(error.code, ENOENT);
  EXPECT_EQ(folder.ReadString("../lock"), std::nullopt);
  EXPECT_EQ(folder.CreateString("../x.csv", error), nullptr);

  fs::create_directory(Folder() + "/strings/folder.csv");
  std::ofstream(Folder() + "/strings/notes.txt") << "not a string";
  const auto entries = folder.ListStrings();
  ASSERT_EQ(entries.size(), 1U);
  EXPECT_EQ(entries[0].name, "a.csv");
  EXPECT_EQ(entries[0].size, 15);
  EXPECT_GT(entries[0].modified, 1'700'000'000'000'000'000);  // nanoseconds since 1970
  EXPECT_EQ(folder.StatString("a.csv"), entries[0]);
  EXPECT_EQ(folder.StatString("folder.csv"), std::nullopt);
  EXPECT_EQ(folder.StatString("../lock"), std::nullopt);

  // A second string under a name deleted before gets "-2" beside it.
  EXPECT_EQ(folder.MoveStringAside("a.csv"), std::nullopt);
  ASSERT_NE(folder.CreateString("a.csv", error), nullptr);
  EXPECT_EQ(folder.MoveStringAside("a.csv"), std::nullopt);
  EXPECT_EQ(ReadFile(Folder() + "/deleted/a.csv"), "one\nthree\nfour\n");
  EXPECT_TRUE(fs::exists(Folder() + "/deleted/a-2.csv"));
  EXPECT_EQ(folder.MoveStringAside("a.csv")->code, ENOENT);
  EXPECT_EQ(folder.ListStrings().size(), 0U);
}

TEST_F(PosixHistoryFolderTest, TheIndexIsMadeWithItsHeaderAppendedToAndReplacedWhole) {
  PosixHistoryFolder folder(Folder());
  EXPECT_EQ(folder.ReadIndex(), std::nullopt);
  EXPECT_EQ(folder.AppendIndex("head\n", "a\n"), std::nullopt);
  EXPECT_EQ(folder.AppendIndex("head\n", "b\n"), std::nullopt);
  EXPECT_EQ(folder.ReadIndex(), "head\na\nb\n");
  EXPECT_EQ(folder.WriteIndex("first, long\n"), std::nullopt);
  EXPECT_EQ(folder.WriteIndex("second\n"), std::nullopt);
  EXPECT_EQ(folder.ReadIndex(), "second\n");
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(Folder())) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(names, std::vector<std::string>{"index.csv"}) << "no temporary left";
}

TEST_F(PosixHistoryFolderTest, OneHolderAtATimeAndAKilledOneHoldsNothing) {
  {
    PosixHistoryFolder first(Folder());
    PosixHistoryFolder second(Folder());
    EXPECT_TRUE(first.TakeHold());
    EXPECT_TRUE(first.TakeHold());
    EXPECT_FALSE(second.TakeHold());
  }
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    PosixHistoryFolder other(Folder());
    const char held = other.TakeHold() ? 'y' : 'n';
    (void)!::write(ready[1], &held, 1);
    ::pause();
    ::_exit(0);
  }
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  EXPECT_EQ(held, 'y');
  PosixHistoryFolder folder(Folder());
  EXPECT_FALSE(folder.TakeHold());
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_TRUE(folder.TakeHold());
  ::close(ready[0]);
  ::close(ready[1]);
}

TEST_F(PosixHistoryFolderTest, TheFolderComesFromTheEnvironment) {
  const std::string saved_data = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
  const std::string saved_home = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("HOME", "/home/ann", 1);
  ::setenv("XDG_DATA_HOME", "/data", 1);
  EXPECT_EQ(UserHistoryPath(), "/data/Dorvex/Tarvik");
  ::setenv("XDG_DATA_HOME", "relative/data", 1);
  EXPECT_EQ(UserHistoryPath(), "/home/ann/.local/share/Dorvex/Tarvik");
  ::unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(UserHistoryPath(), "/home/ann/.local/share/Dorvex/Tarvik");
  ::unsetenv("HOME");
  EXPECT_EQ(UserHistoryPath(), "");
  // Without a home the history is kept nowhere, not at the root of the file system.
  PosixHistoryFolder nowhere(UserHistoryPath());
  PlatformError error;
  EXPECT_EQ(nowhere.CreateString("2026-12-07_093000.csv", error), nullptr);
  EXPECT_EQ(error.code, ENOENT);
  EXPECT_FALSE(std::filesystem::exists("/strings"));
  ::setenv("HOME", saved_home.c_str(), 1);
  if (!saved_data.empty()) ::setenv("XDG_DATA_HOME", saved_data.c_str(), 1);
}

TEST_F(PosixHistoryFolderTest, AFullFileSystemHoldsShotsUntilThereIsRoomAgain) {
  SKIP_WITHOUT_MOUNT();
  PosixHistoryFolder folder(Folder());
  StringRecorder recorder(folder, clock_);
  recorder.RecordShot(Shot(700));
  const fs::path path = fs::path(Folder()) / "strings" / (recorder.current_id() + ".csv");
  {
    std::ofstream filler(root_ / "filler", std::ios::binary);
    const std::string block(1024, 'x');
    while (filler.write(block.data(), block.size()) && filler.flush()) {
    }
  }
  // Shots until one does not fit: the file keeps exactly what fitted, however the write tore.
  int shots = 1;
  std::string kept = ReadFile(path);
  for (; shots < 200 && !recorder.holding(); ++shots) {
    kept = ReadFile(path);
    recorder.RecordShot(Shot(700 + shots));
  }
  ASSERT_TRUE(recorder.holding()) << "the file system never filled";
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kCannotWrite);
  EXPECT_EQ(recorder.last_error()->code, ENOSPC);
  EXPECT_EQ(ReadFile(path), kept);
  recorder.RecordShot(Shot(999));
  recorder.Retry();
  EXPECT_EQ(ReadFile(path), kept);

  fs::remove(root_ / "filler");
  recorder.Retry();
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kWritingAgain);
  const KeptString string = ParseStringFile(recorder.current_id(), ReadFile(path));
  ASSERT_EQ(string.shots.size(), static_cast<std::size_t>(shots + 1));
  for (int i = 0; i < shots; ++i) EXPECT_EQ(string.shots[i].velocity, 700 + i);
  EXPECT_EQ(string.shots.back().velocity, 999);
}

TEST_F(PosixHistoryFolderTest, AReadOnlyFileSystemHoldsANewStringUntilItIsWritable) {
  SKIP_WITHOUT_MOUNT();
  PosixHistoryFolder folder(Folder());
  StringRecorder recorder(folder, clock_);
  recorder.RecordShot(Shot(700));
  ASSERT_EQ(recorder.current_id(), "2026-12-07_093005");
  const std::optional<std::string> first = folder.ReadString("2026-12-07_093005.csv");
  recorder.CloseString();  // the kernel remounts read-only only with no file open to write
  ASSERT_NO_FATAL_FAILURE(Remount(true));
  recorder.RecordShot(Shot(701));
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kCannotWrite);
  EXPECT_EQ(recorder.last_error()->code, EROFS);
  EXPECT_EQ(folder.WriteIndex("x\n")->code, EROFS);
  EXPECT_EQ(folder.ReadString("2026-12-07_093005.csv"), first);
  ASSERT_NO_FATAL_FAILURE(Remount(false));
  recorder.Retry();
  EXPECT_EQ(recorder.TakeNotice(), RecorderNotice::kWritingAgain);
  const auto second = folder.ReadString("2026-12-07_093005-2.csv");
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(ParseStringFile("", *second).shots.at(0).velocity, 701);
}

}  // namespace
}  // namespace tarvik::posix
