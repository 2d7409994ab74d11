#include "ui/qt_text_viewer.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace tarvik::ui {

void QtTextViewer::ShowTextFile(const std::string& path) {
  // A file URL carries any name intact: spaces, quotes, bytes beyond ASCII.
  const QString file = QDir::current().absoluteFilePath(QString::fromLocal8Bit(path.c_str()));
  QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

}  // namespace tarvik::ui
