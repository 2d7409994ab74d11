// The program's process-wide records and the instrument: owned by main, worked on by the
// windows. Nothing lives in mutable globals, so every test starts from a fresh state.
#ifndef TARVIK_DIALOGS_APP_STATE_H_
#define TARVIK_DIALOGS_APP_STATE_H_

#include "link/chronoscope.h"
#include "link/serial_port.h"
#include "measure/shot_series.h"
#include "res/string_table.h"
#include "settings/app_settings.h"

namespace tarvik {

struct AppState {
  explicit AppState(SerialPlatform& serial) : chronoscope(serial) {}

  AppSettings settings;
  LastShot last_shot;
  ShotSeries series;
  Chronoscope chronoscope;
  UiLanguage language = UiLanguage::kNeutral;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_APP_STATE_H_
