#include "app/instrument_poll.h"

#include <gtest/gtest.h>

#include "app/console_report.h"
#include "app/text_view.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_serial_port.h"
#include "doubles/recording_sound.h"

namespace tarvik {
namespace {

class InstrumentPollTest : public ::testing::Test {
 protected:
  void SetUp() override { state_.current_link = OpenSerialLink(platform_, "COM2"); }

  testing::FakeSerialPlatform platform_;
  AppState state_;
  TextView view_;
  PendingShotHooks hooks_;
  testing::FakeClock clock_;
  testing::RecordingSound sound_;
  ShotContext context_ = MakeShotContext(state_, view_, hooks_, clock_, sound_);
};

TEST_F(InstrumentPollTest, ReadingSplitOverPollsBecomesOneShot) {
  EXPECT_FALSE(PollInstrument(state_, context_));  // nothing arrived
  platform_.line->to_program = "0012";
  EXPECT_FALSE(PollInstrument(state_, context_));
  platform_.line->to_program = "34\r\n";
  EXPECT_TRUE(PollInstrument(state_, context_));
  EXPECT_EQ(state_.series.count(), 1);
  EXPECT_EQ(state_.receive_buffer.fill, 0);
  EXPECT_EQ(ShotReportLine(view_, false),
            "Shot  633.71 fps   13.35 ft.lbs  Mk 3  count 1234  |  shots 1  average  633.71 fps"
            "   13.35 ft.lbs");
}

TEST_F(InstrumentPollTest, MoreThanTheBufferHoldsIsTakenOverSeveralPolls) {
  std::string burst;
  for (int i = 0; i < 40; ++i) burst += "001234\r\n";  // 320 bytes
  platform_.line->to_program = burst;
  EXPECT_TRUE(PollInstrument(state_, context_));
  EXPECT_EQ(state_.series.count(), 25);  // the first 200 bytes
  EXPECT_TRUE(PollInstrument(state_, context_));
  EXPECT_EQ(state_.series.count(), 40);
}

TEST_F(InstrumentPollTest, LinkNotOpenReadsNothing) {
  platform_.open_error = {2, "No such file or directory"};
  state_.current_link = OpenSerialLink(platform_, "COM9");
  EXPECT_FALSE(PollInstrument(state_, context_));
  state_.current_link.reset();
  EXPECT_FALSE(PollInstrument(state_, context_));
}

}  // namespace
}  // namespace tarvik
