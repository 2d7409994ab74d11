// A window the core paints, on Qt Widgets: a resizable top-level window without caption buttons
// that hands its logic every paint (through a QtCanvas), right click and close request.
#ifndef TARVIK_UI_QT_PAINTED_WINDOW_H_
#define TARVIK_UI_QT_PAINTED_WINDOW_H_

#include <QPointer>
#include <QWidget>

#include "dialogs/window_factory.h"

namespace tarvik::ui {

class QtPaintedWidget final : public QWidget {
 public:
  QtPaintedWidget(PaintedWindowEvents& events, QWidget* owner);
  // The logic lets go of the window: no more events reach it.
  void Detach() { events_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  PaintedWindowEvents* events_;
};

// The logic's handle on the window. Letting go of it hides the window at once and deletes it
// from the event loop, so that the logic may let go from inside the window's own events.
class QtPaintedWindow final : public PaintedWindow {
 public:
  QtPaintedWindow(const WindowPlacement& frame, PaintedWindowEvents& events, QWidget* owner);
  ~QtPaintedWindow() override;

  void Invalidate() override;
  WindowPlacement Frame() const override;
  int TrackPopupMenu(const MenuTemplate& menu, std::span<const int> ticked, int x, int y) override;

  QtPaintedWidget* widget() const { return widget_; }

 private:
  QPointer<QtPaintedWidget> widget_;
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_PAINTED_WINDOW_H_
