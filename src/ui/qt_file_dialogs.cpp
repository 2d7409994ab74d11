#include "ui/qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "ui/qt_text.h"

namespace tarvik::ui {
std::string QtFileDialogs::ChooseFile(const ChooseFileRequest& request) {
  // Over whatever modal window asked (a sheet's page), else over the owner.
  QWidget* parent = QApplication::activeModalWidget();
  QFileDialog dialog(parent != nullptr ? parent : owner_, FromUtf8(request.title));
  // A file to be written: the dialog asks before replacing one that exists, as it does unless
  // told otherwise.
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);  // a log that does not exist yet may be named
  if (request.save) dialog.setDefaultSuffix(FromUtf8(DefaultExtension(request.filters)));
  QStringList filters;
  for (const FileFilter& filter : request.filters) {
    // "*.*" means every file, whether its name has a dot or not.
    const QString pattern = filter.pattern == "*.*" ? "*" : FromUtf8(filter.pattern);
    filters << FromUtf8(filter.name) + " (" + pattern + ")";
  }
  dialog.setNameFilters(filters);
  if (!request.file.empty()) dialog.selectFile(FromUtf8(request.file));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return request.file;
  }
  return dialog.selectedFiles().front().toUtf8().toStdString();
}

}  // namespace tarvik::ui
