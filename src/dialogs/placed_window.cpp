#include "dialogs/placed_window.h"

namespace tarvik {

PlacedWindow::PlacedWindow(WindowFactory& windows, SettingsStore& store,
                           const setting::PlacementNames& names, WindowPlacement& placement)
    : windows_(windows), store_(store), names_(names), placement_(placement) {}

PlacedWindow::~PlacedWindow() { Close(); }

void PlacedWindow::Toggle() {
  if (IsOpen()) {
    Close();
    return;
  }
  ReadWindowPlacement(store_, names_, placement_);
  window_ = windows_.OpenPainted(placement_, *this);
}

// The frame is stored as it is. (Storing one pixel more than the outer size, as has been done,
// made the window grow by a pixel at every opening; the values are the same four numbers.)
void PlacedWindow::Close() {
  if (!IsOpen()) return;
  WriteWindowPlacement(store_, names_, window_->Frame());
  window_.reset();
}

void PlacedWindow::Invalidate() {
  if (IsOpen()) window_->Invalidate();
}

int DrawResizeHint(Canvas& canvas, UiLanguage language) {
  const std::string_view hint = TextOrMissing(kStrDragToResize, language);
  const CanvasSize size = canvas.ClientSize();
  const int height = canvas.TextHeight(hint);
  using namespace text_format;
  canvas.DrawText(hint, {0, size.height - height, size.width, size.height},
                  kSingleLine | kBottom | kRight);
  return height;
}

}  // namespace tarvik
