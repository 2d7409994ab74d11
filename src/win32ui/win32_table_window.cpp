#include "win32ui/win32_table_window.h"

#include <algorithm>

#include "win32ui/dpi.h"
#include "win32ui/wide_text.h"
#include "win32ui/win32_table_layout.h"
#include "win32ui/win32_table_list.h"
#include "win32ui/window_class.h"

namespace tarvik::win32ui {
namespace {

constexpr wchar_t kClassName[] = L"TarvikTableWindow";
// Resizable, without minimise and maximise boxes: the frame stored as it closes is always the one
// the user sees, as the Qt front's window has it.
constexpr DWORD kStyle =
    (WS_OVERLAPPEDWINDOW & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) | WS_CLIPCHILDREN;
// Posted when the user changed the selection: the several notifications of one change (the old
// rows let go, the new ones taken) are told as one.
constexpr UINT kSelectionChangedMessage = WM_APP + 1;
// At 100 %: the smallest button, and the room around a button's text.
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonPadding = 16;

HFONT StruckThrough(HFONT font) {
  LOGFONTW described{};
  if (font == nullptr || GetObjectW(font, sizeof(described), &described) == 0) return nullptr;
  described.lfStrikeOut = TRUE;
  return CreateFontIndirectW(&described);
}

void MoveTo(HWND window, const RECT& rect) {
  SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE TextSize(HWND window, HFONT font, const std::wstring& text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size;
}

}  // namespace

Win32TableWindow::Win32TableWindow(const TableWindowTexts& texts, const WindowPlacement& frame,
                                   TableWindowEvents& events, HWND owner)
    : events_(events),
      chart_(events),
      leave_out_text_(Utf8ToWide(texts.leave_out)),
      take_in_text_(Utf8ToWide(texts.take_in)),
      last_frame_(frame) {
  const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterWindowClassOnce(kClassName, OwnWindowProc<Win32TableWindow>, 0, COLOR_BTNFACE))
    return;
  CreateWindowExW(0, kClassName, Utf8ToWide(texts.caption).c_str(), kStyle, frame.x, frame.y,
                  std::max(1, frame.width), std::max(1, frame.height), owner, nullptr,
                  GetModuleHandleW(nullptr), this);
  if (hwnd_ == nullptr) return;
  if (!MakeParts(texts)) return;
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
}

Win32TableWindow::~Win32TableWindow() {
  *alive_ = false;
  DestroyOwnWindow(hwnd_);
  if (font_ != nullptr) DeleteObject(font_);
  if (struck_font_ != nullptr) DeleteObject(struck_font_);
}

bool Win32TableWindow::MakeParts(const TableWindowTexts& texts) {
  list_ = MakeTableList(hwnd_, kListId);
  if (list_ == nullptr || !chart_.Make(hwnd_)) return false;
  leave_out_ = MakeButton(texts.leave_out, kLeaveOutId);
  take_in_ = MakeButton(texts.take_in, kTakeInId);
  figures_ = TableFigures(hwnd_);
  SetFonts(WindowDpi(hwnd_));
  AddTableColumns(list_, texts.columns, AverageCharWidth(list_, font_));
  figures_.Update(events_.Figures());
  SetItemCount(list_, events_.RowCount(), 0);
  Layout();
  return true;
}

HWND Win32TableWindow::MakeButton(const std::string& text, int id) {
  return CreateWindowExW(0, L"BUTTON", Utf8ToWide(text).c_str(),
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, hwnd_,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

// The fonts for the window's resolution, handed to every part.
void Win32TableWindow::SetFonts(int dpi) {
  HFONT font = CreateGuiFont(dpi);
  if (font == nullptr) return;
  HFONT old_font = font_;
  HFONT old_struck = struck_font_;
  font_ = font;
  struck_font_ = StruckThrough(font);
  for (HWND part : {list_, leave_out_, take_in_}) {
    SendMessageW(part, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
  figures_.SetFont(font_);
  chart_.SetFont(font_);
  if (old_font != nullptr) DeleteObject(old_font);
  if (old_struck != nullptr) DeleteObject(old_struck);
}

HWND Win32TableWindow::button(TableCommand command) const {
  return command == TableCommand::kLeaveOut ? leave_out_ : take_in_;
}

bool Win32TableWindow::enabled(TableCommand command) const {
  return command == TableCommand::kLeaveOut ? leave_out_enabled_ : take_in_enabled_;
}

void Win32TableWindow::Run(TableCommand command) {
  if (enabled(command)) events_.Command(command);
}

void Win32TableWindow::RowsChanged(int first) {
  if (list_ != nullptr) SetItemCount(list_, events_.RowCount(), first);
}

void Win32TableWindow::RenameColumns(std::span<const std::string> headings) {
  if (list_ == nullptr) return;
  for (std::size_t index = 0; index < headings.size(); ++index) {
    std::wstring heading = Utf8ToWide(headings[index]);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = heading.data();
    SendMessageW(list_, LVM_SETCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
  }
}

void Win32TableWindow::ScrollToRow(int row) {
  if (list_ != nullptr) SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

std::vector<int> Win32TableWindow::SelectedRows() const {
  return list_ != nullptr ? SelectedItems(list_) : std::vector<int>{};
}

void Win32TableWindow::SelectRows(std::span<const int> rows) {
  if (list_ == nullptr) return;
  selecting_ = true;
  SelectItems(list_, rows);
  selecting_ = false;
}

void Win32TableWindow::FiguresChanged() {
  if (hwnd_ == nullptr) return;
  const SIZE before = figures_.Size();
  figures_.Update(events_.Figures());
  const SIZE after = figures_.Size();
  if (before.cx != after.cx || before.cy != after.cy) Layout();
}

void Win32TableWindow::ChartChanged() { chart_.Invalidate(); }

void Win32TableWindow::EnableCommand(TableCommand command, bool enabled) {
  (command == TableCommand::kLeaveOut ? leave_out_enabled_ : take_in_enabled_) = enabled;
  if (HWND part = button(command)) EnableWindow(part, enabled ? TRUE : FALSE);
}

WindowPlacement Win32TableWindow::Frame() const {
  RECT frame;
  if (hwnd_ == nullptr || !GetWindowRect(hwnd_, &frame)) return last_frame_;
  return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

void Win32TableWindow::Layout() {
  if (list_ == nullptr) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  const int dpi = WindowDpi(hwnd_);
  const int text_width = std::max(TextSize(hwnd_, font_, leave_out_text_).cx,
                                  TextSize(hwnd_, font_, take_in_text_).cx);
  const SIZE button{std::max(ScaleToDpi(kButtonWidth, dpi),
                             static_cast<int>(text_width) + ScaleToDpi(kButtonPadding, dpi)),
                    ScaleToDpi(kButtonHeight, dpi)};
  const TableLayout layout =
      LayOutTable({{client.right, client.bottom}, figures_.Size(), button, dpi});
  MoveTo(list_, layout.list);
  figures_.Place(layout.figures);
  MoveTo(leave_out_, layout.leave_out);
  MoveTo(take_in_, layout.take_in);
  MoveTo(chart_.hwnd(), layout.chart);
}

void Win32TableWindow::LimitSize(MINMAXINFO& limits) const {
  if (list_ == nullptr) return;
  const int dpi = WindowDpi(hwnd_);
  const SIZE button{ScaleToDpi(kButtonWidth, dpi), ScaleToDpi(kButtonHeight, dpi)};
  const SIZE client = MinimumTableClient({{0, 0}, figures_.Size(), button, dpi});
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectToDpi(frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), false,
                        static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), dpi);
  limits.ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
}

// Each branch hands the event on last: the core may let go of this window while it runs.
LRESULT Win32TableWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NOTIFY:
      return Notify(*reinterpret_cast<const NMHDR*>(lparam), lparam);
    case WM_COMMAND:
      Clicked(wparam);
      return 0;
    case kSelectionChangedMessage:
      selection_reported_ = true;
      events_.SelectionChanged();
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_GETMINMAXINFO:
      LimitSize(*reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    case WM_SETFOCUS:
      if (list_ != nullptr) SetFocus(list_);
      return 0;
    case WM_CONTEXTMENU:
      ContextHelp(reinterpret_cast<HWND>(wparam), lparam);
      return 0;
    case WM_HELP:
      Help(*reinterpret_cast<const HELPINFO*>(lparam));
      return TRUE;
    case WM_DPICHANGED:
      DpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_CLOSE:
      // Only the core destroys the window; the request goes to it.
      events_.CloseRequested();
      return 0;
    case WM_DESTROY:
      last_frame_ = Frame();
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      list_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

void Win32TableWindow::Clicked(WPARAM wparam) {
  if (HIWORD(wparam) != BN_CLICKED) return;
  const int id = LOWORD(wparam);
  if (id != kLeaveOutId && id != kTakeInId) return;
  // The keys of the list work again at once.
  SetFocus(list_);
  Run(id == kLeaveOutId ? TableCommand::kLeaveOut : TableCommand::kTakeIn);
}

// Moved to a monitor of another resolution: the size Windows suggests there, the fonts of that
// resolution.
void Win32TableWindow::DpiChanged(int dpi, const RECT& suggested) {
  SetFonts(dpi);
  MoveTo(hwnd_, suggested);
  Layout();
}

LRESULT Win32TableWindow::Notify(const NMHDR& header, LPARAM lparam) {
  if (header.hwndFrom != list_) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOW:
      AnswerDisplayInfo(*reinterpret_cast<NMLVDISPINFOW*>(lparam), events_);
      return 0;
    case NM_CUSTOMDRAW:
      return AnswerCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lparam), events_, struck_font_);
    case LVN_ITEMCHANGED: {
      const auto& change = *reinterpret_cast<const NMLISTVIEW*>(lparam);
      if ((change.uChanged & LVIF_STATE) != 0 &&
          ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) != 0) {
        UserSelectionChanged();
      }
      return 0;
    }
    case LVN_ODSTATECHANGED: {
      const auto& change = *reinterpret_cast<const NMLVODSTATECHANGE*>(lparam);
      if (((change.uOldState ^ change.uNewState) & LVIS_SELECTED) != 0) UserSelectionChanged();
      return 0;
    }
    case LVN_KEYDOWN:
      KeyDown(reinterpret_cast<const NMLVKEYDOWN*>(lparam)->wVKey);
      return 0;
    default:
      return 0;
  }
}

void Win32TableWindow::UserSelectionChanged() {
  if (selecting_ || !selection_reported_) return;
  selection_reported_ = false;
  PostMessageW(hwnd_, kSelectionChangedMessage, 0, 0);
}

}  // namespace tarvik::win32ui
