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
#include <iterator>
#include <string>

#include "base/number_text.h"

namespace tarvik::posix {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void TearDown() override { fs::remove_all(folder_); }
  std::string Read(std::string_view name) {
    return SettingsFile(path_).QueryValue(name).value_or(SettingValue{{}, "(none)", 0}).text;
  }

  const fs::path folder_ = ::testing::TempDir() + "tarvik-file-" + FormatInt(::getpid());
  const fs::path path_ = folder_ / "Dorvex" / "Tarvik.reg";
};

TEST_F(SettingsFileTest, FirstWritesMakeAPrivateFolderAndAFileTheRegistryEditorImports) {
  SettingsFile file(path_);
  file.BeginBatch();  // a batch's writes reach the file together when it ends
  file.SetText("FPS", " 633.71");
  file.SetNumber("Big x", 20);
  EXPECT_FALSE(fs::exists(path_));
  file.EndBatch();
  EXPECT_EQ(ReadFile(path_),
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"
            "\"FPS\"=\" 633.71\"\r\n"
            "\"Big x\"=dword:00000014\r\n");
  EXPECT_EQ(fs::status(path_.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
  EXPECT_FALSE(fs::exists(path_.string() + ".new"));
}

TEST_F(SettingsFileTest, FileThatIsNoSettingsFileIsMovedAsideNotDestroyed) {
  fs::create_directories(path_.parent_path());
  std::ofstream(path_) << "my shopping list\n";
  EXPECT_EQ(Read("Port Name"), "(none)");
  SettingsFile(path_).SetText("Port Name", "COM4");
  EXPECT_EQ(Read("Port Name"), "COM4");
  std::ofstream(path_) << "more garbage";
  SettingsFile(path_).SetText("Port Name", "COM5");
  EXPECT_EQ(ReadFile(path_.string() + ".bad"), "my shopping list\n");
  EXPECT_EQ(ReadFile(path_.string() + ".bad.2"), "more garbage");
}

TEST_F(SettingsFileTest, StoresAndProcessesSharingTheFileKeepEachOthersWrites) {
  SettingsFile first(path_);
  first.SetText("FPS", "1");
  SettingsFile(path_).SetText("PDS", "2");
  first.SetText("Weight", "3");
  EXPECT_EQ(Read("FPS") + Read("PDS") + Read("Weight"), "123");

  // Two processes writing 100 values each at once, "0" to "99" and "100" to "199".
  pid_t children[2];
  for (int child = 0; child < 2; ++child) {
    if ((children[child] = ::fork()) == 0) {
      for (int i = 0; i < 100; ++i) SettingsFile(path_).SetText(FormatInt(child * 100 + i), "x");
      std::_Exit(0);
    }
  }
  for (const pid_t child : children) ASSERT_GT(::waitpid(child, nullptr, 0), 0);
  for (int i = 0; i < 200; ++i) ASSERT_EQ(Read(FormatInt(i)), "x") << i;
}

TEST_F(SettingsFileTest, SettingsFileThatIsALinkStaysALink) {
  fs::create_directories(path_.parent_path());
  fs::create_symlink(folder_ / "kept-elsewhere.reg", path_);
  SettingsFile(path_).SetText("Port Name", "COM4");
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(Read("Port Name"), "COM4");
  EXPECT_NE(ReadFile(folder_ / "kept-elsewhere.reg").find("COM4"), std::string::npos);
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
  SettingsFile under_a_file(folder_ / "file" / "Tarvik.reg");
  under_a_file.SetText("Port Name", "COM3");
  EXPECT_FALSE(under_a_file.QueryValue("Port Name"));

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
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(UserSettingsPath(), "/home/shooter/.config/Dorvex/Tarvik.reg");
  ::setenv("XDG_CONFIG_HOME", "", 1);  // empty, as if unset
  ::unsetenv("HOME");
  EXPECT_EQ(UserSettingsPath(), "");
  EXPECT_EQ(OpenUserSettings(), nullptr);
  ::setenv("HOME", home.c_str(), 1);
  ::unsetenv("XDG_CONFIG_HOME");
  if (config != nullptr) ::setenv("XDG_CONFIG_HOME", saved_config.c_str(), 1);
}

}  // namespace
}  // namespace tarvik::posix
