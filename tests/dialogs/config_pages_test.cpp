// The configuration sheet run from the main window's Set up, its pages played through the test's
// sheet: what is in force at once, what an apply writes, and what Cancel leaves.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "dialogs/main_window.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_dialog.h"
#include "doubles/fake_serial_port.h"
#include "doubles/memory_settings.h"
#include "doubles/quiet_services.h"
#include "doubles/recording_sound.h"
#include "res/config_templates.h"

namespace tarvik {
namespace {

using C = ConfigId;
using Strings = std::vector<std::string>;
using Sheet = testing::FakeWindows::FakeSheet;

class ConfigPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services_.store = SettingsStore(std::unique_ptr<SettingsBackend>(memory_));
    platform_.present = {"COM1", "COM2", "COM3"};
    window_.Initialize();
  }
  // Runs Set up with the user's part played by `user`.
  void RunSheet(std::function<void(PropertySheet&, Sheet&)> user) {
    services_.windows.sheet_script = std::move(user);
    window_.Command(static_cast<int>(MainWindowId::kSetUp), Notification::kMenu);
  }
  std::set<std::string> Written() const {
    std::set<std::string> names;
    for (const auto& [name, value] : memory_->values) names.insert(name);
    return names;
  }
  std::string Stored(std::string_view name) {
    return services_.store.ReadSettingText(name, "(none)");
  }

  testing::FakeSerialPlatform platform_;
  AppState state_{platform_};
  testing::FakeDialog view_;
  testing::FakeClock clock_;
  testing::MemorySettings* memory_ = new testing::MemorySettings;
  testing::QuietServices services_;
  MainWindow window_{view_, state_, services_.With(clock_)};
};

TEST_F(ConfigPagesTest, OkWithoutChangesWritesThePortTheUnitsAndTheCalibrationOnly) {
  RunSheet([](PropertySheet& sheet, Sheet& view) {
    EXPECT_EQ(view.pages[0].SelectedListText(static_cast<int>(C::kPortList)), "COM2");
    EXPECT_FALSE(view.apply_enabled);  // the page's own writes change nothing
    sheet.Ok();
  });
  EXPECT_EQ(services_.windows.opened, Strings{"Configuration"});
  EXPECT_EQ(Written(), (std::set<std::string>{"port name", "metric", "calibrate"}));
  EXPECT_EQ(Stored("Calibrate"), "100");
}

TEST_F(ConfigPagesTest, MissingPortIsReplacedAtOnceAndTheLinkReopensThereEvenAfterCancel) {
  platform_.present = {"COM1", "COM3"};
  state_.settings.port_name = "COM7";
  memory_->SetText("Port Name", "COM7");
  RunSheet([this](PropertySheet& sheet, Sheet& view) {
    EXPECT_EQ(view.pages[0].List(C::kPortList), (Strings{"COM1", "COM3"}));
    EXPECT_EQ(view.pages[0].SelectedListText(static_cast<int>(C::kPortList)), "COM1");
    EXPECT_TRUE(view.apply_enabled);
    EXPECT_EQ(state_.settings.port_name, "COM1");
    sheet.Cancel();
  });
  EXPECT_EQ(platform_.opened.back(), "COM1");
  EXPECT_EQ(Stored("Port Name"), "COM7");  // until a later apply
}

TEST_F(ConfigPagesTest, SwitchingUnitsRoundsTheLimitToTwoDecimalsOfTheUnitChosen) {
  RunSheet([](PropertySheet& sheet, Sheet& view) {
    testing::FakeDialog& page = view.pages[0];
    page.EchoTextChanges(C::kLimit, *sheet.page(0));
    EXPECT_EQ(page.Text(C::kLimit), "12.00");
    page.Click(C::kMetric, *sheet.page(0));
    EXPECT_EQ(page.Text(C::kLimit) + " " + page.Text(C::kLimitUnit), "16.27 joules");
    sheet.Ok();
  });
  EXPECT_NEAR(state_.settings.legal_limit, 16.27 / 1.3557, 1e-12);  // 12.00118
  EXPECT_TRUE(state_.settings.metric);
  EXPECT_EQ(Stored("Law"), "12.00");
  memory_->values.clear();
  // And back: exactly the limit in force again, so nothing is written for it.
  state_.settings.metric = false;
  state_.settings.legal_limit = 12.0;
  RunSheet([](PropertySheet& sheet, Sheet& view) {
    testing::FakeDialog& page = view.pages[0];
    page.EchoTextChanges(C::kLimit, *sheet.page(0));
    page.Click(C::kMetric, *sheet.page(0));
    page.Click(C::kMetric, *sheet.page(0));
    EXPECT_EQ(page.Text(C::kLimit), "12.00");
    sheet.Ok();
  });
  EXPECT_EQ(state_.settings.legal_limit, 12.0);
  EXPECT_FALSE(Written().contains("law"));
}

TEST_F(ConfigPagesTest, EmptyOrAbsurdLimitLeavesTheLimitAsItWas) {
  for (const char* typed : {"", "0", "1e400"}) {
    RunSheet([typed](PropertySheet& sheet, Sheet& view) {
      view.pages[0].Type(C::kLimit, typed, *sheet.page(0));
      sheet.Ok();
    });
    EXPECT_EQ(state_.settings.legal_limit, 12.0) << typed;
    EXPECT_FALSE(Written().contains("law")) << typed;
  }
}

TEST_F(ConfigPagesTest, TypedCalibrationIsInForceAtOnceAndStaysAfterCancel) {
  RunSheet([this](PropertySheet& sheet, Sheet& view) {
    view.pages[0].Type(C::kCalibration, "9", *sheet.page(0));
    EXPECT_EQ(state_.settings.calibration, 9);
    view.pages[0].Type(C::kCalibration, "95", *sheet.page(0));
    EXPECT_EQ(state_.settings.calibration, 95);
    sheet.Cancel();
  });
  EXPECT_EQ(state_.settings.calibration, 95);
  EXPECT_TRUE(Written().empty());
}

TEST_F(ConfigPagesTest, LogPageBrowseStartsFromTheHeldNameAndACancelShowsItAgain) {
  RunSheet([this](PropertySheet& sheet, Sheet& view) {
    sheet.SelectPage(1);
    testing::FakeDialog& page = view.pages[1];
    EXPECT_FALSE(view.apply_enabled);
    page.Type(C::kLogFile, "typed.log", *sheet.page(1));
    sheet.page(1)->Command(static_cast<int>(C::kBrowseLog), Notification::kClicked);
    EXPECT_EQ(page.Text(C::kLogFile), "Tarvik.log");
    services_.file_dialogs.choice = "/home/shooter/range.log";
    sheet.page(1)->Command(static_cast<int>(C::kBrowseLog), Notification::kClicked);
    page.Click(C::kUseLogging, *sheet.page(1));
    sheet.Ok();
  });
  EXPECT_EQ(services_.file_dialogs.asked, (Strings{"Tarvik.log", "Tarvik.log"}));
  EXPECT_EQ(services_.file_dialogs.titles.front(), "Select Log file");
  EXPECT_EQ(state_.settings.log_file, "/home/shooter/range.log");
  EXPECT_TRUE(state_.settings.logging);
  EXPECT_EQ(Stored("Log File") + " " + Stored("Logging"), "/home/shooter/range.log TRUE");
  EXPECT_FALSE(Written().contains("sound"));  // a page never shown is never applied
}

TEST_F(ConfigPagesTest, SoundPagePlaysTheFieldAsItStandsAndCancelKeepsTheSettings) {
  testing::RecordingSound sound;
  MainWindow window(view_, state_,
                    {services_.store, clock_, sound, services_.message_box, services_.files,
                     services_.viewer, services_.windows, services_.file_dialogs, services_.help});
  services_.windows.sheet_script = [](PropertySheet& sheet, Sheet& view) {
    sheet.SelectPage(2);
    view.pages[2].Type(C::kLegalSound, "new.wav", *sheet.page(2));
    sheet.page(2)->Command(static_cast<int>(C::kPlayLegal), Notification::kClicked);
    EXPECT_TRUE(view.apply_enabled);
    sheet.Cancel();
  };
  window.Command(static_cast<int>(MainWindowId::kSetUp), Notification::kMenu);
  EXPECT_EQ(sound.played, Strings{"new.wav"});
  EXPECT_EQ(state_.settings.sound_legal, "Airgun.wav");
}

}  // namespace
}  // namespace tarvik
