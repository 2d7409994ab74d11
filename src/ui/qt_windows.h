// The windows a Qt window opens over and beside itself: made from their templates and run
// modally, left running beside it, or painted by the core.
#ifndef TARVIK_UI_QT_WINDOWS_H_
#define TARVIK_UI_QT_WINDOWS_H_

#include <QMargins>
#include <QWidget>
#include <memory>

#include "dialogs/window_factory.h"

namespace tarvik::ui {

class QtWindows final : public WindowFactory {
 public:
  explicit QtWindows(QWidget* owner) : owner_(owner) {}
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
  QWidget* owner_;
  // The window manager's frame around a painted window and around the table window, once one
  // has been framed: the next one starts at its outer size at once.
  std::shared_ptr<QMargins> painted_frame_ = std::make_shared<QMargins>();
  std::shared_ptr<QMargins> table_frame_ = std::make_shared<QMargins>();
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_WINDOWS_H_
