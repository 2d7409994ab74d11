#include "base/debug_log.h"

#include <gtest/gtest.h>

#include "doubles/recording_debug_log.h"

namespace tarvik {
namespace {

TEST(DebugLogTest, AFailureIsOneLineWithWhatWasTriedOnWhatAndTheSystemsTextAndCode) {
  testing::RecordingDebugLog log;
  LogFailure(log, "open the serial port", "COM5",
             PlatformError{2, "The system cannot\r\nfind it.\r\n"});
  LogFailure(log, "append to", "Tarvik.log", PlatformError{0, "not a regular file"});
  LogFailure(log, "read", "x", PlatformError{5, ""});
  EXPECT_EQ(log.lines,
            (std::vector<std::string>{
                "tarvik: open the serial port COM5: The system cannot find it. (2)",
                "tarvik: append to Tarvik.log: not a regular file", "tarvik: read x: error 5"}));
}

TEST(DebugLogTest, TheEnvironmentOrTheSwitchTurnItOnAndTheEnvironmentMayNameAFile) {
  const auto target = [](const char* environment, bool debug_switch) {
    const DebugLogTarget chosen = ChooseDebugLog(environment, debug_switch);
    return chosen.on ? "on:" + chosen.file : std::string("off");
  };
  EXPECT_EQ(target(nullptr, false), "off");
  EXPECT_EQ(target("", false), "off");
  EXPECT_EQ(target("0", false), "off");
  EXPECT_EQ(target("1", false), "on:");
  EXPECT_EQ(target(nullptr, true), "on:");
  EXPECT_EQ(target("0", true), "on:");
  EXPECT_EQ(target("/tmp/tarvik-debug.txt", false), "on:/tmp/tarvik-debug.txt");
  EXPECT_EQ(target("debug.txt", true), "on:debug.txt");
}

}  // namespace
}  // namespace tarvik
