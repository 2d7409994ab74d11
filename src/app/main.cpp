// Tarvik's entry point. Until the main window is built, Tarvik runs as a console monitor: it
// loads the user's settings, runs the main window's logic against a window kept in memory, ticks
// its timer every 20 ms, and prints every shot with the running averages.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "app/console_report.h"
#include "app/text_dialog.h"
#include "base/clock.h"
#include "base/number_text.h"
#include "base/sound.h"
#include "dialogs/app_state.h"
#include "dialogs/main_window.h"
#include "settings/settings_store.h"

#ifdef _WIN32
#include "platform/win32/win32_serial_port.h"
#include "platform/win32/win32_settings_key.h"
namespace platform = tarvik::win32;
using PlatformSerial = tarvik::win32::Win32SerialPlatform;
#else
#include "platform/posix/posix_serial_port.h"
#include "platform/posix/posix_settings_file.h"
namespace platform = tarvik::posix;
using PlatformSerial = tarvik::posix::PosixSerialPlatform;
#endif

namespace {

volatile std::sig_atomic_t stop_requested = 0;

void RequestStop(int) { stop_requested = 1; }

class ConsoleMessageBox final : public tarvik::MessageBoxView {
 public:
  void ShowMessage(std::string_view text, std::string_view) override {
    std::cerr << text << std::endl;
  }
};

void PrintUsage() {
  std::cout
      << "Usage: tarvik [--port NAME] [--metric] [--weight GRAINS] [--list-ports]\n"
         "       tarvik --configured-port\n"
         "Prints every shot the instrument on the serial port reports. The port, the weight,\n"
         "the calibration and the units come from your settings; the options override them for\n"
         "this run without storing them. NAME is a device path (/dev/ttyUSB0), COMn\n"
         "(/dev/ttyS(n-1)) or a name under /dev.\n"
         "--configured-port prints the port your settings name and succeeds when it is present.\n";
}

}  // namespace

int main(int argc, char** argv) {
  PlatformSerial platform;
  tarvik::AppState state(platform);
  std::unique_ptr<tarvik::SettingsStore> store =
      tarvik::OpenSettingsStore(platform::OpenUserSettings());
  tarvik::LoadSettings(*store, state.settings, state.last_shot);

  bool list_ports = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--port" && i + 1 < argc) {
      state.settings.port_name = argv[++i];
    } else if (arg.starts_with("--port=")) {
      state.settings.port_name = std::string(arg.substr(7));
    } else if (arg == "--weight" && i + 1 < argc) {
      state.settings.weight = tarvik::ParseDecimal(argv[++i]);
    } else if (arg == "--metric") {
      state.settings.metric = true;
    } else if (arg == "--list-ports") {
      list_ports = true;
    } else if (arg == "--configured-port") {
      const std::string& port = state.settings.port_name;
      std::cout << port << "\n";
      const auto present = platform.EnumeratePorts(port);
      return std::find(present.begin(), present.end(), port) != present.end() ? 0 : 1;
    } else {
      PrintUsage();
      return arg == "--help" ? 0 : 2;
    }
  }

  if (list_ports) {
    for (const std::string& port : platform.EnumeratePorts(state.settings.port_name)) {
      std::cout << port << "\n";
    }
    return 0;
  }

  tarvik::TextDialog surface;
  tarvik::SystemClock clock;
  tarvik::SilentSoundPlayer sound;
  ConsoleMessageBox message_box;
  tarvik::MainWindow window(surface, state, {*store, clock, sound, message_box});
  window.set_shot_observer([&surface](const tarvik::Shot&) {
    std::cout << tarvik::ShotReportLine(surface) << std::endl;
  });
  window.Initialize();
  if (!state.chronoscope.IsOpen()) return 1;
  std::cout << "Tarvik: listening to the chronoscope on " << state.settings.port_name
            << " (Ctrl+C ends)" << std::endl;

  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);
  while (stop_requested == 0) {
    window.Tick(tarvik::MainWindow::kTimerId);
    clock.SleepMs(tarvik::MainWindow::kTimerPeriodMs);
  }
  window.Destroyed();
  state.chronoscope.CloseLink();
  tarvik::CloseSettingsStore(store);
  state.series.ReleaseSeries();
  return 0;
}
