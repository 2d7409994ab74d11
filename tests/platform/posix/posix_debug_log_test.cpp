// The POSIX services on the real system tell the debug log why they failed, in the system's words.
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "doubles/recording_debug_log.h"
#include "link/serial_link.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_serial_port.h"
#include "platform/posix/posix_settings_file.h"

namespace tarvik::posix {
namespace {

namespace fs = std::filesystem;

TEST(PosixDebugLogTest, APortThatWouldNotOpenOrWasLostTellsWhy) {
  int master = -1, keeper = -1;
  std::array<char, 128> name{};
  ASSERT_EQ(::openpty(&master, &keeper, name.data(), nullptr, nullptr), 0);
  const std::string path = name.data();
  testing::RecordingDebugLog log;
  PosixSerialPlatform platform(log);
  EXPECT_FALSE(OpenSerialLink(platform, "/dev/tarvik-no-such-port")->open);
  auto link = OpenSerialLink(platform, path);
  ASSERT_TRUE(link->open);
  EXPECT_FALSE(OpenSerialLink(platform, path)->open);  // held by the first link
  ::close(master);                                     // the instrument's end vanishes
  std::array<std::uint8_t, 16> buffer{};
  SerialRead(link.get(), buffer);
  ::close(keeper);
  ASSERT_TRUE(link->lost);
  ASSERT_EQ(log.lines.size(), 3u);
  EXPECT_EQ(log.lines[0],
            "tarvik: open the serial port /dev/tarvik-no-such-port: No such file or directory (2)");
  EXPECT_EQ(log.lines[1],
            "tarvik: open the serial port " + path + ": Device or resource busy (16)");
  EXPECT_EQ(log.lines[2].rfind("tarvik: read from the serial port " + path + ": ", 0), 0u)
      << log.lines[2];
}

TEST(PosixDebugLogTest, AFileOrSettingThatCannotBeWrittenTellsWhy) {
  const fs::path folder = ::testing::TempDir() + "tarvik-debug-log-" + FormatInt(::getpid());
  const fs::path settings = folder / "Dorvex" / "Tarvik.reg";
  fs::create_directories(folder);
  testing::RecordingDebugLog log;
  PosixFiles files(log);
  EXPECT_FALSE(files.Append(folder.string(), "800.90,21.32,15.00\r\n"));
  EXPECT_FALSE(files.Delete((folder / "Tarvik.log").string()));
  SettingsFile("/dev/null/Tarvik.reg", log).SetText("Port Name", "COM3");
  SettingsFile(settings, log).SetText("Port Name", "COM3\nCOM4");  // no line break stands there
  fs::remove_all(folder);
  EXPECT_EQ(log.lines, (std::vector<std::string>{
                           "tarvik: append to " + folder.string() + ": Is a directory (21)",
                           "tarvik: delete " + (folder / "Tarvik.log").string() +
                               ": No such file or directory (2)",
                           "tarvik: make the folder /dev/null: Not a directory (20)",
                           "tarvik: store the value Port Name in " + settings.string() +
                               ": it cannot stand there"}));
}

}  // namespace
}  // namespace tarvik::posix
