// Wave files played to their end through the system's PlaySound. A bare name is looked for
// beside the program as well, where the default sounds are installed.
#ifndef TARVIK_WIN32UI_WIN32_SOUND_H_
#define TARVIK_WIN32UI_WIN32_SOUND_H_

#include <string>

#include "base/debug_log.h"
#include "base/sound.h"

namespace tarvik::win32ui {

class Win32Sound final : public SoundPlayer {
 public:
  explicit Win32Sound(const DebugLog& log = kNoDebugLog) : log_(log) {}

  // A file that cannot be found or played gives the system's short beep instead, and the log
  // is told.
  void PlayFileSync(const std::string& file_name) override;

 private:
  const DebugLog& log_;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_SOUND_H_
