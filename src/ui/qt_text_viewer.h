// Shows a text file in the desktop's default application for it, not waiting for it, and says
// why when no program shows it.
#ifndef TARVIK_UI_QT_TEXT_VIEWER_H_
#define TARVIK_UI_QT_TEXT_VIEWER_H_

#include "base/debug_log.h"
#include "base/files.h"

namespace tarvik::ui {

// Tells `log` why no program showed the file, too.
class QtTextViewer final : public TextFileViewer {
 public:
  explicit QtTextViewer(const DebugLog& log = kNoDebugLog) : log_(log) {}

  void ShowTextFile(const std::string& path, const Failed& failed) override;

 private:
  const DebugLog& log_;
};

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_TEXT_VIEWER_H_
