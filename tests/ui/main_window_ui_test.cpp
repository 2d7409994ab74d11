// The real main window, built from its templates, against the simulated instrument on a
// pseudo-terminal and the real settings file in a temporary folder. With TARVIK_PICTURES set to
// a folder, the windows with a shot shown are saved there as pictures.
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <fstream>
#include <iterator>
#include <span>

#include "res/about_template.h"
#include "res/config_templates.h"
#include "res/graph_menu.h"
#include "res/statistics_template.h"
#include "ui/main_window_fixture.h"
#include "ui/qt_painted_window.h"
#include "ui/qt_property_sheet.h"

namespace tarvik::ui {
namespace {

using Id = MainWindowId;

TEST_F(MainWindowUiTest, SimulatedShotsAreShownAveragedAndFollowedByTheStatistics) {
  // The test program runs under a German locale: every number must still read with ".".
  ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "de_DE.UTF-8");
  Open(UiLanguage::kNeutral);
  QAction* reset = dialog_->MenuAction(static_cast<int>(Id::kReset));
  EXPECT_FALSE(reset->isEnabled());
  Trigger(Id::kAdvancedStatistics);
  auto* statistics = Shown<QtDialog>("Averages");
  ASSERT_NE(statistics, nullptr);
  EXPECT_EQ(statistics->GetItemText(static_cast<int>(StatisticsId::kShotCount)), "0");
  Shoot(1234, 6, "1");
  EXPECT_EQ(Text(Id::kLastVelocity) + Text(Id::kLastEnergy) + Text(Id::kAverageVelocity),
            " 633.71  13.35 633.71");
  EXPECT_EQ(Text(Id::kCounts) + " Mk " + Text(Id::kMark), "1234 Mk 3");
  EXPECT_TRUE(reset->isEnabled());
  Shoot(1000, 4, "2");
  SavePicture(*dialog_, "main-window.png");
  Shoot(1500, 6, "3");
  EXPECT_EQ(statistics->GetItemText(static_cast<int>(StatisticsId::kShotCount)), "3");
  EXPECT_EQ(statistics->GetItemText(static_cast<int>(StatisticsId::kVelocityFirst) + 1), " 784.33");
  SavePicture(*statistics, "statistics.png");
  Trigger(Id::kAdvancedStatistics);
  EXPECT_EQ(Shown<QtDialog>("Averages"), nullptr);
}

TEST_F(MainWindowUiTest, TabGroupFollowsTheInstrumentAndASnapIsSavedByteForByte) {
  for (int i = 0; i < 3; ++i) instrument_->StoreShot(*sim::ReadingForCount(1234, 6));
  Open(UiLanguage::kNeutral);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Text(Id::kBuffered) == "3"; }, 3000));
  qobject_cast<QPushButton*>(dialog_->Control(static_cast<int>(Id::kFire)))->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Text(Id::kBuffered) == "2"; }, 3000));
  EXPECT_EQ(Text(Id::kShotCount), "1");  // the stored shot came back as a shot

  // The snap runs modally over the window; the instrument sends a dump meanwhile.
  const QString previous_folder = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(folder_.string()));
  QTimer::singleShot(100, [this] {
    auto* snap = dynamic_cast<QtDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(snap, nullptr);
    instrument_->SendDump(137);
    EXPECT_TRUE(QTest::qWaitFor([snap] { return snap->GetItemText(600) == "137"; }, 3000));
    SavePicture(*snap, "memory-snap.png");
    qobject_cast<QPushButton*>(snap->Control(1))->click();
  });
  dialog_->MenuAction(static_cast<int>(Id::kSnap))->trigger();
  QDir::setCurrent(previous_folder);
  std::ifstream file(folder_ / "snap.dmp", std::ios::binary);
  const std::string dump{std::istreambuf_iterator<char>(file), {}};
  EXPECT_EQ(dump, sim::DumpBytes(137));
}

// The adapter pulled out in mid-reading and put back: the device vanishes and a new one appears
// under the same name. The window runs on without a message and reads the new device by itself.
TEST_F(MainWindowUiTest, InstrumentPulledOutAndPutBackIsReadAgainByItself) {
  namespace fs = std::filesystem;
  const fs::path port = folder_ / "ttyQM307";
  fs::create_symlink(instrument_->device_path(), port);
  state_.settings.port_name = port.string();
  Open(UiLanguage::kNeutral);
  Shoot(1234, 6, "1");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Text(Id::kBuffered) == "0"; }, 3000));  // a tab
  instrument_->SendRaw("0010");  // the head of a reading, cut by the loss
  ASSERT_TRUE(instrument_->WaitUntilSent(sim::Millis(3000)));
  instrument_.reset();
  fs::remove(port);
  const int opens = serial_.opens;
  ASSERT_TRUE(QTest::qWaitFor([&] { return serial_.opens >= opens + 2; }, 5000))
      << "the port is tried again by itself";
  EXPECT_TRUE(state_.chronoscope.IsLost());
  EXPECT_TRUE(quiet_.message_box.shown.empty());
  EXPECT_EQ(Text(Id::kBuffered), "") << "a tab that is gone shows no counts";

  std::string error;
  instrument_ = sim::PtyInstrument::Start({}, &error);
  ASSERT_NE(instrument_, nullptr) << error;
  fs::create_symlink(instrument_->device_path(), port);
  QElapsedTimer back;
  back.start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !state_.chronoscope.IsLost(); }, 3000));
  EXPECT_LE(back.elapsed(), 3000);  // about a second, on a loaded machine
  Shoot(1000, 4, "2");              // whole: the "0010" before the loss is not joined to it
  EXPECT_EQ(Text(Id::kCounts), "1000");
  EXPECT_TRUE(quiet_.message_box.shown.empty());
}

// F1 on a control or a right click on a label opens the help at its topic.
TEST_F(MainWindowUiTest, GermanLayoutHasNoCountsNorTabGroupAndHelpOpensAtEachControlsTopic) {
  Open(UiLanguage::kGerman);
  for (const Id id : {Id::kCounts, Id::kTabGroup, Id::kFire, Id::kBuffered}) {
    EXPECT_EQ(dialog_->Control(static_cast<int>(id)), nullptr) << static_cast<int>(id);
  }
  EXPECT_EQ(dialog_->MenuAction(static_cast<int>(Id::kGraphics)), nullptr);
  Shoot(1234, 6, "1");
  EXPECT_EQ(Text(Id::kLastVelocity) + " Mk " + Text(Id::kMark), " 633.71 Mk 3");
  SavePicture(*dialog_, "main-window-de.png");
  QWidget* weight = dialog_->Control(static_cast<int>(Id::kWeight));
  weight->setFocus();
  QTest::keyClick(weight, Qt::Key_F1);
  ASSERT_TRUE(help_->window() != nullptr && help_->window()->isVisible());
  EXPECT_EQ(help_->shown_context(), 1204);
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
  QApplication::sendEvent(dialog_->Control(static_cast<int>(Id::kAverageVelocity)), &click);
  EXPECT_EQ(help_->shown_context(), 1207);
}

// The big display turns red above the limit; the graph shows a string as a line and, chosen from
// its popup, as a histogram with markers. Each opens again where it was closed, in this run and
// the next.
TEST_F(MainWindowUiTest, BigDisplayAndGraphPaintTheShotsAndReopenWhereTheyWereClosed) {
  const auto reopen = [this](Id command, const setting::PlacementNames& names) {
    const QRect frame = Shown<QtPaintedWidget>()->frameGeometry();  // outer, framed
    Trigger(command);
    EXPECT_EQ(Shown<QtPaintedWidget>(), nullptr);
    Trigger(command);
    ASSERT_NE(Shown<QtPaintedWidget>(), nullptr);
    EXPECT_EQ(Shown<QtPaintedWidget>()->frameGeometry(), frame);
    Trigger(command);
    SettingsStore next_run = NextRun();
    WindowPlacement stored;
    ReadWindowPlacement(next_run, names, stored);
    EXPECT_EQ(QRect(stored.x, stored.y, stored.width, stored.height), frame);
  };
  const double spread[] = {0.0, 3.1, -2.4, 1.2, -4.8, 2.6, 0.4, -1.7, 5.3, -0.9};
  for (int i = 0; i < 40; ++i) state_.series.AppendShot(800.0 + spread[i % 10] + (i % 7) * 0.6);
  Open(UiLanguage::kNeutral);
  Trigger(Id::kBig);
  auto* big = Shown<QtPaintedWidget>();
  ASSERT_NE(big, nullptr);
  big->move(70, 80);
  big->resize(320, 360);
  auto red = [big] {
    const QImage image = big->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const std::span pixels(reinterpret_cast<const QRgb*>(image.constBits()),
                           static_cast<std::size_t>(image.sizeInBytes()) / sizeof(QRgb));
    return std::ranges::find(pixels, qRgb(255, 0, 0)) != pixels.end();
  };
  Shoot(1500, 6, "41");  // 521.33 fps, 9.04 ft.lbs: legal
  EXPECT_FALSE(red());
  SavePicture(*big, "big-display.png");
  Shoot(1234, 6, "42");  // 13.35 ft.lbs: above the 12 ft.lbs limit
  EXPECT_TRUE(red());
  SavePicture(*big, "big-display-over-limit.png");
  reopen(Id::kBig, setting::kBigDisplayPlacement);
  state_.series.UndoLastShot();
  state_.series.UndoLastShot();

  Trigger(Id::kGraphics);
  auto* graph = Shown<QtPaintedWidget>();
  ASSERT_NE(graph, nullptr);
  graph->move(90, 60);
  graph->resize(420, 300);
  SavePicture(*graph, "graph.png");
  for (const GraphCommand choice : {GraphCommand::kHistogram, GraphCommand::kShowMarkers}) {
    QTimer::singleShot(100, [choice] {
      auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(popup, nullptr);
      for (QAction* action : popup->actions()) {
        if (action->data().toInt() == static_cast<int>(choice)) popup->setActiveAction(action);
      }
      QTest::keyClick(popup, Qt::Key_Return);
    });
    QTest::mouseClick(graph, Qt::RightButton, {}, QPoint(50, 50));
  }
  SavePicture(*graph, "graph-histogram.png");
  reopen(Id::kGraphics, setting::kGraphPlacement);
}

// The user picks the simulator's port in the sheet, switches to metric units and applies: the
// window relabels at once and shots arrive on the new port.
TEST_F(MainWindowUiTest, SetUpChangesThePortAndTheUnits) {
  serial_.simulator = instrument_->device_path();
  state_.settings.port_name = "/dev/tarvik-no-such-port";
  Open(UiLanguage::kNeutral);
  EXPECT_EQ(quiet_.message_box.shown.size(), 1u);  // the failed port
  bool ran = false;
  QTimer::singleShot(100, [this, &ran] {
    auto* sheet = dynamic_cast<QtPropertySheet*>(QApplication::activeModalWidget());
    ASSERT_NE(sheet, nullptr);
    QtDialog* general = sheet->page_window(0);
    auto* ports = qobject_cast<QComboBox*>(general->Control(static_cast<int>(ConfigId::kPortList)));
    const int simulator = ports->findText(QString::fromStdString(instrument_->device_path()));
    ASSERT_GE(simulator, 0);
    ports->setCurrentIndex(simulator);
    emit ports->activated(simulator);
    qobject_cast<QCheckBox*>(general->Control(static_cast<int>(ConfigId::kMetric)))->click();
    const char* names[] = {"config-general.png", "config-log.png", "config-sound.png",
                           "config-tab.png"};
    for (int page = 3; page >= 0; --page) {
      sheet->tabs()->setCurrentIndex(page);
      SavePicture(*sheet, names[page]);
    }
    sheet->buttons()->button(QDialogButtonBox::Apply)->click();
    EXPECT_FALSE(sheet->buttons()->button(QDialogButtonBox::Apply)->isEnabled());
    sheet->buttons()->button(QDialogButtonBox::Ok)->click();
    ran = true;
  });
  Trigger(Id::kSetUp);
  ASSERT_TRUE(ran);
  EXPECT_EQ(Text(Id::kLastVelocityUnit), "m/s");
  Shoot(1234, 6, "1");
  EXPECT_EQ(Text(Id::kLastVelocity), " 193.16");
  EXPECT_EQ(NextRun().ReadSettingText("Port Name", ""), instrument_->device_path());
}

TEST_F(MainWindowUiTest, AboutBoxShowsTheVersionAndClosesByOkOnly) {
  Open(UiLanguage::kNeutral);
  bool ran = false;
  QTimer::singleShot(100, [&ran] {
    auto* about = dynamic_cast<QtDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->GetItemText(static_cast<int>(AboutId::kVersion)), "01.12.00");
    SavePicture(*about, "about.png");
    QTest::keyClick(about, Qt::Key_Escape);
    about->close();  // the close box
    EXPECT_TRUE(about->isVisible());
    qobject_cast<QPushButton*>(about->Control(static_cast<int>(AboutId::kOk)))->click();
    ran = true;
  });
  Trigger(Id::kAbout);
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace tarvik::ui
