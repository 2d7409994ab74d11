#include "win32ui/win32_property_sheet.h"

#include "win32ui/wide_text.h"

namespace tarvik::win32ui {

Win32PropertySheet::Win32PropertySheet(std::string_view caption, std::vector<SheetPage> pages,
                                       HWND owner)
    : caption_(Utf8ToWide(caption)), owner_(owner), logic_(*this, std::move(pages)) {
  const auto& sheet_pages = logic_.pages();
  for (int i = 0; i < static_cast<int>(sheet_pages.size()); ++i) {
    titles_.push_back(Utf8ToWide(sheet_pages[i].title));
    windows_.push_back(
        std::make_unique<Win32Dialog>(*sheet_pages[i].dialog, nullptr, DialogRole::kPage));
    slots_.push_back({this, i});
  }
}

// The pages' windows are gone with the sheet; their logic hears nothing on the way.
Win32PropertySheet::~Win32PropertySheet() {
  for (const auto& window : windows_) window->Attach(nullptr);
}

int Win32PropertySheet::Run() {
  std::vector<PROPSHEETPAGEW> pages(windows_.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    PROPSHEETPAGEW& page = pages[i];
    page.dwSize = sizeof(PROPSHEETPAGEW);
    page.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    page.hInstance = GetModuleHandleW(nullptr);
    page.pResource = windows_[i]->memory_template();
    page.pszTitle = titles_[i].c_str();
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(&slots_[i]);
  }
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_PROPSHEETPAGE;
  header.hwndParent = owner_;
  header.hInstance = GetModuleHandleW(nullptr);
  header.pszCaption = caption_.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = 0;
  header.ppsp = pages.data();
  result_ = PropertySheet::kCancelResult;
  PropertySheetW(&header);
  return result_;
}

INT_PTR CALLBACK Win32PropertySheet::PageProc(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    const auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(lparam);
    auto* slot = reinterpret_cast<PageSlot*>(page->lParam);
    SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(slot));
    slot->sheet->windows_[slot->index]->AdoptPage(window);
    return TRUE;
  }
  const auto* slot = reinterpret_cast<const PageSlot*>(GetWindowLongPtrW(window, DWLP_USER));
  if (slot == nullptr) return FALSE;
  if (message == WM_NOTIFY) {
    return slot->sheet->Notify(slot->index, *reinterpret_cast<const NMHDR*>(lparam), window)
               ? TRUE
               : FALSE;
  }
  return slot->sheet->windows_[slot->index]->HandleMessage(message, wparam, lparam) ? TRUE : FALSE;
}

bool Win32PropertySheet::IsFirstMade(int index) const {
  for (int i = 0; i < index; ++i) {
    if (logic_.page(i) != nullptr) return false;
  }
  return logic_.page(index) != nullptr;
}

bool Win32PropertySheet::Notify(int index, const NMHDR& header, HWND page) {
  switch (header.code) {
    case PSN_SETACTIVE:
      logic_.SelectPage(index);
      SetWindowLongPtrW(page, DWLP_MSGRESULT, 0);
      return true;
    case PSN_KILLACTIVE:
      // The core tells the page it is left when the next one is selected, or as it applies.
      SetWindowLongPtrW(page, DWLP_MSGRESULT, FALSE);
      return true;
    case PSN_APPLY:
      if (IsFirstMade(index)) {
        // The system's OK applies and then closes the sheet; its Apply only applies.
        if (reinterpret_cast<const PSHNOTIFY&>(header).lParam != 0) {
          logic_.Ok();
        } else {
          logic_.ApplyNow();
        }
      }
      SetWindowLongPtrW(page, DWLP_MSGRESULT, PSNRET_NOERROR);
      return true;
    case PSN_RESET:
      if (IsFirstMade(index)) logic_.Cancel();
      return true;
    default:
      return false;
  }
}

DialogSurface& Win32PropertySheet::CreatePage(int index) { return *windows_[index]; }

void Win32PropertySheet::ShowPage(int index) { windows_[index]->Attach(logic_.page(index)); }

void Win32PropertySheet::EnableApply(bool enabled) {
  for (const auto& window : windows_) {
    HWND page = window->hwnd();
    if (page == nullptr) continue;
    if (enabled) {
      // One page marked changed is enough for Apply.
      SendMessageW(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
      return;
    }
    SendMessageW(GetParent(page), PSM_UNCHANGED, reinterpret_cast<WPARAM>(page), 0);
  }
}

// The system's sheet closes itself after OK and Cancel; the result is what Run returns.
void Win32PropertySheet::EndSheet(int result) { result_ = result; }

}  // namespace tarvik::win32ui
