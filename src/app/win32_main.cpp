// Tarvik on Windows: the options, the debug log, the Win32 services and the native windows over
// the run that AppSession shares with the Linux program; the settings live in the registry.
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "base/debug_log.h"
#include "dialogs/app_session.h"
#include "dialogs/main_window.h"
#include "platform/stream_debug_log.h"
#include "platform/win32/win32_files.h"
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

// The port named by "--port NAME" for this run, or empty.
std::string PortOption(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string_view(argv[i]) == "--port") return argv[i + 1];
  }
  return {};
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
  tarvik::win32::NotepadViewer viewer(log);
  ui::Win32Windows windows(dialog);
  ui::Win32FileDialogs file_dialogs(dialog);
  ui::Win32HelpViewer help(dialog, state.language);
  tarvik::MainWindow window(
      dialog, state,
      {store, clock, sound, message_box, files, viewer, windows, file_dialogs, help});
  dialog.RunModal(window, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  const std::unique_ptr<tarvik::DebugLog> log = tarvik::OpenDebugLog(
      tarvik::ChooseDebugLog(std::getenv("TARVIK_DEBUG"), HasSwitch(argc, argv, "--debug")));
  tarvik::win32::Win32SerialPlatform serial(*log);
  tarvik::AppSession session(serial, tarvik::win32::OpenUserSettings(*log), PortOption(argc, argv));

  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  return session.Run(UserUiLanguage(),
                     [&log](tarvik::AppState& state, tarvik::SettingsStore& store) {
                       RunMainWindow(state, store, *log);
                     });
}
