#include "ui/qt_frame_placer.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace tarvik::ui {

FramePlacer::FramePlacer(QWidget& window) : QObject(&window), window_(window) {
  window_.installEventFilter(this);
}

void FramePlacer::Place(const QRect& frame, std::shared_ptr<QMargins> learned,
                        const CaptionStyle& style) {
  wanted_ = frame;
  learned_ = std::move(learned);
  const QMargins expected = *learned_;
  // A top-level window's position is its frame's; its size is the inner one.
  window_.move(frame.topLeft());
  window_.resize(std::max(1, frame.width() - expected.left() - expected.right()),
                 std::max(1, frame.height() - expected.top() - expected.bottom()));
  window_.winId();  // the native window, for its exposure and its name before it is shown
  window_.windowHandle()->installEventFilter(this);
  KeepTitleEmpty(*window_.windowHandle());
  placing_ = true;
  window_.show();
  SetCaptionStyle(*window_.windowHandle(), style);
}

QRect FramePlacer::Frame() const { return placing_ ? wanted_ : window_.frameGeometry(); }

// The window manager frames the window before it maps it, and Qt hears of the frame as the window
// is moved into it; by the first exposure the frame is known, or there is none.
void FramePlacer::FitFrame(bool exposed) {
  QWindow* native = window_.windowHandle();
  if (!placing_ || native == nullptr) return;
  const QMargins margins = native->frameMargins();
  if (margins.isNull() && !exposed) return;
  placing_ = false;
  *learned_ = margins;
  const QSize inner(std::max(1, wanted_.width() - margins.left() - margins.right()),
                    std::max(1, wanted_.height() - margins.top() - margins.bottom()));
  if (window_.size() != inner) window_.resize(inner);
}

bool FramePlacer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) FitFrame(false);
  } else if (event->type() == QEvent::Expose && watched == window_.windowHandle() &&
             window_.windowHandle()->isExposed()) {
    FitFrame(true);
  }
  return false;
}

}  // namespace tarvik::ui
