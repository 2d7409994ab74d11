#include "link/serial_link.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "doubles/fake_clock.h"
#include "doubles/fake_serial_port.h"

namespace tarvik {
namespace {

using testing::FakeClock;
using testing::FakeSerialPlatform;

TEST(SerialLinkTest, LinkThatFailedToOpenNeverTouchesThePort) {
  FakeSerialPlatform platform;
  platform.open_error = {5, "Access is denied."};
  platform.hand_out_port_on_error = true;  // the device opened, a later step failed
  auto link = OpenSerialLink(platform, "COM3");
  ASSERT_FALSE(link->open);
  ASSERT_NE(link->port, nullptr);  // held until the close

  std::array<std::uint8_t, 10> buffer{};
  EXPECT_EQ(SerialRead(link.get(), buffer), 0);
  EXPECT_EQ(SerialWrite(link.get(), "n"), 0);
  FakeClock clock;
  DrainReply(link.get(), clock);
  EXPECT_EQ(clock.slept_ms(), 50);  // only the pause
  EXPECT_EQ(platform.line->reads, 0);
  EXPECT_EQ(platform.line->writes, 0);

  auto line = platform.line;
  CloseSerialLink(link);
  EXPECT_EQ(link, nullptr);
  EXPECT_TRUE(line->closed);
}

TEST(SerialLinkTest, FailuresAfterAGoodOpenReturnZeroAndDrainTakesTwentyBytes) {
  FakeSerialPlatform platform;
  auto link = OpenSerialLink(platform, "COM2");
  platform.line->fail_reads = platform.line->fail_writes = true;
  std::array<std::uint8_t, 10> buffer{};
  EXPECT_EQ(SerialRead(link.get(), buffer), 0);
  EXPECT_EQ(SerialWrite(link.get(), "t"), 0);
  EXPECT_TRUE(link->open);
  platform.line->fail_reads = false;  // later calls try again
  platform.line->to_program = std::string(25, 'x');
  FakeClock clock;
  DrainReply(link.get(), clock);
  EXPECT_EQ(clock.slept_ms(), 50);
  EXPECT_EQ(platform.line->to_program, std::string(5, 'x'));
}

TEST(SerialFailureTextTest, CutNeverSplitsACharacterOrALineBreak) {
  // Place the cut inside the two bytes of "ü" and right after a carriage return.
  const std::string german = "Serielle Schnittstelle unglücklich";
  std::string umlauts;
  for (int i = 0; i < 60; ++i) umlauts += "ü";
  for (std::size_t pad = 0; pad < 80; ++pad) {
    const std::string text = ComposeSerialFailureText(german, std::string(pad, 'p'), umlauts);
    ASSERT_LE(text.size(), kFailureTextSize - 1);
    ASSERT_TRUE(text.starts_with(german + " ") && text.ends_with("...")) << pad;
    const std::string body = text.substr(0, text.size() - 3);
    ASSERT_FALSE(!body.empty() && (static_cast<unsigned char>(body.back()) == 0xC3))
        << "split character at pad " << pad;
    ASSERT_FALSE(!body.empty() && body.back() == '\r') << "half a line break at pad " << pad;
  }
}

}  // namespace
}  // namespace tarvik
