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
    : events_(events), chart_(events), last_frame_(frame) {
  for (const TableButton& button : texts.buttons) {
    commands_.push_back({button, Utf8ToWide(button.text)});
  }
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
  for (std::size_t index = 0; index < commands_.size(); ++index) {
    commands_[index].hwnd =
        MakeButton(commands_[index].text, kFirstButtonId + static_cast<int>(index));
  }
  figures_ = TableFigures(hwnd_);
  SetFonts(WindowDpi(hwnd_));
  AddTableColumns(list_, texts.columns, AverageCharWidth(list_, font_));
  figures_.Update(events_.Figures());
  SetItemCount(list_, events_.RowCount(), 0);
  Layout();
  return true;
}

HWND Win32TableWindow::MakeButton(const std::wstring& text, int id) {
  return CreateWindowExW(
      0, L"BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
      hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

// The fonts for the window's resolution, handed to every part.
void Win32TableWindow::SetFonts(int dpi) {
  HFONT font = CreateGuiFont(dpi);
  if (font == nullptr) return;
  HFONT old_font = font_;
  HFONT old_struck = struck_font_;
  font_ = font;
  struck_font_ = StruckThrough(font);
  SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  for (const Command& command : commands_) {
    SendMessageW(command.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
  figures_.SetFont(font_);
  chart_.SetFont(font_);
  if (old_font != nullptr) DeleteObject(old_font);
  if (old_struck != nullptr) DeleteObject(old_struck);
}

HWND Win32TableWindow::button(int command) const {
  for (const Command& each : commands_) {
    if (each.button.id == command) return each.hwnd;
  }
  return nullptr;
}

const Win32TableWindow::Command* Win32TableWindow::FindControl(int control_id) const {
  const int index = control_id - kFirstButtonId;
  if (index < 0 || index >= static_cast<int>(commands_.size())) return nullptr;
  return &commands_[static_cast<std::size_t>(index)];
}

void Win32TableWindow::Run(int control_id) {
  const Command* command = FindControl(control_id);
  if (command != nullptr && command->enabled) events_.Command(command->button.id);
}

// The first command with the key, as its button would.
void Win32TableWindow::RunKey(TableKey key) {
  for (std::size_t index = 0; index < commands_.size(); ++index) {
    if (key == TableKey::kNone || commands_[index].button.key != key) continue;
    Run(kFirstButtonId + static_cast<int>(index));
    return;
  }
}

void Win32TableWindow::ActivateRow(int row) {
  if (row >= 0 && row < events_.RowCount()) events_.RowActivated(row);
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

void Win32TableWindow::EnableCommand(int command, bool enabled) {
  for (Command& each : commands_) {
    if (each.button.id != command) continue;
    each.enabled = enabled;
    if (each.hwnd != nullptr) EnableWindow(each.hwnd, enabled ? TRUE : FALSE);
  }
}

void Win32TableWindow::SetCaption(std::string_view caption) {
  if (hwnd_ != nullptr) SetWindowTextW(hwnd_, Utf8ToWide(caption).c_str());
}

bool Win32TableWindow::CanSaveChart(ChartFormat format) const {
  return format == ChartFormat::kPng;
}

std::optional<PlatformError> Win32TableWindow::SaveChart(const std::string& path,
                                                         ChartFormat format) {
  if (format != ChartFormat::kPng) return PlatformError{ERROR_NOT_SUPPORTED, "PNG only"};
  return chart_.SavePng(Utf8ToWide(path));
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
  const TableLayout layout = LayOutTable({{client.right, client.bottom},
                                          figures_.Size(),
                                          ButtonSize(),
                                          dpi,
                                          static_cast<int>(commands_.size())});
  MoveTo(list_, layout.list);
  figures_.Place(layout.figures);
  for (std::size_t index = 0; index < commands_.size(); ++index) {
    MoveTo(commands_[index].hwnd, layout.buttons[index]);
  }
  MoveTo(chart_.hwnd(), layout.chart);
}

// Every button as wide as the widest text needs, and never narrower than the smallest.
SIZE Win32TableWindow::ButtonSize() const {
  const int dpi = WindowDpi(hwnd_);
  int text_width = 0;
  for (const Command& command : commands_) {
    text_width = std::max<int>(text_width, TextSize(hwnd_, font_, command.text).cx);
  }
  return {std::max(ScaleToDpi(kButtonWidth, dpi), text_width + ScaleToDpi(kButtonPadding, dpi)),
          ScaleToDpi(kButtonHeight, dpi)};
}

void Win32TableWindow::LimitSize(MINMAXINFO& limits) const {
  if (list_ == nullptr) return;
  const int dpi = WindowDpi(hwnd_);
  const SIZE client = MinimumTableClient(
      {{0, 0}, figures_.Size(), ButtonSize(), dpi, static_cast<int>(commands_.size())});
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
  if (FindControl(id) == nullptr) return;
  // The keys of the list work again at once.
  SetFocus(list_);
  Run(id);
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
    case NM_DBLCLK:
      ActivateRow(reinterpret_cast<const NMITEMACTIVATE*>(lparam)->iItem);
      return 0;
    case NM_RETURN:
      ActivateRow(static_cast<int>(
          SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED)));
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
