#include "dialogs/app_session.h"

#include <gtest/gtest.h>

#include <memory>

#include "doubles/fake_serial_port.h"
#include "doubles/quiet_services.h"

namespace tarvik {
namespace {

TEST(AppSessionTest, LoadsTheSettingsRunsTheMainWindowAndLetsGoOfLinkStoreAndSeriesAfterIt) {
  auto settings = std::make_unique<testing::MemorySettings>();
  settings->SetText("Port Name", "COM7");
  settings->SetText("FPS", "812.5");
  testing::FakeSerialPlatform serial;
  AppSession session(serial, std::move(settings), "");
  EXPECT_EQ(session.state().settings.port_name, "COM7");
  EXPECT_EQ(session.state().last_shot.velocity, 812.5);
  EXPECT_EQ(AppSession(serial, nullptr, "/dev/ttyUSB1").state().settings.port_name, "/dev/ttyUSB1");

  bool ran = false;
  const int exit_code =
      session.Run(UiLanguage::kGerman, [&](AppState& state, SettingsStore& store) {
        ran = true;
        EXPECT_EQ(state.language, UiLanguage::kGerman);
        EXPECT_EQ(store.ReadSettingText("Port Name", ""), "COM7");
        state.chronoscope.OpenLink(state.settings.port_name);
        state.series.AppendShot(800.0);
      });
  EXPECT_TRUE(ran);
  EXPECT_EQ(exit_code, 0);
  EXPECT_TRUE(serial.line->closed);
  EXPECT_EQ(session.state().series.count(), 0);
}

}  // namespace
}  // namespace tarvik
