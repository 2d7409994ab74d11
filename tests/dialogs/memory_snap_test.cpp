// The memory snap, opened from the main window: the dump counted as it comes and saved byte for
// byte, "&Clear", "&Give up", and the main window's own reading of the port afterwards.
#include "dialogs/memory_snap.h"

#include <gtest/gtest.h>

#include "dialogs/main_window.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_dialog.h"
#include "doubles/fake_serial_port.h"
#include "doubles/fake_windows.h"
#include "doubles/memory_files.h"
#include "doubles/memory_settings.h"
#include "doubles/recording_message_box.h"
#include "settings/settings_store.h"

namespace tarvik {
namespace {

class MemorySnapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.Initialize();
    files_.files[kSnapFile] = "an earlier snap";
  }
  // Runs the snap from the menu; `script` is what happens while it is up.
  void Snap(testing::FakeWindows::Script script) {
    windows_.script = std::move(script);
    window_.Command(static_cast<int>(MainWindowId::kSnap), Notification::kMenu);
  }
  // The instrument sends `bytes`; one tick of the snap's timer takes them.
  static void Arrive(testing::FakeSerialPlatform& platform, DialogEvents& snap,
                     std::string_view bytes) {
    platform.line->to_program += bytes;
    snap.Tick(MemorySnap::kTimerId);
  }
  static void Press(DialogEvents& snap, SnapId id) {
    snap.Command(static_cast<int>(id), Notification::kClicked);
  }

  testing::FakeSerialPlatform platform_;
  AppState state_{platform_};
  testing::FakeDialog view_;
  SettingsStore store_{nullptr};
  testing::FakeClock clock_;
  SilentSoundPlayer sound_;
  testing::RecordingMessageBox message_box_;
  testing::MemoryFiles files_;
  testing::RecordingViewer viewer_;
  testing::FakeWindows windows_;
  MainWindow window_{
      view_, state_, {store_, clock_, sound_, message_box_, files_, viewer_, windows_}};
};

TEST_F(MemorySnapTest, SavingAtOnceWritesAnEmptyFileOverTheOldOne) {
  Snap([](DialogEvents& snap, testing::FakeDialog& dialog) {
    EXPECT_EQ(dialog.Text(SnapId::kByteCount), "0");
    Press(snap, SnapId::kSaveAndClose);
    EXPECT_EQ(dialog.end_result(), 0);
  });
  EXPECT_EQ(windows_.opened, std::vector<std::string>{"Snap"});
  EXPECT_EQ(files_.files[kSnapFile], "");
}

TEST_F(MemorySnapTest, DumpIsCountedAndSavedByteForByteUpTo200) {
  std::string dump;
  for (int i = 0; i < 400; ++i) dump += static_cast<char>(i);
  Snap([&](DialogEvents& snap, testing::FakeDialog& dialog) {
    Arrive(platform_, snap, dump.substr(0, 50));
    window_.Tick(MainWindow::kTimerId);  // the main window's timer leaves the port alone
    Arrive(platform_, snap, dump.substr(50, 87));
    EXPECT_EQ(dialog.Text(SnapId::kByteCount), "137");
    Press(snap, SnapId::kClear);
    EXPECT_EQ(dialog.Text(SnapId::kByteCount), "0");
    Arrive(platform_, snap, dump.substr(137, 20));
    EXPECT_EQ(dialog.Text(SnapId::kByteCount), "20");
    Arrive(platform_, snap, dump.substr(157));
    EXPECT_EQ(dialog.Text(SnapId::kByteCount), "200");
    Press(snap, SnapId::kSaveAndClose);
  });
  EXPECT_EQ(files_.files[kSnapFile], dump.substr(137, 200));
  // The rest waits on the line for the main window, and a reading after it is decoded.
  platform_.line->to_program = "\r\n001234\r\n";
  window_.Tick(MainWindow::kTimerId);
  EXPECT_EQ(state_.series.count(), 1);
}

TEST_F(MemorySnapTest, GivingUpLeavesTheOldFileAndTheNextReadingIsDecoded) {
  platform_.line->to_program = "0012";  // the beginning of a reading, dropped by the snap
  window_.Tick(MainWindow::kTimerId);
  Snap([&](DialogEvents& snap, testing::FakeDialog&) {
    Arrive(platform_, snap, "dump");
    snap.CloseRequested();
  });
  EXPECT_EQ(files_.files[kSnapFile], "an earlier snap");
  platform_.line->to_program = "\r\n001234\r\n";
  window_.Tick(MainWindow::kTimerId);
  ASSERT_EQ(state_.series.count(), 1);
  EXPECT_EQ(view_.Text(MainWindowId::kCounts), "1234");
}

TEST_F(MemorySnapTest, WithTheLinkClosedTheMenuItemDoesNothing) {
  state_.chronoscope.CloseLink();
  Snap(nullptr);
  EXPECT_TRUE(windows_.opened.empty());
}

}  // namespace
}  // namespace tarvik
