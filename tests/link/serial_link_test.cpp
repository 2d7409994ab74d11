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

TEST(SerialLinkTest, OpenLinkReadsAndWrites) {
  FakeSerialPlatform platform;
  auto link = OpenSerialLink(platform, "COM2");
  ASSERT_TRUE(link->open);
  EXPECT_EQ(platform.opened, std::vector<std::string>{"COM2"});

  platform.line->to_program = "001234\r\n";
  std::array<std::uint8_t, 4> buffer{};
  EXPECT_EQ(SerialRead(link.get(), buffer), 4);
  EXPECT_EQ(std::string(buffer.begin(), buffer.end()), "0012");
  EXPECT_EQ(SerialWrite(link.get(), "p"), 1);
  EXPECT_EQ(platform.line->from_program, "p");
}

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

TEST(SerialLinkTest, FailuresAfterAGoodOpenReturnZeroAndKeepTheLinkOpen) {
  FakeSerialPlatform platform;
  auto link = OpenSerialLink(platform, "COM2");
  platform.line->fail_reads = true;
  platform.line->fail_writes = true;
  std::array<std::uint8_t, 10> buffer{};
  EXPECT_EQ(SerialRead(link.get(), buffer), 0);
  EXPECT_EQ(SerialWrite(link.get(), "t"), 0);
  EXPECT_TRUE(link->open);
  platform.line->fail_reads = false;
  platform.line->to_program = "1";
  EXPECT_EQ(SerialRead(link.get(), buffer), 1);  // later calls try again
}

TEST(SerialLinkTest, DrainReplyWaitsThenDiscardsUpToTwentyBytes) {
  FakeSerialPlatform platform;
  auto link = OpenSerialLink(platform, "COM2");
  platform.line->to_program = std::string(25, 'x');
  FakeClock clock;
  DrainReply(link.get(), clock);
  EXPECT_EQ(clock.slept_ms(), 50);
  EXPECT_EQ(platform.line->to_program, std::string(5, 'x'));
}

TEST(SerialFailureTextTest, LongTextsAreCutToTheBuffer) {
  const std::string text = ComposeSerialFailureText(
      "Serial port not happy", "/dev/serial/by-id/usb-adapter", std::string(200, 's'));
  EXPECT_EQ(text.size(), kFailureTextSize - 1);
  EXPECT_EQ(text.substr(0, 52), "Serial port not happy /dev/serial/by-id/usb-adapter\r");
  EXPECT_EQ(text.substr(text.size() - 3), "...");
}

TEST(SerialFailureTextTest, CutNeverSplitsACharacterOrALineBreak) {
  // Place the cut inside the two bytes of "ü" and right after a carriage return.
  const std::string german = "Serielle Schnittstelle unglücklich";
  std::string umlauts;
  for (int i = 0; i < 60; ++i) umlauts += "ü";
  for (std::size_t pad = 0; pad < 80; ++pad) {
    const std::string text = ComposeSerialFailureText(german, std::string(pad, 'p'), umlauts);
    ASSERT_LE(text.size(), kFailureTextSize - 1);
    const std::string body = text.substr(0, text.size() - 3);
    ASSERT_FALSE(!body.empty() && (static_cast<unsigned char>(body.back()) == 0xC3))
        << "split character at pad " << pad;
    ASSERT_FALSE(!body.empty() && body.back() == '\r') << "half a line break at pad " << pad;
  }
}

}  // namespace
}  // namespace tarvik
