#include "ui/qt_windows.h"

#include "ui/qt_dialog.h"

namespace tarvik::ui {

int QtWindows::RunModal(const DialogTemplate& dialog, const MakeLogic& make_logic) {
  QtDialog window(dialog, nullptr, owner_);
  const std::unique_ptr<DialogEvents> logic = make_logic(window);
  return window.RunModal(*logic);
}

}  // namespace tarvik::ui
