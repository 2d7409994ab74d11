// The configuration sheet on the system's property sheet: one page per SheetPage, each made from
// its template in memory when the system first shows it. The system's notifications drive the
// core's PropertySheet, which decides what each page hears: a page becoming active selects it
// there (made and initialised on first sight), the first page told to apply applies them all
// (and OK ends the sheet), the first page told to reset cancels them all.
#ifndef TARVIK_WIN32UI_WIN32_PROPERTY_SHEET_H_
#define TARVIK_WIN32UI_WIN32_PROPERTY_SHEET_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/property_sheet.h"
#include "win32ui/win32_dialog.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

class Win32PropertySheet final : public SheetView {
 public:
  Win32PropertySheet(std::string_view caption, std::vector<SheetPage> pages, HWND owner);
  ~Win32PropertySheet() override;
  Win32PropertySheet(const Win32PropertySheet&) = delete;
  Win32PropertySheet& operator=(const Win32PropertySheet&) = delete;

  // Runs the sheet modally; PropertySheet::kOkResult or kCancelResult.
  int Run();

  DialogSurface& CreatePage(int index) override;
  void ShowPage(int index) override;
  void EnableApply(bool enabled) override;
  void EndSheet(int result) override;

 private:
  // What a page's window finds through its PROPSHEETPAGE: the sheet and the page's place.
  struct PageSlot {
    Win32PropertySheet* sheet;
    int index;
  };

  static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // A notification of the system's sheet to page `index`; true when it was handled.
  bool Notify(int index, const NMHDR& header, HWND page);
  // The first page the system sends a sheet-wide notification to: the lowest made so far.
  bool IsFirstMade(int index) const;

  std::wstring caption_;
  HWND owner_;
  std::vector<std::wstring> titles_;
  std::vector<std::unique_ptr<Win32Dialog>> windows_;
  std::vector<PageSlot> slots_;
  PropertySheet logic_;
  int result_ = PropertySheet::kCancelResult;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_PROPERTY_SHEET_H_
