// The WindowFactory of the native front: the windows the main window opens over and beside
// itself, made from their templates.
#ifndef TARVIK_WIN32UI_WIN32_WINDOWS_H_
#define TARVIK_WIN32UI_WIN32_WINDOWS_H_

#include "dialogs/window_factory.h"
#include "win32ui/win32_dialog.h"

namespace tarvik::win32ui {

class Win32Windows final : public WindowFactory {
 public:
  // The windows are owned by `owner`'s window, looked up when each is made.
  explicit Win32Windows(const Win32Dialog& owner) : owner_(owner) {}

  int RunModal(const DialogTemplate& dialog, const MakeLogic& make_logic) override;
  std::unique_ptr<ModelessWindow> OpenModeless(const DialogTemplate& dialog,
                                               const MakeLogic& make_logic) override;
  std::unique_ptr<PaintedWindow> OpenPainted(const WindowPlacement& frame,
                                             PaintedWindowEvents& events) override;
  std::unique_ptr<TableWindow> OpenTable(const TableWindowTexts& texts,
                                         const WindowPlacement& frame,
                                         TableWindowEvents& events) override;
  int RunPropertySheet(std::string_view caption, std::vector<SheetPage> pages) override;
  void FocusOwner() override;

 private:
  const Win32Dialog& owner_;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_WINDOWS_H_
