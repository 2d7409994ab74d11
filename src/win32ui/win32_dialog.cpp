#include "win32ui/win32_dialog.h"

#include "win32ui/accelerators.h"
#include "win32ui/dpi.h"
#include "win32ui/message_loop.h"
#include "win32ui/wide_text.h"

namespace tarvik::win32ui {
namespace {

DWORD StyleFor(DialogRole role) {
  switch (role) {
    case DialogRole::kModal:
      return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CONTEXTHELP | DS_3DLOOK;
    case DialogRole::kModeless:
      // Beside its owner for as long as it is wanted: a caption, but no close button.
      return WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_3DLOOK;
    case DialogRole::kPage:
      return WS_CHILD | WS_CAPTION | DS_CONTROL | DS_3DLOOK;
  }
  return WS_POPUP | WS_CAPTION;
}

std::string WindowText(HWND window) {
  if (window == nullptr) return {};
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return WideToUtf8(text);
}

int ControlId(HWND control) {
  const int id = GetDlgCtrlID(control);
  return id == kUnaddressedItemId ? kNoControlId : id;
}

POINT PointOf(LPARAM lparam) {
  return {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

}  // namespace

Win32Dialog::Win32Dialog(const DialogTemplate& dialog, const MenuTemplate* menu, DialogRole role)
    : dialog_(dialog), menu_(menu), role_(role), template_(dialog, StyleFor(role), 0) {
  for (const ControlTemplate& control : dialog.controls) {
    if (control.id != kNoControlId) kinds_[control.id] = control.kind;
  }
}

Win32Dialog::~Win32Dialog() {
  if (hwnd_ == nullptr || role_ == DialogRole::kPage) return;
  events_ = nullptr;
  HWND window = hwnd_;
  hwnd_ = nullptr;
  SetWindowLongPtrW(window, DWLP_USER, 0);
  DestroyWindow(window);
}

int Win32Dialog::RunModal(DialogEvents& events, HWND owner) {
  Attach(&events);
  owner_ = owner;
  ended_ = false;
  result_ = 0;
  HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), template_.get(), owner,
                                           DialogProc, reinterpret_cast<LPARAM>(this));
  if (window == nullptr) {
    Attach(nullptr);
    return -1;
  }
  // A window that its logic ended while it was being made does not run at all.
  if (!ended_) {
    const bool disable_owner = owner != nullptr && IsWindowEnabled(owner);
    if (disable_owner) EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    accelerators_ = menu_ != nullptr ? BuildAccelerators(*menu_) : nullptr;
    RunMessageLoop(ended_, window, accelerators_);
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
    accelerators_ = nullptr;
    // The owner is enabled again before the window goes, so that it gets the activation back.
    if (disable_owner) EnableWindow(owner, TRUE);
  }
  events.Destroyed();
  Attach(nullptr);
  SetWindowLongPtrW(window, DWLP_USER, 0);
  hwnd_ = nullptr;
  DestroyWindow(window);
  return result_;
}

bool Win32Dialog::OpenModeless(DialogEvents& events, HWND owner) {
  Attach(&events);
  owner_ = owner;
  HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), template_.get(), owner,
                                           DialogProc, reinterpret_cast<LPARAM>(this));
  if (window == nullptr) {
    Attach(nullptr);
    return false;
  }
  ShowWindow(window, SW_SHOW);
  return true;
}

void Win32Dialog::AdoptPage(HWND page) { hwnd_ = page; }

void Win32Dialog::SetUpWindow(HWND window) {
  hwnd_ = window;
  if (menu_ != nullptr) {
    SetMenu(window, BuildMenuBar(*menu_));
    // The template's size is the client area's; the menu bar comes on top of it.
    RECT size{0, 0, dialog_.width, dialog_.height};
    MapDialogRect(window, &size);
    AdjustWindowRectToDpi(size, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), true,
                          static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                          WindowDpi(window));
    SetWindowPos(window, nullptr, 0, 0, size.right - size.left, size.bottom - size.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  POINT corner{0, 0};
  if (role_ == DialogRole::kModeless) {
    RECT place{dialog_.x, dialog_.y, 0, 0};
    MapDialogRect(window, &place);
    corner = {place.left, place.top};
    if (owner_ != nullptr) ClientToScreen(owner_, &corner);
  } else if (role_ == DialogRole::kModal) {
    // Centred over the owner, or on the screen's work area.
    RECT around;
    if (owner_ == nullptr || !GetWindowRect(owner_, &around)) {
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
    }
    corner = {around.left + (around.right - around.left - width) / 2,
              around.top + (around.bottom - around.top - height) / 2};
    if (corner.x < 0) corner.x = 0;
    if (corner.y < 0) corner.y = 0;
  } else {
    return;
  }
  SetWindowPos(window, nullptr, corner.x, corner.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK Win32Dialog::DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Win32Dialog*>(lparam);
    SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->SetUpWindow(window);
    if (self->events_ != nullptr) self->events_->Initialize();
    return TRUE;
  }
  auto* self = reinterpret_cast<Win32Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  // The colour messages are answered with the brush itself, not through DWLP_MSGRESULT.
  if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLOREDIT) {
    return reinterpret_cast<INT_PTR>(
        self->ControlColor(message, reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam)));
  }
  return self->HandleMessage(message, wparam, lparam) ? TRUE : FALSE;
}

// Each branch hands the event on last: the logic may let go of this window while it runs.
bool Win32Dialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (events_ == nullptr) return false;
      Command(LOWORD(wparam), HIWORD(wparam), lparam);
      return true;
    case WM_TIMER:
      if (events_ != nullptr) events_->Tick(static_cast<int>(wparam));
      return true;
    case WM_CLOSE:
      // The logic ends the window when it agrees; the window never closes on its own.
      if (events_ != nullptr) events_->CloseRequested();
      return true;
    case WM_DESTROY:
      hwnd_ = nullptr;
      return false;
    case WM_HELP:
      if (events_ != nullptr) Help(*reinterpret_cast<const HELPINFO*>(lparam));
      return true;
    case WM_CONTEXTMENU:
      if (events_ == nullptr) return false;
      ContextMenu(reinterpret_cast<HWND>(wparam), lparam);
      return true;
    default:
      return false;
  }
}

void Win32Dialog::Command(int id, int code, LPARAM control) {
  // Enter and Escape, whichever way the dialog manager raises them.
  if (id == IDOK || id == IDCANCEL) {
    if (role_ != DialogRole::kPage) events_->Command(id, Notification::kClicked);
    return;
  }
  // A menu item, chosen from the menu (0) or by its key (1).
  if (control == 0) {
    if (code == 0 || code == 1) events_->Command(id, Notification::kMenu);
    return;
  }
  const auto kind = kinds_.find(id);
  if (kind == kinds_.end()) return;
  switch (kind->second) {
    case ControlKind::kPushButton:
    case ControlKind::kCheckBox:
      if (code == BN_CLICKED) events_->Command(id, Notification::kClicked);
      break;
    case ControlKind::kEdit:
      if (code == EN_CHANGE) events_->Command(id, Notification::kTextChanged);
      break;
    case ControlKind::kDropDownList:
      if (code == CBN_SELCHANGE) events_->Command(id, Notification::kSelectionChanged);
      break;
    default:
      break;
  }
}

void Win32Dialog::Help(const HELPINFO& info) {
  if (info.iContextType != HELPINFO_WINDOW) return;
  HWND control = OwnControl(static_cast<HWND>(info.hItemHandle));
  // A click on a plain label reaches the dialog itself: the label is found by the point.
  if (control == nullptr && info.hItemHandle == hwnd_) control = ControlAt(info.MousePos);
  if (control == nullptr) return;
  events_->HelpRequested(ControlId(control), HelpGesture::kHelpRequest);
}

void Win32Dialog::ContextMenu(HWND clicked, LPARAM at) {
  HWND control = OwnControl(clicked);
  // Labels and group boxes let clicks through to the dialog: found by the point.
  if (control == nullptr && clicked == hwnd_ && at != -1) control = ControlAt(PointOf(at));
  if (control == nullptr) return;
  events_->HelpRequested(ControlId(control), HelpGesture::kContextMenu);
}

HWND Win32Dialog::OwnControl(HWND window) const {
  if (window == nullptr || hwnd_ == nullptr || window == hwnd_) return nullptr;
  while (window != nullptr && GetParent(window) != hwnd_) window = GetParent(window);
  return window;
}

HWND Win32Dialog::ControlAt(POINT at) const {
  HWND found = nullptr;
  long long smallest = 0;
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect;
    if (!IsWindowVisible(child) || !GetWindowRect(child, &rect) || !PtInRect(&rect, at)) continue;
    const long long area =
        static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
    if (found == nullptr || area < smallest) {
      found = child;
      smallest = area;
    }
  }
  return found;
}

HWND Win32Dialog::Item(int id) const {
  if (hwnd_ == nullptr || id == kNoControlId || kinds_.count(id) == 0) return nullptr;
  return GetDlgItem(hwnd_, id);
}

bool Win32Dialog::IsKind(int id, ControlKind kind) const {
  const auto found = kinds_.find(id);
  return found != kinds_.end() && found->second == kind;
}

void Win32Dialog::SetItemText(int id, std::string_view text) {
  if (HWND item = Item(id)) SetWindowTextW(item, Utf8ToWide(text).c_str());
}

std::string Win32Dialog::GetItemText(int id) const { return WindowText(Item(id)); }

void Win32Dialog::EnableItem(int id, bool enabled) {
  if (HWND item = Item(id)) EnableWindow(item, enabled ? TRUE : FALSE);
}

void Win32Dialog::SetItemAlert(int id, bool alert) {
  if (kinds_.count(id) == 0) return;
  const bool changed = alert ? alerted_.insert(id).second : alerted_.erase(id) > 0;
  if (!changed) return;
  if (HWND item = Item(id)) InvalidateRect(item, nullptr, TRUE);
}

// An alerted control keeps the background and brush the dialog manager gives it (DefWindowProc
// chooses them and sets the device context's colours), with red text.
HBRUSH Win32Dialog::ControlColor(UINT message, HDC dc, HWND control) const {
  if (hwnd_ == nullptr || alerted_.count(ControlId(control)) == 0 || OwnControl(control) == nullptr)
    return nullptr;
  const LRESULT brush = DefWindowProcW(hwnd_, message, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(control));
  SetTextColor(dc, RGB(255, 0, 0));
  return reinterpret_cast<HBRUSH>(brush);
}

void Win32Dialog::CheckItem(int id, bool checked) {
  if (!IsKind(id, ControlKind::kCheckBox)) return;
  if (HWND item = Item(id))
    SendMessageW(item, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Dialog::IsItemChecked(int id) const {
  if (!IsKind(id, ControlKind::kCheckBox)) return false;
  HWND item = Item(id);
  return item != nullptr && SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Dialog::ClearList(int id) {
  if (!IsKind(id, ControlKind::kDropDownList)) return;
  if (HWND item = Item(id)) SendMessageW(item, CB_RESETCONTENT, 0, 0);
}

void Win32Dialog::AddListItem(int id, std::string_view text) {
  if (!IsKind(id, ControlKind::kDropDownList)) return;
  const std::wstring wide = Utf8ToWide(text);
  if (HWND item = Item(id)) {
    SendMessageW(item, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
}

void Win32Dialog::SelectListItem(int id, int index) {
  if (!IsKind(id, ControlKind::kDropDownList)) return;
  if (HWND item = Item(id)) SendMessageW(item, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string Win32Dialog::SelectedListText(int id) const {
  if (!IsKind(id, ControlKind::kDropDownList)) return {};
  HWND item = Item(id);
  if (item == nullptr) return {};
  const LRESULT index = SendMessageW(item, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return {};
  const LRESULT length = SendMessageW(item, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(item, CB_GETLBTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return WideToUtf8(text);
}

void Win32Dialog::EnableMenuItem(int command, bool enabled) {
  HMENU menu = hwnd_ != nullptr ? GetMenu(hwnd_) : nullptr;
  if (menu == nullptr) return;
  const UINT before = ::EnableMenuItem(menu, static_cast<UINT>(command),
                                       MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  if (before == static_cast<UINT>(-1) || ((before & MF_GRAYED) == 0) == enabled) return;
  // An item of the bar itself is redrawn only when the bar is.
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (GetMenuItemID(menu, i) == static_cast<UINT>(command)) DrawMenuBar(hwnd_);
  }
}

void Win32Dialog::CheckMenuItem(int command, bool checked) {
  HMENU menu = hwnd_ != nullptr ? GetMenu(hwnd_) : nullptr;
  if (menu == nullptr) return;
  ::CheckMenuItem(menu, static_cast<UINT>(command),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Dialog::StartTimer(int timer_id, int period_ms) {
  if (hwnd_ != nullptr) {
    SetTimer(hwnd_, static_cast<UINT_PTR>(timer_id), static_cast<UINT>(period_ms), nullptr);
  }
}

void Win32Dialog::StopTimer(int timer_id) {
  if (hwnd_ != nullptr) KillTimer(hwnd_, static_cast<UINT_PTR>(timer_id));
}

void Win32Dialog::EndDialog(int result) {
  if (role_ != DialogRole::kModal) return;
  result_ = result;
  ended_ = true;
  // Wakes the loop when the call came from outside any message of ours.
  if (hwnd_ != nullptr) PostMessageW(hwnd_, WM_NULL, 0, 0);
}

}  // namespace tarvik::win32ui
