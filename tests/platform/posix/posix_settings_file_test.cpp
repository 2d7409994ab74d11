// The settings file on the real file system: its place, its exact form, files it must not
// destroy, writers that must not undo each other, and places where it cannot be written.
#include "platform/posix/posix_settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "base/number_text.h"
#include "settings/settings_store.h"

namespace tarvik::posix {
namespace {

namespace fs = std::filesystem;

// "P<child>-<i>", one value name per child process and write.
std::string ValueName(int child, int i) {
  std::string name = "P";
  name.append(FormatInt(child)).append("-").append(FormatInt(i));
  return name;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(::testing::TempDir()) / ("tarvik-file-" + FormatInt(::getpid()));
    fs::remove_all(folder_);
    path_ = folder_ / "Dorvex" / "Tarvik.reg";
  }
  void TearDown() override {
    ::chmod(folder_.c_str(), 0700);
    fs::remove_all(folder_);
  }
  void WriteRaw(std::string_view bytes) {
    fs::create_directories(path_.parent_path());
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  std::string Read(std::string_view name) {
    const auto value = SettingsFile(path_).QueryValue(name);
    return value ? value->text : "(none)";
  }

  fs::path folder_;
  fs::path path_;
};

TEST_F(SettingsFileTest, FirstWriteMakesTheFolderAndAFileTheRegistryEditorImports) {
  SettingsFile file(path_);
  file.SetText("FPS", " 633.71");
  file.SetNumber("Big x", 20);
  EXPECT_EQ(ReadFile(path_),
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"
            "\"FPS\"=\" 633.71\"\r\n"
            "\"Big x\"=dword:00000014\r\n");
  EXPECT_EQ(fs::status(path_.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
  EXPECT_FALSE(fs::exists(path_.string() + ".new"));
}

TEST_F(SettingsFileTest, BatchedWritesReachTheFileTogetherWhenTheBatchEnds) {
  SettingsFile file(path_);
  file.BeginBatch();
  file.SetText("FPS", " 633.71");
  file.SetText("PDS", "  13.35");
  EXPECT_FALSE(fs::exists(path_));
  file.EndBatch();
  EXPECT_EQ(Read("FPS") + Read("PDS"), " 633.71  13.35");
}

TEST_F(SettingsFileTest, FileThatIsNoSettingsFileIsMovedAsideNotDestroyed) {
  WriteRaw("my shopping list\n");
  EXPECT_EQ(Read("Port Name"), "(none)");
  SettingsFile(path_).SetText("Port Name", "COM4");
  EXPECT_EQ(ReadFile(path_.string() + ".bad"), "my shopping list\n");
  EXPECT_EQ(Read("Port Name"), "COM4");
  WriteRaw("more garbage");
  SettingsFile(path_).SetText("Port Name", "COM5");
  EXPECT_EQ(ReadFile(path_.string() + ".bad"), "my shopping list\n");
  EXPECT_EQ(ReadFile(path_.string() + ".bad.2"), "more garbage");
}

TEST_F(SettingsFileTest, StoresSharingTheFileKeepEachOthersWrites) {
  SettingsFile first(path_);
  SettingsFile second(path_);
  first.SetText("FPS", "1");
  second.SetText("PDS", "2");
  first.SetText("Weight", "3");
  EXPECT_EQ(Read("FPS") + Read("PDS") + Read("Weight"), "123");

  // Two processes writing at once: every value of both is there afterwards.
  constexpr int kWrites = 100;
  pid_t children[2];
  for (int child = 0; child < 2; ++child) {
    children[child] = ::fork();
    ASSERT_GE(children[child], 0);
    if (children[child] == 0) {
      SettingsFile file(path_);
      for (int i = 0; i < kWrites; ++i) {
        file.SetText(ValueName(child, i), FormatInt(i));
      }
      std::_Exit(0);
    }
  }
  for (const pid_t child : children) ::waitpid(child, nullptr, 0);
  for (int child = 0; child < 2; ++child) {
    for (int i = 0; i < kWrites; ++i) {
      ASSERT_EQ(Read(ValueName(child, i)), FormatInt(i));
    }
  }
}

TEST_F(SettingsFileTest, WriteThatCannotFinishLeavesTheOldFileWhole) {
  SettingsFile file(path_);
  file.SetText("Port Name", "COM1");
  const std::string before = ReadFile(path_);
  fs::create_directories(path_.string() + ".new");  // the new file cannot be made
  file.SetText("Port Name", "COM9");
  EXPECT_EQ(ReadFile(path_), before);
  fs::remove(path_.string() + ".new");
  file.SetText("Port Name", "COM9");
  EXPECT_EQ(Read("Port Name"), "COM9");
}

TEST_F(SettingsFileTest, PlacesThatCannotBeWrittenGiveDefaultsAndLoseWritesQuietly) {
  fs::create_directories(folder_);
  std::ofstream(folder_ / "file") << "x";
  SettingsStore under_a_file(std::make_unique<SettingsFile>((folder_ / "file" / "Tarvik.reg")));
  under_a_file.WriteSettingText("Port Name", "COM3");
  EXPECT_EQ(under_a_file.ReadSettingText("Port Name", "COM2"), "COM2");

  if (::geteuid() == 0) return;  // root writes into read-only folders
  SettingsFile(path_).SetText("Port Name", "COM1");
  ::chmod(path_.parent_path().c_str(), 0500);
  SettingsFile(path_).SetText("Port Name", "COM3");
  EXPECT_EQ(Read("Port Name"), "COM1");
  ::chmod(path_.parent_path().c_str(), 0700);
}

TEST(UserSettingsPathTest, FollowsTheConfigurationFolderOfTheEnvironment) {
  const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const std::string saved_config = config != nullptr ? config : "";
  ::setenv("HOME", "/home/shooter", 1);
  ::setenv("XDG_CONFIG_HOME", "/tmp/config", 1);
  EXPECT_EQ(UserSettingsPath(), "/tmp/config/Dorvex/Tarvik.reg");
  ::setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(UserSettingsPath(), "/home/shooter/.config/Dorvex/Tarvik.reg");
  ::unsetenv("HOME");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(UserSettingsPath(), "");
  EXPECT_EQ(OpenUserSettings(), nullptr);
  ::setenv("HOME", home.c_str(), 1);
  if (config != nullptr) ::setenv("XDG_CONFIG_HOME", saved_config.c_str(), 1);
}

}  // namespace
}  // namespace tarvik::posix
