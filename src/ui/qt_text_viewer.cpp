#include "ui/qt_text_viewer.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "base/number_text.h"

namespace tarvik::ui {
namespace {

// xdg-open's exit codes for a file it could not show.
std::string OpenerFailure(int exit_code) {
  switch (exit_code) {
    case 2:
      return "xdg-open: the file cannot be read.";
    case 3:
      return "xdg-open: no program to open text files was found.";
    case 4:
      return "xdg-open: the program for text files failed.";
    default:
      return "xdg-open ended with code " + FormatInt(exit_code) + ".";
  }
}

}  // namespace

void QtTextViewer::ShowTextFile(const std::string& path, const Failed& tell_user) {
  const Failed failed = [&log = log_, path, tell_user](const std::string& why) {
    LogFailure(log, "show", path, why);
    tell_user(why);
  };
  // A file URL carries any name intact: spaces, quotes, bytes beyond ASCII.
  const QString file = QDir::current().absoluteFilePath(QString::fromLocal8Bit(path.c_str()));
  const QString opener = QStandardPaths::findExecutable("xdg-open");
  if (opener.isEmpty()) {
    // No xdg-open: Qt's own way (a desktop portal, for one), whose failure is known at once.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file))) {
      failed("No program to open files (xdg-open) was found.");
    }
    return;
  }
  // xdg-open finds the desktop's program for text files and returns once it has started it; its
  // exit code says when there is none.
  auto* process = new QProcess;
  QObject::connect(process, &QProcess::finished, process,
                   [process, failed](int exit_code, QProcess::ExitStatus status) {
                     if (status != QProcess::NormalExit) {
                       failed("xdg-open did not finish.");
                     } else if (exit_code != 0) {
                       failed(OpenerFailure(exit_code));
                     }
                     process->deleteLater();
                   });
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, failed](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     failed("xdg-open: " + process->errorString().toStdString());
                     process->deleteLater();
                   });
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  process->start(opener, {QUrl::fromLocalFile(file).toString()});
}

}  // namespace tarvik::ui
