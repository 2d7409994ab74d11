// A property sheet on Qt Widgets: a tab per page, each page a QtDialog made inside its tab when
// it is first shown, and the sheet's OK, Cancel and Apply. The sheet has the size of its largest
// page from the start, and every page that size. The order in which the pages hear of it all is
// PropertySheet's.
#ifndef TARVIK_UI_QT_PROPERTY_SHEET_H_
#define TARVIK_UI_QT_PROPERTY_SHEET_H_

#include <QDialog>
#include <memory>
#include <vector>

#include "dialogs/property_sheet.h"
#include "ui/qt_dialog.h"

class QDialogButtonBox;
class QTabWidget;

namespace tarvik::ui {

class QtPropertySheet final : public QDialog, public SheetView {
 public:
  QtPropertySheet(std::string_view caption, std::vector<SheetPage> pages, QWidget* owner);
  ~QtPropertySheet() override;

  // Shows the first page and runs the sheet modally; returns its result.
  int Run();

  PropertySheet& logic() { return logic_; }
  QtDialog* page_window(int index) const { return page_windows_[index]; }
  QTabWidget* tabs() const { return tabs_; }
  QDialogButtonBox* buttons() const { return buttons_; }

  // SheetView.
  DialogSurface& CreatePage(int index) override;
  void ShowPage(int index) override;
  void EnableApply(bool enabled) override;
  void EndSheet(int result) override;

 protected:
  void reject() override { logic_.Cancel(); }
  void closeEvent(QCloseEvent* event) override;

 private:
  QTabWidget* tabs_;
  QDialogButtonBox* buttons_;
  std::vector<QtDialog*> page_windows_;
  QSize page_area_;  // the largest page's: every page takes it, as the system's sheet does
  bool ending_ = false;
  PropertySheet logic_;  // after the windows it makes pages in
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_PROPERTY_SHEET_H_
