// The file chooser on Qt Widgets, modal over its owner.
#ifndef TARVIK_UI_QT_FILE_DIALOGS_H_
#define TARVIK_UI_QT_FILE_DIALOGS_H_

#include <QWidget>

#include "base/file_dialog.h"

namespace tarvik::ui {

class QtFileDialogs final : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* owner) : owner_(owner) {}
  std::string ChooseFile(const ChooseFileRequest& request) override;

 private:
  QWidget* owner_;
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_FILE_DIALOGS_H_
