// Synchronous wave-file playback through Qt Multimedia. The sound plays on a thread of its own
// while the calling thread waits on a condition, so that the caller's event loop never runs in
// the meantime (its timers would fire in the middle of a shot). The wait is bounded by the
// file's own length plus a margin: without an audio device the sound never reports its end. A
// file that cannot be found or is no wave file gives the platform's beep, and the log is told.
#ifndef TARVIK_UI_QT_SOUND_H_
#define TARVIK_UI_QT_SOUND_H_

#include <QObject>
#include <QThread>
#include <set>
#include <string>
#include <vector>

#include "base/debug_log.h"
#include "base/sound.h"

class QSoundEffect;

namespace tarvik::ui {

class QtSoundPlayer final : public SoundPlayer {
 public:
  // `folders` are searched, in order, for a sound named without a folder that the current
  // folder does not hold (the program's own sounds are installed beside it).
  explicit QtSoundPlayer(std::vector<std::string> folders, const DebugLog& log = kNoDebugLog);
  ~QtSoundPlayer() override;
  QtSoundPlayer(const QtSoundPlayer&) = delete;
  QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

  void PlayFileSync(const std::string& file_name) override;

  // The file a sound name stands for, or empty when there is none.
  std::string Resolve(const std::string& file_name) const;

 private:
  // Tells the log why the sound is not played, and beeps instead.
  void Refuse(const std::string& file_name, std::string_view why) const;

  std::vector<std::string> folders_;
  const DebugLog& log_;
  std::set<std::string> undecodable_;  // signatures of files that could not be decoded
  QThread thread_;
  QObject* worker_ = nullptr;       // lives on `thread_`
  QSoundEffect* effect_ = nullptr;  // made and used on `thread_` only
};

// The folders a program at `program_folder` finds its own sounds in: beside it, and in the
// data folder of an installation (bin/../share/tarvik).
std::vector<std::string> SoundFolders(const std::string& program_folder);

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_SOUND_H_
