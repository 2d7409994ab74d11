#include "win32ui/win32_help_viewer.h"

#include <utility>

#include "res/help_topics.h"
#include "win32ui/dpi.h"
#include "win32ui/wide_text.h"
#include "win32ui/window_class.h"

namespace tarvik::win32ui {
namespace {

constexpr wchar_t kClassName[] = L"TarvikHelpWindow";
// Sizes at 100 %, scaled to the window's resolution.
constexpr int kWindowWidth = 440;
constexpr int kWindowHeight = 520;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 24;

enum HelpControl { kContentsButton = 101, kBackButton, kPageText, kLinkList };

HWND Child(HWND parent, const wchar_t* window_class, const std::wstring& text, DWORD style,
           int id) {
  return CreateWindowExW(0, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

Win32HelpViewer::Win32HelpViewer(const Win32Dialog& owner, UiLanguage language)
    : owner_(owner), language_(language), pages_(language) {}

Win32HelpViewer::~Win32HelpViewer() {
  DestroyOwnWindow(window_);
  if (font_ != nullptr) DeleteObject(font_);
}

bool Win32HelpViewer::ShowHelp(const HelpRequest& request) {
  // A window the user closed starts afresh: Back does not lead into an earlier visit.
  const bool new_visit = window_ == nullptr || !IsWindowVisible(window_);
  pages_.Open(request, new_visit);
  if (!MakeWindow()) return false;
  Display();
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  return true;
}

bool Win32HelpViewer::MakeWindow() {
  if (window_ != nullptr) return true;
  if (!RegisterWindowClassOnce(kClassName, WindowProc, 0, COLOR_BTNFACE)) return false;
  const HelpWindowTexts& texts = HelpWindowTextsFor(language_);
  const int dpi = WindowDpi(owner_.hwnd());
  HWND window = CreateWindowExW(0, kClassName, Utf8ToWide(texts.caption).c_str(),
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                                ScaleToDpi(kWindowWidth, dpi), ScaleToDpi(kWindowHeight, dpi),
                                owner_.hwnd(), nullptr, GetModuleHandleW(nullptr), this);
  if (window == nullptr) return false;
  window_ = window;
  contents_ = Child(window, L"BUTTON", Utf8ToWide(texts.contents), BS_PUSHBUTTON | WS_TABSTOP,
                    kContentsButton);
  back_ = Child(window, L"BUTTON", Utf8ToWide(texts.back), BS_PUSHBUTTON | WS_TABSTOP, kBackButton);
  text_ = Child(window, L"EDIT", L"",
                WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_TABSTOP,
                kPageText);
  links_ =
      Child(window, L"LISTBOX", L"",
            WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_TABSTOP, kLinkList);
  SetFont();
  Layout();
  return true;
}

void Win32HelpViewer::SetFont() {
  HFONT font = CreateGuiFont(WindowDpi(window_));
  if (font == nullptr) return;
  for (HWND child : {contents_, back_, text_, links_}) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
}

void Win32HelpViewer::Layout() {
  const int dpi = WindowDpi(window_);
  const int margin = ScaleToDpi(kMargin, dpi);
  const int button_width = ScaleToDpi(kButtonWidth, dpi);
  const int button_height = ScaleToDpi(kButtonHeight, dpi);
  RECT client;
  GetClientRect(window_, &client);
  const int width = client.right - margin * 2;
  const int below_buttons = margin * 2 + button_height;
  const int room = client.bottom - below_buttons - margin * 2;
  const int list_height = room / 4;
  MoveWindow(contents_, margin, margin, button_width, button_height, TRUE);
  MoveWindow(back_, margin * 2 + button_width, margin, button_width, button_height, TRUE);
  MoveWindow(text_, margin, below_buttons, width, room - list_height, TRUE);
  MoveWindow(links_, margin, client.bottom - margin - list_height, width, list_height, TRUE);
}

void Win32HelpViewer::Display() {
  HelpText page = HtmlToHelpText(pages_.shown()->html);
  SetWindowTextW(text_, Utf8ToWide(page.text).c_str());
  SendMessageW(links_, LB_RESETCONTENT, 0, 0);
  for (const HelpLink& link : page.links) {
    SendMessageW(links_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(link.title).c_str()));
  }
  shown_links_ = std::move(page.links);
  EnableWindow(back_, pages_.can_go_back() ? TRUE : FALSE);
}

LRESULT CALLBACK Win32HelpViewer::WindowProc(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32HelpViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  return self->Handle(window, message, wparam, lparam);
}

LRESULT Win32HelpViewer::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      if (window_ == window) Layout();
      return 0;
    case WM_DPICHANGED: {
      // Moved to a monitor of another resolution: the size Windows suggests there, the text and
      // the layout at that resolution.
      if (window_ != window) return 0;
      SetFont();
      const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      Layout();
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == kContentsButton && HIWORD(wparam) == BN_CLICKED) {
        if (pages_.Follow("contents")) Display();
      } else if (LOWORD(wparam) == kBackButton && HIWORD(wparam) == BN_CLICKED) {
        pages_.Back();
        Display();
      } else if (LOWORD(wparam) == kLinkList && HIWORD(wparam) == LBN_DBLCLK) {
        const LRESULT chosen = SendMessageW(links_, LB_GETCURSEL, 0, 0);
        if (chosen >= 0 && chosen < static_cast<LRESULT>(shown_links_.size())) {
          const std::string href = shown_links_[static_cast<std::size_t>(chosen)].href;
          if (pages_.Follow(href)) Display();
        }
      }
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace tarvik::win32ui
