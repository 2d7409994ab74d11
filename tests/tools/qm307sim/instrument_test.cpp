#include "qm307sim/instrument.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik::sim {
namespace {

using std::chrono::milliseconds;

Reading Shot(std::uint64_t count, int digits = 6) { return *ReadingForCount(count, digits); }

TEST(InstrumentTest, PointerReplyLayout) {
  // 16 bytes: "n:" at 1-2, "e:" at 8-9, CR LF at 14-15.
  EXPECT_EQ(PointerReply(0xABCD, 0x0F01), " n:ABCD e:0F01\r\n");
}

TEST(InstrumentTest, FireBackAndResetReplyAndActOnTheTab) {
  Instrument instrument;
  for (int i = 0; i < 12; ++i) instrument.FireShot(Shot(1000), milliseconds(0));
  instrument.StoreShot(Shot(1234, 6));
  instrument.TakeDue(milliseconds(0));

  instrument.Receive('n', milliseconds(0));
  EXPECT_EQ(instrument.TakeDue(milliseconds(20)), "001234\r\n");
  instrument.Receive('n', milliseconds(0));  // nothing waits: no reply
  EXPECT_FALSE(instrument.NextDue());

  instrument.Receive('b', milliseconds(0));
  EXPECT_EQ(instrument.TakeDue(milliseconds(10)), "b\r\n");
  EXPECT_EQ(instrument.tab().NextPointer(), 12);
  instrument.Receive('B', milliseconds(0));
  EXPECT_EQ(instrument.TakeDue(milliseconds(10)), "B\r\n");
  EXPECT_EQ(instrument.tab().NextPointer(), 2);

  instrument.Receive('r', milliseconds(0));
  EXPECT_EQ(instrument.TakeDue(milliseconds(10)), "OK\r\n");
  EXPECT_EQ(instrument.tab().EmptyPointer(), 0);
  EXPECT_EQ(instrument.tab().NextPointer(), 0);
}

TEST(InstrumentTest, OnlyTheTabsCommandsAreAnsweredAndOnlyWithATab) {
  Instrument with_tab;
  for (const char byte : std::string("xPT\r\n\0 ", 7)) with_tab.Receive(byte, milliseconds(0));
  EXPECT_FALSE(with_tab.NextDue());

  InstrumentOptions options;
  options.tab_present = false;
  Instrument without_tab(options);
  for (const char command : std::string("ptnbBr")) without_tab.Receive(command, milliseconds(0));
  EXPECT_FALSE(without_tab.NextDue());
  EXPECT_FALSE(without_tab.StoreShot(Shot(1000)));
  // Live shots still go out.
  without_tab.FireShot(Shot(1000), milliseconds(5));
  EXPECT_EQ(without_tab.TakeDue(milliseconds(5)), "001000\r\n");
}

TEST(InstrumentTest, RepliesComeAfterTheirDelaysAndSlowOnesMissTheProgramsWaits) {
  InstrumentOptions options;
  options.version_char = 'X';
  options.delays.pointers = milliseconds(150);
  Instrument instrument(options);
  instrument.Receive('t', milliseconds(0));
  instrument.Receive('p', milliseconds(0));
  EXPECT_EQ(instrument.NextDue(), milliseconds(10));
  EXPECT_EQ(instrument.TakeDue(milliseconds(9)), "");
  instrument.FireShot(Shot(42, 4), milliseconds(9));
  instrument.SendRaw("A", milliseconds(10));  // due together with the reply to "p"
  EXPECT_EQ(instrument.TakeDue(milliseconds(40)), "0042\r\nvX\r\nA");
  EXPECT_EQ(instrument.TakeDue(milliseconds(100)), "");  // the program has given up on "t"
  EXPECT_EQ(instrument.TakeDue(milliseconds(150)).size(), 16u);
}

}  // namespace
}  // namespace tarvik::sim
