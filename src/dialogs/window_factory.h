// Makes the windows a window opens over itself (the memory snap, the configuration sheet, the
// About box) from their templates, for their logic, and runs them.
#ifndef TARVIK_DIALOGS_WINDOW_FACTORY_H_
#define TARVIK_DIALOGS_WINDOW_FACTORY_H_

#include <functional>
#include <memory>

#include "base/dialog_view.h"
#include "res/dialog_template.h"

namespace tarvik {

class WindowFactory {
 public:
  virtual ~WindowFactory() = default;
  using MakeLogic = std::function<std::unique_ptr<DialogEvents>(DialogSurface&)>;
  // Makes the window from `dialog`, owned by the window that asks, hands it the logic that
  // `make_logic` makes over it, and runs it modally; returns the result it was ended with.
  virtual int RunModal(const DialogTemplate& dialog, const MakeLogic& make_logic) = 0;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_WINDOW_FACTORY_H_
