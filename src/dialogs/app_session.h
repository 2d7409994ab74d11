// The program's run, the same under either front: at start the user's settings are opened and
// loaded; once the main window has closed, the link, the store and the series are let go in
// that order and the program ends with 0. Each front's main adds only its platform's parts: the
// services, the interface language and the window the main window runs in.
#ifndef TARVIK_DIALOGS_APP_SESSION_H_
#define TARVIK_DIALOGS_APP_SESSION_H_

#include <functional>
#include <memory>
#include <string_view>

#include "dialogs/app_state.h"
#include "link/serial_port.h"
#include "settings/settings_backend.h"
#include "settings/settings_store.h"

namespace tarvik {

class AppSession {
 public:
  // Builds the main window over the front's window and services and returns once it has closed.
  using MainWindowRun = std::function<void(AppState& state, SettingsStore& store)>;

  // Opens the store over `backend`, the user's key or file as the platform opened it (null when
  // it could not be), and loads the settings; `port`, when not empty, is the port for this run
  // in place of the configured one.
  AppSession(SerialPlatform& serial, std::unique_ptr<SettingsBackend> backend,
             std::string_view port);

  AppState& state() { return state_; }

  // Runs the main window once, in `language`, then shuts down. Returns the exit code.
  int Run(UiLanguage language, const MainWindowRun& main_window);

 private:
  std::unique_ptr<SettingsStore> store_;
  AppState state_;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_APP_SESSION_H_
