#include "app/instrument_poll.h"

namespace tarvik {

bool PollInstrument(AppState& state, ShotContext& context) {
  ReceiveBuffer& buffer = state.receive_buffer;
  const int n = SerialRead(state.current_link.get(), buffer.FreeSpace());
  if (n <= 0) return false;
  buffer.fill += n;
  return DecodeReceived(buffer, state.decoder, context);
}

ShotContext MakeShotContext(AppState& state, DialogView& main_window, ShotHooks& hooks,
                            Clock& clock, SoundPlayer& sound) {
  return ShotContext{state.settings, state.last_shot, state.series, main_window,
                     hooks,          clock,           sound};
}

}  // namespace tarvik
