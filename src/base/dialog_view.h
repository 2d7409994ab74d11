// A window as its logic sees it, both ways. Outward, a DialogSurface offers the window's
// controls, menu items and timers by the numeric identifiers of the window's template; the logic
// addresses it through a DialogView typed by the window's own identifier enum, so that an
// identifier of one window cannot be handed to another. Inward, the platform hands the window's
// logic its events through DialogEvents. The same logic thus runs against a Qt window, a native
// one, another language's layout or a test double.
#ifndef TARVIK_BASE_DIALOG_VIEW_H_
#define TARVIK_BASE_DIALOG_VIEW_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "base/number_text.h"

namespace tarvik {

// What a platform window offers. A control that the active layout lacks is skipped silently by
// every call, and reads of it give an empty text or false (the German main window, for instance,
// has no count field).
class DialogSurface {
 public:
  virtual ~DialogSurface() = default;

  virtual void SetItemText(int id, std::string_view text) = 0;
  virtual std::string GetItemText(int id) const = 0;
  virtual void EnableItem(int id, bool enabled) = 0;
  // Draws a control's text in the alert colour (red) or back in the normal one.
  virtual void SetItemAlert(int id, bool alert) = 0;
  // Check boxes. Ticking one from the program raises no click.
  virtual void CheckItem(int id, bool checked) = 0;
  virtual bool IsItemChecked(int id) const = 0;

  // Drop-down lists. Selecting from the program raises no selection change.
  virtual void ClearList(int id) = 0;
  virtual void AddListItem(int id, std::string_view text) = 0;
  virtual void SelectListItem(int id, int index) = 0;
  virtual std::string SelectedListText(int id) const = 0;

  // Menu items, by command identifier.
  virtual void EnableMenuItem(int command, bool enabled) = 0;
  virtual void CheckMenuItem(int command, bool checked) = 0;

  // The window itself. Starting a running timer again restarts its period.
  virtual void StartTimer(int timer_id, int period_ms) = 0;
  virtual void StopTimer(int timer_id) = 0;
  // Ends a modal dialog once control returns to its loop.
  virtual void EndDialog(int result) = 0;
};

// How a command came about: a menu item, a button or check box clicked by the user, an edit
// field's text changed (by the user or by the program's own write), or a drop-down list's
// selection changed by the user.
enum class Notification { kMenu, kClicked, kTextChanged, kSelectionChanged };

// How the user asked for help on a control: F1 on it or the caption's help button followed by a
// click on it (a help request), or a right click on it (a context menu).
enum class HelpGesture { kHelpRequest, kContextMenu };

// What the platform hands a window's logic.
class DialogEvents {
 public:
  virtual ~DialogEvents() = default;
  // The window and its controls exist and are about to be shown.
  virtual void Initialize() = 0;
  virtual void Command(int id, Notification notification) = 0;
  virtual void Tick(int /*timer_id*/) {}
  // The caption's close button, the system menu's Close or Alt+F4.
  virtual void CloseRequested() {}
  // The window is going away; its timers still exist.
  virtual void Destroyed() {}
  // Help on a control, by its identifier (that of a plain label is kNoControlId).
  virtual void HelpRequested(int /*control*/, HelpGesture /*gesture*/) {}
};

// The controls of one window, addressed by that window's identifier enum.
template <typename Id>
requires std::is_enum_v<Id>
class DialogView {
 public:
  explicit DialogView(DialogSurface& surface) : surface_(surface) {}

  void SetItemText(Id id, std::string_view text) { surface_.SetItemText(Raw(id), text); }
  // An unsigned number in plain decimal, as a count field shows it.
  void SetItemUnsigned(Id id, std::uint64_t value) { SetItemText(id, FormatUnsigned(value)); }
  std::string GetItemText(Id id) const { return surface_.GetItemText(Raw(id)); }
  void EnableItem(Id id, bool enabled) { surface_.EnableItem(Raw(id), enabled); }
  void SetItemAlert(Id id, bool alert) { surface_.SetItemAlert(Raw(id), alert); }
  void CheckItem(Id id, bool checked) { surface_.CheckItem(Raw(id), checked); }
  bool IsItemChecked(Id id) const { return surface_.IsItemChecked(Raw(id)); }

  void ClearList(Id id) { surface_.ClearList(Raw(id)); }
  void AddListItem(Id id, std::string_view text) { surface_.AddListItem(Raw(id), text); }
  void SelectListItem(Id id, int index) { surface_.SelectListItem(Raw(id), index); }
  std::string SelectedListText(Id id) const { return surface_.SelectedListText(Raw(id)); }

  void EnableMenuItem(Id command, bool enabled) { surface_.EnableMenuItem(Raw(command), enabled); }
  void CheckMenuItem(Id command, bool checked) { surface_.CheckMenuItem(Raw(command), checked); }

  void StartTimer(int timer_id, int period_ms) { surface_.StartTimer(timer_id, period_ms); }
  void StopTimer(int timer_id) { surface_.StopTimer(timer_id); }
  void EndDialog(int result) { surface_.EndDialog(result); }

 private:
  static int Raw(Id id) { return static_cast<int>(id); }

  DialogSurface& surface_;
};

// A window's logic that takes its commands by the window's identifier enum.
template <typename Id>
requires std::is_enum_v<Id>
class DialogLogic : public DialogEvents {
 public:
  void Command(int id, Notification notification) final {
    OnCommand(static_cast<Id>(id), notification);
  }

 protected:
  virtual void OnCommand(Id id, Notification notification) = 0;
};

}  // namespace tarvik

#endif  // TARVIK_BASE_DIALOG_VIEW_H_
