// Shows a text file in the desktop's default application for it, not waiting for it, and says
// why when no program shows it.
#ifndef TARVIK_UI_QT_TEXT_VIEWER_H_
#define TARVIK_UI_QT_TEXT_VIEWER_H_

#include "base/files.h"

namespace tarvik::ui {

class QtTextViewer final : public TextFileViewer {
 public:
  void ShowTextFile(const std::string& path, const Failed& failed) override;
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_TEXT_VIEWER_H_
