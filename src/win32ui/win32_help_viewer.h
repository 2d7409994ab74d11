// The help viewer of the native front: one help window of our own beside the program's windows,
// not modal, showing the pages the core resolves for each help call as plain text, with the
// page's links in a list (a double click follows one), "Contents" and "Back". The window is made
// at the first call, then reused and raised; one the user closed starts afresh.
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

  // Shows the page the call asks for and returns true; false, showing nothing, when the core
  // has no page for it.
  bool WinHelp(std::string_view file, const HelpRequest& request) override;

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
