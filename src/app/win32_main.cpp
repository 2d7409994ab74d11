// Tarvik's start-up and shutdown on Windows: the user's settings are loaded from the registry,
// the main window runs as a modal dialog for the whole run, and then the link, the store and the
// series are let go in that order.
#include <memory>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "dialogs/app_state.h"
#include "dialogs/main_window.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_serial_port.h"
#include "platform/win32/win32_settings_key.h"
#include "res/main_window_template.h"
#include "settings/settings_store.h"
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

// German when the user's interface language is, else the neutral (English) texts.
tarvik::UiLanguage UserUiLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN ? tarvik::UiLanguage::kGerman
                                                                  : tarvik::UiLanguage::kNeutral;
}

}  // namespace

int main(int argc, char** argv) {
  namespace ui = tarvik::win32ui;
  tarvik::win32::Win32SerialPlatform serial;
  std::unique_ptr<tarvik::SettingsStore> store =
      tarvik::OpenSettingsStore(tarvik::win32::OpenUserSettings());
  tarvik::AppState state(serial);
  tarvik::LoadSettings(*store, state.settings, state.last_shot);
  if (const std::string port = PortOption(argc, argv); !port.empty()) {
    state.settings.port_name = port;
  }
  state.language = UserUiLanguage();

  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);

  {
    // The window and its logic go before the link and the store they use.
    ui::Win32Dialog dialog(tarvik::MainWindowTemplate(state.language),
                           &tarvik::MainMenuTemplate(state.language), ui::DialogRole::kModal);
    ui::Win32MessageBox message_box(dialog);
    ui::Win32Sound sound;
    tarvik::SystemClock clock;
    tarvik::win32::Win32Files files;
    tarvik::win32::NotepadViewer viewer;
    ui::Win32Windows windows(dialog);
    ui::Win32FileDialogs file_dialogs(dialog);
    ui::Win32HelpViewer help(dialog, state.language);
    tarvik::MainWindow window(
        dialog, state,
        {*store, clock, sound, message_box, files, viewer, windows, file_dialogs, help});
    dialog.RunModal(window, nullptr);
  }

  state.chronoscope.CloseLink();
  tarvik::CloseSettingsStore(store);
  state.series.ReleaseSeries();
  return 0;
}
