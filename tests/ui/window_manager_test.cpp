// The real windows under a real window manager: openbox on a virtual X server, which
// scripts/wm-tests.sh starts around this program. What the window manager frames, names and
// offers is read back from the X server over a connection of the test's own.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "res/about_template.h"
#include "ui/main_window_fixture.h"
#include "ui/qt_message_box.h"
#include "ui/qt_painted_window.h"
#include "ui/qt_print.h"
#include "ui/qt_table_window.h"
#include "ui/x11_probe.h"

namespace tarvik::ui {
namespace {

using Id = MainWindowId;
using Names = std::vector<std::string>;

// The Motif hints: [1] the functions the window manager offers, [2] the decorations.
constexpr std::uint32_t kFunctionResize = 2;
constexpr std::uint32_t kFunctionMove = 4;
constexpr std::uint32_t kFunctionClose = 32;
constexpr std::uint32_t kDecorButtons = 16 | 32 | 64;  // window menu, minimise, maximise
constexpr std::uint32_t kDecorMenu = 16;

xcb_window_t NativeId(const QWidget& window) { return static_cast<xcb_window_t>(window.winId()); }

// A table of a few rows that hears nothing.
class QuietTable : public TableWindowEvents {
 public:
  int RowCount() const override { return 3; }
  std::string CellText(int /*row*/, int /*column*/) const override { return "1"; }
  RowLook LookOfRow(int /*row*/) const override { return {}; }
  std::vector<std::vector<std::string>> Figures() const override { return {{"", "Velocity"}}; }
  void PaintChart(Canvas& /*canvas*/) override {}
  void Command(int /*command*/) override {}
  void CloseRequested() override {}
};

bool Has(const Names& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

class WindowManagerTest : public MainWindowUiTest {
 protected:
  void SetUp() override {
    MainWindowUiTest::SetUp();
    ASSERT_TRUE(x11_.WindowManagerRuns()) << "no window manager: run under scripts/wm-tests.sh";
  }

  void Store(const setting::PlacementNames& names, const QRect& frame) {
    store_.WriteSettingDword(names.x, frame.x());
    store_.WriteSettingDword(names.y, frame.y());
    store_.WriteSettingDword(names.width, frame.width());
    store_.WriteSettingDword(names.height, frame.height());
  }

  QRect Stored(const setting::PlacementNames& names) const {
    SettingsStore next_run = NextRun();
    WindowPlacement placement{-1, -1, -1, -1};
    ReadWindowPlacement(next_run, names, placement);
    return {placement.x, placement.y, placement.width, placement.height};
  }

  // Waits until the window manager has framed the window and Qt knows the frame it shows, and
  // that frame is `wanted`; returns the frame the X server shows.
  QRect WaitForFrame(const QWidget& window, const QRect& wanted) {
    std::optional<QRect> shown;
    const bool framed = QTest::qWaitFor(
        [&] {
          shown = x11_.OuterFrame(NativeId(window));
          return shown == wanted && window.frameGeometry() == wanted;
        },
        10000);
    EXPECT_TRUE(framed) << "Qt sees " << ::testing::PrintToString(window.frameGeometry());
    return shown.value_or(QRect());
  }

  // Waits until the window manager has taken the window in and named it.
  bool WaitUntilManaged(const QWidget& window) {
    return QTest::qWaitFor(
        [&] {
          return x11_.OuterFrame(NativeId(window)) &&
                 x11_.Text(NativeId(window), "_NET_WM_VISIBLE_NAME");
        },
        10000);
  }

  // The caption as the window manager shows it, with what it offers.
  struct Caption {
    std::optional<std::string> name;     // the window's own
    std::optional<std::string> visible;  // what the window manager shows
    std::vector<std::uint32_t> motif;
    Names protocols;
  };
  Caption CaptionOf(const QWidget& window) {
    const xcb_window_t id = NativeId(window);
    return {x11_.Text(id, "_NET_WM_NAME"), x11_.Text(id, "_NET_WM_VISIBLE_NAME"),
            x11_.Numbers(id, "_MOTIF_WM_HINTS"), x11_.AtomNames(id, "WM_PROTOCOLS")};
  }

  testing::X11Probe x11_;
};

// Opened and closed again and again, each window is framed at the outer frame stored for it,
// the first time too, and stores that frame unchanged.
TEST_F(WindowManagerTest, BigDisplayAndGraphOpenAtTheirStoredOuterFrameAndStoreItUnchanged) {
  struct Case {
    Id command;
    const setting::PlacementNames& names;
    QRect frame;
  };
  const Case cases[] = {{Id::kBig, setting::kBigDisplayPlacement, {40, 50, 200, 400}},
                        {Id::kGraphics, setting::kGraphPlacement, {300, 60, 420, 300}}};
  for (const Case& c : cases) Store(c.names, c.frame);
  Open(UiLanguage::kNeutral);
  for (const Case& c : cases) {
    for (int opening = 1; opening <= 4; ++opening) {
      Trigger(c.command);
      auto* window = Shown<QtPaintedWidget>();
      ASSERT_NE(window, nullptr);
      EXPECT_EQ(WaitForFrame(*window, c.frame), c.frame) << "opening " << opening;
      Trigger(c.command);
      EXPECT_EQ(Stored(c.names), c.frame) << "closing " << opening;
    }
  }
}

// The window manager moves and sizes the window as the user's drag would; the frame it then
// shows is the one stored and the one the next opening gets.
TEST_F(WindowManagerTest, FrameTheWindowManagerGaveIsStoredAndReopened) {
  Open(UiLanguage::kNeutral);
  Trigger(Id::kBig);
  auto* big = Shown<QtPaintedWidget>();
  ASSERT_NE(big, nullptr);
  const QRect defaults(20, 20, 200, 400);
  ASSERT_EQ(WaitForFrame(*big, defaults), defaults);
  x11_.MoveResize(NativeId(*big), QPoint(150, 90), QSize(310, 240));
  std::optional<QRect> moved;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        moved = x11_.OuterFrame(NativeId(*big));
        return moved && moved->topLeft() == QPoint(150, 90) && big->size() == QSize(310, 240) &&
               big->frameGeometry() == *moved;
      },
      10000));
  Trigger(Id::kBig);
  EXPECT_EQ(Stored(setting::kBigDisplayPlacement), *moved);
  Trigger(Id::kBig);
  ASSERT_NE(Shown<QtPaintedWidget>(), nullptr);
  EXPECT_EQ(WaitForFrame(*Shown<QtPaintedWidget>(), *moved), *moved);
}

// Opened again and again at the frame it had when it was let go, the table window keeps that
// frame: it never grows by the window manager's frame. Its caption shows its title, and the one
// the logic sets later, and offers closing and sizing; it is owned by the main window.
TEST_F(WindowManagerTest, TableWindowReopensAtItsOwnFrameWithoutGrowing) {
  Open(UiLanguage::kNeutral);
  QuietTable events;
  const TableWindowTexts texts{"Shots", {{"No.", true, 6}}, {{1, "&Leave out"}, {2, "&Take in"}}};
  const QRect first(60, 70, 520, 380);
  WindowPlacement frame{first.x(), first.y(), first.width(), first.height()};
  for (int opening = 1; opening <= 4; ++opening) {
    std::unique_ptr<TableWindow> table = windows_->OpenTable(texts, frame, events);
    auto* window = Shown<QtTableWidget>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WaitForFrame(*window, first), first) << "opening " << opening;
    frame = table->Frame();
    EXPECT_EQ(QRect(frame.x, frame.y, frame.width, frame.height), first) << "closing " << opening;
    if (opening > 1) continue;
    ASSERT_TRUE(WaitUntilManaged(*window));
    const Caption caption = CaptionOf(*window);
    EXPECT_EQ(caption.visible, "Shots");
    ASSERT_EQ(caption.motif.size(), 5u);
    EXPECT_EQ(caption.motif[1], kFunctionMove | kFunctionResize | kFunctionClose);
    EXPECT_EQ(x11_.Numbers(NativeId(*window), "WM_TRANSIENT_FOR"),
              std::vector<std::uint32_t>{NativeId(*dialog_)});
    // A caption the logic sets later reaches the window manager too.
    table->SetCaption("Morning string");
    EXPECT_TRUE(QTest::qWaitFor([&] { return CaptionOf(*window).visible == "Morning string"; }));
  }
}

// The big display and the graph have no system menu, hence no caption buttons, and an empty
// caption; the main window has the close and help buttons but neither minimise nor maximise;
// the statistics window has no buttons.
TEST_F(WindowManagerTest, CaptionsShowTheTitlesAndOfferTheButtonsOfTheWindowsStyles) {
  Open(UiLanguage::kNeutral);
  ASSERT_TRUE(WaitUntilManaged(*dialog_));
  const Caption main = CaptionOf(*dialog_);
  EXPECT_EQ(main.name, "Dorvex qm-307 Chronoscope");
  ASSERT_EQ(main.motif.size(), 5u);
  EXPECT_EQ(main.motif[1], kFunctionMove | kFunctionClose);
  EXPECT_EQ(main.motif[2] & kDecorButtons, kDecorMenu);
  EXPECT_TRUE(Has(main.protocols, "_NET_WM_CONTEXT_HELP"));
  // Openbox leaves minimise and close to every window whatever the hints say, but no maximise
  // to a window of a fixed size.
  const Names actions = x11_.AtomNames(NativeId(*dialog_), "_NET_WM_ALLOWED_ACTIONS");
  EXPECT_TRUE(Has(actions, "_NET_WM_ACTION_CLOSE"));
  EXPECT_FALSE(Has(actions, "_NET_WM_ACTION_MAXIMIZE_HORZ"));

  for (const Id command : {Id::kBig, Id::kGraphics}) {
    Trigger(command);
    auto* window = Shown<QtPaintedWidget>();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntilManaged(*window));
    const Caption painted = CaptionOf(*window);
    EXPECT_EQ(painted.name, "") << static_cast<int>(command);
    EXPECT_EQ(painted.visible, "") << static_cast<int>(command);
    ASSERT_EQ(painted.motif.size(), 5u);
    EXPECT_EQ(painted.motif[1], kFunctionMove | kFunctionResize);
    EXPECT_EQ(painted.motif[2] & kDecorButtons, 0u);
    // Owned by the main window, as on Windows: kept above it and out of the task bar.
    EXPECT_EQ(x11_.Numbers(NativeId(*window), "WM_TRANSIENT_FOR"),
              std::vector<std::uint32_t>{NativeId(*dialog_)});
    Trigger(command);
  }

  Trigger(Id::kAdvancedStatistics);
  auto* statistics = Shown<QtDialog>("Averages");
  ASSERT_NE(statistics, nullptr);
  ASSERT_TRUE(WaitUntilManaged(*statistics));
  const Caption beside = CaptionOf(*statistics);
  EXPECT_EQ(beside.visible, "Advanced Statistics");
  ASSERT_EQ(beside.motif.size(), 5u);
  EXPECT_EQ(beside.motif[1], kFunctionMove);
  EXPECT_EQ(beside.motif[2] & kDecorButtons, 0u);
}

// The About box and the message box have empty captions: the window manager shows nothing there,
// not the program's name.
TEST_F(WindowManagerTest, AboutBoxAndMessageBoxKeepTheirEmptyCaptions) {
  Open(UiLanguage::kNeutral);
  std::vector<Caption> seen;
  const auto look_and_close = [this, &seen](auto close) {
    QTimer::singleShot(0, [this, &seen, close] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      EXPECT_TRUE(WaitUntilManaged(*box));
      seen.push_back(CaptionOf(*box));
      close(box);
    });
  };
  look_and_close([](QWidget* box) {
    qobject_cast<QPushButton*>(
        dynamic_cast<QtDialog*>(box)->Control(static_cast<int>(AboutId::kOk)))
        ->click();
  });
  Trigger(Id::kAbout);
  look_and_close([](QWidget* box) { box->close(); });
  QtMessageBox(dialog_.get()).ShowMessage("Serial port not happy COM7\r\nNo such port", "");
  ASSERT_EQ(seen.size(), 2u);
  for (const Caption& caption : seen) {
    EXPECT_EQ(caption.name, "");
    EXPECT_EQ(caption.visible, "");
    ASSERT_EQ(caption.motif.size(), 5u);
    EXPECT_EQ(caption.motif[1] & kFunctionClose, kFunctionClose);
  }
  EXPECT_TRUE(Has(seen[0].protocols, "_NET_WM_CONTEXT_HELP"));  // the About box's help button
}

// The weight field has the first focus with its whole text selected: what the user types at once
// replaces the weight.
TEST_F(WindowManagerTest, TypingAtOnceIntoTheNewMainWindowReplacesTheWeight) {
  Open(UiLanguage::kNeutral);
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
  QWidget* weight = dialog_->Control(static_cast<int>(Id::kWeight));
  ASSERT_TRUE(QTest::qWaitFor([weight] { return weight->hasFocus(); }));
  QTest::keyClicks(weight, "16");
  EXPECT_EQ(Text(Id::kWeight), "16");
  EXPECT_EQ(state_.settings.weight, 16.0);
}

}  // namespace
}  // namespace tarvik::ui

// The windows on the X server that DISPLAY names, which must have a window manager, under the
// name the program gives itself, so that a caption falling back to it would show "Tarvik".
int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "xcb", 1);
  QApplication application(argc, argv);
  application.setApplicationName("Tarvik");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
