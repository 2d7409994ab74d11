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
      Run(TableCommand::kLeaveOut);
      break;
    case VK_INSERT:
      Run(TableCommand::kTakeIn);
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
  AppendMenuW(menu, MF_STRING | (leave_out_enabled_ ? MF_ENABLED : MF_GRAYED), kLeaveOutId,
              leave_out_text_.c_str());
  AppendMenuW(menu, MF_STRING | (take_in_enabled_ ? MF_ENABLED : MF_GRAYED), kTakeInId,
              take_in_text_.c_str());
  // The menu runs a loop of its own, in which the window may be let go of.
  const std::shared_ptr<const bool> alive = alive_;
  const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, point.x,
                                    point.y, 0, hwnd_, nullptr);
  DestroyMenu(menu);
  if (!*alive) return;
  if (chosen == kLeaveOutId) Run(TableCommand::kLeaveOut);
  if (chosen == kTakeInId) Run(TableCommand::kTakeIn);
}

void Win32TableWindow::ContextHelp(HWND clicked, LPARAM at) {
  if (clicked == list_) {
    ListMenu(at);
    return;
  }
  TablePart part;
  if (PartOf(clicked, PointOf(at), part) && part != TablePart::kTable) {
    events_.HelpRequested(part, HelpGesture::kContextMenu);
  }
}

void Win32TableWindow::Help(const HELPINFO& info) {
  if (info.iContextType != HELPINFO_WINDOW) return;
  TablePart part;
  if (!PartOf(static_cast<HWND>(info.hItemHandle), info.MousePos, part)) part = TablePart::kTable;
  events_.HelpRequested(part, HelpGesture::kHelpRequest);
}

bool Win32TableWindow::PartOf(HWND window, POINT at, TablePart& part) const {
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
  if (window == list_)
    part = TablePart::kTable;
  else if (window == chart_.hwnd())
    part = TablePart::kChart;
  else if (window == leave_out_)
    part = TablePart::kLeaveOut;
  else if (window == take_in_)
    part = TablePart::kTakeIn;
  else if (figures_.Owns(window))
    part = TablePart::kFigures;
  else
    return false;
  return true;
}

}  // namespace tarvik::win32ui
