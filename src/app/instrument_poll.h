// One look at the instrument, as the main loop takes it every 20 ms: read whatever has arrived
// into the receive buffer and decode it.
#ifndef TARVIK_APP_INSTRUMENT_POLL_H_
#define TARVIK_APP_INSTRUMENT_POLL_H_

#include "app/app_state.h"
#include "link/shot_decoder.h"

namespace tarvik {

// Returns whether a shot was completed. Never waits for the instrument.
bool PollInstrument(AppState& state, ShotContext& context);

// The shot context over the state's records.
ShotContext MakeShotContext(AppState& state, DialogView& main_window, ShotHooks& hooks,
                            Clock& clock, SoundPlayer& sound);

}  // namespace tarvik

#endif  // TARVIK_APP_INSTRUMENT_POLL_H_
