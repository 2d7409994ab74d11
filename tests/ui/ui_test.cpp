// The Qt front's windows, sounds and message boxes, and the test program's main: the windows'
// tests (here and in main_window_ui_test.cpp) run in one Qt application.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <chrono>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/number_text.h"
#include "base/sound.h"
#include "base/wave_file.h"
#include "doubles/recording_debug_log.h"
#include "ui/qt_dialog.h"
#include "ui/qt_message_box.h"
#include "ui/qt_sound.h"

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
  void Tick(int timer_id) override { ++ticks[timer_id]; }
  void CloseRequested() override { events.push_back("close"); }
  std::function<void()> on_initialize = [] {};
  Strings events;
  std::map<int, int> ticks;  // by timer
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
  dialog_.CheckMenuItem(21, true);
  EXPECT_TRUE(dialog_.MenuAction(21)->isChecked());
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

TEST_F(QtDialogTest, MessagesBreakTheirLinesAndTimersTickTheLogicInsideThemUntilStopped) {
  dialog_.StartTimer(1, 5);
  // The box is read and closed once the timer has ticked five times, all while it was up.
  std::string shown;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [this, &shown] {
    auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (message == nullptr || events_.ticks[1] < 5) return;
    shown = message->text().toStdString();
    message->close();
  });
  closer.start(1);
  QtMessageBox(&dialog_).ShowMessage("Serielle Schnittstelle unglücklich COM7\r\nNo such port", "");
  closer.stop();
  EXPECT_EQ(shown, "Serielle Schnittstelle unglücklich COM7\nNo such port");
  dialog_.StopTimer(1);
  const int ticks = events_.ticks[1];
  // A timer of the same period ticks a few times: the first would have ticked meanwhile too.
  dialog_.StartTimer(2, 5);
  ASSERT_TRUE(QTest::qWaitFor([this] { return events_.ticks[2] >= 3; }));
  EXPECT_EQ(events_.ticks[1], ticks);
}

// The dialog manager selects the whole text of the edit field that gets a window's first focus,
// so that what the user types at once replaces it; a later focus leaves the text alone.
// An alerted control's text is red until the alert ends, then in the window's colour again.
TEST_F(QtDialogTest, AlertedTextIsRedAndGoesBack) {
  QWidget* field = dialog_.Control(14);
  const QColor usual = field->palette().color(QPalette::WindowText);
  ASSERT_NE(usual, QColor(Qt::red));
  dialog_.SetItemAlert(14, true);
  EXPECT_EQ(field->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::red));
  dialog_.SetItemAlert(14, false);
  EXPECT_EQ(field->palette().color(QPalette::WindowText), usual);
  dialog_.SetItemAlert(99, true);  // no such control: nothing happens
  dialog_.SetItemText(99, "x");    // a control the layout lacks is skipped, and reads as empty
  EXPECT_EQ(dialog_.GetItemText(99), "");
}

TEST(QtDialogFocusTest, EditFieldWithTheFirstFocusHasItsWholeTextSelected) {
  QtDialog dialog(kTemplate, nullptr);
  RecordingEvents events;
  dialog.Attach(&events);
  dialog.SetItemText(10, "15.00");
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  QWidget* edit = dialog.Control(10);
  ASSERT_TRUE(QTest::qWaitFor([edit] { return edit->hasFocus(); }));
  QTest::keyClicks(edit, "16");
  EXPECT_EQ(dialog.GetItemText(10), "16");
  dialog.Control(12)->setFocus(Qt::OtherFocusReason);
  edit->setFocus(Qt::OtherFocusReason);
  QTest::keyClicks(edit, "7");
  EXPECT_EQ(dialog.GetItemText(10), "167");
}

TEST(QtDialogRunTest, WindowEndedWhileBeingMadeDoesNotRun) {
  QtDialog dialog(kTemplate, nullptr);
  RecordingEvents events;
  events.on_initialize = [&] { dialog.EndDialog(7); };
  EXPECT_EQ(dialog.RunModal(events), 7);
}

using SteadyClock = std::chrono::steady_clock;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A wave file's header and `data_bytes` of silence, its data chunk claiming `claimed` bytes.
std::string Wave(std::uint16_t format, std::uint32_t claimed, std::size_t data_bytes) {
  auto le = [](std::uint32_t v, int n) {
    std::string bytes;
    for (int i = 0; i < n; ++i) bytes += static_cast<char>(v >> (8 * i));
    return bytes;
  };
  return "RIFF" + le(36 + claimed, 4) + "WAVEfmt " + le(16, 4) + le(format, 2) + le(1, 2) +
         le(22050, 4) + le(44100, 4) + le(2, 2) + le(16, 2) + "data" + le(claimed, 4) +
         std::string(data_bytes, '\0');
}

TEST(WaveFileTest, LengthComesFromTheHeaderAndTheDataPresent) {
  const std::string airgun = ReadFile(TARVIK_SOUNDS "/Airgun.wav");
  EXPECT_EQ(WaveDurationMs(airgun, airgun.size()), 300);
  EXPECT_FALSE(WaveDurationMs(airgun.substr(0, 30), 30));  // cut before its data chunk
  // A header that claims hours of data the file does not hold plays what is there.
  const std::string cut = Wave(1, 0xFFFFFFFF, 4410);
  EXPECT_EQ(WaveDurationMs(cut, cut.size()), 100);
}

// A missing sound, or one that is no wave file, is the platform's beep at once, and the debug log
// hears why; one that cannot be decoded is given up, every time.
TEST(QtSoundPlayerTest, PlaysTheProgramsSoundToItsEndWithoutRunningTheEventLoopOthersAtOnce) {
  testing::RecordingDebugLog log;
  QtSoundPlayer sound(SoundFolders(TARVIK_SOUNDS), log);
  const std::string text = ::testing::TempDir() + "tarvik-not-a-wave.wav";
  std::ofstream(text) << "no sound here";
  const auto missing_start = SteadyClock::now();
  sound.PlayFileSync("no-such-sound.wav");
  sound.PlayFileSync(text);
  EXPECT_LT(SteadyClock::now() - missing_start, std::chrono::milliseconds(100));
  EXPECT_EQ(log.lines, (std::vector<std::string>{
                           "tarvik: play the sound no-such-sound.wav: no such file, here or "
                           "beside the program",
                           "tarvik: play the sound " + text + ": not a wave file"}));
  EXPECT_EQ(sound.Resolve("no-such-sound.wav"), "");

  EXPECT_EQ(sound.Resolve("Airgun.wav"), TARVIK_SOUNDS "/Airgun.wav");
  bool timer_fired = false;
  QTimer::singleShot(0, [&timer_fired] { timer_fired = true; });
  const auto start = SteadyClock::now();
  sound.PlayFileSync("Airgun.wav");
  const auto elapsed = SteadyClock::now() - start;
  EXPECT_FALSE(timer_fired) << "the event loop ran during the sound";
  EXPECT_LT(elapsed, std::chrono::milliseconds(300 + 600));

  const std::string path = ::testing::TempDir() + "tarvik-undecodable.wav";
  std::ofstream(path, std::ios::binary) << Wave(0x1234, 44100, 44100);  // a second, unknown coding
  for (int play = 0; play < 2; ++play) {
    const auto undecodable_start = SteadyClock::now();
    sound.PlayFileSync(path);
    EXPECT_LT(SteadyClock::now() - undecodable_start, std::chrono::milliseconds(500)) << play;
  }
}

}  // namespace
}  // namespace tarvik::ui

// The windows' tests run in one Qt application on the offscreen platform, so that they need no
// display and render the same on every machine, and under a German locale, which the application
// takes from the environment, so that every number they show is seen to keep its ".".
int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::setenv("LC_ALL", "de_DE.UTF-8", 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
