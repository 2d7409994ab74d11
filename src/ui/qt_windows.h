// The windows a Qt window opens over itself, made from their templates and run modally.
#ifndef TARVIK_UI_QT_WINDOWS_H_
#define TARVIK_UI_QT_WINDOWS_H_

#include <QWidget>

#include "dialogs/window_factory.h"

namespace tarvik::ui {

class QtWindows final : public WindowFactory {
 public:
  explicit QtWindows(QWidget* owner) : owner_(owner) {}
  int RunModal(const DialogTemplate& dialog, const MakeLogic& make_logic) override;

 private:
  QWidget* owner_;
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_WINDOWS_H_
