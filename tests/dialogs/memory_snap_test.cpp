// The memory snap from the main window: the dump counted, cleared, saved; and its ways out.
#include "dialogs/memory_snap.h"

#include <gtest/gtest.h>

#include "dialogs/main_window.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_dialog.h"
#include "doubles/fake_serial_port.h"
#include "doubles/quiet_services.h"

namespace tarvik {
namespace {

class MemorySnapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.Initialize();
    services_.files.files[kSnapFile] = "an earlier snap";
  }
  // Runs the snap from the menu; `script` is what happens while it is up.
  void Snap(testing::FakeWindows::Script script) {
    services_.windows.script = std::move(script);
    window_.Command(static_cast<int>(MainWindowId::kSnap), Notification::kMenu);
  }
  // The instrument sends `bytes`; one tick of the snap's timer takes them. Returns the count.
  std::string Arrive(DialogEvents& snap, testing::FakeDialog& dialog, std::string_view bytes) {
    platform_.line->to_program += bytes;
    snap.Tick(MemorySnap::kTimerId);
    return dialog.Text(SnapId::kByteCount);
  }

  testing::FakeSerialPlatform platform_;
  AppState state_{platform_};
  testing::FakeDialog view_;
  testing::FakeClock clock_;
  testing::QuietServices services_;
  MainWindow window_{view_, state_, services_.With(clock_)};
};

void Press(DialogEvents& snap, SnapId id) {
  snap.Command(static_cast<int>(id), Notification::kClicked);
}

TEST_F(MemorySnapTest, DumpIsCountedAndSavedByteForByteUpTo200OnlyOnAnOpenLink) {
  std::string dump;
  for (int i = 0; i < 400; ++i) dump += static_cast<char>(i);
  Snap([&](DialogEvents& snap, testing::FakeDialog& dialog) {
    Arrive(snap, dialog, dump.substr(0, 50));
    window_.Tick(MainWindow::kTimerId);  // the main window's timer leaves the port alone
    EXPECT_EQ(Arrive(snap, dialog, dump.substr(50, 87)), "137");
    Press(snap, SnapId::kClear);
    EXPECT_EQ(Arrive(snap, dialog, dump.substr(137, 20)), "20");
    EXPECT_EQ(Arrive(snap, dialog, dump.substr(157)), "200");
    Press(snap, SnapId::kSaveAndClose);
    EXPECT_EQ(dialog.end_result(), 0);
  });
  EXPECT_EQ(services_.files.files[kSnapFile], dump.substr(137, 200));
  state_.chronoscope.CloseLink();
  Snap(nullptr);
  EXPECT_EQ(services_.windows.opened, std::vector<std::string>{"Snap"});
}

TEST_F(MemorySnapTest, GivingUpClosingOrSavingAtOnceDropsTheReadingInProgress) {
  for (int i = 0; i < 3; ++i) {           // "Give up", the close box, "Save and close" at once
    platform_.line->to_program = "0012";  // the beginning of a reading, dropped by the snap
    window_.Tick(MainWindow::kTimerId);
    Snap([i](DialogEvents& snap, testing::FakeDialog&) {
      i == 1 ? snap.CloseRequested() : Press(snap, i ? SnapId::kSaveAndClose : SnapId::kGiveUp);
    });
    EXPECT_EQ(services_.files.files[kSnapFile], i < 2 ? "an earlier snap" : "") << i;
    platform_.line->to_program = "\r\n001234\r\n";
    window_.Tick(MainWindow::kTimerId);
    EXPECT_EQ(view_.Text(MainWindowId::kCounts), "1234");
  }
  EXPECT_EQ(state_.series.count(), 3);
}

}  // namespace
}  // namespace tarvik
