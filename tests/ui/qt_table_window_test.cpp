// The shot table window on the offscreen platform, over a logic that makes up its rows and
// counts what it is asked.
#include "ui/qt_table_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/number_text.h"

namespace tarvik::ui {
namespace {

using FigureGrid = std::vector<std::vector<std::string>>;
using Help = std::tuple<TablePart, int, HelpGesture>;

// The window's commands: two with keys, and one that is a button only.
constexpr int kLeaveOut = 1;
constexpr int kTakeIn = 2;
constexpr int kOpen = 7;

class FakeTableEvents : public TableWindowEvents {
 public:
  int RowCount() const override { return Asked(rows); }
  std::string CellText(int row, int column) const override {
    ++cell_texts;
    highest_row = std::max(highest_row, row);
    return Asked(FormatInt(row) + ":" + FormatInt(column));
  }
  RowLook LookOfRow(int row) const override {
    const auto found = looks.find(row);
    return Asked(found != looks.end() ? found->second : RowLook{});
  }
  FigureGrid Figures() const override { return Asked(figures); }
  // A red square in the top left corner on whatever the window's background is.
  void PaintChart(Canvas& canvas) override {
    ++calls;
    painted = canvas.ClientSize();
    canvas.FillRect({0, 0, 10, 10}, kRed);
  }
  void ChartClicked(int x, int y) override { Asked(clicks.emplace_back(x, y)); }
  void SelectionChanged() override { Asked(++selection_changes); }
  void Command(int command) override { Asked(commands.emplace_back(command)); }
  void RowActivated(int row) override { Asked(activated.emplace_back(row)); }
  void HelpRequested(TablePart part, int command, HelpGesture gesture) override {
    Asked(helps.emplace_back(part, command, gesture));
  }
  void CloseRequested() override { Asked(++close_requests); }

  int rows = 0;
  std::map<int, RowLook> looks;
  FigureGrid figures = {{"", "Velocity"}, {"Shots", "3"}};
  mutable int calls = 0;  // every question and event
  mutable int cell_texts = 0;
  mutable int highest_row = -1;
  CanvasSize painted;
  std::vector<std::pair<int, int>> clicks;
  int selection_changes = 0;
  std::vector<int> commands;
  std::vector<int> activated;
  std::vector<Help> helps;
  int close_requests = 0;

 private:
  template <typename T>
  T Asked(T value) const {
    ++calls;
    return value;
  }
};

TableWindowTexts Texts() {
  return {"Shots",
          {{"No.", true, 6}, {"Time", false, 12}, {"Velocity", true, 9}},
          {{kLeaveOut, "&Leave out", TableKey::kDelete},
           {kTakeIn, "&Take in", TableKey::kInsert},
           {kOpen, "&Open", TableKey::kNone, false}}};
}

class QtTableWindowTest : public ::testing::Test {
 protected:
  void Open(int rows) {
    events_.rows = rows;
    window_ = std::make_unique<QtTableWindow>(Texts(), kFrame, events_, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
  }
  QtTableWidget* window() const { return window_->widget(); }
  QtRowTable* table() const { return window()->table(); }
  QModelIndex Cell(int row, int column = 0) const { return window()->model()->index(row, column); }
  // The last row the table shows, whole or in part.
  int LastShownRow() const {
    const int row = table()->rowAt(table()->viewport()->height() - 1);
    return row >= 0 ? row : window()->model()->rowCount() - 1;
  }
  void ClickRow(int row, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, keys,
                      table()->visualRect(Cell(row)).center());
  }
  static void RightClick(QWidget* widget, QPoint at = {2, 2}) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
  }

  static constexpr WindowPlacement kFrame{40, 50, 640, 480};
  FakeTableEvents events_;
  std::unique_ptr<QtTableWindow> window_;
};

// 100,000 rows open as fast as ten: only the rows in view are asked for. The time is measured on
// a shared machine, so the bound is loose; the figure is printed.
TEST_F(QtTableWindowTest, HundredThousandRowsOpenAtOnceAndOnlyTheRowsShownAreAskedFor) {
  const auto start = std::chrono::steady_clock::now();
  Open(100'000);
  QApplication::processEvents();
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  std::cout << "100,000 rows open in " << took.count() << " ms, " << events_.cell_texts
            << " cell texts asked for\n";
  EXPECT_LT(took.count(), 2000);
  EXPECT_EQ(window()->model()->rowCount(), 100'000);
  const int shown = LastShownRow() + 1;
  EXPECT_GT(shown, 5);
  EXPECT_LE(events_.highest_row, shown - 1);
  EXPECT_LE(events_.cell_texts, 3 * shown * 3);  // a few paints of three columns

  // Scrolling to the end asks for the rows there only.
  events_.cell_texts = 0;
  window_->ScrollToRow(99'999);
  QApplication::processEvents();
  EXPECT_EQ(LastShownRow(), 99'999);
  EXPECT_LE(events_.cell_texts, 3 * shown * 3);
}

// Rows added at the end are shown, the changed ones drawn anew, and the last is brought into view;
// rows taken away go with their selection, which the user did not change.
TEST_F(QtTableWindowTest, RowsAddedOrTakenAwayAtTheEndFollowTheLogic) {
  Open(1000);
  QSignalSpy changed(window()->model(), &QAbstractItemModel::dataChanged);
  events_.rows = 1010;
  window_->RowsChanged(995);
  window_->ScrollToRow(1009);
  QApplication::processEvents();
  EXPECT_EQ(window()->model()->rowCount(), 1010);
  EXPECT_EQ(LastShownRow(), 1009);
  EXPECT_TRUE(table()->viewport()->rect().contains(table()->visualRect(Cell(1009, 2))));
  EXPECT_EQ(window()->model()->data(Cell(1009, 2)).toString(), "1009:2");
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].value<QModelIndex>(), Cell(995, 0));
  EXPECT_EQ(changed[0][1].value<QModelIndex>(), Cell(1009, 2));

  const std::vector<int> selected = {2, 3, 4};
  window_->SelectRows(selected);
  events_.rows = 3;
  window_->RowsChanged(3);  // nothing left from row 3 on to draw anew
  EXPECT_EQ(window()->model()->rowCount(), 3);
  EXPECT_EQ(window_->SelectedRows(), std::vector<int>{2});
  EXPECT_EQ(changed.count(), 1);
  events_.rows = 0;
  window_->RowsChanged(0);
  EXPECT_EQ(window()->model()->rowCount(), 0);
  EXPECT_TRUE(window_->SelectedRows().empty());
  EXPECT_EQ(events_.selection_changes, 0);
}

// The program's selection raises nothing; the user's click and Ctrl+click do.
TEST_F(QtTableWindowTest, OnlyTheUsersSelectionIsReported) {
  Open(50);
  const std::vector<int> rows = {9, 4, 3, 5, 4, -1, 50};
  window_->SelectRows(rows);
  EXPECT_EQ(window_->SelectedRows(), (std::vector<int>{3, 4, 5, 9}));
  EXPECT_TRUE(table()->selectionModel()->isRowSelected(9, {}));
  EXPECT_EQ(events_.selection_changes, 0);
  window_->SelectRows({});
  EXPECT_TRUE(window_->SelectedRows().empty());
  EXPECT_EQ(events_.selection_changes, 0);

  ClickRow(2);
  EXPECT_EQ(events_.selection_changes, 1);
  EXPECT_EQ(window_->SelectedRows(), std::vector<int>{2});
  ClickRow(6, Qt::ControlModifier);
  EXPECT_EQ(events_.selection_changes, 2);
  EXPECT_EQ(window_->SelectedRows(), (std::vector<int>{2, 6}));
}

// Delete, Insert, the buttons and the table's menu give the commands while they are enabled; a
// command kept out of the menu is a button only.
TEST_F(QtTableWindowTest, CommandsComeFromKeysButtonsAndMenuWhileEnabled) {
  Open(10);
  table()->setFocus();
  QTest::keyClick(table(), Qt::Key_Delete);
  QTest::keyClick(table(), Qt::Key_Insert);
  window()->button(kTakeIn)->click();
  EXPECT_EQ(window()->button(kLeaveOut)->text(), "&Leave out");
  EXPECT_EQ(window()->button(99), nullptr);
  // Left to right in the order given.
  EXPECT_LT(window()->button(kTakeIn)->x(), window()->button(kOpen)->x());
  EXPECT_LT(window()->button(kLeaveOut)->x(), window()->button(kTakeIn)->x());

  window_->EnableCommand(kTakeIn, false);
  QStringList items;
  QTimer::singleShot(0, [&items] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (const QAction* action : menu->actions()) {
      items << action->text() + (action->isEnabled() ? "" : " (disabled)");
    }
    menu->setActiveAction(menu->actions().front());
    QTest::keyClick(menu, Qt::Key_Return);
  });
  RightClick(table()->viewport());
  EXPECT_EQ(items, (QStringList{"&Leave out", "&Take in (disabled)"}));
  QTest::keyClick(table(), Qt::Key_Insert);
  EXPECT_FALSE(window()->button(kTakeIn)->isEnabled());
  window_->EnableCommand(kTakeIn, true);
  QTest::keyClick(table(), Qt::Key_Insert);
  window()->button(kOpen)->click();
  window_->EnableCommand(kOpen, false);
  window()->button(kOpen)->click();
  EXPECT_EQ(events_.commands,
            (std::vector{kLeaveOut, kTakeIn, kTakeIn, kLeaveOut, kTakeIn, kOpen}));
  EXPECT_TRUE(events_.helps.empty());  // the table's right click is its menu, not help
}

// However many buttons there are, the window is never narrower than their row.
TEST_F(QtTableWindowTest, MinimumWidthKeepsEveryButtonWhole) {
  Open(3);
  window()->resize(50, window()->height());
  QApplication::processEvents();
  const QPushButton* last = window()->button(kOpen);
  EXPECT_GE(window()->width(), window()->minimumWidth());
  EXPECT_LE(last->mapTo(window(), QPoint(last->width(), 0)).x(), window()->width());
}

// A double click on a row and Enter in the table activate that row.
TEST_F(QtTableWindowTest, DoubleClickAndEnterActivateTheRow) {
  Open(10);
  table()->setFocus();
  ClickRow(4);
  QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {},
                     table()->visualRect(Cell(4)).center());
  ClickRow(6);
  QTest::keyClick(table(), Qt::Key_Return);
  QTest::keyClick(table(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(events_.activated, (std::vector{4, 6, 6}));
  EXPECT_TRUE(events_.commands.empty());
}

// A left-out row is grey and struck through, an over-limit one red; a left-out one over the limit
// is grey, as it no longer counts.
TEST_F(QtTableWindowTest, LooksOfTheRowsReachTheModelsRoles) {
  events_.looks = {{1, {.dimmed = true}}, {2, {.alert = true}}, {3, {true, true}}};
  Open(5);
  const QAbstractItemModel& model = *window()->model();
  const auto colour = [&model, this](int row) {
    return model.data(Cell(row, 1), Qt::ForegroundRole).value<QBrush>().color();
  };
  const auto struck = [&model, this](int row) {
    const QVariant font = model.data(Cell(row, 1), Qt::FontRole);
    return font.isValid() && font.value<QFont>().strikeOut();
  };
  EXPECT_FALSE(model.data(Cell(0, 1), Qt::ForegroundRole).isValid());
  EXPECT_EQ(colour(1), QColor(Qt::gray));
  EXPECT_EQ(colour(2), QColor(Qt::red));
  EXPECT_EQ(colour(3), QColor(Qt::gray));
  EXPECT_FALSE(struck(0));
  EXPECT_TRUE(struck(1));
  EXPECT_FALSE(struck(2));
  EXPECT_TRUE(struck(3));
}

// The figures are laid out as the logic gives them and refreshed when it says so, in the same
// shape or another.
TEST_F(QtTableWindowTest, FiguresAreShownAndRefreshed) {
  Open(3);
  const QtFiguresPanel& figures = *window()->figures();
  ASSERT_NE(figures.Cell(1, 1), nullptr);
  EXPECT_EQ(figures.Cell(0, 1)->text(), "Velocity");
  EXPECT_EQ(figures.Cell(1, 1)->text(), "3");
  EXPECT_TRUE(figures.Cell(1, 1)->alignment() & Qt::AlignRight);
  EXPECT_TRUE(figures.Cell(1, 0)->alignment() & Qt::AlignLeft);

  events_.figures[1][1] = "4";
  window_->FiguresChanged();
  EXPECT_EQ(figures.Cell(1, 1)->text(), "4");
  // Four strings side by side: a column each.
  events_.figures = {{"", "Morning", "Noon", "Evening", "Night"},
                     {"Shots", "4", "5", "6", "7"},
                     {"Average", "171.2", "170", "169.5", "3.1"}};
  window_->FiguresChanged();
  ASSERT_NE(figures.Cell(2, 4), nullptr);
  EXPECT_EQ(figures.Cell(2, 4)->text(), "3.1");
  EXPECT_EQ(figures.Cell(0, 4)->text(), "Night");
  EXPECT_TRUE(figures.Cell(2, 4)->alignment() & Qt::AlignRight);
  QApplication::processEvents();
  EXPECT_LT(figures.Cell(2, 3)->x(), figures.Cell(2, 4)->x());
  events_.figures = {{"", "Velocity"}};
  window_->FiguresChanged();
  EXPECT_EQ(figures.Cell(1, 0), nullptr);
}

// The chart is painted over its whole area, again when the logic says so, and hands on a left
// click at its point.
TEST_F(QtTableWindowTest, ChartIsPaintedAndHandsOnLeftClicks) {
  Open(3);
  QtChartWidget& chart = *window()->chart();
  ASSERT_TRUE(QTest::qWaitFor([this, &chart] { return events_.painted.width == chart.width(); }));
  EXPECT_EQ(events_.painted.height, chart.height());
  events_.painted = {};
  window_->ChartChanged();
  EXPECT_TRUE(QTest::qWaitFor([this] { return events_.painted.width > 0; }));

  QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(17, 9));
  QTest::mouseClick(&chart, Qt::RightButton, {}, QPoint(20, 20));
  EXPECT_EQ(events_.clicks, (std::vector<std::pair<int, int>>{{17, 9}}));
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// The chart is saved as the logic paints it, at the chart's size but never below 400 by 300: a PNG
// that loads back with the painting in it, a PDF, an SVG with the red square. A file that cannot
// be made gives the system's words, whatever the format.
TEST_F(QtTableWindowTest, ChartIsSavedInEveryFormatAtItsSize) {
  Open(3);
  const std::filesystem::path folder = ::testing::TempDir() + "/qt_table_chart";
  std::filesystem::create_directories(folder);
  const QSize shown = window()->chart()->size();
  ASSERT_TRUE(shown.width() < 400 || shown.height() < 300);
  EXPECT_TRUE(window_->CanSaveChart(ChartFormat::kPng));
  EXPECT_TRUE(window_->CanSaveChart(ChartFormat::kSvg));

  const std::string png = (folder / "small.png").string();
  ASSERT_EQ(window_->SaveChart(png, ChartFormat::kPng), std::nullopt);
  QImage image(QString::fromStdString(png));
  EXPECT_EQ(image.size(), shown.expandedTo(QSize(400, 300)));
  EXPECT_EQ(events_.painted.width, image.width());
  EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(15, 15), window()->chart()->palette().color(QPalette::Window));

  window()->resize(1400, 1000);
  ASSERT_TRUE(QTest::qWaitFor([this] { return window()->chart()->width() > 400; }));
  const QSize large = window()->chart()->size();
  ASSERT_EQ(window_->SaveChart(png, ChartFormat::kPng), std::nullopt);
  EXPECT_EQ(QImage(QString::fromStdString(png)).size(), large.expandedTo(QSize(400, 300)));

  ASSERT_EQ(window_->SaveChart((folder / "chart.pdf").string(), ChartFormat::kPdf), std::nullopt);
  EXPECT_TRUE(ReadFile(folder / "chart.pdf").starts_with("%PDF-"));
  ASSERT_EQ(window_->SaveChart((folder / "chart.svg").string(), ChartFormat::kSvg), std::nullopt);
  const std::string svg = ReadFile(folder / "chart.svg");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("#ff0000"), std::string::npos);

  for (const ChartFormat format : {ChartFormat::kPng, ChartFormat::kPdf, ChartFormat::kSvg}) {
    const std::optional<PlatformError> error =
        window_->SaveChart("/no-such-folder-here/chart", format);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, ENOENT);
    EXPECT_EQ(error->text, "No such file or directory");
  }
  EXPECT_FALSE(std::filesystem::exists("/no-such-folder-here"));
}

// F1 asks for the topic of the part with the focus, a right click for that of the part under it;
// the caption, Alt+F4 and Escape ask the logic to close, and only it closes the window.
TEST_F(QtTableWindowTest, HelpAndCloseRequestsGoToTheLogic) {
  using enum TablePart;
  using enum HelpGesture;
  Open(3);
  table()->setFocus();
  QTest::keyClick(table(), Qt::Key_F1);
  QPushButton* take_in = window()->button(kTakeIn);
  take_in->setFocus();
  QTest::keyClick(take_in, Qt::Key_F1);
  RightClick(window()->figures()->Cell(1, 1));
  RightClick(window()->chart());
  RightClick(window()->button(kOpen));
  EXPECT_EQ(events_.helps, (std::vector<Help>{{kTable, 0, kHelpRequest},
                                              {kButton, kTakeIn, kHelpRequest},
                                              {kFigures, 0, kContextMenu},
                                              {kChart, 0, kContextMenu},
                                              {kButton, kOpen, kContextMenu}}));

  QTest::keyClick(table(), Qt::Key_Escape);
  window()->close();
  EXPECT_EQ(events_.close_requests, 2);
  EXPECT_TRUE(window()->isVisible());
}

// The frame given is the frame read back, and so is it at the next opening; letting go of the
// window hides it at once and destroys it without a word to the logic.
TEST_F(QtTableWindowTest, FrameRoundTripsAndLettingGoEndsTheWindowSilently) {
  Open(3);
  const WindowPlacement frame = window_->Frame();
  EXPECT_EQ(QRect(frame.x, frame.y, frame.width, frame.height),
            QRect(kFrame.x, kFrame.y, kFrame.width, kFrame.height));
  EXPECT_EQ(window()->frameGeometry(), QRect(kFrame.x, kFrame.y, kFrame.width, kFrame.height));

  const QPointer<QtTableWidget> widget = window();
  table()->setFocus();
  window_->SelectRows(std::vector<int>{1});
  const int calls = events_.calls;
  window_.reset();
  EXPECT_FALSE(widget->isVisible());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
  EXPECT_TRUE(widget.isNull());
  EXPECT_EQ(events_.calls, calls);
}

}  // namespace
}  // namespace tarvik::ui
