// A window built from a DialogTemplate by the dialog manager, and its DialogSurface: the logic
// writes to its controls, menu and timers by identifier, and hears its events through the
// DialogEvents attached to it. It runs as a modal dialog with a loop of its own, as a modeless
// one beside its owner, or as a page that a property sheet made.
#ifndef TARVIK_WIN32UI_WIN32_DIALOG_H_
#define TARVIK_WIN32UI_WIN32_DIALOG_H_

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "base/dialog_view.h"
#include "res/dialog_template.h"
#include "win32ui/memory_template.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

enum class DialogRole { kModal, kModeless, kPage };

class Win32Dialog final : public DialogSurface {
 public:
  // `menu` (may be null) becomes the window's menu bar.
  Win32Dialog(const DialogTemplate& dialog, const MenuTemplate* menu, DialogRole role);
  // A modeless window still open is destroyed without telling its logic.
  ~Win32Dialog() override;
  Win32Dialog(const Win32Dialog&) = delete;
  Win32Dialog& operator=(const Win32Dialog&) = delete;

  // Makes the window over `owner` (disabled meanwhile; may be null), initialises its logic and
  // runs it until the logic ends it; the logic hears Destroyed() while the window still exists.
  // It is made modeless and run by a loop of our own rather than by DialogBoxIndirectParam, so
  // that Destroyed() comes while the window and the windows it owns are still there, and the
  // modeless windows beside it still get their keyboard messages.
  int RunModal(DialogEvents& events, HWND owner);
  // Makes the window beside `owner`, at the template's place from the top left corner of the
  // owner's client area, initialises its logic and shows it. False when it could not be made.
  bool OpenModeless(DialogEvents& events, HWND owner);
  // The window a property sheet made from template(); its logic is attached later.
  void AdoptPage(HWND page);
  // Where the events go from now on; null for nowhere.
  void Attach(DialogEvents* events) { events_ = events; }
  // A message of the window; true when it was handled here.
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd() const { return hwnd_; }
  const DLGTEMPLATE* memory_template() const { return template_.get(); }

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

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // The menu bar and the window's place, once the dialog manager has made it.
  void SetUpWindow(HWND window);
  // The colours of a static or edit control about to draw; null to leave them to the dialog
  // manager.
  HBRUSH ControlColor(UINT message, HDC dc, HWND control) const;
  void Command(int id, int code, LPARAM control);
  void Help(const HELPINFO& info);
  void ContextMenu(HWND clicked, LPARAM at);
  // The control of ours with `id`, or null when the layout lacks it.
  HWND Item(int id) const;
  bool IsKind(int id, ControlKind kind) const;
  // The innermost visible control under a point of the screen, or null.
  HWND ControlAt(POINT at) const;
  // The control of ours that `window` is or is part of, or null.
  HWND OwnControl(HWND window) const;

  const DialogTemplate& dialog_;
  const MenuTemplate* menu_;
  DialogRole role_;
  MemoryTemplate template_;
  std::map<int, ControlKind> kinds_;
  std::set<int> alerted_;  // the controls drawn in the alert colour
  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
  HACCEL accelerators_ = nullptr;  // the menu's keys, while the window runs modal
  DialogEvents* events_ = nullptr;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_DIALOG_H_
