#ifndef TARVIK_TESTS_DOUBLES_RECORDING_SOUND_H_
#define TARVIK_TESTS_DOUBLES_RECORDING_SOUND_H_

#include <string>
#include <vector>

#include "base/sound.h"
#include "doubles/event_log.h"

namespace tarvik::testing {

class RecordingSound : public SoundPlayer {
 public:
  explicit RecordingSound(EventLog* log = nullptr) : log_(log) {}

  void PlayFileSync(const std::string& file_name) override {
    played.push_back(file_name);
    if (log_ != nullptr) log_->Add("play " + file_name);
  }

  std::vector<std::string> played;

 private:
  EventLog* log_;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_RECORDING_SOUND_H_
