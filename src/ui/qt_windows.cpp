#include "ui/qt_windows.h"

#include <QPointer>

#include "ui/qt_dialog.h"
#include "ui/qt_painted_window.h"
#include "ui/qt_property_sheet.h"
#include "ui/qt_table_window.h"

namespace tarvik::ui {
namespace {

// A modeless dialog and its logic; the window is deleted from the event loop, so that it may be
// let go from inside its own events.
class QtModelessWindow final : public ModelessWindow {
 public:
  QtModelessWindow(QtDialog* window, std::unique_ptr<DialogEvents> logic)
      : window_(window), logic_(std::move(logic)) {}
  ~QtModelessWindow() override {
    logic_->Destroyed();
    if (window_ == nullptr) return;
    window_->Attach(nullptr);
    window_->hide();
    window_->deleteLater();
  }

 private:
  QPointer<QtDialog> window_;
  std::unique_ptr<DialogEvents> logic_;
};

// The top left corner of the owner's client area on the screen, below its menu bar.
QPoint ClientOrigin(QWidget* owner) {
  if (auto* dialog = dynamic_cast<QtDialog*>(owner); dialog != nullptr && dialog->client()) {
    return dialog->client()->mapToGlobal(QPoint(0, 0));
  }
  return owner != nullptr ? owner->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
}

}  // namespace

int QtWindows::RunModal(const DialogTemplate& dialog, const MakeLogic& make_logic) {
  QtDialog window(dialog, nullptr, owner_);
  const std::unique_ptr<DialogEvents> logic = make_logic(window);
  return window.RunModal(*logic);
}

std::unique_ptr<ModelessWindow> QtWindows::OpenModeless(const DialogTemplate& dialog,
                                                        const MakeLogic& make_logic) {
  auto* window = new QtDialog(dialog, nullptr, owner_);
  // Beside its owner for as long as it is wanted: a caption, but no close button.
  window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  std::unique_ptr<DialogEvents> logic = make_logic(*window);
  window->Attach(logic.get());
  logic->Initialize();
  const PixelRect place = ToPixels(dialog.x, dialog.y, 0, 0, window->base_units());
  window->move(ClientOrigin(owner_) + QPoint(place.x, place.y));
  window->show();
  return std::make_unique<QtModelessWindow>(window, std::move(logic));
}

std::unique_ptr<PaintedWindow> QtWindows::OpenPainted(const WindowPlacement& frame,
                                                      PaintedWindowEvents& events) {
  return std::make_unique<QtPaintedWindow>(frame, events, owner_, painted_frame_);
}

std::unique_ptr<TableWindow> QtWindows::OpenTable(const TableWindowTexts& texts,
                                                  const WindowPlacement& frame,
                                                  TableWindowEvents& events) {
  return std::make_unique<QtTableWindow>(texts, frame, events, owner_, table_frame_);
}

int QtWindows::RunPropertySheet(std::string_view caption, std::vector<SheetPage> pages) {
  QtPropertySheet sheet(caption, std::move(pages), owner_);
  return sheet.Run();
}

void QtWindows::FocusOwner() {
  if (owner_ == nullptr) return;
  owner_->activateWindow();
  owner_->setFocus();
}

}  // namespace tarvik::ui
