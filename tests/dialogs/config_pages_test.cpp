// The configuration sheet run from the main window's Set up, its pages played through the test's
// sheet: what is in force at once, what an apply writes, and what Cancel leaves.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "doubles/quiet_services.h"
#include "res/config_templates.h"

namespace tarvik {
namespace {

using C = ConfigId;
using Strings = std::vector<std::string>;
using Sheet = testing::FakeWindows::FakeSheet;

class ConfigPagesTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    platform_.present = {"COM1", "COM2", "COM3"};
    window_.Initialize();
  }
  // Runs Set up with the user's part played by `user`.
  void RunSheet(testing::FakeWindows::SheetScript user) {
    services_.windows.sheet_script = std::move(user);
    Command(MainWindowId::kSetUp);
  }
  bool Written(const char* folded_name) const { return memory_->values.contains(folded_name); }
};

TEST_F(ConfigPagesTest, OkWithoutChangesWritesThePortTheUnitsAndTheCalibrationOnly) {
  RunSheet([](PropertySheet& sheet, Sheet& view) {
    EXPECT_EQ(view.pages[0].SelectedListText(static_cast<int>(C::kPortList)), "COM2");
    EXPECT_FALSE(view.apply_enabled);  // the page's own writes change nothing
    sheet.Ok();
  });
  EXPECT_EQ(services_.windows.opened, Strings{"Configuration"});
  EXPECT_EQ(memory_->writes, 3);
  EXPECT_TRUE(Written("port name") && Written("metric") && Written("calibrate"));
  EXPECT_EQ(Stored("Calibrate"), "100");
}

// The missing port is replaced by the first one present, and the link reopens there.
TEST_F(ConfigPagesTest, GeneralPageIsInForceAtOnceAndCancelKeepsItUnstored) {
  platform_.present = {"COM1", "COM3"};
  state_.settings.port_name = "COM7";
  memory_->SetText("Port Name", "COM7");
  RunSheet([this](PropertySheet& sheet, Sheet& view) {
    testing::FakeDialog& page = view.pages[0];
    EXPECT_EQ(page.List(C::kPortList), (Strings{"COM1", "COM3"}));
    EXPECT_EQ(page.SelectedListText(static_cast<int>(C::kPortList)), "COM1");
    EXPECT_TRUE(view.apply_enabled);
    EXPECT_EQ(state_.settings.port_name, "COM1");
    page.Type(C::kCalibration, "9", *sheet.page(0));
    EXPECT_EQ(state_.settings.calibration, 9);
    page.Type(C::kCalibration, "95", *sheet.page(0));
    EXPECT_EQ(state_.settings.calibration, 95);
    sheet.Cancel();
  });
  EXPECT_EQ(platform_.opened.back(), "COM1");
  EXPECT_EQ(state_.settings.calibration, 95);
  EXPECT_EQ(memory_->writes, 1);  // the test's own, until a later apply
  EXPECT_EQ(Stored("Port Name"), "COM7");
}

TEST_F(ConfigPagesTest, SwitchingUnitsRoundsTheLimitToTwoDecimalsOfTheUnitChosen) {
  const auto switch_units = [](int times, const char* shown) {
    return [=](PropertySheet& sheet, Sheet& view) {
      testing::FakeDialog& page = view.pages[0];
      page.EchoTextChanges(C::kLimit, *sheet.page(0));
      EXPECT_EQ(page.Text(C::kLimit), "12.00");
      for (int i = 0; i < times; ++i) page.Click(C::kMetric, *sheet.page(0));
      EXPECT_THAT(page.Text(C::kLimit) + " " + page.Text(C::kLimitUnit),
                  ::testing::StartsWith(shown));
      sheet.Ok();
    };
  };
  RunSheet(switch_units(1, "16.27 joules"));
  EXPECT_NEAR(state_.settings.legal_limit, 16.27 / 1.3557, 1e-12);  // 12.00118
  EXPECT_TRUE(state_.settings.metric);
  EXPECT_EQ(Stored("Law"), "12.00");
  // And back: exactly the limit in force again, so nothing is written for it.
  memory_->values.clear();
  state_.settings.metric = false;
  state_.settings.legal_limit = 12.0;
  RunSheet(switch_units(2, "12.00 "));
  EXPECT_EQ(state_.settings.legal_limit, 12.0);
  EXPECT_FALSE(Written("law"));
}

// A German user types a comma for the decimal point: the limit is the number the field shows.
TEST_F(ConfigPagesTest, TypedLimitWithACommaIsTakenAsShown) {
  for (const auto& [typed, metric, limit] :
       {std::tuple("12,5", false, 12.5), std::tuple("16,27", true, 16.27 / 1.3557)}) {
    state_.settings.metric = metric;
    RunSheet([typed](PropertySheet& sheet, Sheet& view) {
      view.pages[0].Type(C::kLimit, typed, *sheet.page(0));
      sheet.Ok();
    });
    EXPECT_NEAR(state_.settings.legal_limit, limit, 1e-12) << typed;
  }
  EXPECT_EQ(Stored("Law"), "12.00");
}

TEST_F(ConfigPagesTest, EmptyOrAbsurdLimitLeavesTheLimitAsItWas) {
  for (const char* typed : {"", "0", "1e400"}) {
    RunSheet([typed](PropertySheet& sheet, Sheet& view) {
      view.pages[0].Type(C::kLimit, typed, *sheet.page(0));
      sheet.Ok();
    });
    EXPECT_EQ(state_.settings.legal_limit, 12.0) << typed;
    EXPECT_FALSE(Written("law")) << typed;
  }
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
  // The log is appended to, never replaced: choosing one that exists needs no warning.
  EXPECT_EQ(services_.file_dialogs.saving, (std::vector<bool>{false, false}));
  EXPECT_EQ(state_.settings.log_file, "/home/shooter/range.log");
  EXPECT_TRUE(state_.settings.logging);
  EXPECT_EQ(Stored("Log File") + " " + Stored("Logging"), "/home/shooter/range.log TRUE");
  EXPECT_FALSE(Written("sound"));  // a page never shown is never applied
}

TEST_F(ConfigPagesTest, SoundPagePlaysTheFieldAsItStandsAndCancelKeepsTheSettings) {
  RunSheet([](PropertySheet& sheet, Sheet& view) {
    sheet.SelectPage(2);
    view.pages[2].Type(C::kLegalSound, "new.wav", *sheet.page(2));
    sheet.page(2)->Command(static_cast<int>(C::kPlayLegal), Notification::kClicked);
    EXPECT_TRUE(view.apply_enabled);
    sheet.Cancel();
  });
  EXPECT_EQ(services_.sound.played, Strings{"new.wav"});
  EXPECT_EQ(state_.settings.sound_legal, "Airgun.wav");
}

}  // namespace
}  // namespace tarvik
