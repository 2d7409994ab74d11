#include "link/tab_protocol.h"

#include <gtest/gtest.h>

#include "doubles/fake_clock.h"
#include "doubles/simulated_port.h"

namespace tarvik {
namespace {

TEST(TabProtocolTest, PointersAreFourHexDigitsOfEitherCaseAndOtherCharactersCountAsZero) {
  EXPECT_EQ(ParseHex4("0FF0"), 0x0FF0);
  EXPECT_EQ(ParseHex4("80aF"), 0x80AF);
  EXPECT_EQ(ParseHex4(" a!1"), 0x0A01);
}

TEST(TabProtocolTest, RepliesAreJudgedOnTheirOwnBytesAndEverythingElseGoesToTheDecoder) {
  TabStatus status;
  status.capacity = kTabCapacity;
  std::string strays;
  EXPECT_FALSE(JudgeVersionReply("x3\r", status, strays));  // three bytes are no reply
  EXPECT_TRUE(JudgeVersionReply("001234\r\nx3\r\n0012", status, strays));
  EXPECT_EQ(status.version, '3');
  EXPECT_EQ(strays, "x3\r001234\r\n0012");

  strays.clear();
  EXPECT_FALSE(JudgePointerReply(" n:0005 e:000A\r", status, strays));  // fifteen bytes
  EXPECT_TRUE(JudgePointerReply("1\r\n n:0FF0 e:8005\r\n4", status, strays));
  EXPECT_EQ(status.next, 0x0FF0);
  EXPECT_EQ(status.empty, 0x8005);
  EXPECT_EQ(status.counts, (TabCounts{20, 4080}));
  EXPECT_EQ(strays, " n:0005 e:000A\r1\r\n4");
}

TEST(TabProtocolTest, ResetNeedsAKBeforeAnyZeroByte) {
  EXPECT_TRUE(ResetReplySaysDone("OK\r\n"));
  EXPECT_FALSE(ResetReplySaysDone(std::string_view("O\0K\r\n", 5)));
  EXPECT_FALSE(ResetReplySaysDone(""));
}

TEST(TabProtocolTest, ExchangesWithTheInstrumentKeepWhatWaitedBeforeThem) {
  testing::FakeClock clock;
  testing::SimulatedPlatform instrument(clock);
  auto link = OpenSerialLink(instrument, "COM2");
  instrument.instrument.SendRaw("001234\r\n", sim::Millis(0));
  TabStatus status;
  std::string strays;
  ASSERT_TRUE(QueryTabStatus(link.get(), clock, status, strays));
  EXPECT_EQ(strays, "001234\r\n");
  EXPECT_EQ(status.version, '3');
  EXPECT_EQ(status.capacity, kTabCapacity);
  EXPECT_EQ(clock.slept_ms(), 140);
  EXPECT_EQ(ResetTab(link.get(), clock, strays), ResetOutcome::kReset);
  EXPECT_EQ(instrument.written, "ptr");

  link->open = false;  // a link that did not open asks nothing
  EXPECT_FALSE(QueryTabStatus(link.get(), clock, status, strays));
  EXPECT_EQ(ResetTab(link.get(), clock, strays), ResetOutcome::kNoLink);
  EXPECT_EQ(instrument.written, "ptr");
}

}  // namespace
}  // namespace tarvik
