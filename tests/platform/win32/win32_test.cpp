// The Win32 adapters on a real Windows system (or Wine): the shot log's files, the registry key
// and, when the test script runs the simulated instrument on a COM port, the serial port.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "link/chronoscope.h"
#include "link/serial_link.h"
#include "link/tab_protocol.h"
#include "measure/shot_log.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_serial_port.h"
#include "platform/win32/win32_settings_key.h"

namespace tarvik::win32 {
namespace {

namespace fs = std::filesystem;

// The path as the program holds it, in UTF-8 (string() would give the system's code page).
std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class Win32FilesTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(folder_); }
  void TearDown() override { fs::remove_all(folder_); }

  const fs::path folder_ =
      fs::path(::testing::TempDir()) / ("tarvik-files-" + std::to_string(GetCurrentProcessId()));
  Win32Files files_;
};

TEST_F(Win32FilesTest, LogSharedWithAnotherProgramGivesWholeShotsAndALineItRefusesIsLostAlone) {
  const std::string log = (folder_ / "Shots, ten metres.log").string();
  // Another program has the log open for reading and writing, sharing both.
  HANDLE other = CreateFileA(log.c_str(), GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  AppendLogLine(files_, log, 800.9, 21.32, 15.0);
  AppendLogLine(files_, log, 810.0, 21.86, 15.0);
  ShotSeries series;
  LoadLog(files_, log, series);  // read while the other still holds it
  CloseHandle(other);
  EXPECT_EQ(ReadAll(log), "800.90,21.32,15.00\r\n810.00,21.86,15.00\r\n");
  EXPECT_EQ(series.count(), 2);
  // Another program holding it without letting others write: the line is lost, nothing before.
  other =
      CreateFileA(log.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(files_.Append(log, "820.00,22.40,15.00\r\n"));
  CloseHandle(other);
  EXPECT_EQ(ReadAll(log), "800.90,21.32,15.00\r\n810.00,21.86,15.00\r\n");
  EXPECT_TRUE(files_.Delete(log) && !files_.Delete(log));
  EXPECT_EQ(files_.OpenForReading(log), nullptr);
  EXPECT_EQ(files_.OpenForReading(folder_.string()), nullptr);  // a folder is no log
  EXPECT_FALSE(files_.Append(folder_.string(), "800.90,21.32,15.00\r\n"));
  LoadLog(files_, folder_.string(), series);
  EXPECT_EQ(series.count(), 2);
}

TEST_F(Win32FilesTest, ReplaceWholePutsExactlyTheNewBytesInPlaceOrLeavesTheOldFileWhole) {
  const std::string path = (folder_ / "Tarvik.reg").string();
  ASSERT_TRUE(files_.ReplaceWhole(path, "first"));
  ASSERT_TRUE(files_.ReplaceWhole(path, "second\r\n"));  // over a file that is there
  EXPECT_EQ(ReadAll(path), "second\r\n");
  EXPECT_FALSE(fs::exists(path + ".new"));
  fs::create_directory(path + ".new");  // the new file cannot be made
  EXPECT_FALSE(files_.ReplaceWhole(path, "third"));
  EXPECT_EQ(ReadAll(path), "second\r\n");
  fs::remove(path + ".new");
  ASSERT_TRUE(files_.ReplaceWhole(path, ""));
  EXPECT_EQ(fs::file_size(path), 0u);
}

// The file dialogs give UTF-8 paths: every way of writing and reading keeps a name beyond ASCII
// as the user wrote it, and leaves nothing else behind.
TEST_F(Win32FilesTest, ANameBeyondAsciiIsTheFilesOwnWhicheverWayItIsWritten) {
  const fs::path log = folder_ / u8"Schüsse Jürgen.log";
  ASSERT_TRUE(files_.Append(Utf8(log), "800.90,21.32,15.00\r\n"));
  EXPECT_EQ(ReadAll(log), "800.90,21.32,15.00\r\n");
  {
    const std::unique_ptr<FileReader> reader = files_.OpenForReading(Utf8(log));
    ASSERT_NE(reader, nullptr);
    std::array<char, 64> read{};
    EXPECT_EQ(reader->Read(read), 20);
  }
  ASSERT_TRUE(files_.ReplaceWhole(Utf8(log), "replaced"));
  EXPECT_EQ(ReadAll(log), "replaced");

  const fs::path csv = folder_ / u8"Schüsse 東京.csv";
  EXPECT_EQ(files_.WriteStreamed(Utf8(csv),
                                 [](const Files::PieceWriter& write) {
                                   return write("string,") && write("name\r\n");
                                 }),
            std::nullopt);
  EXPECT_EQ(ReadAll(csv), "string,name\r\n");
  EXPECT_TRUE(files_.Delete(Utf8(log)));
  std::vector<std::u8string> left;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder_)) {
    left.push_back(entry.path().filename().u8string());
  }
  EXPECT_EQ(left, std::vector<std::u8string>{u8"Schüsse 東京.csv"});
}

// The log viewer's road: a program started on its own with a quoted name, not waited for.
TEST_F(Win32FilesTest, StartedProcessRunsOnItsOwnAndAMissingProgramIsRefused) {
  const fs::path out = folder_ / u8"viewed log, Jürgen.txt";
  ASSERT_TRUE(StartProcess("cmd.exe /c echo shot> \"" + Utf8(out) + "\""));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (ReadAll(out).empty() && std::chrono::steady_clock::now() < deadline) Sleep(50);
  EXPECT_EQ(ReadAll(out), "shot\r\n");
  EXPECT_FALSE(StartProcess("tarvik-no-such-program.exe"));
}

TEST(Win32SettingsKeyTest, NamesInAnyCaseAndValuesStoredByOthersAreReadAsTheirType) {
  constexpr const char* kPath = "Software\\Dorvex\\Tarvik";
  RegDeleteTreeA(HKEY_CURRENT_USER, kPath);
  auto key = OpenUserSettings();
  ASSERT_NE(key, nullptr);
  key->SetText("Port Name", "COM5");
  key->SetNumber("Big x", 0xFFFFFFECu);
  EXPECT_EQ(key->QueryValue("PORT NAME")->text, "COM5");
  EXPECT_EQ(key->QueryValue("big X")->number, 0xFFFFFFECu);
  EXPECT_FALSE(key->QueryValue("Missing"));
  // A text stored without its terminator, and a type the program never writes.
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kPath, "Bare", REG_SZ, "COM7", 4), ERROR_SUCCESS);
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kPath, "Path", REG_EXPAND_SZ, "%TEMP%", 7),
            ERROR_SUCCESS);
  EXPECT_EQ(key->QueryValue("Bare")->text, "COM7");
  EXPECT_EQ(key->QueryValue("Path")->type, SettingValue::Type::kOther);
  key.reset();
  RegDeleteTreeA(HKEY_CURRENT_USER, kPath);
}

// The test script runs qm307-sim on a pseudo-terminal and maps it as the COM port it names in
// TARVIK_TEST_PORT.
TEST(Win32SerialPortTest, OpensTheInstrumentsPortAndExchangesBytesWithIt) {
  const char* port = std::getenv("TARVIK_TEST_PORT");
  if (port == nullptr) GTEST_SKIP() << "TARVIK_TEST_PORT names no simulated instrument";
  Win32SerialPlatform platform;
  EXPECT_FALSE(OpenSerialLink(platform, "COM39")->open);  // a port nobody mapped
  Chronoscope chronoscope(platform);
  const std::optional<PortError> error = chronoscope.OpenLink(port);
  ASSERT_FALSE(error) << error->code << " " << error->text;

  SystemClock clock;  // the "p" and "t" exchanges with their real waits
  TabStatus status;
  EXPECT_TRUE(chronoscope.QueryTab(clock, status).result);
  EXPECT_EQ(status.version, '3');
  EXPECT_EQ(status.capacity, 4095);

  // The simulator fires a shot every half second: it arrives as a reading of its digits.
  std::vector<Reading> readings;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  while (readings.empty() && std::chrono::steady_clock::now() < deadline) {
    clock.SleepMs(20);
    readings = chronoscope.Poll(clock.NowMs());
  }
  ASSERT_FALSE(readings.empty());
  EXPECT_GE(readings.front().digits, 4);
}

}  // namespace
}  // namespace tarvik::win32
