#include "dialogs/app_session.h"

#include <utility>

namespace tarvik {

AppSession::AppSession(SerialPlatform& serial, std::unique_ptr<SettingsBackend> backend,
                       std::string_view port)
    : store_(OpenSettingsStore(std::move(backend))), state_(serial) {
  LoadSettings(*store_, state_.settings, state_.last_shot);
  if (!port.empty()) state_.settings.port_name = port;
}

int AppSession::Run(UiLanguage language, const MainWindowRun& main_window) {
  state_.language = language;
  main_window(state_, *store_);
  state_.chronoscope.CloseLink();
  CloseSettingsStore(store_);
  state_.series.ReleaseSeries();
  return 0;
}

}  // namespace tarvik
