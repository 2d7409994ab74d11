// Notes the sounds played instead of playing them.
#ifndef TARVIK_TESTS_DOUBLES_RECORDING_SOUND_H_
#define TARVIK_TESTS_DOUBLES_RECORDING_SOUND_H_

#include <functional>
#include <string>
#include <vector>

#include "base/sound.h"

namespace tarvik::testing {

class RecordingSound : public SoundPlayer {
 public:
  void PlayFileSync(const std::string& file_name) override {
    played.push_back(file_name);
    if (during_play) during_play();
  }
  std::vector<std::string> played;
  // What happens while a sound plays: a careless sound layer may run the event loop.
  std::function<void()> during_play;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_RECORDING_SOUND_H_
