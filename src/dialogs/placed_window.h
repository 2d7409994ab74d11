// A freely sized window of its own that the core paints (the big display, the graph): opened
// and closed from the main window's menu, at the frame the settings store remembers for it.
// Every way of closing it (the menu, the graph's "Close", the platform's close request, the main
// window's closing) stores its outer frame as it is, so that it reopens exactly where it was. The
// frame is in the front's pixels: device-independent ones under Qt, the device's on Windows.
#ifndef TARVIK_DIALOGS_PLACED_WINDOW_H_
#define TARVIK_DIALOGS_PLACED_WINDOW_H_

#include <memory>

#include "base/canvas.h"
#include "dialogs/window_factory.h"
#include "res/string_table.h"
#include "settings/app_settings.h"
#include "settings/setting_table.h"
#include "settings/settings_store.h"

namespace tarvik {

class PlacedWindow : public PaintedWindowEvents {
 public:
  // `placement` is the frame held in memory, read from the store at each opening.
  PlacedWindow(WindowFactory& windows, SettingsStore& store, const setting::PlacementNames& names,
               WindowPlacement& placement);
  ~PlacedWindow() override;
  PlacedWindow(const PlacedWindow&) = delete;
  PlacedWindow& operator=(const PlacedWindow&) = delete;

  // Opens the window at its stored frame, or closes it when it is open.
  void Toggle();
  // Stores the frame and destroys the window, when it is open.
  void Close();
  bool IsOpen() const { return window_ != nullptr; }
  // Paints the window again, when it is open.
  void Invalidate();

  void CloseRequested() override { Close(); }

 protected:
  PaintedWindow* window() const { return window_.get(); }

 private:
  WindowFactory& windows_;
  SettingsStore& store_;
  const setting::PlacementNames& names_;
  WindowPlacement& placement_;
  std::unique_ptr<PaintedWindow> window_;
};

// Draws "Drag to resize" in the window's own font along the bottom right of the client area;
// returns the height it takes.
int DrawResizeHint(Canvas& canvas, UiLanguage language);

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_PLACED_WINDOW_H_
