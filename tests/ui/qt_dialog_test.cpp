// The Qt front's promises to every window's logic: controls where the template puts them, and
// notifications that come exactly as the logic expects them.
#include "ui/qt_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "ui/qt_message_box.h"

namespace tarvik::ui {
namespace {

using enum ControlKind;
using Strings = std::vector<std::string>;

constexpr std::array kControls = {ControlTemplate{10, kEdit, "", 4, 4, 50, 12},
                                  ControlTemplate{11, kPushButton, "Go", 60, 4, 30, 14},
                                  ControlTemplate{12, kCheckBox, "Tick", 4, 20, 50, 12},
                                  ControlTemplate{13, kDropDownList, "", 60, 20, 50, 60},
                                  ControlTemplate{14, kValueField, "", 4, 36, 50, 12}};
constexpr DialogTemplate kTemplate{"Test", "Test", 120, 60, "MS Sans Serif", 8, kControls};
constexpr std::array kPopup = {MenuItem{21, "&Item", {}}};
constexpr std::array kBar = {MenuItem{20, "&Command", {}}, MenuItem{0, "&Popup", kPopup}};
constexpr MenuTemplate kMenu{"Test", kBar};

class RecordingEvents : public DialogEvents {
 public:
  void Initialize() override { on_initialize(); }
  void Command(int id, Notification notification) override {
    static constexpr const char* kNames[] = {"menu", "clicked", "text", "selection"};
    events.push_back(std::to_string(id) + " " + kNames[static_cast<int>(notification)]);
  }
  void Tick(int timer_id) override { ticks += timer_id; }
  void CloseRequested() override { events.push_back("close"); }
  std::function<void()> on_initialize = [] {};
  Strings events;
  int ticks = 0;
};

class QtDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog_.Attach(&events_);
    dialog_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog_));
  }

  QtDialog dialog_{kTemplate, &kMenu};
  RecordingEvents events_;
};

TEST_F(QtDialogTest, ControlsStandAtTheirPlaceInDialogUnitsOfTheFont) {
  const DialogBaseUnits base = dialog_.base_units();
  EXPECT_TRUE(base.x > 3 && base.y > 8);
  const PixelRect field = ToPixels(4, 36, 50, 12, base);
  EXPECT_EQ(dialog_.Control(14)->geometry(), QRect(field.x, field.y, field.width, field.height));
  dialog_.SetItemText(99, "x");  // a control the layout lacks is skipped, and reads as empty
  EXPECT_EQ(dialog_.GetItemText(99), "");
}

TEST_F(QtDialogTest, NotificationsComeAsTheLogicExpectsAndOnlyTheLogicClosesTheWindow) {
  dialog_.SetItemText(10, "15.00");  // edits notify program writes too; the rest do not
  QTest::keyClicks(dialog_.Control(10), "1");
  dialog_.CheckItem(12, true);
  dialog_.AddListItem(13, "COM1");
  dialog_.AddListItem(13, "COM3");
  dialog_.SelectListItem(13, 0);
  QTest::mouseClick(dialog_.Control(12), Qt::LeftButton);
  QTest::mouseClick(dialog_.Control(11), Qt::LeftButton);
  emit qobject_cast<QComboBox*>(dialog_.Control(13))->activated(1);
  dialog_.CheckMenuItem(21, false);
  dialog_.MenuAction(20)->trigger();
  dialog_.MenuAction(21)->trigger();
  EXPECT_FALSE(dialog_.MenuAction(21)->isChecked()) << "only the logic ticks a menu item";
  EXPECT_EQ(dialog_.GetItemText(10), "15.001");
  EXPECT_FALSE(dialog_.IsItemChecked(12));  // the user's click unticked it
  dialog_.Control(10)->setFocus();
  QTest::keyClick(dialog_.Control(10), Qt::Key_Return);  // command 1
  QTest::keyClick(&dialog_, Qt::Key_Escape);             // command 2
  dialog_.Control(11)->setFocus();
  QTest::keyClick(dialog_.Control(11), Qt::Key_Return);  // presses the push button with the focus
  dialog_.close();
  EXPECT_EQ(events_.events,
            (Strings{"10 text", "10 text", "12 clicked", "11 clicked", "13 selection", "20 menu",
                     "21 menu", "1 clicked", "2 clicked", "11 clicked", "close"}));
  EXPECT_TRUE(dialog_.isVisible());
  dialog_.EndDialog(0);
  EXPECT_FALSE(dialog_.isVisible());
}

TEST_F(QtDialogTest, TimersTickTheLogicInsideMessageBoxesUntilStopped) {
  dialog_.StartTimer(1, 5);
  QTimer::singleShot(100, [] { QApplication::activeModalWidget()->close(); });
  QtMessageBox(&dialog_).ShowMessage("Serial port not happy COM7\r\nNo such port", "");
  EXPECT_GE(events_.ticks, 5);  // all while the message box was up
  dialog_.StopTimer(1);
  const int ticks = events_.ticks;
  QTest::qWait(30);
  EXPECT_EQ(events_.ticks, ticks);
}

TEST(QtDialogRunTest, WindowEndedWhileBeingMadeDoesNotRun) {
  QtDialog dialog(kTemplate, nullptr);
  RecordingEvents events;
  events.on_initialize = [&] { dialog.EndDialog(7); };
  EXPECT_EQ(dialog.RunModal(events), 7);
}

}  // namespace
}  // namespace tarvik::ui
