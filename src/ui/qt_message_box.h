// Message boxes over a window: the text, the caption and an OK button (or Yes and No), modal, in a
// nested event loop in which the owner's timers keep running.
#ifndef TARVIK_UI_QT_MESSAGE_BOX_H_
#define TARVIK_UI_QT_MESSAGE_BOX_H_

#include <QWidget>

#include "base/message_box.h"

namespace tarvik::ui {

class QtMessageBox final : public MessageBoxView {
 public:
  explicit QtMessageBox(QWidget* owner) : owner_(owner) {}
  void ShowMessage(std::string_view text, std::string_view caption) override;
  bool AskYesNo(std::string_view question, std::string_view caption) override;

 private:
  QWidget* owner_;
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_MESSAGE_BOX_H_
