// A window built from a template, on Qt Widgets: each control at its place in dialog units of
// the template's font, a fixed size, and the menu when there is one. It carries out what the
// window's logic decides (as its DialogSurface) and hands the logic its events, with the
// notifications the logic expects: an edit field's change for the program's own writes too, a
// drop-down list's selection and a button's click only from the user. Enter and Escape come as
// the commands 1 and 2 instead of closing the window; a close request goes to the logic, which
// ends the window or not.
#ifndef TARVIK_UI_QT_DIALOG_H_
#define TARVIK_UI_QT_DIALOG_H_

#include <QDialog>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "base/dialog_view.h"
#include "res/dialog_template.h"

class QAction;
class QMenuBar;

namespace tarvik::ui {

class QtDialog : public QDialog, public DialogSurface {
 public:
  QtDialog(const DialogTemplate& dialog, const MenuTemplate* menu, QWidget* parent = nullptr);
  ~QtDialog() override;

  // Hands the window its logic and runs it modally: initialisation, the nested event loop, and
  // the logic's end when the window has been ended. Returns the result it was ended with.
  int RunModal(DialogEvents& events);
  // Hands the window its logic without running it, for a caller that shows it itself.
  void Attach(DialogEvents* events) { events_ = events; }

  // The control's widget, or null when the layout lacks it.
  QWidget* Control(int id) const;
  QAction* MenuAction(int command) const;
  DialogBaseUnits base_units() const { return base_units_; }
  // The client area, where the controls stand (below the menu bar).
  QWidget* client() const { return client_; }
  // Makes the window a page inside another (a sheet's), its client area at least `area`: Enter
  // and Escape go to the window around it.
  void Embed(QSize area = {});
  // Called once, when the window has been painted for the first time.
  void OnFirstPaint(std::function<void()> call) { first_paint_ = std::move(call); }

  // DialogSurface.
  void SetItemText(int id, std::string_view text) override;
  std::string GetItemText(int id) const override;
  void EnableItem(int id, bool enabled) override;
  void SetItemAlert(int id, bool alert) override;
  void CheckItem(int id, bool checked) override;
  bool IsItemChecked(int id) const override;
  void ClearList(int id) override;
  void AddListItem(int id, std::string_view text) override;
  void SelectListItem(int id, int index) override;
  std::string SelectedListText(int id) const override;
  void EnableMenuItem(int command, bool enabled) override;
  void CheckMenuItem(int command, bool checked) override;
  void StartTimer(int timer_id, int period_ms) override;
  void StopTimer(int timer_id) override;
  void EndDialog(int result) override;

  // A top-level window's empty caption stays empty, and its caption offers what its flags say.
  void setVisible(bool visible) override;

 protected:
  void timerEvent(QTimerEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;
  void paintEvent(QPaintEvent* event) override;
  // F1, a click after the caption's help button, and a right click on a control ask for help.
  // The edit field that gets the window's first focus has its whole text selected, as the
  // dialog manager does.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls(const DialogTemplate& dialog, QWidget* client);
  QWidget* MakeControl(const ControlTemplate& control, QWidget* client);
  void BuildMenu(const MenuTemplate& menu, QMenuBar* bar);
  void ConnectMenuItem(QAction* action, int id);
  // Gives the item its key ("Ctrl+N") in this window.
  void SetShortcut(QAction* action, std::string_view shortcut);
  void Send(int id, Notification notification);
  void AskHelp(QWidget* control, HelpGesture gesture);

  DialogEvents* events_ = nullptr;
  bool embedded_ = false;
  bool ending_ = false;  // the logic is ending the window
  bool ended_ = false;   // and has ended it, with this result
  int end_result_ = 0;
  bool focused_ = false;  // a control has had the focus
  std::function<void()> first_paint_;
  DialogBaseUnits base_units_;
  QWidget* client_ = nullptr;
  std::map<int, QWidget*> controls_;
  std::map<QWidget*, int> control_ids_;  // every control, labels included
  std::map<int, QAction*> menu_actions_;
  std::map<int, int> timers_;  // the logic's timer identifier to Qt's
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_DIALOG_H_
