// The Win32 services on a real Windows system (or Wine) tell the debug log why they failed, in
// the system's words.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "doubles/recording_debug_log.h"
#include "link/serial_link.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_serial_port.h"

namespace tarvik::win32 {
namespace {

namespace fs = std::filesystem;

TEST(Win32DebugLogTest, AFileOrPortThatFailedTellsWhy) {
  const fs::path folder = fs::path(::testing::TempDir()) /
                          ("tarvik-debug-log-" + std::to_string(GetCurrentProcessId()));
  fs::create_directories(folder);
  testing::RecordingDebugLog log;
  Win32Files files(log);
  EXPECT_FALSE(files.Delete((folder / "Tarvik.log").string()));
  Win32SerialPlatform platform(log);
  EXPECT_FALSE(OpenSerialLink(platform, "COM39")->open);  // a port nobody mapped
  fs::remove_all(folder);
  ASSERT_EQ(log.lines.size(), 2u);
  // What was tried on what, the system's text and its code (ERROR_FILE_NOT_FOUND).
  const std::string deleted = "tarvik: delete " + (folder / "Tarvik.log").string() + ": ";
  EXPECT_TRUE(log.lines[0].starts_with(deleted) && log.lines[0].ends_with(" (2)") &&
              log.lines[0].size() > deleted.size() + 4)
      << log.lines[0];
  EXPECT_TRUE(log.lines[1].starts_with("tarvik: open the serial port COM39: ")) << log.lines[1];
}

}  // namespace
}  // namespace tarvik::win32
