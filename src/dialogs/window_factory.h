// Makes the windows a window opens over or beside itself from their templates, for their logic:
// modal dialogs (the memory snap, the About box) and sheets (the configuration), modeless ones
// (the statistics) and windows the core paints itself (the big display, the graph).
#ifndef TARVIK_DIALOGS_WINDOW_FACTORY_H_
#define TARVIK_DIALOGS_WINDOW_FACTORY_H_

#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "base/canvas.h"
#include "base/dialog_view.h"
#include "dialogs/property_sheet.h"
#include "dialogs/table_window.h"
#include "res/dialog_template.h"
#include "settings/app_settings.h"

namespace tarvik {

// What the platform hands the logic of a window that the core paints.
class PaintedWindowEvents {
 public:
  virtual ~PaintedWindowEvents() = default;
  // The whole client area is to be painted.
  virtual void Paint(Canvas& canvas) = 0;
  // A right click at a point of the client area.
  virtual void RightClick(int /*x*/, int /*y*/) {}
  // The platform asks the window to close (Alt+F4, the window manager).
  virtual void CloseRequested() = 0;
};

// An open window that the core paints. Letting go of it destroys the window.
class PaintedWindow {
 public:
  virtual ~PaintedWindow() = default;
  // The whole client area is painted again soon, from the event loop.
  virtual void Invalidate() = 0;
  // The window's frame on the screen: its top left corner and its outer width and height.
  virtual WindowPlacement Frame() const = 0;
  // Shows the first popup of `menu` with the `ticked` commands ticked, its top left corner at a
  // point of the client area, and waits for the user: the command chosen, or 0 for none.
  virtual int TrackPopupMenu(const MenuTemplate& menu, std::span<const int> ticked, int x,
                             int y) = 0;
};

// An open modeless dialog with its logic. Letting go of it destroys both, the logic after its
// Destroyed().
class ModelessWindow {
 public:
  virtual ~ModelessWindow() = default;
};

class WindowFactory {
 public:
  virtual ~WindowFactory() = default;
  using MakeLogic = std::function<std::unique_ptr<DialogEvents>(DialogSurface&)>;
  // Makes the window from `dialog`, owned by the window that asks, hands it the logic that
  // `make_logic` makes over it, and runs it modally; returns the result it was ended with.
  virtual int RunModal(const DialogTemplate& dialog, const MakeLogic& make_logic) = 0;
  // The same window shown beside its owner, at the template's place, initialised and left
  // running; nothing when it cannot be made.
  virtual std::unique_ptr<ModelessWindow> OpenModeless(const DialogTemplate& dialog,
                                                       const MakeLogic& make_logic) = 0;
  // A resizable top-level window without caption buttons, owned by the window that asks, with
  // its frame at `frame`, shown and painted at once; nothing when it cannot be made.
  virtual std::unique_ptr<PaintedWindow> OpenPainted(const WindowPlacement& frame,
                                                     PaintedWindowEvents& events) = 0;
  // A resizable top-level window of rows, figures, a chart and a row of commands, owned by the
  // window that asks, with its frame at `frame`, shown at once; nothing when it cannot be made.
  virtual std::unique_ptr<TableWindow> OpenTable(const TableWindowTexts& texts,
                                                 const WindowPlacement& frame,
                                                 TableWindowEvents& events) = 0;
  // Runs a tabbed sheet of `pages` with OK, Cancel and Apply modally over the window that asks,
  // its pages heard in the order PropertySheet keeps; returns its result.
  virtual int RunPropertySheet(std::string_view caption, std::vector<SheetPage> pages) = 0;
  // Gives the keyboard focus back to the window that asks.
  virtual void FocusOwner() = 0;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_WINDOW_FACTORY_H_
