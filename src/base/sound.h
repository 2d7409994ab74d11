// Wave-file playback. The shot sounds are played synchronously: the call returns when the sound
// has finished (or at once when it cannot be played: the caller hears nothing of it, the player's
// debug log is told why).
#ifndef TARVIK_BASE_SOUND_H_
#define TARVIK_BASE_SOUND_H_

#include <string>

namespace tarvik {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void PlayFileSync(const std::string& file_name) = 0;
};

// For builds and runs without audio: plays nothing.
class SilentSoundPlayer final : public SoundPlayer {
 public:
  void PlayFileSync(const std::string&) override {}
};

}  // namespace tarvik

#endif  // TARVIK_BASE_SOUND_H_
