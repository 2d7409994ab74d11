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

QLabel* MakeLabel(const ControlTemplate& control, QWidget* parent) {
  auto* label = new QLabel(FromUtf8(control.text), parent);
  switch (control.kind) {
    case ControlKind::kValueField:
    case ControlKind::kValueFieldCentered:
      label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      label->setIndent(2);
      label->setAlignment(
          (control.kind == ControlKind::kValueField ? Qt::AlignLeft : Qt::AlignHCenter) |
          Qt::AlignVCenter);
      break;
    case ControlKind::kTextCentered:
      label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
      break;
    case ControlKind::kTextRight:
      label->setAlignment(Qt::AlignRight | Qt::AlignTop);
      break;
    default:
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      break;
  }
  return label;
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

void QtDialog::BuildControls(const DialogTemplate& dialog, QWidget* client) {
  // A label's "&" letter gives the focus to the control after it, as the native dialog's does;
  // a QLabel shows the letter underlined only when it has that control as its buddy.
  QLabel* waiting_label = nullptr;
  for (const ControlTemplate& control : dialog.controls) {
    const QString text = FromUtf8(control.text);
    const int id = control.id;
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::kGroupBox:
        widget = new QGroupBox(text, client);
        break;
      case ControlKind::kEdit: {
        auto* edit = new QLineEdit(text, client);
        connect(edit, &QLineEdit::textChanged, this,
                [this, id] { Send(id, Notification::kTextChanged); });
        widget = edit;
        break;
      }
      case ControlKind::kPushButton: {
        auto* button = new QPushButton(text, client);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, id] { Send(id, Notification::kClicked); });
        widget = button;
        break;
      }
      case ControlKind::kCheckBox: {
        auto* box = new QCheckBox(text, client);
        connect(box, &QCheckBox::clicked, this, [this, id] { Send(id, Notification::kClicked); });
        widget = box;
        break;
      }
      case ControlKind::kDropDownList: {
        auto* list = new QComboBox(client);
        connect(list, &QComboBox::activated, this,
                [this, id] { Send(id, Notification::kSelectionChanged); });
        widget = list;
        break;
      }
      default:
        widget = MakeLabel(control, client);
        break;
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (text.contains('&')) waiting_label = label;
    } else if (waiting_label != nullptr && widget->focusPolicy() != Qt::NoFocus) {
      waiting_label->setBuddy(widget);
      waiting_label = nullptr;
    }
    PixelRect place = ToPixels(control.x, control.y, control.width, control.height, base_units_);
    // A drop-down list's template height includes its open list; closed it is one line high.
    if (control.kind == ControlKind::kDropDownList) place.height = widget->sizeHint().height();
    widget->setGeometry(place.x, place.y, place.width, place.height);
    widget->installEventFilter(this);
    control_ids_[widget] = id;
    if (id != kNoControlId) controls_[id] = widget;
  }
  // Group boxes frame the controls placed over them.
  for (const auto& [widget, id] : control_ids_) {
    if (qobject_cast<QGroupBox*>(widget) != nullptr) widget->lower();
  }
}

void QtDialog::BuildMenu(const MenuTemplate& menu, QMenuBar* bar) {
  for (const MenuItem& item : menu.bar) {
    if (item.items.empty()) {
      ConnectMenuItem(bar->addAction(FromUtf8(item.text)), item.id);
      continue;
    }
    QMenu* popup = bar->addMenu(FromUtf8(item.text));
    for (const MenuItem& entry : item.items) {
      if (entry.id == 0) {
        popup->addSeparator();
      } else {
        QAction* action = popup->addAction(FromUtf8(entry.text));
        ConnectMenuItem(action, entry.id);
        if (!entry.shortcut.empty()) SetShortcut(action, entry.shortcut);
      }
    }
  }
}

// The key works wherever the focus is in this window, and only while the window is active (a
// modal window over it takes the keys). The menu shows the text's own part after the tab, in the
// language's words: Qt adds the key's name only to a text without a tab.
void QtDialog::SetShortcut(QAction* action, std::string_view shortcut) {
  action->setShortcut(QKeySequence(FromUtf8(shortcut), QKeySequence::PortableText));
  action->setShortcutContext(Qt::WindowShortcut);
  addAction(action);
}

void QtDialog::ConnectMenuItem(QAction* action, int id) {
  connect(action, &QAction::triggered, this, [this, action, id] {
    // Qt ticks a checkable item itself when it is chosen; only the logic's CheckMenuItem may.
    if (action->isCheckable()) action->setChecked(!action->isChecked());
    Send(id, Notification::kMenu);
  });
  menu_actions_[id] = action;
}

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
