#include "platform/stream_debug_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tarvik {
namespace {

std::string Contents(const std::filesystem::path& file) {
  std::ifstream in(file);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(StreamDebugLogTest, AFailureIsWrittenWhenTheLogIsOnAndNothingWhenOff) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "tarvik-debug-log-test.txt";
  std::filesystem::remove(file);
  const auto fail = [](const DebugLog& log) {
    LogFailure(log, "append to", "Tarvik.log", PlatformError{28, "No space left on device"});
  };

  ::testing::internal::CaptureStderr();
  fail(*OpenDebugLog(ChooseDebugLog(nullptr, false)));
  fail(*OpenDebugLog(ChooseDebugLog("0", false)));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_FALSE(std::filesystem::exists(file));

  ::testing::internal::CaptureStderr();
  fail(*OpenDebugLog(ChooseDebugLog(nullptr, true)));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "tarvik: append to Tarvik.log: No space left on device (28)\n");

  // A file is appended to, run after run.
  for (int run = 0; run < 2; ++run)
    fail(*OpenDebugLog(ChooseDebugLog(file.string().c_str(), false)));
  EXPECT_EQ(Contents(file),
            "tarvik: append to Tarvik.log: No space left on device (28)\n"
            "tarvik: append to Tarvik.log: No space left on device (28)\n");
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace tarvik
