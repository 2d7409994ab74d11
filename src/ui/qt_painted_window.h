// A window the core paints, on Qt Widgets: a resizable window owned by another, with an empty
// caption without buttons, that hands its logic every paint (through a QtCanvas), right click and
// close request. Its frame is the outer one, the window manager's frame included (FramePlacer).
// It is a dialog to the window system, transient for its owner, as an owned window is on Windows
// (openbox shows an empty title only for a transient window).
#ifndef TARVIK_UI_QT_PAINTED_WINDOW_H_
#define TARVIK_UI_QT_PAINTED_WINDOW_H_

#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>

#include "dialogs/window_factory.h"
#include "ui/qt_frame_placer.h"

namespace tarvik::ui {

class QtPaintedWidget final : public QWidget {
 public:
  QtPaintedWidget(PaintedWindowEvents& events, QWidget* owner);
  // The logic lets go of the window: no more events reach it.
  void Detach() { events_ = nullptr; }

  // Shows the window with `frame` as its outer frame; `learned` is the window manager's frame
  // as the last window learned it, and gets this one's.
  void Place(const QRect& frame, std::shared_ptr<QMargins> learned) {
    placer_->Place(frame, std::move(learned), {.sizing_frame = true});
  }
  QRect Frame() const { return placer_->Frame(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  PaintedWindowEvents* events_;
  FramePlacer* placer_;
};

// The logic's handle on the window. Letting go of it hides the window at once and deletes it
// from the event loop, so that the logic may let go from inside the window's own events.
class QtPaintedWindow final : public PaintedWindow {
 public:
  // `frame_margins` holds the window manager's frame as the last painted window learned it.
  QtPaintedWindow(const WindowPlacement& frame, PaintedWindowEvents& events, QWidget* owner,
                  std::shared_ptr<QMargins> frame_margins = std::make_shared<QMargins>());
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
