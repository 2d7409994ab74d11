// "Browse": the system's Open dialog over the window that asks (the active one of ours, else
// the main window).
#ifndef TARVIK_WIN32UI_WIN32_FILE_DIALOGS_H_
#define TARVIK_WIN32UI_WIN32_FILE_DIALOGS_H_

#include <string>

#include "base/file_dialog.h"
#include "win32ui/win32_dialog.h"

namespace tarvik::win32ui {

class Win32FileDialogs final : public FileDialogs {
 public:
  explicit Win32FileDialogs(const Win32Dialog& owner) : owner_(owner) {}
  std::string ChooseFile(const ChooseFileRequest& request) override;

 private:
  const Win32Dialog& owner_;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_FILE_DIALOGS_H_
