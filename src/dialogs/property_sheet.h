// A tabbed modal sheet of pages with OK, Cancel and Apply, as the configuration sheet is. Each
// page works on copies of its settings and commits them when the sheet applies. The order in
// which the pages hear of the user's steps lives here, so that every front runs it alike:
//  - a page is made when it is first shown, and initialised then;
//  - changing pages: the page left is told it is left, the page entered that it is active;
//  - OK: the visible page is left, every page made so far applies, in page order, and the sheet
//    ends; Apply does the same without ending;
//  - Cancel (Escape, the close box): every page made so far resets, and the sheet ends.
#ifndef TARVIK_DIALOGS_PROPERTY_SHEET_H_
#define TARVIK_DIALOGS_PROPERTY_SHEET_H_

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/dialog_view.h"
#include "res/dialog_template.h"

namespace tarvik {

// What a page may ask of the sheet around it.
class SheetFrame {
 public:
  virtual ~SheetFrame() = default;
  // Something has changed: Apply becomes available.
  virtual void MarkSheetChanged() = 0;
};

// A page's logic: a window's events and the sheet's.
class PropertyPage : public DialogEvents {
 public:
  virtual void SetActive() {}
  virtual void KillActive() {}
  virtual void Apply() {}
  virtual void Reset() {}
};

struct SheetPage {
  std::string title;
  const DialogTemplate* dialog;
  std::function<std::unique_ptr<PropertyPage>(DialogSurface&, SheetFrame&)> make;
};

// What the platform's sheet carries out.
class SheetView {
 public:
  virtual ~SheetView() = default;
  // Makes page `index`'s window from its template, inside the sheet.
  virtual DialogSurface& CreatePage(int index) = 0;
  virtual void ShowPage(int index) = 0;
  virtual void EnableApply(bool enabled) = 0;
  virtual void EndSheet(int result) = 0;
};

class PropertySheet final : public SheetFrame {
 public:
  static constexpr int kOkResult = 1;
  static constexpr int kCancelResult = 0;

  PropertySheet(SheetView& view, std::vector<SheetPage> pages);

  // Shows the first page.
  void Start() { SelectPage(0); }
  // The user chose the page's tab.
  void SelectPage(int index);
  void Ok();
  void ApplyNow();
  void Cancel();

  void MarkSheetChanged() override { view_.EnableApply(true); }

  const std::vector<SheetPage>& pages() const { return pages_; }
  // The page's logic once it has been made, else null.
  PropertyPage* page(int index) const { return made_[index].get(); }
  int current() const { return current_; }

 private:
  void ApplyAll();

  SheetView& view_;
  std::vector<SheetPage> pages_;
  std::vector<std::unique_ptr<PropertyPage>> made_;
  int current_ = -1;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_PROPERTY_SHEET_H_
