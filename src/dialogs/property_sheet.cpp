#include "dialogs/property_sheet.h"

namespace tarvik {

PropertySheet::PropertySheet(SheetView& view, std::vector<SheetPage> pages)
    : view_(view), pages_(std::move(pages)), made_(pages_.size()) {}

void PropertySheet::SelectPage(int index) {
  if (index == current_ || index < 0 || index >= static_cast<int>(pages_.size())) return;
  if (current_ >= 0) made_[current_]->KillActive();
  if (!made_[index]) {
    made_[index] = pages_[index].make(view_.CreatePage(index), *this);
    made_[index]->Initialize();
  }
  current_ = index;
  view_.ShowPage(index);
  made_[index]->SetActive();
}

void PropertySheet::ApplyAll() {
  if (current_ >= 0) made_[current_]->KillActive();
  for (const auto& page : made_) {
    if (page) page->Apply();
  }
  view_.EnableApply(false);
}

void PropertySheet::Ok() {
  ApplyAll();
  view_.EndSheet(kOkResult);
}

void PropertySheet::ApplyNow() { ApplyAll(); }

void PropertySheet::Cancel() {
  for (const auto& page : made_) {
    if (page) page->Reset();
  }
  view_.EndSheet(kCancelResult);
}

}  // namespace tarvik
