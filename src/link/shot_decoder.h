// Turns the characters received from the instrument into shots. A reading is a run of decimal
// digits ended by a carriage return; any other character abandons the reading in progress.
#ifndef TARVIK_LINK_SHOT_DECODER_H_
#define TARVIK_LINK_SHOT_DECODER_H_

#include <cstdint>

#include "base/clock.h"
#include "base/dialog_view.h"
#include "base/sound.h"
#include "link/receive_buffer.h"
#include "link/shot_hooks.h"
#include "measure/shot_series.h"
#include "settings/app_settings.h"

namespace tarvik {

// The reading in progress; it survives between calls so that a reading split over several
// reads is assembled whole.
struct DecoderState {
  std::int32_t reading_count = 0;  // value of the digits so far
  std::int32_t digit_tally = 0;    // number of digits so far, leading zeros included
  bool overlong = false;           // the digits' value has passed the 32-bit range
};

// Everything a completed shot reads and updates.
struct ShotContext {
  const AppSettings& settings;
  LastShot& last_shot;
  ShotSeries& series;
  DialogView& main_window;
  ShotHooks& hooks;
  Clock& clock;
  SoundPlayer& sound;
};

// Consumes the whole buffer (its fill is 0 afterwards) and completes a shot at every carriage
// return that ends a reading of a non-zero count. Returns whether at least one shot completed.
// A reading whose value does not fit 32 bits cannot come from the instrument and yields no shot.
bool DecodeReceived(ReceiveBuffer& buffer, DecoderState& decoder, ShotContext& context);

// Everything one shot does, in order: the main window's "Last shot" fields, the last shot and
// its stored texts, the big display, the log, the series and its averages, the statistics, and
// the legal or over-limit sound. `count` must be at least 1.
void CompleteShot(std::int32_t count, std::int32_t digits, ShotContext& context);

}  // namespace tarvik

#endif  // TARVIK_LINK_SHOT_DECODER_H_
