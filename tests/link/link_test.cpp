#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "doubles/fake_clock.h"
#include "doubles/fake_serial_port.h"
#include "link/chronoscope.h"
#include "link/serial_link.h"
#include "link/shot_decoder.h"
#include "link/tab_counts.h"
#include "link/tab_protocol.h"

namespace tarvik {
namespace {

TEST(SerialLinkTest, LinkThatFailedToOpenNeverTouchesThePortAndFailuresLaterGiveZero) {
  testing::FakeSerialPlatform platform;
  platform.open_error = {5, "Access is denied."};
  platform.hand_out_port_on_error = true;  // the device opened, a later step failed
  auto failed = OpenSerialLink(platform, "COM3");
  ASSERT_FALSE(failed->open);
  ASSERT_NE(failed->port, nullptr);  // held until the close
  std::array<std::uint8_t, 10> buffer{};
  testing::FakeClock clock;
  EXPECT_EQ(std::pair(SerialRead(failed.get(), buffer), SerialWrite(failed.get(), "n")),
            std::pair(0, 0));
  EXPECT_EQ(DrainReply(failed.get(), clock), "");
  EXPECT_EQ(clock.NowMs(), 50);  // only the pause
  EXPECT_EQ(platform.line->reads + platform.line->writes, 0);
  auto line = platform.line;
  CloseSerialLink(failed);
  EXPECT_TRUE(failed == nullptr && line->closed);

  platform.open_error = {};
  auto link = OpenSerialLink(platform, "COM2");
  platform.line->fail_reads = platform.line->fail_writes = true;
  EXPECT_EQ(std::pair(SerialRead(link.get(), buffer), SerialWrite(link.get(), "t")),
            std::pair(0, 0));
  EXPECT_TRUE(link->open);
  platform.line->fail_reads = false;  // later calls try again
  platform.line->to_program = std::string(25, 'x');
  EXPECT_EQ(DrainReply(link.get(), clock), std::string(20, 'x'));
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
    ASSERT_NE(static_cast<unsigned char>(body.back()), 0xC3) << "split character at pad " << pad;
    ASSERT_NE(body.back(), '\r') << "half a line break at pad " << pad;
  }
}

TEST(TabProtocolTest, RepliesAreJudgedOnTheirOwnBytesAndEverythingElseGoesToTheDecoder) {
  // Pointers are four hex digits of either case; other characters count as zero.
  EXPECT_EQ(std::tuple(ParseHex4("0FF0"), ParseHex4("80aF"), ParseHex4(" a!1")),
            std::tuple(0x0FF0, 0x80AF, 0x0A01));
  TabStatus status;
  status.capacity = kTabCapacity;
  std::string strays;
  EXPECT_FALSE(JudgeVersionReply("x3\r", true, status, strays));  // three bytes are no reply
  EXPECT_TRUE(JudgeVersionReply("001234\r\nx3\r\n0012", true, status, strays));
  EXPECT_EQ(status.version, '3');
  EXPECT_EQ(strays, "x3\r001234\r\n0012");
  // The tail of a reading begun before the read is none; a line of two digits may be one.
  strays.clear();
  EXPECT_FALSE(JudgeVersionReply("34\r\n", false, status, strays));
  EXPECT_TRUE(JudgeVersionReply("34\r\n", true, status, strays));
  EXPECT_EQ(strays, "34\r\n");

  strays.clear();
  EXPECT_FALSE(JudgePointerReply(" n:0005 e:000A\r", status, strays));  // fifteen bytes
  EXPECT_TRUE(JudgePointerReply("1\r\n n:0FF0 e:8005\r\n4", status, strays));
  EXPECT_EQ(status.next, 0x0FF0);
  EXPECT_EQ(status.empty, 0x8005);
  EXPECT_EQ(status.counts, (TabCounts{20, 4080}));
  EXPECT_EQ(strays, " n:0005 e:000A\r1\r\n4");
  // The reset's reply needs "K" before any zero byte.
  EXPECT_TRUE(ResetReplySaysDone("OK\r\n"));
  EXPECT_FALSE(ResetReplySaysDone(std::string_view("O\0K\r\n", 5)) || ResetReplySaysDone(""));
}

TEST(TabProtocolTest, ExchangesWithTheInstrumentKeepWhatWaitedBeforeThem) {
  testing::FakeClock clock;
  testing::SimulatedPlatform instrument(clock);
  auto link = OpenSerialLink(instrument, "COM2");
  instrument.instrument.SendRaw("001234\r\n", sim::Millis(0));
  TabStatus status;
  std::string strays;
  ASSERT_TRUE(QueryTabStatus(link.get(), clock, false, status, strays));
  EXPECT_EQ(strays, "001234\r\n");
  EXPECT_EQ(ResetTab(link.get(), clock, strays), ResetOutcome::kReset);
  EXPECT_EQ(instrument.written, "ptr");

  link->open = false;  // a link that did not open asks nothing
  EXPECT_FALSE(QueryTabStatus(link.get(), clock, false, status, strays));
  EXPECT_EQ(ResetTab(link.get(), clock, strays), ResetOutcome::kNoLink);
  EXPECT_EQ(instrument.written, "ptr");
}

// Without a tab nothing answers "p": a reading's tail arriving in the wait, after a head that the
// timer took or that waited before the question, is handed on and completes the reading.
TEST(TabProtocolTest, AReadingCutByTheQuestionIsNoReplyWhereverItsHeadWas) {
  testing::FakeClock clock;
  testing::SimulatedPlatform instrument(clock);
  sim::InstrumentOptions no_tab;
  no_tab.tab_present = false;
  instrument.instrument.set_options(no_tab);
  Chronoscope chronoscope(instrument);
  chronoscope.OpenLink("COM2");
  for (const bool head_taken : {true, false}) {
    instrument.instrument.SendRaw("0012", sim::Millis(clock.NowMs()));
    if (head_taken) {
      EXPECT_TRUE(chronoscope.Poll(clock.NowMs()).empty());
    }
    instrument.instrument.SendRaw("34\r\n", sim::Millis(clock.NowMs() + 10));
    TabStatus status;
    std::string strays;
    EXPECT_FALSE(
        QueryTabStatus(chronoscope.current_link(), clock, chronoscope.InMidLine(), status, strays));
    EXPECT_EQ(chronoscope.DecodeStrays(strays), (std::vector<Reading>{{1234, 6}})) << head_taken;
  }
}

TEST(CountTabShotsTest, EveryRowOfThePointerTable) {
  EXPECT_EQ(CountTabShots(0x0005, 0x000A), (TabCounts{5, 5}));
  EXPECT_EQ(CountTabShots(0x0000, 0x0000), (TabCounts{0, 0}));
  EXPECT_EQ(CountTabShots(0x0FF0, 0x8005), (TabCounts{20, 4080}));  // empty wrapped: 5+4095-4080
  EXPECT_EQ(CountTabShots(0x8010, 0x8010), (TabCounts{0, 4095}));  // both wrapped, equal: ring full
  EXPECT_EQ(CountTabShots(0x8005, 0x8010), (TabCounts{11, 4084}));
  EXPECT_EQ(CountTabShots(0x8010, 0x8005), (TabCounts{4084, 11}));
  EXPECT_EQ(CountTabShots(0x8010, 0x0005), (TabCounts{4084, 11}));
  EXPECT_EQ(CountTabShots(0x0010, 0x0005), (TabCounts{65525, 16}));  // -11 wraps, shown that way
}

using Readings = std::vector<Reading>;

class ShotDecoderTest : public ::testing::Test {
 protected:
  // Feeds the characters as one read and decodes them.
  Readings Feed(std::string_view received) {
    EXPECT_EQ(buffer_.Append(received), static_cast<std::int32_t>(received.size()));
    Readings readings = decoder_.DecodeReceived(buffer_);
    EXPECT_EQ(buffer_.fill, 0);
    return readings;
  }

  ReceiveBuffer buffer_;
  ShotDecoder decoder_;
};

TEST_F(ShotDecoderTest, ReadingsKeepTheirDigitCountAndAnyOtherByteSpoilsItsLineButNoOther) {
  EXPECT_EQ(Feed("001234\r\n"), (Readings{{1234, 6}}));  // the line feed changes nothing
  EXPECT_EQ(Feed("\r0000\r\n"), Readings{});  // a carriage return without a count is no reading
  EXPECT_EQ(Feed("12a34\r"), Readings{});     // the digits after it are no reading either
  EXPECT_EQ(Feed("12\x80\r12\n\r"), Readings{});
  EXPECT_EQ(Feed("v3\r\n n:0010 e:0"), Readings{});  // replies of the memory tab, one cut short
  EXPECT_EQ(Feed("010\r\n12a\n34\r"), (Readings{{34, 2}}));
  EXPECT_EQ(Feed("2147483648\r99999999999999999999\r2147483647\r"), (Readings{{2147483647, 10}}));
  EXPECT_EQ(Feed(std::string(150, '0') + "1234\r"), (Readings{{1234, 154}}));  // zeros: no overflow
  EXPECT_EQ(Feed("12345678901\r1234\r001000\r\n"), (Readings{{1234, 4}, {1000, 6}}));
}

// An independent reading of the byte stream: the readings that must come out of it.
Readings ReferenceReadings(const std::string& stream) {
  constexpr std::int64_t kBeyond32Bits = std::int64_t{1} << 31;  // where the value stops
  Readings readings;
  std::int64_t value = 0;
  int digits = 0;
  bool spoiled = false;
  for (unsigned char c : stream) {
    if (c >= '0' && c <= '9') {
      value = std::min(value * 10 + (c - '0'), kBeyond32Bits);
      ++digits;
    } else {
      if (c == '\r' && !spoiled && value != 0 && value < kBeyond32Bits)
        readings.push_back({static_cast<std::int32_t>(value), digits});
      value = digits = 0;
      spoiled = c != '\r' && c != '\n';
    }
  }
  return readings;
}

TEST_F(ShotDecoderTest, RandomByteStreamSplitAnywhereGivesTheReferenceReadings) {
  std::mt19937 random(20261206);
  // Mostly digits and carriage returns, so that many readings complete; any byte can appear.
  std::string stream;
  for (int i = 0; i < 200000; ++i) {
    const auto kind = random() % 100;
    stream += static_cast<char>(kind < 80   ? '0' + random() % 10
                                : kind < 92 ? '\r'
                                            : random() % 256);
  }
  Readings decoded;
  for (std::size_t offset = 0, n = 0; offset < stream.size(); offset += n) {
    n = 1 + random() % ReceiveBuffer::kSize;
    const Readings part = Feed(std::string_view(stream).substr(offset, n));
    decoded.insert(decoded.end(), part.begin(), part.end());
  }
  const Readings expected = ReferenceReadings(stream);
  ASSERT_GT(expected.size(), 1000u);
  EXPECT_EQ(decoded, expected);
}

}  // namespace
}  // namespace tarvik
