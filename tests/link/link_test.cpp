#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "doubles/fake_clock.h"
#include "doubles/fake_serial_port.h"
#include "link/chronoscope.h"
#include "link/line_queue.h"
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
  EXPECT_EQ(std::pair(SerialRead(failed.get(), buffer), SerialWrite(failed.get(), "n")),
            std::pair(0, 0));
  EXPECT_FALSE(ReadLine(failed.get(), buffer).answered) << "a read not made says nothing";
  EXPECT_EQ(platform.line->reads + platform.line->writes, 0);
  auto line = platform.line;
  CloseSerialLink(failed);
  EXPECT_TRUE(failed == nullptr && line->closed);

  platform.open_error = {};
  auto link = OpenSerialLink(platform, "COM2");
  platform.line->fail_reads = platform.line->fail_writes = true;
  EXPECT_EQ(std::pair(SerialRead(link.get(), buffer), SerialWrite(link.get(), "t")),
            std::pair(0, 0));
  EXPECT_FALSE(ReadLine(link.get(), buffer).answered) << "a failed read says nothing either";
  EXPECT_TRUE(link->open);
  platform.line->fail_reads = false;  // later calls try again
  const LineRead quiet = ReadLine(link.get(), buffer);
  EXPECT_TRUE(quiet.answered && quiet.count == 0);
  platform.line->to_program = std::string(25, 'x');
  EXPECT_EQ(SerialRead(link.get(), buffer), 10);
  EXPECT_EQ(platform.line->to_program, std::string(15, 'x'));
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

TEST(TabProtocolTest, RepliesAreFoundByTheirLayoutWhereverTheyStandButNotInAReading) {
  // Pointers are four hex digits of either case; other characters count as zero.
  EXPECT_EQ(std::tuple(ParseHex4("0FF0"), ParseHex4("80aF"), ParseHex4(" a!1")),
            std::tuple(0x0FF0, 0x80AF, 0x0A01));
  using At = std::optional<std::size_t>;
  struct Case {
    std::string_view read;
    bool after_digit;
    At version;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"x3\r", false, {}},                 // three bytes are no reply
           {"001234\r\nx3\r\n0012", false, 8},  // readings around it
           {"\xFFzzv3\r\n", false, 3},          // junk before it
           {"v3\r\nzz12", false, 0},            // and after it
           {"34\r\n", true, {}},                // the tail of a reading begun before
           {"34\r\n", false, 0},                // a line of two digits may be one
           {"1226\r\n", false, {}},             // a whole reading is none
           {"1226\r\nv3\r\n", true, 6},
       }) {
    EXPECT_EQ(FindVersionReply(c.read, c.after_digit), c.version)
        << ::testing::PrintToString(std::string(c.read));
  }
  EXPECT_EQ(FindPointerReply(" n:0005 e:000A\r"), At{});  // fifteen bytes
  EXPECT_EQ(FindPointerReply("1\r\n n:0FF0 e:8005\r\n4"), At{3});
  EXPECT_EQ(FindPointerReply("zz n:0010 e:0010\r\nzz"), At{2});
  // The reset's reply needs "K" before any zero byte.
  EXPECT_TRUE(ResetReplySaysDone("OK\r\n"));
  EXPECT_FALSE(ResetReplySaysDone(std::string_view("O\0K\r\n", 5)) || ResetReplySaysDone(""));
}

using Readings = std::vector<Reading>;

// The chronoscope on the simulated instrument's model, on the test's clock.
class ChronoscopeTest : public ::testing::Test {
 protected:
  ChronoscopeTest() { chronoscope_.OpenLink("COM2"); }
  void Send(std::string bytes, std::int64_t at) {
    instrument_.instrument.SendRaw(std::move(bytes), sim::Millis(at));
  }
  void SetOptions(const std::function<void(sim::InstrumentOptions&)>& change) {
    sim::InstrumentOptions options = instrument_.instrument.options();
    change(options);
    instrument_.instrument.set_options(options);
  }
  // Looks at the port every 20 ms for `ms`, as the main window's timer does.
  Readings Poll(int ms) {
    Readings readings;
    for (const std::int64_t end = clock_.NowMs() + ms; clock_.NowMs() < end;) {
      clock_.SleepMs(20);
      for (const Reading& reading : chronoscope_.Poll(clock_.NowMs())) readings.push_back(reading);
    }
    return readings;
  }
  Readings Query(bool expect_answer = true) {
    TabStatus status;
    auto [answered, readings] = chronoscope_.QueryTab(clock_, status);
    EXPECT_EQ(answered, expect_answer) << "at " << clock_.NowMs();
    return readings;
  }

  testing::FakeClock clock_;
  testing::SimulatedPlatform instrument_{clock_};
  Chronoscope chronoscope_{instrument_};
};

TEST_F(ChronoscopeTest, ExchangesPassOnEverythingButTheReplyAndWhatCameWithIt) {
  // A reading that waited before the question is no reply; the query goes on.
  Send("001234\r\n", 0);
  EXPECT_EQ(Query(), (Readings{{1234, 6}}));
  // Firmware that adds bytes after its replies is answered every time, and a reading right
  // after such a reply is whole.
  SetOptions([](sim::InstrumentOptions& options) { options.reply_tail = "\xFF?"; });
  for (int i = 0; i < 3; ++i) {
    Send("001000\r\n", clock_.NowMs() + 70);  // right behind the pointer reply and its tail
    EXPECT_EQ(Query(), (Readings{{1000, 6}})) << i;
    Send("002000\r\n", clock_.NowMs() + 5);  // and in the next
    EXPECT_EQ(Poll(20), (Readings{{2000, 6}})) << i;
  }
  // Junk before a reply in the same read.
  Send("\x80\x81", clock_.NowMs() + 5);
  EXPECT_EQ(Query(), Readings{});
  // The reset and the steps back hand on the readings among their replies.
  Send("002000\r\n", clock_.NowMs() + 20);
  auto [outcome, readings] = chronoscope_.ResetTab(clock_);
  EXPECT_EQ(outcome, ResetOutcome::kReset);
  EXPECT_EQ(readings, (Readings{{2000, 6}}));
  Send("003000\r\n", clock_.NowMs() + 12);
  EXPECT_EQ(chronoscope_.StepTabBack(clock_, "b"), (Readings{{3000, 6}}));
  EXPECT_EQ(instrument_.written, "ptptptptptrb");

  chronoscope_.CloseLink();  // a link that is not open asks nothing
  Query(false);
  EXPECT_EQ(chronoscope_.ResetTab(clock_).result, ResetOutcome::kNoLink);
  EXPECT_EQ(instrument_.written, "ptptptptptrb");
}

// Without a tab nothing answers "p": a reading's tail arriving in the wait, after a head that the
// timer took or that waited before the question, is handed on and completes the reading.
TEST_F(ChronoscopeTest, AReadingCutByTheQuestionIsNoReplyWhereverItsHeadWas) {
  SetOptions([](sim::InstrumentOptions& options) { options.tab_present = false; });
  for (const bool head_taken : {true, false}) {
    Send("0012", clock_.NowMs());
    if (head_taken) {
      EXPECT_TRUE(chronoscope_.Poll(clock_.NowMs()).empty());
    }
    Send("34\r\n", clock_.NowMs() + 5);
    EXPECT_EQ(Query(false), (Readings{{1234, 6}})) << head_taken;
  }
}

// A stray byte, the head of a reading whose tail never came or the end of something else is over
// once the line has been quiet: the next whole reading is a shot, whenever it comes. Bytes that
// come without such a pause go on with their line.
TEST_F(ChronoscopeTest, QuietLineEndsWhatCameBeforeButNoReadingIsSplitOrMadeUp) {
  struct Case {
    std::string_view what;
    std::vector<std::pair<std::string, int>> sent;  // bytes and when, from the case's start
    Readings expected;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"noise, then quiet", {{"\xFF", 0}, {"1226\r\n", 50}}, {{1226, 4}}},
           {"a stray letter", {{"x", 0}, {"1226\r\n", 500}}, {{1226, 4}}},
           {"a cut reading", {{"0012", 0}, {"001234\r\n", 45}}, {{1234, 6}}},
           {"the end of a dump",
            {{sim::DumpBytes(300).substr(150), 0}, {"5678\r", 60}},
            {{5678, 4}}},
           {"noise inside a burst", {{"12a34\r\n", 0}}, {}},
           {"noise right before", {{"x", 0}, {"1226\r\n", 1}}, {}},
           {"a late version reply", {{"v3\r\n", 0}}, {}},
           // Cut by the read 15 ms after the case's start, the rest a millisecond behind it.
           {"a pointer reply cut by a read", {{" n:0010 e:", 14}, {"0010\r\n", 16}}, {}},
           {"a reading cut by a read", {{"00", 15}, {"1234\r\n", 16}}, {{1234, 6}}},
       }) {
    const std::int64_t start = clock_.NowMs() + 5;
    for (const auto& [bytes, at] : c.sent) Send(bytes, start + at);
    EXPECT_EQ(Poll(600), c.expected) << c.what;
  }
}

// Bytes after a reply came with it only when no quiet line stands between: after a quiet line
// they are noise, and the digits behind them on their line are no reading. A tail holding a line
// end is no version reply either.
TEST_F(ChronoscopeTest, WhatFollowsAReplyAfterAQuietLineIsNoPartOfIt) {
  Send(
      "\xB3"
      "1226\r\n",
      clock_.NowMs() + 35);  // the version reply came at 10
  Readings readings = Query();
  for (const Reading& reading : Poll(100)) readings.push_back(reading);
  EXPECT_EQ(readings, Readings{});
  SetOptions([](sim::InstrumentOptions& options) { options.reply_tail = "\xFF\r\n"; });
  TabStatus status;
  EXPECT_TRUE(chronoscope_.QueryTab(clock_, status).result);
  EXPECT_EQ(status.version, '3');
}

// While the program waits in an exchange it listens to the line: a stray byte and a reading that
// both arrive inside one wait, after the pointer reply, are read together, yet the quiet between
// them is known.
TEST_F(ChronoscopeTest, QuietInsideAnExchangesWaitIsHeardToo) {
  for (const int noise_at : {71, 78, 85, 99}) {
    const std::int64_t asked = clock_.NowMs();
    Send("7\xFF", asked + noise_at);
    Send("001226\r\n", asked + noise_at + 40);
    Readings readings = Query();
    for (const Reading& reading : Poll(100)) readings.push_back(reading);
    EXPECT_EQ(readings, (Readings{{1226, 6}})) << noise_at;
  }
}

// What was listened to is taken in the order it came, in parts of any size, each quiet moment
// before the byte it preceded, and a quiet moment after the last byte waits for the next.
TEST(LineQueueTest, PartsTakenKeepTheQuietMomentsInTheirPlaces) {
  LineQueue queue;
  queue.Add("x");
  queue.AddQuiet();
  queue.AddQuiet();  // once is enough
  queue.Add("1226\r\n");
  queue.AddQuiet();
  const LineBytes head = queue.Take(3);
  EXPECT_EQ(head.bytes, "x12");
  EXPECT_EQ(head.quiet_before, std::vector<std::size_t>{1});
  const LineBytes rest = queue.Take(100);
  EXPECT_EQ(rest.bytes, "26\r\n");
  EXPECT_EQ(rest.quiet_before, std::vector<std::size_t>{4}) << "the quiet after the last byte";
  EXPECT_TRUE(queue.empty());
  queue.AddQuiet();
  EXPECT_FALSE(queue.empty()) << "quiet waits for the bytes that follow it";
  queue.Add("5");
  EXPECT_EQ(queue.Take(0).bytes, "");
  EXPECT_EQ(queue.Take(1).quiet_before, std::vector<std::size_t>{0});
}

TEST(ChronoscopeReadTest, AReadThatFailedIsNoQuietLine) {
  testing::FakeSerialPlatform platform;
  Chronoscope chronoscope(platform);
  chronoscope.OpenLink("COM2");
  platform.line->to_program = "0012";
  EXPECT_EQ(chronoscope.Poll(0), Readings{});
  platform.line->fail_reads = true;
  for (int now = 20; now <= 200; now += 20) chronoscope.Poll(now);
  platform.line->fail_reads = false;
  platform.line->to_program = "34\r";
  EXPECT_EQ(chronoscope.Poll(220), (Readings{{1234, 6}}));
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

TEST_F(ShotDecoderTest, EndingOrSpoilingTheLineInProgressDecidesWhatFollows) {
  EXPECT_EQ(Feed("0012"), Readings{});
  EXPECT_TRUE(decoder_.AfterDigit());
  decoder_.EndLine();  // the line was quiet: its rest never comes
  EXPECT_FALSE(decoder_.AfterDigit());
  EXPECT_EQ(Feed("34\r"), (Readings{{34, 2}}));
  EXPECT_EQ(Feed("x12"), Readings{});
  EXPECT_TRUE(decoder_.AfterDigit()) << "digits of a spoiled line may still go on";
  decoder_.EndLine();
  EXPECT_EQ(Feed("1226\r"), (Readings{{1226, 4}}));
  decoder_.SpoilLine();  // what follows goes on with a line the decoder did not see
  EXPECT_EQ(Feed("34\r"), Readings{});
  EXPECT_EQ(Feed("1226\r"), (Readings{{1226, 4}}));
}

}  // namespace
}  // namespace tarvik
