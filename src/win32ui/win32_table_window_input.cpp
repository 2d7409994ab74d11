// The window's answers to the user's keys, right clicks and help requests.
#include <memory>

#include "win32ui/win32_table_window.h"

namespace tarvik::win32ui {
namespace {

POINT PointOf(LPARAM lparam) {
  return {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

}  // namespace

void Win32TableWindow::KeyDown(WORD key) {
  switch (key) {
    case VK_DELETE:
      RunKey(TableKey::kDelete);
      break;
    case VK_INSERT:
      RunKey(TableKey::kInsert);
      break;
    case VK_ESCAPE:
      events_.CloseRequested();
      break;
    default:
      break;
  }
}

// The list's menu at the pointer, or under the focused row when it came from the keyboard.
void Win32TableWindow::ListMenu(LPARAM at) {
  POINT point = PointOf(at);
  if (at == -1) {
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    const auto focused =
        SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED);
    if (focused < 0 || !SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(focused),
                                     reinterpret_cast<LPARAM>(&row))) {
      row = {0, 0, 0, 0};
    }
    point = {row.left, row.bottom};
    ClientToScreen(list_, &point);
  }
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return;
  for (std::size_t index = 0; index < commands_.size(); ++index) {
    const Command& command = commands_[index];
    if (!command.button.in_context_menu) continue;
    AppendMenuW(menu, MF_STRING | (command.enabled ? MF_ENABLED : MF_GRAYED),
                static_cast<UINT_PTR>(kFirstButtonId + static_cast<int>(index)),
                command.text.c_str());
  }
  if (GetMenuItemCount(menu) <= 0) {
    DestroyMenu(menu);
    return;
  }
  // The menu runs a loop of its own, in which the window may be let go of.
  const std::shared_ptr<const bool> alive = alive_;
  const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, point.x,
                                    point.y, 0, hwnd_, nullptr);
  DestroyMenu(menu);
  if (*alive && chosen != 0) Run(chosen);
}

void Win32TableWindow::ContextHelp(HWND clicked, LPARAM at) {
  if (clicked == list_) {
    ListMenu(at);
    return;
  }
  TablePart part;
  int command = 0;
  if (PartOf(clicked, PointOf(at), part, command) && part != TablePart::kTable) {
    events_.HelpRequested(part, command, HelpGesture::kContextMenu);
  }
}

void Win32TableWindow::Help(const HELPINFO& info) {
  if (info.iContextType != HELPINFO_WINDOW) return;
  TablePart part;
  int command = 0;
  if (!PartOf(static_cast<HWND>(info.hItemHandle), info.MousePos, part, command)) {
    part = TablePart::kTable;
    command = 0;
  }
  events_.HelpRequested(part, command, HelpGesture::kHelpRequest);
}

bool Win32TableWindow::PartOf(HWND window, POINT at, TablePart& part, int& command) const {
  // A part of a part (the list's header) counts as the part.
  while (window != nullptr && window != hwnd_ && GetParent(window) != hwnd_) {
    window = GetParent(window);
  }
  if (window == nullptr) return false;
  if (window == hwnd_) {
    // The figures' texts let clicks through to the window: found by the point.
    POINT client = at;
    ScreenToClient(hwnd_, &client);
    const RECT figures = figures_.Rect();
    if (!PtInRect(&figures, client)) return false;
    part = TablePart::kFigures;
    return true;
  }
  const Command* button = FindControl(GetDlgCtrlID(window));
  if (window == list_) {
    part = TablePart::kTable;
  } else if (window == chart_.hwnd()) {
    part = TablePart::kChart;
  } else if (button != nullptr && button->hwnd == window) {
    part = TablePart::kButton;
    command = button->button.id;
  } else if (figures_.Owns(window)) {
    part = TablePart::kFigures;
  } else {
    return false;
  }
  return true;
}

}  // namespace tarvik::win32ui
