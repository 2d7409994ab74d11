// What the main window reaches outside its records, as doubles that keep quiet: for the tests
// that look at the window and the instrument, not at the store, the sound or the files.
#ifndef TARVIK_TESTS_DOUBLES_QUIET_SERVICES_H_
#define TARVIK_TESTS_DOUBLES_QUIET_SERVICES_H_

#include "base/sound.h"
#include "dialogs/main_window.h"
#include "doubles/fake_windows.h"
#include "doubles/memory_files.h"
#include "doubles/recording_help.h"
#include "doubles/recording_message_box.h"
#include "settings/settings_store.h"

namespace tarvik::testing {

struct QuietServices {
  MainWindowServices With(Clock& clock) {
    return {store, clock, sound, message_box, files, viewer, windows, file_dialogs, help};
  }

  SettingsStore store{nullptr};
  SilentSoundPlayer sound;
  RecordingMessageBox message_box;
  MemoryFiles files;
  RecordingViewer viewer;
  FakeWindows windows;
  ScriptedFileDialogs file_dialogs;
  RecordingHelp help;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_QUIET_SERVICES_H_
