// A window the core paints, on Qt Widgets: a resizable window owned by another, with an empty
// caption without buttons, that hands its logic every paint (through a QtCanvas), right click and
// close request. Its frame is the outer one, the window manager's frame included, as the Windows
// program stores it, in device-independent pixels. At a desktop scale the frame's thin sides
// round to whole device-independent pixels: under openbox at a scale of 2 the outer frame on the
// screen is a pixel or two smaller than twice the stored one, and stays so from one opening to
// the next. It is a dialog to the window system, transient for its owner, as an owned window is
// on Windows (openbox shows an empty title only for a transient window).
#ifndef TARVIK_UI_QT_PAINTED_WINDOW_H_
#define TARVIK_UI_QT_PAINTED_WINDOW_H_

#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>

#include "dialogs/window_factory.h"

namespace tarvik::ui {

class QtPaintedWidget final : public QWidget {
 public:
  QtPaintedWidget(PaintedWindowEvents& events, QWidget* owner);
  // The logic lets go of the window: no more events reach it.
  void Detach() { events_ = nullptr; }

  // Shows the window with `frame` as its outer frame. The window manager's frame is known only
  // once it has framed the window, so the window starts with `expected` as that frame and is
  // fitted to the outer size when the real one is known; `learned` gets it for the next window.
  void Place(const QRect& frame, std::shared_ptr<QMargins> learned);
  // The outer frame: the one asked for until the window manager has framed the window (nothing
  // can have moved it yet), then the window's own.
  QRect Frame() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // The first exposure of the native window: the window manager has framed it by then.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FitFrame(bool exposed);

  PaintedWindowEvents* events_;
  bool placing_ = false;
  QRect wanted_;
  std::shared_ptr<QMargins> learned_;
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
