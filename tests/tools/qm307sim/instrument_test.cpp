#include "qm307sim/instrument.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tarvik::sim {
namespace {

Reading Shot(std::uint64_t count, int digits = 6) { return *ReadingForCount(count, digits); }

// The computer sends `commands` at time 0; returns what the instrument has sent by `now`.
std::string Ask(Instrument& instrument, std::string_view commands, Millis now) {
  for (const char command : commands) instrument.Receive(command, Millis(0));
  return instrument.TakeDue(now);
}

TEST(InstrumentTest, FireBackResetAndPointersReplyAndActOnTheTab) {
  Instrument instrument;
  for (int i = 0; i < 12; ++i) instrument.FireShot(Shot(1000), Millis(0));
  instrument.StoreShot(Shot(1234));
  instrument.TakeDue(Millis(0));
  EXPECT_EQ(Ask(instrument, "nn", Millis(20)), "001234\r\n");  // one shot waited for "n"
  EXPECT_FALSE(instrument.NextDue());
  // "b" steps back 1 and "B" 10. The pointers' reply has 16 bytes: "n:" at 1-2, "e:" at 8-9,
  // CR LF at 14-15, the pointers in capital hex.
  EXPECT_EQ(Ask(instrument, "btBt", Millis(30)), "b\r\nB\r\n n:000C e:000D\r\n n:0002 e:000D\r\n");
  EXPECT_EQ(Ask(instrument, "rt", Millis(30)), "OK\r\n n:0000 e:0000\r\n");
}

TEST(InstrumentTest, OnlyTheTabsCommandsAreAnsweredAndOnlyWithATab) {
  Instrument with_tab;
  for (const char byte : std::string("xPT\r\n\0 ", 7)) with_tab.Receive(byte, Millis(0));
  EXPECT_FALSE(with_tab.NextDue());

  InstrumentOptions options;
  options.tab_present = false;
  Instrument without_tab(options);
  for (const char command : std::string("ptnbBr")) without_tab.Receive(command, Millis(0));
  EXPECT_FALSE(without_tab.NextDue());
  EXPECT_FALSE(without_tab.StoreShot(Shot(1000)));
  without_tab.FireShot(Shot(1000), Millis(5));  // live shots still go out
  EXPECT_EQ(without_tab.TakeDue(Millis(5)), "001000\r\n");
}

TEST(InstrumentTest, RepliesComeAfterTheirDelaysAndSlowOnesMissTheProgramsWaits) {
  InstrumentOptions options;
  options.version_char = 'X';
  options.delays.pointers = Millis(150);
  Instrument instrument(options);
  EXPECT_EQ(Ask(instrument, "tp", Millis(9)), "");
  EXPECT_EQ(instrument.NextDue(), Millis(10));
  instrument.FireShot(Shot(42, 4), Millis(9));
  instrument.SendRaw("A", Millis(10));  // due together with the reply to "p"
  EXPECT_EQ(instrument.TakeDue(Millis(40)), "0042\r\nvX\r\nA");
  EXPECT_EQ(instrument.TakeDue(Millis(100)), "");  // the program has given up on "t"
  EXPECT_EQ(instrument.TakeDue(Millis(150)).size(), 16u);
}

}  // namespace
}  // namespace tarvik::sim
