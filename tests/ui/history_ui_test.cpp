// Strings and their history in the real program on Qt, against the simulated instrument: two
// strings of two shots are named as they begin, the program is closed and started again, the
// two are compared side by side in the history and exported for a spreadsheet. With
// TARVIK_PICTURES set, the name dialog, the history and the comparison are saved there.
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dialogs/history_window.h"
#include "main_window_fixture.h"
#include "measure/csv_export.h"
#include "platform/posix/posix_history_folder.h"
#include "ui/qt_table_window.h"

namespace tarvik::ui {
namespace {

using Id = MainWindowId;

// A file's fields as RFC 4180 reads them: quoted fields may hold commas, quotes and line ends.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        rows.back().back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        rows.back().back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
      if (i + 1 < text.size()) rows.emplace_back(1);
    } else {
      rows.back().back() += c;
    }
  }
  return rows;
}

class HistoryUiTest : public MainWindowUiTest {
 protected:
  void OpenOnTheDisk() {
    history_ = std::make_unique<posix::PosixHistoryFolder>((folder_ / "history").string());
    Open(UiLanguage::kNeutral);
  }
  // Closes the program's windows, as quitting does, and lets go of the history.
  void Quit() {
    window_->Destroyed();
    window_.reset();
    help_.reset();
    windows_.reset();
    dialog_.reset();
    history_.reset();
    state_.series.ResetSeries();
  }
  // New string, and the name and notes typed into the dialog that it opens.
  void NewString(const QString& name, const QString& notes, const std::string& picture = {}) {
    QTimer::singleShot(0, [=, this] {
      auto* dialog = dynamic_cast<QtDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      const QList<QLineEdit*> edits = dialog->findChildren<QLineEdit*>();
      ASSERT_EQ(edits.size(), 2);
      edits[0]->setText(name);
      edits[1]->setText(notes);
      if (!picture.empty()) SavePicture(*dialog, picture);
      QPushButton* ok = Button(dialog, "OK");
      ASSERT_NE(ok, nullptr);
      ok->click();
    });
    Trigger(Id::kNewString);
  }
  static QPushButton* Button(QWidget* window, const QString& text) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
      if (button->text() == text) return button;
    }
    return nullptr;
  }
  static std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
};

TEST_F(HistoryUiTest, TwoNamedStringsAreKeptComparedAfterARestartAndExported) {
  OpenOnTheDisk();
  NewString("JSB Exact 8.44", "25 m, rest, new tin", "new-string.png");
  EXPECT_EQ(Text(Id::kShotCount), "0");
  Shoot(1232, 6, "1");
  Shoot(1238, 6, "2");
  NewString("RWS Superdome 8.3", "25 m, rest");
  Shoot(1251, 6, "1");
  Shoot(1244, 6, "2");
  Quit();

  OpenOnTheDisk();
  Trigger(Id::kHistory);
  auto* history = Shown<QtTableWidget>();
  ASSERT_NE(history, nullptr);
  history->move(60, 40);
  history->resize(820, 600);
  QTableView* rows = history->findChild<QTableView*>();
  ASSERT_EQ(rows->model()->rowCount(), 2);
  EXPECT_EQ(rows->model()->index(0, HistoryWindow::kName).data().toString(), "RWS Superdome 8.3");
  EXPECT_EQ(rows->model()->index(1, HistoryWindow::kShots).data().toString(), "2");

  rows->selectRow(1);
  QTest::qWait(50);
  SavePicture(*history, "history.png");
  rows->selectAll();
  QTest::qWait(50);
  SavePicture(*history, "history-compare.png");

  // Nothing selected: all strings are exported.
  rows->clearSelection();
  const std::filesystem::path exported = folder_ / "strings.csv";
  quiet_.file_dialogs.choice = exported.string();
  QTest::mouseClick(Button(history, "E&xport..."), Qt::LeftButton);
  const std::vector<std::vector<std::string>> csv = ReadCsv(ReadWhole(exported));
  ASSERT_EQ(csv.size(), 5u) << ReadWhole(exported);
  EXPECT_EQ(ReadWhole(exported).substr(0, CsvHeader().size()), CsvHeader());
  for (const auto& row : csv) EXPECT_EQ(row.size(), 14u);
  EXPECT_EQ(csv[1][1], "JSB Exact 8.44");
  EXPECT_EQ(csv[1][13], "25 m, rest, new tin");
  EXPECT_EQ(csv[4][1], "RWS Superdome 8.3");
  EXPECT_EQ(csv[4][2], "2");

  // The comparison's chart as a picture for other programs.
  rows->selectAll();
  for (const char* name : {"chart.png", "chart.svg", "chart.pdf"}) {
    quiet_.file_dialogs.choice = (folder_ / name).string();
    QTest::mouseClick(Button(history, "Save &chart..."), Qt::LeftButton);
    EXPECT_GT(std::filesystem::file_size(folder_ / name), 1000u) << name;
  }
  EXPECT_FALSE(QImage(QString::fromStdString((folder_ / "chart.png").string())).isNull());
  EXPECT_TRUE(ReadWhole(folder_ / "chart.svg").find("<svg") != std::string::npos);
  EXPECT_TRUE(ReadWhole(folder_ / "chart.pdf").starts_with("%PDF"));
  EXPECT_TRUE(quiet_.message_box.shown.empty());
  Trigger(Id::kHistory);
}

}  // namespace
}  // namespace tarvik::ui
