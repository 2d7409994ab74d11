// The settings file on the real file system: its place, its exact form, files it must not
// destroy, writers that must not undo each other, and places where it cannot be written.
#include "platform/posix/posix_settings_file.h"

#include <gtest/gtest.h>
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
            "\"FPS\"=\" 633.71\"\r\n\"Big x\"=dword:00000014\r\n");
  EXPECT_EQ(fs::status(path_.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
  EXPECT_FALSE(fs::exists(path_.string() + ".new"));
}

TEST_F(SettingsFileTest, FilesFoundInItsPlaceAreNeverDestroyed) {
  fs::create_directories(path_.parent_path());
  std::ofstream(path_) << "my shopping list\n";  // no settings file: read as empty, moved aside
  EXPECT_EQ(Read("Port Name"), "(none)");
  SettingsFile file(path_);
  file.SetText("Port Name", "COM4");
  std::ofstream(path_) << "more garbage";
  file.SetText("Port Name", "COM5");
  EXPECT_EQ(ReadFile(path_.string() + ".bad"), "my shopping list\n");
  EXPECT_EQ(ReadFile(path_.string() + ".bad.2"), "more garbage");

  const std::string before = ReadFile(path_);       // a write that cannot finish leaves it whole
  fs::create_directories(path_.string() + ".new");  // the new file cannot be made
  file.SetText("Port Name", "COM9");
  EXPECT_EQ(ReadFile(path_), before);

  fs::remove(path_);
  fs::create_symlink(folder_ / "kept-elsewhere.reg", path_);  // a link stays one, even dangling
  file.SetText("Port Name", "COM6");
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(Read("Port Name"), "COM6");
}

TEST_F(SettingsFileTest, StoresAndProcessesSharingTheFileKeepEachOthersWrites) {
  SettingsFile store(path_);     // held all along, as a running program holds it
  const pid_t child = ::fork();  // two processes, writing "0" to "99" and "100" to "199"
  for (int i = 0; i < 100; ++i) store.SetText(FormatInt(i + (child != 0 ? 0 : 100)), "x");
  if (child == 0) std::_Exit(0);
  ASSERT_GT(::waitpid(child, nullptr, 0), 0);
  store.SetText("200", "x");  // after the other's last write
  for (int i = 0; i <= 200; ++i) ASSERT_EQ(Read(FormatInt(i)), "x") << i;
}

TEST_F(SettingsFileTest, PlacesThatCannotBeWrittenGiveDefaultsAndLoseWritesQuietly) {
  SettingsFile under_a_device("/dev/null/Tarvik.reg");
  under_a_device.SetText("Port Name", "COM3");
  EXPECT_FALSE(under_a_device.QueryValue("Port Name"));

  if (::geteuid() == 0) return;  // root writes into read-only folders
  SettingsFile(path_).SetText("Port Name", "COM1");
  fs::permissions(path_.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
  SettingsFile(path_).SetText("Port Name", "COM3");
  EXPECT_EQ(Read("Port Name"), "COM1");
  fs::permissions(path_.parent_path(), fs::perms::owner_all);
}

TEST(UserSettingsPathTest, FollowsTheConfigurationFolderOfTheEnvironment) {
  const char* home = std::getenv("HOME");
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const std::string saved[] = {home != nullptr ? home : "", config != nullptr ? config : ""};
  ::setenv("HOME", "/home/shooter", 1);
  ::setenv("XDG_CONFIG_HOME", "/tmp/config", 1);
  EXPECT_EQ(UserSettingsPath(), "/tmp/config/Dorvex/Tarvik.reg");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(UserSettingsPath(), "/home/shooter/.config/Dorvex/Tarvik.reg");
  ::setenv("XDG_CONFIG_HOME", "", 1);  // empty, as if unset
  ::unsetenv("HOME");
  EXPECT_EQ(UserSettingsPath(), "");
  EXPECT_EQ(OpenUserSettings(), nullptr);
  ::setenv("HOME", saved[0].c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", saved[1].c_str(), 1);  // empty is as unset
}

}  // namespace
}  // namespace tarvik::posix
