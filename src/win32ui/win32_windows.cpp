#include "win32ui/win32_windows.h"

#include "win32ui/modal_scope.h"
#include "win32ui/win32_painted_window.h"
#include "win32ui/win32_property_sheet.h"
#include "win32ui/win32_table_window.h"

namespace tarvik::win32ui {
namespace {

// A modeless dialog and its logic: the logic hears Destroyed() before the window goes.
class Win32ModelessWindow final : public ModelessWindow {
 public:
  Win32ModelessWindow(std::unique_ptr<Win32Dialog> window, std::unique_ptr<DialogEvents> logic)
      : window_(std::move(window)), logic_(std::move(logic)) {}
  ~Win32ModelessWindow() override {
    logic_->Destroyed();
    window_->Attach(nullptr);
    window_.reset();
  }

 private:
  std::unique_ptr<Win32Dialog> window_;
  std::unique_ptr<DialogEvents> logic_;
};

}  // namespace

int Win32Windows::RunModal(const DialogTemplate& dialog, const MakeLogic& make_logic) {
  Win32Dialog window(dialog, nullptr, DialogRole::kModal);
  const std::unique_ptr<DialogEvents> logic = make_logic(window);
  const ModalScope modal(owner_.hwnd());
  return window.RunModal(*logic, owner_.hwnd());
}

std::unique_ptr<ModelessWindow> Win32Windows::OpenModeless(const DialogTemplate& dialog,
                                                           const MakeLogic& make_logic) {
  auto window = std::make_unique<Win32Dialog>(dialog, nullptr, DialogRole::kModeless);
  std::unique_ptr<DialogEvents> logic = make_logic(*window);
  if (!window->OpenModeless(*logic, owner_.hwnd())) return nullptr;
  return std::make_unique<Win32ModelessWindow>(std::move(window), std::move(logic));
}

std::unique_ptr<PaintedWindow> Win32Windows::OpenPainted(const WindowPlacement& frame,
                                                         PaintedWindowEvents& events) {
  auto window = std::make_unique<Win32PaintedWindow>(frame, events, owner_.hwnd());
  if (!window->made()) return nullptr;
  return window;
}

std::unique_ptr<TableWindow> Win32Windows::OpenTable(const TableWindowTexts& texts,
                                                     const WindowPlacement& frame,
                                                     TableWindowEvents& events) {
  auto window = std::make_unique<Win32TableWindow>(texts, frame, events, owner_.hwnd());
  if (!window->made()) return nullptr;
  return window;
}

int Win32Windows::RunPropertySheet(std::string_view caption, std::vector<SheetPage> pages) {
  Win32PropertySheet sheet(caption, std::move(pages), owner_.hwnd());
  const ModalScope modal(owner_.hwnd());
  return sheet.Run();
}

void Win32Windows::FocusOwner() {
  if (owner_.hwnd() != nullptr) SetFocus(owner_.hwnd());
}

}  // namespace tarvik::win32ui
