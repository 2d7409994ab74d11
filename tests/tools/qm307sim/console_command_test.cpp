#include "qm307sim/console_command.h"

#include <gtest/gtest.h>

#include "qm307sim/byte_text.h"
#include "qm307sim/shot_generator.h"

namespace tarvik::sim {
namespace {

ConsoleCommand Parse(std::string_view line) {
  std::string error;
  const auto command = ParseConsoleCommand(line, Mark::kMark3, &error);
  EXPECT_TRUE(command) << line << ": " << error;
  return command.value_or(ConsoleCommand{});
}

TEST(ConsoleCommandTest, ShotsKeepTheDigitsAsWrittenOrTheMarkAsGiven) {
  EXPECT_EQ(Parse("count 001234").reading, (Reading{1234, 6}));
  EXPECT_EQ(Parse("count 12 5").reading, (Reading{12, 5}));
  EXPECT_EQ(Parse("  shot 700 12  # comment").reading.digits, 4);
  EXPECT_EQ(Parse("shot 700").reading.digits, 6);  // the default mark
  EXPECT_EQ(Parse("fill 5000 650").repeat, 5000u);
  EXPECT_EQ(Parse("# only a comment").kind, CommandKind::kNothing);
  EXPECT_EQ(Parse("raw 12\\r\\x00 #").bytes, std::string("12\r\0 #", 6));
}

TEST(ConsoleCommandTest, MistakesAreRefusedWithAReason) {
  for (const char* line : {"shot fast", "shot 700 2", "shot 700x", "count 12345 4", "count -5",
                           "count 1e3", "dump", "delay x 5", "tab maybe", "version ab", "raw \\q",
                           "raw \\x4", "raw", "wait 1.5", "fire", "status now"}) {
    std::string error;
    EXPECT_FALSE(ParseConsoleCommand(line, Mark::kMark12, &error)) << line;
    EXPECT_FALSE(error.empty()) << line;
  }
}

TEST(ByteTextTest, EveryByteSurvivesEscaping) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(UnescapeBytes(EscapeBytes(all)), all);
  EXPECT_EQ(EscapeBytes("1\r\n\x7F\\"), "1\\r\\n\\x7F\\\\");
}

TEST(ShotGeneratorTest, VelocitiesStayInTheSpread) {
  ShotGenerator generator(700.0, 10.0, 7);
  for (int i = 0; i < 1000; ++i) EXPECT_NEAR(generator.Next(), 700.0, 10.0);
}

}  // namespace
}  // namespace tarvik::sim
