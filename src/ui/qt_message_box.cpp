#include "ui/qt_message_box.h"

#include <QMessageBox>
#include <QWindow>

#include "ui/x11_caption.h"

namespace tarvik::ui {

void QtMessageBox::ShowMessage(std::string_view text, std::string_view caption) {
  QMessageBox box(owner_);
  box.setObjectName("TarvikMessageBox");
  box.setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
  // Line breaks arrive as CR LF; a label breaks lines at LF alone.
  QString body = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  body.replace("\r\n", "\n");
  box.setText(body);
  box.setTextFormat(Qt::PlainText);
  box.setStandardButtons(QMessageBox::Ok);
  box.winId();  // the native window, named before it is shown
  KeepTitleEmpty(*box.windowHandle());
  box.exec();
}

}  // namespace tarvik::ui
