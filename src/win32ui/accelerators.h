// The keys of a menu's items ("Ctrl+N") as the accelerator table that the window's message loop
// translates into the items' WM_COMMAND, as if they were chosen from the menu.
#ifndef TARVIK_WIN32UI_ACCELERATORS_H_
#define TARVIK_WIN32UI_ACCELERATORS_H_

#include <optional>
#include <string_view>

#include "res/dialog_template.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

// "Ctrl+N", "Shift+F5", "Ctrl+Alt+Del" as a virtual-key accelerator for `command`: modifiers
// Ctrl, Shift and Alt joined by "+" before a letter, a digit, F1 to F24, Del or Ins. Nothing for
// anything else.
std::optional<ACCEL> ParseShortcut(std::string_view shortcut, WORD command);

// A table of every item of the menu with a key it can read; null when there is none. The caller
// destroys it (DestroyAcceleratorTable).
HACCEL BuildAccelerators(const MenuTemplate& menu);

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_ACCELERATORS_H_
