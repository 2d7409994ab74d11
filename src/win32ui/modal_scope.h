// While a modal window is up, the program's other top-level windows take no input, as the window
// it is modal over takes none. The system's modal dialogs and message boxes disable only their
// owner, the main window; without this the windows beside it (the shot table, the history, a kept
// string) would stay usable and could be closed under the dialog, whose caller goes on with them
// once it returns. They still paint and their timers still tick.
#ifndef TARVIK_WIN32UI_MODAL_SCOPE_H_
#define TARVIK_WIN32UI_MODAL_SCOPE_H_

#include <vector>

#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

class ModalScope {
 public:
  // Disables the thread's enabled, visible top-level windows but `owner`, which the modal window
  // disables itself.
  explicit ModalScope(HWND owner);
  // Enables again those that still exist.
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  HWND owner_;
  std::vector<HWND> disabled_;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_MODAL_SCOPE_H_
