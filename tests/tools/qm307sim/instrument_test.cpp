#include "qm307sim/instrument.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik::sim {
namespace {

using std::chrono::milliseconds;

Reading Shot(std::uint64_t count, int digits = 6) { return *ReadingForCount(count, digits); }

TEST(InstrumentTest, VersionReplyIsDueAfterItsDelay) {
  InstrumentOptions options;
  options.version_char = 'X';
  Instrument instrument(options);
  instrument.Receive('p', milliseconds(100));
  EXPECT_EQ(instrument.NextDue(), milliseconds(110));
  EXPECT_EQ(instrument.TakeDue(milliseconds(109)), "");
  const std::string reply = instrument.TakeDue(milliseconds(110));
  ASSERT_EQ(reply.size(), 4u);
  EXPECT_EQ(reply[1], 'X');
  EXPECT_EQ(reply[2], '\r');
  EXPECT_EQ(reply[3], '\n');
  EXPECT_FALSE(instrument.NextDue());
}

TEST(InstrumentTest, PointerReplyLayout) {
  const std::string reply = PointerReply(0xABCD, 0x0F01);
  ASSERT_EQ(reply.size(), 16u);
  EXPECT_EQ(reply, " n:ABCD e:0F01\r\n");  // bytes 1-2 "n:", 8-9 "e:", 14-15 CR LF

  Instrument instrument;
  for (int i = 0; i < 10; ++i) instrument.StoreShot(Shot(1000));
  for (int i = 0; i < 4100; ++i) instrument.FireShot(Shot(1000), milliseconds(0));
  instrument.TakeDue(milliseconds(0));
  instrument.Receive('t', milliseconds(0));
  // 4110 shots, the 10 stored ones still waiting: next at 4100 - 4095, empty at 4110 - 4095.
  EXPECT_EQ(instrument.TakeDue(milliseconds(30)), " n:8005 e:800F\r\n");
}

TEST(InstrumentTest, FireSendsTheNextStoredShotWithItsDigits) {
  Instrument instrument;
  instrument.StoreShot(Shot(1234, 6));
  instrument.Receive('n', milliseconds(0));
  EXPECT_EQ(instrument.TakeDue(milliseconds(20)), "001234\r\n");
  EXPECT_EQ(instrument.tab().Buffered(), 0u);
  // Nothing waits: "n" sends nothing.
  instrument.Receive('n', milliseconds(50));
  EXPECT_FALSE(instrument.NextDue());
}

TEST(InstrumentTest, BackAndResetReplyAndActOnTheTab) {
  Instrument instrument;
  for (int i = 0; i < 12; ++i) instrument.FireShot(Shot(1000), milliseconds(0));
  instrument.TakeDue(milliseconds(0));

  instrument.Receive('b', milliseconds(0));
  EXPECT_EQ(instrument.TakeDue(milliseconds(10)), "b\r\n");
  EXPECT_EQ(instrument.tab().NextPointer(), 11);
  instrument.Receive('B', milliseconds(0));
  EXPECT_EQ(instrument.TakeDue(milliseconds(10)), "B\r\n");
  EXPECT_EQ(instrument.tab().NextPointer(), 1);

  instrument.Receive('r', milliseconds(0));
  EXPECT_NE(instrument.TakeDue(milliseconds(10)).find('K'), std::string::npos);
  EXPECT_EQ(instrument.tab().EmptyPointer(), 0);
  EXPECT_EQ(instrument.tab().NextPointer(), 0);
}

TEST(InstrumentTest, WithoutTabNoCommandIsAnsweredButShotsStillGoOut) {
  InstrumentOptions options;
  options.tab_present = false;
  Instrument instrument(options);
  for (const char command : std::string("ptnbBr")) instrument.Receive(command, milliseconds(0));
  EXPECT_FALSE(instrument.NextDue());
  EXPECT_FALSE(instrument.StoreShot(Shot(1000)));
  instrument.FireShot(Shot(1000), milliseconds(5));
  EXPECT_EQ(instrument.TakeDue(milliseconds(5)), "001000\r\n");
}

TEST(InstrumentTest, OtherBytesAreIgnored) {
  Instrument instrument;
  for (const char byte : std::string("xPT\r\n\0 ", 7)) instrument.Receive(byte, milliseconds(0));
  EXPECT_FALSE(instrument.NextDue());
}

TEST(InstrumentTest, SlowRepliesMissTheProgramsWaitsAndOutputKeepsTimeOrder) {
  InstrumentOptions options;
  options.delays.pointers = milliseconds(150);
  Instrument instrument(options);
  instrument.Receive('t', milliseconds(0));
  instrument.Receive('p', milliseconds(0));
  instrument.FireShot(Shot(42, 4), milliseconds(0));
  instrument.SendRaw("A", milliseconds(10));  // due together with the reply to "p"
  EXPECT_EQ(instrument.TakeDue(milliseconds(40)), "0042\r\nv3\r\nA");
  EXPECT_EQ(instrument.TakeDue(milliseconds(100)), "");  // the program has given up on "t"
  EXPECT_EQ(instrument.TakeDue(milliseconds(150)).size(), 16u);

  ReplyDelays delays;
  EXPECT_EQ(DelayFor(delays, 'B'), &delays.back);
  EXPECT_EQ(DelayFor(delays, 'n'), &delays.fire);
  EXPECT_EQ(DelayFor(delays, 'x'), nullptr);
}

TEST(InstrumentTest, DumpCountsThroughEveryByteValue) {
  Instrument instrument;
  instrument.SendDump(300, milliseconds(0));
  const std::string dump = instrument.TakeDue(milliseconds(0));
  ASSERT_EQ(dump.size(), 300u);
  EXPECT_EQ(static_cast<unsigned char>(dump[0]), 0);
  EXPECT_EQ(static_cast<unsigned char>(dump[255]), 255);
  EXPECT_EQ(static_cast<unsigned char>(dump[256]), 0);
}

}  // namespace
}  // namespace tarvik::sim
