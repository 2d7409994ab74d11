// The simulated instrument's model alone, without a pseudo-terminal or real time: its readings,
// its console's commands, its replies and the ring of its shot-memory tab.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "link/tab_counts.h"
#include "measure/shot.h"
#include "qm307sim/byte_text.h"
#include "qm307sim/instrument.h"
#include "qm307sim/reading.h"
#include "qm307sim/shot_tab.h"

namespace tarvik::sim {
namespace {

TEST(ReadingTest, ProgramReadsTheVelocityBackFromTheReadingOfEachMark) {
  for (const Mark mark : {Mark::kMark12, Mark::kMark3, Mark::kMark4}) {
    for (const double velocity : {50.0, 700.0, 5000.0}) {
      const Reading reading = *ReadingForVelocity(velocity, mark);
      const auto shot = MakeShot({static_cast<std::int32_t>(reading.count), reading.digits},
                                 kDefaultCalibration, 15.0);
      EXPECT_NEAR(shot.velocity, velocity, shot.velocity / reading.count) << velocity;
    }
  }
  EXPECT_EQ(ReadingText(*ReadingForVelocity(700.0, Mark::kMark4)), "0001125\r\n");
  // Mark 1/2 goes on to a fifth digit for slow shots and keeps four through zeros for fast ones.
  EXPECT_EQ(ReadingText(*ReadingForVelocity(50.0, Mark::kMark12)), "15687\r\n");
  EXPECT_EQ(ReadingText(*ReadingForVelocity(100000.0, Mark::kMark12)), "0008\r\n");
}

TEST(ReadingTest, VelocityIsRefusedWhenTheCountDoesNotFitTheMark) {
  // 99999.4 rounds to the largest five-digit count; a hair slower needs six digits.
  EXPECT_EQ(ReadingForVelocity(784333.0 / 99999.4, Mark::kMark12), (Reading{99999, 5}));
  std::string slow, fast;
  EXPECT_FALSE(ReadingForVelocity(784333.0 / 99999.6, Mark::kMark12, &slow));
  EXPECT_FALSE(ReadingForVelocity(2.0e6, Mark::kMark12, &fast));  // a count that rounds to 0
  EXPECT_TRUE(slow.find("too low") != std::string::npos &&
              fast.find("too high") != std::string::npos);
  // 0.7 fps on mark 3 needs seven digits (1117143).
  for (const double velocity : {0.7, 0.0, -700.0, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_FALSE(ReadingForVelocity(velocity, Mark::kMark3)) << velocity;
  }
}

TEST(ReadingTest, RawCountMustFitItsDigits) {
  EXPECT_EQ(ReadingText(*ReadingForCount(1234, 9)), "000001234\r\n");
  EXPECT_EQ(ReadingText(*ReadingForCount(0, 1)), "0\r\n");
  EXPECT_EQ(ReadingText(*ReadingForCount(999'999'999'999'999'999u, 18)), "999999999999999999\r\n");
  EXPECT_FALSE(ReadingForCount(1234, 3) || ReadingForCount(1, 0) || ReadingForCount(1, 19));
}

TEST(ByteTextTest, EveryByteSurvivesEscaping) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(UnescapeBytes(EscapeBytes(all)), all);
  EXPECT_EQ(EscapeBytes("1\r\n\x7F\\"), "1\\r\\n\\x7F\\\\");
}

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
  EXPECT_EQ(Ask(with_tab, std::string("xPT\r\n\0 ", 7), Millis(1000)), "");

  InstrumentOptions no_tab;
  no_tab.tab_present = false;
  Instrument without_tab(no_tab);
  EXPECT_EQ(Ask(without_tab, "ptnbBr", Millis(1000)), "");
  EXPECT_FALSE(without_tab.StoreShot(Shot(1000)));
  without_tab.FireShot(Shot(1000), Millis(5));  // live shots still go out
  EXPECT_EQ(without_tab.TakeDue(Millis(5)), "001000\r\n");
}

// At 9600 baud a byte takes about a millisecond: each output goes out byte by byte, in the order
// of its time, and one that is due while the line is busy waits for it; replies carry the tail
// the firmware adds.
TEST(InstrumentTest, APacedLineSendsByteByByteOneOutputAfterTheOther) {
  InstrumentOptions options;
  options.reply_tail = "\xFF~";
  options.byte_time = Millis(1);
  Instrument instrument(options);
  instrument.FireShot(Shot(1000), Millis(0));  // "001000\r\n", bytes at 0 to 7 ms
  instrument.Receive('p', Millis(0));          // "v3\r\n" + tail, due at 10 ms
  instrument.SendRaw("xy", Millis(3));         // due while the reading goes out
  EXPECT_EQ(instrument.TakeDue(Millis(2)), "001");
  EXPECT_EQ(instrument.NextDue(), Millis(3));
  EXPECT_EQ(instrument.TakeDue(Millis(9)), "000\r\nxy");  // the line was free at 8
  EXPECT_EQ(instrument.TakeDue(Millis(12)), "v3\r");
  EXPECT_EQ(instrument.TakeDue(Millis(100)), "\n\xFF~");
  EXPECT_FALSE(instrument.NextDue());
  // Noise never ends a line, and a seed gives the same noise again.
  const std::string noise = NoiseBytes(5000, 7);
  EXPECT_EQ(noise.size(), 5000u);
  EXPECT_EQ(noise.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(NoiseBytes(5000, 7), noise);
  EXPECT_NE(NoiseBytes(5000, 8), noise);
}

// The next and the empty pointer of the reply to "t", and what the program's tab group shows.
std::pair<int, int> Pointers(const ShotTab& tab) { return {tab.NextPointer(), tab.EmptyPointer()}; }
TabCounts ProgramCounts(const ShotTab& tab) {
  return CountTabShots(tab.NextPointer(), tab.EmptyPointer());
}

TEST(ShotTabTest, LiveShotsMovePointersAcrossTheWrapAndAFullRingGivesUpItsOldestShot) {
  ShotTab tab;
  for (int i = 0; i < 4095; ++i) tab.RecordFired(Shot(1000));
  EXPECT_EQ(Pointers(tab), std::pair(0x8000, 0x8000));
  EXPECT_EQ(tab.StepBack(1), 1u);  // back below the wrap: the flag goes with the position
  EXPECT_EQ(Pointers(tab), std::pair(0x0FFE, 0x8000));
  EXPECT_EQ(ProgramCounts(tab).buffered, 1);

  tab = ShotTab();
  for (std::uint64_t i = 0; i < kMaxBuffered + 3; ++i) tab.Store(Shot(i));
  EXPECT_EQ(tab.Buffered(), kMaxBuffered);
  EXPECT_EQ(tab.Previous(), 0u);  // the lost shots cannot be stepped back to
  EXPECT_EQ(tab.FireNext(), Shot(3));
  // Both pointers have wrapped, yet they differ, so the program sees the waiting shots.
  EXPECT_EQ(Pointers(tab), std::pair(0x0004, 0x8002));
  EXPECT_EQ(ProgramCounts(tab).buffered, kMaxBuffered - 1);
}

TEST(ShotTabTest, ProgramShowsTheWaitingShotsAndNeverFewerPreviousOnesThroughManyWraps) {
  ShotTab tab;
  std::mt19937 random(42);
  for (int step = 0; step < 60'000; ++step) {
    // Phases that fill the ring and phases that empty it, so both ends are crossed often.
    const bool filling = (step / 5000) % 2 == 0;
    const auto choice = random() % 100;
    if (choice < (filling ? 60u : 15u)) {
      tab.Store(Shot(1));
    } else if (choice < 75) {
      tab.RecordFired(Shot(2));
    } else if (choice < 95) {
      if (tab.FireNext() && !filling) tab.FireNext();  // twice while emptying
    } else {
      tab.StepBack(choice < 98 ? 1 : 10);
    }
    const TabCounts shown = ProgramCounts(tab);
    ASSERT_EQ(shown.buffered, tab.Buffered()) << "step " << step;
    ASSERT_GE(shown.previous, tab.Previous()) << "step " << step;
    ASSERT_TRUE(tab.stored() >= kTabPlaces || shown.previous == tab.Previous()) << "step " << step;
  }
  EXPECT_GT(tab.stored(), 3 * kTabPlaces);  // the run went round the ring several times
}

}  // namespace
}  // namespace tarvik::sim
