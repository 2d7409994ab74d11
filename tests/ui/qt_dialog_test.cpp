// The Qt front's promises to every window's logic: controls where the template puts them, and
// notifications that come exactly as the logic expects them.
#include "ui/qt_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <string>
#include <vector>

#include "ui/qt_message_box.h"

namespace tarvik::ui {
namespace {

using enum ControlKind;
using Strings = std::vector<std::string>;

constexpr std::array kControls = {
    ControlTemplate{10, kEdit, "", 4, 4, 50, 12},
    ControlTemplate{11, kPushButton, "Go", 60, 4, 30, 14},
    ControlTemplate{12, kCheckBox, "Tick", 4, 20, 50, 12},
    ControlTemplate{13, kDropDownList, "", 60, 20, 50, 60},
    ControlTemplate{14, kValueField, "", 4, 36, 50, 12},
};
constexpr DialogTemplate kTemplate{"Test", "Test", 120, 60, "MS Sans Serif", 8, kControls};
constexpr std::array kPopup = {MenuItem{21, "&Item", {}}};
constexpr std::array kBar = {MenuItem{20, "&Command", {}}, MenuItem{0, "&Popup", kPopup}};
constexpr MenuTemplate kMenu{"Test", kBar};

class RecordingEvents : public DialogEvents {
 public:
  void Initialize() override {}
  void Command(int id, Notification notification) override {
    static constexpr const char* kNames[] = {"menu", "clicked", "text", "selection"};
    events.push_back(std::to_string(id) + " " + kNames[static_cast<int>(notification)]);
  }
  void Tick(int timer_id) override { ticks += timer_id; }
  void CloseRequested() override { events.push_back("close"); }
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
  template <typename T>
  T* Widget(int id) {
    return qobject_cast<T*>(dialog_.Control(id));
  }

  QtDialog dialog_{kTemplate, &kMenu};
  RecordingEvents events_;
};

TEST_F(QtDialogTest, ControlsStandAtTheirPlaceInDialogUnitsOfTheFont) {
  const DialogBaseUnits base = dialog_.base_units();
  EXPECT_GT(base.x, 3);
  EXPECT_GT(base.y, 8);
  const PixelRect field = ToPixels(4, 36, 50, 12, base);
  EXPECT_EQ(dialog_.Control(14)->geometry(), QRect(field.x, field.y, field.width, field.height));
  // A control the layout lacks is skipped, and reads as empty.
  dialog_.SetItemText(99, "x");
  EXPECT_EQ(dialog_.GetItemText(99), "");
}

TEST_F(QtDialogTest, EditChangesComeFromTheProgramTooClicksAndSelectionsOnlyFromTheUser) {
  dialog_.SetItemText(10, "15.00");
  QTest::keyClicks(Widget<QLineEdit>(10), "1");
  dialog_.CheckItem(12, true);
  dialog_.AddListItem(13, "COM1");
  dialog_.AddListItem(13, "COM3");
  dialog_.SelectListItem(13, 0);
  EXPECT_EQ(events_.events, (Strings{"10 text", "10 text"}));
  EXPECT_EQ(dialog_.GetItemText(10), "15.001");

  events_.events.clear();
  QTest::mouseClick(Widget<QCheckBox>(12), Qt::LeftButton);
  QTest::mouseClick(Widget<QPushButton>(11), Qt::LeftButton);
  emit Widget<QComboBox>(13)->activated(1);
  dialog_.CheckMenuItem(21, false);
  dialog_.MenuAction(20)->trigger();
  dialog_.MenuAction(21)->trigger();
  EXPECT_FALSE(dialog_.MenuAction(21)->isChecked()) << "only the logic ticks a menu item";
  EXPECT_EQ(events_.events,
            (Strings{"12 clicked", "11 clicked", "13 selection", "20 menu", "21 menu"}));
  EXPECT_FALSE(dialog_.IsItemChecked(12));  // the user's click unticked it
}

TEST_F(QtDialogTest, EnterAndEscapeAreCommandsAndOnlyTheLogicClosesTheWindow) {
  Widget<QLineEdit>(10)->setFocus();
  QTest::keyClick(Widget<QLineEdit>(10), Qt::Key_Return);
  QTest::keyClick(&dialog_, Qt::Key_Escape);
  Widget<QPushButton>(11)->setFocus();
  QTest::keyClick(Widget<QPushButton>(11), Qt::Key_Return);  // presses the button with the focus
  dialog_.close();
  EXPECT_EQ(events_.events, (Strings{"1 clicked", "2 clicked", "11 clicked", "close"}));
  EXPECT_TRUE(dialog_.isVisible());
  dialog_.EndDialog(0);
  EXPECT_FALSE(dialog_.isVisible());
}

TEST_F(QtDialogTest, TimersTickTheLogicInsideMessageBoxesUntilStopped) {
  dialog_.StartTimer(1, 5);
  int ticks_while_up = 0;
  QTimer::singleShot(100, [&] {
    ticks_while_up = events_.ticks;
    QApplication::activeModalWidget()->close();
  });
  QtMessageBox(&dialog_).ShowMessage("Serial port not happy COM7\r\nNo such port", "");
  EXPECT_GE(ticks_while_up, 5);
  dialog_.StopTimer(1);
  const int ticks = events_.ticks;
  QTest::qWait(30);
  EXPECT_EQ(events_.ticks, ticks);
}

// A logic that ends its window while the window is being made.
class EndingAtOnce : public RecordingEvents {
 public:
  explicit EndingAtOnce(QtDialog& dialog) : dialog_(dialog) {}
  void Initialize() override { dialog_.EndDialog(7); }

 private:
  QtDialog& dialog_;
};

TEST(QtDialogRunTest, WindowEndedWhileBeingMadeDoesNotRun) {
  QtDialog dialog(kTemplate, nullptr);
  EndingAtOnce events(dialog);
  EXPECT_EQ(dialog.RunModal(events), 7);
}

}  // namespace
}  // namespace tarvik::ui
