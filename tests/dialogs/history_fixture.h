// A history folder in memory with the services the history's windows reach, and string files
// written as the recorder writes them, for the tests of those windows.
#ifndef TARVIK_TESTS_DIALOGS_HISTORY_FIXTURE_H_
#define TARVIK_TESTS_DIALOGS_HISTORY_FIXTURE_H_

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/app_state.h"
#include "dialogs/history_commands.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_serial_port.h"
#include "doubles/memory_files.h"
#include "doubles/memory_history_folder.h"
#include "doubles/memory_settings.h"
#include "doubles/quiet_services.h"
#include "res/string_dialog_template.h"

namespace tarvik::testing {

using Strings = std::vector<std::string>;

// A string file's lines: the header, then records given as their lines without line ends.
inline std::string StringFile(std::initializer_list<std::string_view> records) {
  std::string file =
      "record,shot,time,velocity_fps,energy_ftlbs,weight_gr,calibration,count,mark,origin,text\n";
  for (const std::string_view record : records) file += std::string(record) + "\n";
  return file;
}

// A decoded shot of 15 grains at 09:30 on the day.
inline std::string Shot(int number, std::string_view velocity, std::string_view day = "07") {
  return "shot," + std::to_string(number) + ",2026-12-" + std::string(day) + "T09:30:0" +
         std::to_string(number % 10) + ".000+01:00," + std::string(velocity) +
         ",21.3,15,100,1234,3,decoded,";
}

class HistoryFixture : public ::testing::Test {
 protected:
  HistoryFixture() { settings_ = SettingsStore(std::unique_ptr<SettingsBackend>(memory_)); }

  // A string file in the folder; its id is the name without ".csv".
  void AddString(std::string_view id, std::initializer_list<std::string_view> records) {
    folder_.strings[std::string(id) + ".csv"].bytes = StringFile(records);
  }
  // The user names the string in the name-and-notes dialog and clicks OK, or cancels.
  void AnswerNaming(std::string name, std::string notes, bool ok = true) {
    windows_.script = [=](DialogEvents& logic, FakeDialog& dialog) {
      dialog.Type(StringDialogId::kName, name, logic);
      dialog.Type(StringDialogId::kNotes, notes, logic);
      dialog.Click(ok ? StringDialogId::kOk : StringDialogId::kCancel, logic);
    };
  }

  HistoryServices Services() {
    return {windows_, folder_, messages_, file_dialogs_, help_, clock_, settings_, files_};
  }

  MemoryHistoryFolder folder_;
  FakeWindows windows_;
  RecordingMessageBox messages_;
  ScriptedFileDialogs file_dialogs_;
  RecordingHelp help_;
  FakeClock clock_;
  MemorySettings* memory_ = new MemorySettings;  // owned by the store
  SettingsStore settings_{nullptr};
  MemoryFiles files_;
  FakeSerialPlatform platform_;
  AppState state_{platform_};
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DIALOGS_HISTORY_FIXTURE_H_
