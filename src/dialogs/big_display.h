// The big display: the last shot's velocity and energy in digits as large as the window, for
// reading at a distance, red when the energy is above the legal limit.
#ifndef TARVIK_DIALOGS_BIG_DISPLAY_H_
#define TARVIK_DIALOGS_BIG_DISPLAY_H_

#include <string>

#include "base/canvas.h"
#include "dialogs/app_state.h"
#include "dialogs/placed_window.h"

namespace tarvik {

// The velocity's text: whole fps cut toward zero, or m/s with one decimal.
std::string BigVelocityText(double fps, bool metric);
// The energy's text: ft.lbs or joules with two decimals.
std::string BigEnergyText(double ft_lbs, bool metric);

// The hint, the velocity in the upper half and the energy in the lower half, in a heavy font
// half the client area high and a sixth of it wide per character.
void PaintBigDisplay(Canvas& canvas, const LastShot& shot, const AppSettings& settings,
                     UiLanguage language);

class BigDisplay final : public PlacedWindow {
 public:
  BigDisplay(WindowFactory& windows, SettingsStore& store, AppState& state)
      : PlacedWindow(windows, store, setting::kBigDisplayPlacement, state.settings.big_display),
        state_(state) {}

  void Paint(Canvas& canvas) override {
    PaintBigDisplay(canvas, state_.last_shot, state_.settings, state_.language);
  }

 private:
  const AppState& state_;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_BIG_DISPLAY_H_
