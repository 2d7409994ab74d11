// What the main window reaches outside its records, as doubles that keep quiet and note what they
// were asked; a test that reads the store gives it a backend.
#ifndef TARVIK_TESTS_DOUBLES_QUIET_SERVICES_H_
#define TARVIK_TESTS_DOUBLES_QUIET_SERVICES_H_

#include <string>
#include <vector>

#include "base/message_box.h"
#include "dialogs/main_window.h"
#include "doubles/fake_windows.h"
#include "doubles/memory_files.h"
#include "doubles/recording_help.h"
#include "doubles/recording_sound.h"
#include "settings/settings_store.h"

namespace tarvik::testing {

// Keeps the messages shown instead of showing them.
class RecordingMessageBox : public MessageBoxView {
 public:
  void ShowMessage(std::string_view text, std::string_view caption) override {
    shown.emplace_back(text);
    captions.emplace_back(caption);
  }
  std::vector<std::string> shown, captions;
};

struct QuietServices {
  MainWindowServices With(Clock& clock) {
    return {store, clock, sound, message_box, files, viewer, windows, file_dialogs, help};
  }

  SettingsStore store{nullptr};
  RecordingSound sound;
  RecordingMessageBox message_box;
  MemoryFiles files;
  RecordingViewer viewer;
  FakeWindows windows;
  ScriptedFileDialogs file_dialogs;
  RecordingHelp help;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_QUIET_SERVICES_H_
