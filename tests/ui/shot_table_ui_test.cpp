// The shot table of the real main window on Qt, against the simulated instrument on a
// pseudo-terminal: shots arrive in it, a flyer is left out and every average follows, the table
// reopens where it was closed. With TARVIK_PICTURES set to a folder, the table is saved there in
// English and German.
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <string>

#include "main_window_fixture.h"
#include "res/statistics_template.h"
#include "settings/setting_table.h"
#include "ui/qt_table_window.h"

namespace tarvik::ui {
namespace {

using Id = MainWindowId;

class ShotTableUiTest : public MainWindowUiTest {
 protected:
  // A string with a flyer among steady shots, some of them above the 12 ft.lbs limit.
  void ShootString() {
    int shots = 0;
    for (const std::uint64_t count : {1232, 1229, 1236, 1380, 1231, 1226, 1234, 1228}) {
      Shoot(count, 6, FormatInt(++shots));
    }
  }
  QTableView* Rows(QWidget* table) { return table->findChild<QTableView*>(); }
  QPushButton* Button(QWidget* table, const QString& text) {
    for (QPushButton* button : table->findChildren<QPushButton*>()) {
      if (button->text() == text) return button;
    }
    return nullptr;
  }
};

TEST_F(ShotTableUiTest, AFlyerLeftOutLeavesEveryAverageAndTheTableReopensWhereItWas) {
  state_.settings.legal_limit = 13.45;
  Open(UiLanguage::kNeutral);
  Trigger(Id::kAdvancedStatistics);
  auto* statistics = Shown<QtDialog>("Averages");
  ASSERT_NE(statistics, nullptr);
  Trigger(Id::kShotTable);
  auto* table = Shown<QtTableWidget>();
  ASSERT_NE(table, nullptr);
  table->move(60, 40);
  table->resize(760, 560);
  ShootString();
  QTableView* rows = Rows(table);
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(rows->model()->rowCount(), 8);
  const std::string all_eight = Text(Id::kAverageVelocity);

  rows->selectRow(3);  // the flyer, 1380
  QPushButton* leave_out = Button(table, "&Leave out");
  ASSERT_NE(leave_out, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return leave_out->isEnabled(); }, 2000));
  QTest::mouseClick(leave_out, Qt::LeftButton);
  EXPECT_EQ(rows->model()->rowCount(), 8) << "a left-out shot stays in the table";
  EXPECT_EQ(Text(Id::kShotCount), "7");
  EXPECT_NE(Text(Id::kAverageVelocity), all_eight);
  EXPECT_EQ(statistics->GetItemText(static_cast<int>(StatisticsId::kShotCount)), "7");
  rows->selectRow(5);
  QTest::qWait(50);
  SavePicture(*table, "shot-table.png");

  // Closed and opened again: where it was, and the frame stored for the next run.
  const QRect frame = table->frameGeometry();
  Trigger(Id::kShotTable);
  EXPECT_EQ(Shown<QtTableWidget>(), nullptr);
  Trigger(Id::kShotTable);
  table = Shown<QtTableWidget>();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->frameGeometry(), frame);
  Trigger(Id::kShotTable);
  SettingsStore next_run = NextRun();
  WindowPlacement stored;
  ReadWindowPlacement(next_run, setting::kShotTablePlacement, stored);
  EXPECT_EQ(QRect(stored.x, stored.y, stored.width, stored.height), frame);

  // Taken in again: the averages of all eight come back.
  Trigger(Id::kShotTable);
  table = Shown<QtTableWidget>();
  Rows(table)->selectRow(3);
  QPushButton* take_in = Button(table, "&Take in");
  ASSERT_TRUE(QTest::qWaitFor([&] { return take_in->isEnabled(); }, 2000));
  QTest::mouseClick(take_in, Qt::LeftButton);
  EXPECT_EQ(Text(Id::kAverageVelocity), all_eight);
  Trigger(Id::kShotTable);
}

TEST_F(ShotTableUiTest, TheGermanTableShowsItsOwnTexts) {
  state_.settings.legal_limit = 13.45;
  Open(UiLanguage::kGerman);
  Trigger(Id::kShotTable);
  auto* table = Shown<QtTableWidget>();
  ASSERT_NE(table, nullptr);
  table->move(60, 40);
  table->resize(760, 560);
  ShootString();
  EXPECT_EQ(table->windowTitle(), "Schusstabelle");
  ASSERT_NE(Button(table, "&Auslassen"), nullptr);
  Rows(table)->selectRow(3);
  QTest::mouseClick(Button(table, "&Auslassen"), Qt::LeftButton);
  EXPECT_EQ(Text(Id::kShotCount), "7");
  QTest::qWait(50);
  SavePicture(*table, "shot-table-de.png");
  Trigger(Id::kShotTable);
}

}  // namespace
}  // namespace tarvik::ui
