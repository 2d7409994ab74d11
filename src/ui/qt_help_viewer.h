// The help viewer on Qt Widgets: one secondary help window of its own, beside the program's
// windows and not modal, that shows the pages the core resolves for each help call. Links move
// within the window, "Back" returns through the pages shown before, "Contents" shows the
// contents. The window is made at the first call, then reused and raised.
#ifndef TARVIK_UI_QT_HELP_VIEWER_H_
#define TARVIK_UI_QT_HELP_VIEWER_H_

#include <QPointer>
#include <optional>
#include <string>
#include <vector>

#include "base/help_viewer.h"
#include "dialogs/help_book.h"
#include "res/string_table.h"

class QDialog;
class QTextBrowser;
class QPushButton;
class QWidget;

namespace tarvik::ui {

class QtHelpViewer final : public HelpViewer {
 public:
  // The help window stays above `owner` and goes with it; `owner` may be null.
  QtHelpViewer(QWidget* owner, UiLanguage language);
  ~QtHelpViewer() override;
  QtHelpViewer(const QtHelpViewer&) = delete;
  QtHelpViewer& operator=(const QtHelpViewer&) = delete;

  // Shows the page the request asks for in the help window, and returns true.
  bool ShowHelp(const HelpRequest& request) override;

  // The help window, null until the first page has been shown.
  QWidget* window() const;
  // The page shown: its HTML and context (0 for the contents); empty and 0 before the first.
  std::string shown_html() const { return pages_.shown() ? pages_.shown()->html : std::string(); }
  int shown_context() const { return pages_.shown() ? pages_.shown()->context : 0; }

 private:
  void MakeWindow();
  void Display();

  QPointer<QWidget> owner_;
  UiLanguage language_;
  QPointer<QDialog> window_;
  QTextBrowser* browser_ = nullptr;
  QPushButton* back_ = nullptr;
  HelpHistory pages_;
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_HELP_VIEWER_H_
