// How a QtDialog builds its controls and its menu bar from their templates.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <vector>

#include "ui/qt_dialog.h"
#include "ui/qt_text.h"

namespace tarvik::ui {
namespace {

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

// A control of the template, its notifications handed to the logic.
QWidget* QtDialog::MakeControl(const ControlTemplate& control, QWidget* client) {
  const QString text = FromUtf8(control.text);
  const int id = control.id;
  switch (control.kind) {
    case ControlKind::kGroupBox:
      return new QGroupBox(text, client);
    case ControlKind::kEdit: {
      auto* edit = new QLineEdit(text, client);
      connect(edit, &QLineEdit::textChanged, this,
              [this, id] { Send(id, Notification::kTextChanged); });
      return edit;
    }
    case ControlKind::kPushButton: {
      auto* button = new QPushButton(text, client);
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this,
              [this, id] { Send(id, Notification::kClicked); });
      return button;
    }
    case ControlKind::kCheckBox: {
      auto* box = new QCheckBox(text, client);
      connect(box, &QCheckBox::clicked, this, [this, id] { Send(id, Notification::kClicked); });
      return box;
    }
    case ControlKind::kDropDownList: {
      auto* list = new QComboBox(client);
      connect(list, &QComboBox::activated, this,
              [this, id] { Send(id, Notification::kSelectionChanged); });
      return list;
    }
    default:
      return MakeLabel(control, client);
  }
}

void QtDialog::BuildControls(const DialogTemplate& dialog, QWidget* client) {
  // A label's "&" letter gives the focus to the control after it, as the native dialog's does;
  // a QLabel shows the letter underlined only when it has that control as its buddy.
  QLabel* waiting_label = nullptr;
  std::vector<QWidget*> group_boxes;
  for (const ControlTemplate& control : dialog.controls) {
    QWidget* widget = MakeControl(control, client);
    if (qobject_cast<QGroupBox*>(widget) != nullptr) group_boxes.push_back(widget);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->text().contains('&')) waiting_label = label;
    } else if (waiting_label != nullptr && widget->focusPolicy() != Qt::NoFocus) {
      waiting_label->setBuddy(widget);
      waiting_label = nullptr;
    }
    PixelRect place = ToPixels(control.x, control.y, control.width, control.height, base_units_);
    // A drop-down list's template height includes its open list; closed it is one line high.
    if (control.kind == ControlKind::kDropDownList) place.height = widget->sizeHint().height();
    widget->setGeometry(place.x, place.y, place.width, place.height);
    widget->installEventFilter(this);
    control_ids_[widget] = control.id;
    if (control.id != kNoControlId) controls_[control.id] = widget;
  }
  // Group boxes frame the controls placed over them; lowered in the template's order, so that
  // the controls' order is the same in every run.
  for (QWidget* box : group_boxes) box->lower();
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

}  // namespace tarvik::ui
