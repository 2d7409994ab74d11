#include "ui/qt_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QTimerEvent>
#include <QVBoxLayout>
#include <QWindow>
#include <utility>

#include "ui/dialog_font.h"
#include "ui/qt_text.h"
#include "ui/x11_caption.h"

namespace tarvik::ui {
namespace {

// The command identifiers of Enter and Escape in a dialog.
constexpr int kEnterCommand = 1;
constexpr int kEscapeCommand = 2;

// In Qt's device-independent pixels: at a desktop scale (the device pixel ratio, from the
// desktop or QT_SCALE_FACTOR) a window keeps its layout, its device pixels multiplied and its
// text drawn at them.
DialogBaseUnits MeasureBaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return BaseUnitsFromFont(letters, metrics.height());
}

}  // namespace

QtDialog::QtDialog(const DialogTemplate& dialog, const MenuTemplate* menu, QWidget* parent)
    : QDialog(parent) {
  setObjectName(FromUtf8(dialog.name));
  setWindowTitle(FromUtf8(dialog.caption));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowContextHelpButtonHint);
  setFont(DialogFont(dialog.font_points));
  base_units_ = MeasureBaseUnits(font());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  if (menu != nullptr) {
    auto* bar = new QMenuBar(this);
    BuildMenu(*menu, bar);
    layout->setMenuBar(bar);
  }
  client_ = new QWidget(this);
  const PixelRect size = ToPixels(0, 0, dialog.width, dialog.height, base_units_);
  client_->setFixedSize(size.width, size.height);
  layout->addWidget(client_);
  BuildControls(dialog, client_);
}

QtDialog::~QtDialog() = default;

void QtDialog::Send(int id, Notification notification) {
  if (events_ != nullptr) events_->Command(id, notification);
}

int QtDialog::RunModal(DialogEvents& events) {
  Attach(&events);
  ended_ = false;
  events.Initialize();
  // A window that its logic ended while it was being made does not run at all.
  const int result = ended_ ? end_result_ : exec();
  events.Destroyed();
  Attach(nullptr);
  for (const auto& [logic_id, qt_id] : timers_) killTimer(qt_id);
  timers_.clear();
  return result;
}

QWidget* QtDialog::Control(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

QAction* QtDialog::MenuAction(int command) const {
  auto it = menu_actions_.find(command);
  return it == menu_actions_.end() ? nullptr : it->second;
}

void QtDialog::SetItemText(int id, std::string_view text) {
  QWidget* widget = Control(id);
  const QString value = FromUtf8(text);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(value);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(value);
  }
}

std::string QtDialog::GetItemText(int id) const {
  QWidget* widget = Control(id);
  if (auto* label = qobject_cast<QLabel*>(widget)) return ToUtf8(label->text());
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return ToUtf8(edit->text());
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return ToUtf8(button->text());
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return ToUtf8(group->title());
  if (auto* list = qobject_cast<QComboBox*>(widget)) return ToUtf8(list->currentText());
  return {};
}

void QtDialog::EnableItem(int id, bool enabled) {
  if (QWidget* widget = Control(id)) widget->setEnabled(enabled);
}

// The alert colour replaces the text colours only; an empty palette inherits the window's again.
void QtDialog::SetItemAlert(int id, bool alert) {
  QWidget* widget = Control(id);
  if (widget == nullptr) return;
  QPalette palette;
  if (alert) {
    palette = widget->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    palette.setColor(QPalette::Text, Qt::red);
  }
  widget->setPalette(palette);
}

void QtDialog::CheckItem(int id, bool checked) {
  if (auto* box = qobject_cast<QCheckBox*>(Control(id))) box->setChecked(checked);
}

bool QtDialog::IsItemChecked(int id) const {
  auto* box = qobject_cast<QCheckBox*>(Control(id));
  return box != nullptr && box->isChecked();
}

void QtDialog::ClearList(int id) {
  if (auto* list = qobject_cast<QComboBox*>(Control(id))) list->clear();
}

void QtDialog::AddListItem(int id, std::string_view text) {
  if (auto* list = qobject_cast<QComboBox*>(Control(id))) list->addItem(FromUtf8(text));
}

void QtDialog::SelectListItem(int id, int index) {
  if (auto* list = qobject_cast<QComboBox*>(Control(id))) list->setCurrentIndex(index);
}

std::string QtDialog::SelectedListText(int id) const {
  auto* list = qobject_cast<QComboBox*>(Control(id));
  return list != nullptr && list->currentIndex() >= 0 ? ToUtf8(list->currentText()) : std::string();
}

void QtDialog::EnableMenuItem(int command, bool enabled) {
  if (QAction* action = MenuAction(command)) action->setEnabled(enabled);
}

void QtDialog::CheckMenuItem(int command, bool checked) {
  if (QAction* action = MenuAction(command)) {
    action->setCheckable(true);
    action->setChecked(checked);
  }
}

void QtDialog::StartTimer(int timer_id, int period_ms) {
  StopTimer(timer_id);
  timers_[timer_id] = startTimer(period_ms, Qt::PreciseTimer);
}

void QtDialog::StopTimer(int timer_id) {
  auto it = timers_.find(timer_id);
  if (it == timers_.end()) return;
  killTimer(it->second);
  timers_.erase(it);
}

void QtDialog::EndDialog(int result) {
  ended_ = true;
  end_result_ = result;
  ending_ = true;
  done(result);
  ending_ = false;
}

void QtDialog::timerEvent(QTimerEvent* event) {
  for (const auto& [logic_id, qt_id] : timers_) {
    if (qt_id == event->timerId()) {
      if (events_ != nullptr) events_->Tick(logic_id);
      return;
    }
  }
  QDialog::timerEvent(event);
}

void QtDialog::closeEvent(QCloseEvent* event) {
  // The logic ends the window when it agrees; the window never closes on its own.
  if (ending_) return event->accept();
  event->ignore();
  if (events_ != nullptr) events_->CloseRequested();
}

void QtDialog::setVisible(bool visible) {
  const bool top_level = visible && !embedded_ && isWindow();
  if (top_level) {
    winId();  // the native window, named before it is shown
    KeepTitleEmpty(*windowHandle());
  }
  QDialog::setVisible(visible);
  if (top_level && windowHandle() != nullptr) {
    const Qt::WindowFlags flags = windowFlags();
    SetCaptionStyle(*windowHandle(),
                    {.system_menu = flags.testFlag(Qt::WindowSystemMenuHint),
                     .minimize_box = flags.testFlag(Qt::WindowMinimizeButtonHint),
                     .maximize_box = flags.testFlag(Qt::WindowMaximizeButtonHint)});
  }
}

void QtDialog::Embed(QSize area) {
  embedded_ = true;
  setWindowFlags(Qt::Widget);
  client_->setFixedSize(client_->minimumSize().expandedTo(area));
}

void QtDialog::AskHelp(QWidget* control, HelpGesture gesture) {
  const auto found = control_ids_.find(control);
  if (events_ != nullptr && found != control_ids_.end()) {
    events_->HelpRequested(found->second, gesture);
  }
}

bool QtDialog::eventFilter(QObject* watched, QEvent* event) {
  auto* control = qobject_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::FocusIn:
      // As the dialog manager does: typing at once into a new main window replaces the weight.
      if (!std::exchange(focused_, true)) {
        auto* edit = qobject_cast<QLineEdit*>(control);
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (edit != nullptr && reason != Qt::MouseFocusReason) edit->selectAll();
      }
      return QDialog::eventFilter(watched, event);
    case QEvent::WhatsThis:
      AskHelp(control, HelpGesture::kHelpRequest);
      return true;
    case QEvent::ContextMenu:
      // An edit field keeps its own menu of cut, copy and paste.
      if (qobject_cast<QLineEdit*>(control) != nullptr) return false;
      AskHelp(control, HelpGesture::kContextMenu);
      return true;
    default:
      return QDialog::eventFilter(watched, event);
  }
}

void QtDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    for (QWidget* focus = focusWidget(); focus != nullptr; focus = focus->parentWidget()) {
      if (control_ids_.count(focus) != 0) return AskHelp(focus, HelpGesture::kHelpRequest);
    }
    return;
  }
  if (embedded_) return QWidget::keyPressEvent(event);  // the sheet's Enter and Escape
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // A push button with the focus is the one Enter presses; otherwise Enter is command 1.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
      button->click();
    } else {
      Send(kEnterCommand, Notification::kClicked);
    }
    return;
  }
  QDialog::keyPressEvent(event);  // Escape comes back through reject()
}

void QtDialog::reject() { Send(kEscapeCommand, Notification::kClicked); }

void QtDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (first_paint_) std::exchange(first_paint_, nullptr)();
}

}  // namespace tarvik::ui
