// The Qt file chooser: a file to be written is asked for with a Save dialog that confirms a
// replacement and gives the first filter's extension; a file to be read with an Open dialog.
#include "ui/qt_file_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

namespace tarvik::ui {
namespace {

struct Seen {
  QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
  bool confirms = false;
  QString suffix;
};

// Asks as the program does, notes the dialog that opens and cancels it.
Seen AskAndCancel(QtFileDialogs& dialogs, const ChooseFileRequest& request) {
  Seen seen;
  QTimer::singleShot(0, [&seen] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    seen = {dialog->acceptMode(), !dialog->testOption(QFileDialog::DontConfirmOverwrite),
            dialog->defaultSuffix()};
    dialog->reject();
  });
  EXPECT_EQ(dialogs.ChooseFile(request), request.file);  // cancelled: the starting name
  return seen;
}

TEST(QtFileDialogsTest, AFileToWriteIsAskedForWithASaveDialogAndOneToReadWithAnOpenDialog) {
  QWidget owner;
  QtFileDialogs dialogs(&owner);
  const FileFilter csv[] = {{"CSV files", "*.csv"}, {"All files", "*.*"}};
  const Seen save = AskAndCancel(dialogs, {"Export", csv, "tarvik-history.csv", /*save=*/true});
  EXPECT_EQ(save.mode, QFileDialog::AcceptSave);
  EXPECT_TRUE(save.confirms);
  EXPECT_EQ(save.suffix, "csv");

  const FileFilter any[] = {{"All files", "*.*"}};
  EXPECT_EQ(AskAndCancel(dialogs, {"Export", any, "out", /*save=*/true}).suffix, "");
  EXPECT_EQ(AskAndCancel(dialogs, {"Select Log file", csv, "Tarvik.log"}).mode,
            QFileDialog::AcceptOpen);
}

}  // namespace
}  // namespace tarvik::ui
