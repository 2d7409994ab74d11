#include "link/shot_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "doubles/event_log.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_dialog_view.h"
#include "doubles/recording_shot_hooks.h"
#include "doubles/recording_sound.h"
#include "link/hardware_mark.h"
#include "measure/units.h"
#include "res/main_window_ids.h"

namespace tarvik {
namespace {

using testing::EventLog;
using testing::FakeClock;
using testing::FakeDialogView;
using testing::RecordingShotHooks;
using testing::RecordingSound;

class ShotDecoderTest : public ::testing::Test {
 protected:
  // Feeds the characters as one read and decodes them.
  bool Feed(std::string_view received) {
    EXPECT_EQ(buffer_.Append(received), static_cast<std::int32_t>(received.size()));
    const bool completed = DecodeReceived(buffer_, decoder_, context_);
    EXPECT_EQ(buffer_.fill, 0);
    return completed;
  }

  std::string Text(int id) const { return view_.Text(id); }

  EventLog events_;
  AppSettings settings_;
  LastShot last_shot_;
  ShotSeries series_;
  ReceiveBuffer buffer_;
  DecoderState decoder_;
  FakeDialogView view_{&events_};
  RecordingShotHooks hooks_{&events_};
  FakeClock clock_{&events_};
  RecordingSound sound_{&events_};
  ShotContext context_{settings_, last_shot_, series_, view_, hooks_, clock_, sound_};
};

TEST_F(ShotDecoderTest, WorkedExampleEndToEnd) {
  // The texts and their order are checked by StepsRunInTheirFixedOrder; here, the values.
  EXPECT_TRUE(Feed("001234\r\n"));
  EXPECT_DOUBLE_EQ(last_shot_.velocity, (789800.0 - 7800.0) / 1234.0);
  EXPECT_DOUBLE_EQ(last_shot_.energy, 633.0 * 633.0 * 15.0 / 450240.0);
  ASSERT_EQ(hooks_.log_lines.size(), 1u);
  EXPECT_DOUBLE_EQ(hooks_.log_lines[0].first, last_shot_.velocity);
  EXPECT_DOUBLE_EQ(hooks_.log_lines[0].second, last_shot_.energy);
  ASSERT_EQ(series_.count(), 1);
  EXPECT_DOUBLE_EQ(series_.at(0), last_shot_.velocity);  // unrounded
  EXPECT_TRUE(sound_.played.empty());                    // sound is off by default
  EXPECT_EQ(clock_.slept_ms(), 0);
}

TEST_F(ShotDecoderTest, StepsRunInTheirFixedOrder) {
  settings_.sound = true;
  Feed("001234\r");
  const std::vector<std::string> expected = {
      "text 120=1234",    "text 110= 633.71",    "setting FPS= 633.71", "text 196=3",
      "text 140=  13.35", "setting PDS=  13.35", "big display",         "log 633.71,13.35",
      "text 160=1",       "menu 30 on",          "menu 31 on",          "text 170= 633.71",
      "text 180=  13.35", "statistics",          "sleep 200",           "play Blurp.wav"};
  EXPECT_EQ(events_.events, expected);
}

TEST_F(ShotDecoderTest, MetricChangesOnlyTheShownTexts) {
  settings_.metric = true;
  Feed("001234\r\n");
  EXPECT_EQ(Text(ids::kLastVelocity), " 193.16");
  EXPECT_EQ(Text(ids::kLastEnergy), "  18.10");
  EXPECT_EQ(hooks_.settings["FPS"], " 633.71");
  EXPECT_EQ(hooks_.settings["PDS"], "  13.35");
  EXPECT_NEAR(hooks_.log_lines[0].first, 633.7115, 1e-4);
  EXPECT_NEAR(series_.at(0), 633.7115, 1e-4);
  EXPECT_NEAR(last_shot_.energy, 13.3492, 1e-4);
}

TEST_F(ShotDecoderTest, ReadingSplitAcrossReadsIsAssembledWhole) {
  EXPECT_FALSE(Feed("12"));
  EXPECT_FALSE(view_.HasText(ids::kCounts));
  EXPECT_TRUE(Feed("34\r"));
  EXPECT_EQ(Text(ids::kCounts), "1234");
  EXPECT_EQ(Text(ids::kMark), "1/2");
  EXPECT_DOUBLE_EQ(last_shot_.velocity, (792133.0 - 7800.0) / 1234.0);
  EXPECT_FALSE(Feed("\n"));  // the line feed changes nothing
  EXPECT_EQ(series_.count(), 1);
}

TEST_F(ShotDecoderTest, NonDigitAbandonsTheDigitsBeforeIt) {
  EXPECT_TRUE(Feed("12a34\r"));
  EXPECT_EQ(Text(ids::kCounts), "34");
  EXPECT_EQ(Text(ids::kMark), "4");
  EXPECT_DOUBLE_EQ(last_shot_.velocity, (795300.0 - 7800.0) / 34.0);
  EXPECT_EQ(series_.count(), 1);
}

TEST_F(ShotDecoderTest, HighBytesAndLineFeedsResetAReading) {
  EXPECT_FALSE(
      Feed("12\x80"
           "\r"));
  EXPECT_FALSE(Feed("12\n\r"));
  EXPECT_EQ(series_.count(), 0);
}

TEST_F(ShotDecoderTest, CarriageReturnWithoutACountIsNoReading) {
  EXPECT_FALSE(Feed("\r"));
  EXPECT_FALSE(Feed("0000\r\n"));
  EXPECT_TRUE(events_.events.empty());
  EXPECT_EQ(series_.count(), 0);
  EXPECT_EQ(last_shot_.velocity, 1234.0);  // untouched default
  EXPECT_TRUE(hooks_.settings.empty());
  EXPECT_TRUE(hooks_.log_lines.empty());
}

TEST_F(ShotDecoderTest, TwoReadingsInOneBufferGiveTwoShotsInOrder) {
  EXPECT_TRUE(Feed("\r1234\r\n001000\r\n"));
  ASSERT_EQ(series_.count(), 2);
  EXPECT_DOUBLE_EQ(series_.at(0), (792133.0 - 7800.0) / 1234.0);
  EXPECT_DOUBLE_EQ(series_.at(1), (789800.0 - 7800.0) / 1000.0);
  EXPECT_EQ(hooks_.log_lines.size(), 2u);
  EXPECT_EQ(hooks_.statistics_notices, 2);
  EXPECT_EQ(Text(ids::kCounts), "1000");
  EXPECT_EQ(Text(ids::kMark), "3");
}

TEST_F(ShotDecoderTest, DigitCountTellsTheMark) {
  struct Case {
    const char* reading;
    const char* label;
    double constant;
  };
  const Case cases[] = {{"999\r", "4", 795300.0},     {"0999\r", "1/2", 792133.0},
                        {"00999\r", "1/2", 792133.0}, {"000999\r", "3", 789800.0},
                        {"0000999\r", "4", 795300.0}, {"9\r", "4", 795300.0}};
  settings_.calibration = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reading);
    ASSERT_TRUE(Feed(c.reading));
    EXPECT_EQ(Text(ids::kMark), c.label);
    EXPECT_DOUBLE_EQ(last_shot_.velocity, c.constant / ParseDecimal(c.reading));
  }
}

TEST_F(ShotDecoderTest, CalibrationIsSubtractedSeventyEightFold) {
  settings_.calibration = 100;
  Feed("1000\r");
  EXPECT_DOUBLE_EQ(last_shot_.velocity, (792133.0 - 7800.0) / 1000.0);
  settings_.calibration = 0;
  Feed("1000\r");
  EXPECT_DOUBLE_EQ(last_shot_.velocity, 792.133);
  settings_.calibration = -50;
  Feed("1000\r");
  EXPECT_DOUBLE_EQ(last_shot_.velocity, (792133.0 + 3900.0) / 1000.0);
}

TEST_F(ShotDecoderTest, ExtremeCalibrationIsExactAndDoesNotOverflow) {
  settings_.calibration = std::numeric_limits<std::int32_t>::min();
  Feed("1\r");
  EXPECT_DOUBLE_EQ(last_shot_.velocity, 795300.0 + 2147483648.0 * 78.0);
  settings_.calibration = std::numeric_limits<std::int32_t>::max();
  Feed("1\r");
  EXPECT_DOUBLE_EQ(last_shot_.velocity, 795300.0 - 2147483647.0 * 78.0);
  EXPECT_LT(last_shot_.velocity, 0.0);
}

TEST_F(ShotDecoderTest, EnergyUsesTheFlooredVelocity) {
  // 784.333... fps: a count of 1000 at mark 1/2 with a calibration giving K = 784333.
  settings_.calibration = (792133 - 784333) / 78;
  Feed("1000\r");
  EXPECT_DOUBLE_EQ(last_shot_.velocity, 784.333);
  EXPECT_DOUBLE_EQ(last_shot_.energy, 784.0 * 784.0 * 15.0 / 450240.0);
  EXPECT_EQ(Text(ids::kLastEnergy), "  20.48");
}

TEST_F(ShotDecoderTest, SoundPicksLegalBelowTheLimitAndFacAtOrAboveIt) {
  settings_.sound = true;
  const double energy = 633.0 * 633.0 * 15.0 / 450240.0;  // the worked example's shot
  settings_.legal_limit = std::nextafter(energy, 100.0);
  Feed("001234\r");
  settings_.legal_limit = energy;
  Feed("001234\r");
  settings_.legal_limit = std::nextafter(energy, 0.0);
  Feed("001234\r");
  EXPECT_EQ(sound_.played, (std::vector<std::string>{"Airgun.wav", "Blurp.wav", "Blurp.wav"}));
  EXPECT_EQ(clock_.slept_ms(), 600);
}

TEST_F(ShotDecoderTest, LayoutWithoutTheCountFieldSkipsIt) {
  view_.RemoveControl(ids::kCounts);
  EXPECT_TRUE(Feed("001234\r"));
  EXPECT_FALSE(view_.HasText(ids::kCounts));
  EXPECT_EQ(Text(ids::kLastVelocity), " 633.71");
  EXPECT_EQ(series_.count(), 1);
}

TEST_F(ShotDecoderTest, ReadingBeyondThirtyTwoBitsYieldsNoShot) {
  EXPECT_FALSE(Feed("2147483648\r"));
  EXPECT_FALSE(Feed("99999999999999999999\r"));
  EXPECT_EQ(series_.count(), 0);
  // The largest count still decodes, and leading zeros never overflow.
  EXPECT_TRUE(Feed("2147483647\r"));
  EXPECT_TRUE(Feed(std::string(150, '0') + "1234\r"));
  EXPECT_EQ(Text(ids::kMark), "4");
  EXPECT_EQ(Text(ids::kCounts), "1234");
  EXPECT_EQ(series_.count(), 2);
  // An overlong reading does not spoil the next one.
  EXPECT_TRUE(Feed("12345678901\r1234\r"));
  EXPECT_EQ(series_.count(), 3);
  EXPECT_EQ(Text(ids::kCounts), "1234");
}

TEST_F(ShotDecoderTest, AbsurdWeightIsShownAsOverflowAndNotStored) {
  settings_.weight = 1e300;
  Feed("001234\r");
  EXPECT_EQ(Text(ids::kLastEnergy), kOverflowText);
  EXPECT_EQ(hooks_.settings.count("PDS"), 0u);
  EXPECT_EQ(hooks_.settings["FPS"], " 633.71");
  EXPECT_EQ(series_.count(), 1);
}

// An independent reading of the byte stream: the counts and digit numbers of the readings
// that must become shots.
struct ExpectedShot {
  std::int64_t count;
  int digits;
};
std::vector<ExpectedShot> ReferenceReadings(const std::string& stream) {
  std::vector<ExpectedShot> shots;
  std::int64_t value = 0;
  int digits = 0;
  bool too_large = false;
  for (unsigned char c : stream) {
    if (c >= '0' && c <= '9') {
      ++digits;
      if (!too_large) value = value * 10 + (c - '0');
      if (value > 2147483647) too_large = true;
      continue;
    }
    if (c == '\r' && value != 0 && !too_large) shots.push_back({value, digits});
    value = 0;
    digits = 0;
    too_large = false;
  }
  return shots;
}

TEST_F(ShotDecoderTest, RandomByteStreamOnlyYieldsShotsThatFollowTheFormulas) {
  std::mt19937 random(20261206);
  // Mostly digits and carriage returns, so that many readings complete; any byte can appear.
  std::uniform_int_distribution<int> kind(0, 99);
  std::uniform_int_distribution<int> any_byte(0, 255);
  std::uniform_int_distribution<int> digit('0', '9');
  std::string stream;
  for (int i = 0; i < 200000; ++i) {
    const int k = kind(random);
    stream += static_cast<char>(k < 80 ? digit(random) : k < 92 ? '\r' : any_byte(random));
  }
  settings_.calibration = 37;
  settings_.weight = 8.4;

  std::size_t offset = 0;
  std::uniform_int_distribution<int> read_size(1, ReceiveBuffer::kSize);
  while (offset < stream.size()) {
    const std::size_t n = std::min<std::size_t>(read_size(random), stream.size() - offset);
    Feed(std::string_view(stream).substr(offset, n));
    offset += n;
  }

  const std::vector<ExpectedShot> expected = ReferenceReadings(stream);
  ASSERT_GT(expected.size(), 1000u);
  ASSERT_EQ(static_cast<std::size_t>(series_.count()), expected.size());
  ASSERT_EQ(hooks_.log_lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const double k = TimingConstant(MarkForDigits(expected[i].digits));
    const double velocity = (k - 37.0 * 78.0) / static_cast<double>(expected[i].count);
    ASSERT_EQ(series_.at(static_cast<std::int32_t>(i)), velocity) << "shot " << i;
    ASSERT_EQ(hooks_.log_lines[i].second,
              std::floor(velocity) * std::floor(velocity) * 8.4 / 450240.0)
        << "shot " << i;
  }
}

}  // namespace
}  // namespace tarvik
