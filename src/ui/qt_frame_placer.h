// Places a top-level window at an outer frame, the window manager's frame included, as the
// Windows program stores it, in device-independent pixels. The window manager's frame is known
// only once it has framed the window, so the window starts with the frame the last window
// learned and is fitted to the outer size when the real one is known; a window opened and closed
// again and again at its own frame therefore never grows by the frame. At a desktop scale the
// frame's thin sides round to whole device-independent pixels: under openbox at a scale of 2 the
// outer frame on the screen is a pixel or two smaller than twice the stored one, and stays so
// from one opening to the next.
#ifndef TARVIK_UI_QT_FRAME_PLACER_H_
#define TARVIK_UI_QT_FRAME_PLACER_H_

#include <QMargins>
#include <QObject>
#include <QRect>
#include <memory>

#include "ui/x11_caption.h"

class QWidget;

namespace tarvik::ui {

class FramePlacer final : public QObject {
 public:
  // Watches `window`, a top-level widget, which owns the placer.
  explicit FramePlacer(QWidget& window);

  // Shows the window with `frame` as its outer frame and `style` as its caption's. `learned`
  // holds the window manager's frame as the last window learned it, and gets this one's.
  void Place(const QRect& frame, std::shared_ptr<QMargins> learned, const CaptionStyle& style);
  // The outer frame: the one asked for until the window manager has framed the window (nothing
  // can have moved it yet), then the window's own.
  QRect Frame() const;

 protected:
  // The window's moves and resizes, and the first exposure of its native window: the window
  // manager has framed it by then.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FitFrame(bool exposed);

  QWidget& window_;
  bool placing_ = false;
  QRect wanted_;
  std::shared_ptr<QMargins> learned_ = std::make_shared<QMargins>();
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_FRAME_PLACER_H_
