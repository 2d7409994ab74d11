// The help viewer of the native front: one help window of our own beside the program's windows,
// not modal, showing the pages the core resolves for each help request as plain text, with the
// page's links in a list (a double click follows one), "Contents" and "Back". The window is made
// at the first request, then reused and raised; one the user closed starts afresh. It stands in
// for the system's help viewer, which would be asked for the help file "Tarvik.hlp" in its window
// "P1" with HELP_FINDER, HELP_CONTEXT and a context, or HELP_WM_HELP (F1, the caption's "?") and
// HELP_CONTEXTMENU (a right click) with a table of controls and contexts; the core names the page
// itself, so nothing of that call is needed here.
#ifndef TARVIK_WIN32UI_WIN32_HELP_VIEWER_H_
#define TARVIK_WIN32UI_WIN32_HELP_VIEWER_H_

#include <optional>
#include <string>
#include <vector>

#include "base/help_viewer.h"
#include "dialogs/help_book.h"
#include "dialogs/help_text.h"
#include "res/string_table.h"
#include "win32ui/win32_dialog.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

class Win32HelpViewer final : public HelpViewer {
 public:
  // The help window is owned by `owner`'s window and goes with it.
  Win32HelpViewer(const Win32Dialog& owner, UiLanguage language);
  ~Win32HelpViewer() override;
  Win32HelpViewer(const Win32HelpViewer&) = delete;
  Win32HelpViewer& operator=(const Win32HelpViewer&) = delete;

  // Shows the page the request asks for and returns true; false when the help window cannot be
  // made.
  bool ShowHelp(const HelpRequest& request) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  bool MakeWindow();
  // The controls' font, and their places, for the window's resolution.
  void SetFont();
  void Layout();
  void Display();

  const Win32Dialog& owner_;
  UiLanguage language_;
  HWND window_ = nullptr;
  HWND contents_ = nullptr;
  HWND back_ = nullptr;
  HWND text_ = nullptr;
  HWND links_ = nullptr;
  HFONT font_ = nullptr;
  HelpHistory pages_;
  std::vector<HelpLink> shown_links_;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_HELP_VIEWER_H_
