#include "ui/qt_painted_window.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/qt_canvas.h"
#include "ui/qt_text.h"

namespace tarvik::ui {
// A dialog to the window system: owned by the window that opened it, kept above it and out of the
// task bar, as an owned window is on Windows.
QtPaintedWidget::QtPaintedWidget(PaintedWindowEvents& events, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      events_(&events),
      placer_(new FramePlacer(*this)) {
  setAutoFillBackground(true);  // the window colour behind the drawing
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void QtPaintedWidget::paintEvent(QPaintEvent* /*event*/) {
  if (events_ == nullptr) return;
  QPainter painter(this);
  QtCanvas canvas(painter, size(), font());
  events_->Paint(canvas);
}

void QtPaintedWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && events_ != nullptr) {
    const QPoint at = event->position().toPoint();
    events_->RightClick(at.x(), at.y());
    return;
  }
  QWidget::mousePressEvent(event);
}

// Only the logic destroys the window; the request goes to it.
void QtPaintedWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (events_ != nullptr) events_->CloseRequested();
}

QtPaintedWindow::QtPaintedWindow(const WindowPlacement& frame, PaintedWindowEvents& events,
                                 QWidget* owner, std::shared_ptr<QMargins> frame_margins)
    : widget_(new QtPaintedWidget(events, owner)) {
  widget_->Place(QRect(frame.x, frame.y, std::max(1, frame.width), std::max(1, frame.height)),
                 std::move(frame_margins));
  widget_->repaint();
}

QtPaintedWindow::~QtPaintedWindow() {
  if (widget_ == nullptr) return;
  widget_->Detach();
  widget_->hide();
  widget_->deleteLater();
}

void QtPaintedWindow::Invalidate() {
  if (widget_ != nullptr) widget_->update();
}

WindowPlacement QtPaintedWindow::Frame() const {
  if (widget_ == nullptr) return {};
  const QRect frame = widget_->Frame();
  return {frame.x(), frame.y(), frame.width(), frame.height()};
}

int QtPaintedWindow::TrackPopupMenu(const MenuTemplate& menu, std::span<const int> ticked, int x,
                                    int y) {
  if (widget_ == nullptr || menu.bar.empty()) return 0;
  QMenu popup;  // not a child: the window may go while the menu is up
  for (const MenuItem& item : menu.bar.front().items) {
    if (item.id == 0) {
      popup.addSeparator();
      continue;
    }
    QAction* action = popup.addAction(FromUtf8(item.text));
    action->setData(item.id);
    const bool on = std::find(ticked.begin(), ticked.end(), item.id) != ticked.end();
    action->setCheckable(on);
    action->setChecked(on);
  }
  const QAction* chosen = popup.exec(widget_->mapToGlobal(QPoint(x, y)));
  return chosen != nullptr ? chosen->data().toInt() : 0;
}

}  // namespace tarvik::ui
