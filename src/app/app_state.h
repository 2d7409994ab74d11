// The program's process-wide records, owned by main and passed to whatever needs them, so that
// nothing lives in mutable globals and every test starts from a fresh state.
#ifndef TARVIK_APP_APP_STATE_H_
#define TARVIK_APP_APP_STATE_H_

#include <memory>

#include "link/receive_buffer.h"
#include "link/serial_link.h"
#include "link/shot_decoder.h"
#include "measure/shot_series.h"
#include "res/string_table.h"
#include "settings/app_settings.h"

namespace tarvik {

struct AppState {
  AppSettings settings;
  LastShot last_shot;
  ShotSeries series;
  ReceiveBuffer receive_buffer;
  DecoderState decoder;
  std::unique_ptr<SerialLink> current_link;  // the link in use, once one was opened
  UiLanguage language = UiLanguage::kNeutral;
};

}  // namespace tarvik

#endif  // TARVIK_APP_APP_STATE_H_
