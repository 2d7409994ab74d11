// Tarvik on Windows: the options, the debug log, the Win32 services and the native windows over
// the run that AppSession shares with the Linux program; the settings live in the registry.
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "base/debug_log.h"
#include "dialogs/app_session.h"
#include "dialogs/main_window.h"
#include "history/export_command.h"
#include "platform/stream_debug_log.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_history_folder.h"
#include "platform/win32/win32_serial_port.h"
#include "platform/win32/win32_settings_key.h"
#include "res/main_window_template.h"
#include "win32ui/win32_dialog.h"
#include "win32ui/win32_file_dialogs.h"
#include "win32ui/win32_help_viewer.h"
#include "win32ui/win32_message_box.h"
#include "win32ui/win32_sound.h"
#include "win32ui/win32_windows.h"
#include "win32ui/windows_api.h"

namespace {

// The value after "NAME VALUE" on the command line: nothing without the name, empty without a
// value.
std::optional<std::string> OptionValue(int argc, char** argv, std::string_view name) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == name) return i + 1 < argc ? argv[i + 1] : "";
  }
  return std::nullopt;
}

// Says why on standard error, or on the console the program was started from: a program with
// windows has no console of its own.
void TellError(const std::string& message) {
  HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  if ((error == nullptr || error == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    error =
        CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  }
  if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
  const std::string line = message + "\r\n";
  DWORD written = 0;
  WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

// --export FILE: the whole history into FILE; no settings, window or port are touched.
int ExportHistory(const std::string& file, const tarvik::DebugLog& log) {
  tarvik::win32::Win32HistoryFolder history(tarvik::win32::UserHistoryPath(), log);
  tarvik::win32::Win32Files files(log);
  const tarvik::ExportOutcome outcome = tarvik::ExportHistoryCommand(history, files, file);
  if (!outcome.message.empty()) TellError(outcome.message);
  return outcome.exit_code;
}

bool HasSwitch(int argc, char** argv, std::string_view name) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == name) return true;
  }
  return false;
}

// German when the user's interface language is, else the neutral (English) texts.
tarvik::UiLanguage UserUiLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN ? tarvik::UiLanguage::kGerman
                                                                  : tarvik::UiLanguage::kNeutral;
}

// The main window over its native window and the services, until it closes; the windows are
// gone before the session lets go of the link and the store they use.
void RunMainWindow(tarvik::AppState& state, tarvik::SettingsStore& store,
                   const tarvik::DebugLog& log) {
  namespace ui = tarvik::win32ui;
  ui::Win32Dialog dialog(tarvik::MainWindowTemplate(state.language),
                         &tarvik::MainMenuTemplate(state.language), ui::DialogRole::kModal);
  ui::Win32MessageBox message_box(dialog);
  ui::Win32Sound sound(log);
  tarvik::SystemClock clock;
  tarvik::win32::Win32Files files(log);
  tarvik::win32::Win32HistoryFolder history(tarvik::win32::UserHistoryPath(), log);
  tarvik::win32::NotepadViewer viewer(log);
  ui::Win32Windows windows(dialog);
  ui::Win32FileDialogs file_dialogs(dialog);
  ui::Win32HelpViewer help(dialog, state.language);
  tarvik::MainWindow window(
      dialog, state,
      {store, clock, sound, message_box, files, viewer, windows, file_dialogs, help, history});
  dialog.RunModal(window, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  const std::unique_ptr<tarvik::DebugLog> log = tarvik::OpenDebugLog(
      tarvik::ChooseDebugLog(std::getenv("TARVIK_DEBUG"), HasSwitch(argc, argv, "--debug")));
  if (const auto file = OptionValue(argc, argv, "--export")) return ExportHistory(*file, *log);
  tarvik::win32::Win32SerialPlatform serial(*log);
  tarvik::AppSession session(serial, tarvik::win32::OpenUserSettings(*log),
                             OptionValue(argc, argv, "--port").value_or(""));

  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  return session.Run(UserUiLanguage(),
                     [&log](tarvik::AppState& state, tarvik::SettingsStore& store) {
                       RunMainWindow(state, store, *log);
                     });
}
