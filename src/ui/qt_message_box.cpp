#include "ui/qt_message_box.h"

#include <QMessageBox>
#include <QWindow>

#include "ui/x11_caption.h"

namespace tarvik::ui {

namespace {

int RunBox(QWidget* owner, std::string_view text, std::string_view caption,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton default_button) {
  QMessageBox box(owner);
  box.setObjectName("TarvikMessageBox");
  box.setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
  // Line breaks arrive as CR LF; a label breaks lines at LF alone.
  QString body = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  body.replace("\r\n", "\n");
  box.setText(body);
  box.setTextFormat(Qt::PlainText);
  box.setStandardButtons(buttons);
  box.setDefaultButton(default_button);
  if (buttons & QMessageBox::No) box.setEscapeButton(QMessageBox::No);
  box.winId();  // the native window, named before it is shown
  KeepTitleEmpty(*box.windowHandle());
  return box.exec();
}

}  // namespace

void QtMessageBox::ShowMessage(std::string_view text, std::string_view caption) {
  RunBox(owner_, text, caption, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageBox::AskYesNo(std::string_view question, std::string_view caption) {
  return RunBox(owner_, question, caption, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

}  // namespace tarvik::ui
